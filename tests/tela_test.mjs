// The page's screen, fed bytes as the program writes them, in pieces cut anywhere:
// what it shows and what it announces. The program itself writes no other control
// sequence, and never cuts one, so the browser test cannot show these.
// Usage: node tela_test.mjs
import assert from "node:assert/strict";
import { test } from "node:test";
import { Tela } from "../web/tela.mjs";

globalThis.document = { createElement: () => ({ textContent: "" }) };
const LIMPAR = "\x1b[H\x1b[2J\x1b[3J";
const bytes = (texto) => new TextEncoder().encode(texto);

function novaTela() {
    const anuncio = { paragrafos: [], replaceChildren: (...p) => (anuncio.paragrafos = p) };
    const tela = new Tela({}, {}, anuncio);
    return { tela, anunciado: () => anuncio.paragrafos.map((p) => p.textContent) };
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
