// The game on a page of its own. The program, compiled to WebAssembly, writes its
// bytes to the screen, which is page text, and reads the lines typed into a real
// input, as it reads a terminal in canonical mode. This module wires them
// together: the screen, the line, the keypad, and the runs.
import criarAdivinhe from "adivinhe-jogo";
import programa from "adivinhe-wasm";
import { DisciplinaDeLinha, ligarALinha } from "./disciplina.mjs";
import { acompanharATela, toque } from "./tamanho.mjs";
import { Tela } from "./tela.mjs";
import { ligarTecladoNumerico } from "./teclado_numerico.mjs";

const FIM_DO_JOGO = "\n[Fim do jogo.]\n[Tecle ENTER para jogar de novo.]\n";
const FIM_DO_JOGO_ANUNCIADO = "Fim do jogo. Tecle ENTER para jogar de novo.";

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
    #jogo = criarAdivinhe({
        wasmBinary: programa,
        tirarDaLinha: (tamanho) => this.disciplina.tirar(tamanho),
        esperarPelaLinha: (tamanho) => this.#esperar(tamanho),
        temLinhaDigitada: () => this.disciplina.temLinha(),
        escreverNaTela: (erro, bytes) => this.#escrever(erro, bytes),
    });

    async rodar() {
        const jogo = await this.#jogo;
        this.status = await jogo.ccall("main", "number", [], [], { async: true });
        return this.status;
    }

    // The program waits for the player, having found no line typed: the screen is complete.
    #esperar(tamanho) {
        tela.anunciar();
        return this.disciplina.esperar(tamanho);
    }

    #escrever(erro, bytes) {
        if (!erro) {
            this.saida.push(bytes);
            this.escritas += 1;
        }
        tela.escrever(bytes);
    }
}

let execucao = new Execucao();

async function jogar() {
    deNovo.hidden = true;
    await execucao.rodar();
    tela.ecoar(FIM_DO_JOGO);
    tela.anunciar(FIM_DO_JOGO_ANUNCIADO);
    deNovo.hidden = false;
}

// As a new process in the same terminal, the new run starts by clearing the screen.
function jogarDeNovo() {
    execucao = new Execucao();
    jogar();
}

// The lines typed, with their line feeds, or what Ctrl-D handed over, go to the
// program while it runs, echoed on the screen. Once it has ended, a line's ENTER
// starts it again, and the lines after that one go to the new run.
function enviar(texto) {
    if (execucao.status !== null) {
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

const entregarLinha = ligarALinha(linha, enviar);
ligarTecladoNumerico(document.getElementById("teclado"), linha, entregarLinha);

// On a touch screen the focus would open the phone's keyboard over the keypad:
// there the line takes it only when the screen is tapped, for the names.
const focarALinha = () => linha.focus({ preventScroll: true });
document.body.addEventListener("click", (e) => {
    if (!e.target.closest("button, input") && getSelection().isCollapsed) {
        focarALinha();
    }
});
deNovo.addEventListener("click", () => {
    if (!toque.matches) {
        focarALinha();
    }
    jogarDeNovo();
});

// For the tests: what the program of this run has written to its standard output, and the screen.
globalThis.adivinhe = {
    saida: () => execucao.saida.map((bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("")).join(""),
    escritas: () => execucao.escritas,
    esperando: () => execucao.disciplina.esperando(),
    status: () => execucao.status,
    tela: () => tela.texto(),
};

acompanharATela(document.getElementById("console"));
if (!toque.matches) {
    focarALinha();
}
jogar();
