// The button bar's pictures, by their parts: on the common face, each glyph
// has its parts where they belong in their colours, at any size asked for.
// How they look as a whole is for the reference pictures.
#include <QImage>
#include <QtMath>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "ui/principal/botonera.h"

namespace vsp::ui {
namespace {

// The pixel under a point given on the 40-unit grid the glyphs are drawn on.
QRgb en(const QPixmap& p, QPointF q) {
    const qreal escala = p.deviceIndependentSize().width() / 40 * p.devicePixelRatio();
    return p.toImage().pixel(qFloor(q.x() * escala), qFloor(q.y() * escala));
}

::testing::AssertionResult parecido(QRgb p, QRgb color, int tolerancia = 30) {
    if (qAlpha(p) == 255 && std::abs(qRed(p) - qRed(color)) <= tolerancia &&
        std::abs(qGreen(p) - qGreen(color)) <= tolerancia && std::abs(qBlue(p) - qBlue(color)) <= tolerancia)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << p << " is not " << color;
}

TEST(BotoneraArte, EachGlyphHasItsPartsInTheirColours) {
    const QRgb cara = qRgb(0xe6, 0xea, 0xf2), blanco = qRgb(255, 255, 255), tinta = qRgb(0x1f, 0x33, 0x58),
               rojo = qRgb(0xd8, 0x45, 0x2e), oro = qRgb(0xf2, 0xb8, 0x3a);
    const struct { Boton boton; QPointF donde; QRgb color; const char* parte; } partes[] = {
        {Boton::Busca, {17, 17}, qRgb(0xc4, 0xdd, 0xf7), "the magnifier's glass"},
        {Boton::Busca, {27.5, 27.5}, qRgb(0xb0, 0x7a, 0x40), "its handle"},
        {Boton::Busca, {8, 32}, cara, "the face beside it"},
        {Boton::Carga, {19.5, 10}, blanco, "the sheet in the folder"},
        {Boton::Carga, {19.5, 12}, qRgb(0x64, 0x90, 0xd0), "a blue line on the sheet"},
        {Boton::Carga, {20, 27}, oro, "the folder's front"},
        {Boton::Carga, {29, 16.5}, qRgb(0xd8, 0x9a, 0x32), "its back"},
        {Boton::Guard, {10, 25}, qRgb(0x38, 0x6c, 0xba), "the disk"},
        {Boton::Guard, {16, 12}, qRgb(0xd5, 0xdc, 0xe6), "its shutter"},
        {Boton::Guard, {22.5, 12.5}, qRgb(0x2c, 0x5c, 0xa6), "the shutter's window"},
        {Boton::Guard, {20, 23.5}, rojo, "the label's red line"},
        {Boton::Guard, {20, 29}, blanco, "the label"},
        {Boton::Hora, {20, 20}, rojo, "the clock's centre"},
        {Boton::Hora, {20, 11.2}, tinta, "twelve o'clock"},
        {Boton::Hora, {25, 24}, qRgb(0xf0, 0xf4, 0xfa), "the face"},
        {Boton::Impri, {20, 10}, blanco, "the paper going in"},
        {Boton::Impri, {9, 20}, qRgb(0x86, 0x92, 0xa6), "the printer"},
        {Boton::Impri, {29, 19}, qRgb(0x58, 0xd0, 0x6a), "its light"},
        {Boton::Impri, {20, 32}, qRgb(0x1d, 0x2a, 0x4a), "the chart coming out"},
        {Boton::Impri, {16, 27.5}, qRgb(0xff, 0xe8, 0x9a), "a star on it"},
        {Boton::Perso, {31, 20}, qRgb(0x82, 0x8e, 0xa4), "a tooth of the wheel"},
        {Boton::Perso, {20, 20}, cara, "its hole"},
        {Boton::Local, {10, 24}, qRgb(0x55, 0x95, 0xdc), "the sea"},
        {Boton::Local, {28, 12}, rojo, "the place's marker"},
        {Boton::Local, {28, 7.5}, blanco, "its head"},
        {Boton::Objet, {17, 22}, qRgb(0xf8, 0xcc, 0x5a), "the big star"},
        {Boton::Objet, {30, 11}, qRgb(0xfa, 0xd6, 0x6e), "the small star"},
        {Boton::Objet, {30.5, 28.5}, qRgb(0x8c, 0xbc, 0xee), "the planet"},
        {Boton::Objet, {9, 9.5}, qRgb(0x3d, 0x74, 0xc4), "the faint star"},
        {Boton::Ayuda, {10, 20}, qRgb(0x3f, 0x79, 0xc9), "the blue disc"},
    };
    for (const auto& p : partes)
        for (const int lado : {40, 50})
            EXPECT_TRUE(parecido(en(ImagenBoton(p.boton, lado), p.donde), p.color, 40)) << p.parte << " at " << lado;

    std::set<qint64> distintos;
    for (const Boton b : {Boton::Busca, Boton::Carga, Boton::Guard, Boton::Hora, Boton::Impri, Boton::Perso,
                          Boton::Local, Boton::Objet, Boton::Salir, Boton::Ayuda}) {
        const QPixmap imagen = ImagenBoton(b, 40);
        EXPECT_EQ(imagen.deviceIndependentSize(), QSizeF(40, 40));
        EXPECT_EQ(qAlpha(en(imagen, {0.2, 0.2})), 0) << "round corners";
        distintos.insert(imagen.toImage().cacheKey());
        EXPECT_TRUE(parecido(en(imagen, {36, 20}), cara, 30)) << "the face round the glyph";
    }
    EXPECT_EQ(distintos.size(), 10u);

    // Help: a white question mark in the middle of its disc.
    const QImage ayuda = ImagenBoton(Boton::Ayuda, 40).toImage();
    QRect signo;
    for (int y = 0; y < ayuda.height(); ++y)
        for (int x = 0; x < ayuda.width(); ++x)
            if (parecido(ayuda.pixel(x, y), qRgb(255, 255, 255), 10)) signo |= QRect(x, y, 1, 1);
    const qreal dpr = ayuda.devicePixelRatio();
    EXPECT_NEAR(signo.center().x() / dpr, 20, 1.5);
    EXPECT_NEAR(signo.center().y() / dpr, 20, 2);
    EXPECT_GT(signo.height() / dpr, 10);

    // Undo: a blue arrow turning back to the left.
    const QImage deshacer = ImagenDeshacer().toImage();
    const qreal r = deshacer.devicePixelRatio();
    EXPECT_EQ(deshacer.deviceIndependentSize(), QSizeF(18, 18));
    EXPECT_TRUE(parecido(deshacer.pixel(qFloor(4 * r), qFloor(7 * r)), qRgb(0x3d, 0x74, 0xc4)));
    EXPECT_TRUE(parecido(deshacer.pixel(qFloor(15.5 * r), qFloor(11 * r)), qRgb(0x3d, 0x74, 0xc4)));
    EXPECT_EQ(qAlpha(deshacer.pixel(qFloor(11 * r), qFloor(11 * r))), 0) << "inside the turn";
}

}  // namespace
}  // namespace vsp::ui
