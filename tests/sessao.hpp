#pragma once

#include "console/console.hpp"
#include "info/ranking.hpp"
#include "telas.hpp"

#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

// Runs part of the program in-process: standard input reads from a string and
// standard output is collected. Each session starts with an empty ranking.
class Sessao {
public:
    explicit Sessao(std::string entrada)
        : entrada_(std::move(entrada)),
          entradaAnterior_(std::cin.rdbuf(&entrada_)),
          saidaAnterior_(std::cout.rdbuf(&saida_)) {
        qtd_ranking = 0;
    }

    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    ~Sessao() {
        descarregarSaida();
        std::cin.rdbuf(entradaAnterior_);
        std::cout.rdbuf(saidaAnterior_);
    }

    std::string saida() {
        descarregarSaida();
        return saida_.str();
    }

    // The input that the program has not read.
    std::string restante() {
        return {std::istreambuf_iterator<char>(&entrada_), std::istreambuf_iterator<char>()};
    }

private:
    std::stringbuf entrada_;
    std::stringbuf saida_;
    std::streambuf* entradaAnterior_;
    std::streambuf* saidaAnterior_;
};
