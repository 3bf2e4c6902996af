// Makes the one self-contained page: the page's script and the game, its
// WebAssembly included, bundled into one module and inlined with the style sheet
// and the game's icon into pagina.html, under a Content-Security-Policy that lets
// that script and that style alone in, and nothing connect.
// Usage: node montar_pagina.mjs GAME.mjs PAGE.html
import { build, transform } from "esbuild";
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { fileURLToPath } from "node:url";

const [jogo, destino] = process.argv.slice(2);
const aqui = new URL(".", import.meta.url);
const ler = (nome) => readFileSync(new URL(nome, aqui), "utf8");

const { outputFiles } = await build({
    entryPoints: [fileURLToPath(new URL("pagina.mjs", aqui))],
    alias: { "adivinhe-jogo": jogo, "adivinhe-wasm": jogo.replace(/\.mjs$/, ".wasm") },
    loader: { ".wasm": "binary" },
    bundle: true,
    format: "esm",
    minify: true,
    write: false,
    logLevel: "warning",
});
const script = outputFiles[0].text;
const { code: estilo } = await transform(ler("pagina.css"), { loader: "css", minify: true });
// Each is inlined: a closing tag inside it would end it early.
for (const [texto, fecho] of [[script, "</script"], [estilo, "</style"]]) {
    if (texto.toLowerCase().includes(fecho)) {
        throw new Error(`the bundled page holds ${fecho} where it cannot be inlined`);
    }
}
const hash = (texto) => `'sha256-${createHash("sha256").update(texto).digest("base64")}'`;

const icone = ler("../packaging/adivinhe.svg").replace(/>\s+</g, "><").trim();

const partes = { ESTILO: estilo, SCRIPT: script, HASH_DO_SCRIPT: hash(script), HASH_DO_ESTILO: hash(estilo),
    ICONE: `data:image/svg+xml,${encodeURIComponent(icone)}` };
const pagina = ler("pagina.html").replace(/@([A-Z_]+)@/g, (_, nome) => partes[nome]);
writeFileSync(destino, pagina);
