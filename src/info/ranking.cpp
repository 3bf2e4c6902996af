#include "info/ranking.hpp"

#include "console/console.hpp"

#include <algorithm>
#include <array>
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

// Once the table is full, later results are dropped, whatever their points. A
// new result goes up past those with fewer points, so that the table stays
// ordered whatever its size; on equal points the earlier result stays first.
void adicionarRanking(const char* nome, int pontos, const char* resultado) {
    if (qtd_ranking >= MAX_RANKING) {
        return;
    }
    std::size_t posicao = static_cast<std::size_t>(qtd_ranking++);
    Jogador& novo = ranking[posicao];
    copiarTexto(novo.nome, nome);
    novo.pontos = pontos;
    copiarTexto(novo.resultado, resultado);
    for (; posicao > 0 && ranking[posicao - 1].pontos < ranking[posicao].pontos; --posicao) {
        std::swap(ranking[posicao - 1], ranking[posicao]);
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
