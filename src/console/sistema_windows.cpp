// The terminal of the process on Windows: the console, or the pipes it was given.
#include "console/terminal.hpp"

#include <io.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

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

TerminalDoSistema oTerminalDoSistema;

}  // namespace

Terminal& terminalDoSistema() {
    return oTerminalDoSistema;
}
