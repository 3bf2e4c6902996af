// Where the focus goes, which decides whether a phone's keyboard covers the page.
// With a mouse and keyboard the line has it from the start, and a click on the
// page, or on "Jogar de novo", gives it back. On a touch screen (a coarse pointer)
// the focus would open the phone's keyboard over the keypad: there the line takes
// it only when ABC or the screen is tapped, for the letters of a name, and gives
// it up when a line is handed over, so that the keypad is in view for the numbers.
const toque = matchMedia("(pointer: coarse)");

export const focarALinha = (linha) => linha.focus({ preventScroll: true });

export function ligarOFoco(linha, deNovo) {
    document.body.addEventListener("click", (e) => {
        if (!e.target.closest("button, input") && getSelection().isCollapsed) {
            focarALinha(linha);
        }
    });
    deNovo.addEventListener("click", () => {
        if (!toque.matches) {
            focarALinha(linha);
        }
    });
    if (!toque.matches) {
        focarALinha(linha);
    }
}

export function aoEntregar(linha, texto) {
    if (toque.matches && texto.endsWith("\n")) {
        linha.blur();
    }
}
