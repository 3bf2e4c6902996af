// The terminal of the process on POSIX systems: its standard descriptors.
#include "console/terminal.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <span>

namespace {

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

TerminalDoSistema oTerminalDoSistema;

}  // namespace

Terminal& terminalDoSistema() {
    return oTerminalDoSistema;
}
