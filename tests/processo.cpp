#include "processo.hpp"

#include <thread>

std::string Processo::lerTudo() {
    fecharEntrada();
    return lerAte("");
}

// The input is written while the output is read: a game that answers more than a
// pipe holds before reading on would otherwise wait on the test, and the test on it.
Execucao executarJogo(std::string_view entrada) {
    Processo jogo;
    std::thread escritor([&] {
        jogo.escrever(entrada);
        jogo.fecharEntrada();
    });
    std::string saida = jogo.lerAte("");
    escritor.join();
    return {saida, jogo.esperar()};
}
