#include "sessao.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

const std::string REPERGUNTA = "Digite um numero entre 1 e 4: ";

struct CasoNumero {
    const char* entrada;
    int min;
    int max;
    int esperado;
    int repergunta;  // how many times the re-prompt is written
    const char* restante;
};

const CasoNumero CASOS_DE_NUMERO[] = {
    CasoNumero{"4\n", 1, 4, 4, 0, ""},
    CasoNumero{"0\n5\n-1\n4\n", 1, 4, 4, 3, ""},
    CasoNumero{"\n   \n\t \r\n 3\nX", 1, 4, 3, 0, "X"},
    CasoNumero{"2 abc\nX", 1, 4, 2, 0, "X"},
    CasoNumero{"abc\n2\n", 1, 4, 2, 1, ""},
    CasoNumero{"+3\n", 1, 3, 3, 0, ""},
    CasoNumero{"003\n", 1, 3, 3, 0, ""},
    CasoNumero{"0x10\n1\n", 1, 3, 1, 1, ""},
    CasoNumero{"-\n+\n- 2\n+a\n--1\n2\n", 1, 4, 2, 5, ""},
    CasoNumero{"3\r\n1\n", 1, 4, 3, 0, "1\n"},
    CasoNumero{"2\n", 2, 2, 2, 0, ""},
    CasoNumero{"99999999999\n4294967297\n-4294967295\n2\n", 1, 4, 2, 3, ""},
    CasoNumero{"2147483648\n2147483647\n", 1, INT_MAX, INT_MAX, 1, ""},
    CasoNumero{"-2147483649\n-2147483648\n", INT_MIN, 0, INT_MIN, 1, ""},
    CasoNumero{"00000000000000000000000000000000001\n", 1, 4, 1, 0, ""},
    CasoNumero{"3", 1, 4, 3, 0, ""},
    CasoNumero{"abc\n-\n0\n", 0, 4, 0, 2, ""},
};

TEST(LeituraDeNumero, DevolveONumeroNoIntervaloEDescartaORestoDaLinha) {
    for (const CasoNumero& caso : CASOS_DE_NUMERO) {
        SCOPED_TRACE(caso.entrada);
        Sessao sessao(caso.entrada);
        EXPECT_EQ(VerificarNum(caso.min, caso.max), caso.esperado);
        const std::string repergunta =
            "Digite um numero entre " + std::to_string(caso.min) + " e " + std::to_string(caso.max) + ": ";
        EXPECT_EQ(sessao.saida(), repetir(repergunta, caso.repergunta));
        EXPECT_EQ(sessao.restante(), caso.restante);
    }
}

TEST(FimDaEntrada, AntesDeUmNumeroEncerra) {
    for (const char* entrada : {"", "   ", "\n\n \t\n"}) {
        Sessao sessao(entrada);
        EXPECT_THROW(VerificarNum(1, 4), FimDaEntrada) << '"' << entrada << '"';
        EXPECT_EQ(sessao.saida(), "");
    }
}

TEST(FimDaEntrada, DepoisDeUmaEntradaRecusadaVemARepergunta) {
    for (const char* entrada : {"abc", "-", "7\n", "99999999999"}) {
        Sessao sessao(entrada);
        EXPECT_THROW(VerificarNum(1, 4), FimDaEntrada) << '"' << entrada << '"';
        EXPECT_EQ(sessao.saida(), REPERGUNTA) << '"' << entrada << '"';
    }
}

struct CasoNome {
    std::string entrada;
    std::string esperado;
    std::string restante;
};

TEST(LeituraDeNome, PulaBrancosIniciaisEGuardaAte99Caracteres) {
    const CasoNome casos[] = {
        CasoNome{"  Ana  Maria \n2\n", "Ana  Maria ", "2\n"},
        CasoNome{"\n \n\tBeto\n", "Beto", ""},
        CasoNome{"%d%s%n\n", "%d%s%n", ""},
        CasoNome{"Ana", "Ana", ""},
        CasoNome{std::string(99, 'a') + "\nX", std::string(99, 'a'), "X"},
        CasoNome{std::string(100, 'b') + "\nX", std::string(99, 'b'), "X"},
        CasoNome{std::string(300, 'c') + "\nX", std::string(99, 'c'), "X"},
        CasoNome{std::string("Ana\0Bia\nX", 9), "Ana", "X"},
    };
    for (const CasoNome& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        Sessao sessao(caso.entrada);
        Nome nome;
        nome.fill('#');
        lerNome(nome);
        EXPECT_EQ(std::string(nome.data()), caso.esperado);
        EXPECT_EQ(sessao.restante(), caso.restante);
        EXPECT_EQ(sessao.saida(), "");
    }
}

TEST(FimDaEntrada, AntesDeUmNomeEncerra) {
    for (const char* entrada : {"", " \n\n\t "}) {
        Sessao sessao(entrada);
        Nome nome{};
        EXPECT_THROW(lerNome(nome), FimDaEntrada);
    }
}

TEST(Pausa, ConsomeUmSoCaractere) {
    struct Caso {
        const char* entrada;
        const char* restante;
    };
    for (const Caso& caso : {Caso{"\n2\n", "2\n"}, Caso{"x\n", "\n"}, Caso{"12\n", "2\n"}}) {
        Sessao sessao(caso.entrada);
        pausar("\nENTER...");
        EXPECT_EQ(sessao.saida(), "\nENTER...");
        EXPECT_EQ(sessao.restante(), caso.restante) << caso.entrada;
    }
}

TEST(Pausa, ORestoDaLinhaChegaALeituraSeguinte) {
    Sessao sessao("12\n");
    pausar("\nENTER para voltar...");
    EXPECT_EQ(VerificarNum(1, 4), 2);
    EXPECT_EQ(sessao.saida(), "\nENTER para voltar...");
}

TEST(FimDaEntrada, NaPausaEncerraDepoisDoAviso) {
    Sessao sessao("");
    EXPECT_THROW(pausar("\nENTER..."), FimDaEntrada);
    EXPECT_EQ(sessao.saida(), "\nENTER...");
}

TEST(Escrita, SubstituiOsMarcadoresPelosValoresEmOrdem) {
    Sessao sessao("");
    Nome nome{'%', 'd', '%', 's', '\0'};
    escrever("%d - %s | %s | %d pontos\n", -2147483647 - 1, nome, "Mestre", 100);
    escrever("100% %x %");
    imprimirLinha("%d");
    escrever("%%d|%s", 5, nome);
    EXPECT_EQ(sessao.saida(), "-2147483648 - %d%s | Mestre | 100 pontos\n100% %x %%d\n%5|%d%s");
}

TEST(Escrita, TextoLongoAtravessaOBufferInteiro) {
    Sessao sessao("");
    const std::string longo(300000, 'z');
    imprimirLinha(longo);
    EXPECT_EQ(sessao.saida(), longo + "\n");
}

// What one terminal was left to write never reaches the next.
TEST(Escrita, OQueFicouParaEscreverNaoPassaAoTerminalSeguinte) {
    {
        const Sessao anterior("");
        imprimirLinha("de outra sessao");
    }
    Sessao sessao("");
    imprimirLinha("desta");
    EXPECT_EQ(sessao.saida(), "desta\n");
}

}  // namespace
