#include "console/console.hpp"

#include "console/terminal.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

static_assert(std::numeric_limits<int>::digits == 31, "numbers are signed 32-bit integers");

namespace {

// What a read gives at the end of the input: no byte has this value.
constexpr int FIM = -1;

Terminal* terminalEmUso = nullptr;

Terminal& terminal() {
    return terminalEmUso != nullptr ? *terminalEmUso : terminalDoSistema();
}

// Input read from the terminal and not yet taken.
std::array<char, TAMANHO_DA_LEITURA> entradaLida;
std::size_t inicioDaEntrada = 0;
std::size_t fimDaEntrada = 0;

// Output waits here until the program is about to wait for input, so that a
// whole screen, or all that answers input typed ahead, leaves in one write.
std::array<char, TAMANHO_DA_SAIDA> saidaPendente;
std::size_t tamanhoPendente = 0;

void acrescentar(std::string_view texto) {
    while (!texto.empty()) {
        if (tamanhoPendente == saidaPendente.size()) {
            descarregarSaida();
        }
        const std::size_t parte = std::min(texto.size(), saidaPendente.size() - tamanhoPendente);
        std::memcpy(saidaPendente.data() + tamanhoPendente, texto.data(), parte);
        tamanhoPendente += parte;
        texto.remove_prefix(parte);
    }
}

void escreverNumero(int numero) {
    std::array<char, 16> digitos{};
    auto* const fim = std::to_chars(digitos.data(), digitos.data() + digitos.size(), numero).ptr;
    acrescentar({digitos.data(), static_cast<std::size_t>(fim - digitos.data())});
}

[[noreturn]] void falhar(FalhaDoSistema::Em em) {
    throw FalhaDoSistema{em, errno};
}

// Hands the whole text to the terminal, however many writes it takes; false
// when the system refuses it, with errno saying why.
[[nodiscard]] bool escreverTudo(Terminal::Destino destino, std::span<const char> dados) {
    while (!dados.empty()) {
        // A failure the system gives no reason for must not show a stale one.
        errno = 0;
        const std::ptrdiff_t escritos = terminal().escrever(destino, dados);
        if (escritos <= 0) {
            return false;
        }
        dados = dados.subspan(static_cast<std::size_t>(escritos));
    }
    return true;
}

// When nothing read is left and the terminal has nothing to give at once, the
// read is about to wait for the user, who must first see everything written.
int lerCaractere() {
    if (inicioDaEntrada == fimDaEntrada) {
        if (terminal().leituraEsperaria()) {
            descarregarSaida();
        }
        const std::ptrdiff_t lidos = terminal().ler(entradaLida);
        if (lidos < 0) {
            falhar(FalhaDoSistema::Em::leitura);
        }
        if (lidos == 0) {
            return FIM;
        }
        inicioDaEntrada = 0;
        fimDaEntrada = static_cast<std::size_t>(lidos);
    }
    return static_cast<unsigned char>(entradaLida[inicioDaEntrada++]);
}

void escreverValor(char tipo, const Valor& valor) {
    if (tipo == 'd') {
        escreverNumero(valor.numero);
    } else {
        acrescentar(valor.texto);
    }
}

bool ehBranco(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips blanks, line feeds included; input that ends before anything else ends the program.
int lerPrimeiroNaoBranco() {
    int c = lerCaractere();
    while (ehBranco(c)) {
        c = lerCaractere();
    }
    if (c == FIM) {
        throw FimDaEntrada{};
    }
    return c;
}

bool ehDigito(int c) {
    return c >= '0' && c <= '9';
}

// Reads an optionally signed decimal number and discards the rest of its line.
// All its digits count, however many: one too long for 32 bits comes back out
// of every range, and is refused like any other.
std::optional<long long> lerNumero() {
    constexpr long long alemDe32Bits = 1LL << 32U;
    int c = lerPrimeiroNaoBranco();
    const bool negativo = c == '-';
    if (c == '+' || c == '-') {
        c = lerCaractere();
    }
    bool temDigito = false;
    long long valor = 0;
    while (ehDigito(c)) {
        temDigito = true;
        valor = std::min((valor * 10) + (c - '0'), alemDe32Bits);
        c = lerCaractere();
    }
    if (c != '\n' && c != FIM) {
        limparBuffer();
    }
    if (!temDigito) {
        return std::nullopt;
    }
    return negativo ? -valor : valor;
}

}  // namespace

// The clear goes out whole in one write, so that a terminal cleared otherwise can tell it.
void limparTela() {
    if (saidaPendente.size() - tamanhoPendente < LIMPAR_TERMINAL.size()) {
        descarregarSaida();
    }
    acrescentar(LIMPAR_TERMINAL);
}

void limparBuffer() {
    int c = 0;
    do {
        c = lerCaractere();
    } while (c != '\n' && c != FIM);
}

int VerificarNum(int min, int max) {
    for (;;) {
        const std::optional<long long> numero = lerNumero();
        if (numero && min <= *numero && *numero <= max) {
            return static_cast<int>(*numero);
        }
        escrever("Digite um numero entre %d e %d: ", min, max);
    }
}

// The name runs from the first non-blank character to the end of its line;
// characters past the 99th are discarded with the rest of the line.
void lerNome(Nome& nome) {
    std::size_t tamanho = 0;
    for (int c = lerPrimeiroNaoBranco(); c != '\n' && c != FIM; c = lerCaractere()) {
        if (tamanho < nome.size() - 1) {
            nome[tamanho++] = static_cast<char>(c);
        }
    }
    nome[tamanho] = '\0';
}

// Consumes exactly one character: the rest of the line is left for the next read.
void pausar(std::string_view aviso) {
    acrescentar(aviso);
    if (lerCaractere() == FIM) {
        throw FimDaEntrada{};
    }
}

// One line, in one write, so that nothing another process writes to the same
// place can cut it in two. A reason too long for the line is cut short instead.
void relatarFalha(const FalhaDoSistema& falha) {
    std::array<char, 256> linha{};
    std::size_t tamanho = 0;
    const auto juntar = [&](std::string_view parte) {
        const std::size_t cabe = std::min(parte.size(), linha.size() - 1 - tamanho);
        std::memcpy(linha.data() + tamanho, parte.data(), cabe);
        tamanho += cabe;
    };
    juntar(falha.em == FalhaDoSistema::Em::leitura ? "adivinhe: erro ao ler a entrada"
                                                   : "adivinhe: erro ao escrever a saida");
    if (falha.causa != 0) {
        juntar(": ");
        juntar(std::strerror(falha.causa));
    }
    linha[tamanho++] = '\n';
    // When standard error fails too, nothing is left to tell it to.
    static_cast<void>(escreverTudo(Terminal::Destino::erro, {linha.data(), tamanho}));
}

// The placeholders and the values agree: the compiler has checked them.
void detalhe::escreverFormatado(std::string_view formato, std::initializer_list<Valor> valores) {
    const Valor* proximo = valores.begin();
    std::size_t inicio = 0;
    for (std::size_t marca = formato.find('%'); marca != std::string_view::npos && marca + 1 < formato.size();
         marca = formato.find('%', marca + 1)) {
        const char tipo = formato[marca + 1];
        if (tipo != 'd' && tipo != 's') {
            continue;
        }
        acrescentar({formato.data() + inicio, marca - inicio});
        escreverValor(tipo, *proximo++);
        inicio = marca + 2;
    }
    acrescentar({formato.data() + inicio, formato.size() - inicio});
}

void imprimirLinha(std::string_view texto) {
    acrescentar(texto);
    acrescentar("\n");
}

// Output the system refuses is dropped with the rest: the program ends without
// writing or reading anything more.
void descarregarSaida() {
    const std::span<const char> pendente(saidaPendente.data(), tamanhoPendente);
    tamanhoPendente = 0;
    if (!escreverTudo(Terminal::Destino::saida, pendente)) {
        falhar(FalhaDoSistema::Em::escrita);
    }
}

Terminal* usarTerminal(Terminal* novo) {
    inicioDaEntrada = 0;
    fimDaEntrada = 0;
    tamanhoPendente = 0;
    return std::exchange(terminalEmUso, novo);
}
