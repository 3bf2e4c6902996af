// The page's own keypad, for touch screens, where every answer but a name is a
// number: each key sends what the same key typed on a keyboard sends. A tap
// leaves the focus where it was, so that a keyboard, or an open on-screen one,
// goes on typing into the terminal.
const DADOS_DAS_TECLAS = { apagar: "\x7f", enter: "\r" };

export function ligarTecladoNumerico(teclado, enviar) {
    for (const evento of ["pointerdown", "mousedown"]) {
        teclado.addEventListener(evento, (e) => e.preventDefault());
    }
    teclado.addEventListener("click", (e) => {
        const tecla = e.target.closest("button[data-tecla]")?.dataset.tecla;
        if (tecla !== undefined) {
            enviar(DADOS_DAS_TECLAS[tecla] ?? tecla);
        }
    });
}
