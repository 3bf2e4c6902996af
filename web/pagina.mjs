// The game on a page of its own. The program, compiled to WebAssembly, writes its
// bytes to the screen, which is page text, and reads the lines typed into a real
// input, as it reads a terminal in canonical mode. This module wires them
// together: the screen, the line, the keypad, and the runs.
import criarAdivinhe from "adivinhe-jogo";
import programa from "adivinhe-wasm";
import { DisciplinaDeLinha, ligarALinha } from "./disciplina.mjs";
import { aoEntregar, ligarOFoco } from "./foco.mjs";
import { ligarAoTerminal } from "./ponte.mjs";
import { acompanharATela } from "./tamanho.mjs";
import { Tela } from "./tela.mjs";
import { ligarTecladoNumerico } from "./teclado_numerico.mjs";

// How a run ends, on the screen and to screen readers: the program returned, or
// an error stopped it (a trap, a lack of memory, a fault of the page's own).
const FIM_DO_JOGO = { tela: "\n[Fim do jogo.]\n[Tecle ENTER para jogar de novo.]\n",
    anuncio: "Fim do jogo. Tecle ENTER para jogar de novo." };
const PAROU_POR_UM_ERRO = { tela: "\n[O jogo parou por um erro.]\n[Tecle ENTER para jogar de novo.]\n",
    anuncio: "O jogo parou por um erro. Tecle ENTER para jogar de novo." };

// The program's output is kept for the page's tests alone, which open it at #teste:
// kept for every run, it would grow with the run.
const GUARDAR_A_SAIDA = location.hash.startsWith("#teste");

const linha = document.getElementById("linha");
const deNovo = document.getElementById("de-novo");
const tela = new Tela(document.getElementById("anteriores"), document.getElementById("ultima"),
    document.getElementById("anuncio"));

// One run of the program: a fresh instance of it, as a new process would be,
// with an empty ranking. The instance is made at once, while the page does the rest.
class Execucao {
    disciplina = new DisciplinaDeLinha();
    saida = [];
    escritas = 0;
    status = null;
    terminou = false;
    #jogo = criarAdivinhe({
        wasmBinary: programa,
        ...ligarAoTerminal({
            tirar: (tamanho) => this.disciplina.tirar(tamanho),
            esperar: (tamanho) => this.#esperar(tamanho),
            temLinha: () => this.disciplina.temLinha(),
            escrever: (erro, bytes) => this.#escrever(erro, bytes),
        }),
    });

    async rodar() {
        const jogo = await this.#jogo;
        assumirOsErros();
        this.status = await jogo.ccall("main", "number", [], [], { async: true });
    }

    // The program waits for the player, having found no line typed: the screen is complete.
    #esperar(tamanho) {
        tela.anunciar();
        return this.disciplina.esperar(tamanho);
    }

    #escrever(erro, bytes) {
        if (!erro) {
            if (GUARDAR_A_SAIDA) {
                this.saida.push(bytes);
            }
            this.escritas += 1;
        }
        tela.escrever(bytes);
    }
}

let execucao = new Execucao();

// Until a program has started, an error means that this browser cannot run it,
// which iniciar.js tells; from then on an error ends the run it stopped. Any
// error: a page opened from the disk may be told only "Script error.".
let assumiu = false;
function assumirOsErros() {
    if (assumiu) {
        return;
    }
    assumiu = true;
    const parar = () => encerrar(execucao, PAROU_POR_UM_ERRO);
    addEventListener("error", parar);
    addEventListener("unhandledrejection", parar);
    document.dispatchEvent(new Event("adivinhe-rodando"));
}

function encerrar(esta, fim) {
    if (esta.terminou) {
        return;
    }
    esta.terminou = true;
    tela.ecoar(fim.tela);
    tela.anunciar(fim.anuncio);
    deNovo.hidden = false;
}

async function jogar() {
    deNovo.hidden = true;
    const esta = execucao;
    try {
        await esta.rodar();
    } catch (erro) {
        if (!assumiu) {
            throw erro;
        }
        console.error(erro);
        encerrar(esta, PAROU_POR_UM_ERRO);
    }
    encerrar(esta, FIM_DO_JOGO);
}

// As a new process in the same terminal, the new run starts by clearing the screen.
function jogarDeNovo() {
    execucao = new Execucao();
    jogar();
}

// The lines typed, with their line feeds, or what Ctrl-D handed over, go to the
// program while it runs, echoed on the screen. Once it has ended, a line's ENTER
// starts it again, and the lines after that one go to the new run.
function entregar(texto) {
    aoEntregar(linha, texto);
    if (execucao.terminou) {
        const fim = texto.indexOf("\n") + 1;
        if (fim === 0) {
            return;
        }
        jogarDeNovo();
        texto = texto.slice(fim);
        if (texto === "") {
            return;
        }
    }
    tela.ecoar(texto);
    execucao.disciplina.entregar(texto);
}

const entregarALinha = ligarALinha(linha, entregar);
ligarTecladoNumerico(document.getElementById("teclado"), linha, entregarALinha);
acompanharATela(document.getElementById("console"));
ligarOFoco(linha, deNovo);
deNovo.addEventListener("click", jogarDeNovo);

// For the tests: what the program of this run has written to its standard output
// (at #teste only), and the screen.
globalThis.adivinhe = {
    saida: () => execucao.saida.map((bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("")).join(""),
    escritas: () => execucao.escritas,
    esperando: () => execucao.disciplina.esperando(),
    status: () => execucao.status,
    tela: () => tela.texto(),
};

jogar();
