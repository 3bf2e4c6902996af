// The page's build guards what it inlines and the program it draws the first
// screen of: text that would end or change a script or a style in HTML is
// escaped where that keeps its meaning, and fails the build where it does not;
// so do a template's unknown placeholder and a program that never reads.
// Usage: node montagem_test.mjs
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { embutir, preencher } from "../web/montagem/embutir.mjs";
import { desenharAPrimeiraTela } from "../web/montagem/primeira_tela.mjs";
import { ligarAoTerminal } from "../web/ponte.mjs";

const avaliar = async (script) => (await import(`data:text/javascript,${encodeURIComponent(script)}`)).valor;
const PERIGOSO = /<\/?script|<!--|<\/style|[\r\0]/i;

// Scripts whose value must come out the same from the page; null where the build must fail.
const SCRIPTS = [
    { nome: "<!--<script num texto", script: 'export const valor = "<!--<script>" + "</SCRIPT>";' },
    { nome: "CR LF e CR num modelo", script: "export const valor = `a\r\nb\rc`;" },
    { nome: "NUL num texto", script: 'export const valor = "a\0b";' },
    { nome: "<!--<script numa expressao regular", script: "export const valor = /<!--<script/.source;", falha: true },
    { nome: "<!-- num modelo cru", script: "export const valor = String.raw`<!--<script>`;", falha: true },
];

test("um script se embute com o mesmo sentido, ou a montagem falha", async () => {
    for (const { nome, script, falha } of SCRIPTS) {
        if (falha) {
            assert.throws(() => embutir(script, "script"), /the script cannot be inlined: it holds ".*<!--<script.*"/,
                nome);
            continue;
        }
        const embutido = embutir(script, "script");
        assert.doesNotMatch(embutido, PERIGOSO, nome);
        assert.equal(await avaliar(embutido), await avaliar(script), nome);
    }
});

test("um estilo se embute sem </style, ou a montagem falha", () => {
    assert.doesNotMatch(embutir('a::after{content:"</style>"}', "estilo"), PERIGOSO);
    assert.throws(() => embutir("a{}</style><b>", "estilo"), /the estilo cannot be inlined/);
});

test("um nome desconhecido no modelo da pagina falha a montagem", () => {
    assert.equal(preencher("<p>@A@ @B_C@</p>", { A: "1", B_C: "2" }), "<p>1 2</p>");
    assert.throws(() => preencher("<p>@A@ @ESTILOS@</p>", { A: "1" }), /@ESTILOS@/);
});

// The functions the compiled program calls in its module, by the C++ function
// that calls each: the page must give it every one, by the same name.
const TERMINAL_DA_PAGINA = readFileSync(new URL("../src/console/sistema_pagina.cpp", import.meta.url), "utf8");
const PONTE = Object.fromEntries([...TERMINAL_DA_PAGINA.matchAll(/EM_(?:ASYNC_)?JS\(\w+, (\w+),[^{]*\{[^}]*?Module\["(\w+)"\]/g)]
    .map(([, funcao, nome]) => [funcao, nome]));

test("a pagina da ao programa cada funcao que ele chama, pelo nome", () => {
    assert.equal(Object.keys(PONTE).length, TERMINAL_DA_PAGINA.match(/EM_(?:ASYNC_)?JS\(/g).length);
    assert.deepEqual(Object.keys(ligarAoTerminal({})).sort(), Object.values(PONTE).sort());
});

// Programs in the shape of the compiled game's module, beside a .wasm of their own.
const PROGRAMAS = {
    desenha: `export default async (m) => ({ ccall: async () => {
        m.${PONTE.escreverNaPagina}(0, new TextEncoder().encode("\\x1b[H\\x1b[2JMENU\\nOpcao: "));
        await m.${PONTE.esperarLinhaDaPagina}(8192);
        return 1;
    } });`,
    semLer: "export default async () => ({ ccall: async () => 1 });",
    emLaco: "export default async () => ({ ccall: () => { for (;;) {} } });",
};

test("a primeira tela e a do programa, que deve le-la a tempo", async () => {
    const pasta = mkdtempSync(join(tmpdir(), "adivinhe-"));
    const jogo = (nome) => {
        writeFileSync(join(pasta, `${nome}.wasm`), "");
        writeFileSync(join(pasta, `${nome}.mjs`), PROGRAMAS[nome]);
        return join(pasta, `${nome}.mjs`);
    };
    try {
        assert.deepEqual(await desenharAPrimeiraTela(jogo("desenha"), 10_000),
            { anteriores: "MENU\n", ultima: "Opcao: " });
        await assert.rejects(desenharAPrimeiraTela(jogo("semLer"), 10_000), /ended without reading/);
        const inicio = Date.now();
        await assert.rejects(desenharAPrimeiraTela(jogo("emLaco"), 1000), /ran for 1 s without reading/);
        assert.ok(Date.now() - inicio < 10_000);
    } finally {
        rmSync(pasta, { recursive: true });
    }
});
