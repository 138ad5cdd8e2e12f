// The Qt drawing surfaces, judged by the pixels they leave: a mirrored window
// mirrors figures but not labels, degenerate windows are refused, invisible
// lines and boxes only move the position, widths are whole pixels, and
// exclusive-or drawing is undone by drawing again. The vector surface, drawn
// into an image, must put its figures where the raster one does.
#include "raster/superficie_qt.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cmath>
#include <memory>
#include <set>

#include "raster/superficie_pintor.h"

namespace vsp {
namespace {

constexpr Color kBlanco = Rgb(255, 255, 255);

// The box round the pixels that are not black.
QRect tinta(const QImage& im) {
    QRect r;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) & 0xffffff) r |= QRect(x, y, 1, 1);
    return r;
}

// Each side of `a` within a pixel of the same side of `b`.
bool cerca(QRect a, QRect b) {
    return b.adjusted(-1, -1, 1, 1).contains(a) && a.adjusted(-1, -1, 1, 1).contains(b);
}

struct Opciones {
    bool espejo = false, vectorial = false, suave = false;
    int ancho = 1;
};

// A 100 x 100 image over the window [-1, 1] x [-1, 1], y upwards, mirrored
// left-right when asked: 50 pixels a unit. `vectorial` draws through the
// vector surface instead of the raster one.
struct Lienzo {
    explicit Lienzo(Opciones o = {}) : raster(QSize(100, 100)) {
        if (o.vectorial) {  // the background fills the image
            pintor = std::make_unique<QPainter>(&imagen);
            pintorSup = std::make_unique<SuperficiePintor>(*pintor, QSizeF(100, 100), o.suave);
        }
        raster.setSmooth(o.suave);
        s().setWindow(o.espejo ? 1 : -1, 1, o.espejo ? -2 : 2, -2);
        s().setBackground(0);
        s().setForeground(kBlanco);
        s().setDrawWidth(o.ancho);
    }
    Superficie& s() { return pintorSup ? static_cast<Superficie&>(*pintorSup) : raster; }
    // What is drawn so far; `fin` ends the vector surface's painting.
    const QImage& image(bool fin = true) {
        if (!pintor) return raster.image();
        if (fin && pintor->isActive()) pintor->end();
        return imagen;
    }
    QRect lit() { return tinta(image()); }
    bool luce(int x, int y) { return (image().pixel(x, y) & 0xffffff) != 0; }

    SuperficieQt raster;
    QImage imagen{100, 100, QImage::Format_RGB32};
    std::unique_ptr<QPainter> pintor;
    std::unique_ptr<SuperficiePintor> pintorSup;
};

TEST(SuperficieQt, AMirroredWindowMirrorsPointsButNotLabels) {
    Lienzo directo, espejo({.espejo = true});
    espejo.s().point(0.5, 0);
    EXPECT_EQ(espejo.lit(), QRect(25, 50, 1, 1)) << "positive x on the left";

    // The same pixel, (25, 25), in both windows.
    directo.s().moveTo(-0.5, 0.5);
    espejo.s().moveTo(0.5, 0.5);
    directo.s().print("N");
    espejo.s().print("N");
    const QImage a = directo.image().copy(20, 20, 30, 30), b = espejo.image().copy(20, 20, 30, 30);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, a.mirrored(true, false)) << "an N is not its own mirror image";
}

// Refused by both surfaces, a window without width or height, or not finite,
// leaves drawing going on through the window before it.
TEST(SuperficieQt, ADegenerateWindowIsIgnored) {
    const double nan = std::nan(""), inf = INFINITY;
    const double ventanas[][4] = {{-1, 1, 0, -2}, {-1, 1, 2, 0}, {nan, 1, 2, -2}, {-1, inf, 2, -2},
                                  {-1, 1, nan, -2}, {-1, 1, 2, -inf}};
    for (const bool vectorial : {false, true})
        for (const auto& v : ventanas) {
            Lienzo l({.vectorial = vectorial, .ancho = 2});
            l.s().setWindow(v[0], v[1], v[2], v[3]);
            l.s().point(0.51, -0.01);
            EXPECT_EQ(l.lit(), QRect(75, 50, 2, 2)) << "window " << &v - ventanas << " " << vectorial;
            EXPECT_EQ(l.s().windowWidth(), 2);
        }
}

