#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <type_traits>

// The console's buffers: a read takes at most TAMANHO_DA_LEITURA bytes of input,
// and the output waits in TAMANHO_DA_SAIDA bytes until the program is about to wait.
inline constexpr std::size_t TAMANHO_DA_LEITURA = 8192;
inline constexpr std::size_t TAMANHO_DA_SAIDA = std::size_t{1} << 17U;

// A player name: at most 99 characters and the terminating NUL.
constexpr std::size_t TAMANHO_NOME = 100;
using Nome = std::array<char, TAMANHO_NOME>;

// Thrown by a read that meets the end of input before it has taken anything.
// It unwinds the screens up to the main menu, which ends the program.
struct FimDaEntrada {};

// Thrown when the system fails a read or a write. It unwinds like the end of
// input, and the program ends with an error.
struct FalhaDoSistema {
    enum class Em : std::uint8_t { leitura, escrita };
    Em em;
    int causa;  // errno, or 0 when the system gave no reason
};

void limparTela();
void limparBuffer();
int VerificarNum(int min, int max);
void lerNome(Nome& nome);
void pausar(std::string_view aviso);

// Writes one line to standard error that says what failed.
void relatarFalha(const FalhaDoSistema& falha);

// One value for a placeholder of escrever: %d takes a number, %s a text.
struct Valor {
    explicit Valor(int n) : numero(n) {}
    explicit Valor(const char* t) : texto(t) {}
    explicit Valor(const Nome& nome) : texto(nome.data()) {}

    int numero = 0;
    const char* texto = nullptr;
};

namespace detalhe {

template <typename T>
constexpr char marcadorDe() {
    if constexpr (std::is_same_v<T, int>) {
        return 'd';
    } else {
        static_assert(std::is_same_v<T, Nome> || std::is_convertible_v<const T&, const char*>,
                      "escrever takes an int for %d and a text or a Nome for %s");
        return 's';
    }
}

// Not constexpr: reaching it while a format is checked makes the call fail to compile.
void marcadoresNaoConferemComOsValores();

void escreverFormatado(std::string_view formato, std::initializer_list<Valor> valores);

}  // namespace detalhe

// A text for escrever whose %d and %s placeholders are checked, when the
// program is compiled, against the values given with it: one value for each
// placeholder, in order, a number for %d and a text for %s.
template <typename... Valores>
class Formato {
public:
    // Implicit, so that a literal passes for a Formato.
    // cppcheck-suppress noExplicitConstructor
    consteval Formato(const char* texto) : texto_(texto) {
        constexpr std::array<char, sizeof...(Valores)> esperados{detalhe::marcadorDe<Valores>()...};
        std::size_t proximo = 0;
        for (std::size_t i = 0; i + 1 < texto_.size(); ++i) {
            const char tipo = texto_[i + 1];
            if (texto_[i] != '%' || (tipo != 'd' && tipo != 's')) {
                continue;
            }
            if (proximo == esperados.size() || esperados[proximo] != tipo) {
                detalhe::marcadoresNaoConferemComOsValores();
            }
            ++proximo;
        }
        if (proximo != esperados.size()) {
            detalhe::marcadoresNaoConferemComOsValores();
        }
    }

    [[nodiscard]] constexpr std::string_view texto() const {
        return texto_;
    }

private:
    std::string_view texto_;
};

// Writes exactly the text, with each %d or %s replaced by the next value.
template <typename... Valores>
// cppcheck-suppress passedByValue ; a Formato is a string_view
void escrever(Formato<std::type_identity_t<Valores>...> formato, const Valores&... valores) {
    detalhe::escreverFormatado(formato.texto(), {Valor(valores)...});
}

// Writes the text and a line feed.
void imprimirLinha(std::string_view texto);

// Hands everything written so far to standard output.
void descarregarSaida();
