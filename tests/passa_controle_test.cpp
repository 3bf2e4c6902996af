#include "game/jogo.hpp"
#include "jogo_apoio.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string INICIO =
    LIMPA + "Nome do mestre: Nome do jogador: " + MENU_DIFICULDADE + "\nMia escolha o numero: ";

TEST(PassaControle, ONumeroDoMestreSaiDaTelaEAsRodadasSeSeguem) {
    Sessao sessao("Mia\nLeo\n2\n101\n40\n10\n\n90\n\n40\n\n");
    passaControle();
    EXPECT_EQ(sessao.saida(), INICIO + reperguntar(1, 100) + LIMPA +
                                  "Jogador: Leo\nVidas: 7\nPalpite: MAIOR\n" + ENTER +
                                  "Jogador: Leo\nVidas: 6\nPalpite: MENOR\n" + ENTER +
                                  "Jogador: Leo\nVidas: 5\nPalpite: \nAcertou!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Leo", 50, "Vencedor"}, {"Mia", 0, "Mestre"}}));
}

TEST(PassaControle, NaoUsaOGeradorAleatorio) {
    std::srand(37);
    const int primeiro = std::rand();
    std::srand(37);
    Sessao sessao("Mia\nLeo\n3\n5\n1\n\n2\n\n3\n\n4\n\n6\n\n");
    passaControle();
    EXPECT_EQ(std::rand(), primeiro);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Mia", 100, "Vencedor"}, {"Leo", 0, "Derrotado"}}));
}

}  // namespace
