// WebKit, Safari's engine: Debian's WebKitGTK driver, which starts its MiniBrowser,
// on a virtual X display when there is no display, reached through the W3C
// WebDriver client selenium-webdriver, pointed at that driver so that it fetches
// no driver of its own. One session, one window: each tab is that window, anew.
import { spawn } from "node:child_process";
import { once } from "node:events";
import { createServer } from "node:net";
import { Builder, By, Key } from "selenium-webdriver";

export const XVFB = "/usr/bin/Xvfb";
const DRIVER = "/usr/bin/WebKitWebDriver";
const MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const TECLAS = { Enter: Key.ENTER, Backspace: Key.BACK_SPACE };
const pausar = (ms) => new Promise((pronto) => setTimeout(pronto, ms));

export async function abrirComWebDriver() {
    const processos = [];
    const env = { ...process.env };
    try {
        if (!env.DISPLAY) {
            const xvfb = spawn(XVFB, ["-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
                { stdio: ["ignore", "ignore", "ignore", "pipe"] });
            processos.push(xvfb);
            const [numero] = await Promise.race([once(xvfb.stdio[3], "data"), once(xvfb, "exit").then(([status]) => {
                throw new Error(`Xvfb ended with status ${status}`);
            })]);
            env.DISPLAY = `:${String(numero).trim()}`;
        }
        const porta = await portaLivre();
        processos.push(spawn(DRIVER, [`--port=${porta}`], { stdio: "ignore", env }));
        const sessao = await abrirSessao(`http://127.0.0.1:${porta}`);
        return {
            aviso: "classic WebDriver reports no console messages: the errors checked are those the page records",
            abrirAba: async () => new AbaDoWebDriver(sessao),
            fechar: async () => {
                await sessao.quit();
                processos.forEach((p) => p.kill());
            },
        };
    } catch (erro) {
        processos.forEach((p) => p.kill());
        throw erro;
    }
}

function portaLivre() {
    const servidor = createServer().listen(0, "127.0.0.1");
    return once(servidor, "listening").then(() => {
        const { port } = servidor.address();
        servidor.close();
        return port;
    });
}

// The driver takes a moment to listen.
async function abrirSessao(endereco) {
    for (let tentativa = 0; ; ++tentativa) {
        try {
            return await new Builder().usingServer(endereco).withCapabilities({
                browserName: "MiniBrowser",
                "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] },
            }).build();
        } catch (erro) {
            if (tentativa === 50) {
                throw erro;
            }
            await pausar(100);
        }
    }
}

class AbaDoWebDriver {
    // Classic WebDriver reports neither requests nor console messages: the page's
    // own record of them is all there is.
    pedidos = [];
    erros = [];
    colaPorEvento = true;
    #sessao;

    constructor(sessao) {
        this.#sessao = sessao;
    }

    ir(endereco) {
        return this.#sessao.get(endereco);
    }

    // Runs the function in the page, awaited there, and hands back what it returns.
    async avaliar(funcao, ...args) {
        const [valor, erro] = await this.#sessao.executeAsyncScript(`
            const pronto = arguments[arguments.length - 1];
            Promise.resolve((${funcao}).apply(null, Array.prototype.slice.call(arguments, 0, -1)))
                .then((valor) => pronto([valor ?? null]), (erro) => pronto([null, String(erro)]));`, ...args);
        if (erro) {
            throw new Error(erro);
        }
        return valor;
    }

    // Runs a script's source in the page, as the page's own policy would not let it.
    injetar(codigo) {
        return this.#sessao.executeScript(codigo);
    }

    async esperar(funcao, ...args) {
        const limite = Date.now() + 10000;
        for (;;) {
            const valor = await this.avaliar(funcao, ...args);
            if (valor) {
                return valor;
            }
            if (Date.now() > limite) {
                throw new Error(`waited 10 s in vain for ${funcao}`);
            }
            await pausar(10);
        }
    }

    async teclar(tecla) {
        const acoes = this.#sessao.actions();
        if (tecla.startsWith("Control+")) {
            await acoes.keyDown(Key.CONTROL).sendKeys(tecla.at(-1).toLowerCase()).keyUp(Key.CONTROL).perform();
        } else {
            await acoes.sendKeys(TECLAS[tecla] ?? tecla).perform();
        }
    }

    async clicar(seletor) {
        await (await this.#sessao.findElement(By.css(seletor))).click();
    }

    fechar() {
        return this.#sessao.get("about:blank");
    }
}
