#pragma once

#include "app/menu_principal.hpp"
#include "sessao.hpp"

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

struct Resultado {
    int status;
    TerminalDeTeste terminal;
};

enum class Depois { fim, falha };

// The whole program from the main menu, with an empty ranking. The input is handed
// over a block at a time, as a terminal hands over lines; after the last block it
// ends or, if told so, fails as a read from a broken device does. Standard output
// takes only so many bytes, if told so.
inline Resultado rodarMenu(std::vector<std::string> blocos, Depois depois = Depois::fim,
                           std::size_t escreverAteFalhar = TerminalDeTeste::NUNCA,
                           int erroDaEscrita = ENOSPC) {
    std::size_t tamanho = 0;
    for (const std::string& bloco : blocos) {
        tamanho += bloco.size();
    }
    Resultado resultado{0, TerminalDeTeste(std::move(blocos))};
    TerminalDeTeste& terminal = resultado.terminal;
    terminal.lerAteFalhar = depois == Depois::falha ? tamanho : TerminalDeTeste::NUNCA;
    terminal.escreverAteFalhar = escreverAteFalhar;
    terminal.erroDaEscrita = erroDaEscrita;
    const TerminalEmUso emUso(terminal);
    qtd_ranking = 0;
    resultado.status = menuPrincipal();
    return resultado;
}
