// The comparison of reference pictures: it lets through what differs from
// one machine to another and nothing a user would see.
#include "../imagenes.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace vsp {
namespace {

// A label and a line, smooth, on the chart's dark blue; `dx` moves the line.
QImage carta(const QString& rotulo, int dx = 0) {
    QImage imagen(160, 60, QImage::Format_RGB32);
    imagen.fill(QColor(0, 0, 60));
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(255, 255, 160));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    p.drawText(8, 20, rotulo);
    p.drawLine(QLineF(10.3 + dx, 35.2, 140.7 + dx, 52.6));
    return imagen;
}

TEST(Imagenes, AntiAliasingNoisePassesAShiftedLineOrAMissingGlyphDoesNot) {
    const QImage referencia = carta(QStringLiteral("Andrómeda"));

    // Up to 2 levels either way on every edge pixel, as another CPU's rounding gives.
    QImage ruido = referencia;
    int bordes = 0;
    for (int y = 0; y < ruido.height(); ++y)
        for (int x = 0; x < ruido.width(); ++x) {
            const QRgb c = ruido.pixel(x, y);
            if (c == qRgb(0, 0, 60) || c == qRgb(255, 255, 160)) continue;
            const auto mueve = [&](int v, int k) { return std::clamp(v + (x + 2 * y + k) % 5 - 2, 0, 255); };
            ruido.setPixel(x, y, qRgb(mueve(qRed(c), 0), mueve(qGreen(c), 1), mueve(qBlue(c), 3)));
            ++bordes;
        }
    ASSERT_GT(bordes, 100);
    const DiferenciaImagenes conRuido = ComparaImagenes(ruido, referencia);
    EXPECT_TRUE(conRuido.parecidas() && conRuido.fuera == 0 && conRuido.mayor == 2) << conRuido.informe();

    for (const QImage& otra : {carta(QStringLiteral("Andrómeda"), 1), carta(QStringLiteral("Andrómed")),
                               carta(QStringLiteral("Andromeda")), referencia.copy(0, 0, 160, 59)}) {
        const DiferenciaImagenes d = ComparaImagenes(otra, referencia);
        EXPECT_TRUE(!d.parecidas() && (d.mayor > 100 || !d.mismoTamano)) << d.informe();
    }
}

// Differences are counted over the whole picture, not up to the first row
// that has one, and their place is reported.
TEST(Imagenes, EveryDifferingPixelIsCountedAndPlaced) {
    QImage referencia(50, 40, QImage::Format_RGB32);
    referencia.fill(Qt::black);
    QImage vista = referencia;
    vista.setPixel(3, 2, qRgb(9, 0, 0));        // beyond the tolerance
    vista.setPixel(10, 5, qRgb(0, 8, 0));       // within it
    for (int x = 20; x < 34; ++x) vista.setPixel(x, 30, qRgb(117, 117, 117));
    const DiferenciaImagenes d = ComparaImagenes(vista, referencia);
    EXPECT_EQ(std::tuple(d.fuera, d.mayor), std::tuple(15, 117));
    EXPECT_EQ(d.zona, QRect(QPoint(3, 2), QPoint(33, 30)));
    EXPECT_FALSE(d.parecidas());
    vista.fill(Qt::black);
    for (int i = 0; i < kPixelesTolerados; ++i) vista.setPixel(i * 7, 39, Qt::white);
    EXPECT_TRUE(ComparaImagenes(vista, referencia).parecidas()) << "a few stray pixels pass";
}

}  // namespace
}  // namespace vsp
