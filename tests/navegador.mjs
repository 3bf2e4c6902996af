// The browsers the page is tested in, and what is done in any of them: open the
// page, wait for the program, type into it, and note the requests made and the
// errors met. What differs between drivers is in one small adapter each:
// motor_puppeteer.mjs (Chromium, Firefox) and motor_webdriver.mjs (WebKit).
// Shared by the browser test and the page's benchmark.
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { abrirComPuppeteer } from "./motor_puppeteer.mjs";
import { abrirComWebDriver, XVFB } from "./motor_webdriver.mjs";

export const MOTORES = {
    chromium: {
        nome: "Chromium",
        precisa: ["/usr/bin/chromium"],
        abrir: () => abrirComPuppeteer("chrome", "/usr/bin/chromium"),
    },
    firefox: {
        nome: "Firefox",
        precisa: ["/usr/bin/firefox-esr"],
        abrir: () => abrirComPuppeteer("firefox", "/usr/bin/firefox-esr"),
    },
    webkit: {
        nome: "WebKit",
        precisa: ["/usr/bin/WebKitWebDriver", XVFB],
        abrir: abrirComWebDriver,
    },
};

// What an engine lacks here, told as its install is: none when it can run.
export function oQueFalta(motor) {
    const faltam = motor.precisa.filter((arquivo) => !existsSync(arquivo));
    return faltam.length === 0 ? "" : `${faltam.join(", ")} missing (./dependencias.sh web installs it)`;
}

// Errors the page meets, recorded from inside it: an engine whose driver reports
// no console messages has these at least. Installed once the page has loaded.
function registrarErros() {
    const erros = (globalThis.errosVistosPeloTeste = []);
    addEventListener("error", (e) => erros.push(`error: ${e.message ?? e.target?.outerHTML}`), true);
    addEventListener("unhandledrejection", (e) => erros.push(`unhandledrejection: ${e.reason}`));
    document.addEventListener("securitypolicyviolation",
        (e) => erros.push(`csp: ${e.violatedDirective} ${e.blockedURI}`));
}

// Opens the page and waits for the program to wait at the main menu; returns how
// long, by the page's own clock, that took after the page was opened.
export async function abrirPagina(navegador, endereco, opcoes = {}) {
    const aba = await navegador.abrirAba(opcoes);
    await aba.ir(endereco);
    await aba.avaliar(registrarErros);
    const msAteOMenu = await aba.esperar(() => globalThis.adivinhe?.esperando() && performance.now());
    return { aba, msAteOMenu };
}

// Pastes the text into the line. Firefox hands a ClipboardEvent made by a script no
// data: there the text comes as the text that an input method puts in, which the
// page takes the same way.
export function colar(aba, texto) {
    return aba.avaliar((colado, porEvento) => {
        const dados = new DataTransfer();
        dados.setData("text/plain", colado);
        const evento = porEvento
            ? new ClipboardEvent("paste", { clipboardData: dados, bubbles: true, cancelable: true })
            : new InputEvent("beforeinput", { inputType: "insertText", data: colado, bubbles: true, cancelable: true });
        document.getElementById("linha").dispatchEvent(evento);
    }, texto, aba.colaPorEvento);
}

// What the page records of itself: the errors above, and every resource it loaded.
export function ocorrenciasNaPagina(aba) {
    return aba.avaliar(() => ({
        erros: globalThis.errosVistosPeloTeste,
        recursos: performance.getEntriesByType("resource").map((r) => r.name),
    }));
}

// The page on http://127.0.0.1, as any static host serves it; notes every request.
export async function servirPagina(arquivo) {
    const conteudo = readFileSync(arquivo);
    const pedidos = [];
    const servidor = createServer((pedido, resposta) => {
        pedidos.push(pedido.url);
        if (pedido.url === "/") {
            resposta.writeHead(200, { "content-type": "text/html; charset=utf-8" }).end(conteudo);
        } else {
            resposta.writeHead(404).end();
        }
    });
    await new Promise((pronto) => servidor.listen(0, "127.0.0.1", pronto));
    return {
        endereco: `http://127.0.0.1:${servidor.address().port}/`,
        pedidos,
        fechar: () => {
            servidor.closeAllConnections();
            return new Promise((fechado) => servidor.close(fechado));
        },
    };
}

// A copy of the page, on the disk, changed for a measure or a check: with a
// script of the caller's run before anything else (ahead of the page's policy,
// which does not bind it), and without the page's own script, as the page is
// drawn before it runs; with the screen given written into it as plain text.
export function copiaDaPagina(arquivo, { antes = "", semScript = false, tela = null } = {}) {
    let pagina = readFileSync(arquivo, "utf8");
    if (semScript) {
        pagina = pagina.replace(/<script\b[\s\S]*?<\/script>/g, "");
    }
    if (antes) {
        pagina = pagina.replace("<head>", `<head><script>${antes}</script>`);
    }
    if (tela !== null) {
        const linhas = tela.split("\n");
        const emHtml = (texto) => texto.replace(/&/g, "&amp;").replace(/</g, "&lt;");
        const anteriores = linhas.slice(0, -1).map((linha) => `${linha}\n`).join("");
        pagina = pagina.replace(/(<div id="anteriores"[^>]*>)[^<]*/, `$1${emHtml(anteriores)}`)
            .replace(/(<span id="ultima"[^>]*>)[^<]*/, `$1${emHtml(linhas.at(-1))}`);
    }
    const pasta = mkdtempSync(join(tmpdir(), "adivinhe-"));
    const copia = join(pasta, "adivinhe.html");
    writeFileSync(copia, pagina);
    return { endereco: pathToFileURL(copia).href, apagar: () => rmSync(pasta, { recursive: true }) };
}
