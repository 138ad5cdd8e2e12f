// Finding objects: the search dialog's twelve categories and their
// listings, centring the chart on an entry, and finding entries by what the
// user types (name, code, Messier number, constellation) as they type it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "programa/ortos.h"

namespace vsp {

inline constexpr int NumCategorias = 12;

struct Categoria {
    const char* titulo;    // the index text and the listing's title
    const char* cabecera;  // the column header ("" for the solar system)
    const char* leyenda;   // the line under the listing ("" for none)
    bool centrable;        // whether its entries can be centred
};
extern const Categoria Categorias[NumCategorias];

// The nine lines that explain the solar-system listing's columns.
extern const char* const ExplicacionPlanetas[9];

// The rows of category k's listing, in order (none for categories 7-11).
std::span<const std::string> FilasCategoria(int categoria);

// Centres the chart on row `fila` of a category 0-6: its right ascension
// and declination in the chart's frame (the Sun, Moon and planets computed
// for the chart's instant first) go to CentraPunto. Returns whether the
// view moved; a point that never rises is refused with the centring's
// message, and a row with no place (the Earth, a damaged record) does
// nothing.
bool CentraEntrada(int categoria, int fila);

// What row `fila` of a category 0-6 stands for when its rise and set are
// worked out: its body, or its catalogue point (J2000). False for a row
// that cannot be centred or has no place (the Earth, Pluto outside its
// series' years, a damaged record).
bool ObjetoDeEntrada(int categoria, int fila, ObjetoOrto& o);

// One entry found: its category and row.
struct Hallazgo {
    int categoria;
    int fila;
    bool operator==(const Hallazgo&) const = default;
};

// The entries whose names or codes begin with what was typed, in category
// `categoria` or, with -1, in every category: case, accents and blanks do
// not count ("orion" finds "Orión", "m 31" M31, "alf cma" Sirius), and a
// word inside a name counts too ("mayor" finds "Osa Mayor"). Entries whose
// name or code is the whole text come first, then the rest in category
// and row order.
std::vector<Hallazgo> BuscaTexto(std::string_view texto, int categoria = -1);

}  // namespace vsp
