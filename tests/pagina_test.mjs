// The page in a real browser, opened from the disk and served over http, typed
// into as a person would: the program writes, byte for byte, what the Linux build
// writes for the same input, the screen shows it as a terminal would, nothing is
// requested but the page, and no error is met. In Chromium the page is played on
// a phone too, by finger and with the events phones' keyboards send, and laid out.
// Usage: node pagina_test.mjs PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { after, before, describe, test } from "node:test";
import { pathToFileURL } from "node:url";
import { MOTORES, abrirPagina, colar, copiaDaPagina, ocorrenciasNaPagina, pacotesQueFaltam, servirPagina }
    from "./navegador.mjs";

const [arquivo, nativo, nomeDoMotor] = process.argv.slice(2);
const motor = MOTORES[nomeDoMotor];
const faltam = pacotesQueFaltam(motor);
if (faltam.length > 0) {
    console.log(`${motor.nome} cannot run here: apt-get install ${faltam.join(" ")}`);
    process.exit(process.env.CI === "true" ? 1 : 77);
}
const doDisco = pathToFileURL(arquivo).href;
const axe = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const LIMPAR = "\x1b[H\x1b[2J\x1b[3J";
const BACKSPACE = "\x7f";
const CTRL_D = "\x04";
const TECLAS = { [BACKSPACE]: "Backspace", [CTRL_D]: "Control+D", "\n": "Enter" };
const TELEFONE = { largura: 360, altura: 640, toque: true };
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
    },
    {
        nome: "um nome em UTF-8 volta inteiro na tela",
        passos: ["1\n", "1\n", "João Ñandú\n", "1\n", "0\n", CTRL_D],
        entrada: "1\n1\nJoão Ñandú\n1\n0\n",
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
    // Lines longer than a read takes (8,192 bytes), pasted as names: the cut falls
    // inside a name after blanks, inside a character, before the line feed alone,
    // or just after a line of 8,192 bytes; the program gets every byte once.
    ...[[" ".repeat(8190) + "Rita Lee", "x".repeat(8191)], [" ".repeat(8189) + "Jo\u00e3o", "Z" + "y".repeat(8191)]]
        .map(([mestre, jogador]) => ({
            nome: `nomes mais longos que uma leitura: ${mestre.trim()}`,
            colar: `1\n3\n${mestre}\n${jogador}\n`,
            passos: ["2\n", "42\n", "42\n", "\n", "2\n", "\n", "4\n"],
            entrada: `1\n3\n${mestre}\n${jogador}\n2\n42\n42\n\n2\n\n4\n`,
        })),
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

// What a step leaves on the screen: each line as it was edited, with its line
// feed, or without one where Ctrl-D handed it over.
function eco(passo) {
    let eco = "";
    let linha = [];
    for (const c of passo) {
        if (c === BACKSPACE) {
            linha.pop();
        } else if (c === "\n" || c === CTRL_D) {
            eco += linha.join("") + (c === "\n" ? "\n" : "");
            linha = [];
        } else {
            linha.push(c);
        }
    }
    return eco;
}

// What a terminal whose scrollback is 2,000 lines keeps of a screen: its last
// lines, and of each line too long to be read, its last 10,000 characters.
const ROLAGEM = { linhas: 2000, caracteres: 10_000 };
const fimDaRolagem = (texto) => texto.split("\n").slice(-ROLAGEM.linhas)
    .map((linha) => linha.slice(-ROLAGEM.caracteres)).join("\n");

// Follows a tab's run as a terminal would show it: what the program wrote, each
// line typed echoed where it was typed, and the screen from the last clear on,
// against the text the page draws.
function acompanharATela(aba) {
    let vista = "";
    let lidos = 0;
    return {
        ecoar: (texto) => {
            vista += texto;
        },
        conferir: async () => {
            const { saida, tela } = await aba.avaliar(() => ({ saida: adivinhe.saida(),
                tela: document.getElementById("tela").textContent }));
            vista += Buffer.from(saida.slice(lidos), "latin1").toString("utf8");
            lidos = saida.length;
            assert.equal(tela, fimDaRolagem(vista.split(LIMPAR).at(-1)));
        },
    };
}

async function digitarNoTeclado(aba, teclas) {
    for (const tecla of teclas) {
        await aba.teclar(TECLAS[tecla] ?? tecla);
    }
}

// On a phone, digits, Backspace and ENTER are tapped on the page's keypad; the
// rest is typed, at a person's pace, on the phone's own keyboard, as Android's
// keyboards send it, with its own ENTER.
const PELO_TECLADO_NUMERICO = /^[0-9\x7f\n]*$/;
const TECLA_NUMERICA = { [BACKSPACE]: "apagar", "\n": "enter" };
const tocar = (tecla) => (aba) => aba.tocar(`#teclado [data-tecla="${TECLA_NUMERICA[tecla] ?? tecla}"]`);
// The key that opens the phone's keyboard, found by its name, as a screen reader finds it.
const LETRAS = "ABC: letras, pelo teclado do aparelho";
const TECLA_LETRAS = `#teclado [aria-label="${LETRAS}"]`;
const focoNaLinha = (aba) => aba.avaliar(() => document.activeElement === document.getElementById("linha"));

// The phone's keyboard is opened by ABC, for each name, and closed by its ENTER.
async function digitarNoTelefone(aba, teclas, { compor } = {}) {
    if (PELO_TECLADO_NUMERICO.test(teclas)) {
        for (const tecla of teclas) {
            await tocar(tecla)(aba);
        }
        return;
    }
    await aba.tocar(TECLA_LETRAS);
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
        assert.equal(await focoNaLinha(aba), false, "the line keeps the focus after ENTER on a phone");
    }
}

