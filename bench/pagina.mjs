// Measures the page: its size, raw and compressed, against its budget; and, in each
// browser engine installed, the time from opening it to the main menu's question
// (median of 5) and the writes to the screen that the main menu takes; in
// Chromium also with its CPU slowed 4 times, as a mid-range phone's is.
// Usage: node bench/pagina.mjs [build/web/adivinhe.html] [--verificar]
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { MOTORES, abrirPagina, pacotesQueFaltam } from "../tests/navegador.mjs";

const argumentos = process.argv.slice(2);
const verificar = argumentos.includes("--verificar");
const arquivo = argumentos.find((a) => !a.startsWith("--")) ?? "build/web/adivinhe.html";
const ORCAMENTO = { bruto: 80_000, comprimido: 30_000 };
const LENTIDAO = 4;

const endereco = pathToFileURL(arquivo).href;
const conteudo = readFileSync(arquivo);
const bruto = conteudo.length;
const comprimido = gzipSync(conteudo, { level: 9 }).length;
console.log(`page size          ${bruto} bytes, ${comprimido} compressed ` +
    `(budget ${ORCAMENTO.bruto} and ${ORCAMENTO.comprimido})`);
let atingido = bruto <= ORCAMENTO.bruto && comprimido <= ORCAMENTO.comprimido;

async function medir(navegador, nome, opcoes) {
    const tempos = [];
    let escritas = 0;
    for (let i = 0; i < 5; ++i) {
        const { aba, msAteOMenu } = await abrirPagina(navegador, endereco, opcoes);
        tempos.push(msAteOMenu);
        escritas = await aba.avaliar(() => adivinhe.escritas());
        await aba.fechar();
    }
    tempos.sort((a, b) => a - b);
    console.log(`${nome.padEnd(18)} ${tempos[2].toFixed(0)} ms to the main menu (median of 5: ` +
        `${tempos.map((t) => t.toFixed(0)).join(", ")}), its screen in ${escritas} write(s)`);
    atingido &&= escritas === 1;
}

for (const [id, motor] of Object.entries(MOTORES)) {
    const faltam = pacotesQueFaltam(motor);
    if (faltam.length > 0) {
        console.log(`${motor.nome.padEnd(18)} not measured: apt-get install ${faltam.join(" ")}`);
        continue;
    }
    const navegador = await motor.abrir();
    await medir(navegador, motor.nome);
    if (id === "chromium") {
        await medir(navegador, `${motor.nome}, CPU /${LENTIDAO}`, { lentidao: LENTIDAO });
    }
    await navegador.fechar();
}
if (verificar && !atingido) {
    console.log("target missed");
    process.exit(1);
}
