#pragma once

#include "console/console.hpp"

#include <array>

constexpr int MAX_RANKING = 2;

struct Jogador {
    Nome nome;
    int pontos;
    std::array<char, 20> resultado;
};

// The ranking keeps the first MAX_RANKING results of the run, highest points first.
extern std::array<Jogador, MAX_RANKING> ranking;
extern int qtd_ranking;

void adicionarRanking(const char* nome, int pontos, const char* resultado);
void mostrarRanking();