function esperarOPrograma(aba) {
    return aba.esperar(() => adivinhe.esperando() || adivinhe.status() !== null);
}

// Types each step once the program waits for it, as a person answers each
// question; while it waits, the screen is what a terminal would show.
async function responder(aba, passos, digitar = digitarNoTeclado) {
    aba.vista ??= acompanharATela(aba);
    for (const passo of passos) {
        await esperarOPrograma(aba);
        if (await aba.avaliar(() => adivinhe.status() === null)) {
            await aba.vista.conferir();
        }
        await digitar(aba, passo);
        aba.vista.ecoar(eco(passo));
    }
}

async function colarNaLinha(aba, texto, t) {
    if (aba.colaDoTeclado) {
        return aba.colarDoTeclado(texto);
    }
    if (!aba.colaPorEvento) {
        t.diagnostic(`${motor.nome} hands a script's ClipboardEvent no data: the lines are put in as input instead`);
    }
    await colar(aba, texto);
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
        await responder(aba, [""]);
        await colarNaLinha(aba, sessao.colar, t);
        aba.vista.ecoar(sessao.colar);
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

// Neither the master's refused try nor his number stays in the page once the
// screen is cleared: not in its text, not in the input, nor in its undo.
test("a tela do menu chega numa so escrita, e o numero do mestre some da pagina", async () => {
    const { aba } = await abrirPagina(navegador, doDisco);
    assert.equal(await aba.avaliar(() => adivinhe.escritas()), 1);
    await responder(aba, ["1\n", "3\n", "Mia\n", "Leo\n", "3\n", "1999\n", "173\n"]);
    await esperarOPrograma(aba);
    await aba.teclar("Control+Z");
    const pagina = await aba.avaliar(() => [document.querySelector("main").textContent,
        ...Array.from(document.querySelectorAll("input"), (entrada) => entrada.value)].join("\n"));
    assert.match(pagina, /Palpite: /);
    assert.doesNotMatch(pagina, /173|1999/);
    await conferirSemRedeNemErros(aba, doDisco);
    // Ctrl with a key other than D leaves the input open.
    assert.equal(await aba.avaliar(() => adivinhe.status()), null);
    await aba.fechar();
});

// Plays Solo at level 1 halving the range after each hint read on the screen; then
// a new run, from the button "Jogar de novo", starts with an empty ranking, as a
// new process would, and the keyboard types into its line; ENTER starts the next.
test("Solo ganho por busca binaria, e uma nova execucao com o ranking vazio", async (t) => {
    const { aba } = await abrirPagina(navegador, doDisco);
    await responder(aba, ["1\n", "1\n", "Ana\n", "1\n"]);
    // With a keyboard, the line keeps the focus from one answer to the next.
    assert.equal(await focoNaLinha(aba), true);
    let [menor, maior] = [1, 50];
    for (let palpites = 1; ; ++palpites) {
        assert.ok(palpites <= 6, "a binary search over 1..50 needs at most 6 guesses");
        const palpite = Math.floor((menor + maior) / 2);
        await responder(aba, [`${palpite}\n`]);
        await esperarOPrograma(aba);
        const tela = await aba.avaliar(() => adivinhe.tela());
        if (tela.includes("Voce acertou!")) {
            break;
        }
        if (tela.includes("O numero e MAIOR.")) {
            menor = palpite + 1;
        } else {
            assert.ok(tela.includes("O numero e MENOR."), tela);
            maior = palpite - 1;
        }
        await responder(aba, ["\n"]);
    }
    await responder(aba, ["\n", "2\n", "\n", "4\n"]);
    await aba.esperar(() => adivinhe.status() === 0);
    assert.match(await aba.avaliar(() => adivinhe.saida()), /1 - Ana \| Vencedor \| \d+ pontos\n/);
    assert.match(await aba.avaliar(() => adivinhe.tela()), /Opcao: 4\n\n\[Fim do jogo\.\]\n/);
    assert.match(await aba.avaliar(() => document.getElementById("anuncio").textContent),
        /Fim do jogo\. Tecle ENTER para jogar de novo\.$/);
    const jogarDeNovoAVista = () => aba.avaliar(() => document.getElementById("de-novo").checkVisibility());
    assert.equal(await jogarDeNovoAVista(), true);
    await aba.clicar("#de-novo");
    await aba.esperar(() => adivinhe.saida().endsWith("Opcao: ") && adivinhe.status() === null);
    assert.equal(await jogarDeNovoAVista(), false);
    await digitarNoTeclado(aba, "2\n");
    await aba.esperar(() => adivinhe.saida().endsWith("ENTER para voltar..."));
    assert.match(await aba.avaliar(() => adivinhe.tela()), /^=+ RANKING =+\n\nNenhum jogador ainda\./);
    await digitarNoTeclado(aba, "\n4\n");
    await aba.esperar(() => adivinhe.status() === 0);
    // The ENTER of any line typed after a run starts the next, which reads the
    // lines after it; a Ctrl-D typed with it, before the new run reads, is its end of input.
    await colarNaLinha(aba, "\n4\n", t);
    await aba.esperar(() => adivinhe.status() === 0);
    assert.equal(await aba.avaliar(() => adivinhe.saida()), executarNativo("4\n").saida);
    await aba.avaliar(() => {
        const linha = document.getElementById("linha");
        linha.value = "9";
        for (const tecla of [{ key: "Enter" }, { key: "d", ctrlKey: true }]) {
            linha.dispatchEvent(new KeyboardEvent("keydown", tecla));
        }
    });
    await esperarOPrograma(aba);
    const semEntrada = executarNativo("");
    assert.deepEqual(await aba.avaliar(() => [adivinhe.saida(), adivinhe.status()]),
        [semEntrada.saida, semEntrada.status]);
    await conferirSemRedeNemErros(aba, doDisco);
    await aba.fechar();
});

// The page comes with the program's first screen drawn in it, shown before its
// script has run: the screen the program draws, byte for byte as the Linux build
// writes it, and laid out as the program's own.
test("a primeira tela, desenhada antes de o programa rodar, e a do programa", async () => {
    const estatica = copiaDaPagina(arquivo, { semScript: true });
    const desenhada = () => ({ texto: document.getElementById("tela").textContent,
        vista: document.getElementById("tela").innerText });
    try {
        const aba = await navegador.abrirAba();
        await aba.ir(estatica.endereco);
        const antes = await aba.avaliar(desenhada);
        await aba.fechar();
        const primeiraTela = executarNativo("4\n").saida.split(LIMPAR).at(-1);
        assert.equal(antes.texto, Buffer.from(primeiraTela, "latin1").toString("utf8"));
        const { aba: jogo } = await abrirPagina(navegador, doDisco);
        await esperarOPrograma(jogo);
        assert.deepEqual(await jogo.avaliar(desenhada), antes);
        await jogo.fechar();
    } finally {
        estatica.apagar();
    }
});

// A screen reader hears the first screen once, when the program waits: neither as
// the page is drawn before the program runs, where it is hidden from screen
// readers, nor again when the program draws it over. Every paragraph the live
// region is given is noted from the page's first byte on.
const NOTAR_ANUNCIOS = `globalThis.anunciados = [];
new MutationObserver((mudancas) => {
    for (const mudanca of mudancas.filter((m) => m.target.id === "anuncio")) {
        anunciados.push(...Array.from(mudanca.addedNodes, (no) => no.textContent));
    }
}).observe(document, { subtree: true, childList: true });`;

test("a primeira tela e anunciada uma vez, quando o programa espera", async () => {
    const anotada = copiaDaPagina(arquivo, { antes: NOTAR_ANUNCIOS });
    const estatica = copiaDaPagina(arquivo, { semScript: true });
    try {
        const { aba } = await abrirPagina(navegador, anotada.endereco);
        await esperarOPrograma(aba);
        const { anunciados, tela, escondidos } = await aba.avaliar(() => ({ anunciados, tela: adivinhe.tela(),
            escondidos: Array.from(document.querySelectorAll("#tela [aria-hidden]"), (e) => e.id) }));
        assert.deepEqual(anunciados, [tela]);
        // The program's first clear has shown the screen to screen readers.
        assert.deepEqual(escondidos, []);
        await aba.fechar();
        if (nomeDoMotor === "chromium") {
            const antes = await navegador.abrirAba();
            await antes.ir(estatica.endereco);
            const { nodes } = await antes.cdp("Accessibility.getFullAXTree");
            const nomes = nodes.map((no) => no.name?.value ?? "").join("\n");
            assert.match(nomes, /Resposta/);
            assert.doesNotMatch(nomes, /Opcao|Jogar/);
            await antes.fechar();
        }
    } finally {
        anotada.apagar();
        estatica.apagar();
    }
});

// A browser that refuses WebAssembly, as one does whose policy knows no
// 'wasm-unsafe-eval': every WebAssembly.instantiate rejects. The page says, in
// view and to screen readers, that this browser cannot run the game, offers no
// line to type in, and the refusal reaches the console.
const RECUSAR_WEBASSEMBLY = `globalThis.recusas = [];
addEventListener("unhandledrejection", (e) => recusas.push(String(e.reason)));
WebAssembly.instantiate = () => Promise.reject(new WebAssembly.CompileError("recusado pelo teste"));`;

test("num navegador que recusa WebAssembly, a pagina diz que nao roda o jogo", async () => {
    const recusante = copiaDaPagina(arquivo, { antes: RECUSAR_WEBASSEMBLY });
    try {
        const aba = await navegador.abrirAba();
        await aba.ir(recusante.endereco);
        await aba.esperar(() => document.getElementById("nao-roda").checkVisibility());
        const pagina = await aba.avaliar(() => ({ recusas, aviso: document.getElementById("nao-roda").textContent,
            anunciado: document.getElementById("anuncio").textContent,
            aVista: ["tela", "linha", "teclado"].filter((id) => document.getElementById(id).checkVisibility()) }));
        assert.match(pagina.aviso, /^Este navegador não consegue rodar o jogo\./);
        assert.equal(pagina.anunciado, pagina.aviso);
        assert.deepEqual(pagina.aVista, []);
        assert.ok(pagina.recusas.some((recusa) => recusa.includes("recusado pelo teste")), pagina.recusas.join("\n"));
        await aba.fechar();
    } finally {
        recusante.apagar();
    }
});

// With JavaScript off, the page says in view that the game needs it, and shows
// neither the screen nor a line to type in.
if (nomeDoMotor === "chromium") {
    test("sem JavaScript, a pagina diz que o jogo precisa dele", async () => {
        const aba = await navegador.abrirAba({ semJavaScript: true });
        await aba.ir(doDisco);
        const vista = await aba.avaliar(() => ({ texto: document.querySelector("main").innerText,
            aVista: ["tela", "linha", "teclado"].filter((id) => document.getElementById(id).checkVisibility()) }));
        assert.match(vista.texto, /Este jogo precisa de JavaScript para ser jogado\./);
        assert.deepEqual(vista.aVista, []);
        await aba.fechar();
    });
}

// A program stopped mid-run, as by a trap or a lack of memory: here a failure
// planted by a script of the page's own origin (one of the driver's would have
// its errors muted): a call into the page that throws while the program writes
// (the error comes back through the program) or while the page takes the line
// typed (from the page's own handler), or a promise rejected with no one to
// take it. The page shows and announces it, ends the run as the end of a run
// does, and logs an error that came back through the program (one uncaught is
// the browser's to log); ENTER starts a fresh run.
const PLANTAR_FALHAS = `globalThis.registrados = [];
const registrar = console.error;
console.error = (...partes) => {
    registrados.push(partes.join(" "));
    registrar(...partes);
};
globalThis.plantarFalha = (classe, metodo) => {
    const original = globalThis[classe].prototype[metodo];
    globalThis[classe].prototype[metodo] = () => {
        throw new Error("falha plantada em " + metodo);
    };
    globalThis.tirarFalha = () => {
        globalThis[classe].prototype[metodo] = original;
    };
};
globalThis.rejeitar = () => {
    Promise.reject(new Error("falha plantada numa promessa"));
    globalThis.tirarFalha = () => {};
};`;
const FALHAS = [
    { classe: "TextDecoder", metodo: "decode", digitado: "2\n", logada: true },
    { classe: "TextEncoder", metodo: "encode", digitado: "2\n", logada: false },
    { digitado: "", logada: false },
];

test("um programa que para no meio da execucao", async () => {
    const plantavel = copiaDaPagina(arquivo, { antes: PLANTAR_FALHAS });
    try {
        const { aba } = await abrirPagina(navegador, plantavel.endereco);
        for (const { classe, metodo, digitado, logada } of FALHAS) {
            await aba.avaliar((c, m) => (c ? plantarFalha(c, m) : rejeitar()), classe, metodo);
            await digitarNoTeclado(aba, digitado);
            await aba.esperar(() => document.getElementById("de-novo").checkVisibility());
            const parado = await aba.avaliar(() => {
                tirarFalha();
                return { tela: adivinhe.tela(), anunciado: document.getElementById("anuncio").textContent,
                    registrados, aVista: ["tela", "linha", "nao-roda"].filter((id) => document.getElementById(id)
                        .checkVisibility()) };
            });
            assert.ok(parado.tela.endsWith(
                `Opcao: ${digitado}\n[O jogo parou por um erro.]\n[Tecle ENTER para jogar de novo.]\n`), parado.tela);
            assert.equal(parado.anunciado, "O jogo parou por um erro. Tecle ENTER para jogar de novo.");
            assert.deepEqual(parado.aVista, ["tela", "linha"]);
            assert.equal(parado.registrados.some((erro) => erro.includes(`falha plantada em ${metodo}`)), logada,
                parado.registrados);
            await digitarNoTeclado(aba, "\n");
            await aba.esperar(() => adivinhe.esperando() && adivinhe.saida().endsWith("Opcao: "));
        }
        await aba.fechar();
    } finally {
        plantavel.apagar();
    }
});

// A flood of lines pasted at the menu, as from a key held down or a clipboard:
// each is refused as natively, the screen and its announcement keep only their
// end, which is the prompt to answer, and the line stays in view. A flood that
// fills the program's output, ahead of a clear, leaves nothing in the next
// announcement but what follows the clear.
test("uma enxurrada de linhas coladas no menu", async (t) => {
    const enxurrada = "7\n".repeat(20_000);
    const antesDaLimpeza = `${"7\n".repeat(5000)}3\n`;
    const prompt = "Digite um numero entre 1 e 4: ";
    const { aba } = await abrirPagina(navegador, doDisco);
    const anunciado = () => aba.avaliar(() => document.getElementById("anuncio").textContent);
    await responder(aba, [""]);
    await colarNaLinha(aba, enxurrada, t);
    aba.vista.ecoar(enxurrada);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    await esperarALinhaAVista(aba);
    const anuncio = await anunciado();
    assert.ok(anuncio.endsWith(prompt) && anuncio.length <= 2000 && anuncio.split("\n").length <= 24, anuncio);
    await responder(aba, ["3\n"]);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    assert.match(await aba.avaliar(() => document.getElementById("tela").textContent), /^=+ REGRAS =+\n/);
    await responder(aba, ["\n", ""]);
    await colarNaLinha(aba, antesDaLimpeza, t);
    aba.vista.ecoar(antesDaLimpeza);
    await esperarOPrograma(aba);
    await aba.vista.conferir();
    assert.equal(await anunciado(), await aba.avaliar(() => document.getElementById("tela").textContent));
    await responder(aba, ["\n", "4\n"]);
    await aba.esperar(() => adivinhe.status() !== null);
    assert.equal(await aba.avaliar(() => adivinhe.saida()),
        executarNativo(`${enxurrada}3\n\n${antesDaLimpeza}\n4\n`).saida);
    await aba.fechar();
});

// The menu, the rules and the ranking, each reached by the keyboard or, on a phone,
// by the keypad: axe-core finds no violation, and the live region holds the screen
// once. A refused answer is announced as the re-prompt alone, not the answer.
async function conferirAcessibilidade(tela) {
    const { aba } = await abrirPagina(navegador, doDisco, { tela });
    const digitar = tela?.toque ? digitarNoTelefone : digitarNoTeclado;
    const anunciado = () => aba.avaliar(() => Array.from(document.getElementById("anuncio").children,
        (paragrafo) => paragrafo.textContent));
    await aba.injetar(axe);
    for (const passo of ["", "7\n", "3\n", "\n", "2\n"]) {
        await responder(aba, [passo], digitar);
        await esperarOPrograma(aba);
        const [tela, violacoes] = await aba.avaliar(async () => [adivinhe.tela(), (await axe.run()).violations.map(
            (v) => `${v.id}: ${v.nodes.map((n) => n.target).join(", ")}`)]);
        assert.deepEqual(violacoes, []);
        assert.deepEqual(await anunciado(), [passo === "7\n" ? "Digite um numero entre 1 e 4: " : tela]);
    }
    await aba.fechar();
}

test("acessivel, e cada tela anunciada uma vez", () => conferirAcessibilidade());

// The page's size, the text's and the keys', at a screen of so many CSS px, with
// the rules on the screen: their 17 lines, the longest of the game among them.
function medirAPagina() {
    const caixa = (e) => {
        const { left, top, right, bottom, width, height } = e.getBoundingClientRect();
        return { left, top, right, bottom, width, height };
    };
    const [quadro, tela, anteriores, ultima, linha] = ["console", "tela", "anteriores", "ultima", "linha"]
        .map((id) => document.getElementById(id));
    const estilo = getComputedStyle(tela);
    const letras = document.createRange();
    letras.setStart(anteriores.firstChild, 0);
    letras.setEnd(anteriores.firstChild, 10);
    const alturaDaLinha = parseFloat(estilo.lineHeight);
    return {
        larguraDaJanela: innerWidth,
        alturaDaJanela: innerHeight,
        larguraDoDocumento: document.documentElement.scrollWidth,
        letra: parseFloat(estilo.fontSize),
        letraDaLinha: parseFloat(getComputedStyle(linha).fontSize),
        colunas: Math.floor(tela.clientWidth / (letras.getBoundingClientRect().width / 10)),
        linhasMostradas: Math.round(anteriores.offsetHeight / alturaDaLinha) + Math.round(ultima.offsetHeight /
            alturaDaLinha),
        linhasDoTexto: adivinhe.tela().split("\n").length,
        rola: quadro.scrollHeight > quadro.clientHeight,
        quadro: caixa(quadro),
        tela: caixa(tela),
        teclas: Array.from(document.querySelectorAll("#teclado button"),
            (b) => ({ rotulo: b.getAttribute("aria-label") ?? b.textContent, ...caixa(b) })),
    };
}

// Waits until the line is in the console's view; returns what it holds, as valor.
function esperarALinhaAVista(aba) {
    return aba.esperar(() => {
        const linha = document.getElementById("linha");
        const { top, bottom } = linha.getBoundingClientRect();
        const visivel = document.getElementById("console").getBoundingClientRect();
        return top >= visivel.top && bottom <= visivel.bottom && { valor: linha.value };
    });
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

// A phone's screen is used at its own width, the rules in view above the keypad,
// no line of theirs wrapped; a desktop's has about 80 columns, centred, of larger text.
function testarLayout() {
    const TELAS = [
        { nome: "de pe, 360x640", largura: 360, altura: 640, toque: true, fileiras: [[LETRAS], ...porFileiras(3)] },
        { nome: "deitado, 640x360", largura: 640, altura: 360, toque: true, fileiras: [[LETRAS, ...DISCADOR]] },
        { nome: "deitado, 851x393", largura: 851, altura: 393, toque: true, fileiras: [[LETRAS, ...DISCADOR]] },
        { nome: "computador, 1280x800", largura: 1280, altura: 800, toque: false, fileiras: [] },
        { nome: "computador, 1920x1080", largura: 1920, altura: 1080, toque: false, fileiras: [] },
    ];
    test("o layout de cada tela", async (t) => {
        for (const tela of TELAS) {
            const { aba } = await abrirPagina(navegador, doDisco, { tela });
            await responder(aba, ["3\n"], tela.toque ? digitarNoTelefone : digitarNoTeclado);
            await esperarOPrograma(aba);
            const medida = await aba.avaliar(medirAPagina);
            t.diagnostic(`${tela.nome}: ${medida.colunas} columns at ${medida.letra} px`);
            const lugar = `${tela.nome}: ${JSON.stringify(medida)}`;
            assert.equal(medida.larguraDaJanela, tela.largura, lugar);
            assert.ok(medida.larguraDoDocumento <= tela.largura, lugar);
            assert.deepEqual([medida.linhasMostradas, medida.rola], [17, false], lugar);
            assert.equal(medida.linhasDoTexto, 17, lugar);
            if (tela.toque) {
                assert.ok(medida.letra >= 14 && medida.letraDaLinha >= 16, lugar);
            } else {
                assert.ok(medida.letra >= 18 && medida.letra <= 24 && Math.abs(medida.colunas - 80) <= 1, lugar);
                assert.ok(Math.abs(medida.tela.left - (tela.largura - medida.tela.right)) <= 1, lugar);
            }
            const mostradas = medida.teclas.filter((tecla) => tecla.width > 0);
            assert.deepEqual(fileirasDoTeclado(mostradas), tela.fileiras, lugar);
            for (const tecla of mostradas) {
                assert.ok(tecla.width >= 44 && tecla.height >= 48, lugar);
                assert.ok(tecla.top >= medida.quadro.bottom && tecla.bottom <= medida.alturaDaJanela, lugar);
            }
            await aba.fechar();
        }
    });
}

// Phones' keyboards, as Android's and iOS's send their events, each typing a name
// at the Solo game's question; the program must read the line meant.
const cdp = (comando, parametros) => (aba) => aba.cdp(comando, parametros);
const compor = (...estados) => estados.map((texto) => cdp("Input.imeSetComposition",
    { text: texto, selectionStart: texto.length, selectionEnd: texto.length }));
const porTexto = (texto) => cdp("Input.insertText", { text: texto });
const tecla = (tipo, codigo, chave) => cdp("Input.dispatchKeyEvent",
    { type: tipo, windowsVirtualKeyCode: codigo, key: chave, code: chave });
const comTecla229 = (passo) => [tecla("rawKeyDown", 229, "Unidentified"), passo, tecla("keyUp", 229, "Unidentified")];
const ENTER = [tecla("rawKeyDown", 13, "Enter"), cdp("Input.dispatchKeyEvent", { type: "char", text: "\r" }),
    tecla("keyUp", 13, "Enter")];
const APAGAR = [tecla("rawKeyDown", 8, "Backspace"), tecla("keyUp", 8, "Backspace")];

const TECLADOS = [
    { nome: "uma composicao que cresce e e confirmada", eventos: [compor("R", "Ri", "Rit", "Rita"), porTexto("Rita"),
        ENTER], linha: "Rita" },
    { nome: "um espaco logo depois de uma palavra composta", eventos: [compor("Rita"), porTexto("Rita"),
        comTecla229(porTexto(" ")), compor("Lee"), porTexto("Lee"), ENTER], linha: "Rita Lee" },
    { nome: "ENTER como quebra de linha posta pelo teclado", eventos: [compor("Ana"), porTexto("Ana"),
        comTecla229(porTexto("\n"))], linha: "Ana" },
    // No event a protocol can send makes a single-line input take a line break:
    // this one stands for the keyboards whose ENTER is one.
    { nome: "ENTER como insertLineBreak", eventos: [porTexto("Ana"), (aba) => aba.avaliar(() => document
        .getElementById("linha").dispatchEvent(new InputEvent("beforeinput",
            { inputType: "insertLineBreak", bubbles: true, cancelable: true })))], linha: "Ana" },
    { nome: "uma palavra confirmada e corrigida", eventos: [porTexto("Rtia"), cdp("Input.imeSetComposition",
        { text: "Rita", selectionStart: 4, selectionEnd: 4, replacementStart: 0, replacementEnd: 4 }),
    porTexto("Rita"), ENTER], linha: "Rita" },
    { nome: "uma selecao digitada por cima", eventos: [porTexto("Rita Lee"),
        (aba) => aba.avaliar(() => document.getElementById("linha").setSelectionRange(0, 4)), porTexto("Ana"), ENTER],
    linha: "Ana Lee" },
    { nome: "texto posto sem tecla, como um ditado", eventos: [porTexto("Rita Lee"), ENTER], linha: "Rita Lee" },
    { nome: "digitos do teclado numerico durante uma composicao", eventos: [compor("R", "Ri", "Rita"), tocar("4"),
        tocar("2"), porTexto("Rita"), ENTER], linha: "Rita42" },
    { nome: "o ENTER do teclado numerico durante uma composicao", eventos: [compor("Ri", "Rita"), tocar("\n")],
        linha: "Rita" },
    { nome: "Backspace do aparelho depois de digitos do teclado numerico", eventos: [tocar("4"), tocar("2"), APAGAR,
        ENTER], linha: "4" },
];

function testarTecladosDeTelefone() {
    for (const { nome, eventos, linha } of TECLADOS) {
        test(`teclado do aparelho: ${nome}`, async () => {
            const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
            await responder(aba, ["1\n", "1\n", ""], digitarNoTelefone);
            await aba.tocar("#tela");
            for (const evento of eventos.flat(2)) {
                await evento(aba);
                await pausar(50);
            }
            aba.vista.ecoar(`${linha}\n`);
            await responder(aba, ["1\n"], digitarNoTelefone);
            await esperarOPrograma(aba);
            assert.match(await aba.avaliar(() => adivinhe.saida()), new RegExp(`\nJogador: ${linha}\n`));
            await aba.fechar();
        });
    }
}

// When the screen gets lower, as when the phone is turned or its keyboard opens,
// the line being typed stays in view: with the focus on the keypad, which the
// browser does not scroll to, and on the phone's keyboard.
async function conferirTelaQueEncolhe(digitado) {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    await responder(aba, ["3\n", digitado], digitarNoTelefone);
    await aba.redimensionar({ ...TELEFONE, altura: TELEFONE.altura / 2 });
    assert.equal((await esperarALinhaAVista(aba)).valor, digitado);
    await aba.fechar();
}

// The keypad's Apagar with the phone's keyboard closed, as the keypad is mostly
// used: it deletes the selection, or the character before the caret, whole, and
// nothing at the start; a digit then goes in at the caret, and the focus stays off the line.
const APAGAMENTOS = [
    { valor: "42", de: 2, ate: 2, fica: "49" },
    { valor: "4", de: 1, ate: 1, fica: "9" },
    { valor: "42", de: 0, ate: 0, fica: "942" },
    { valor: "a\u{1F600}", de: 3, ate: 3, fica: "a9" },
    { valor: "4213", de: 1, ate: 3, fica: "493" },
];

async function conferirApagarSemFoco() {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    for (const { valor, de, ate, fica } of APAGAMENTOS) {
        await aba.avaliar((texto, inicio, fim) => {
            const linha = document.getElementById("linha");
            linha.blur();
            linha.value = texto;
            linha.setSelectionRange(inicio, fim);
        }, valor, de, ate);
        await tocar(BACKSPACE)(aba);
        await tocar("9")(aba);
        assert.deepEqual(await aba.avaliar(() => [document.getElementById("linha").value,
            document.activeElement === document.getElementById("linha")]), [fica, false], valor);
    }
    await aba.fechar();
}

// A first-time player on a phone reaches the name with the keypad; the key
// that tells of letters opens the phone's keyboard with one tap, and its ENTER
// closes it, so that the keypad is in view at the level's question.
async function conferirNomeNoTelefone() {
    const { aba } = await abrirPagina(navegador, doDisco, { tela: TELEFONE });
    await responder(aba, ["1\n", "1\n", ""], digitarNoTelefone);
    assert.equal(await aba.avaliar((tecla) => document.querySelector(tecla).checkVisibility(), TECLA_LETRAS), true);
    await aba.tocar(TECLA_LETRAS);
    assert.equal(await focoNaLinha(aba), true);
    await responder(aba, ["Rita\n", "1\n"], digitarNoTelefone);
    await esperarOPrograma(aba);
    assert.match(await aba.avaliar(() => adivinhe.saida()), /\nJogador: Rita\n/);
    await aba.fechar();
}

if (nomeDoMotor === "chromium") {
    describe("num telefone", () => {
        for (const sessao of SESSOES.filter((s) => s.noTelefone)) {
            test(`${sessao.nome}, pelo toque`, (t) => jogar(sessao, t, { tela: TELEFONE }));
        }
        test("acessivel pelo toque, e cada tela anunciada uma vez", () => conferirAcessibilidade(TELEFONE));
        test("o nome pelo teclado do aparelho, que a tecla ABC abre e o ENTER fecha", conferirNomeNoTelefone);
        testarLayout();
        for (const digitado of ["4", "x"]) {
            test(`quando a tela encolhe, a linha digitada fica a vista: ${digitado}`,
                () => conferirTelaQueEncolhe(digitado));
        }
        testarTecladosDeTelefone();
        test("o Apagar do teclado numerico com o teclado do aparelho fechado", conferirApagarSemFoco);
    });
}
