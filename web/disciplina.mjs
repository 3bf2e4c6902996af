// What a terminal in canonical mode does with the keys: echoes them, lets the
// line be edited until ENTER, and keeps the lines handed over, in order, for the
// reads, however early they were typed.
const FIM_DA_ENTRADA = new Uint8Array(0);
const codificador = new TextEncoder();

export class DisciplinaDeLinha {
    #ecoar;
    #prontos = [];
    #linha = [];
    #leitor = null;

    // ecoar shows on the terminal what the keys typed put there.
    constructor(ecoar) {
        this.#ecoar = ecoar;
    }

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
                this.#ecoar("\r\n");
                this.#entregar(this.#linha.join("") + "\n");
            } else if (c === "\x7f" || c === "\b") {
                if (this.#linha.pop() !== undefined) {
                    this.#ecoar("\b \b");
                }
            } else if (c === "\x04") {
                this.#entregar(this.#linha.join(""));
            } else if (c === "\x15") {
                this.#ecoar("\b \b".repeat(this.#linha.length));
                this.#linha = [];
            } else if (c >= " " || c === "\t") {
                this.#linha.push(c);
                this.#ecoar(c);
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
