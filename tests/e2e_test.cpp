#include "processo.hpp"
#include "telas.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(PontaAPonta, SairDeCaraMostraSoOMenu) {
    const Execucao execucao = executarJogo("4\n");
    EXPECT_EQ(execucao.saida, MENU);
    EXPECT_EQ(execucao.status, 0);
}

TEST(PontaAPonta, OpcaoInvalidaReperguntaSobOMesmoMenu) {
    const Execucao execucao = executarJogo("5\n0\nabc\n-1\n99999999999\n4\n");
    EXPECT_EQ(execucao.saida, MENU + repetir(reperguntar(1, 4), 5));
    EXPECT_EQ(execucao.status, 0);
}

TEST(PontaAPonta, RankingVazioEVoltaAoMenu) {
    const Execucao execucao = executarJogo("2\n\n4\n");
    EXPECT_EQ(execucao.saida, MENU + RANKING_VAZIO + MENU);
    EXPECT_EQ(execucao.status, 0);
}

TEST(PontaAPonta, FimDaEntradaEncerraComUmaQuebraDeLinha) {
    struct Caso {
        const char* entrada;
        std::string saida;
    };
    const Caso casos[] = {
        {"", MENU + "\n"},
        {"abc", MENU + reperguntar(1, 4) + "\n"},
        {"2\n", MENU + RANKING_VAZIO + "\n"},
        {"1\n1\n", MENU + MENU_JOGAR + LIMPA + "Nome: \n"},
        {"1\n1\nAna", MENU + MENU_JOGAR + LIMPA + "Nome: " + MENU_DIFICULDADE + "\n"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        const Execucao execucao = executarJogo(caso.entrada);
        EXPECT_EQ(execucao.saida, caso.saida);
        EXPECT_EQ(execucao.status, 1);
    }
}

}  // namespace

namespace {

// Plays a level-1 Solo game by halving the range after each hint.
TEST(PontaAPonta, BuscaBinariaVenceOSoloEORankingMostraOResultado) {
    Processo jogo;
    jogo.escrever("1\n1\nAna Lu\n1\n");
    std::string tela = jogo.lerAte("Palpite: ");
    int menor = 1;
    int maior = 50;
    int vidas = 10;
    for (;;) {
        EXPECT_TRUE(tela.ends_with(LIMPA + "====== SOLO ======\nJogador: Ana Lu\nVidas: " +
                                   std::to_string(vidas) + "\n\nPalpite: "));
        const int palpite = (menor + maior) / 2;
        jogo.escrever(std::to_string(palpite) + "\n");
        const std::string resposta = jogo.lerAte("\nENTER...");
        if (resposta == "\nVoce acertou!\n" + ENTER) {
            break;
        }
        ASSERT_GT(vidas, 1) << "a binary search over 1..50 needs at most 6 guesses";
        if (resposta == "\nO numero e MAIOR.\n" + ENTER) {
            menor = palpite + 1;
        } else {
            ASSERT_EQ(resposta, "\nO numero e MENOR.\n" + ENTER);
            maior = palpite - 1;
        }
        --vidas;
        jogo.escrever("\n");
        tela = jogo.lerAte("Palpite: ");
    }
    jogo.escrever("\n2\n");
    EXPECT_EQ(jogo.lerAte(VOLTAR), MENU + CABECALHO_RANKING + "1 - Ana Lu | Vencedor | " +
                                       std::to_string(vidas * 10) + " pontos\n" + VOLTAR);
    jogo.escrever("\n4\n");
    EXPECT_EQ(jogo.lerTudo(), MENU);
    EXPECT_EQ(jogo.esperar(), 0);
}

const std::string INICIO_PASSA = MENU + MENU_JOGAR + LIMPA +
                                 "Nome do mestre: Nome do jogador: " + MENU_DIFICULDADE +
                                 "\nMia escolha o numero: ";

TEST(PontaAPonta, PassaOControleAcertoDePrimeiraNoMedio) {
    const Execucao execucao = executarJogo("1\n3\nMia\nLeo\n2\n42\n42\n\n2\n\n4\n");
    EXPECT_EQ(execucao.saida, INICIO_PASSA + LIMPA + "Jogador: Leo\nVidas: 7\nPalpite: \nAcertou!\n" + ENTER +
                                  MENU + CABECALHO_RANKING +
                                  "1 - Leo | Vencedor | 70 pontos\n"
                                  "2 - Mia | Mestre | 0 pontos\n" +
                                  VOLTAR + MENU);
    EXPECT_EQ(execucao.status, 0);
}

TEST(PontaAPonta, PassaOControleSeteErrosDaoAVitoriaAoMestre) {
    const Execucao execucao =
        executarJogo("1\n3\nMia\nLeo\n2\n42\n1\n\n2\n\n3\n\n99\n\n98\n\n97\n\n96\n\n2\n\n4\n");
    std::string esperado = INICIO_PASSA + LIMPA;
    for (int vidas = 7; vidas >= 1; --vidas) {
        esperado += "Jogador: Leo\nVidas: " + std::to_string(vidas) +
                    "\nPalpite: " + (vidas > 4 ? "MAIOR" : "MENOR") + "\n" + (vidas > 1 ? ENTER : "");
    }
    esperado += "\nO mestre venceu!\n" + ENTER + MENU + CABECALHO_RANKING +
                "1 - Mia | Vencedor | 100 pontos\n"
                "2 - Leo | Derrotado | 0 pontos\n" +
                VOLTAR + MENU;
    EXPECT_EQ(execucao.saida, esperado);
    EXPECT_EQ(execucao.status, 0);
}

TEST(PontaAPonta, ONumeroDoMestreForaDoIntervaloEReperguntado) {
    const Execucao execucao = executarJogo("1\n3\nMia\nLeo\n1\n51\n0\nabc\n50\n");
    EXPECT_EQ(execucao.saida,
              INICIO_PASSA + repetir(reperguntar(1, 50), 3) + LIMPA + "Jogador: Leo\nVidas: 10\nPalpite: \n");
    EXPECT_EQ(execucao.status, 1);
}

TEST(PontaAPonta, RegrasEVoltaComORestoDaLinhaParaOMenu) {
    const Execucao execucao = executarJogo("3\nx2\n\n4\n");
    EXPECT_EQ(execucao.saida, MENU + REGRAS + MENU + RANKING_VAZIO + MENU);
    EXPECT_EQ(execucao.status, 0);
}

}  // namespace

