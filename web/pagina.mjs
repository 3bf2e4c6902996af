// The game in a terminal emulator. The program, compiled to WebAssembly, writes
// its bytes unchanged to xterm.js and reads what is typed through the line
// discipline below, as it reads a Linux terminal in canonical mode.
import { FitAddon } from "@xterm/addon-fit";
import { Terminal } from "@xterm/xterm";
import criarAdivinhe from "adivinhe-jogo";
import programa from "adivinhe-wasm";

const COLUNAS = 80;
const LINHAS = 24;
const FIM_DA_ENTRADA = new Uint8Array(0);
const codificador = new TextEncoder();

// What a terminal in canonical mode does with the keys: echoes them, lets the
// line be edited until ENTER, and keeps the lines handed over, in order, for the
// reads, however early they were typed.
class Teclado {
    #prontos = [];
    #linha = [];
    #leitor = null;

    temLinha() {
        return this.#prontos.length > 0;
    }

    // Whether the program waits for a line not typed yet.
    esperando() {
        return this.#leitor !== null;
    }

    // Like a read: at most tamanho bytes of the first line handed over, waiting
    // for one if there is none; no bytes at the end of the input.
    ler(tamanho) {
        return new Promise((entregar) => {
            this.#leitor = () => entregar(this.#tirar(tamanho));
            if (this.temLinha()) {
                this.#acordarLeitor();
            }
        });
    }

    digitar(dados) {
        // A key that sends an escape sequence (an arrow, a function key) edits nothing here.
        if (dados.startsWith("\x1b")) {
            return;
        }
        for (const c of dados) {
            if (c === "\r" || c === "\n") {
                terminal.write("\r\n");
                this.#entregar(this.#linha.join("") + "\n");
            } else if (c === "\x7f" || c === "\b") {
                if (this.#linha.pop() !== undefined) {
                    terminal.write("\b \b");
                }
            } else if (c === "\x04") {
                this.#entregar(this.#linha.join(""));
            } else if (c === "\x15") {
                terminal.write("\b \b".repeat(this.#linha.length));
                this.#linha = [];
            } else if (c >= " " || c === "\t") {
                this.#linha.push(c);
                terminal.write(c);
            }
        }
    }

    // An empty line handed over is the end of the input: Ctrl-D at the start of a line.
    #entregar(texto) {
        this.#prontos.push(texto === "" ? FIM_DA_ENTRADA : codificador.encode(texto));
        this.#linha = [];
        this.#acordarLeitor();
    }

    #acordarLeitor() {
        const leitor = this.#leitor;
        this.#leitor = null;
        leitor?.();
    }

    #tirar(tamanho) {
        const primeiro = this.#prontos[0];
        if (primeiro.length <= tamanho) {
            this.#prontos.shift();
            return primeiro;
        }
        this.#prontos[0] = primeiro.subarray(tamanho);
        return primeiro.subarray(0, tamanho);
    }
}

// One run of the program: a fresh instance of it, as a new process would be,
// with an empty ranking. The instance is made at once, while the page does the rest.
class Execucao {
    teclado = new Teclado();
    saida = [];
    escritas = 0;
    status = null;
    #jogo = criarAdivinhe({
        wasmBinary: programa,
        lerDoTeclado: (tamanho) => this.teclado.ler(tamanho),
        temLinhaDigitada: () => this.teclado.temLinha(),
        escreverNoTerminal: (erro, bytes) => this.#escrever(erro, bytes),
    });

    async rodar() {
        const jogo = await this.#jogo;
        this.status = await jogo.ccall("main", "number", [], [], { async: true });
        return this.status;
    }

    #escrever(erro, bytes) {
        if (!erro) {
            this.saida.push(bytes);
            this.escritas += 1;
        }
        terminal.write(bytes);
    }
}

let execucao = new Execucao();

const terminal = new Terminal({ convertEol: true, screenReaderMode: true, cols: COLUNAS, rows: LINHAS });
const ajuste = new FitAddon();
terminal.loadAddon(ajuste);
terminal.open(document.getElementById("terminal"));
const aviso = document.getElementById("aviso");
const deNovo = document.getElementById("de-novo");

// The window sets the size, never below the 80 by 24 the screens are drawn for.
function ajustar() {
    const proposta = ajuste.proposeDimensions();
    if (proposta) {
        terminal.resize(Math.max(COLUNAS, proposta.cols), Math.max(LINHAS, proposta.rows));
    }
}

async function jogar() {
    aviso.textContent = "";
    deNovo.hidden = true;
    const status = await execucao.rodar();
    terminal.write(`\r\n[O programa terminou com status ${status}. Tecle ENTER para jogar de novo.]\r\n`);
    aviso.textContent = `O programa terminou com status ${status}.`;
    deNovo.hidden = false;
}

function jogarDeNovo() {
    terminal.reset();
    execucao = new Execucao();
    jogar();
}

terminal.onData((dados) => {
    if (execucao.status === null) {
        execucao.teclado.digitar(dados);
    } else if (dados.includes("\r")) {
        jogarDeNovo();
    }
});
deNovo.addEventListener("click", () => {
    terminal.focus();
    jogarDeNovo();
});
window.addEventListener("resize", ajustar);

// For the tests: what the program of this run has written to its standard output.
globalThis.adivinhe = {
    terminal,
    saida: () => execucao.saida.map((bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("")).join(""),
    escritas: () => execucao.escritas,
    esperando: () => execucao.teclado.esperando(),
    status: () => execucao.status,
};

ajustar();
terminal.focus();
jogar();
