// Compiled, not run: each CASO but 0 must fail to compile, because escrever's
// placeholders do not agree with its values. CASO 0 agrees, and must compile.
#include "console/console.hpp"

void escreverCaso(const Nome& nome) {
#if CASO == 0
    escrever("%s: %d vidas\n", nome, 3);
    escrever("%d - %s | %s\n", 1, "Mestre", nome.data());
    escrever("100% %x %");
    escrever("%%d|%s", 5, nome);
#elif CASO == 1
    escrever("%d vidas\n", nome);
#elif CASO == 2
    escrever("Digite um numero entre %d e %d: ", 1);
#elif CASO == 3
    escrever("Jogador: \n", nome);
#elif CASO == 4
    escrever("%d pontos\n", 3L);
#endif
}
