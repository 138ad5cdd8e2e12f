// The constellation layer (figures and names by level) and the star layer
// (a dot per star, its size by magnitude and zoom, its colour by kind, and
// code or name labels).
#include <algorithm>
#include <cmath>

#include "core/estado.h"
#include "sky/dibujo.h"
#include "sky/trazado.h"

namespace vsp {

void DibujaConstelaciones(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    const Color cian = Rgb(0, 255, 255);
    s.setForeground(cian);
    e.EstiloTrazo = EstiloSolido;
    s.setLineStyle(EstiloSolido);

    const int ultimo = ultimoDelNivel(e.CortesLineasConst, e.NivelConstel);
    PuntoVista anterior{0, 0, -1};
    bool hayAnterior = false;
    for (int v = 0; v <= ultimo && v < NumLineasConst; ++v) {
        const VerticeFigura& t = e.LineasConst[v];
        if (sinDireccion(t.x, t.y, t.z)) {
            hayAnterior = false;  // a missing vertex breaks its figure
            continue;
        }
        const PuntoVista actual = proyecta(p, t.x, t.y, t.z);
        e.VistaZ = actual.Z;
        FijaEstiloTrazo(s);
        if (t.Pluma == 0 && hayAnterior) s.line(anterior.X, anterior.Y, actual.X, actual.Y);
        anterior = actual;
        hayAnterior = true;
    }
    e.EstiloTrazo = EstiloSolido;
    s.setLineStyle(EstiloSolido);

    if (e.IdConstel != 0) {
        for (const Constelacion& c : e.Constelaciones) {
            if (c.Nivel > e.NivelConstel || sinDireccion(c.x, c.y, c.z)) continue;
            const PuntoVista v = proyecta(p, c.x, c.y, c.z);
            if (v.Z < e.ProfMinima) continue;
            s.moveTo(v.X, v.Y);
            s.print(e.IdConstel == 1 ? c.Abreviatura : e.IdConstel == 2 ? c.NombreCastellano : c.NombreLatino);
        }
    }
    s.setForeground(Rgb(255, 255, 255));
}

void DibujaEstrellas(Superficie& s) {
    ProgramState& e = Estado();
    const Proyector p = Proyector::DesdeEstado(e);
    const float profundidad = e.ProfMinima;
    e.UltMagEstrella = -9;  // no star has that magnitude
    bool claseGuardada = false;

    const int ultimo = ultimoDelNivel(e.CortesEstrellas, e.NivelEstrellas);
    for (int i = 0; i <= ultimo && i < NumEstrellas; ++i) {
        const Estrella& t = e.Estrellas[i];
        float x = t.x, y = t.y, z = t.z, X, Y, Z;
        p.Proyecta(x, y, z, X, Y, Z);
        if (Z < profundidad || sinDireccion(t.x, t.y, t.z)) continue;
        if (t.Magnitud != e.UltMagEstrella) {
            // Brighter stars and closer views give bigger dots; never none.
            const double ancho = std::nearbyint((7 - t.Magnitud) * 0.07 * e.Zoom + 1);
            s.setDrawWidth(static_cast<int>(std::clamp(ancho, 1.0, 64.0)));
            e.UltMagEstrella = t.Magnitud;
        }
        const int clase = std::clamp<int>(t.Clase, 0, 3);
        if (!claseGuardada || clase != e.UltClaseEstrella) {
            s.setForeground(static_cast<Color>(e.ColoresEstrella[clase]));
            e.UltClaseEstrella = static_cast<float>(clase);
            claseGuardada = true;
        }
        s.point(X, Y);
    }
    s.setDrawWidth(1);
    s.setForeground(Rgb(255, 255, 255));

    if (e.IdEstrellas == 0) return;
    const int ultimoNombre = ultimoDelNivel(e.CortesEstrellasNombre, e.NivelEstrellas);
    for (int n = 0; n <= ultimoNombre && n < NumEstrellasNombre; ++n) {
        const EstrellaNombre& t = e.EstrellasNombre[n];
        if (sinDireccion(t.x, t.y, t.z)) continue;
        const PuntoVista v = proyecta(p, t.x, t.y, t.z);
        if (v.Z < profundidad) continue;
        s.moveTo(v.X, v.Y);
        s.print(e.IdEstrellas == 1 ? t.Codigo : t.Nombre);
    }
}

}  // namespace vsp
