#pragma once

#include "game/jogo.hpp"
#include "sessao.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The secret that every game draws while it lives: the test's, handed in
// through the draw's seam.
class SegredoDado {
public:
    explicit SegredoDado(int secreto) : anterior_(usarSorteio([](int) { return dado(); })) {
        dado() = secreto;
    }
    SegredoDado(const SegredoDado&) = delete;
    SegredoDado& operator=(const SegredoDado&) = delete;
    ~SegredoDado() {
        usarSorteio(anterior_);
    }

private:
    static int& dado() {
        static int secreto = 0;
        return secreto;
    }
    Sorteio anterior_;
};

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
