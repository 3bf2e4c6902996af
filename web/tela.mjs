// The screen, as page text: what the program wrote since its last clear, with
// each line typed echoed where it was typed, as a terminal shows it. The
// program's bytes are UTF-8, and a write may end in the middle of a character
// or of a control sequence. The clear (ESC [ 2 J, or ESC [ 3 J) empties the
// screen; every other control sequence or character is dropped.
//
// Like a terminal's scrollback, the screen is bounded: it keeps the last lines,
// and of a line too long to be read, its end. Each write costs what it adds,
// however much the screen holds, so that a flood of pasted lines passes in time
// that grows with the lines.
//
// A screen reader hears each screen once, when the program waits for a line:
// the last screen of what the program wrote since it last waited, from the last
// clear on, never what the player typed.
const ESC = "\x1b";
const CONTROLE = /[\x00-\x09\x0b-\x1f\x7f-\x9f]/g;
const LIMPEZA = /^\[[23]J$/;
// What the screen keeps, as tmux's default history does: its last lines, and of
// a line longer than can be read, its end.
export const ROLAGEM = { linhas: 2000, caracteres: 10_000 };
// What a screen of 24 lines, of about 80 columns, holds.
export const ANUNCIO = { linhas: 24, caracteres: 2000 };

// An escape sequence ends at its second character, or, after ESC [, at a final byte.
const terminou = (sequencia) => sequencia[0] !== "[" || /[\x40-\x7e]$/.test(sequencia.slice(1));

// The last characters of a text, with no half of a character cut off at the start.
function ultimos(texto, caracteres) {
    const fim = texto.length > caracteres ? texto.slice(-caracteres) : texto;
    return /^[\udc00-\udfff]/.test(fim) && fim !== texto ? fim.slice(1) : fim;
}

const ultimasLinhas = (texto, linhas) => texto.split("\n").slice(-linhas).join("\n");

export class Tela {
    #anteriores;
    #ultima;
    #anuncio;
    // Counted, not asked of the DOM: a node list's length is a walk of it in some engines.
    #linhas = 0;
    #novo = "";
    #decodificador = new TextDecoder();
    #sequencia = null;

    // Every line but the last goes to anteriores, a text node each, and the last
    // to ultima, beside the input; each announcement is a paragraph of its own in
    // the live region anuncio. The page comes with the program's first screen
    // already drawn, its lines in one text: they are split here as the rest are.
    constructor(anteriores, ultima, anuncio) {
        this.#anteriores = anteriores;
        this.#ultima = ultima;
        this.#anuncio = anuncio;
        const linhas = anteriores.textContent.split("\n");
        linhas.pop();
        anteriores.replaceChildren(...linhas.map((linha) => `${linha}\n`));
        this.#linhas = linhas.length;
    }

    // What the screen holds; for the tests.
    texto() {
        return this.#anteriores.textContent + this.#ultima.textContent;
    }

    escrever(bytes) {
        const texto = this.#filtrar(this.#decodificador.decode(bytes, { stream: true }));
        this.#mostrar(texto);
        this.#novo = ultimos(this.#novo + texto, ANUNCIO.caracteres);
    }

    // Text of the page's own, such as the echo, which is not announced.
    ecoar(texto) {
        this.#mostrar(texto);
    }

    // The last screen of what the program wrote since the last announcement, with extra after it.
    anunciar(extra = "") {
        const texto = ultimasLinhas(this.#novo, ANUNCIO.linhas) + extra;
        this.#novo = "";
        if (texto.trim() === "") {
            return;
        }
        const paragrafo = this.#anuncio.ownerDocument.createElement("p");
        paragrafo.textContent = texto;
        this.#anuncio.replaceChildren(paragrafo);
    }

    // The first screen, drawn before the program ran, is hidden from screen
    // readers: they hear the program's own, once, when it waits.
    #limpar() {
        this.#anteriores.removeAttribute("aria-hidden");
        this.#ultima.removeAttribute("aria-hidden");
        this.#anteriores.textContent = "";
        this.#ultima.textContent = "";
        this.#linhas = 0;
        this.#novo = "";
        this.#anuncio.replaceChildren();
    }

    // What stays visible of a piece of output: its text after the last clear in it.
    #filtrar(pedaco) {
        let visivel = "";
        let inicio = 0;
        for (let i = 0; i < pedaco.length; ++i) {
            if (this.#sequencia === null) {
                i = pedaco.indexOf(ESC, i);
                if (i < 0) {
                    break;
                }
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

    // The text goes after what is there: the last line grows, and each line it
    // ends goes up, a text node of its own, the oldest leaving once the screen
    // holds as many as it keeps.
    #mostrar(texto) {
        const linhas = (this.#ultima.textContent + texto).split("\n");
        this.#ultima.textContent = ultimos(linhas.pop(), ROLAGEM.caracteres);
        const guardadas = linhas.slice(-(ROLAGEM.linhas - 1));
        this.#anteriores.append(...guardadas.map((linha) => `${ultimos(linha, ROLAGEM.caracteres)}\n`));
        for (this.#linhas += guardadas.length; this.#linhas > ROLAGEM.linhas - 1; --this.#linhas) {
            this.#anteriores.firstChild.remove();
        }
    }
}
