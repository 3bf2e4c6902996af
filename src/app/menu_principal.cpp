#include "app/menu_principal.hpp"

#include "console/console.hpp"
#include "game/jogo.hpp"
#include "info/ranking.hpp"
#include "info/regras.hpp"

namespace {

constexpr int SAIR = 4;

int escolherOpcao() {
    limparTela();
    imprimirLinha("======= ADIVINHE O NUMERO =======");
    imprimirLinha("1 - Jogar");
    imprimirLinha("2 - Ranking");
    imprimirLinha("3 - Regras");
    imprimirLinha("4 - Sair");
    escrever("Opcao: ");
    return VerificarNum(1, SAIR);
}

void abrirOpcao(int opcao) {
    switch (opcao) {
        case 1:
            menuJogar();
            break;
        case 2:
            mostrarRanking();
            break;
        default:
            mostrarRegras();
            break;
    }
}

}  // namespace

int menuPrincipal() {
    int status = 0;
    try {
        for (int opcao = escolherOpcao(); opcao != SAIR; opcao = escolherOpcao()) {
            abrirOpcao(opcao);
        }
    } catch (const FimDaEntrada&) {
        escrever("\n");
        status = 1;
    }
    descarregarSaida();
    return status;
}
