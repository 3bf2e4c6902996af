#include "app/menu_principal.hpp"
#include "console/console.hpp"

#include <cstdlib>
#include <ctime>

int main() {
    prepararConsole();
    // One seed for the whole run: all games draw from one sequence.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return menuPrincipal();
}
