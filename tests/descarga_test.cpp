#include "menu_apoio.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

TEST(Descarga, CadaPerguntaEstaVisivelAntesDeSuaLeitura) {
    const Resultado r = rodarMenu({"7\n", "2\n", "\n", "4\n"});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.vistoAntesDeCadaLeitura.size(), 4U);
    EXPECT_EQ(r.vistoAntesDeCadaLeitura[0], MENU);
    EXPECT_EQ(r.vistoAntesDeCadaLeitura[1], MENU + reperguntar(1, 4));
    EXPECT_EQ(r.vistoAntesDeCadaLeitura[2], MENU + reperguntar(1, 4) + RANKING_VAZIO);
    EXPECT_EQ(r.vistoAntesDeCadaLeitura[3], MENU + reperguntar(1, 4) + RANKING_VAZIO + MENU);
    EXPECT_EQ(r.escritas, 4);
}

TEST(Descarga, EntradaDigitadaAdianteERespondidaNumaSoEscrita) {
    const Resultado r = rodarMenu({"7\n2\n\n3\n\n4\n"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.vistoAntesDeCadaLeitura, (std::vector<std::string>{MENU}));
#ifdef _WIN32
    // cls clears the console directly, so what comes before each of the four later clears goes out first.
    EXPECT_EQ(r.escritas, 6);
#else
    EXPECT_EQ(r.escritas, 2);
#endif
}

TEST(Descarga, NoFimDaEntradaTudoSaiAntesDeEncerrar) {
    const Resultado r = rodarMenu({"2\n"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.vistoAntesDeCadaLeitura.back(), MENU + RANKING_VAZIO);
    EXPECT_EQ(r.escritas, 3);
}

}  // namespace

namespace {

// Between two reads, output of many times the console's 128 KiB buffer leaves
// whole and in order, a buffer's worth at a time.
TEST(Descarga, SaidaDeVariosBuffersEntreDuasLeiturasSaiInteiraEmOrdem) {
    constexpr std::size_t BUFFER = 1U << 17U;
    Sessao sessao("");
    std::string esperado;
    for (int i = 0; esperado.size() < 5 * BUFFER; ++i) {
        const std::string linha(static_cast<std::size_t>(i % 1000), static_cast<char>('a' + i % 26));
        imprimirLinha(linha);
        esperado += linha + "\n";
    }
    EXPECT_EQ(sessao.saida(), esperado);
    EXPECT_EQ(sessao.escritas(), static_cast<int>(esperado.size() / BUFFER + 1));
}

}  // namespace

#ifndef _WIN32
namespace {

// On a real pipe: input waiting in the system counts as available, so output
// can wait for more; an empty pipe is a read that would wait. When the console
// ends, standard input and output are the streams they were.
TEST(Descarga, OConsoleDoSistemaSabeQuandoUmaLeituraEsperaria) {
    std::array<int, 2> cano{};
    ASSERT_EQ(pipe(cano.data()), 0);
    const int entradaOriginal = dup(STDIN_FILENO);
    ASSERT_GE(dup2(cano[0], STDIN_FILENO), 0);
    std::streambuf* entradaAnterior = std::cin.rdbuf();
    std::streambuf* saidaAnterior = std::cout.rdbuf();
    {
        const ConsoleDoSistema console;
        std::streambuf* entrada = std::cin.rdbuf();
        EXPECT_EQ(entrada->in_avail(), 0);
        ASSERT_EQ(write(cano[1], "4\n", 2), 2);
        EXPECT_GT(entrada->in_avail(), 0);
        EXPECT_EQ(entrada->sbumpc(), '4');
        EXPECT_EQ(entrada->sbumpc(), '\n');
        EXPECT_EQ(entrada->in_avail(), 0);
    }
    EXPECT_EQ(std::cin.rdbuf(), entradaAnterior);
    EXPECT_EQ(std::cout.rdbuf(), saidaAnterior);
    dup2(entradaOriginal, STDIN_FILENO);
    close(entradaOriginal);
    close(cano[0]);
    close(cano[1]);
}

}  // namespace
#endif
