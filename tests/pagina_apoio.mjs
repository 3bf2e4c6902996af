// What the page's tests share: the engine and the page under test, taken from
// the command line, a browser of that engine for the file's tests, and a player:
// one who types each step once the program waits, on a keyboard or on a phone,
// while a model of a terminal follows what the screen must show; and the Linux
// build, run on the same keys, whose bytes the page's program must write.
// Every test file takes: PAGE.html NATIVE_GAME chromium|firefox|webkit
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { after, before } from "node:test";
import { pathToFileURL } from "node:url";
import { ROLAGEM } from "../web/tela.mjs";
import { MOTORES, abrirPagina, colar, ocorrenciasNaPagina, oQueFalta } from "./navegador.mjs";

export const [arquivo, nativo, nomeDoMotor] = process.argv.slice(2);
const motor = MOTORES[nomeDoMotor];
const falta = oQueFalta(motor);
if (falta) {
    console.log(`${motor.nome} cannot run here: ${falta}`);
    process.exit(process.env.CI === "true" ? 1 : 77);
}
// The page keeps what its program writes, for adivinhe.saida(), only at #teste.
export const doDisco = `${pathToFileURL(arquivo).href}#teste`;
const axe = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
// The bytes a read of the program takes at most, as the build read them from the console.
const LEITURA = Number(process.env.ADIVINHE_TAMANHO_DA_LEITURA);
assert.ok(LEITURA > 0, "ADIVINHE_TAMANHO_DA_LEITURA must say how much a read of the program takes");
export const LIMPAR = "\x1b[H\x1b[2J\x1b[3J";
export const BACKSPACE = "\x7f";
const CTRL_D = "\x04";
const TECLAS = { [BACKSPACE]: "Backspace", [CTRL_D]: "Control+D", "\n": "Enter" };
export const TELEFONE = { largura: 360, altura: 640, toque: true };
export const pausar = (ms) => new Promise((pronto) => setTimeout(pronto, ms));

// Each step is typed once the program waits for input: "\n" is ENTER. The input
// is what the Linux build reads, from a pipe, for the same keys. On a phone
// (noTelefone) the name given in compor is composed from suggestions.
export const SESSOES = [
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
    // Lines longer than a read takes, pasted as names: the cut falls inside a
    // name after blanks, inside a character, before the line feed alone, or just
    // after a line of a read's length; the program gets every byte once.
    ...[[" ".repeat(LEITURA - 2) + "Rita Lee", "x".repeat(LEITURA - 1)],
        [" ".repeat(LEITURA - 3) + "Jo\u00e3o", "Z" + "y".repeat(LEITURA - 1)]]
        .map(([mestre, jogador]) => ({
            nome: `nomes mais longos que uma leitura: ${mestre.trim()}`,
            colar: `1\n3\n${mestre}\n${jogador}\n`,
            passos: ["2\n", "42\n", "42\n", "\n", "2\n", "\n", "4\n"],
            entrada: `1\n3\n${mestre}\n${jogador}\n2\n42\n42\n\n2\n\n4\n`,
        })),
];

export let navegador;
before(async () => {
    navegador = await motor.abrir();
    if (navegador.aviso) {
        console.log(`${motor.nome}: ${navegador.aviso}`);
    }
});
after(() => navegador?.fechar());

export function executarNativo(entrada) {
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

// What a terminal whose scrollback is the page's keeps of a screen: its last
// lines, and of each line too long to be read, its last characters.
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

export async function digitarNoTeclado(aba, teclas) {
    for (const tecla of teclas) {
        await aba.teclar(TECLAS[tecla] ?? tecla);
    }
}

// On a phone, digits, Backspace and ENTER are tapped on the page's keypad; the
// rest is typed, at a person's pace, on the phone's own keyboard, as Android's
// keyboards send it, with its own ENTER.
const PELO_TECLADO_NUMERICO = /^[0-9\x7f\n]*$/;
const TECLA_NUMERICA = { [BACKSPACE]: "apagar", "\n": "enter" };
export const tocar = (tecla) => (aba) => aba.tocar(`#teclado [data-tecla="${TECLA_NUMERICA[tecla] ?? tecla}"]`);
// The key that opens the phone's keyboard, found by its name, as a screen reader finds it.
export const LETRAS = "ABC: letras, pelo teclado do aparelho";
export const TECLA_LETRAS = `#teclado [aria-label="${LETRAS}"]`;
export const focoNaLinha = (aba) => aba.avaliar(() => document.activeElement === document.getElementById("linha"));

// The phone's keyboard is opened by ABC, for each name, and closed by its ENTER.
export async function digitarNoTelefone(aba, teclas, { compor } = {}) {
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

export function esperarOPrograma(aba) {
    return aba.esperar(() => adivinhe.esperando() || adivinhe.status() !== null);
}

// Types each step once the program waits for it, as a person answers each
// question; while it waits, the screen is what a terminal would show.
export async function responder(aba, passos, digitar = digitarNoTeclado) {
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

export async function colarNaLinha(aba, texto, t) {
    if (aba.colaDoTeclado) {
        return aba.colarDoTeclado(texto);
    }
    if (!aba.colaPorEvento) {
        t.diagnostic(`${motor.nome} hands a script's ClipboardEvent no data: the lines are put in as input instead`);
    }
    await colar(aba, texto);
}

// What a data: address holds is in the page already: it is no request. A
// fragment of the address is the page's own, and never asked for.
export async function conferirSemRedeNemErros(aba, endereco) {
    const daPagina = await ocorrenciasNaPagina(aba);
    assert.deepEqual([...aba.erros, ...daPagina.erros], []);
    const semFragmento = (endereco) => endereco.split("#")[0];
    const foraDaPagina = (pedido) => semFragmento(pedido) !== semFragmento(endereco) && !pedido.startsWith("data:");
    assert.deepEqual([...aba.pedidos, ...daPagina.recursos].filter(foraDaPagina), []);
}

export async function jogar(sessao, t, { endereco = doDisco, tela } = {}) {
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

// Waits until the line is in the console's view; returns what it holds, as valor.
export function esperarALinhaAVista(aba) {
    return aba.esperar(() => {
        const linha = document.getElementById("linha");
        const { top, bottom } = linha.getBoundingClientRect();
        const visivel = document.getElementById("console").getBoundingClientRect();
        return top >= visivel.top && bottom <= visivel.bottom && { valor: linha.value };
    });
}

// The menu, the rules and the ranking, each reached by the keyboard or, on a phone,
// by the keypad: axe-core finds no violation, and the live region holds the screen
// once. A refused answer is announced as the re-prompt alone, not the answer.
export async function conferirAcessibilidade(tela) {
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
