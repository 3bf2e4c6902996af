// The terminal takes all the room the page leaves it, whatever the screen, and
// the program's bytes are the same at every size. On a touch screen its text is
// 14 CSS px, so that a phone held upright shows 40 columns; elsewhere it is the
// terminal's own 15. When an on-screen keyboard takes part of the screen, the
// page shrinks to what is left, and the line being typed stays in view.
const LETRA_NO_TOQUE = 14;
const LETRA = 15;
export const toque = matchMedia("(pointer: coarse)");

export function acompanharATela(terminal, ajuste, elemento) {
    let pedido = 0;
    const ajustar = () => {
        pedido = 0;
        terminal.options.fontSize = toque.matches ? LETRA_NO_TOQUE : LETRA;
        ajuste.fit();
        terminal.scrollToBottom();
    };
    const pedirAjuste = () => {
        pedido ||= requestAnimationFrame(ajustar);
    };
    new ResizeObserver(pedirAjuste).observe(elemento);
    toque.addEventListener("change", pedirAjuste);
    acompanharOTecladoDoAparelho();
    ajustar();
}

// Safari leaves the page's size alone when its keyboard opens and shrinks only
// the visible part: the page is made that size. A zoom shrinks the visible part
// too, but by its scale, which this undoes.
function acompanharOTecladoDoAparelho() {
    const visivel = globalThis.visualViewport;
    if (!visivel) {
        return;
    }
    visivel.addEventListener("resize", () => {
        document.documentElement.style.height = `${visivel.height * visivel.scale}px`;
        if (visivel.scale === 1) {
            window.scrollTo(0, 0);
        }
    });
}
