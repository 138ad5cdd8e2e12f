// The user's choices of what the chart shows and how the program behaves:
// the objects dialog's boxes, and the personalisation dialog's nine options,
// each cycled by its selector and applied at once.
#pragma once

#include <cstdint>

#include "core/estado.h"

namespace vsp {

// A personalisation option: its caption, its state variable and the texts
// of its values 1 and 2.
struct Opcion {
    const char* rotulo;
    int16_t ProgramState::*valor;
    const char* textos[2];
};

// Options 1..10 in the dialog's order (entry 0 is unused). The tenth, the
// image quality, is the user's preference rather than the situation's.
inline constexpr int NumOpciones = 10;
extern const Opcion Opciones[NumOpciones + 1];

// The text of option i's current value (a value out of 1..2 reads as 1).
const char* TextoOpcion(int indice);

// Pressing selector i: its value goes from 1 to 2 or back, and its effect
// follows at once: the panels shown or hidden, the times rewritten in the
// clock chosen, the chart mirrored and redrawn, the precession recomputed
// (and the chart marked for a redraw on closing), the telescope circle
// erased or made ready, the sound on or off, the chart redrawn smooth or
// plain.
void CambiaOpcion(int indice);

// A box of the objects dialog ticked or cleared: the state holds it; the two
// equatorial grids exclude each other; the dialog's change flag is set.
void MarcaCasilla(int casilla, bool marcada);

}  // namespace vsp
