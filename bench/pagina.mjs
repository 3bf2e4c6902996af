// Measures the page: its size, raw and compressed, against its budget; the time
// from opening it to the main menu's question in headless Chromium (median of 5);
// and the writes to the terminal that the main menu takes.
// Usage: node bench/pagina.mjs [build/web/adivinhe.html] [--verificar]
import { readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { abrirNavegador, abrirPagina } from "../tests/navegador.mjs";

const argumentos = process.argv.slice(2);
const verificar = argumentos.includes("--verificar");
const arquivo = argumentos.find((a) => !a.startsWith("--")) ?? "build/web/adivinhe.html";
const ORCAMENTO = { bruto: 600_000, comprimido: 170_000 };

const conteudo = readFileSync(arquivo);
const bruto = conteudo.length;
const comprimido = gzipSync(conteudo, { level: 9 }).length;

const navegador = await abrirNavegador();
const tempos = [];
let escritas = 0;
for (let i = 0; i < 5; ++i) {
    const { pagina, msAteOMenu } = await abrirPagina(navegador, arquivo);
    tempos.push(msAteOMenu);
    escritas = await pagina.evaluate(() => adivinhe.escritas());
    await pagina.close();
}
await navegador.close();
tempos.sort((a, b) => a - b);

console.log(`page size          ${bruto} bytes, ${comprimido} compressed (budget ${ORCAMENTO.bruto} and ${ORCAMENTO.comprimido})`);
console.log(`to the main menu   ${tempos[2].toFixed(0)} ms (median of 5: ${tempos.map((t) => t.toFixed(0)).join(", ")})`);
console.log(`menu screen        ${escritas} write(s) to the terminal`);
if (verificar && (bruto > ORCAMENTO.bruto || comprimido > ORCAMENTO.comprimido || escritas !== 1)) {
    console.log("target missed");
    process.exit(1);
}
