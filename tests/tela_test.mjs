// The page's screen, fed bytes as the program writes them, in pieces cut anywhere:
// what it shows and what it announces. The program itself writes no other control
// sequence, and never cuts one, so the browser test cannot show these.
// Usage: node tela_test.mjs
import assert from "node:assert/strict";
import { test } from "node:test";
import { ElementoDeTexto as Elemento } from "../web/montagem/elemento_de_texto.mjs";
import { Tela } from "../web/tela.mjs";

const LIMPAR = "\x1b[H\x1b[2J\x1b[3J";
const bytes = (texto) => new TextEncoder().encode(texto);

// A screen, perhaps on a page that comes with lines already drawn in it.
function novaTela([anteriores, ultima] = ["", ""]) {
    const anuncio = new Elemento();
    const [elementoAnteriores, elementoUltima] = [new Elemento(), new Elemento()];
    elementoAnteriores.textContent = anteriores;
    elementoUltima.textContent = ultima;
    const tela = new Tela(elementoAnteriores, elementoUltima, anuncio);
    return { tela, anunciado: () => anuncio.filhos.map((p) => p.textContent) };
}

const cortes = (texto) => Array.from({ length: texto.length + 1 }, (_, i) => [texto.slice(0, i), texto.slice(i)]);

const CASOS = [
    ...cortes(`velho${LIMPAR}novo`).map((pedacos) => ({ nome: "a limpeza", pedacos, tela: "novo" })),
    { nome: "so o ESC [ 3 J", pedacos: ["velho\x1b[3Jnovo"], tela: "novo" },
    { nome: "outras sequencias", pedacos: ["a\x1b[1mb\x1b[0;32mc\x1b7d\x1b[", "Ke"], tela: "abcde" },
    { nome: "caracteres de controle", pedacos: ["a\tb\rc\x07d\x7fe\u0085f\n"], tela: "abcdef\n" },
    { nome: "um caractere cortado ao meio", pedacos: [bytes("Jo\u00e3o").slice(0, 3), bytes("Jo\u00e3o").slice(3)],
        tela: "João" },
];

test("a tela mostra o texto desde a ultima limpeza, sem sequencias nem controles", () => {
    for (const { nome, pedacos, tela: esperada } of CASOS) {
        const { tela } = novaTela();
        for (const pedaco of pedacos) {
            tela.escrever(typeof pedaco === "string" ? bytes(pedaco) : pedaco);
        }
        assert.equal(tela.texto(), esperada, `${nome}: ${JSON.stringify(pedacos)}`);
    }
});

test("cada tela e anunciada uma vez, sem o eco, e a limpeza cala o anuncio velho", () => {
    const { tela, anunciado } = novaTela();
    tela.escrever(bytes(`${LIMPAR}Opcao: `));
    tela.anunciar();
    tela.ecoar("7\n");
    tela.escrever(bytes("Digite: "));
    tela.anunciar();
    assert.deepEqual(anunciado(), ["Digite: "]);
    tela.anunciar();
    assert.deepEqual(anunciado(), ["Digite: "]);
    tela.ecoar("37\n");
    tela.escrever(bytes(LIMPAR));
    assert.deepEqual(anunciado(), []);
    assert.equal(tela.texto(), "");
});

// As a terminal's scrollback: the last 2,000 lines, a line too long kept by its
// end, and no half of a character left at a cut. A screen reader is handed the
// last screen: 24 lines, 2,000 characters at most.
const PROMPT = "Digite um numero entre 1 e 4: ";
const numeradas = (n) => Array.from({ length: n }, (_, i) => `${i}\n`).join("");
const LIMITES = [
    { nome: "linhas demais", escritas: [numeradas(1500), numeradas(2500), PROMPT],
        tela: `${(numeradas(1500) + numeradas(2500)).split("\n").slice(-2000).join("\n")}${PROMPT}`,
        anuncio: `${numeradas(2500).split("\n").slice(-24).join("\n")}${PROMPT}` },
    { nome: "uma linha longa demais", escritas: [PROMPT.repeat(20000), "\n", PROMPT.repeat(300)],
        tela: `${PROMPT.repeat(20000).slice(-10000)}\n${PROMPT.repeat(300).slice(-10000)}`,
        anuncio: PROMPT.repeat(300).slice(-2000) },
    { nome: "linhas demais depois das que a pagina trouxe", desenhada: ["a\nb\n", "Opcao: "],
        escritas: [numeradas(1998)], tela: `b\nOpcao: ${numeradas(1998)}`,
        anuncio: numeradas(1998).split("\n").slice(-24).join("\n") },
    { nome: "um caractere partido no corte", escritas: [`${"\u{1F600}".repeat(6000)}a\n`],
        tela: `${"\u{1F600}".repeat(4999)}a\n`, anuncio: `${"\u{1F600}".repeat(999)}a\n` },
];

test("a tela e o anuncio guardam so o fim, como um terminal", () => {
    for (const { nome, desenhada, escritas, tela: esperada, anuncio } of LIMITES) {
        const { tela, anunciado } = novaTela(desenhada);
        for (const escrita of escritas) {
            tela.escrever(bytes(escrita));
        }
        tela.anunciar();
        assert.equal(tela.texto(), esperada, nome);
        assert.deepEqual(anunciado(), [anuncio], nome);
    }
});
