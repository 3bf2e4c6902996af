#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

// A player name: at most 99 characters and the terminating NUL.
constexpr std::size_t TAMANHO_NOME = 100;
using Nome = std::array<char, TAMANHO_NOME>;

// Thrown by a read that meets the end of input before it has taken anything.
// It unwinds the screens up to the main menu, which ends the program.
struct FimDaEntrada {};

// Makes standard input and output buffered; call once, before any I/O.
void prepararConsole();

void limparTela();
void limparBuffer();
int VerificarNum(int min, int max);
void lerNome(Nome& nome);
void pausar(std::string_view aviso);

// One value for a placeholder of escrever: %d takes a number, %s a text.
struct Valor {
    explicit Valor(int n) : numero(n) {}
    explicit Valor(const char* t) : texto(t) {}
    explicit Valor(const Nome& nome) : texto(nome.data()) {}

    int numero = 0;
    const char* texto = nullptr;
};

void escreverFormatado(std::string_view formato, std::initializer_list<Valor> valores);

// Writes exactly the text, with each %d or %s replaced by the next value.
template <typename... Valores>
void escrever(std::string_view formato, const Valores&... valores) {
    escreverFormatado(formato, {Valor(valores)...});
}

// Writes the text and a line feed.
void imprimirLinha(std::string_view texto);

// Hands everything written so far to standard output.
void descarregarSaida();
