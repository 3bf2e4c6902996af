// The console takes the room the page leaves it, its text sized by the style
// sheet, and scrolls; its last line, where the player types, stays in view when
// the program writes and when the room changes, as when a phone is turned or
// its keyboard opens.
export function acompanharATela(quadro) {
    const manterALinhaAVista = () => {
        quadro.scrollTop = quadro.scrollHeight;
    };
    new ResizeObserver(manterALinhaAVista).observe(quadro);
    new MutationObserver(manterALinhaAVista).observe(quadro,
        { subtree: true, childList: true, attributeFilter: ["hidden"] });
    acompanharOTecladoDoAparelho();
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
