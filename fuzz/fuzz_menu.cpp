// Feeds each input to the whole program as its standard input, from the main
// menu on, with the ranking empty and the generator seeded the same way each time.
//
// The first three bytes choose a failure of the system: 'L' makes reading fail,
// 'E' makes writing fail with a reason and 'S' without one, after as many bytes
// of input or output as the next two bytes say (high byte first); any other
// first byte fails nothing. The input is handed over a line at a time,
// as a terminal hands it over, so that output leaves, and can fail, at every screen.
#include "app/menu_principal.hpp"
#include "info/ranking.hpp"
#include "terminal_de_teste.hpp"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> linhas(std::string_view texto) {
    std::vector<std::string> blocos;
    while (!texto.empty()) {
        const std::size_t fim = std::min(texto.find('\n'), texto.size() - 1) + 1;
        blocos.emplace_back(texto.substr(0, fim));
        texto.remove_prefix(fim);
    }
    return blocos;
}

bool rankingCoerente() {
    if (qtd_ranking < 0 || qtd_ranking > MAX_RANKING) {
        return false;
    }
    return qtd_ranking < 2 || ranking[0].pontos >= ranking[1].pontos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    constexpr std::size_t CABECALHO = 3;
    if (tamanho < CABECALHO) {
        return -1;
    }
    const char tipo = static_cast<char>(dados[0]);
    const auto apos = static_cast<std::size_t>(dados[1] << 8U | dados[2]);
    const std::string_view entrada(reinterpret_cast<const char*>(dados) + CABECALHO, tamanho - CABECALHO);
    TerminalDeTeste terminal(linhas(entrada));
    if (tipo == 'L') {
        terminal.lerAteFalhar = apos;
    } else if (tipo == 'E' || tipo == 'S') {
        terminal.escreverAteFalhar = apos;
        terminal.erroDaEscrita = tipo == 'E' ? ENOSPC : 0;
    }
    int status = 0;
    {
        const TerminalEmUso emUso(terminal);
        qtd_ranking = 0;
        std::srand(1);
        status = menuPrincipal();
    }
    if (status < 0 || status > 2 || (status == 2) != terminal.falhou || !rankingCoerente() ||
        terminal.usadoDepoisDeFalharAEscrita) {
        std::abort();
    }
    return 0;
}
