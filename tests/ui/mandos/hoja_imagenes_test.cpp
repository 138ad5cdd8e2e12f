// The controls' artwork by its parts: the keys' chevrons point their way
// and light red when pressed, the slider's scale and slot, the selector's
// lamp, the pad's captions and display, and the dials' faces. How they look
// as a whole is for the reference pictures.
#include "ui/mandos/hoja_imagenes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QtMath>

#include <gtest/gtest.h>

#include "../../motor_nuevo.h"
#include "ui/mandos/dial.h"

namespace vsp::ui {
namespace {

QRgb en(const QImage& im, QPointF q) {
    const qreal r = im.devicePixelRatio();
    return im.pixel(qFloor(q.x() * r), qFloor(q.y() * r));
}
bool claro(QRgb p) { return qGray(p) > 190; }
bool rojo(QRgb p) { return qRed(p) > 200 && qGreen(p) < 130; }
bool azul(QRgb p) { return qBlue(p) > qRed(p) + 60; }
// Pixels of `im` inside `r` (logical) darker than the face round them.
int tinta(const QImage& im, QRectF r, int umbral) {
    int n = 0;
    for (qreal y = r.top(); y < r.bottom(); y += 0.5)
        for (qreal x = r.left(); x < r.right(); x += 0.5) n += qGray(en(im, {x, y})) < umbral;
    return n;
}

TEST(HojaImagenes, KeysPointTheirWayAndLightWhenPressed) {
    const QImage& hoja = HojaImagenes(qGuiApp->devicePixelRatio());
    // Each key's arrow: a triangle 8 wide and 4 high at the key's centre,
    // lit near its base and not beside its tip.
    for (const auto& [tecla, hacia, pulsada] : {std::tuple{hoja::TeclaArriba, -1, false}, {hoja::TeclaAbajo, 1, false},
                                                {hoja::TeclaArribaPulsada, -1, true}, {hoja::TeclaAbajoPulsada, 1, true}}) {
        const QPointF c = QRectF(tecla).center();
        const QRgb base = en(hoja, c - QPointF(0, hacia * 0.8)), junto = en(hoja, c + QPointF(-3, hacia * 1.5));
        EXPECT_TRUE(pulsada ? rojo(base) : claro(base)) << tecla.y() << " " << pulsada;
        EXPECT_FALSE(claro(junto) || rojo(junto)) << tecla.y() << ": narrow at its tip";
    }
    // The slider: long marks at 0, 50 and 100 with their numbers, short ones
    // between; the dark slot; the knob's red line.
    const QPoint s = hoja::FondoDeslizador.topLeft();
    for (int v = 0; v <= 100; v += 10) {
        const bool larga = v % 50 == 0;
        EXPECT_LT(qGray(en(hoja, s + QPointF(v + 13.5, 19.5))), 150) << v;
        EXPECT_EQ(qGray(en(hoja, s + QPointF(v + 13.5, 15.5))) < 150, larga) << v;
        if (v == 10 || v == 40 || v == 60 || v == 90) continue;  // the numbers' neighbours
        EXPECT_EQ(tinta(hoja, QRectF(s + QPointF(v + 10.5, 3), QSizeF(6, 9)), 120) > 0, larga) << v;
    }
    EXPECT_LT(qGray(en(hoja, s + QPointF(63, 35))), 60) << "the slot";
    EXPECT_TRUE(rojo(en(hoja, QRectF(hoja::BotonDeslizador).center()))) << "the knob's line";
    EXPECT_TRUE(rojo(en(hoja, QRectF(hoja::SelectorPulsado).center() + QPointF(0, 1)))) << "the lamp lit";
    EXPECT_FALSE(rojo(en(hoja, QRectF(hoja::Selector).center()))) << "the lamp out";
    EXPECT_EQ(hoja.pixel(0, 0), GrisFondo);
}

TEST(HojaImagenes, ThePadNamesEachRowOverItsKeysAndHasItsDisplay) {
    const QImage mando = FondoMando(qGuiApp->devicePixelRatio());
    for (int fila = 0; fila < 5; ++fila) {
        const int y = 22 + 43 * fila;
        int letras = 0;
        for (qreal py = y - 14; py < y - 4; py += 0.5)
            for (qreal px = 8; px < 66; px += 0.5) letras += qGray(en(mando, {px, py})) > 150;
        EXPECT_GT(letras, 20) << "the name of row " << fila;
        EXPECT_TRUE(claro(en(mando, QPointF(22, y + 5.5)))) << "the left key's arrow, row " << fila;
        EXPECT_TRUE(claro(en(mando, QPointF(53, y + 8.5)))) << "the right key's arrow, row " << fila;
    }
    EXPECT_LT(qGray(en(mando, {37, 222})), 40) << "the bottom button's dark display";
    EXPECT_EQ(qAlpha(en(mando, {0.2, 0.2})), 0) << "a rounded card";
}

// The compass: N, E, S and W on the red ring, a dot every 10 degrees
// between them on a circle of radius 44; the elevation dial every 15.
TEST(HojaImagenes, TheDialsFacesCarryTheirLettersAndDots) {
    MotorNuevo(false);
    for (const auto& [tipo, cada] : {std::pair{TipoDial::Direccion, 10}, {TipoDial::Elevacion, 15}}) {
        Dial dial(tipo);
        const QImage cara = dial.imagen();
        for (int g = 0; g < 360; g += 5) {
            if (g % 90 < 10 || g % 90 > 80) continue;  // the letters' places
            const QPointF punto(50.5 + 44 * std::cos(g * M_PI / 180), 50.5 - 44 * std::sin(g * M_PI / 180));
            EXPECT_EQ(azul(en(cara, punto)), g % cada == 0) << g;
        }
        for (const QPointF letra : {QPointF(53, 6), QPointF(53, 95)})
            EXPECT_GT(tinta(cara, QRectF(letra - QPointF(5, 5), QSizeF(10, 10)), 200), 4) << "a letter";
        EXPECT_TRUE(rojo(en(cara, {50.5, 1.7}))) << "the ring";
    }
}

}  // namespace
}  // namespace vsp::ui
