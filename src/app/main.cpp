// VESPERA's entry point: with options, the work without a window
// (app/sin_ventana.h); without them, the main window.
#include <cstdio>

#include "app/sin_ventana.h"

int main(int argc, char** argv) {
    if (argc > 1) return vsp::EjecutaSinVentana(argc, argv);
    std::puts("VESPERA: la ventana principal todavía no está construida.");
    return 0;
}
