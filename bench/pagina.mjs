// Measures the page: its size, raw and compressed, against its budget; and, in each
// browser engine installed, the time from opening it to the main menu's question
// (median of 5) and the writes to the screen that the main menu takes; in
// Chromium also with its CPU slowed 4 times, as a mid-range phone's is. Then a
// flood: so many lines of "7" pasted at the main menu, each refused, timed until
// the program waits again, with what the screen and the live region hold after
// it, and in Chromium the JS heap. The flood must take at most 3 s, and grow
// with the lines, not with their square.
// Usage: node bench/pagina.mjs [build/web/adivinhe.html] [--verificar] [--enxurradas=10000,50000]
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";
import { MOTORES, abrirPagina, colar, pacotesQueFaltam } from "../tests/navegador.mjs";

const argumentos = process.argv.slice(2);
const verificar = argumentos.includes("--verificar");
const arquivo = argumentos.find((a) => !a.startsWith("--")) ?? "build/web/adivinhe.html";
const ORCAMENTO = { bruto: 80_000, comprimido: 30_000 };
const LENTIDAO = 4;
const enxurradas = (argumentos.find((a) => a.startsWith("--enxurradas="))?.split("=")[1] ?? "10000,50000")
    .split(",").map(Number);
// Linear growth, with room for noise: 5 times the lines in at most 7 times the time.
const ENXURRADA = { ms: 3000, folga: 7 / 5, heap: 64 * 2 ** 20 };

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

async function medirEnxurrada(navegador, nome, linhas) {
    const { aba } = await abrirPagina(navegador, endereco);
    await aba.avaliar(() => {
        globalThis.inicioDaEnxurrada = performance.now();
    });
    await colar(aba, "7\n".repeat(linhas));
    const ms = await aba.esperar(() => adivinhe.esperando() &&
        document.getElementById("tela").getBoundingClientRect().height > 0 &&
        performance.now() - globalThis.inicioDaEnxurrada);
    const { tela, anuncio } = await aba.avaliar(() => ({
        tela: document.getElementById("tela").textContent.length,
        anuncio: document.getElementById("anuncio").textContent.length,
    }));
    const heap = await aba.heapUsado?.() ?? null;
    console.log(`${nome.padEnd(18)} ${linhas} lines pasted in ${ms.toFixed(0)} ms; #tela ${tela} characters, ` +
        `live region ${anuncio}` + (heap === null ? "" : `, JS heap ${(heap / 2 ** 20).toFixed(1)} MB`));
    await aba.fechar();
    atingido &&= ms <= ENXURRADA.ms && (heap ?? 0) <= ENXURRADA.heap;
    return ms;
}

async function medirEnxurradas(navegador, nome) {
    const tempos = [];
    for (const linhas of enxurradas) {
        tempos.push(await medirEnxurrada(navegador, nome, linhas));
    }
    const crescimento = tempos.at(-1) / tempos[0];
    const maximo = ENXURRADA.folga * enxurradas.at(-1) / enxurradas[0];
    console.log(`${nome.padEnd(18)} t(${enxurradas.at(-1)})/t(${enxurradas[0]}) = ${crescimento.toFixed(1)} ` +
        `(at most ${maximo.toFixed(0)})`);
    atingido &&= crescimento <= maximo;
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
    await medirEnxurradas(navegador, motor.nome);
    await navegador.fechar();
}
if (verificar && !atingido) {
    console.log("target missed");
    process.exit(1);
}
