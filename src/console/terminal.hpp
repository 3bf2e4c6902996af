#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// What clears a terminal: cursor home, erase the window, then erase the lines
// scrolled off it, as cls does, so that nothing cleared can be scrolled back to
// (the master's number above all). A terminal without the last one ignores it.
inline constexpr std::string_view LIMPAR_TERMINAL = "\033[H\033[2J\033[3J";

// The console's one way to the world outside: read some bytes of the input,
// write some bytes to the output or to the error stream, and tell whether a
// read would wait for the user. The system's own terminal is in one file a
// platform (sistema_posix.cpp, sistema_windows.cpp, sistema_pagina.cpp); the
// tests bring theirs, over strings.
class Terminal {
public:
    enum class Destino : std::uint8_t { saida, erro };

    // As read(2): the bytes read into destino, at least one; 0 at the end of
    // the input; -1 when the system fails, with errno saying why.
    virtual std::ptrdiff_t ler(std::span<char> destino) = 0;

    // As write(2): the bytes written, at least one; 0 or -1 when the system
    // fails, with errno saying why when it gives a reason. A clear comes as
    // LIMPAR_TERMINAL, whole in one call: a terminal that is cleared otherwise
    // clears itself at that point of the output instead of writing it.
    virtual std::ptrdiff_t escrever(Destino destino, std::span<const char> dados) = 0;

    // Whether the next read would wait: no input is there to take.
    virtual bool leituraEsperaria() = 0;

protected:
    Terminal() = default;
    Terminal(const Terminal&) = default;
    Terminal& operator=(const Terminal&) = default;
    ~Terminal() = default;
};

// The terminal of this process: its standard input, output and error, or the page.
Terminal& terminalDoSistema();

// From now on the console reads and writes through the given terminal, or
// through the system's when it is null; returns the one it used before. What
// the console held of the previous one, read or still to write, is dropped.
Terminal* usarTerminal(Terminal* novo);
