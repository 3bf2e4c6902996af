#pragma once

#include "app/menu_principal.hpp"
#include "sessao.hpp"

#include <cerrno>
#include <ios>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

// Standard input that hands over its blocks one at a time, as a terminal hands
// over lines, and notes what had been written when each block was asked for.
// After the last block it meets the end of input or, if told so, fails as a
// read from a broken device does.
class EntradaEmBlocos : public std::streambuf {
public:
    enum class Depois { fim, falha };

    EntradaEmBlocos(std::vector<std::string> blocos, const SaidaContada& saida, Depois depois)
        : blocos_(std::move(blocos)), saida_(saida), depois_(depois) {}

    std::vector<std::string> vistoAntesDeCadaLeitura;
    bool leuDepoisDeFalharASaida = false;

protected:
    int_type underflow() override {
        vistoAntesDeCadaLeitura.push_back(saida_.str());
        leuDepoisDeFalharASaida = leuDepoisDeFalharASaida || saida_.falhou;
        if (proximo_ == blocos_.size()) {
            if (depois_ == Depois::falha) {
                throw std::ios_base::failure("read", std::error_code(EIO, std::generic_category()));
            }
            return traits_type::eof();
        }
        std::string& bloco = blocos_[proximo_++];
        setg(bloco.data(), bloco.data(), bloco.data() + bloco.size());
        return traits_type::to_int_type(bloco[0]);
    }

private:
    std::vector<std::string> blocos_;
    std::size_t proximo_ = 0;
    const SaidaContada& saida_;
    Depois depois_;
};

struct Resultado {
    int status;
    std::string saida;
    std::string erro;
    int escritas;
    std::vector<std::string> vistoAntesDeCadaLeitura;
    bool leuDepoisDeFalharASaida;
};

// The whole program from the main menu, with an empty ranking.
inline Resultado rodarMenu(std::vector<std::string> blocos,
                           EntradaEmBlocos::Depois depois = EntradaEmBlocos::Depois::fim,
                           SaidaContada saida = SaidaContada()) {
    EntradaEmBlocos entrada(std::move(blocos), saida, depois);
    std::stringbuf erro;
    int status = 0;
    {
        const Redirecao redirecao(&entrada, &saida, &erro);
        qtd_ranking = 0;
        status = menuPrincipal();
    }
    return {status,
            saida.str(),
            erro.str(),
            saida.escritas,
            entrada.vistoAntesDeCadaLeitura,
            entrada.leuDepoisDeFalharASaida};
}
