#pragma once

#include <array>

// The difficulty levels, in the order of their menu: the program's one table of game constants.
struct Dificuldade {
    const char* nome;
    int maximo;
    int vidas;
};

inline constexpr std::array<Dificuldade, 3> DIFICULDADES{{
    {"Facil", 50, 10},
    {"Medio", 100, 7},
    {"Dificil", 200, 5},
}};

inline constexpr int PONTOS_POR_VIDA = 10;
inline constexpr int PONTOS_DO_MESTRE = 100;

inline constexpr const char* VENCEDOR = "Vencedor";
inline constexpr const char* DERROTADO = "Derrotado";
inline constexpr const char* MESTRE = "Mestre";

void menuJogar();
void listarModos();
int escolherDificuldade(int& maximo);

// The secret of a game, from 1 to maximo: drawn from the generator that main
// seeds, unless a draw of another's is in use.
int sortearNumero(int maximo);

// From now on the secrets come from the given draw, or from the generator when
// it is null; returns the draw used before. The tests hand their secrets in.
using Sorteio = int (*)(int maximo);
Sorteio usarSorteio(Sorteio novo);

int lerPalpite(int maximo);
const char* obterDica(int palpite, int secreto);
int calcularPontos(int vidas);
void pausarJogo();

void jogarSolo();
void jogarDupla();
void passaControle();
