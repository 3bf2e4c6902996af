// An element of the screen as text alone, with just what the screen asks of one:
// text nodes appended, the first removed, all replaced. The page is built with
// it, drawing the program's first screen before any browser runs the program.
const no = (filho) => (typeof filho === "string" ? { textContent: filho } : filho);

export class ElementoDeTexto {
    filhos = [];

    get textContent() {
        return this.filhos.map((filho) => filho.textContent).join("");
    }

    set textContent(texto) {
        this.filhos = texto === "" ? [] : [no(texto)];
    }

    get firstChild() {
        return { remove: () => this.filhos.shift() };
    }

    append(...filhos) {
        this.filhos.push(...filhos.map(no));
    }

    replaceChildren(...filhos) {
        this.filhos = filhos.map(no);
    }

    // It has none.
    removeAttribute() {}

    // Its document makes elements as text alone too.
    get ownerDocument() {
        return { createElement: () => new ElementoDeTexto() };
    }
}
