// Makes the one self-contained page: the page's script and the game, its
// WebAssembly included, bundled into one module and inlined with the style sheets
// and the game's icon into pagina.html, under a Content-Security-Policy that lets
// those scripts and styles alone in, and nothing connect. The page comes with
// the program's first screen drawn in it, so that it shows as soon as the page
// does; the script waits in it as data, and runs once the page has been shown.
// Writes beside the page a depfile of every file the page was made from, as
// esbuild found them, so that a change to any of them makes the page again.
// Usage: node montar_pagina.mjs GAME.mjs PAGE.html DEPFILE
import { build, transform } from "esbuild";
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { embutir, preencher } from "./embutir.mjs";
import { desenharAPrimeiraTela } from "./primeira_tela.mjs";

// A program may loop before it ever reads; one that works reads in well under a second.
const LIMITE_DA_PRIMEIRA_TELA_MS = 60_000;

const [jogo, destino, dependencias] = process.argv.slice(2);
const lidos = [];
const caminho = (nome) => fileURLToPath(new URL(nome, import.meta.url));
const ler = (nome) => {
    lidos.push(caminho(nome));
    return readFileSync(caminho(nome), "utf8");
};
const entradas = ({ metafile }) => Object.keys(metafile.inputs).map((entrada) => resolve(entrada));

const pagina = await build({
    entryPoints: [caminho("../pagina.mjs")],
    alias: { "adivinhe-jogo": jogo, "adivinhe-wasm": jogo.replace(/\.mjs$/, ".wasm") },
    loader: { ".wasm": "binary" },
    bundle: true,
    format: "esm",
    minify: true,
    write: false,
    metafile: true,
    logLevel: "warning",
});
// The build's own modules, as the bundler finds them too.
const construcao = await build({
    entryPoints: [caminho("montar_pagina.mjs"), caminho("primeira_tela.mjs")],
    bundle: true,
    platform: "node",
    format: "esm",
    packages: "external",
    write: false,
    metafile: true,
    outdir: "nenhum",
    logLevel: "warning",
});

const minificar = async (nome, loader, opcoes = {}) =>
    (await transform(ler(nome), { loader, minify: true, ...opcoes })).code;
const script = embutir(pagina.outputFiles[0].text, "script");
const inicio = embutir(await minificar("../iniciar.js", "js", { target: "es5" }), "script");
const estilo = embutir(await minificar("../pagina.css", "css"), "estilo");
const semScript = embutir(await minificar("../sem_script.css", "css"), "estilo");
const hash = (texto) => `'sha256-${createHash("sha256").update(texto).digest("base64")}'`;
const emHtml = (texto) => texto.replace(/[&<>]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;" })[c]);

const icone = ler("../../packaging/adivinhe.svg").replace(/>\s+</g, "><").trim();
const primeiraTela = await desenharAPrimeiraTela(jogo, LIMITE_DA_PRIMEIRA_TELA_MS);

writeFileSync(destino, preencher(ler("../pagina.html"), {
    ESTILO: estilo,
    ESTILO_SEM_SCRIPT: semScript,
    SCRIPT: script,
    INICIO: inicio,
    HASHES_DOS_SCRIPTS: `${hash(inicio)} ${hash(script)}`,
    HASHES_DOS_ESTILOS: `${hash(estilo)} ${hash(semScript)}`,
    ICONE: `data:image/svg+xml,${encodeURIComponent(icone)}`,
    ANTERIORES: emHtml(primeiraTela.anteriores),
    ULTIMA: emHtml(primeiraTela.ultima),
}));

const emMake = (arquivo) => arquivo.replace(/[ #]/g, "\\$&").replace(/\$/g, "$$$$");
const arquivos = [...new Set([...entradas(pagina), ...entradas(construcao), ...lidos])];
writeFileSync(dependencias, `${emMake(resolve(destino))}: ${arquivos.map(emMake).join(" \\\n  ")}\n`);
