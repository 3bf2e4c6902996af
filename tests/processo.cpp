#include "processo.hpp"

Execucao executarJogo(std::string_view entrada) {
    Processo jogo;
    jogo.escrever(entrada);
    std::string saida = jogo.lerTudo();
    return {saida, jogo.esperar()};
}
