#include "console/console.hpp"
#include "game/jogo.hpp"
#include "info/ranking.hpp"

namespace {

// The master types the secret; the screen is then cleared so that the player
// does not see it, and not again: each turn's lines follow the previous ones.
int pedirNumeroAoMestre(const Nome& mestre, int maximo) {
    escrever("\n%s escolha o numero: ", mestre);
    const int secreto = VerificarNum(1, maximo);
    limparTela();
    return secreto;
}

bool tentarPassaControle(const Nome& jogador, int& vidas, int maximo, int secreto) {
    escrever("Jogador: %s\n", jogador);
    escrever("Vidas: %d\n", vidas);
    const int palpite = lerPalpite(maximo);
    if (palpite == secreto) {
        imprimirLinha("\nAcertou!");
        return true;
    }
    --vidas;
    imprimirLinha(obterDica(palpite, secreto));
    if (vidas > 0) {
        pausarJogo();
    }
    return false;
}

}  // namespace

void passaControle() {
    limparTela();
    Nome mestre{};
    Nome jogador{};
    escrever("Nome do mestre: ");
    lerNome(mestre);
    escrever("Nome do jogador: ");
    lerNome(jogador);
    int maximo = 0;
    int vidas = escolherDificuldade(maximo);
    const int secreto = pedirNumeroAoMestre(mestre, maximo);
    bool acertou = false;
    while (vidas > 0 && !acertou) {
        acertou = tentarPassaControle(jogador, vidas, maximo, secreto);
    }
    if (acertou) {
        adicionarRanking(jogador.data(), calcularPontos(vidas), VENCEDOR);
        adicionarRanking(mestre.data(), 0, MESTRE);
    } else {
        imprimirLinha("\nO mestre venceu!");
        adicionarRanking(mestre.data(), PONTOS_DO_MESTRE, VENCEDOR);
        adicionarRanking(jogador.data(), 0, DERROTADO);
    }
    pausarJogo();
}
