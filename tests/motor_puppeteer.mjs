// Chromium and Firefox, Debian's own, driven by puppeteer-core: Chromium over its
// DevTools protocol, Firefox over WebDriver BiDi. Nothing is downloaded. In
// Chromium a tab can have a screen of a given size, and be a phone's: a touch
// screen, tapped by finger, whose keyboard sends what Android's keyboards send.
import puppeteer from "puppeteer-core";

export async function abrirComPuppeteer(browser, executablePath) {
    const args = [];
    if (browser === "chrome") {
        // The omnibox's popup is a page of Chromium's own, made for every new browser context: it
        // would load beside the page, on the same cores, and the page's timings would carry it.
        args.push("--disable-gpu", "--no-first-run", "--disable-background-networking", "--disable-component-update",
            "--disable-sync", "--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup");
        // Chromium's sandbox cannot start as root.
        if (process.getuid?.() === 0) {
            args.push("--no-sandbox");
        }
    }
    const navegador = await puppeteer.launch({ browser, executablePath, headless: true, args });
    return {
        // Each tab in a browser context of its own, as a new visitor's: no cache, no compiled code kept.
        abrirAba: async (opcoes) => {
            const contexto = await navegador.createBrowserContext();
            return new AbaDoPuppeteer(await contexto.newPage(), browser, opcoes);
        },
        fechar: () => navegador.close(),
    };
}

class AbaDoPuppeteer {
    pedidos = [];
    erros = [];
    #pagina;
    #cdp = null;
    #chromium;

    constructor(pagina, browser, { tela, lentidao, semJavaScript } = {}) {
        this.#pagina = pagina;
        this.tela = tela;
        this.lentidao = lentidao;
        this.semJavaScript = semJavaScript;
        // Firefox hands a ClipboardEvent made by a script no data.
        this.#chromium = browser === "chrome";
        this.colaPorEvento = this.#chromium;
        this.colaDoTeclado = this.#chromium;
        pagina.setDefaultTimeout(10000);
        pagina.on("request", (pedido) => this.pedidos.push(pedido.url()));
        pagina.on("console", (mensagem) => this.erros.push(`${mensagem.type()}: ${mensagem.text()}`));
        pagina.on("pageerror", (erro) => this.erros.push(`pageerror: ${erro.message}`));
    }

    // A CPU so many times slower, as a phone's, and JavaScript turned off are Chromium's alone.
    async ir(endereco) {
        if (this.tela) {
            await this.redimensionar(this.tela);
        }
        if (this.lentidao) {
            await this.#pagina.emulateCPUThrottling(this.lentidao);
        }
        if (this.semJavaScript) {
            await this.#pagina.setJavaScriptEnabled(false);
        }
        await this.#pagina.goto(endereco);
    }

    avaliar(funcao, ...args) {
        return this.#pagina.evaluate(funcao, ...args);
    }

    // Runs a script's source in the page, as the page's own policy would not let it.
    injetar(codigo) {
        return this.#pagina.evaluate(codigo);
    }

    async esperar(funcao, ...args) {
        return (await this.#pagina.waitForFunction(funcao, {}, ...args)).jsonValue();
    }

    async teclar(tecla) {
        const teclado = this.#pagina.keyboard;
        if (tecla.startsWith("Control+")) {
            await teclado.down("Control");
            await teclado.press(`Key${tecla.at(-1)}`);
            await teclado.up("Control");
        } else if (tecla.length > 1) {
            await teclado.press(tecla);
        } else {
            await teclado.type(tecla);
        }
    }

    clicar(seletor) {
        return this.#pagina.click(seletor);
    }

    fechar() {
        return this.#pagina.browserContext().close();
    }

    // A screen of so many CSS px; a touch screen is a phone's, of twice the pixel density.
    redimensionar({ largura, altura, toque }) {
        return this.#pagina.setViewport({ width: largura, height: altura, isMobile: toque, hasTouch: toque,
            deviceScaleFactor: toque ? 2 : 1 });
    }

    async tocar(seletor) {
        const caixa = await (await this.#pagina.$(seletor)).boundingBox();
        await this.#pagina.touchscreen.tap(caixa.x + caixa.width / 2, caixa.y + caixa.height / 2);
    }

    // As Android's keyboards commit a character: a key whose code is 229, then the
    // text put in as by an input method, in the same moment or a little after
    // (both happen).
    async teclarNoAparelho(caractere, { mesmoMomento }) {
        const tecla = { windowsVirtualKeyCode: 229, key: "Unidentified" };
        const baixar = this.cdp("Input.dispatchKeyEvent", { type: "rawKeyDown", ...tecla });
        if (!mesmoMomento) {
            await baixar;
        }
        await Promise.all([baixar, this.cdp("Input.insertText", { text: caractere })]);
        await this.cdp("Input.dispatchKeyEvent", { type: "keyUp", ...tecla });
    }

    // A word composed from a keyboard's suggestions, then committed.
    async comporNoAparelho(palavra, pausa) {
        for (let i = 1; i <= palavra.length; ++i) {
            const composicao = { text: palavra.slice(0, i), selectionStart: i, selectionEnd: i };
            await this.cdp("Input.imeSetComposition", composicao);
            await pausa();
        }
        await this.cdp("Input.insertText", { text: palavra });
    }

    // A paste as a person makes it, Ctrl+C on a selection and Ctrl+V in the line,
    // through the browser's own editing commands: its paste event is trusted, and
    // what the page does not prevent of it happens. Chromium's alone.
    async colarDoTeclado(texto) {
        await this.#pagina.evaluate((copiado) => {
            const area = document.createElement("textarea");
            area.value = copiado;
            document.body.append(area);
            area.select();
        }, texto);
        await this.#atalho("C", "copy");
        await this.#pagina.evaluate(() => {
            document.querySelector("body > textarea").remove();
            document.getElementById("linha").focus();
        });
        await this.#atalho("V", "paste");
    }

    async #atalho(letra, comando) {
        const tecla = { key: letra.toLowerCase(), code: `Key${letra}`, windowsVirtualKeyCode: letra.charCodeAt(0),
            modifiers: 2 };
        await this.cdp("Input.dispatchKeyEvent", { type: "rawKeyDown", commands: [comando], ...tecla });
        await this.cdp("Input.dispatchKeyEvent", { type: "keyUp", ...tecla });
    }

    // The JS heap in use after a garbage collection, in bytes, with the bytes of
    // its typed arrays, which lie outside it: Chromium's alone tells.
    async heapUsado() {
        if (!this.#chromium) {
            return null;
        }
        await this.cdp("HeapProfiler.collectGarbage");
        const { usedSize, backingStorageSize = 0 } = await this.cdp("Runtime.getHeapUsage");
        return usedSize + backingStorageSize;
    }

    // A command of Chromium's DevTools protocol, as a phone's keyboard sends its events.
    async cdp(comando, parametros) {
        this.#cdp ??= await this.#pagina.createCDPSession();
        return this.#cdp.send(comando, parametros);
    }
}