TEST(SuperficieQt, InvisibleLinesAndBoxesMoveThePositionWithoutMarking) {
    for (const bool vectorial : {false, true}) {
        Lienzo l({.vectorial = vectorial}), punto({.vectorial = vectorial});
        l.s().setLineStyle(EstiloInvisible);
        l.s().line(-0.8, -0.5, 0.8, -0.5);
        l.s().moveTo(-0.8, 0.5);
        l.s().lineTo(0.2, 0.5);
        l.s().circle(0, 0, 0.5, kBlanco);
        l.s().box(-0.9, -0.9, 0.8, 0.5);  // ending on its second corner
        EXPECT_TRUE(tinta(l.image(false)).isEmpty());
        l.s().setLineStyle(EstiloSolido);
        l.s().lineTo(0.8, -0.5);  // from where the invisible box ended
        EXPECT_EQ(l.lit(), QRect(90, 25, 1, 51)) << vectorial;
        punto.s().point(0, 0.5);  // a dot too leaves the position on itself
        punto.s().lineTo(0.5, 0.5);
        EXPECT_EQ(punto.lit(), QRect(50, 25, 26, 1)) << vectorial;
    }
}

// Lines two pixels wide are two pixels across, each in its own colour;
// rings and boxes too; crisp dots wider than three are discs.
TEST(SuperficieQt, WidthsAreWholePixels) {
    Lienzo l({.ancho = 2}), anillo({.ancho = 2});
    l.s().line(-0.8, 0.9, 0.4, 0.9);
    l.s().setForeground(Rgb(255, 0, 0));
    l.s().line(-0.8, -0.8, 0.4, -0.8);
    EXPECT_TRUE(!l.luce(40, 3) && l.luce(40, 4) && l.luce(40, 5) && !l.luce(40, 6));
    EXPECT_TRUE(!l.luce(40, 88) && l.luce(40, 89) && l.luce(40, 90) && !l.luce(40, 91));
    EXPECT_EQ(QColor(l.image().pixel(40, 90)), QColor(255, 0, 0));
    anillo.s().circle(0, 0, 0.5, kBlanco);
    EXPECT_EQ(tinta(anillo.image().copy(0, 50, 50, 1)).width(), 2) << "two pixels in a row across the ring";
    Lienzo caja({.ancho = 2});
    caja.s().box(-0.5, 0.5, 0.5, -0.5);
    EXPECT_EQ(tinta(caja.image().copy(0, 50, 50, 1)).width(), 2) << "and across a box's side";
    // Small rings drawn from the cache cover the pixels Qt gives the same
    // ring, centred on a pixel's corner or on its centre.
    for (const bool suave : {false, true})
        for (const double c : {0.0, 0.01}) {
            Lienzo raster({.suave = suave}), vector({.vectorial = true, .suave = suave});
            raster.s().circle(c, c, 0.2, kBlanco);
            vector.s().circle(c, c, 0.2, kBlanco);
            EXPECT_EQ(raster.lit(), vector.lit()) << suave << " " << c;
        }
    // A surface switched to smooth draws its rings as a smooth one does,
    // whatever it drew crisp before.
    Lienzo cambiado, liso({.suave = true});
    cambiado.s().circle(0.2, 0.2, 0.2, kBlanco);
    cambiado.raster.setSmooth(true);
    cambiado.s().circle(-0.2, -0.2, 0.2, kBlanco);
    liso.s().circle(-0.2, -0.2, 0.2, kBlanco);
    EXPECT_EQ(cambiado.image().copy(0, 50, 50, 50), liso.image().copy(0, 50, 50, 50));
    Lienzo grande({.ancho = 2});
    grande.s().circle(0, 0, 0.98, kBlanco);  // too large to be drawn from the cache
    int encendidos = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) encendidos += grande.luce(x, y);
    EXPECT_GT(encendidos, 450) << "a large ring two pixels wide has twice a thin one's pixels (about 300)";

    // A wide dot half beyond an edge keeps its visible half.
    for (const bool vectorial : {false, true}) {
        Lienzo borde({.vectorial = vectorial, .ancho = 4}), izquierda({.vectorial = vectorial, .ancho = 4});
        borde.s().point(1.01, -0.5);
        borde.s().point(0.5, -1.01);
        const QRect r = borde.lit();
        EXPECT_TRUE(cerca(r, QRect(73, 73, 27, 27)) && r.bottomRight() == QPoint(99, 99)) << vectorial;
        izquierda.s().point(-1.025, 0);  // a pixel and a quarter beyond the left edge
        EXPECT_TRUE(izquierda.lit().contains(QPoint(0, 50)) && izquierda.lit().width() <= 2) << vectorial;
    }

    Lienzo punto({.ancho = 5}), suave({.suave = true, .ancho = 5});
    punto.s().point(0.01, -0.01);  // the centre of pixel (50, 50)
    EXPECT_EQ(punto.lit(), QRect(48, 48, 5, 5));
    EXPECT_FALSE(punto.luce(48, 48)) << "a round corner";
    EXPECT_TRUE(punto.luce(48, 50));
    // Smooth, the same disc shades its rim evenly all round.
    suave.s().point(0.01, -0.01);
    const QImage disco = suave.image().copy(46, 46, 9, 9);
    for (const QImage& girado : {disco.mirrored(true, false), disco.mirrored(false, true),
                                 disco.transformed(QTransform().rotate(90))})
        EXPECT_EQ(disco, girado);
}

