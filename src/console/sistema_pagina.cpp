// The terminal of the program in the page: the page's screen and its line,
// reached through the functions the page gives the module (web/pagina.mjs).
#include "console/terminal.hpp"

#include <emscripten.h>

#include <cstddef>
#include <span>

namespace {

// The page keeps what is typed, as a terminal in canonical mode does, and hands
// the lines over when the program reads. A line already typed is taken at once,
// the program running on; -1 says that none is.
EM_JS(int, lerLinhaDigitada, (char* destino, int tamanho), {
    const bytes = Module["tirarDaLinha"](tamanho);
    if (!bytes) {
        return -1;
    }
    HEAPU8.set(bytes, destino);
    return bytes.length;
});

// The program waits for the next line without blocking the page: the read
// suspends the program, unwinding its stack, until the page answers.
EM_ASYNC_JS(int, esperarLinhaDaPagina, (char* destino, int tamanho), {
    const bytes = await Module["esperarPelaLinha"](tamanho);
    HEAPU8.set(bytes, destino);
    return bytes.length;
});

// The page draws later, so it gets a copy of the bytes, not a view of the memory.
EM_JS(void, escreverNaPagina, (int erro, const char* dados, int tamanho),
      { Module["escreverNaTela"](erro, HEAPU8.slice(dados, dados + tamanho)); });

EM_JS(int, paginaTemLinha, (), { return Module["temLinhaDigitada"]() ? 1 : 0; });

class TerminalDoSistema final : public Terminal {
public:
    // Only a read that must wait for the player suspends the program: lines typed
    // ahead, or pasted by the thousand, are read at the program's own pace.
    std::ptrdiff_t ler(std::span<char> destino) override {
        const int tamanho = static_cast<int>(destino.size());
        const int lidos = lerLinhaDigitada(destino.data(), tamanho);
        return lidos >= 0 ? lidos : esperarLinhaDaPagina(destino.data(), tamanho);
    }

    std::ptrdiff_t escrever(Destino destino, std::span<const char> dados) override {
        escreverNaPagina(destino == Destino::erro ? 1 : 0, dados.data(), static_cast<int>(dados.size()));
        return static_cast<std::ptrdiff_t>(dados.size());
    }

    bool leituraEsperaria() override {
        return paginaTemLinha() == 0;
    }
};

TerminalDoSistema oTerminalDoSistema;

}  // namespace

Terminal& terminalDoSistema() {
    return oTerminalDoSistema;
}