namespace {

// Like a person at the keyboard: each line is typed only once its question is on the screen.
TEST(PontaAPonta, CadaPerguntaChegaAntesDeSuaLeitura) {
    struct Passo {
        const char* linha;
        const char* pergunta;
    };
    const Passo passos[] = {
        {"", "Opcao: "},
        {"1\n", "Opcao: "},
        {"3\n", "Nome do mestre: "},
        {"Mia\n", "Nome do jogador: "},
        {"Leo\n", "Opcao: "},
        {"1\n", "Mia escolha o numero: "},
        {"7\n", "Palpite: "},
        {"1\n", "MAIOR\n\nENTER..."},
        {"\n", "Palpite: "},
        {"x\n", "Digite um numero entre 1 e 50: "},
        {"7\n", "\nAcertou!\n\nENTER..."},
        {"\n", "Opcao: "},
        {"2\n", "ENTER para voltar..."},
        {"\n", "Opcao: "},
        {"3\n", "ENTER para voltar..."},
        {"\n", "Opcao: "},
    };
    Processo jogo;
    for (const Passo& passo : passos) {
        jogo.escrever(passo.linha);
        EXPECT_TRUE(jogo.lerAte(passo.pergunta).ends_with(passo.pergunta))
            << "after \"" << passo.linha << '"';
    }
    jogo.escrever("4\n");
    EXPECT_EQ(jogo.lerTudo(), "");
    EXPECT_EQ(jogo.esperar(), 0);
}

}  // namespace

#ifndef _WIN32
namespace {

// Standard input that cannot be read, standard output that cannot be written:
// the game ends with status 2 and says why in one line, however long its input.
TEST(PontaAPonta, DescritoresQueFalhamEncerramComStatus2) {
    struct Caso {
        const char* antes;
        const char* depois;
        const char* erro;
    };
    const char* leitura = "adivinhe: erro ao ler a entrada: ";
    const char* escrita = "adivinhe: erro ao escrever a saida: ";
    const Caso casos[] = {
        {"", "<&- >/dev/null", leitura},      {"", "</ >/dev/null", leitura},
        {"echo 4 | ", ">/dev/full", escrita}, {"yes 2 | timeout 20 ", ">/dev/full", escrita},
        {"echo 4 | ", ">&-", escrita},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.antes) + "adivinhe " + caso.depois);
        const ExecucaoNoShell execucao = executarNoShell(caso.antes, caso.depois);
        EXPECT_EQ(execucao.status, 2);
        EXPECT_TRUE(execucao.erro.starts_with(caso.erro)) << execucao.erro;
        EXPECT_EQ(execucao.erro.find('\n'), execucao.erro.size() - 1) << execucao.erro;
    }
}

}  // namespace
#endif

#ifndef _WIN32
namespace {

// Standard input left non-blocking by another program: the game waits for each
// line, however late it comes, instead of taking "not now" for a failure.
TEST(PontaAPonta, EntradaNaoBloqueanteEEsperada) {
    Processo jogo(Processo::Entrada::naoBloqueante);
    EXPECT_EQ(jogo.lerAte("Opcao: "), MENU);
    for (const char* linha : {"2\n", "\n"}) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        jogo.escrever(linha);
    }
    EXPECT_EQ(jogo.lerAte("Opcao: "), RANKING_VAZIO + MENU);
    jogo.escrever("4\n");
    EXPECT_EQ(jogo.lerTudo(), "");
    EXPECT_EQ(jogo.esperar(), 0);
}

}  // namespace
#endif
