#pragma once

#include "sessao.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// Seeds the generator, finds the secret the next game of range 1..maximo will
// draw, and seeds again so that the game draws the same one.
inline int semearESortear(unsigned semente, int maximo) {
    std::srand(semente);
    const int secreto = std::rand() % maximo + 1;
    std::srand(semente);
    return secreto;
}

// A guess that misses the secret: below it when it can be.
inline int errar(int secreto, int maximo) {
    return secreto > 1 ? 1 : maximo;
}

inline const char* dicaDoErro(int secreto) {
    return secreto > 1 ? "MAIOR" : "MENOR";
}

struct Registro {
    std::string nome;
    int pontos;
    std::string resultado;

    bool operator==(const Registro&) const = default;
};

inline void PrintTo(const Registro& r, std::ostream* os) {
    *os << '(' << r.nome << ", " << r.pontos << ", " << r.resultado << ')';
}

inline std::vector<Registro> lerRanking() {
    std::vector<Registro> linhas;
    for (int i = 0; i < qtd_ranking; ++i) {
        const Jogador& jogador = ranking[static_cast<std::size_t>(i)];
        linhas.push_back({jogador.nome.data(), jogador.pontos, jogador.resultado.data()});
    }
    return linhas;
}
