// What the chart's drawers share: projecting a catalogue point into local
// view coordinates, the visibility test, and polylines whose segments behind
// the observer are invisible.
#pragma once

#include <algorithm>
#include <array>

#include "core/estado.h"
#include "sky/proyeccion.h"
#include "sky/superficie.h"

namespace vsp {

struct PuntoVista {
    float X, Y, Z;
};

// A record left zero (missing or damaged in its file) has no direction and
// is never drawn.
inline bool sinDireccion(float x, float y, float z) { return x == 0 && y == 0 && z == 0; }

// The last record a level shows. A level outside its table (a damaged
// state) must not read past it.
template <std::size_t N>
int16_t ultimoDelNivel(const std::array<int16_t, N>& cortes, int nivel) {
    return cortes[std::clamp<int>(nivel, 1, static_cast<int>(N) - 1)];
}

inline PuntoVista proyecta(const Proyector& p, float x, float y, float z) {
    PuntoVista v;
    p.Proyecta(x, y, z, v.X, v.Y, v.Z);
    return v;
}

// Draws polylines vertex by vertex: the first vertex of each is a dot (when
// in front of the observer), every other one a line from the previous
// vertex, invisible when it ends behind the observer.
class Polilinea {
public:
    explicit Polilinea(Superficie& s);
    void empieza(const PuntoVista& v);
    void sigue(const PuntoVista& v);
    // Line style back to solid.
    void termina();

private:
    Superficie& s_;
};

}  // namespace vsp
