// The Qt raster surface, judged by the pixels it leaves: where points of
// each width land, that a mirrored window mirrors figures but not labels,
// exclusive-or drawing undone by drawing again, invisible lines, circles and
// sectors.
#include "raster/superficie_qt.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <cmath>
#include <numbers>

namespace vsp {
namespace {

constexpr Color kWhite = Rgb(255, 255, 255);

// A 100 x 100 image over the window [-1, 1] x [-1, 1], y upwards, mirrored
// left-right when asked: 50 pixels a unit.
struct Lienzo {
    explicit Lienzo(bool mirrored = false, double dpr = 1) : s(QSize(100, 100), dpr) {
        s.setWindow(mirrored ? 1 : -1, 1, mirrored ? -2 : 2, -2);
        s.setForeground(kWhite);
    }
    QRgb at(double x, double y) {
        const QPointF p = s.toPixel(x, y);
        return s.image().pixel(static_cast<int>(p.x()), static_cast<int>(p.y())) & 0xffffff;
    }
    // The box round the pixels that are not black.
    QRect lit() {
        QRect r;
        const QImage& im = s.image();
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (im.pixel(x, y) & 0xffffff) r |= QRect(x, y, 1, 1);
        return r;
    }
    SuperficieQt s;
};

TEST(SuperficieQt, PointsAreSquaresOfTheDrawWidthTimesTheRatioNearestThePoint) {
    struct Caso { int ancho; double dpr; QRect pixels; };
    // (-0.59, 0.41) falls at pixel coordinates (20.5, 29.5).
    for (const Caso& c : {Caso{1, 1, QRect(20, 29, 1, 1)}, Caso{3, 1, QRect(19, 28, 3, 3)},
                          Caso{1, 2, QRect(20, 29, 2, 2)}, Caso{2, 1.5, QRect(19, 28, 3, 3)}}) {
        Lienzo l(false, c.dpr);
        l.s.setDrawWidth(c.ancho);
        l.s.point(-0.59, 0.41);
        EXPECT_EQ(l.lit(), c.pixels) << "width " << c.ancho << " at ratio " << c.dpr;
        int n = 0;
        for (int y = c.pixels.top(); y <= c.pixels.bottom(); ++y)
            for (int x = c.pixels.left(); x <= c.pixels.right(); ++x) n += (l.s.image().pixel(x, y) & 0xffffff) != 0;
        EXPECT_EQ(n, c.pixels.width() * c.pixels.height()) << "a full square";
    }
    Lienzo l;
    l.s.setForeground(Rgb(255, 128, 0));  // 0xBBGGRR: red in the low byte
    l.s.point(0, 0);
    EXPECT_EQ(QColor(l.s.image().pixel(50, 50)), QColor(255, 128, 0));
}

TEST(SuperficieQt, AMirroredWindowMirrorsPointsButNotLabels) {
    Lienzo directo, espejo(true);
    espejo.s.point(0.5, 0);
    EXPECT_EQ(espejo.lit(), QRect(25, 50, 1, 1)) << "positive x on the left";

    // The same pixel, (25, 25), in both windows.
    directo.s.moveTo(-0.5, 0.5);
    espejo.s.moveTo(0.5, 0.5);
    directo.s.print("N");
    espejo.s.print("N");
    const QRect caja(20, 20, 30, 30);
    const QImage a = directo.s.image().copy(caja), b = espejo.s.image().copy(caja);
    EXPECT_TRUE(QRect(25, 25, 12, 14).contains(directo.lit())) << "the text hangs from the current position";
    EXPECT_EQ(a, b);
    EXPECT_NE(a, a.mirrored(true, false)) << "an N is not its own mirror image";
}

TEST(SuperficieQt, PrintMovesTheCurrentPositionALineDown) {
    Lienzo l;
    l.s.moveTo(0, 0.5);  // pixel row 25
    l.s.print("");
    l.s.lineTo(0, -0.5);
    EXPECT_EQ(l.lit().left(), 50);
    EXPECT_GE(l.lit().top(), 25 + 11) << "at least the font's 11 pixels lower";
    EXPECT_LE(l.lit().top(), 25 + 16);
}

TEST(SuperficieQt, DrawingACircleTwiceInExclusiveOrRestoresTheImageSmoothOrNot) {
  for (const bool suave : {false, true}) {
    Lienzo l;
    l.s.setSmooth(suave);
    for (int i = 0; i < 100; ++i) {  // something under the circle
        l.s.setForeground(Rgb(i * 2, 255 - i, 90));
        l.s.line(-1, 1 - i * 0.02, 1, 1 - i * 0.02);
    }
    const QImage antes = l.s.image().copy();
    l.s.setDrawMode(ModoXor);
    l.s.setDrawWidth(3);
    l.s.setFillStyle(RellenoSolido);
    l.s.setFillColor(Rgb(0, 200, 200));
    l.s.circle(0.1, -0.2, 0.5, Rgb(255, 255, 0));
    l.s.print("M 31");
    ASSERT_NE(l.s.image(), antes);
    l.s.circle(0.1, -0.2, 0.5, Rgb(255, 255, 0));
    l.s.moveTo(0.1, -0.2);
    l.s.print("M 31");
    EXPECT_EQ(l.s.image(), antes) << suave;
  }
}

TEST(SuperficieQt, SmoothDotsAreRoundDiscsOfTheirWidthWithSoftEdges) {
    for (const int ancho : {2, 3, 5, 8}) {
        Lienzo l;
        l.s.setSmooth(true);
        l.s.setDrawWidth(ancho);
        l.s.point(0.01, -0.01);  // the centre of pixel (50, 50)
        const QRect caja = l.lit();
        EXPECT_EQ(caja.width(), ancho) << ancho;
        EXPECT_EQ(caja.height(), ancho) << ancho;
        // Round and soft: the corners fainter than full, some pixels partly
        // covered, the same from every side.
        const QImage& im = l.s.image();
        int parciales = 0;
        for (int y = caja.top(); y <= caja.bottom(); ++y)
            for (int x = caja.left(); x <= caja.right(); ++x) {
                const int g = qGray(im.pixel(x, y));
                parciales += g > 0 && g < 255;
                EXPECT_EQ(g, qGray(im.pixel(caja.right() - (x - caja.left()), caja.bottom() - (y - caja.top()))));
            }
        EXPECT_LT(qGray(im.pixel(caja.topLeft())), 255) << ancho;
        EXPECT_GT(parciales, 0) << ancho;
    }
}

// Soft edges blend the ink into what lies under it: ink of the very colour
// underneath leaves the image as it was, whatever the coverage.
TEST(SuperficieQt, InkOfTheBackgroundsOwnColourLeavesItAsItWas) {
    for (const bool suave : {false, true}) {
        Lienzo l;
        const Color fondo = Rgb(60, 120, 200);
        l.s.setForeground(fondo);
        for (int i = 0; i < 100; ++i) l.s.line(-1, 0.99 - i * 0.02, 1, 0.99 - i * 0.02);
        const QImage antes = l.s.image().copy();
        ASSERT_EQ(QColor(antes.pixel(7, 93)), QColor(60, 120, 200));
        l.s.setSmooth(suave);
        l.s.setDrawWidth(5);
        l.s.point(0.3, 0.3);
        l.s.moveTo(-0.8, 0.8);
        l.s.print("Mg 31");
        EXPECT_EQ(l.s.image(), antes) << suave;
        l.s.setForeground(kWhite);
        l.s.point(0.3, 0.3);
        l.s.moveTo(-0.8, 0.8);
        l.s.print("Mg 31");
        EXPECT_NE(l.s.image(), antes) << "both land on the image";
    }
}

// A window without width or height, or not finite, is refused: drawing goes
// on through the window before it.
TEST(SuperficieQt, ADegenerateWindowIsIgnored) {
    const double nan = std::nan(""), inf = INFINITY;
    const double ventanas[][4] = {{-1, 1, 0, -2}, {-1, 1, 2, 0}, {nan, 1, 2, -2}, {-1, inf, 2, -2},
                                  {-1, 1, nan, -2}, {-1, 1, 2, -inf}};
    for (const auto& v : ventanas) {
        Lienzo l;
        l.s.setWindow(v[0], v[1], v[2], v[3]);
        l.s.point(0.5, 0);
        EXPECT_EQ(l.lit(), QRect(75, 50, 1, 1)) << v[0] << " " << v[1] << " " << v[2] << " " << v[3];
    }
}

TEST(SuperficieQt, InvisibleLinesMoveThePositionWithoutMarking) {
    Lienzo l;
    l.s.setLineStyle(EstiloInvisible);
    l.s.line(-0.8, -0.5, 0.8, -0.5);
    l.s.moveTo(-0.8, 0.5);
    l.s.lineTo(0.8, 0.5);
    EXPECT_TRUE(l.lit().isEmpty());
    l.s.setLineStyle(EstiloSolido);
    l.s.lineTo(0.8, -0.5);  // from where the invisible line ended
    EXPECT_EQ(l.lit(), QRect(90, 25, 1, 51));
    l.s.setDrawWidth(2);  // two pixels across, each line in its own colour
    l.s.line(-0.8, 0.9, 0.4, 0.9);
    l.s.setForeground(Rgb(255, 0, 0));
    l.s.line(-0.8, -0.8, 0.4, -0.8);
    const auto fila = [&l](int y) { return (l.s.image().pixel(40, y) & 0xffffff) != 0; };
    EXPECT_TRUE(!fila(88) && fila(89) && fila(90) && !fila(91));
    EXPECT_EQ(QColor(l.s.image().pixel(40, 90)), QColor(255, 0, 0));
}

TEST(SuperficieQt, ACircleIsOutlinedAndFilledAsSetWithItsAspect) {
    Lienzo l;
    l.s.circle(0, 0, 0.5, kWhite, 0.5);  // 50 pixels wide, 25 high
    const QRect caja = l.lit();
    EXPECT_TRUE(std::abs(caja.center().x() - 50) <= 1 && std::abs(caja.center().y() - 50) <= 1 &&
                std::abs(caja.width() - 51) <= 1 && std::abs(caja.height() - 26) <= 1)
        << caja.x() << ", " << caja.y() << ", " << caja.width() << " x " << caja.height();
    EXPECT_EQ(l.at(0, 0), 0u) << "transparent fill by default";
    l.s.setFillStyle(RellenoSolido);
    l.s.setFillColor(Rgb(0, 0, 255));
    l.s.circle(0, 0, 0.5, kWhite, 0.5);
    EXPECT_EQ(QColor(l.at(0, 0)), QColor(0, 0, 255));
}

TEST(SuperficieQt, ASectorFillsTheAnglesBetweenItsEndsCounterClockwise) {
    struct Caso { double desde, hasta; bool mirrored; bool filled[4]; };
    const Caso casos[] = {
        {90, 270, false, {false, true, true, false}},   // the left half
        {270, 90, false, {true, false, false, true}},   // the right half, across 0
        {180, 360, false, {false, false, true, true}},  // the lower half
        {-30, 30, false, {true, false, false, false}},  // a narrow wedge round +x
        {45, 45, false, {true, true, true, true}},      // equal angles: the whole disc
        {90, 270, true, {false, true, true, false}},    // mirrored: the same chart half
    };
    for (const Caso& c : casos) {
        Lienzo l(c.mirrored);
        l.s.setFillColor(Rgb(0, 255, 0));
        l.s.pie(0, 0, 0.8, c.desde, c.hasta, Rgb(0, 255, 0));
        for (int k = 0; k < 4; ++k) {
            const double a = (15 + 90 * k) * std::numbers::pi / 180;
            EXPECT_EQ(l.at(0.5 * std::cos(a), 0.5 * std::sin(a)) != 0, c.filled[k])
                << c.desde << ".." << c.hasta << (c.mirrored ? " mirrored" : "") << ", probe at " << 15 + 90 * k;
        }
        EXPECT_EQ(l.at(0.9, 0.9), 0u);
        if (c.mirrored) {
            EXPECT_GE(l.lit().left(), 50) << "the chart's left half on the image's right";
        }
    }
}

}  // namespace
}  // namespace vsp
