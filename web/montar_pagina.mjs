// Makes the one self-contained page: the page's script, xterm.js and the game,
// its WebAssembly included, bundled into one module, inlined with xterm.js's CSS into pagina.html, under a
// Content-Security-Policy that lets that script alone run and nothing connect.
// Usage: node montar_pagina.mjs GAME.mjs PAGE.html
import { build } from "esbuild";
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";

const [jogo, destino] = process.argv.slice(2);
const aqui = new URL(".", import.meta.url);
const require = createRequire(import.meta.url);

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
// The script is inlined: a closing tag inside it would end it early.
if (/<\/script/i.test(script)) {
    throw new Error("the bundled script holds </script and cannot be inlined");
}
const hash = createHash("sha256").update(script).digest("base64");
const css = readFileSync(require.resolve("@xterm/xterm/css/xterm.css"), "utf8");

const partes = { CSS: css, SCRIPT: script, HASH_DO_SCRIPT: `'sha256-${hash}'` };
const pagina = readFileSync(new URL("pagina.html", aqui), "utf8").replace(/@(CSS|SCRIPT|HASH_DO_SCRIPT)@/g,
    (_, nome) => partes[nome]);
writeFileSync(destino, pagina);
