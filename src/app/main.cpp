// VESPERA's entry point.
#include <cstdio>

int main() {
    std::puts("VESPERA: la ventana principal todavía no está construida.");
    return 0;
}
