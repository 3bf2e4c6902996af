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

// Returns 0 after "4 - Sair" and 1 when input ends. When input ends or fails,
// the last line is closed, so that what follows starts on a line of its own.
int jogarAteOFim() {
    try {
        for (int opcao = escolherOpcao(); opcao != SAIR; opcao = escolherOpcao()) {
            abrirOpcao(opcao);
        }
        return 0;
    } catch (const FimDaEntrada&) {
        escrever("\n");
        return 1;
    } catch (const FalhaDoSistema& falha) {
        if (falha.em == FalhaDoSistema::Em::leitura) {
            escrever("\n");
            descarregarSaida();
        }
        throw;
    }
}

}  // namespace

int menuPrincipal() {
    try {
        const int status = jogarAteOFim();
        descarregarSaida();
        return status;
    } catch (const FalhaDoSistema& falha) {
        relatarFalha(falha);
        return 2;
    }
}
