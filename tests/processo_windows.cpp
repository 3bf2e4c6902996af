#include "processo.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

struct Processo::Detalhes {
    HANDLE processo = nullptr;
    HANDLE entrada = nullptr;
    HANDLE saida = nullptr;
};

namespace {

constexpr DWORD ESPERA_MS = 10000;

void fechar(HANDLE& handle) {
    if (handle != nullptr) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

// Under wine the build's paths are Unix ones; wine's drive Z: is the Unix root.
std::string caminhoNoWindows(std::string caminho) {
    if (caminho.starts_with('/')) {
        caminho.insert(0, "Z:");
    }
    return caminho;
}

// The console writes each line feed as CR LF; the tests compare what the game means.
void tirarRetornos(std::string& texto) {
    std::string::size_type destino = 0;
    for (std::string::size_type i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\r' || i + 1 == texto.size() || texto[i + 1] != '\n') {
            texto[destino++] = texto[i];
        }
    }
    texto.resize(destino);
}

}  // namespace

Processo::Processo() : detalhes_(new Detalhes) {
    SECURITY_ATTRIBUTES herdavel{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE filhoLe = nullptr;
    HANDLE filhoEscreve = nullptr;
    CreatePipe(&filhoLe, &detalhes_->entrada, &herdavel, 0);
    CreatePipe(&detalhes_->saida, &filhoEscreve, &herdavel, 0);
    SetHandleInformation(detalhes_->entrada, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(detalhes_->saida, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdInput = filhoLe;
    inicio.hStdOutput = filhoEscreve;
    inicio.hStdError = filhoEscreve;
    PROCESS_INFORMATION info{};
    // The game's cls runs the stand-in, which shows each clear in the output.
    SetEnvironmentVariableA("COMSPEC", caminhoNoWindows(ADIVINHE_INTERPRETADOR).c_str());
    const std::string caminho = caminhoNoWindows(ADIVINHE_EXE);
    std::string linha = "\"" + caminho + "\"";
    if (!CreateProcessA(caminho.c_str(), linha.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &inicio,
                        &info)) {
        ADD_FAILURE() << "cannot start " << caminho << ": error " << GetLastError();
    }
    CloseHandle(filhoLe);
    CloseHandle(filhoEscreve);
    fechar(info.hThread);
    detalhes_->processo = info.hProcess;
}

Processo::~Processo() {
    if (detalhes_->processo != nullptr) {
        esperar();
    }
    delete detalhes_;
}

void Processo::escrever(std::string_view texto) {
    while (!texto.empty()) {
        DWORD escrito = 0;
        if (!WriteFile(detalhes_->entrada, texto.data(), static_cast<DWORD>(texto.size()), &escrito,
                       nullptr) ||
            escrito == 0) {
            ADD_FAILURE() << "the game stopped reading its input";
            return;
        }
        texto.remove_prefix(escrito);
    }
}

void Processo::fecharEntrada() {
    fechar(detalhes_->entrada);
}

std::string Processo::lerAte(std::string_view marcador) {
    std::string lido;
    std::array<char, 4096> bloco{};
    const ULONGLONG limite = GetTickCount64() + ESPERA_MS;
    for (;;) {
        std::string semRetornos = lido;
        tirarRetornos(semRetornos);
        if (!marcador.empty() && semRetornos.ends_with(marcador)) {
            return semRetornos;
        }
        DWORD disponivel = 0;
        if (!PeekNamedPipe(detalhes_->saida, nullptr, 0, nullptr, &disponivel, nullptr)) {
            if (!marcador.empty()) {
                ADD_FAILURE() << "output ended before \"" << marcador << '"';
            }
            return semRetornos;
        }
        if (disponivel == 0) {
            if (GetTickCount64() > limite) {
                ADD_FAILURE() << "no output for " << ESPERA_MS << " ms; waiting for \"" << marcador << '"';
                return semRetornos;
            }
            Sleep(1);
            continue;
        }
        DWORD n = 0;
        ReadFile(detalhes_->saida, bloco.data(), static_cast<DWORD>(bloco.size()), &n, nullptr);
        lido.append(bloco.data(), n);
    }
}

int Processo::esperar() {
    fecharEntrada();
    lerAte("");
    fechar(detalhes_->saida);
    WaitForSingleObject(detalhes_->processo, ESPERA_MS);
    DWORD status = 0;
    GetExitCodeProcess(detalhes_->processo, &status);
    fechar(detalhes_->processo);
    return static_cast<int>(status);
}
