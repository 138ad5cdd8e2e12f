// The line layers: equatorial grids, horizon with its compass points and
// zenith mark, ecliptic and the Milky Way's outlines.
#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/cosenos.h"

#include "core/estado.h"
#include "sky/dibujo.h"
#include "sky/trazado.h"

namespace vsp {

namespace {

// The same view without precession: the grids and the ecliptic are those of
// the equator of the chart date.
Proyector sinPrecesion(const ProgramState& e) {
    Proyector p = Proyector::DesdeEstado(e);
    p.precesion = false;
    return p;
}

// The step, in radians along a circle, that keeps the chart's circles
// smooth at every zoom: it shrinks with the window, so that a chord strays
// from its arc by a sixth of a pixel on a chart a thousand pixels wide (half
// a pixel on a printed page four times as wide), and consecutive chords
// turn by less than a degree at the largest zoom. Finer steps would cost
// more of the redraw than they show.
double pasoCirculo(const Superficie& s) {
    return std::clamp(std::sqrt(std::abs(s.windowWidth()) / 1000), 0.004, 0.1);
}

// A circle of the sphere as one polyline: `punto` gives the direction
// cosines of its point at angle t, for t from `desde` to `hasta` radians in
// `n` steps.
template <class Punto>
void dibujaCirculo(Polilinea& linea, const Proyector& p, double desde, double hasta, int n, Punto punto) {
    for (int i = 0; i <= n; ++i) {
        float x, y, z;
        punto(desde + (hasta - desde) * i / n, x, y, z);
        const PuntoVista v = proyecta(p, x, y, z);
        if (i == 0)
            linea.empieza(v);
        else
            linea.sigue(v);
    }
}

// The equatorial grid of `paso` degrees: the meridians pole to pole, then
// the parallels between the poles, every one drawn as a smooth curve.
void dibujaRejilla(Superficie& s, int paso) {
    const ProgramState& e = Estado();
    const Proyector p = sinPrecesion(e);
    const double intervalo = paso * RadianesPorGrado, h = pasoCirculo(s);
    const int meridianos = 360 / paso, paralelos = 180 / paso - 1;
    const int ladosMeridiano = static_cast<int>(std::ceil(Pi / h));
    const int ladosParalelo = static_cast<int>(std::ceil(DosPi / h));
    s.setForeground(Rgb(128, 0, 128));
    Polilinea linea(s);
    for (int m = 0; m < meridianos; ++m) {
        const double a = m * intervalo;
        dibujaCirculo(linea, p, MedioPi, -MedioPi, ladosMeridiano,
                      [a](double d, float& x, float& y, float& z) { CosenosDirectores(a, d, x, y, z); });
    }
    for (int j = 1; j <= paralelos; ++j) {
        const double d = MedioPi - j * intervalo;
        dibujaCirculo(linea, p, 0, DosPi, ladosParalelo,
                      [d](double a, float& x, float& y, float& z) { CosenosDirectores(a, d, x, y, z); });
    }
    linea.termina();
    s.setForeground(Rgb(255, 255, 255));
}

// A polyline through table points [desde, hasta].
template <class Tabla>
void dibujaContorno(Polilinea& linea, const Proyector& p, const Tabla& tabla,
                    std::size_t desde, std::size_t hasta) {
    bool primero = true;
    for (std::size_t i = desde; i <= hasta && i < tabla.size(); ++i) {
        const auto& t = tabla[i];
        if (sinDireccion(t.x, t.y, t.z)) {
            primero = true;  // a missing point breaks the outline
            continue;
        }
        const PuntoVista v = proyecta(p, t.x, t.y, t.z);
        if (primero)
            linea.empieza(v);
        else
            linea.sigue(v);
        primero = false;
    }
}

}  // namespace

void DibujaRejilla15(Superficie& s) { dibujaRejilla(s, 15); }

void DibujaRejilla30(Superficie& s) { dibujaRejilla(s, 30); }

double OblicuidadEcliptica(const ProgramState& e) {
    constexpr double kJ2000 = 84381.448;  // seconds of arc
    if (e.Precesion != Activado) return kJ2000 / 3600 * RadianesPorGrado;
    // Laskar's mean obliquity, in units of ten thousand Julian years.
    const double u = (e.DiaJuliano - 2451545.0) / 3652500;
    static const double terminos[] = {kJ2000, -4680.93, -1.55, 1999.25, -51.38, -249.67,
                                      -39.05, 7.12,     27.87, 5.79,    2.45};
    double segundos = 0;
    for (int i = 10; i >= 0; --i) segundos = segundos * u + terminos[i];
    return segundos / 3600 * RadianesPorGrado;
}

void DibujaHorizonte(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    const auto horizontal = [&](const PuntoTabla& t) {
        PuntoVista v;
        p.ProyectaHorizontal(t.x, t.y, t.z, v.X, v.Y, v.Z);
        return v;
    };
    s.setForeground(Rgb(128, 128, 0));
    Polilinea linea(s);
    for (int k = 0; k < e.PuntosCirculoUnidad; ++k) {
        if (k == 0)
            linea.empieza(horizontal(e.CirculoUnidad[k]));
        else
            linea.sigue(horizontal(e.CirculoUnidad[k]));
    }

    // A small cross at the zenith.
    PuntoVista z;
    p.ProyectaHorizontal(0, 0, 1, z.X, z.Y, z.Z);
    const double d = s.windowWidth() / 80;
    e.VistaZ = z.Z;
    FijaEstiloTrazo(s);
    s.line(z.X - d, z.Y, z.X + d, z.Y);
    s.line(z.X, z.Y - d, z.X, z.Y + d);

    static const char kRumbos[] = "N NEE SES SWW NW";
    for (int k = 0; k < 8 && 9 * k < e.PuntosCirculoUnidad; ++k) {
        const PuntoVista v = horizontal(e.CirculoUnidad[9 * k]);
        if (v.Z < e.ProfMinima) continue;
        e.VistaZ = v.Z;
        FijaEstiloTrazo(s);
        s.point(v.X, v.Y);
        s.print(std::string_view(kRumbos + 2 * k, 2));
    }
    s.setForeground(Rgb(255, 255, 255));
    linea.termina();
}

// The ecliptic as the great circle it is, in the chart's frame: J2000's
// with precession off (the stars' frame then), the equator and equinox of
// date with it on, tilted by the obliquity of that frame. The Sun, of
// ecliptic latitude nought, lies on it at every date.
void DibujaEcliptica(Superficie& s) {
    ProgramState& e = Estado();
    const double eps = OblicuidadEcliptica(e);
    const double cosEps = std::cos(eps), sinEps = std::sin(eps);
    s.setForeground(Rgb(0, 128, 128));
    Polilinea linea(s);
    const int lados = static_cast<int>(std::ceil(DosPi / pasoCirculo(s)));
    dibujaCirculo(linea, sinPrecesion(e), 0, DosPi, lados, [&](double l, float& x, float& y, float& z) {
        const double sl = std::sin(l);
        x = static_cast<float>(-sl * cosEps);
        y = static_cast<float>(sl * sinEps);
        z = static_cast<float>(std::cos(l));
    });
    linea.termina();
    s.setForeground(Rgb(255, 255, 255));
}

void DibujaViaLactea(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    s.setForeground(Rgb(0, 0, 255));
    Polilinea linea(s);
    dibujaContorno(linea, p, e.ViaLactea, 0, 292);
    dibujaContorno(linea, p, e.ViaLactea, 293, 860);
    dibujaContorno(linea, p, e.ViaLactea, 861, 899);
    linea.termina();
    s.setForeground(Rgb(255, 255, 255));
}

}  // namespace vsp
