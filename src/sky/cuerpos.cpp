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

namespace vsp {

namespace {

double fraccion(double x) { return x - std::floor(x); }

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

// A body's place is of date, like the stars' with precession on, so it is
// never precessed; with precession off the stars keep their J2000 places,
// and the body is carried back to J2000 with them, so that it keeps its
// place among the stars.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z) {
    const ProgramState& e = Estado();
    CosenosDirectores(c.AR, c.Dec, x, y, z);
    if (e.Precesion == Activado) return;
    double zeta, theta, zz, m[3][3];
    AngulosPrecesion(e.DiaJuliano, zeta, theta, zz);
    MatrizPrecesion(zeta, theta, zz, m);
    RotaCosenos(m, true, x, y, z);
}


}  // namespace vsp

namespace vsp {

void CalculaSol() {
    ProgramState& e = Estado();
    const CuerpoSolar& t = e.ElementosPlanetas[CuerpoTierra];
    CuerpoSolar& sol = e.ElementosPlanetas[CuerpoSol];
    sol.AR = t.AR + Pi;
    if (sol.AR > DosPi) sol.AR -= DosPi;
    sol.Dec = -t.Dec;
    proyectaCuerpo(sol);
}

void CalculaPlaneta(int p) {
    ProgramState& e = Estado();
    if (p < 1 || p > 9 || p == CuerpoTierra) return;
    CuerpoSolar& c = e.ElementosPlanetas[p];
    const double L = reduceVuelta(c.n * cuentaDias(e.DiaJuliano) + c.L0);
    const double lambda = L + 2 * c.Excentricidad * std::sin(L - c.Perihelio);
    const double u = lambda - c.Nodo;  // argument of latitude
    const double l = ArcoTangente(std::sin(u) * std::cos(c.Inclinacion), std::cos(u)) + c.Nodo;
    const double r = c.SemiejeMayor + c.SemiejeMayor * c.Excentricidad * std::sin(l - (c.Perihelio + MedioPi));
    // Seen from the Earth, at unit distance.
    const double y = r * std::sin(l) + e.SenoTierraMasPi;
    const double x = r * std::cos(l) + e.CosenoTierraMasPi;
    const double longitud = ArcoTangente(y, x);
    double ar, dec;
    EclipticaAEcuatorial(longitud, ar, dec);
    const double z = r * std::sin(c.Inclinacion) * std::sin(u);
    const double beta = std::atan(z / std::sqrt(x * x + y * y));
    if (!std::isfinite(ar) || !std::isfinite(dec + beta)) return;  // keep the last place
    c.LongitudGeo = longitud;
    c.AR = ar;
    c.Dec = dec + beta;
}

void CalculaLuna() {
    ProgramState& e = Estado();
    const double jd = e.DiaJuliano;
    const double T = (jd + 31739.5 - 2446759.5) / 36525;
    const double Lm = 360 * fraccion(1336.855231 * T + 0.757756 - (jd - 1325300) / 180000000);
    const double M = DosPi * fraccion(99.9973606 * T + 0.995766);   // the Sun's mean anomaly
    const double Mp = DosPi * fraccion(1325.552359 * T + 0.822513); // the Moon's mean anomaly
    const double D = DosPi * fraccion(1236.853095 * T + 0.974271);  // elongation
    const double F = DosPi * fraccion(1342.227848 * T + 0.031252);  // argument of latitude
    const double lambda =
        (Lm + 6.289 * std::sin(Mp) + 1.274 * std::sin(2 * D - Mp) + 0.658 * std::sin(2 * D) +
         0.214 * std::sin(2 * Mp) - 0.186 * std::sin(M) - 0.114 * std::sin(2 * F) +
         0.059 * std::sin(2 * D - 2 * Mp) + 0.057 * std::sin(2 * D - M - Mp) + 0.053 * std::sin(2 * D + Mp)) *
        RadianesPorGrado;
    const double beta =
        (5.128 * std::sin(F) + 0.281 * std::sin(Mp + F) + 0.278 * std::sin(Mp - F) +
         0.173 * std::sin(2 * D - F) + 0.055 * std::sin(2 * D + F - Mp) + 0.046 * std::sin(2 * D - F - Mp) +
         0.033 * std::sin(2 * D + F) + 0.017 * std::sin(2 * Mp + F)) *
        RadianesPorGrado;
    CuerpoSolar& luna = e.ElementosPlanetas[CuerpoLuna];
    luna.AR = ArcoTangente(std::sin(lambda) * 0.91748 - std::tan(beta) * 0.39778, std::cos(lambda));
    const double s = std::sin(beta) * 0.91748 + std::cos(beta) * 0.39778 * std::sin(lambda);
    // Lowered by about a degree at the north pole, raised at the south: the
    // parallax of an observer away from the equator, roughly.
    luna.Dec = std::atan(s / std::sqrt(1 - s * s)) - (e.Latitud / 1.5) * RadianesPorGrado;
}

void DibujaCuerpo(Superficie& s, int p) {
    ProgramState& e = Estado();
    if (p < 1 || p > NumCuerpos) return;
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
