// DibujaMuestra: the objects legend, with the star dots and the deep-sky
// symbols at the sizes the chart gives them at the present zoom.
#include "sky/muestra.h"

#include <algorithm>
#include <cmath>

#include "core/estado.h"

namespace vsp {

namespace {

constexpr int kFilas = 28;  // 27 entries and half a row of margin above and below
constexpr Color kTextoLeyenda = Rgb(214, 220, 232);

// A dot of the star drawer's width for magnitude m.
int anchoEstrella(double m, double zoom) {
    return static_cast<int>(std::clamp(std::nearbyint((7 - m) * 0.07 * zoom + 1), 1.0, 64.0));
}

}  // namespace

void DibujaMuestra(Superficie& s, double ancho, double alto, double altoCarta) {
    const ProgramState& e = Estado();
    s.setWindow(0, 0, ancho, alto);  // pixels, y downwards
    s.setDrawMode(ModoCopia);
    s.setLineStyle(EstiloSolido);
    s.setFillStyle(RellenoTransparente);
    s.clear();

    const double h = alto / kFilas, x = 1.8 * h;
    // A damaged zoom draws as the chart window does: within 1 .. 15.
    const double zoom = std::clamp(std::isfinite(e.Zoom) ? static_cast<double>(e.Zoom) : 1.0, 1.0, 15.0);
    // Chart units to legend pixels, as on the chart; a symbol keeps at least
    // one pixel and at most most of its row.
    const double escala = e.VentanaAlto != 0 ? altoCarta / std::abs(e.VentanaAlto) : 0;
    const auto pixeles = [&](double unidades) { return std::clamp(unidades * escala, 1.0, 0.45 * h); };

    // Stars of magnitude -1 to 7, then the three kinds at the magnitude-2 size.
    s.setForeground(static_cast<Color>(e.ColoresEstrella[0]));
    for (int k = 1; k <= 9; ++k) {
        s.setDrawWidth(anchoEstrella(k - 2, zoom));
        s.point(x, k * h);
    }
    s.setDrawWidth(anchoEstrella(2, zoom));
    for (int clase = 1; clase <= 3; ++clase) {
        s.setForeground(static_cast<Color>(e.ColoresEstrella[clase]));
        s.point(x, (9 + clase) * h);
    }
    s.setDrawWidth(1);

    // Galaxies of classes 1 to 4: ellipses.
    const Color blanco = Rgb(255, 255, 255), gris = Rgb(192, 192, 192);
    s.setForeground(blanco);
    for (int c = 1; c <= 4; ++c) s.circle(x, (12 + c) * h, pixeles(0.0015 * (7 - c)), blanco, 0.6);

    // Planetary and diffuse nebulae: squares; open and globular clusters:
    // circles crossed by a diameter. Classes 1 and 2 each.
    struct Tipo { int fila; Color color; bool cumulo; };
    const Tipo tipos[] = {{17, Rgb(0, 128, 128), false}, {19, gris, false},
                          {21, Rgb(0, 128, 0), true},    {23, gris, true}};
    for (const Tipo& t : tipos) {
        s.setForeground(t.color);
        for (int c = 1; c <= 2; ++c) {
            const double y = (t.fila + c - 1) * h;
            if (t.cumulo) {
                const double r = pixeles(0.003 * (3 - c));
                s.circle(x, y, r, t.color);
                s.line(x - r, y, x + r, y);
            } else {
                const double l = pixeles(0.0015 * (4 - c));
                s.box(x - l, y - l, x + l, y + l);
            }
        }
    }

    // Quasars, pulsars and black holes have no catalogue of their own yet:
    // a bright point, a small cross and a dark disc with a rim.
    s.setForeground(Rgb(255, 0, 255));
    s.setDrawWidth(anchoEstrella(2, zoom));
    s.point(x, 25 * h);
    s.setDrawWidth(1);
    const double brazo = 0.3 * h;
    s.setForeground(Rgb(0, 255, 255));
    s.line(x - brazo, 26 * h, x + brazo, 26 * h);
    s.line(x, 26 * h - brazo, x, 26 * h + brazo);
    s.setFillStyle(RellenoSolido);
    s.setFillColor(Rgb(0, 0, 0));
    s.circle(x, 27 * h, 0.3 * h, Rgb(255, 128, 0));
    s.setFillStyle(RellenoTransparente);

    s.setForeground(kTextoLeyenda);
    for (int k = 1; k <= NumTextosLeyenda; ++k) {
        s.moveTo(3.4 * h, k * h - h / 2);
        s.print(e.TextosLeyenda[k]);
    }
    s.setForeground(blanco);
    s.refresh();
}

}  // namespace vsp
