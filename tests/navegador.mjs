// Debian's Chromium, headless, driven by puppeteer-core, and the page opened in it
// from the disk. Shared by the browser test and the page's benchmark.
import puppeteer from "puppeteer-core";
import { pathToFileURL } from "node:url";

export function abrirNavegador() {
    const argumentos = ["--disable-gpu", "--no-first-run", "--disable-background-networking",
        "--disable-component-update", "--disable-sync"];
    // Chromium's sandbox cannot start as root.
    if (process.getuid?.() === 0) {
        argumentos.push("--no-sandbox");
    }
    return puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, args: argumentos });
}

// Opens the page and waits for the main menu's question; notes every request made and
// every message on the browser's console, and how long, by the page's own clock, the
// question took to appear after the page was opened.
export async function abrirPagina(navegador, arquivo) {
    const pagina = await navegador.newPage();
    pagina.setDefaultTimeout(10000);
    const ocorrencias = { pedidos: [], erros: [] };
    pagina.on("request", (pedido) => ocorrencias.pedidos.push(pedido.url()));
    pagina.on("console", (mensagem) => ocorrencias.erros.push(`${mensagem.type()}: ${mensagem.text()}`));
    pagina.on("pageerror", (erro) => ocorrencias.erros.push(`pageerror: ${erro.message}`));
    const endereco = pathToFileURL(arquivo).href;
    await pagina.goto(endereco);
    const quando = await pagina.waitForFunction(() => globalThis.adivinhe?.saida().endsWith("Opcao: ") && performance.now());
    return { pagina, endereco, ocorrencias, msAteOMenu: await quando.jsonValue() };
}
