#include "processo.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

struct Processo::Detalhes {
    pid_t pid = -1;
    int entrada = -1;
    int saida = -1;
};

namespace {

constexpr int ESPERA_MS = 10000;

// ADIVINHE_LANCADOR, when set, is a command line that runs the game, valgrind for example.
std::vector<std::string> comandoDoJogo() {
    std::vector<std::string> palavras;
    if (const char* lancador = std::getenv("ADIVINHE_LANCADOR")) {
        std::istringstream linha(lancador);
        for (std::string palavra; linha >> palavra;) {
            palavras.push_back(palavra);
        }
    }
    palavras.emplace_back(ADIVINHE_EXE);
    return palavras;
}

[[noreturn]] void executarComLancador() {
    std::vector<std::string> palavras = comandoDoJogo();
    std::vector<char*> argumentos;
    for (std::string& palavra : palavras) {
        argumentos.push_back(palavra.data());
    }
    argumentos.push_back(nullptr);
    execvp(argumentos[0], argumentos.data());
    _exit(127);
}

void fechar(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

Processo::Processo() : Processo(0) {}

Processo::Processo(Entrada /*entrada*/) : Processo(O_NONBLOCK) {}

Processo::Processo(int modoDaEntrada) : detalhes_(new Detalhes) {
    signal(SIGPIPE, SIG_IGN);
    std::array<int, 2> paraFilho{};
    std::array<int, 2> doFilho{};
    if (pipe(paraFilho.data()) != 0 || pipe(doFilho.data()) != 0 ||
        fcntl(paraFilho[0], F_SETFL, modoDaEntrada) != 0) {
        throw std::runtime_error("pipe");
    }
    detalhes_->pid = fork();
    if (detalhes_->pid == 0) {
        dup2(paraFilho[0], STDIN_FILENO);
        dup2(doFilho[1], STDOUT_FILENO);
        close(paraFilho[0]);
        close(paraFilho[1]);
        close(doFilho[0]);
        close(doFilho[1]);
        executarComLancador();
    }
    close(paraFilho[0]);
    close(doFilho[1]);
    detalhes_->entrada = paraFilho[1];
    detalhes_->saida = doFilho[0];
}

Processo::~Processo() {
    if (detalhes_->pid > 0) {
        esperar();
    }
    delete detalhes_;
}

void Processo::escrever(std::string_view texto) {
    while (!texto.empty()) {
        const ssize_t escrito = write(detalhes_->entrada, texto.data(), texto.size());
        if (escrito <= 0) {
            ADD_FAILURE() << "the game stopped reading its input";
            return;
        }
        texto.remove_prefix(static_cast<std::size_t>(escrito));
    }
}

void Processo::fecharEntrada() {
    fechar(detalhes_->entrada);
}

std::string Processo::lerAte(std::string_view marcador) {
    std::string lido;
    std::array<char, 4096> bloco{};
    while (marcador.empty() || lido.size() < marcador.size() ||
           lido.compare(lido.size() - marcador.size(), marcador.size(), marcador) != 0) {
        pollfd espera{detalhes_->saida, POLLIN, 0};
        if (poll(&espera, 1, ESPERA_MS) <= 0) {
            ADD_FAILURE() << "no output for " << ESPERA_MS << " ms; waiting for \"" << marcador << '"';
            break;
        }
        const ssize_t n = read(detalhes_->saida, bloco.data(), bloco.size());
        if (n <= 0) {
            if (!marcador.empty()) {
                ADD_FAILURE() << "output ended before \"" << marcador << '"';
            }
            break;
        }
        lido.append(bloco.data(), static_cast<std::size_t>(n));
    }
    return lido;
}

int Processo::esperar() {
    fecharEntrada();
    lerAte("");
    fechar(detalhes_->saida);
    int status = 0;
    while (waitpid(detalhes_->pid, &status, 0) < 0 && errno == EINTR) {
    }
    detalhes_->pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ExecucaoNoShell executarNoShell(std::string_view antes, std::string_view depois) {
    std::string comando(antes);
    for (const std::string& palavra : comandoDoJogo()) {
        comando += "'" + palavra + "' ";
    }
    comando += "2>&1 ";
    comando += depois;
    FILE* erro = popen(comando.c_str(), "r");
    if (erro == nullptr) {
        throw std::runtime_error("popen");
    }
    ExecucaoNoShell execucao{0, ""};
    std::array<char, 4096> bloco{};
    for (std::size_t n = 0; (n = fread(bloco.data(), 1, bloco.size(), erro)) > 0;) {
        execucao.erro.append(bloco.data(), n);
    }
    const int status = pclose(erro);
    execucao.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return execucao;
}
