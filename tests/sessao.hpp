#pragma once

#include "console/console.hpp"
#include "info/ranking.hpp"
#include "telas.hpp"
#include "terminal_de_teste.hpp"

#include <string>
#include <utility>
#include <vector>

// Runs part of the program in-process: standard input reads from a string and
// standard output and error are collected. Each session starts with an empty ranking.
class Sessao {
public:
    explicit Sessao(std::string entrada) : terminal_({std::move(entrada)}) {
        qtd_ranking = 0;
    }

    std::string saida() {
        descarregarSaida();
        return terminal_.saida;
    }

    const std::vector<std::size_t>& escritas() const {
        return terminal_.escritas;
    }

    // The input that the program has not read.
    std::string restante() const {
        return terminal_.restante();
    }

private:
    TerminalDeTeste terminal_;
    TerminalEmUso emUso_{terminal_};
};
