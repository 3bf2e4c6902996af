// Standard input and output on the process's own descriptors: the one place
// where the program talks to the system.
#include "console/console.hpp"

#include <array>
#include <cerrno>
#include <cstddef>
#include <iostream>
#include <streambuf>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

constexpr int ENTRADA = 0;
constexpr int SAIDA = 1;

#ifdef _WIN32

// The C runtime keeps the console's text mode: CR LF in, LF out, Ctrl-Z ends the input.
std::ptrdiff_t lerDescritor(char* destino, std::size_t tamanho) {
    return _read(ENTRADA, destino, static_cast<unsigned>(tamanho));
}

std::ptrdiff_t escreverDescritor(const char* dados, std::size_t tamanho) {
    return _write(SAIDA, dados, static_cast<unsigned>(tamanho));
}

// Neither a console nor a pipe is asked: a read whose buffer is empty counts as
// one that may wait, so the output goes out before it.
bool entradaEsperando() {
    return false;
}

#else

// The program installs no signal handler, so neither call is ever interrupted.
std::ptrdiff_t lerDescritor(char* destino, std::size_t tamanho) {
    return read(ENTRADA, destino, tamanho);
}

std::ptrdiff_t escreverDescritor(const char* dados, std::size_t tamanho) {
    return write(SAIDA, dados, tamanho);
}

// Whether a read would return at once: with input, at its end, or with an error.
bool entradaEsperando() {
    pollfd espera{ENTRADA, POLLIN, 0};
    return poll(&espera, 1, 0) > 0;
}

#endif

class EntradaDoSistema final : public std::streambuf {
protected:
    int_type underflow() override {
        const std::ptrdiff_t lidos = lerDescritor(bloco_.data(), bloco_.size());
        if (lidos < 0) {
            throw std::system_error(errno, std::generic_category(), "read");
        }
        if (lidos == 0) {
            return traits_type::eof();
        }
        setg(bloco_.data(), bloco_.data(), bloco_.data() + lidos);
        return traits_type::to_int_type(bloco_[0]);
    }

    std::streamsize showmanyc() override {
        return entradaEsperando() ? 1 : 0;
    }

private:
    std::array<char, 8192> bloco_{};
};

// Unbuffered, and written only through sputn: the console keeps the output
// until a read would wait. A write the system refuses comes back short, with
// errno saying why.
class SaidaDoSistema final : public std::streambuf {
protected:
    std::streamsize xsputn(const char* dados, std::streamsize tamanho) override {
        std::streamsize escritos = 0;
        while (escritos < tamanho) {
            const std::ptrdiff_t parte =
                escreverDescritor(dados + escritos, static_cast<std::size_t>(tamanho - escritos));
            if (parte <= 0) {
                break;
            }
            escritos += parte;
        }
        return escritos;
    }
};

// Built on first use, and outliving every console: the streams never point at a
// buffer that is gone.
EntradaDoSistema& entradaDoSistema() {
    static EntradaDoSistema entrada;
    return entrada;
}

SaidaDoSistema& saidaDoSistema() {
    static SaidaDoSistema saida;
    return saida;
}

}  // namespace

ConsoleDoSistema::ConsoleDoSistema()
    : entradaAnterior_(std::cin.rdbuf(&entradaDoSistema())),
      saidaAnterior_(std::cout.rdbuf(&saidaDoSistema())) {}

ConsoleDoSistema::~ConsoleDoSistema() {
    std::cin.rdbuf(entradaAnterior_);
    std::cout.rdbuf(saidaAnterior_);
}
