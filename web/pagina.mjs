// The game in a terminal emulator. The program, compiled to WebAssembly, writes
// its bytes unchanged to xterm.js and reads what is typed through the page's
// line discipline, as it reads a Linux terminal in canonical mode. This module
// wires them together: the terminal, the keys from every source, and the runs.
import { FitAddon } from "@xterm/addon-fit";
import { Terminal } from "@xterm/xterm";
import criarAdivinhe from "adivinhe-jogo";
import programa from "adivinhe-wasm";
import { DisciplinaDeLinha } from "./disciplina.mjs";
import { acompanharATela, toque } from "./tamanho.mjs";
import { receberTextoDoAparelho } from "./teclado_do_aparelho.mjs";
import { ligarTecladoNumerico } from "./teclado_numerico.mjs";

// One run of the program: a fresh instance of it, as a new process would be,
// with an empty ranking. The instance is made at once, while the page does the rest.
class Execucao {
    disciplina = new DisciplinaDeLinha((texto) => terminal.write(texto));
    saida = [];
    escritas = 0;
    status = null;
    #jogo = criarAdivinhe({
        wasmBinary: programa,
        lerDoTeclado: (tamanho) => this.disciplina.ler(tamanho),
        temLinhaDigitada: () => this.disciplina.temLinha(),
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

const terminal = new Terminal({ convertEol: true, screenReaderMode: true });
const ajuste = new FitAddon();
terminal.loadAddon(ajuste);
const elementoDoTerminal = document.getElementById("terminal");
terminal.open(elementoDoTerminal);
const aviso = document.getElementById("aviso");
const deNovo = document.getElementById("de-novo");

async function jogar() {
    aviso.textContent = "";
    deNovo.hidden = true;
    await execucao.rodar();
    terminal.write("\r\n[Fim do jogo.]\r\n[Tecle ENTER para jogar de novo.]\r\n");
    aviso.textContent = "Fim do jogo.";
    deNovo.hidden = false;
}

function jogarDeNovo() {
    terminal.reset();
    execucao = new Execucao();
    jogar();
}

// Keys, from the keyboard, the page's keypad or a phone's keyboard, go to the
// program while it runs; once it has ended, ENTER starts it again.
function receber(dados) {
    if (execucao.status === null) {
        execucao.disciplina.digitar(dados);
    } else if (dados.includes("\r")) {
        jogarDeNovo();
    }
}

terminal.onData(receber);
receberTextoDoAparelho(terminal, elementoDoTerminal, receber);
ligarTecladoNumerico(document.getElementById("teclado"), receber);
// On a touch screen the focus would open the phone's keyboard over the keypad.
deNovo.addEventListener("click", () => {
    if (!toque.matches) {
        terminal.focus();
    }
    jogarDeNovo();
});

// For the tests: what the program of this run has written to its standard output.
globalThis.adivinhe = {
    terminal,
    saida: () => execucao.saida.map((bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("")).join(""),
    escritas: () => execucao.escritas,
    esperando: () => execucao.disciplina.esperando(),
    status: () => execucao.status,
};

acompanharATela(terminal, ajuste, elementoDoTerminal);
terminal.focus();
jogar();
