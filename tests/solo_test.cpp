#include "game/jogo.hpp"
#include "jogo_apoio.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string telaSolo(const std::string& nome, int vidas) {
    return LIMPA + "====== SOLO ======\nJogador: " + nome + "\nVidas: " + std::to_string(vidas) +
           "\n\nPalpite: ";
}

const std::string INICIO_SOLO = LIMPA + "Nome: " + MENU_DIFICULDADE;

TEST(Solo, AcertoNoPrimeiroPalpiteDoFacilValeCem) {
    const int secreto = 23;
    const SegredoDado dado(secreto);
    Sessao sessao("Ana\n1\n" + std::to_string(secreto) + "\n\n");
    jogarSolo();
    EXPECT_EQ(sessao.saida(), INICIO_SOLO + telaSolo("Ana", 10) + "\nVoce acertou!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Ana", 100, "Vencedor"}}));
    EXPECT_EQ(sessao.restante(), "");
}

// Both menus read their options from their tables: 0 and 4 lie outside both.
TEST(Solo, OsMenusDeJogoEDeDificuldadeRecusamZeroEQuatro) {
    const int secreto = 8;
    const SegredoDado dado(secreto);
    Sessao sessao("0\n4\n1\nAna\n0\n4\n1\n" + std::to_string(secreto) + "\n\n");
    menuJogar();
    const std::string recusas = repetir(reperguntar(1, 3), 2);
    EXPECT_EQ(sessao.saida(), MENU_JOGAR + recusas + INICIO_SOLO + recusas + telaSolo("Ana", 10) +
                                  "\nVoce acertou!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Ana", 100, "Vencedor"}}));
}

TEST(Solo, CincoErrosNoDificilPerdemEMostramONumero) {
    const int secreto = 150;
    const SegredoDado dado(secreto);
    const std::string erro = std::to_string(errar(secreto, 200)) + "\n";
    Sessao sessao("Bia\n3\n" + repetir(erro + "\n", 4) + erro + "\nX");
    jogarSolo();
    std::string esperado = INICIO_SOLO;
    for (int vidas = 5; vidas >= 1; --vidas) {
        esperado += telaSolo("Bia", vidas) + "\nO numero e " + dicaDoErro(secreto) + ".\n";
        if (vidas > 1) {
            esperado += ENTER;
        }
    }
    esperado += "\nVoce perdeu!\nNumero: " + std::to_string(secreto) + "\n" + ENTER;
    EXPECT_EQ(sessao.saida(), esperado);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Bia", 0, "Derrotado"}}));
    EXPECT_EQ(sessao.restante(), "X");
}

TEST(Solo, AcertoComUmaVidaValeDez) {
    const int secreto = 42;
    const SegredoDado dado(secreto);
    const std::string erro = std::to_string(errar(secreto, 50)) + "\n\n";
    Sessao sessao("Caio\n1\n" + repetir(erro, 9) + std::to_string(secreto) + "\n\n");
    jogarSolo();
    EXPECT_TRUE(sessao.saida().ends_with(telaSolo("Caio", 1) + "\nVoce acertou!\n" + ENTER));
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Caio", 10, "Vencedor"}}));
}

TEST(Solo, PalpiteForaDoIntervaloNaoCustaVida) {
    const int secreto = 199;
    const SegredoDado dado(secreto);
    Sessao sessao("Duda\n3\n201\n0\n" + std::to_string(secreto) + "\n\n");
    jogarSolo();
    EXPECT_EQ(sessao.saida(), INICIO_SOLO + telaSolo("Duda", 5) + repetir(reperguntar(1, 200), 2) +
                                  "\nVoce acertou!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Duda", 50, "Vencedor"}}));
}

TEST(Solo, CadaErroMostraADicaPausaERedesenhaComUmaVidaAMenos) {
    const int secreto = 64;
    const SegredoDado dado(secreto);
    Sessao sessao("Eva\n2\n1\n\n100\n\n" + std::to_string(secreto) + "\n\n");
    jogarSolo();
    EXPECT_EQ(sessao.saida(), INICIO_SOLO + telaSolo("Eva", 7) + "\nO numero e MAIOR.\n" + ENTER +
                                  telaSolo("Eva", 6) + "\nO numero e MENOR.\n" + ENTER + telaSolo("Eva", 5) +
                                  "\nVoce acertou!\n" + ENTER);
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{"Eva", 50, "Vencedor"}}));
}

TEST(Solo, SorteiaUmaSoVezPorJogo) {
    std::srand(17);
    const int secreto = sortearNumero(50);
    const int segundo = std::rand();
    std::srand(17);
    Sessao sessao("Fabi\n1\n" + std::to_string(secreto) + "\n\n");
    jogarSolo();
    EXPECT_EQ(std::rand(), segundo);
}

TEST(Sorteio, OSegredoFicaEntreUmEOMaximo) {
    for (const Dificuldade& nivel : DIFICULDADES) {
        std::srand(1);
        for (int i = 0; i < 10000; ++i) {
            const int secreto = sortearNumero(nivel.maximo);
            ASSERT_GE(secreto, 1);
            ASSERT_LE(secreto, nivel.maximo);
        }
    }
}

}  // namespace
