#pragma once

#include "console/terminal.hpp"

#include <string>
#include <string_view>

// What limparTela writes, and what the tests see of a clear on every platform.
inline const std::string LIMPA{LIMPAR_TERMINAL};

inline std::string repetir(std::string_view texto, int vezes) {
    std::string repetido;
    for (int i = 0; i < vezes; ++i) {
        repetido += texto;
    }
    return repetido;
}

// Screens as the game writes them, for the end-to-end tests.
inline const std::string MENU = LIMPA +
                                "======= ADIVINHE O NUMERO =======\n"
                                "1 - Jogar\n"
                                "2 - Ranking\n"
                                "3 - Regras\n"
                                "4 - Sair\n"
                                "Opcao: ";

inline const std::string MENU_JOGAR = LIMPA +
                                      "1 - Solo\n"
                                      "2 - Dupla\n"
                                      "3 - Passa o Controle\n"
                                      "Opcao: ";

inline const std::string MENU_DIFICULDADE =
    "\n1 - Facil (1 a 50 / 10 vidas)\n"
    "2 - Medio (1 a 100 / 7 vidas)\n"
    "3 - Dificil (1 a 200 / 5 vidas)\n"
    "Opcao: ";

inline const std::string CABECALHO_RANKING = LIMPA + "=========== RANKING ===========\n";
inline const std::string VOLTAR = "\nENTER para voltar...";
inline const std::string RANKING_VAZIO = CABECALHO_RANKING + "\nNenhum jogador ainda.\n" + VOLTAR;

inline const std::string REGRAS = LIMPA +
                                  "=========== REGRAS ===========\n"
                                  "\nObjetivo: adivinhar o numero secreto.\n"
                                  "\nDificuldades:\n"
                                  "Facil: 1 a 50 - 10 vidas\n"
                                  "Medio: 1 a 100 - 7 vidas\n"
                                  "Dificil: 1 a 200 - 5 vidas\n"
                                  "\nModos:\n"
                                  "1 - Solo\n"
                                  "2 - Dupla\n"
                                  "3 - Passa o Controle\n"
                                  "\nPontuacao = vidas restantes x 10\n" +
                                  VOLTAR;

inline const std::string ENTER = "\nENTER...";

inline std::string reperguntar(int min, int max) {
    return "Digite um numero entre " + std::to_string(min) + " e " + std::to_string(max) + ": ";
}
