// The page's own keypad, for touch screens, where every answer but a name is a
// number. It edits the same input as the keyboard does: a digit goes in at the
// caret, Apagar deletes as Backspace does, ENTER hands the line over. A tap leaves
// the focus where it was, so that no phone keyboard opens over the keypad, and an
// open one goes on typing into the line; but ABC puts the focus into the line,
// which opens the phone's keyboard, for the letters of a name. In the focused
// line the edit goes through the browser's own editing, which keeps its undo and
// any word being composed; elsewhere it is made on the input's value.
import { focarALinha } from "./foco.mjs";

export function ligarTecladoNumerico(teclado, linha, entregarALinha) {
    for (const evento of ["pointerdown", "mousedown"]) {
        teclado.addEventListener(evento, (e) => e.preventDefault());
    }
    teclado.addEventListener("click", (e) => {
        const tecla = e.target.closest("button[data-tecla]")?.dataset.tecla;
        if (tecla === "letras") {
            focarALinha(linha);
        } else if (tecla === "enter") {
            entregarALinha();
        } else if (tecla === "apagar") {
            editar(linha, "delete", () => apagarAntesDoCursor(linha));
        } else if (tecla !== undefined) {
            editar(linha, "insertText", () => linha.setRangeText(tecla, linha.selectionStart, linha.selectionEnd, "end"),
                tecla);
        }
    });
}

function editar(linha, comando, semFoco, valor) {
    if (document.activeElement !== linha || !document.execCommand(comando, false, valor)) {
        semFoco();
    }
}

// The selection, or else the one character before the caret, whole.
function apagarAntesDoCursor(linha) {
    let { selectionStart: inicio, selectionEnd: fim } = linha;
    if (inicio === fim) {
        inicio = Math.max(0, fim - (/[\udc00-\udfff]/.test(linha.value[fim - 1] ?? "") ? 2 : 1));
    }
    linha.setRangeText("", inicio, fim, "end");
}
