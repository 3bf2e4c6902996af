// Text typed on a phone's own keyboard. Android's keyboards send a key whose code
// is 229 and put the text in with an input event; the terminal's own handling of
// that key looks for the text a moment later, and may miss it, or take it as the
// input event is taken too. So the terminal leaves those keys alone, and the
// text, or the deletion, is taken from the input event, unless a key that the
// terminal handled has given it already: for a screen reader's sake the terminal
// lets such a key put its text in too. Composed words stay the terminal's: they
// arrive whole on its own path.
const TECLA_DE_COMPOSICAO = 229;
const APAGAR = "\x7f";

export function receberTextoDoAparelho(terminal, elemento, enviar) {
    let teclaJaDeuOTexto = false;
    terminal.attachCustomKeyEventHandler((e) => e.type !== "keydown" || e.keyCode !== TECLA_DE_COMPOSICAO);
    terminal.onData(() => {
        teclaJaDeuOTexto = true;
    });
    // Capturing on the terminal's element comes before the terminal's own listeners.
    elemento.addEventListener("keydown", () => {
        teclaJaDeuOTexto = false;
    }, true);
    elemento.addEventListener("input", (e) => {
        const jaDado = teclaJaDeuOTexto;
        teclaJaDeuOTexto = false;
        const dados = e.inputType === "insertText" ? e.data : e.inputType === "deleteContentBackward" ? APAGAR : null;
        if (jaDado || e.isComposing || !dados) {
            return;
        }
        // Taken here, it must not be taken again by the terminal.
        e.stopPropagation();
        enviar(dados);
    }, true);
}
