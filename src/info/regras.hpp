#pragma once

void mostrarRegras();
