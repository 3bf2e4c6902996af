// What a terminal in canonical mode does with the line: the browser edits it in
// a real input, so that every keyboard, input method and paste works as on any
// form; ENTER hands it over, Ctrl-D at its start ends the input; and the lines
// handed over wait, in order, for the program's reads, however early they came.
const FIM_DA_ENTRADA = new Uint8Array(0);
const codificador = new TextEncoder();
const QUEBRA = /\r\n|\r|\n/;
const LF = 0x0a;

export class DisciplinaDeLinha {
    // Each handing over is a block of bytes: a line, a paste's many lines, or
    // the end of the input. A read takes from the first block up to its next
    // line feed, so that a pasted flood is encoded once and cut as it is read.
    // The queue is taken from its head, not shifted: a shift of a long array
    // moves all the rest.
    #blocos = [];
    #primeiro = 0;
    #lidos = 0;
    #leitor = null;

    temLinha() {
        return this.#primeiro < this.#blocos.length;
    }

    // Whether the program waits for a line not typed yet.
    esperando() {
        return this.#leitor !== null;
    }

    // A read that found no line, as tirar tells, waits for the next one handed
    // over, and takes at most tamanho bytes of it; no bytes at the end of the input.
    esperar(tamanho) {
        return new Promise((devolver) => {
            this.#leitor = () => devolver(this.tirar(tamanho));
        });
    }

    // Lines, each with its line feed, and after them what Ctrl-D handed over
    // without one: nothing at all is the end of the input.
    entregar(texto) {
        this.#blocos.push(texto === "" ? FIM_DA_ENTRADA : codificador.encode(texto));
        this.#acordarLeitor();
    }

    #acordarLeitor() {
        const leitor = this.#leitor;
        this.#leitor = null;
        leitor?.();
    }

    // A read that finds a line handed over takes at most tamanho bytes of it, at
    // once; null when there is none, and the read would wait.
    tirar(tamanho) {
        if (!this.temLinha()) {
            return null;
        }
        const bloco = this.#blocos[this.#primeiro];
        const inicio = this.#lidos;
        const fim = Math.min(bloco.indexOf(LF, inicio) + 1 || bloco.length, inicio + tamanho);
        this.#lidos = fim;
        if (fim === bloco.length) {
            this.#passarAoProximoBloco();
        }
        return bloco.subarray(inicio, fim);
    }

    #passarAoProximoBloco() {
        this.#blocos[this.#primeiro++] = undefined;
        this.#lidos = 0;
        if (!this.temLinha()) {
            this.#blocos = [];
            this.#primeiro = 0;
        }
    }
}

// Hands the input's text to entregar: with a line feed on ENTER, whether it comes
// as a key or, from some phones' keyboards, as a line break put in; and without
// one on Ctrl-D. A key that an input method is composing with is the method's.
// A paste of several lines hands over its whole lines at once, each with its
// line feed, and keeps the last part.
// Returns what hands the line over, for the page's own ENTER key.
export function ligarALinha(linha, entregar) {
    const tirar = () => {
        const texto = linha.value;
        linha.value = "";
        return texto;
    };
    const entregarALinha = () => entregar(`${tirar()}\n`);

    linha.addEventListener("keydown", (e) => {
        if (e.isComposing || e.keyCode === 229) {
            return;
        }
        if (e.key === "Enter") {
            e.preventDefault();
            entregarALinha();
        } else if (e.key.toLowerCase() === "d" && e.ctrlKey && !e.altKey && !e.metaKey) {
            e.preventDefault();
            entregar(tirar());
        }
    });
    linha.addEventListener("beforeinput", (e) => {
        if (e.inputType === "insertLineBreak" || e.inputType === "insertParagraph") {
            e.preventDefault();
            entregarALinha();
        } else if (e.inputType === "insertText" && QUEBRA.test(e.data ?? "")) {
            e.preventDefault();
            colar(linha, e.data, entregar);
        }
    });
    linha.addEventListener("paste", (e) => {
        const texto = e.clipboardData?.getData("text/plain") ?? "";
        if (QUEBRA.test(texto)) {
            e.preventDefault();
            colar(linha, texto, entregar);
        }
    });
    return entregarALinha;
}

// The pasted lines go to entregar together; the input is changed once, not once a line.
function colar(linha, texto, entregar) {
    const partes = texto.split(QUEBRA);
    linha.setRangeText(partes[0], linha.selectionStart, linha.selectionEnd, "end");
    partes[0] = linha.value;
    linha.value = partes.pop();
    entregar(`${partes.join("\n")}\n`);
}
