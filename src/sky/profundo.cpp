// The deep-sky layers: Messier objects with a symbol by type, galaxies as
// ellipses, planetary and diffuse nebulae as squares; sizes in chart units,
// so they keep their angular size as the zoom grows.
#include <algorithm>
#include <charconv>
#include <span>

#include "core/estado.h"
#include "sky/dibujo.h"
#include "sky/trazado.h"

namespace vsp {

namespace {

// The magnitude text read as a number, as the symbols' size classes need it
// (text that is no number reads as 0).
double magnitudDe(const std::string& texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos) return 0;
    double m = 0;
    std::from_chars(texto.data() + inicio, texto.data() + texto.size(), m);
    return m;
}

// Planetary and diffuse nebulae: grey squares, white names.
void dibujaNebulosas(Superficie& s, std::span<const ObjetoProfundo> tabla, int ultimo) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    for (int n = 0; n <= ultimo && n < static_cast<int>(tabla.size()); ++n) {
        const ObjetoProfundo& o = tabla[n];
        if (sinDireccion(o.x, o.y, o.z)) continue;
        const PuntoVista v = proyecta(p, o.x, o.y, o.z);
        if (v.Z < e.ProfMinima) continue;
        s.setForeground(Rgb(192, 192, 192));
        const double l = 0.0015 * (4 - std::clamp<int>(o.Clase, 1, 2));
        s.box(v.X - l, v.Y - l, v.X + l, v.Y + l);
        if (e.Casillas[Chk_IdentiProfun]) {
            s.setForeground(Rgb(255, 255, 255));
            s.moveTo(v.X + 1.5 * l, v.Y + 2 * l / 3);
            s.print(o.Designacion);
        }
    }
    s.setForeground(Rgb(255, 255, 255));
}

}  // namespace

void DibujaMessier(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    for (int k = 0; k < NumMessier; ++k) {
        const ObjetoMessier& o = e.Messier[k];
        if (sinDireccion(o.x, o.y, o.z)) continue;
        const PuntoVista v = proyecta(p, o.x, o.y, o.z);
        if (v.Z < e.ProfMinima) continue;
        const double m = magnitudDe(o.Magnitud);
        const int brillante = m < 4 ? 1 : 2;  // the class of every symbol but the galaxies'
        switch (o.Tipo.empty() ? ' ' : o.Tipo[0]) {
            case '1':
                s.setForeground(Rgb(255, 0, 0));
                s.point(v.X, v.Y);
                break;
            case '2': {
                const int clase = m < 2 ? 1 : m < 4 ? 2 : m < 6 ? 3 : 4;
                s.circle(v.X, v.Y, 0.0015 * (7 - clase), Rgb(255, 255, 255), 0.6);
                break;
            }
            case '3':
            case '4': {
                s.setForeground(o.Tipo[0] == '3' ? Rgb(192, 192, 192) : Rgb(0, 128, 128));
                const double l = 0.0015 * (4 - brillante);
                s.box(v.X - l, v.Y - l, v.X + l, v.Y + l);
                break;
            }
            case '5':
            case '6': {
                const Color c = o.Tipo[0] == '5' ? Rgb(0, 128, 0) : Rgb(192, 192, 192);
                s.setForeground(c);
                const double r = 0.003 * (3 - brillante);
                s.circle(v.X, v.Y, r, c);
                s.line(v.X - r, v.Y, v.X + r, v.Y);
                break;
            }
            default: break;
        }
        s.setForeground(Rgb(255, 255, 255));
        // M102 has never been labelled: its identity is in doubt.
        if (e.IdMessier == 0 || k == 101) continue;
        s.moveTo(v.X, v.Y);
        s.print(e.IdMessier == 1 ? " M" + std::to_string(k + 1) : o.Nombre);
    }
}

void DibujaGalaxias(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    const int ultimo = ultimoDelNivel(e.CortesGalaxias, e.NivelGalaxias);
    s.setForeground(Rgb(255, 255, 255));
    for (int g = 0; g <= ultimo && g < NumGalaxias; ++g) {
        const ObjetoProfundo& o = e.Galaxias[g];
        if (sinDireccion(o.x, o.y, o.z)) continue;
        const PuntoVista v = proyecta(p, o.x, o.y, o.z);
        if (v.Z < e.ProfMinima) continue;
        const double r = 0.0015 * (7 - std::clamp<int>(o.Clase, 1, 4));
        s.circle(v.X, v.Y, r, Rgb(255, 255, 255), 0.6);
        if (e.Casillas[Chk_IdentiProfun]) {
            s.moveTo(v.X + r, v.Y);
            s.print(o.Designacion);
        }
    }
}

void DibujaNebPlanetarias(Superficie& s) {
    const ProgramState& e = Estado();
    dibujaNebulosas(s, e.NebPlanetarias, ultimoDelNivel(e.CortesNebPlanetarias, e.NivelNebPlanetarias));
}

void DibujaNebDifusas(Superficie& s) {
    const ProgramState& e = Estado();
    dibujaNebulosas(s, e.NebDifusas, ultimoDelNivel(e.CortesNebDifusas, e.NivelNebDifusas));
}

}  // namespace vsp