// Before a window is set, chart units are the image's pixels, y upwards.
TEST(SuperficieQt, WithoutAWindowUnitsArePixelsUpwards) {
    SuperficieQt s(QSize(100, 50));
    s.setForeground(kBlanco);
    s.point(10.5, 40.5);
    EXPECT_EQ(tinta(s.image()), QRect(10, 9, 1, 1));
    EXPECT_EQ(s.windowWidth(), 100);
    // A pixel ratio that a screen does not report, or that is not a number, is 1.
    for (const double ratio : {0.0, -2.0, std::nan("")}) {
        s.resize(QSize(100, 50), ratio);
        EXPECT_EQ(s.devicePixelRatio(), 1) << ratio;
    }
    // A new size starts from the background, not from what memory held.
    s.setBackground(kBlanco);
    s.point(0.5, 0.5);
    s.resize(QSize(20, 10), 1);
    s.point(0.5, 0.5);
    EXPECT_EQ(s.image().pixel(19, 0), 0xffffffffu);
}

// Rings and ellipses, small (drawn from a cache) or large, filled or not,
// sectors and polygons, and labels, at the size and place the window gives, crisp or smooth, on
// either surface.
TEST(SuperficieQt, FiguresAndLabelsStandWhereTheWindowPutsThem) {
    QRect rotulos[2];
    for (const bool vectorial : {false, true})
        for (const bool suave : {false, true}) {
            SCOPED_TRACE(testing::Message() << "vectorial " << vectorial << " suave " << suave);
            const auto caso = [&](auto dibuja, QRect esperado, const char* que) {
                Lienzo l({.vectorial = vectorial, .suave = suave});
                dibuja(l.s());
                const QRect visto = l.lit();
                EXPECT_TRUE(esperado.isNull() || cerca(visto, esperado)) << que << ": (" << visto.left() << ","
                    << visto.top() << ")-(" << visto.right() << "," << visto.bottom() << ")";
                return l.image().copy();
            };
            caso([](auto& s) { s.circle(0.2, -0.1, 0.4, kBlanco); }, QRect(40, 35, 41, 41), "ring");
            caso([](auto& s) { s.circle(0, 0, 0.98, kBlanco); }, QRect(1, 1, 99, 99), "large ring");
            caso([](auto& s) { s.circle(-0.3, 0.2, 0.4, kBlanco, 0.5); }, QRect(15, 30, 41, 21), "ellipse");
            const QImage disco = caso([](auto& s) {
                s.setFillStyle(RellenoSolido);
                s.setFillColor(Rgb(0, 120, 60));
                s.circle(0, 0, 0.3, Rgb(255, 0, 0));
            }, QRect(35, 35, 31, 31), "disc");
            EXPECT_EQ(QColor(disco.pixel(50, 50)), QColor(0, 120, 60));
            EXPECT_GT(qRed(disco.pixel(50, 34)) + qRed(disco.pixel(50, 35)) + qRed(disco.pixel(50, 36)), 200)
                << "outlined in its own colour";
            // A polygon: filled with the fill colour inside its sides only.
            const QImage triangulo = caso([](auto& s) {
                s.setFillStyle(RellenoSolido);
                s.setFillColor(Rgb(0, 200, 0));
                const PuntoCarta esquinas[] = {{-0.4, -0.4}, {0.4, -0.4}, {-0.4, 0.4}};
                s.polygon(esquinas, kBlanco);
            }, QRect(30, 30, 41, 41), "polygon");
            EXPECT_EQ(QColor(triangulo.pixel(40, 60)), QColor(0, 200, 0));
            EXPECT_EQ(QColor(triangulo.pixel(60, 40)), QColor(0, 0, 0));
            // Labels hang from the position, 11 pixels high, alike on both surfaces.
            const QRect rotulo = tinta(caso([](auto& s) {
                s.moveTo(-0.8, 0.8);
                s.print("M 31");
            }, QRect(), ""));
            EXPECT_TRUE(QRect(10, 10, 30, 12).contains(rotulo) && rotulo.height() >= 8 && rotulo.width() >= 20)
                << rotulo.width() << "x" << rotulo.height();
            EXPECT_TRUE(!vectorial || cerca(rotulo, rotulos[suave]));
            rotulos[suave] = rotulo;
            // Each label moves the position a line down.
            const QRect dos = tinta(caso([](auto& s) {
                s.moveTo(-0.8, 0.8);
                s.print("M 31");
                s.print("M 31");
            }, QRect(), ""));
            EXPECT_GE(dos.height(), rotulo.height() + 9);
        }
}

