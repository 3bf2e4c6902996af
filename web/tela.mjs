// The screen, as page text: what the program wrote since its last clear, with
// each line typed echoed where it was typed, as a terminal shows it. The
// program's bytes are UTF-8, and a write may end in the middle of a character
// or of a control sequence. The clear (ESC [ 2 J, or ESC [ 3 J) empties the
// screen; every other control sequence or character is dropped.
//
// A screen reader hears each screen once, when the program waits for a line:
// what the program wrote since it last waited, from the last clear on, never
// what the player typed.
const ESC = "\x1b";
const CONTROLE = /[\x00-\x09\x0b-\x1f\x7f-\x9f]/g;
const LIMPEZA = /^\[[23]J$/;

// An escape sequence ends at its second character, or, after ESC [, at a final byte.
const terminou = (sequencia) => sequencia[0] !== "[" || /[\x40-\x7e]$/.test(sequencia.slice(1));

export class Tela {
    #anteriores;
    #ultima;
    #anuncio;
    #texto = "";
    #novo = "";
    #decodificador = new TextDecoder();
    #sequencia = null;

    // Every line but the last goes to anteriores, the last to ultima, beside the
    // input; each announcement is a paragraph of its own in the live region anuncio.
    constructor(anteriores, ultima, anuncio) {
        this.#anteriores = anteriores;
        this.#ultima = ultima;
        this.#anuncio = anuncio;
    }

    texto() {
        return this.#texto;
    }

    escrever(bytes) {
        this.#acrescentar(this.#filtrar(this.#decodificador.decode(bytes, { stream: true })));
    }

    // Text of the page's own, such as the echo, which is not announced.
    ecoar(texto) {
        this.#texto += texto;
        this.#mostrar();
    }

    // What the program wrote since the last announcement, with extra after it.
    anunciar(extra = "") {
        const texto = this.#novo + extra;
        this.#novo = "";
        if (texto.trim() === "") {
            return;
        }
        const paragrafo = document.createElement("p");
        paragrafo.textContent = texto;
        this.#anuncio.replaceChildren(paragrafo);
    }

    // A new run: an empty screen, and nothing left of the last run's bytes.
    recomecar() {
        this.#decodificador = new TextDecoder();
        this.#sequencia = null;
        this.#limpar();
    }

    #acrescentar(texto) {
        this.#texto += texto;
        this.#novo += texto;
        this.#mostrar();
    }

    #limpar() {
        this.#texto = "";
        this.#novo = "";
        this.#anuncio.replaceChildren();
        this.#mostrar();
    }

    // What stays visible of a piece of output: its text after the last clear in it.
    #filtrar(pedaco) {
        let visivel = "";
        let inicio = 0;
        for (let i = 0; i < pedaco.length; ++i) {
            if (this.#sequencia === null && pedaco[i] !== ESC) {
                continue;
            }
            if (this.#sequencia === null) {
                visivel += pedaco.slice(inicio, i);
                this.#sequencia = "";
                continue;
            }
            this.#sequencia += pedaco[i];
            if (terminou(this.#sequencia)) {
                if (LIMPEZA.test(this.#sequencia)) {
                    visivel = "";
                    this.#limpar();
                }
                this.#sequencia = null;
                inicio = i + 1;
            }
        }
        if (this.#sequencia === null) {
            visivel += pedaco.slice(inicio);
        }
        return visivel.replace(CONTROLE, "");
    }

    #mostrar() {
        const fim = this.#texto.lastIndexOf("\n") + 1;
        this.#anteriores.textContent = this.#texto.slice(0, fim);
        this.#ultima.textContent = this.#texto.slice(fim);
    }
}
