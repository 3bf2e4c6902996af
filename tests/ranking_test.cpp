#include "jogo_apoio.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(AdicionarRanking, GuardaOsDoisPrimeirosPorPontos) {
    struct Caso {
        const char* descricao;
        std::vector<Registro> chegadas;
        std::vector<Registro> esperado;
    };
    const std::string longo(150, 'n');
    const Caso casos[] = {
        {"um nome longo demais fica com 99 caracteres",
         {{longo, 100, "Vencedor"}},
         {{longo.substr(0, 99), 100, "Vencedor"}}},
        {"vazio", {}, {}},
        {"um", {{"Ana", 100, "Vencedor"}}, {{"Ana", 100, "Vencedor"}}},
        {"o segundo com mais pontos sobe",
         {{"Ana", 0, "Derrotado"}, {"Bia", 50, "Vencedor"}},
         {{"Bia", 50, "Vencedor"}, {"Ana", 0, "Derrotado"}}},
        {"empate mantem a ordem de chegada",
         {{"Ana", 80, "Vencedor"}, {"Bia", 80, "Derrotado"}},
         {{"Ana", 80, "Vencedor"}, {"Bia", 80, "Derrotado"}}},
        {"cheio descarta o terceiro",
         {{"Ana", 10, "Vencedor"}, {"Bia", 0, "Derrotado"}, {"Caio", 100, "Vencedor"}},
         {{"Ana", 10, "Vencedor"}, {"Bia", 0, "Derrotado"}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        Sessao sessao("");
        for (const Registro& r : caso.chegadas) {
            adicionarRanking(r.nome.c_str(), r.pontos, r.resultado.c_str());
        }
        EXPECT_EQ(lerRanking(), caso.esperado);
    }
}

TEST(AdicionarRanking, GuardaONomeDe99CaracteresInteiro) {
    Sessao sessao("");
    const std::string nome(99, 'n');
    adicionarRanking(nome.c_str(), 30, "Mestre");
    EXPECT_EQ(lerRanking(), (std::vector<Registro>{{nome, 30, "Mestre"}}));
}

TEST(MostrarRanking, VazioAvisaQueNaoHaJogadores) {
    Sessao sessao("\n");
    mostrarRanking();
    EXPECT_EQ(sessao.saida(), LIMPA +
                                  "=========== RANKING ===========\n"
                                  "\nNenhum jogador ainda.\n"
                                  "\nENTER para voltar...");
}

TEST(MostrarRanking, CheioListaAsDuasLinhas) {
    Sessao sessao("x\n");
    adicionarRanking("Ana %s", 0, "Derrotado");
    adicionarRanking(" Bia ", 50, "Vencedor");
    mostrarRanking();
    EXPECT_EQ(sessao.saida(), LIMPA +
                                  "=========== RANKING ===========\n"
                                  "1 -  Bia  | Vencedor | 50 pontos\n"
                                  "2 - Ana %s | Derrotado | 0 pontos\n"
                                  "\nENTER para voltar...");
    EXPECT_EQ(sessao.restante(), "\n");
}

}  // namespace
