// How the compiled program and the page call each other. The program calls these
// functions of its module, by these names (src/console/sistema_pagina.cpp); each
// goes to the terminal the page gives it, which takes a line typed (tirar: null
// when none is), waits for one (esperar), tells whether one is typed (temLinha),
// and draws what the program writes (escrever).
export const ligarAoTerminal = (terminal) => ({
    tirarDaLinha: (tamanho) => terminal.tirar(tamanho),
    esperarPelaLinha: (tamanho) => terminal.esperar(tamanho),
    temLinhaDigitada: () => terminal.temLinha(),
    escreverNaTela: (erro, bytes) => terminal.escrever(erro, bytes),
});
