#include "menu_apoio.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Descarga, CadaPerguntaEstaVisivelAntesDeSuaLeitura) {
    const Resultado r = rodarMenu({"7\n", "2\n", "\n", "4\n"});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.terminal.vistoAntesDeCadaBloco.size(), 4U);
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco[0], MENU);
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco[1], MENU + reperguntar(1, 4));
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco[2], MENU + reperguntar(1, 4) + RANKING_VAZIO);
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco[3], MENU + reperguntar(1, 4) + RANKING_VAZIO + MENU);
    EXPECT_EQ(r.terminal.escritas.size(), 4U);
}

TEST(Descarga, EntradaDigitadaAdianteERespondidaNumaSoEscrita) {
    const Resultado r = rodarMenu({"7\n2\n\n3\n\n4\n"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco, (std::vector<std::string>{MENU}));
    EXPECT_EQ(r.terminal.escritas.size(), 2U);
}

TEST(Descarga, NoFimDaEntradaTudoSaiAntesDeEncerrar) {
    const Resultado r = rodarMenu({"2\n"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.terminal.vistoAntesDeCadaBloco.back(), MENU + RANKING_VAZIO);
    EXPECT_EQ(r.terminal.escritas.size(), 3U);
}

}  // namespace

namespace {

// Between two reads, output of many times the console's 128 KiB buffer leaves
// whole and in order, a buffer's worth at a time.
TEST(Descarga, SaidaDeVariosBuffersEntreDuasLeiturasSaiInteiraEmOrdem) {
    Sessao sessao("");
    std::string esperado;
    for (int i = 0; esperado.size() < 5 * TAMANHO_DA_SAIDA; ++i) {
        const std::string linha(static_cast<std::size_t>(i % 1000), static_cast<char>('a' + i % 26));
        imprimirLinha(linha);
        esperado += linha + "\n";
    }
    EXPECT_EQ(sessao.saida(), esperado);
    EXPECT_EQ(sessao.escritas().size(), esperado.size() / TAMANHO_DA_SAIDA + 1);
}

// A clear that the buffer has no room left for goes out whole in the next write,
// so that a terminal cleared otherwise (the Windows console) can tell it.
TEST(Descarga, UmaLimpezaNuncaSeDivideEntreDuasEscritas) {
    for (std::size_t livre = 0; livre <= LIMPA.size(); ++livre) {
        SCOPED_TRACE(livre);
        Sessao sessao("");
        const std::string texto(TAMANHO_DA_SAIDA - livre - 1, 'x');
        imprimirLinha(texto);
        limparTela();
        EXPECT_EQ(sessao.saida(), texto + "\n" + LIMPA);
        const auto esperadas = livre < LIMPA.size()
                                   ? std::vector<std::size_t>{TAMANHO_DA_SAIDA - livre, LIMPA.size()}
                                   : std::vector<std::size_t>{TAMANHO_DA_SAIDA};
        EXPECT_EQ(sessao.escritas(), esperadas);
    }
}

}  // namespace
