// The terminal of the process: the one place where the program talks to the
// system, one branch per platform.
#include "console/terminal.hpp"

#include <cerrno>
#include <cstddef>
#include <span>

#ifdef _WIN32
#include <io.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

constexpr int ENTRADA = 0;
constexpr int SAIDA = 1;
constexpr int ERRO = 2;

// The C runtime keeps the console's text mode: CR LF in, LF out, Ctrl-Z ends the
// input. Its descriptors have no non-blocking mode, so no call answers "not now".
class TerminalDoSistema final : public Terminal {
public:
    std::ptrdiff_t ler(std::span<char> destino) override {
        return _read(ENTRADA, destino.data(), static_cast<unsigned>(destino.size()));
    }

    // The console would show the clear's escape sequence as text: cls clears it
    // instead, once what was written before the clear has gone out.
    std::ptrdiff_t escrever(Destino destino, std::span<const char> dados) override {
        const std::string_view texto(dados.data(), dados.size());
        if (texto.starts_with(LIMPAR_TERMINAL)) {
            std::system("cls");  // NOLINT(cert-env33-c): the Windows console is cleared by its interpreter
            return static_cast<std::ptrdiff_t>(LIMPAR_TERMINAL.size());
        }
        const std::size_t ateALimpeza = std::min(texto.find(LIMPAR_TERMINAL), texto.size());
        return _write(destino == Destino::saida ? SAIDA : ERRO, dados.data(),
                      static_cast<unsigned>(ateALimpeza));
    }

    // Neither a console nor a pipe is asked: a read whose buffer is empty counts as
    // one that may wait, so the output goes out before it.
    bool leituraEsperaria() override {
        return true;
    }
};

#elif defined(__EMSCRIPTEN__)

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

#else

// A descriptor that another program left non-blocking answers "not now" instead
// of waiting. That is no failure: wait for it, with no time limit, as a blocking
// call would, and try again.
bool esperarSeNaoAgora(int descritor, short evento) {
    if (errno != EAGAIN && errno != EWOULDBLOCK) {  // NOLINT(misc-redundant-expression): equal on Linux only
        return false;
    }
    pollfd espera{descritor, evento, 0};
    poll(&espera, 1, -1);
    return true;
}

// The program installs no signal handler, so no call is ever interrupted.
class TerminalDoSistema final : public Terminal {
public:
    std::ptrdiff_t ler(std::span<char> destino) override {
        std::ptrdiff_t lidos = 0;
        do {
            lidos = read(STDIN_FILENO, destino.data(), destino.size());
        } while (lidos < 0 && esperarSeNaoAgora(STDIN_FILENO, POLLIN));
        return lidos;
    }

    std::ptrdiff_t escrever(Destino destino, std::span<const char> dados) override {
        const int descritor = destino == Destino::saida ? STDOUT_FILENO : STDERR_FILENO;
        std::ptrdiff_t escritos = 0;
        do {
            escritos = write(descritor, dados.data(), dados.size());
        } while (escritos < 0 && esperarSeNaoAgora(descritor, POLLOUT));
        return escritos;
    }

    // A read returns at once with input waiting, at its end, or with an error.
    bool leituraEsperaria() override {
        pollfd espera{STDIN_FILENO, POLLIN, 0};
        return poll(&espera, 1, 0) <= 0;
    }
};

#endif

TerminalDoSistema oTerminalDoSistema;

}  // namespace

Terminal& terminalDoSistema() {
    return oTerminalDoSistema;
}
