// The line layers: equatorial grids, horizon with its compass points and
// zenith mark, ecliptic and the Milky Way's outlines.
#include <algorithm>

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

// A grid of `meridianos` meridians of `filas` points, stored meridian by
// meridian from index 1: the first meridians - 1 meridians (the last repeats
// the first), then the inner rows as closed parallels.
template <std::size_t N>
void dibujaRejilla(Superficie& s, std::array<PuntoTabla, N>& rejilla, int puntos, int filas) {
    const ProgramState& e = Estado();
    const int meridianos = puntos / filas;
    if (meridianos < 2) return;
    const Proyector p = sinPrecesion(e);
    for (int i = 1; i <= meridianos * filas; ++i) {
        PuntoTabla& t = rejilla[i];
        p.Proyecta(t.x, t.y, t.z, t.X, t.Y, t.Z);
    }
    const auto punto = [&](int m, int j) {
        const PuntoTabla& t = rejilla[filas * m + j + 1];
        return PuntoVista{t.X, t.Y, t.Z};
    };
    s.setForeground(Rgb(128, 0, 128));
    Polilinea linea(s);
    for (int m = 0; m < meridianos - 1; ++m) {
        linea.empieza(punto(m, 0));
        for (int j = 1; j < filas; ++j) linea.sigue(punto(m, j));
    }
    for (int j = 1; j < filas - 1; ++j) {
        linea.empieza(punto(0, j));
        for (int m = 1; m < meridianos; ++m) linea.sigue(punto(m, j));
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

void DibujaRejilla15(Superficie& s) {
    ProgramState& e = Estado();
    dibujaRejilla(s, e.RejillaAD15, e.PuntosRejillaAD15, 13);
}

void DibujaRejilla30(Superficie& s) {
    ProgramState& e = Estado();
    dibujaRejilla(s, e.RejillaAD30, e.PuntosRejillaAD30, 7);
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

void DibujaEcliptica(Superficie& s) {
    ProgramState& e = Estado();
    s.setForeground(Rgb(0, 128, 128));
    Polilinea linea(s);
    dibujaContorno(linea, sinPrecesion(e), e.Ecliptica, 0, static_cast<std::size_t>(e.PuntosEcliptica) - 1);
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
