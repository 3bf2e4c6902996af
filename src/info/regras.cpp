#include "info/regras.hpp"

#include "console/console.hpp"
#include "game/jogo.hpp"

// The levels and modes are those of the play and difficulty menus, read from the same tables.
void mostrarRegras() {
    limparTela();
    imprimirLinha("=========== REGRAS ===========");
    imprimirLinha("\nObjetivo: adivinhar o numero secreto.");
    imprimirLinha("\nDificuldades:");
    for (const Dificuldade& nivel : DIFICULDADES) {
        escrever("%s: 1 a %d - %d vidas\n", nivel.nome, nivel.maximo, nivel.vidas);
    }
    imprimirLinha("\nModos:");
    listarModos();
    escrever("\nPontuacao = vidas restantes x %d\n", PONTOS_POR_VIDA);
    pausar("\nENTER para voltar...");
}
