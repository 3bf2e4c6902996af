#pragma once

#include "console/console.hpp"
#include "info/ranking.hpp"
#include "telas.hpp"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <iostream>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

// Standard output that counts the writes it receives and, past a limit in bytes,
// refuses them: sputn comes back short with errno set, as on a full disk, or,
// where the limit is checked by pubsync, the sync fails without a reason.
class SaidaContada : public std::stringbuf {
public:
    enum class Recusa { sputnCurto, syncFalha };
    static constexpr std::size_t SEM_LIMITE = std::numeric_limits<std::size_t>::max();

    explicit SaidaContada(std::size_t limite = SEM_LIMITE, Recusa recusa = Recusa::sputnCurto)
        : limite_(limite), recusa_(recusa) {}

    int escritas = 0;
    bool falhou = false;

protected:
    std::streamsize xsputn(const char* dados, std::streamsize n) override {
        ++escritas;
        const auto tamanho = static_cast<std::size_t>(n);
        const std::size_t cabe =
            recusa_ == Recusa::sputnCurto ? std::min(tamanho, limite_ - aceitos_) : tamanho;
        aceitos_ += cabe;
        if (cabe < tamanho) {
            falhou = true;
            errno = ENOSPC;
        }
        return std::stringbuf::xsputn(dados, static_cast<std::streamsize>(cabe));
    }

    int sync() override {
        if (aceitos_ > limite_) {
            falhou = true;
            return -1;
        }
        return 0;
    }

private:
    std::size_t limite_;
    Recusa recusa_;
    std::size_t aceitos_ = 0;
};

// While it lives, standard input, output and error are the given buffers.
class Redirecao {
public:
    Redirecao(std::streambuf* entrada, std::streambuf* saida, std::streambuf* erro)
        : entradaAnterior_(std::cin.rdbuf(entrada)),
          saidaAnterior_(std::cout.rdbuf(saida)),
          erroAnterior_(std::cerr.rdbuf(erro)) {}

    Redirecao(const Redirecao&) = delete;
    Redirecao& operator=(const Redirecao&) = delete;

    ~Redirecao() {
        std::cin.rdbuf(entradaAnterior_);
        std::cout.rdbuf(saidaAnterior_);
        std::cerr.rdbuf(erroAnterior_);
    }

private:
    std::streambuf* entradaAnterior_;
    std::streambuf* saidaAnterior_;
    std::streambuf* erroAnterior_;
};

// Runs part of the program in-process: standard input reads from a string and
// standard output and error are collected. Each session starts with an empty ranking.
class Sessao {
public:
    explicit Sessao(std::string entrada) : entrada_(std::move(entrada)) {
        qtd_ranking = 0;
    }

    Sessao(const Sessao&) = delete;
    Sessao& operator=(const Sessao&) = delete;

    ~Sessao() {
        descarregarSaida();
    }

    std::string saida() {
        descarregarSaida();
        return saida_.str();
    }

    int escritas() const {
        return saida_.escritas;
    }

    std::string erro() const {
        return erro_.str();
    }

    // The input that the program has not read.
    std::string restante() {
        return {std::istreambuf_iterator<char>(&entrada_), std::istreambuf_iterator<char>()};
    }

private:
    std::stringbuf entrada_;
    SaidaContada saida_;
    std::stringbuf erro_;
    Redirecao redirecao_{&entrada_, &saida_, &erro_};
};
