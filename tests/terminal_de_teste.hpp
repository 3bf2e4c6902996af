#pragma once

#include "console/terminal.hpp"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A terminal over strings, for the tests and the fuzzer. The input is handed over
// in blocks, as a terminal hands over lines, and one byte a read, so that what
// the program has not taken stays here. Reading and writing can be made to fail
// after so many bytes, as a broken device or a full disk fails.
class TerminalDeTeste final : public Terminal {
public:
    static constexpr std::size_t NUNCA = std::numeric_limits<std::size_t>::max();

    explicit TerminalDeTeste(std::vector<std::string> blocos) : blocos_(std::move(blocos)) {
        std::erase(blocos_, "");
    }

    // Reading fails with EIO once this many bytes have been read.
    std::size_t lerAteFalhar = NUNCA;
    // Writing to standard output fails once it holds this many bytes: with errno
    // set to erroDaEscrita, or, when that is 0, with no reason given.
    std::size_t escreverAteFalhar = NUNCA;
    int erroDaEscrita = ENOSPC;

    std::string saida;
    std::string erro;
    // The size of each write to standard output.
    std::vector<std::size_t> escritas;
    int escritasDeErro = 0;
    bool falhou = false;
    bool usadoDepoisDeFalharAEscrita = false;
    // What standard output held when the program began each block, or met the end.
    std::vector<std::string> vistoAntesDeCadaBloco;

    std::string restante() const {
        std::string resto(atual());
        for (std::size_t i = proximo_; i < blocos_.size(); ++i) {
            resto += blocos_[i];
        }
        return resto;
    }

    std::ptrdiff_t ler(std::span<char> destino) override {
        usadoDepoisDeFalharAEscrita = usadoDepoisDeFalharAEscrita || escritaFalhou_;
        if (lidos_ == lerAteFalhar) {
            falhou = true;
            errno = EIO;
            return -1;
        }
        if (atual().empty()) {
            vistoAntesDeCadaBloco.push_back(saida);
            if (proximo_ == blocos_.size()) {
                return 0;
            }
            ++proximo_;
            posicao_ = 0;
        }
        destino[0] = blocos_[proximo_ - 1][posicao_++];
        ++lidos_;
        return 1;
    }

    std::ptrdiff_t escrever(Destino destino, std::span<const char> dados) override {
        if (destino == Destino::erro) {
            ++escritasDeErro;
            erro.append(dados.data(), dados.size());
            return static_cast<std::ptrdiff_t>(dados.size());
        }
        usadoDepoisDeFalharAEscrita = usadoDepoisDeFalharAEscrita || escritaFalhou_;
        const std::size_t cabe = std::min(dados.size(), escreverAteFalhar - saida.size());
        escritas.push_back(cabe);
        if (cabe == 0) {
            falhou = escritaFalhou_ = true;
            if (erroDaEscrita == 0) {
                return 0;
            }
            errno = erroDaEscrita;
            return -1;
        }
        saida.append(dados.data(), cabe);
        return static_cast<std::ptrdiff_t>(cabe);
    }

    bool leituraEsperaria() override {
        return atual().empty();
    }

private:
    // The rest of the block being read.
    std::string_view atual() const {
        return proximo_ == 0 ? std::string_view() : std::string_view(blocos_[proximo_ - 1]).substr(posicao_);
    }

    std::vector<std::string> blocos_;
    std::size_t proximo_ = 0;
    std::size_t posicao_ = 0;
    std::size_t lidos_ = 0;
    bool escritaFalhou_ = false;
};

// While it lives, the console reads and writes through the given terminal.
class TerminalEmUso {
public:
    explicit TerminalEmUso(Terminal& terminal) : anterior_(usarTerminal(&terminal)) {}
    TerminalEmUso(const TerminalEmUso&) = delete;
    TerminalEmUso& operator=(const TerminalEmUso&) = delete;
    ~TerminalEmUso() {
        usarTerminal(anterior_);
    }

private:
    Terminal* anterior_;
};
