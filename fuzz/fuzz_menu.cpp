// Feeds each input to the whole program as its standard input, from the main
// menu on, with the ranking empty and the generator seeded the same way each time.
#include "app/menu_principal.hpp"
#include "info/ranking.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

class Descarte : public std::streambuf {
protected:
    int_type overflow(int_type c) override {
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* /*dados*/, std::streamsize n) override {
        return n;
    }
};

bool rankingCoerente() {
    if (qtd_ranking < 0 || qtd_ranking > MAX_RANKING) {
        return false;
    }
    return qtd_ranking < 2 || ranking[0].pontos >= ranking[1].pontos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::stringbuf entrada(std::string(reinterpret_cast<const char*>(dados), tamanho));
    Descarte saida;
    std::streambuf* entradaAnterior = std::cin.rdbuf(&entrada);
    std::streambuf* saidaAnterior = std::cout.rdbuf(&saida);
    qtd_ranking = 0;
    std::srand(1);
    const int status = menuPrincipal();
    std::cin.rdbuf(entradaAnterior);
    std::cout.rdbuf(saidaAnterior);
    if ((status != 0 && status != 1) || !rankingCoerente()) {
        std::abort();
    }
    return 0;
}
