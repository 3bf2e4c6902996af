// Feeds each input to the whole program as its standard input, from the main
// menu on, with the ranking empty and the generator seeded the same way each time.
//
// The first three bytes choose a failure of the system: 'L' makes reading fail,
// 'E' makes writing come back short and 'S' makes the sync after it fail, after
// as many bytes of input or output as the next two bytes say (high byte first);
// any other first byte fails nothing. The input is handed over a line at a time,
// as a terminal hands it over, so that output leaves, and can fail, at every screen.
#include "app/menu_principal.hpp"
#include "info/ranking.hpp"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <utility>

namespace {

struct Falha {
    char tipo;
    std::size_t apos;
};

class SaidaQueFalha : public std::streambuf {
public:
    explicit SaidaQueFalha(Falha falha) : falha_(falha) {}

    bool falhou = false;
    bool escreveuDepoisDeFalhar = false;

protected:
    std::streamsize xsputn(const char* /*dados*/, std::streamsize n) override {
        escreveuDepoisDeFalhar = escreveuDepoisDeFalhar || falhou;
        const auto tamanho = static_cast<std::size_t>(n);
        std::size_t aceitos = tamanho;
        if (falha_.tipo == 'E' && escritos_ + tamanho > falha_.apos) {
            aceitos = falha_.apos - escritos_;
            falhou = true;
        }
        escritos_ += aceitos;
        return static_cast<std::streamsize>(aceitos);
    }

    int sync() override {
        if (falha_.tipo == 'S' && escritos_ > falha_.apos) {
            falhou = true;
            return -1;
        }
        return 0;
    }

private:
    Falha falha_;
    std::size_t escritos_ = 0;
};

class EntradaQueFalha : public std::streambuf {
public:
    EntradaQueFalha(std::string dados, Falha falha, const SaidaQueFalha& saida)
        : dados_(std::move(dados)), saida_(saida) {
        if (falha.tipo == 'L' && falha.apos < dados_.size()) {
            dados_.resize(falha.apos);
            falhar_ = true;
        }
    }

    bool falhou = false;
    bool leuDepoisDeFalharASaida = false;

protected:
    int_type underflow() override {
        leuDepoisDeFalharASaida = leuDepoisDeFalharASaida || saida_.falhou;
        if (lido_ == dados_.size()) {
            if (falhar_) {
                falhou = true;
                throw std::system_error(EIO, std::generic_category(), "read");
            }
            return traits_type::eof();
        }
        const std::size_t comeco = lido_;
        const std::size_t linha = dados_.find('\n', comeco);
        lido_ = linha == std::string::npos ? dados_.size() : linha + 1;
        setg(dados_.data() + comeco, dados_.data() + comeco, dados_.data() + lido_);
        return traits_type::to_int_type(dados_[comeco]);
    }

private:
    std::string dados_;
    const SaidaQueFalha& saida_;
    bool falhar_ = false;
    std::size_t lido_ = 0;
};

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
    const Falha falha{static_cast<char>(dados[0]), static_cast<std::size_t>(dados[1] << 8U | dados[2])};
    const char* inicio = reinterpret_cast<const char*>(dados) + CABECALHO;
    SaidaQueFalha saida(falha);
    EntradaQueFalha entrada(std::string(inicio, tamanho - CABECALHO), falha, saida);
    std::streambuf* entradaAnterior = std::cin.rdbuf(&entrada);
    std::streambuf* saidaAnterior = std::cout.rdbuf(&saida);
    std::streambuf* erroAnterior = std::cerr.rdbuf(nullptr);
    qtd_ranking = 0;
    std::srand(1);
    const int status = menuPrincipal();
    std::cin.rdbuf(entradaAnterior);
    std::cout.rdbuf(saidaAnterior);
    std::cerr.rdbuf(erroAnterior);
    const bool falhou = entrada.falhou || saida.falhou;
    if (status < 0 || status > 2 || (status == 2) != falhou || !rankingCoerente() ||
        entrada.leuDepoisDeFalharASaida || saida.escreveuDepoisDeFalhar) {
        std::abort();
    }
    return 0;
}
