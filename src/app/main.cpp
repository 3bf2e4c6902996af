#include "app/menu_principal.hpp"

#include <cstdlib>
#include <ctime>

int main() {
    // One seed for the whole run: all games draw from one sequence.
    std::srand(static_cast<unsigned>(std::time(nullptr)));  // NOLINT(cert-msc32-c,cert-msc51-cpp)
    return menuPrincipal();
}
