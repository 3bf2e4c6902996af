// A stand-in for the Windows command interpreter, which the game runs as `cls`
// to clear the console: a real cls writes nothing into a pipe, so the end-to-end
// tests could not see a clear. This one writes the escape sequence that clears
// a terminal instead, so that each clear shows in its place, as on Linux. It
// does nothing else: any other command fails, and writes nothing.
#include "console/terminal.hpp"

#include <io.h>

#include <string_view>

int main(int argc, char** argv) {
    if (argc != 3 || std::string_view(argv[1]) != "/c" || std::string_view(argv[2]) != "cls") {
        return 1;
    }
    return _write(1, LIMPAR_TERMINAL.data(), static_cast<unsigned>(LIMPAR_TERMINAL.size())) > 0 ? 0 : 1;
}
