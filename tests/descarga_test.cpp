#include "app/menu_principal.hpp"
#include "sessao.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Standard output that counts the writes it receives.
class SaidaContada : public std::stringbuf {
public:
    int escritas = 0;

protected:
    std::streamsize xsputn(const char* dados, std::streamsize n) override {
        ++escritas;
        return std::stringbuf::xsputn(dados, n);
    }
};

// Standard input that hands over its blocks one at a time, as a terminal hands
// over lines, and notes what had been written when each block was asked for.
class EntradaEmBlocos : public std::streambuf {
public:
    EntradaEmBlocos(std::vector<std::string> blocos, const SaidaContada& saida)
        : blocos_(std::move(blocos)), saida_(saida) {}

    std::vector<std::string> vistoAntesDeCadaLeitura;

protected:
    int_type underflow() override {
        vistoAntesDeCadaLeitura.push_back(saida_.str());
        if (proximo_ == blocos_.size()) {
            return traits_type::eof();
        }
        std::string& bloco = blocos_[proximo_++];
        setg(bloco.data(), bloco.data(), bloco.data() + bloco.size());
        return traits_type::to_int_type(bloco[0]);
    }

private:
    std::vector<std::string> blocos_;
    std::size_t proximo_ = 0;
    const SaidaContada& saida_;
};

struct Resultado {
    int status;
    int escritas;
    std::vector<std::string> vistoAntesDeCadaLeitura;
};

Resultado rodarMenu(std::vector<std::string> blocos) {
    SaidaContada saida;
    EntradaEmBlocos entrada(std::move(blocos), saida);
    std::streambuf* entradaAnterior = std::cin.rdbuf(&entrada);
    std::streambuf* saidaAnterior = std::cout.rdbuf(&saida);
    qtd_ranking = 0;
    const int status = menuPrincipal();
    std::cin.rdbuf(entradaAnterior);
    std::cout.rdbuf(saidaAnterior);
    return {status, saida.escritas, entrada.vistoAntesDeCadaLeitura};
}

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
