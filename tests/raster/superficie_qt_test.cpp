// The Qt raster surface: exclusive-or drawing is undone by drawing again.
// How each figure looks, and how degenerate windows and invisible lines are
// refused or left unmarked, is held by the reference pictures
// (tests/ui/referencias).
#include "raster/superficie_qt.h"

#include <gtest/gtest.h>

#include <QImage>

namespace vsp {
namespace {

TEST(SuperficieQt, DrawingACircleTwiceInExclusiveOrRestoresTheImageSmoothOrNot) {
    for (const bool suave : {false, true}) {
        SuperficieQt s(QSize(100, 100));  // over [-1, 1] x [-1, 1], y upwards
        s.setWindow(-1, 1, 2, -2);
        s.setSmooth(suave);
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
        s.circle(0.1, -0.2, 0.5, Rgb(255, 255, 0));
        s.moveTo(0.1, -0.2);
        s.print("M 31");
        EXPECT_EQ(s.image(), antes) << suave;
    }
}

}  // namespace
}  // namespace vsp
