// The frame's artwork, by its parts: each picture has its size, its parts
// where they belong and in their colours, and smooth edges. How it looks as
// a whole is for the reference pictures.
#include "ui/marco/arte_marco.h"

#include <QGuiApplication>
#include <QImage>
#include <QtMath>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace vsp::ui::arte {
namespace {

// A picture read at logical points, whatever the screen's pixel ratio.
struct Dibujo {
    explicit Dibujo(const QPixmap& p) : imagen(p.toImage()), ratio(p.devicePixelRatio()) {}
    QRgb en(QPointF q) const { return imagen.pixel(qFloor(q.x() * ratio), qFloor(q.y() * ratio)); }
    QSizeF tamano() const { return imagen.deviceIndependentSize(); }
    // The box of the pixels, in logical units, whose alpha passes `umbral`
    // within rows [y0, y1).
    QRectF tinta(int y0, int y1, int umbral = 128) const {
        QRectF r;
        for (int y = qRound(y0 * ratio); y < qRound(y1 * ratio); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (qAlpha(imagen.pixel(x, y)) > umbral) r |= QRectF(x / ratio, y / ratio, 1 / ratio, 1 / ratio);
        return r;
    }
    // Pixels partly covered: the smoothed edges (the halo itself is
    // nearly opaque).
    int bordesSuaves() const {
        int n = 0;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x) n += qAlpha(imagen.pixel(x, y)) > 0 && qAlpha(imagen.pixel(x, y)) < 180;
        return n;
    }
    QImage imagen;
    qreal ratio;
};

// Opaque, and within 24 levels of `color` in every channel.
::testing::AssertionResult es(QRgb p, QRgb color) {
    if (qAlpha(p) == 255 && std::abs(qRed(p) - qRed(color)) <= 24 && std::abs(qGreen(p) - qGreen(color)) <= 24 &&
        std::abs(qBlue(p) - qBlue(color)) <= 24)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << p << " is not " << color;
}

// A point `d` along a cursor's axis from `origen` at 45 degrees up to the
// right, and `a` across it.
QPointF sobreEje(QPointF origen, double d, double a = 0) {
    const double c = std::sqrt(0.5);
    return origen + QPointF(d * c + a * c, -d * c + a * c);
}

TEST(ArteMarco, ThePointersHaveTheirPartsAlongTheirAxis) {
    const DibujoCursor lapiz = CursorLapiz(), goma = CursorGoma(), mano = CursorMano();
    const Dibujo l(lapiz.imagen), g(goma.imagen), m(mano.imagen);
    const QPointF punta(2.5, 29.5), borde(4.5, 27.5);
    EXPECT_TRUE(es(l.en(sobreEje(punta, 2.2)), qRgb(0x2b, 0x2b, 0x33))) << "the lead";
    EXPECT_TRUE(es(l.en(sobreEje(punta, 7)), qRgb(0xe9, 0xc9, 0x9a))) << "the wood";
    EXPECT_TRUE(es(l.en(sobreEje(punta, 18, 2)), qRgb(0xf6, 0xc4, 0x2a))) << "the painted body";
    EXPECT_TRUE(es(l.en(sobreEje(punta, 29)), qRgb(0xc7, 0xcd, 0xd6))) << "the ferrule";
    EXPECT_TRUE(es(l.en(sobreEje(punta, 33.5)), qRgb(0xf0, 0x8f, 0xa6))) << "the rubber end";
    EXPECT_TRUE(es(g.en(sobreEje(borde, 4)), qRgb(0xf2, 0x9a, 0xae))) << "the rubber";
    EXPECT_TRUE(es(g.en(sobreEje(borde, 16, 4.5)), qRgb(0x3a, 0x6c, 0xc8))) << "the sleeve";
    EXPECT_GT(qGray(g.en(sobreEje(borde, 16, -1))), 190) << "a stripe on the sleeve";
    for (const QPointF q : {QPointF(13, 4), QPointF(18, 24), QPointF(5.5, 18)})
        EXPECT_TRUE(es(m.en(q), qRgb(255, 255, 255))) << "the hand " << q.x() << "," << q.y();
    for (const Dibujo* d : {&l, &g, &m}) {
        EXPECT_EQ(d->tamano(), QSizeF(32, 32));
        EXPECT_GT(d->bordesSuaves(), 20 * d->ratio) << "smooth edges";
        EXPECT_EQ(qAlpha(d->en({31, 31})), 0) << "clear round the drawing";
    }
    EXPECT_EQ(qAlpha(m.en({1, 1})), 0);
}

TEST(ArteMarco, TheMessageBoxPicturesShowATickACrossAndADoor) {
    const QRgb cara = qRgb(0xe6, 0xea, 0xf2);  // the button face, half way down
    for (const QPixmap& p : {BotonSi(), BotonNo(), BotonSalir()}) {
        const Dibujo d(p);
        EXPECT_EQ(d.tamano(), QSizeF(50, 50));
        EXPECT_TRUE(es(d.en({45, 25}), cara));
        EXPECT_EQ(qAlpha(d.en({0.3, 0.3})), 0) << "round corners";
    }
    EXPECT_TRUE(es(Dibujo(BotonSi()).en({22, 33}), qRgb(0x3b, 0xb5, 0x4c)));
    EXPECT_TRUE(es(Dibujo(BotonSi()).en({25, 15}), cara));
    EXPECT_TRUE(es(Dibujo(BotonNo()).en({25, 25}), qRgb(0xe2, 0x43, 0x3d)));
    EXPECT_TRUE(es(Dibujo(BotonNo()).en({25, 17}), cara));
    const Dibujo salir(BotonSalir());
    EXPECT_TRUE(es(salir.en({26, 13}), qRgb(0x1d, 0x28, 0x44))) << "the dark doorway";
    EXPECT_TRUE(es(salir.en({18.6, 27.5}), qRgb(0xf4, 0xd0, 0x6a))) << "the knob on the leaf";
    EXPECT_TRUE(es(salir.en({38, 25}), qRgb(0xf2, 0x79, 0x2e))) << "the arrow leading out";

    const Dibujo aviso(Distintivo(false)), pregunta(Distintivo(true));
    EXPECT_EQ(aviso.tamano(), QSizeF(20, 20));
    EXPECT_TRUE(es(aviso.en({4, 10}), qRgb(0x2f, 0x6f, 0xd0)));
    EXPECT_TRUE(es(pregunta.en({4, 10}), qRgb(0xe0, 0x9a, 0x1e)));
    EXPECT_NE(aviso.imagen, Dibujo(Distintivo(false)).imagen.mirrored(true, false)) << "an i, a letter";
    const QRectF i = aviso.tinta(0, 20, 250), q = pregunta.tinta(0, 20, 250);
    EXPECT_NEAR(i.center().x(), 10, 1);
    EXPECT_NEAR(q.center().x(), 10, 1);
}

// The three strips of the splash, each centred in the part of the picture
// the splash copies: the subtitle in 219 x 38, the version in 209 x 23, the
// author in 236 x 16; the logo over its orbit, the icon's globe and sparkle.
TEST(ArteMarco, TheSplashPicturesFillTheirPlaces) {
    const Dibujo tiras(Tiras());
    EXPECT_EQ(tiras.tamano(), QSizeF(236, 77));
    const struct { int y0, y1; double centro, anchoMinimo; QRgb color; } bandas[] = {
        {0, 38, 109.5, 190, qRgb(0xe3, 0xec, 0xff)},
        {38, 61, 104.5, 90, qRgb(0xf1, 0xc2, 0x5a)},
        {61, 77, 118, 80, qRgb(0x9d, 0xb0, 0xd4)}};
    for (const auto& b : bandas) {
        const QRectF r = tiras.tinta(b.y0, b.y1);
        EXPECT_NEAR(r.center().x(), b.centro, 2) << b.y0;
        EXPECT_GT(r.width(), b.anchoMinimo) << b.y0;
        EXPECT_NEAR(r.center().y(), (b.y0 + b.y1) / 2.0, 2.5) << b.y0;
        int color = 0;
        for (int y = b.y0; y < b.y1; ++y)
            for (int x = 0; x < 236; ++x) color += es(tiras.en({x + 0.5, y + 0.5}), b.color);
        EXPECT_GT(color, 0) << b.y0 << ": in its colour";
    }

    const Dibujo logo(Logo());
    EXPECT_EQ(logo.tamano(), QSizeF(97, 44));
    const QRectF nombre = logo.tinta(2, 33);
    EXPECT_NEAR(nombre.center().x(), 48.5, 2);
    EXPECT_GT(nombre.width(), 85);
    EXPECT_GT(qAlpha(logo.en({4, 37.5})), 30) << "the orbit's left end";
    EXPECT_GT(qAlpha(logo.en({93, 37.5})), 30) << "its right end";
    EXPECT_TRUE(es(logo.en({81, 40.3}), qRgb(0xbf, 0xe0, 0xff))) << "the planet";

    const Dibujo icono(Icono());
    EXPECT_EQ(icono.tamano(), QSizeF(40, 41));
    const QRgb globo = icono.en({21, 23});
    EXPECT_TRUE(qAlpha(globo) == 255 && qRed(globo) > 180 && qRed(globo) > qGreen(globo) + 40 &&
                qGreen(globo) > qBlue(globo) + 40) << "the globe, orange";
    EXPECT_TRUE(es(icono.en({7, 7}), qRgb(0xe8, 0xf2, 0xff))) << "the sparkle";
    EXPECT_TRUE(es(icono.en({21 + 18 * std::cos(0.314), 23 - 18 * std::sin(0.314)}), qRgb(0xea, 0xd9, 0xae)))
        << "the ring, tilted up to the right";

    const QSize cielo(290, 200);
    const Dibujo noche(CieloCareta(cielo)), otra(CieloCareta(cielo));
    EXPECT_EQ(noche.imagen, otra.imagen) << "the same stars every time";
    int estrellas = 0;
    for (int y = 0; y < noche.imagen.height(); ++y)
        for (int x = 0; x < noche.imagen.width(); ++x) estrellas += qGray(noche.imagen.pixel(x, y)) > 150;
    EXPECT_GT(estrellas, 40 * noche.ratio * noche.ratio);
    EXPECT_LT(qGray(noche.en({5, 5})) + 20, qGray(noche.en({285, 195}))) << "the night pales towards the horizon";
}

}  // namespace
}  // namespace vsp::ui::arte
