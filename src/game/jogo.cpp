#include "game/jogo.hpp"

#include "console/console.hpp"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <utility>

namespace {

Sorteio sorteioEmUso = nullptr;

struct Modo {
    const char* nome;
    // cppcheck-suppress unusedStructMember ; called through escolherDaTabela
    void (*jogar)();
};

constexpr std::array<Modo, 3> MODOS{{
    {"Solo", jogarSolo},
    {"Dupla", jogarDupla},
    {"Passa o Controle", passaControle},
}};

// Menu options are numbered from 1, in the order of their table.
template <typename Tabela>
constexpr int ultimaOpcao(const Tabela& tabela) {
    return static_cast<int>(tabela.size());
}

template <typename Tabela>
const auto& escolherDaTabela(const Tabela& tabela) {
    escrever("Opcao: ");
    return tabela[static_cast<std::size_t>(VerificarNum(1, ultimaOpcao(tabela)) - 1)];
}

}  // namespace

void listarModos() {
    for (int opcao = 1; opcao <= ultimaOpcao(MODOS); ++opcao) {
        escrever("%d - %s\n", opcao, MODOS[static_cast<std::size_t>(opcao - 1)].nome);
    }
}

void menuJogar() {
    limparTela();
    listarModos();
    escolherDaTabela(MODOS).jogar();
}

// The menu goes below what the screen already shows, after an empty line.
int escolherDificuldade(int& maximo) {
    escrever("\n");
    for (int opcao = 1; opcao <= ultimaOpcao(DIFICULDADES); ++opcao) {
        const Dificuldade& nivel = DIFICULDADES[static_cast<std::size_t>(opcao - 1)];
        escrever("%d - %s (1 a %d / %d vidas)\n", opcao, nivel.nome, nivel.maximo, nivel.vidas);
    }
    const Dificuldade& escolhido = escolherDaTabela(DIFICULDADES);
    maximo = escolhido.maximo;
    return escolhido.vidas;
}

int sortearNumero(int maximo) {
    if (sorteioEmUso != nullptr) {
        return sorteioEmUso(maximo);
    }
    return (std::rand() % maximo) + 1;  // NOLINT(cert-msc30-c,cert-msc50-cpp): one seeded sequence per run
}

Sorteio usarSorteio(Sorteio novo) {
    return std::exchange(sorteioEmUso, novo);
}

int lerPalpite(int maximo) {
    escrever("Palpite: ");
    return VerificarNum(1, maximo);
}

// Which way the secret lies from a wrong guess.
const char* obterDica(int palpite, int secreto) {
    return palpite < secreto ? "MAIOR" : "MENOR";
}

int calcularPontos(int vidas) {
    return vidas * PONTOS_POR_VIDA;
}

void pausarJogo() {
    pausar("\nENTER...");
}
