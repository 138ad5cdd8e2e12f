// Positions of the solar-system bodies.
#include "sky/cuerpos.h"

#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "time/efemerides.h"
#include "time/lugares.h"

namespace vsp {

namespace {

// A body's view coordinates.
void proyectaCuerpo(CuerpoSolar& c) {
    Proyector p = Proyector::DesdeEstado(Estado());
    p.precesion = false;  // CosenosEnCarta leaves the place in the chart's frame
    CosenosEnCarta(c, c.x, c.y, c.z);
    p.Proyecta(c.x, c.y, c.z, c.X, c.Y, c.Z);
}

// The lit sector of the Moon, from its elongation in degrees; none at new
// Moon.
bool sectorIluminado(double elongacion, double& desde, double& hasta) {
    struct Fase { double limite, desde, hasta; };
    static const Fase fases[] = {{68, 315, 45},  {113, 270, 90}, {158, 225, 135}, {203, 180, 180},
                                 {248, 45, 315}, {293, 90, 270}, {338, 135, 225}};
    if (elongacion <= 23 || elongacion > 338) return false;
    for (const Fase& f : fases) {
        if (elongacion <= f.limite) {
            desde = f.desde;
            hasta = f.hasta;
            return true;
        }
    }
    return false;
}

// A body's place seen from the chart's place at its instant: the apparent
// place of date with precession on, where the stars are of date too; the
// astrometric J2000 place with it off, where they keep their catalogue
// places. Both topocentric, so that the Moon covers the Sun where an
// eclipse is seen. A body the theories cannot place keeps its last place.
void lugarEnCarta(int p, CuerpoSolar& c) {
    const ProgramState& e = Estado();
    Lugar l;
    if (!LugarCuerpo(p, e.DiaJuliano, e.Latitud, DosPi - e.Longitud, e.Precesion == Activado, l)) return;
    c.AR = l.ar;
    c.Dec = l.dec;
    c.LongitudGeo = l.longitud;
}

}  // namespace

// A body's place is computed in the chart's own frame (of date with
// precession on, J2000 with it off, see lugarEnCarta), so it is never
// rotated here.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z) { CosenosDirectores(c.AR, c.Dec, x, y, z); }

bool TieneLugar(int p) {
    const double jd = Estado().DiaJuliano;
    if (p == 9) return jd >= PlutonDesde && jd <= PlutonHasta;
    return p >= 1 && p <= NumCuerpos && p != CuerpoTierra;
}

}  // namespace vsp

namespace vsp {

void CalculaSol() {
    CuerpoSolar& sol = Estado().ElementosPlanetas[CuerpoSol];
    lugarEnCarta(CuerpoSol, sol);
    proyectaCuerpo(sol);
}

void CalculaPlaneta(int p) {
    if (p < 1 || p > 9 || p == CuerpoTierra) return;
    lugarEnCarta(p, Estado().ElementosPlanetas[p]);
}

void CalculaLuna() { lugarEnCarta(CuerpoLuna, Estado().ElementosPlanetas[CuerpoLuna]); }

void DibujaCuerpo(Superficie& s, int p) {
    ProgramState& e = Estado();
    if (p < 1 || p > NumCuerpos) return;
    if (!TieneLugar(p)) return;  // Pluto outside its series' years
    CuerpoSolar& c = e.ElementosPlanetas[p];
    proyectaCuerpo(c);
    if (c.Z < 0) return;  // behind the observer: not even its label
    const double radio = e.RadiosCuerpos[p];
    const Color color = static_cast<Color>(e.ColoresCuerpos[p]);
    s.setFillStyle(RellenoSolido);
    if (p == CuerpoLuna) {
        s.setFillColor(Rgb(0, 0, 0));
        s.circle(c.X, c.Y, radio, Rgb(128, 128, 128));
        s.setFillColor(color);
        double elongacion = c.AR - e.ElementosPlanetas[CuerpoSol].AR;
        if (elongacion < 0) elongacion += DosPi;
        elongacion = std::min(elongacion, DosPi) * GradosPorRadian;
        double desde, hasta;
        if (sectorIluminado(elongacion, desde, hasta)) s.pie(c.X, c.Y, radio, desde, hasta, color);
    } else {
        s.setFillColor(color);
        s.circle(c.X, c.Y, radio, color);
    }
    s.moveTo(c.X + radio, c.Y);
    s.print(c.Etiqueta);
    s.setFillColor(Rgb(255, 255, 255));
    s.setFillStyle(RellenoTransparente);
}

}  // namespace vsp
