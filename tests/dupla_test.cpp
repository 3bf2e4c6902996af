#include "game/jogo.hpp"
#include "jogo_apoio.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string INICIO_DUPLA = LIMPA + "Nome jogador 1: Nome jogador 2: " + MENU_DIFICULDADE;

// Input for a game at the given level: the misses alternate from player 1, then the final guess.
std::string partida(int nivel, int secreto, int maximo, int erros, const std::string& ultimo) {
    const std::string erro = std::to_string(errar(secreto, maximo)) + "\n\n";
    return "Ana\n  Bia\n" + std::to_string(nivel) + "\n" + repetir(erro, erros) + ultimo;
}

TEST(Dupla, UmaRodadaMostraOPlacarEAVez) {
    const int secreto = 17;
    const SegredoDado dado(secreto);
    Sessao sessao(partida(1, secreto, 50, 1, std::to_string(secreto) + "\n\n"));
    jogarDupla();
    const char* dica = dicaDoErro(secreto);
    EXPECT_EQ(sessao.saida(),
              INICIO_DUPLA + LIMPA +
                  "======= DUPLA =======\nAna: 10 vidas\nBia: 10 vidas\n\nVez de Ana\nPalpite: " + dica +
                  "\n" + ENTER + LIMPA +
                  "======= DUPLA =======\nAna: 9 vidas\nBia: 10 vidas\n\nVez de Bia\nPalpite: " + LIMPA +
                  "Bia venceu!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Bia", 100, "Vencedor"}, {"Ana", 90, "Derrotado"}}));
    EXPECT_EQ(sessao.restante(), "");
}

TEST(Dupla, QuemAcertaEntraPrimeiroEOPerdedorPontuaAsVidasQueTem) {
    struct Caso {
        const char* descricao;
        int erros;
        std::vector<Registro> esperado;
    };
    const Caso casos[] = {
        {"jogador 1 acerta de primeira", 0, {{"Ana", 100, "Vencedor"}, {"Bia", 100, "Derrotado"}}},
        {"jogador 1 acerta no terceiro palpite", 4, {{"Ana", 80, "Vencedor"}, {"Bia", 80, "Derrotado"}}},
        {"jogador 2 acerta no terceiro palpite", 5, {{"Bia", 80, "Vencedor"}, {"Ana", 70, "Derrotado"}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        const int secreto = 31;
        const SegredoDado dado(secreto);
        Sessao sessao(partida(1, secreto, 50, caso.erros, std::to_string(secreto) + "\n\n"));
        jogarDupla();
        EXPECT_EQ(lerRanking(), caso.esperado);
        EXPECT_EQ(sessao.restante(), "");
        EXPECT_TRUE(sessao.saida().ends_with(LIMPA + caso.esperado[0].nome + " venceu!\n" + ENTER));
    }
}

TEST(Dupla, DezErrosNoDificilPerdemOsDois) {
    const int secreto = 120;
    const SegredoDado dado(secreto);
    Sessao sessao(partida(3, secreto, 200, 10, "X"));
    jogarDupla();
    const std::string ultimaRodada =
        "======= DUPLA =======\nAna: 0 vidas\nBia: 1 vidas\n\nVez de Bia\nPalpite: " +
        std::string(dicaDoErro(secreto)) + "\n" + ENTER;
    EXPECT_TRUE(sessao.saida().ends_with(ultimaRodada + LIMPA + "Os dois perderam!\n" + ENTER));
    EXPECT_EQ(sessao.saida().find(std::to_string(secreto) + "\n"), std::string::npos);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Ana", 0, "Derrotado"}, {"Bia", 0, "Derrotado"}}));
    EXPECT_EQ(sessao.restante(), "");
}

TEST(Dupla, ComORankingJaOcupadoSoEntraOVencedor) {
    const int secreto = 77;
    const SegredoDado dado(secreto);
    Sessao sessao(partida(2, secreto, 100, 1, std::to_string(secreto) + "\n\n"));
    adicionarRanking("Caio", 0, "Derrotado");
    jogarDupla();
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Bia", 70, "Vencedor"}, {"Caio", 0, "Derrotado"}}));
}

}  // namespace
