#include "info/regras.hpp"
#include "game/jogo.hpp"
#include "sessao.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

// The rules restate the difficulty menu: both must tell the same levels.
TEST(MostrarRegras, ContaOsMesmosNiveisQueOMenuDeDificuldade) {
    Sessao regras("\n");
    mostrarRegras();
    const std::string telaRegras = regras.saida();
    Sessao menu("1\n");
    int maximo = 0;
    escolherDificuldade(maximo);
    const std::string telaMenu = menu.saida();
    int opcao = 1;
    for (const Dificuldade& nivel : DIFICULDADES) {
        const std::string faixa = "1 a " + std::to_string(nivel.maximo);
        const std::string vidas = std::to_string(nivel.vidas) + " vidas";
        EXPECT_NE(telaRegras.find(std::string(nivel.nome) + ": " + faixa + " - " + vidas + "\n"),
                  std::string::npos);
        EXPECT_NE(telaMenu.find(std::to_string(opcao++) + " - " + nivel.nome + " (" + faixa + " / " + vidas +
                                ")\n"),
                  std::string::npos);
    }
    EXPECT_EQ(telaRegras, REGRAS);
    EXPECT_EQ(telaMenu, MENU_DIFICULDADE);
}

}  // namespace
