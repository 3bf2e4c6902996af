// Makes the one self-contained page: the page's script and the game, its
// WebAssembly included, bundled into one module and inlined with the style sheet
// and the game's icon into pagina.html, under a Content-Security-Policy that lets
// that script and that style alone in, and nothing connect. The page comes with
// the program's first screen drawn in it, so that it shows as soon as the page
// does; the script waits in it as data, and runs once the page has been shown.
// Usage: node montar_pagina.mjs GAME.mjs PAGE.html
import { build, transform } from "esbuild";
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { fileURLToPath, pathToFileURL } from "node:url";
import { ElementoDeTexto } from "./elemento_de_texto.mjs";
import { Tela } from "./tela.mjs";

const [jogo, destino] = process.argv.slice(2);
const wasm = jogo.replace(/\.mjs$/, ".wasm");
const aqui = new URL(".", import.meta.url);
const ler = (nome) => readFileSync(new URL(nome, aqui), "utf8");

// The program run up to its first read, whose input has ended, as the page's
// screen draws what it writes: the very screen it draws again when the page runs it.
async function desenharAPrimeiraTela() {
    const { default: criarAdivinhe } = await import(pathToFileURL(jogo).href);
    const [anteriores, ultima] = [new ElementoDeTexto(), new ElementoDeTexto()];
    const tela = new Tela(anteriores, ultima, new ElementoDeTexto());
    let leu = false;
    const programa = await criarAdivinhe({
        wasmBinary: readFileSync(wasm),
        temLinhaDigitada: () => false,
        tirarDaLinha: () => null,
        esperarPelaLinha: () => {
            leu = true;
            return new Uint8Array(0);
        },
        escreverNaTela: (erro, bytes) => leu || tela.escrever(bytes),
    });
    await programa.ccall("main", "number", [], [], { async: true });
    if (!leu) {
        throw new Error("the program ended without reading: it has no first screen to wait at");
    }
    return { anteriores: anteriores.textContent, ultima: ultima.textContent };
}

const emHtml = (texto) => texto.replace(/[&<>]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;" })[c]);

const { outputFiles } = await build({
    entryPoints: [fileURLToPath(new URL("pagina.mjs", aqui))],
    alias: { "adivinhe-jogo": jogo, "adivinhe-wasm": wasm },
    loader: { ".wasm": "binary" },
    bundle: true,
    format: "esm",
    minify: true,
    write: false,
    logLevel: "warning",
});
const script = outputFiles[0].text;
const { code: inicio } = await transform(ler("iniciar.mjs"), { loader: "js", format: "esm", minify: true });
const { code: estilo } = await transform(ler("pagina.css"), { loader: "css", minify: true });
// Each is inlined: a closing tag inside it would end it early.
for (const [texto, fecho] of [[script, "</script"], [inicio, "</script"], [estilo, "</style"]]) {
    if (texto.toLowerCase().includes(fecho)) {
        throw new Error(`the bundled page holds ${fecho} where it cannot be inlined`);
    }
}
const hash = (texto) => `'sha256-${createHash("sha256").update(texto).digest("base64")}'`;

const icone = ler("../packaging/adivinhe.svg").replace(/>\s+</g, "><").trim();

const primeiraTela = await desenharAPrimeiraTela();

const partes = { ESTILO: estilo, SCRIPT: script, INICIO: inicio, HASHES_DOS_SCRIPTS: `${hash(inicio)} ${hash(script)}`,
    HASH_DO_ESTILO: hash(estilo),
    ICONE: `data:image/svg+xml,${encodeURIComponent(icone)}`, ANTERIORES: emHtml(primeiraTela.anteriores),
    ULTIMA: emHtml(primeiraTela.ultima) };
const pagina = ler("pagina.html").replace(/@([A-Z_]+)@/g, (_, nome) => partes[nome]);
writeFileSync(destino, pagina);
