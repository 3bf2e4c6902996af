#include "console/console.hpp"
#include "game/jogo.hpp"
#include "info/ranking.hpp"

namespace {

// One guess on a fresh screen; returns whether it hit. A miss costs a life.
bool tentarSolo(const Nome& nome, int& vidas, int maximo, int secreto) {
    limparTela();
    imprimirLinha("====== SOLO ======");
    escrever("Jogador: %s\n", nome);
    escrever("Vidas: %d\n\n", vidas);
    const int palpite = lerPalpite(maximo);
    if (palpite == secreto) {
        imprimirLinha("\nVoce acertou!");
        return true;
    }
    --vidas;
    escrever("\nO numero e %s.\n", obterDica(palpite, secreto));
    // After the last life the defeat follows at once.
    if (vidas > 0) {
        pausarJogo();
    }
    return false;
}

}  // namespace

void jogarSolo() {
    limparTela();
    Nome nome{};
    escrever("Nome: ");
    lerNome(nome);
    int maximo = 0;
    int vidas = escolherDificuldade(maximo);
    const int secreto = sortearNumero(maximo);
    bool acertou = false;
    while (vidas > 0 && !acertou) {
        acertou = tentarSolo(nome, vidas, maximo, secreto);
    }
    if (acertou) {
        adicionarRanking(nome.data(), calcularPontos(vidas), VENCEDOR);
    } else {
        imprimirLinha("\nVoce perdeu!");
        escrever("Numero: %d\n", secreto);
        adicionarRanking(nome.data(), 0, DERROTADO);
    }
    pausarJogo();
}
