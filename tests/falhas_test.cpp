#include "menu_apoio.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t SEM_LIMITE = TerminalDeTeste::NUNCA;
constexpr int SEM_MOTIVO = 0;
const std::string FALHA_NA_LEITURA = "adivinhe: erro ao ler a entrada";
const std::string FALHA_NA_ESCRITA = "adivinhe: erro ao escrever a saida";

struct CasoDeFalha {
    const char* descricao;
    std::vector<std::string> blocos;
    Depois depois;
    std::size_t limite;  // bytes the output takes before it refuses
    int erroDaEscrita;
    int status;
    std::string saida;
    std::string erro;  // the one line on standard error, without its reason, if there is one
};

// The system's reason, as the program gives it after the line's text.
std::string motivo(const CasoDeFalha& caso) {
    const int causa = caso.erro == FALHA_NA_LEITURA ? EIO : caso.erroDaEscrita;
    return causa == SEM_MOTIVO ? "" : std::string(": ") + std::strerror(causa);
}

// A failed read ends the program as the end of input does, a failed write at
// once; both with status 2 and one line on standard error.
TEST(Falhas, EncerramComStatus2EUmaLinhaNoErroPadrao) {
    const std::string inicioSolo = MENU + MENU_JOGAR + LIMPA + "Nome: ";
    // Typed ahead, the main menu drawn again after the ranking leaves only with the last flush.
    const std::string ateORanking = MENU + RANKING_VAZIO;
    const CasoDeFalha casos[] = {
        {"sair", {"4\n"}, Depois::fim, SEM_LIMITE, ENOSPC, 0, MENU, ""},
        {"fim da entrada", {}, Depois::fim, SEM_LIMITE, ENOSPC, 1, MENU + "\n", ""},
        {"leitura no menu", {}, Depois::falha, SEM_LIMITE, ENOSPC, 2, MENU + "\n", FALHA_NA_LEITURA},
        {"leitura num nome",
         {"1\n", "1\n", "An"},
         Depois::falha,
         SEM_LIMITE,
         ENOSPC,
         2,
         inicioSolo + "\n",
         FALHA_NA_LEITURA},
        {"leitura numa pausa",
         {"2\n"},
         Depois::falha,
         SEM_LIMITE,
         ENOSPC,
         2,
         MENU + RANKING_VAZIO + "\n",
         FALHA_NA_LEITURA},
        {"leitura no meio de um numero",
         {"4"},
         Depois::falha,
         SEM_LIMITE,
         ENOSPC,
         2,
         MENU + "\n",
         FALHA_NA_LEITURA},
        {"escrita na primeira descarga",
         {"4\n"},
         Depois::fim,
         10,
         ENOSPC,
         2,
         MENU.substr(0, 10),
         FALHA_NA_ESCRITA},
        {"escrita no meio de um jogo",
         {"1\n", "1\n", "Ana\n", "1\n", "50\n"},
         Depois::fim,
         inicioSolo.size() + 3,
         ENOSPC,
         2,
         inicioSolo + MENU_DIFICULDADE.substr(0, 3),
         FALHA_NA_ESCRITA},
        {"escrita na descarga final",
         {"2\n\n4\n"},
         Depois::fim,
         ateORanking.size(),
         ENOSPC,
         2,
         ateORanking,
         FALHA_NA_ESCRITA},
        {"sem motivo na descarga final",
         {"2\n\n4\n"},
         Depois::fim,
         ateORanking.size(),
         SEM_MOTIVO,
         2,
         ateORanking,
         FALHA_NA_ESCRITA},
    };
    for (const CasoDeFalha& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        const Resultado r = rodarMenu(caso.blocos, caso.depois, caso.limite, caso.erroDaEscrita);
        EXPECT_EQ(r.status, caso.status);
        EXPECT_EQ(r.terminal.saida, caso.saida);
        if (caso.erro.empty()) {
            EXPECT_EQ(r.terminal.erro, "");
        } else {
            EXPECT_EQ(r.terminal.erro, caso.erro + motivo(caso) + "\n");
            EXPECT_EQ(r.terminal.escritasDeErro, 1);
        }
        EXPECT_FALSE(r.terminal.usadoDepoisDeFalharAEscrita);
    }
}

// A stale errno is not the reason of a failure the system did not explain.
TEST(Falhas, SemMotivoDoSistemaNaoInventaUm) {
    errno = EBADF;
    const Resultado r = rodarMenu({"4\n"}, Depois::fim, 0, SEM_MOTIVO);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.terminal.erro, FALHA_NA_ESCRITA + "\n");
}

}  // namespace
