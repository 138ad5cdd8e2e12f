// Positions of the solar-system bodies.
#include "sky/cuerpos.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

}  // namespace

// The lit part of the Moon seen from the Earth: the half of the disc
// towards the Sun, widened or narrowed by half an ellipse whose semi-minor
// axis is |1 - 2k| of the radius (k the lit fraction), so that its area is
// k of the disc. The Sun's direction on the chart is taken along the great
// circle from the Moon to the Sun: the Sun may lie far off the chart, even
// behind the observer, and the limb must still face it.
bool FaseLunar(const ProgramState& e, double& iluminada, double& angulo) {
    const CuerpoSolar& sol = e.ElementosPlanetas[CuerpoSol];
    const CuerpoSolar& luna = e.ElementosPlanetas[CuerpoLuna];
    Proyector p = Proyector::DesdeEstado(e);
    p.precesion = false;  // CosenosEnCarta leaves both places in the chart's frame
    float sx, sy, sz, lx, ly, lz;
    CosenosEnCarta(sol, sx, sy, sz);
    CosenosEnCarta(luna, lx, ly, lz);
    float S[3], L[3];
    p.Proyecta(sx, sy, sz, S[0], S[1], S[2]);
    p.Proyecta(lx, ly, lz, L[0], L[1], L[2]);
    double coseno = 0, normaS = 0, normaL = 0;
    for (int i = 0; i < 3; ++i) {
        coseno += static_cast<double>(S[i]) * L[i];
        normaS += static_cast<double>(S[i]) * S[i];
        normaL += static_cast<double>(L[i]) * L[i];
    }
    if (!(normaS > 0 && normaL > 0)) return false;
    coseno = std::clamp(coseno / std::sqrt(normaS * normaL), -1.0, 1.0);
    // The Moon's distance is left out: it moves the phase angle by less
    // than a sixth of a degree.
    iluminada = (1 - coseno) / 2;
    // The Sun's direction at the Moon, in the sky's tangent plane there,
    // and its image on the chart.
    const double k = coseno * std::sqrt(normaS / normaL);
    double tx = S[0] - k * L[0], ty = S[1] - k * L[1];
    if (tx * tx + ty * ty < 1e-18) tx = S[0] - L[0], ty = S[1] - L[1];
    angulo = tx * tx + ty * ty > 0 ? std::atan2(ty, tx) : 0;
    return std::isfinite(iluminada) && std::isfinite(angulo);
}

std::vector<PuntoCarta> FiguraIluminada(double x, double y, double radio, double fraccion, double angulo) {
    // Enough sides that the outline is smooth on a printed page at the
    // largest zoom (a disc of a few hundred pixels).
    constexpr int kLados = 90;
    const double ux = std::cos(angulo), uy = std::sin(angulo);  // towards the Sun
    const double vx = -uy, vy = ux;
    const double semieje = (1 - 2 * std::clamp(fraccion, 0.0, 1.0)) * radio;
    std::vector<PuntoCarta> figura;
    figura.reserve(2 * kLados);
    const auto pon = [&](double u, double v) { figura.push_back({x + u * ux + v * vx, y + u * uy + v * vy}); };
    // The bright limb, from one horn to the other.
    for (int i = 0; i <= kLados; ++i) {
        const double t = -MedioPi + Pi * i / kLados;
        pon(radio * std::cos(t), radio * std::sin(t));
    }
    // The terminator back between the horns.
    for (int i = kLados - 1; i >= 1; --i) {
        const double t = -MedioPi + Pi * i / kLados;
        pon(semieje * std::cos(t), radio * std::sin(t));
    }
    return figura;
}

namespace {

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
        double iluminada, angulo;
        // Nearer the Sun than Danjon's limit, about 7 degrees, no crescent
        // can be seen at all; within a millionth of full (the rounding of
        // single cosines) the Moon is wholly lit.
        constexpr double kDanjon = 0.0037;  // (1 - cos 7 degrees) / 2
        if (FaseLunar(e, iluminada, angulo) && iluminada > kDanjon) {
            if (iluminada >= 1 - 1e-6)
                s.circle(c.X, c.Y, radio, color);
            else
                s.polygon(FiguraIluminada(c.X, c.Y, radio, iluminada, angulo), color);
        }
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
