#include "processo.hpp"

std::string Processo::lerTudo() {
    fecharEntrada();
    return lerAte("");
}

Execucao executarJogo(std::string_view entrada) {
    Processo jogo;
    jogo.escrever(entrada);
    std::string saida = jogo.lerTudo();
    return {saida, jogo.esperar()};
}
