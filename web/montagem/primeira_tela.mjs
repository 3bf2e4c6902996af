// The program's first screen, drawn as the page's screen draws it: the program
// runs up to its first read, whose input has ended, in a thread of its own, so
// that one that loops before it ever reads can be stopped. The build draws it
// into the page, which thus shows the very screen the program draws when it runs.
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";
import { Worker, isMainThread, parentPort, workerData } from "node:worker_threads";
import { ElementoDeTexto } from "./elemento_de_texto.mjs";
import { ligarAoTerminal } from "../ponte.mjs";
import { Tela } from "../tela.mjs";

// The program, GAME.mjs beside its GAME.wasm: resolves with the lines of its first
// screen, { anteriores, ultima }; rejects when it ends without reading, fails, or
// has not read within limiteMs.
export function desenharAPrimeiraTela(jogo, limiteMs) {
    const desenho = new Worker(new URL(import.meta.url), { workerData: jogo });
    return new Promise((resolver, rejeitar) => {
        const terminar = (fim) => (valor) => {
            clearTimeout(limite);
            desenho.terminate();
            fim(valor);
        };
        const limite = setTimeout(terminar(rejeitar), limiteMs,
            new Error(`${jogo} ran for ${limiteMs / 1000} s without reading: no first screen to draw`));
        desenho.once("message", terminar(resolver));
        desenho.once("error", terminar(rejeitar));
        desenho.once("exit", () => terminar(rejeitar)(
            new Error(`${jogo} ended without reading: it has no first screen to wait at`)));
    });
}

async function desenhar(jogo) {
    const { default: criarAdivinhe } = await import(pathToFileURL(jogo).href);
    const [anteriores, ultima] = [new ElementoDeTexto(), new ElementoDeTexto()];
    const tela = new Tela(anteriores, ultima, new ElementoDeTexto());
    // The first read hands the screen over, and the thread is stopped.
    const programa = await criarAdivinhe({
        wasmBinary: readFileSync(jogo.replace(/\.mjs$/, ".wasm")),
        ...ligarAoTerminal({
            temLinha: () => false,
            tirar: () => null,
            esperar: () => {
                parentPort.postMessage({ anteriores: anteriores.textContent, ultima: ultima.textContent });
                return new Uint8Array(0);
            },
            escrever: (erro, bytes) => tela.escrever(bytes),
        }),
    });
    await programa.ccall("main", "number", [], [], { async: true });
}

if (!isMainThread) {
    await desenhar(workerData);
}
