#pragma once

// Runs the main menu until the user leaves; returns the program's exit status:
// 0 after "4 - Sair", 1 when input ends first, 2 when a read or a write fails.
int menuPrincipal();
