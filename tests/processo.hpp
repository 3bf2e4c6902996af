#pragma once

#include <string>
#include <string_view>

// The built game, run as its own process with pipes on its standard input and output.
class Processo {
public:
    Processo();
#ifndef _WIN32
    // With its standard input non-blocking, as another program can leave a terminal.
    enum class Entrada { naoBloqueante };
    explicit Processo(Entrada entrada);
#endif
    Processo(const Processo&) = delete;
    Processo& operator=(const Processo&) = delete;
    ~Processo();

    void escrever(std::string_view texto);
    void fecharEntrada();

    // Reads until what has been read since the last call ends with the marker
    // (or output ends, or a few seconds pass); returns all that was read.
    std::string lerAte(std::string_view marcador);
    std::string lerTudo();

    // Closes the input if still open, reads the rest and returns the exit status.
    int esperar();

private:
#ifndef _WIN32
    explicit Processo(int modoDaEntrada);
#endif

    struct Detalhes;
    Detalhes* detalhes_;
};

struct Execucao {
    std::string saida;
    int status;
};

// Runs the game on the whole input at once.
Execucao executarJogo(std::string_view entrada);

#ifndef _WIN32
struct ExecucaoNoShell {
    int status;
    std::string erro;
};

// Runs "antes GAME depois" in the shell, with the game's standard error collected
// and its other descriptors as the redirections in depois leave them.
ExecucaoNoShell executarNoShell(std::string_view antes, std::string_view depois);
#endif
