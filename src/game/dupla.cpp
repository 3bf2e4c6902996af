#include "console/console.hpp"
#include "game/jogo.hpp"
#include "info/ranking.hpp"

#include <array>
#include <cstddef>

namespace {

struct Participante {
    Nome nome;
    int vidas;
};

using Dupla = std::array<Participante, 2>;

void mostrarPlacar(const Dupla& dupla) {
    limparTela();
    imprimirLinha("======= DUPLA =======");
    escrever("%s: %d vidas\n", dupla[0].nome, dupla[0].vidas);
    escrever("%s: %d vidas\n\n", dupla[1].nome, dupla[1].vidas);
}

bool temVidas(const Dupla& dupla) {
    return dupla[0].vidas > 0 || dupla[1].vidas > 0;
}

// After a miss the turn passes to the other player, while they have lives left;
// so the player whose turn it is always has a life to play.
std::size_t passarAVez(const Dupla& dupla, std::size_t vez) {
    const std::size_t outro = 1 - vez;
    return dupla[outro].vidas > 0 ? outro : vez;
}

// Plays one guess a turn until a hit or until both are out of lives; returns
// the player who hit, or none.
const Participante* disputar(Dupla& dupla, int maximo, int secreto) {
    std::size_t vez = 0;
    while (temVidas(dupla)) {
        mostrarPlacar(dupla);
        Participante& daVez = dupla[vez];
        escrever("Vez de %s\n", daVez.nome);
        const int palpite = lerPalpite(maximo);
        if (palpite == secreto) {
            return &daVez;
        }
        --daVez.vidas;
        imprimirLinha(obterDica(palpite, secreto));
        vez = passarAVez(dupla, vez);
        pausarJogo();
    }
    return nullptr;
}

// The winner is recorded first; the loser also scores the lives left to them.
void registrarResultado(const Dupla& dupla, const Participante* vencedor) {
    limparTela();
    if (vencedor == nullptr) {
        imprimirLinha("Os dois perderam!");
        adicionarRanking(dupla[0].nome.data(), 0, DERROTADO);
        adicionarRanking(dupla[1].nome.data(), 0, DERROTADO);
        return;
    }
    const Participante& perdedor = vencedor == &dupla[1] ? dupla[0] : dupla[1];
    escrever("%s venceu!\n", vencedor->nome);
    adicionarRanking(vencedor->nome.data(), calcularPontos(vencedor->vidas), VENCEDOR);
    adicionarRanking(perdedor.nome.data(), calcularPontos(perdedor.vidas), DERROTADO);
}

}  // namespace

void jogarDupla() {
    limparTela();
    Dupla dupla{};
    escrever("Nome jogador 1: ");
    lerNome(dupla[0].nome);
    escrever("Nome jogador 2: ");
    lerNome(dupla[1].nome);
    int maximo = 0;
    dupla[0].vidas = escolherDificuldade(maximo);
    dupla[1].vidas = dupla[0].vidas;
    const int secreto = sortearNumero(maximo);
    registrarResultado(dupla, disputar(dupla, maximo, secreto));
    pausarJogo();
}
