// The Moon's phase as the window, the PNG and the printed page show it,
// measured on the pixels of a raster chart at the largest zoom: the lit
// share of the disc is the Moon's lit fraction, and the bright side faces
// the Sun, in a plain and in a mirrored chart, hard-edged and smooth.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <numbers>

#include "../motor_nuevo.h"
#include "raster/superficie_qt.h"
#include "sky/cuerpos.h"
#include "sky/dibujo.h"

namespace vsp {
namespace {

struct Medida {
    double iluminada = 0;  // lit share of the disc's pixels
    double haciaLuz = 0;   // direction of the lit pixels' centroid from the centre, radians, image y down
    double haciaSol = 0;   // direction of the Sun's image from the Moon's
};

// The Moon overhead, the Sun `grados` away from it along a great circle
// leaving at `rumbo`, drawn at zoom 15 on a 2400 x 1800 chart.
Medida mide(double grados, double rumbo, bool espejo, bool suave) {
    MotorNuevo(false);
    ProgramState& e = Estado();
    e.Precesion = Activado;  // the places as given, of date
    e.Latitud = 0.5;
    e.Direccion = 2.0;
    e.Elevacion = MedioPi;
    e.Zoom = 15;
    e.SentidoImagen = espejo ? 2 : 1;
    e.ProporcionPantalla = 4.0f / 3;
    CalculaDireccionMenosPi();
    FijaVentanaCielo();
    CuerpoSolar& luna = e.ElementosPlanetas[CuerpoLuna];
    CuerpoSolar& sol = e.ElementosPlanetas[CuerpoSol];
    luna.AR = 1.2;
    luna.Dec = e.Latitud;
    e.TiempoSidereo = luna.AR;
    // The Sun by the spherical triangle pole - Moon - Sun.
    const double d = grados * RadianesPorGrado;
    const double senDec = std::sin(luna.Dec) * std::cos(d) + std::cos(luna.Dec) * std::sin(d) * std::cos(rumbo);
    sol.Dec = std::asin(senDec);
    sol.AR = luna.AR + std::atan2(std::sin(rumbo) * std::sin(d) * std::cos(luna.Dec), std::cos(d) - std::sin(luna.Dec) * senDec);

    SuperficieQt s(QSize(2400, 1800));
    s.setSmooth(suave);
    s.setWindow(e.VentanaIzquierda, e.VentanaArriba, e.VentanaAncho, e.VentanaAlto);
    s.setBackground(Rgb(0, 0, 0));
    s.setForeground(Rgb(0, 0, 0));  // the label out of the count
    DibujaCuerpo(s, CuerpoLuna);
    const QImage& im = s.image();

    const QPointF centro = s.toPixel(luna.X, luna.Y);
    const double radio = e.RadiosCuerpos[CuerpoLuna] * im.height() / std::abs(e.VentanaAlto);
    double disco = 0, luz = 0, lx = 0, ly = 0;
    for (int y = static_cast<int>(centro.y() - radio - 3); y <= centro.y() + radio + 3; ++y)
        for (int x = static_cast<int>(centro.x() - radio - 3); x <= centro.x() + radio + 3; ++x) {
            const double dx = x + 0.5 - centro.x(), dy = y + 0.5 - centro.y();
            if (std::hypot(dx, dy) > radio + 0.5) continue;
            disco += 1;
            // White counts whole, the grey outline and black not at all.
            const double v = std::clamp((qRed(im.pixel(x, y)) - 128) / 127.0, 0.0, 1.0);
            luz += v;
            lx += v * dx;
            ly += v * dy;
        }
    // The Sun's image, along the same great circle but only a degree off,
    // so that it falls on the chart.
    float sx, sy, sz, X, Y, Z;
    CuerpoSolar cerca = sol;
    const double d1 = RadianesPorGrado;
    const double senDec1 = std::sin(luna.Dec) * std::cos(d1) + std::cos(luna.Dec) * std::sin(d1) * std::cos(rumbo);
    cerca.Dec = std::asin(senDec1);
    cerca.AR = luna.AR + std::atan2(std::sin(rumbo) * std::sin(d1) * std::cos(luna.Dec), std::cos(d1) - std::sin(luna.Dec) * senDec1);
    CosenosEnCarta(cerca, sx, sy, sz);
    Proyector p = Proyector::DesdeEstado(e);
    p.precesion = false;
    p.Proyecta(sx, sy, sz, X, Y, Z);
    const QPointF haciaSol = s.toPixel(X, Y) - centro;
    return {luz / disco, std::atan2(ly, lx), std::atan2(haciaSol.y(), haciaSol.x())};
}

TEST(LunaEnPixeles, TheLitShareOfTheDiscIsTheLitFractionAndFacesTheSun) {
    const struct { const char* fase; double grados; } fases[] = {
        {"new", 0}, {"crescent", 28}, {"quarter", 90}, {"gibbous", 130}, {"full", 180}};
    for (bool espejo : {false, true})
        for (bool suave : {false, true})
            for (double rumbo : {0.4, 2.5})
                for (const auto& f : fases) {
                    const double k = (1 - std::cos(f.grados * RadianesPorGrado)) / 2;
                    const Medida m = mide(f.grados, rumbo, espejo, suave);
                    EXPECT_NEAR(m.iluminada, k, 0.02) << f.fase << (espejo ? " mirrored" : "") << (suave ? " smooth" : "");
                    if (!espejo && !suave && rumbo == 0.4)
                        std::printf("%-8s k %.4f lit share of the disc %.4f\n", f.fase, k, m.iluminada);
                    if (k > 0.01 && k < 0.99) {
                        EXPECT_NEAR(std::remainder(m.haciaLuz - m.haciaSol, 2 * std::numbers::pi), 0, 0.03)
                            << f.fase << (espejo ? " mirrored" : "") << " heading " << rumbo;
                    }
                }
}

}  // namespace
}  // namespace vsp
