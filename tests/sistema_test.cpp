// The system's terminal on real pipes.
#include "console/console.hpp"
#include "terminal_de_teste.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <ctime>
#include <string>

namespace {

// For as long as it lives, one of the process's descriptors is one end of a new
// pipe, made non-blocking if asked; the other end is outro().
class DescritorNumCano {
public:
    DescritorNumCano(int descritor, int modo) : descritor_(descritor), original_(dup(descritor)) {
        EXPECT_EQ(pipe(cano_.data()), 0);
        const std::size_t meu = descritor == STDIN_FILENO ? 0 : 1;
        EXPECT_EQ(fcntl(cano_[meu], F_SETFL, modo), 0);
        EXPECT_GE(dup2(cano_[meu], descritor), 0);
        close(cano_[meu]);
        outro_ = cano_[1 - meu];
    }

    DescritorNumCano(const DescritorNumCano&) = delete;
    DescritorNumCano& operator=(const DescritorNumCano&) = delete;

    ~DescritorNumCano() {
        restaurar();
        fecharOutro();
    }

    int outro() const {
        return outro_;
    }

    void fecharOutro() {
        if (outro_ >= 0) {
            close(outro_);
            outro_ = -1;
        }
    }

    void restaurar() {
        if (original_ >= 0) {
            dup2(original_, descritor_);
            close(original_);
            original_ = -1;
        }
    }

private:
    int descritor_;
    int original_;
    std::array<int, 2> cano_{};
    int outro_ = -1;
};

// Runs the function in a child process and returns its exit status.
template <typename Funcao>
pid_t emOutroProcesso(Funcao funcao) {
    const pid_t filho = fork();
    if (filho == 0) {
        _exit(funcao());
    }
    return filho;
}

int statusDe(pid_t filho) {
    int status = 0;
    waitpid(filho, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// Input waiting in the system counts as there to take, so output can wait for
// more; an empty pipe is a read that would wait.
TEST(TerminalDoSistema, SabeQuandoUmaLeituraEsperaria) {
    DescritorNumCano entrada(STDIN_FILENO, 0);
    Terminal& terminal = terminalDoSistema();
    EXPECT_TRUE(terminal.leituraEsperaria());
    ASSERT_EQ(write(entrada.outro(), "4\n", 2), 2);
    EXPECT_FALSE(terminal.leituraEsperaria());
    std::array<char, 8> lido{};
    EXPECT_EQ(terminal.ler(lido), 2);
    EXPECT_EQ(std::string(lido.data(), 2), "4\n");
    EXPECT_TRUE(terminal.leituraEsperaria());
    // At the end of the input, an errno left from before is no "not now".
    entrada.fecharOutro();
    errno = EAGAIN;
    EXPECT_EQ(terminal.ler(lido), 0);
}

double segundosDeProcessador() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A descriptor left non-blocking answers "not now": the terminal waits for it,
// asleep, not asking again and again.
TEST(TerminalDoSistema, EsperaPorUmaEntradaNaoBloqueante) {
    constexpr int ESPERA_US = 200000;
    const DescritorNumCano entrada(STDIN_FILENO, O_NONBLOCK);
    const pid_t filho = emOutroProcesso([&entrada] {
        usleep(ESPERA_US);
        return write(entrada.outro(), "7\n", 2) == 2 ? 0 : 1;
    });
    std::array<char, 8> lido{};
    const double antes = segundosDeProcessador();
    EXPECT_EQ(terminalDoSistema().ler(lido), 2);
    EXPECT_LT(segundosDeProcessador() - antes, ESPERA_US / 2 / 1e6);
    EXPECT_EQ(std::string(lido.data(), 2), "7\n");
    EXPECT_EQ(statusDe(filho), 0);
}

// Output of several times a pipe's capacity, read slowly from a non-blocking
// pipe, comes out whole and in order.
TEST(TerminalDoSistema, EsperaPorUmaSaidaNaoBloqueanteLidaDevagar) {
    std::string texto;
    for (int i = 0; texto.size() < (1U << 18U); ++i) {
        texto += std::to_string(i) + "\n";
    }
    DescritorNumCano saida(STDOUT_FILENO, O_NONBLOCK);
    const pid_t filho = emOutroProcesso([&saida, &texto] {
        close(STDOUT_FILENO);
        std::string lido;
        std::array<char, 4096> bloco{};
        for (ssize_t n = 0; (n = read(saida.outro(), bloco.data(), bloco.size())) > 0; usleep(1000)) {
            lido.append(bloco.data(), static_cast<std::size_t>(n));
        }
        return lido == texto ? 0 : 1;
    });
    saida.fecharOutro();
    bool falhou = false;
    {
        const TerminalEmUso sistema(terminalDoSistema());
        try {
            escrever("%s", texto.c_str());
            descarregarSaida();
        } catch (const FalhaDoSistema&) {
            falhou = true;
        }
    }
    saida.restaurar();
    EXPECT_FALSE(falhou);
    EXPECT_EQ(statusDe(filho), 0);
}

}  // namespace
