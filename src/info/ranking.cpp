#include "info/ranking.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

std::array<Jogador, MAX_RANKING> ranking{};
int qtd_ranking = 0;

namespace {

template <std::size_t N>
void copiarTexto(std::array<char, N>& destino, const char* origem) {
    const std::size_t tamanho = std::min(std::strlen(origem), N - 1);
    std::memcpy(destino.data(), origem, tamanho);
    destino[tamanho] = '\0';
}

}  // namespace

// Once the table is full, later results are dropped, whatever their points.
void adicionarRanking(const char* nome, int pontos, const char* resultado) {
    if (qtd_ranking < MAX_RANKING) {
        Jogador& novo = ranking[static_cast<std::size_t>(qtd_ranking)];
        copiarTexto(novo.nome, nome);
        novo.pontos = pontos;
        copiarTexto(novo.resultado, resultado);
        ++qtd_ranking;
    }
    // On equal points the earlier result stays first.
    if (qtd_ranking == MAX_RANKING && ranking[0].pontos < ranking[1].pontos) {
        std::swap(ranking[0], ranking[1]);
    }
}

void mostrarRanking() {
    limparTela();
    imprimirLinha("=========== RANKING ===========");
    if (qtd_ranking == 0) {
        imprimirLinha("\nNenhum jogador ainda.");
    }
    for (int i = 0; i < qtd_ranking; ++i) {
        const Jogador& jogador = ranking[static_cast<std::size_t>(i)];
        escrever("%d - %s | %s | %d pontos\n", i + 1, jogador.nome, jogador.resultado.data(), jogador.pontos);
    }
    pausar("\nENTER para voltar...");
}
