// The page in a real browser, opened from the disk and served over http, typed
// into as a person would: the program writes, byte for byte, what the Linux build
// writes for the same input, nothing is requested but the page, and no error is
// met. In Chromium the page is played on a phone too, by finger, and laid out.
// Usage: node pagina_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { after, before, describe, test } from "node:test";
import { pathToFileURL } from "node:url";
import { MOTORES, abrirPagina, ocorrenciasNaPagina, pacotesQueFaltam, servirPagina } from "./navegador.mjs";

const [arquivo, nativo, nomeDoMotor] = process.argv.slice(2);
const motor = MOTORES[nomeDoMotor];
const faltam = pacotesQueFaltam(motor);
if (faltam.length > 0) {
    console.log(`${motor.nome} cannot run here: apt-get install ${faltam.join(" ")}`);
    process.exit(process.env.CI === "true" ? 1 : 77);
}
const doDisco = pathToFileURL(arquivo).href;
const BACKSPACE = "\x7f";
const CTRL_D = "\x04";
const TECLAS = { [BACKSPACE]: "Backspace", [CTRL_D]: "Control+D", "\n": "Enter" };
const pausar = (ms) => new Promise((pronto) => setTimeout(pronto, ms));

// Each step is typed once the program waits for input: "\n" is ENTER. The input
// is what the Linux build reads, from a pipe, for the same keys. On a phone
// (noTelefone) the name given in compor is composed from suggestions.
const SESSOES = [
    {
        nome: "Passa o Controle ganho, e o ranking",
        passos: ["1\n", "3\n", "Mia\n", "Leo\n", "2\n", "42\n", "42\n", "\n", "2\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n2\n42\n42\n\n2\n\n4\n",
        noTelefone: { compor: "Leo" },
    },
    {
        nome: "Passa o Controle perdido, e o ranking",
        passos: ["1\n", "3\n", "Mia\n", "Leo\n", "2\n", "42\n", "1\n", "\n", "2\n", "\n", "3\n", "\n", "99\n", "\n",
            "98\n", "\n", "97\n", "\n", "96\n", "\n", "2\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n2\n42\n1\n\n2\n\n3\n\n99\n\n98\n\n97\n\n96\n\n2\n\n4\n",
        noTelefone: {},
    },
    {
        nome: "numeros recusados, as regras e o resto da linha da pausa",
        passos: ["7\n", "abc\n", "-1\n", "99999999999\n", "3\n", "x2\n", "\n", "4\n"],
        entrada: "7\nabc\n-1\n99999999999\n3\nx2\n\n4\n",
        noTelefone: {},
    },
    {
        nome: "Backspace apaga o ultimo caractere, inteiro",
        passos: ["5" + BACKSPACE + "1\n", "3\n", "Miz" + BACKSPACE + "a\n", "Leão" + BACKSPACE + BACKSPACE + "o\n",
            "1\n", "50" + BACKSPACE + BACKSPACE + BACKSPACE + "37\n", "37\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n1\n37\n37\n\n4\n",
        noTelefone: {},
    },
    {
        nome: "linhas coladas antes das perguntas sao lidas em ordem, e respondidas numa so escrita",
        colar: "1\n3\nMia\nLeo\n1\n37\n",
        passos: ["37\n", "\n", "4\n"],
        entrada: "1\n3\nMia\nLeo\n1\n37\n37\n\n4\n",
    },
    {
        nome: "Ctrl-D num menu encerra com status 1",
        passos: ["2\n", "\n", CTRL_D],
        entrada: "2\n\n",
    },
    {
        nome: "Ctrl-D num nome entrega o que foi digitado, e depois encerra",
        passos: ["1\n", "1\n", "Ana" + CTRL_D, CTRL_D, CTRL_D],
        entrada: "1\n1\nAna",
    },
];

let navegador;
before(async () => {
    navegador = await motor.abrir();
    if (navegador.aviso) {
        console.log(`${motor.nome}: ${navegador.aviso}`);
    }
});
after(() => navegador?.fechar());

function executarNativo(entrada) {
    const execucao = spawnSync(nativo, { input: Buffer.from(entrada, "utf8") });
    return { saida: execucao.stdout.toString("latin1"), status: execucao.status };
}

async function digitarNoTeclado(aba, teclas) {
    for (const tecla of teclas) {
        await aba.teclar(TECLAS[tecla] ?? tecla);
    }
}

// On a phone, digits, Backspace and ENTER are tapped on the page's keypad; the
// rest is typed, at a person's pace, on the phone's own keyboard, as Android's
// keyboards send it, with its own ENTER.
const PELO_TECLADO_NUMERICO = /^[0-9\x7f\n]+$/;
const TECLA_NUMERICA = { [BACKSPACE]: "apagar", "\n": "enter" };

async function digitarNoTelefone(aba, teclas, { compor } = {}) {
    if (PELO_TECLADO_NUMERICO.test(teclas)) {
        for (const tecla of teclas) {
            await aba.tocar(`#teclado [data-tecla="${TECLA_NUMERICA[tecla] ?? tecla}"]`);
        }
        return;
    }
    const [texto, ...enter] = teclas.split("\n");
    if (texto === compor) {
        await aba.comporNoAparelho(texto, () => pausar(120));
    } else {
        for (const [i, caractere] of Array.from(texto).entries()) {
            await aba.teclarNoAparelho(caractere, { mesmoMomento: i % 2 === 0 });
            await pausar(120);
        }
    }
    if (enter.length > 0) {
        await aba.teclar("Enter");
    }
}

function esperarOPrograma(aba) {
    return aba.esperar(() => adivinhe.esperando() || adivinhe.status() !== null);
}

// Types each step once the program waits for it, as a person answers each question.
async function responder(aba, passos, digitar = digitarNoTeclado) {
    for (const passo of passos) {
        await esperarOPrograma(aba);
        await digitar(aba, passo);
    }
}

// Firefox hands a ClipboardEvent made by a script no data: there the text goes to
// the terminal's own handling of a paste, which the event would have reached.
async function colar(aba, texto, t) {
    if (aba.colaPorEvento) {
        await aba.avaliar((colado) => {
            const dados = new DataTransfer();
            dados.setData("text/plain", colado);
            const evento = new ClipboardEvent("paste", { clipboardData: dados, bubbles: true, cancelable: true });
            document.querySelector(".xterm-helper-textarea").dispatchEvent(evento);
        }, texto);
    } else {
        t.diagnostic(`${motor.nome} hands a script's ClipboardEvent no data: pasted through the terminal instead`);
        await aba.avaliar((colado) => adivinhe.terminal.paste(colado), texto);
    }
}

// Every line the terminal holds, the scrollback included, once it has drawn all it was given.
function linhasDoTerminal(aba) {
    return aba.avaliar(async () => {
        await new Promise((desenhado) => adivinhe.terminal.write("", desenhado));
        const buffer = adivinhe.terminal.buffer.active;
        return Array.from({ length: buffer.length }, (_, i) => buffer.getLine(i).translateToString(true));
    });
}

// What a data: address holds is in the page already: it is no request.
async function conferirSemRedeNemErros(aba, endereco) {
    const daPagina = await ocorrenciasNaPagina(aba);
    assert.deepEqual([...aba.erros, ...daPagina.erros], []);
    const foraDaPagina = (pedido) => pedido !== endereco && !pedido.startsWith("data:");
    assert.deepEqual([...aba.pedidos, ...daPagina.recursos].filter(foraDaPagina), []);
}

async function jogar(sessao, t, { endereco = doDisco, tela } = {}) {
    const { aba } = await abrirPagina(navegador, endereco, { tela });
    if (sessao.colar) {
        await colar(aba, sessao.colar, t);
        await esperarOPrograma(aba);
        // The menu, then all that answers the pasted lines.
        assert.equal(await aba.avaliar(() => adivinhe.escritas()), 2);
    }
    const digitar = tela?.toque ? (a, passo) => digitarNoTelefone(a, passo, sessao.noTelefone) : digitarNoTeclado;
    await responder(aba, sessao.passos, digitar);
    await aba.esperar(() => adivinhe.status() !== null);
    const esperado = executarNativo(sessao.entrada);
    assert.equal(await aba.avaliar(() => adivinhe.saida()), esperado.saida);
    assert.equal(await aba.avaliar(() => adivinhe.status()), esperado.status);
    await conferirSemRedeNemErros(aba, endereco);
    await aba.fechar();
}

for (const sessao of SESSOES) {
    test(sessao.nome, (t) => jogar(sessao, t));
}

// The page's icon is its own, so that no browser asks the site for one; and it is
// one the page's policy lets it show.
test("servida por http, so a pagina e pedida, e o icone e o dela", async (t) => {
    const servidor = await servirPagina(arquivo);
    try {
        await jogar(SESSOES[2], t, { endereco: servidor.endereco });
        const { aba } = await abrirPagina(navegador, servidor.endereco);
        await aba.avaliar(() => {
            const icone = new Image();
            icone.src = document.querySelector("link[rel=icon]").href;
            return icone.decode();
        });
        await conferirSemRedeNemErros(aba, servidor.endereco);
        await aba.fechar();
        assert.deepEqual(servidor.pedidos, ["/", "/"]);
    } finally {
        await servidor.fechar();
    }
});

// The master's refused tries scroll the screen, so that, but for the clear, what he
// typed would stay in the scrollback.
test("a tela do menu chega numa so escrita, e o numero do mestre sai da rolagem", async () => {
    const { aba } = await abrirPagina(navegador, doDisco);
    assert.equal(await aba.avaliar(() => adivinhe.escritas()), 1);
    await responder(aba, ["1\n", "3\n", "Mia\n", "Leo\n", "1\n", ...Array(40).fill("370\n"), "37\n"]);
    await esperarOPrograma(aba);
    const linhas = await linhasDoTerminal(aba);
    assert.ok(linhas.some((linha) => linha.startsWith("Palpite:")), linhas.join("\n"));
    assert.ok(!linhas.some((linha) => linha.includes("37")), linhas.join("\n"));
    assert.equal(linhas.length, await aba.avaliar(() => adivinhe.terminal.rows));
    await conferirSemRedeNemErros(aba, doDisco);
    await aba.fechar();
});

// Plays Solo at level 1 halving the range after each hint read on the screen; then
// a new run, on ENTER, starts with an empty ranking, as a new process would.
test("Solo ganho por busca binaria, e uma nova execucao com o ranking vazio", async () => {
    const { aba } = await abrirPagina(navegador, doDisco);
    await responder(aba, ["1\n", "1\n", "Ana\n", "1\n"]);
    let [menor, maior] = [1, 50];
    for (let palpites = 1; ; ++palpites) {
        assert.ok(palpites <= 6, "a binary search over 1..50 needs at most 6 guesses");
        const palpite = Math.floor((menor + maior) / 2);
        await responder(aba, [`${palpite}\n`]);
        await esperarOPrograma(aba);
        const tela = (await linhasDoTerminal(aba)).join("\n");
        if (tela.includes("Voce acertou!")) {
            break;
        }
        if (tela.includes("O numero e MAIOR.")) {
            menor = palpite + 1;
        } else {
            assert.ok(tela.includes("O numero e MENOR."), tela);
            maior = palpite - 1;
        }
        await digitarNoTeclado(aba, "\n");
    }
    await responder(aba, ["\n", "2\n", "\n", "4\n"]);
    await aba.esperar(() => adivinhe.status() === 0);
    assert.match(await aba.avaliar(() => adivinhe.saida()), /1 - Ana \| Vencedor \| \d+ pontos\n/);
    await digitarNoTeclado(aba, "\n");
    await aba.esperar(() => adivinhe.saida().endsWith("Opcao: ") && adivinhe.status() === null);
    await digitarNoTeclado(aba, "2\n");
    await aba.esperar(() => adivinhe.saida().endsWith("ENTER para voltar..."));
    assert.match(await aba.avaliar(() => adivinhe.saida()), /Nenhum jogador ainda\./);
    await conferirSemRedeNemErros(aba, doDisco);
    await aba.fechar();
});

// Each key's label and its place on the screen, in the keypad's order.
function medirAPagina() {
    const caixa = (e) => {
        const { left, top, right, bottom, width, height } = e.getBoundingClientRect();
        return { left, top, right, bottom, width, height };
    };
    const terminal = adivinhe.terminal;
    return {
        larguraDaJanela: innerWidth,
        alturaDaJanela: innerHeight,
        larguraDoDocumento: document.documentElement.scrollWidth,
        letra: parseFloat(getComputedStyle(document.querySelector(".xterm-rows")).fontSize),
        colunas: terminal.cols,
        linhas: terminal.rows,
        terminal: caixa(document.querySelector(".xterm-screen")),
        teclas: Array.from(document.querySelectorAll("#teclado button"),
            (b) => ({ rotulo: b.getAttribute("aria-label") ?? b.textContent, ...caixa(b) })),
    };
}

// The keys in rows, top to bottom, each row left to right.
function fileirasDoTeclado(teclas) {
    const fileiras = new Map();
    for (const tecla of teclas) {
        fileiras.set(tecla.top, [...(fileiras.get(tecla.top) ?? []), tecla]);
    }
    return [...fileiras.entries()].sort(([a], [b]) => a - b)
        .map(([, fileira]) => fileira.sort((a, b) => a.left - b.left).map((t) => t.rotulo));
}

const DISCADOR = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "Apagar", "0", "ENTER"];
const porFileiras = (porFileira) => Array.from({ length: DISCADOR.length / porFileira },
    (_, i) => DISCADOR.slice(i * porFileira, (i + 1) * porFileira));

// A phone's screen is used at its own width, with readable text and every row of
// the terminal in view above the keypad; a desktop's has no keypad.
function testarLayout() {
    const TELAS = [
        { nome: "de pe, 360x640", largura: 360, altura: 640, toque: true, colunas: 40, fileiras: porFileiras(3) },
        { nome: "deitado, 640x360", largura: 640, altura: 360, toque: true, colunas: 40, fileiras: porFileiras(12) },
        { nome: "deitado, 851x393", largura: 851, altura: 393, toque: true, colunas: 40, fileiras: porFileiras(12) },
        { nome: "computador, 1280x800", largura: 1280, altura: 800, toque: false, colunas: 80, fileiras: [] },
    ];
    test("o layout de cada tela", async (t) => {
        for (const tela of TELAS) {
            const { aba } = await abrirPagina(navegador, doDisco, { tela });
            const medida = await aba.avaliar(medirAPagina);
            t.diagnostic(`${tela.nome}: ${medida.colunas}x${medida.linhas} at ${medida.letra} px`);
            const lugar = `${tela.nome}: ${JSON.stringify(medida)}`;
            assert.equal(medida.larguraDaJanela, tela.largura, lugar);
            assert.ok(medida.larguraDoDocumento <= tela.largura, lugar);
            assert.ok(medida.colunas >= tela.colunas && medida.linhas >= (tela.toque ? 16 : 24), lugar);
            assert.equal(medida.letra >= 14 && (tela.toque || medida.letra === 15), true, lugar);
            assert.ok(medida.terminal.bottom <= medida.alturaDaJanela, lugar);
            const mostradas = medida.teclas.filter((tecla) => tecla.width > 0);
            assert.deepEqual(fileirasDoTeclado(mostradas), tela.fileiras, lugar);
            for (const tecla of mostradas) {
                assert.ok(tecla.width >= 44 && tecla.height >= 44, lugar);
                assert.ok(tecla.top >= medida.terminal.bottom && tecla.bottom <= medida.alturaDaJanela, lugar);
            }
            await aba.fechar();
        }
    });
}

// The rules fill 16 rows, the pause's line the last of them; with half the height
// left, the terminal keeps that line, and what is typed on it, in view.
function testarTecladoDoAparelhoAberto(telefone) {
    test("com o teclado do aparelho aberto, a linha digitada fica a vista", async () => {
        const { aba } = await abrirPagina(navegador, doDisco, { tela: telefone });
        await responder(aba, ["3\n", "x"], digitarNoTelefone);
        await aba.esperar(() => {
            const buffer = adivinhe.terminal.buffer.active;
            return buffer.getLine(buffer.baseY + buffer.cursorY).translateToString(true).endsWith("x");
        });
        await aba.redimensionar({ ...telefone, altura: telefone.altura / 2 });
        await aba.esperar(() => adivinhe.terminal.rows < 16);
        const linha = await aba.avaliar(() => {
            const buffer = adivinhe.terminal.buffer.active;
            const naTela = buffer.baseY + buffer.cursorY - buffer.viewportY;
            const { top, bottom } = document.querySelectorAll(".xterm-rows > div")[naTela].getBoundingClientRect();
            return { texto: buffer.getLine(buffer.baseY + buffer.cursorY).translateToString(true), top, bottom,
                topo: visualViewport.offsetTop, fim: visualViewport.offsetTop + visualViewport.height };
        });
        assert.equal(linha.texto, "ENTER para voltar...x");
        assert.ok(linha.top >= linha.topo && linha.bottom <= linha.fim, JSON.stringify(linha));
        await aba.fechar();
    });
}

if (nomeDoMotor === "chromium") {
    describe("num telefone", () => {
        const TELEFONE = { largura: 360, altura: 640, toque: true };
        for (const sessao of SESSOES.filter((s) => s.noTelefone)) {
            test(`${sessao.nome}, pelo toque`, (t) => jogar(sessao, t, { tela: TELEFONE }));
        }
        testarLayout();
        testarTecladoDoAparelhoAberto(TELEFONE);
    });
}