// A smooth edge mixes the figure's colour into what lies under it in the
// same measure in every channel; crisp drawing leaves no mixed pixel.
TEST(SuperficieQt, SmoothEdgesBlendEveryChannelAlike) {
    const Color fondo = Rgb(0, 40, 200), tinta = Rgb(250, 240, 10);
    for (const bool suave : {true, false}) {
        Lienzo l({.suave = suave, .ancho = 6});
        l.s().setBackground(fondo);
        l.s().setForeground(tinta);
        l.s().point(-0.5, 0.5);
        l.s().moveTo(0, 0);
        l.s().print("Andrómeda");
        l.s().circle(0.5, -0.5, 0.3, tinta);
        int mezclados = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const QRgb p = l.image().pixel(x, y);
                if (p == 0xff0028c8 || p == 0xfffaf00a) continue;
                ++mezclados;
                // Each channel's share of the way from the background to the ink.
                const double r = qRed(p) / 250.0, g = (qGreen(p) - 40) / 200.0, b = (200 - qBlue(p)) / 190.0;
                ASSERT_NEAR(r, g, 0.03) << x << "," << y;
                ASSERT_NEAR(r, b, 0.03) << x << "," << y;
            }
        EXPECT_TRUE(!suave || mezclados > 50) << mezclados;
    }
}

// Blending rounds exactly: yellow ink over a blue ground shares each smooth
// pixel's 255 levels between ink and ground, whatever its coverage.
TEST(SuperficieQt, SmoothEdgesShareTheLevelsExactly) {
    Lienzo l({.suave = true, .ancho = 6});
    l.s().setBackground(Rgb(0, 0, 255));
    l.s().setForeground(Rgb(255, 255, 0));
    l.s().point(-0.5, 0.5);
    l.s().moveTo(0, 0);
    l.s().print("Andrómeda");
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const QRgb p = l.image().pixel(x, y);
            ASSERT_EQ(qRed(p), qGreen(p)) << x << "," << y;
            ASSERT_EQ(qRed(p) + qBlue(p), 255) << x << "," << y;
        }
}

TEST(SuperficieQt, DrawingACircleTwiceInExclusiveOrRestoresTheImageSmoothOrNot) {
    for (const bool suave : {false, true}) {
        Lienzo l({.suave = suave});
        SuperficieQt& s = l.raster;
        for (int i = 0; i < 100; ++i) {  // something under the circle
            s.setForeground(Rgb(i * 2, 255 - i, 90));
            s.line(-1, 1 - i * 0.02, 1, 1 - i * 0.02);
        }
        const QImage antes = s.image().copy();
        s.setDrawMode(ModoXor);
        s.setDrawWidth(3);
        s.setFillStyle(RellenoSolido);
        s.setFillColor(Rgb(0, 200, 200));
        s.circle(0.1, -0.2, 0.5, Rgb(255, 255, 0));
        s.print("M 31");
        ASSERT_NE(s.image(), antes);
        // Each pixel is left or flipped by some of the colours drawn: the
        // outline, the fill, the label's ink (the last line's colour).
        std::set<QRgb> cambios{0};
        for (const QRgb m : {0xffff00u, 0x00c8c8u, 0xc69c5au})
            for (QRgb c : std::set<QRgb>(cambios)) cambios.insert(c ^ m);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const QRgb cambio = (s.image().pixel(x, y) ^ antes.pixel(x, y)) & 0xffffff;
                ASSERT_TRUE(cambios.count(cambio)) << x << "," << y << ": " << std::hex << cambio;
            }
        s.circle(0.1, -0.2, 0.5, Rgb(255, 255, 0));
        s.moveTo(0.1, -0.2);
        s.print("M 31");
        EXPECT_EQ(s.image(), antes) << suave;
    }
}

}  // namespace
}  // namespace vsp
