// The Qt raster surface, judged by the pixels it leaves: exclusive-or
// drawing is undone by drawing again, degenerate windows, invisible lines and
// boxes. How each figure and whole charts look is held by the reference
// pictures (tests/ui/referencias).
#include "raster/superficie_qt.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <cmath>

namespace vsp {
namespace {

constexpr Color kWhite = Rgb(255, 255, 255);

// A 100 x 100 image over the window [-1, 1] x [-1, 1], y upwards: 50 pixels
// a unit.
struct Lienzo {
    Lienzo() : s(QSize(100, 100)) {
        s.setWindow(-1, 1, 2, -2);
        s.setForeground(kWhite);
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

TEST(SuperficieQt, InvisibleLinesAndBoxesMoveThePositionWithoutMarking) {
    Lienzo l;
    l.s.setLineStyle(EstiloInvisible);
    l.s.line(-0.8, -0.5, 0.8, -0.5);
    l.s.moveTo(-0.8, 0.5);
    l.s.lineTo(0.2, 0.5);
    l.s.box(-0.9, -0.9, 0.8, 0.5);  // ending on its second corner
    EXPECT_TRUE(l.lit().isEmpty());
    l.s.setLineStyle(EstiloSolido);
    l.s.lineTo(0.8, -0.5);  // from where the invisible box ended
    EXPECT_EQ(l.lit(), QRect(90, 25, 1, 51));
}

}  // namespace
}  // namespace vsp
