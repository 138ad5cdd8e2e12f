// The constant tables the drawers walk: each grid meridian runs pole to
// pole, the unit circle is round and closed, the ecliptic swings by the
// obliquity.
#include "motor_nuevo.h"

namespace vsp {
namespace {

TEST(Tablas, GridsCircleAndEclipticAreWhole) {
    MotorNuevo(false);
    const ProgramState& e = Estado();
    const struct { const PuntoTabla* puntos; int cuenta, filas; } rejillas[] = {
        {e.RejillaAD15.data(), e.PuntosRejillaAD15, 13}, {e.RejillaAD30.data(), e.PuntosRejillaAD30, 7}};
    for (const auto& r : rejillas) {
        ASSERT_EQ(r.cuenta % r.filas, 0) << r.filas;
        EXPECT_EQ(r.cuenta / r.filas, 360 / (180 / (r.filas - 1)) + 1) << "meridians from 0 to 360 degrees";
        for (int m = 0; m < r.cuenta / r.filas; ++m) {
            EXPECT_NEAR(r.puntos[m * r.filas + 1].y, 1, 1e-6) << "north pole";
            EXPECT_NEAR(r.puntos[m * r.filas + r.filas].y, -1, 1e-6) << "south pole";
        }
    }
    ASSERT_EQ(e.PuntosCirculoUnidad, 73);
    for (int i = 0; i < e.PuntosCirculoUnidad; ++i)
        EXPECT_NEAR(std::hypot(e.CirculoUnidad[i].x, e.CirculoUnidad[i].y), 1, 1e-6) << i;
    EXPECT_NEAR(e.CirculoUnidad[0].y, 1, 1e-6);
    EXPECT_NEAR(e.CirculoUnidad[72].y, 1, 1e-6) << "closed";
    ASSERT_EQ(e.PuntosEcliptica, 61);
    EXPECT_NEAR(std::asin(e.Ecliptica[15].y), 0.409136592595336, 1e-6) << "at 90 degrees of longitude";
    EXPECT_NEAR(e.Ecliptica[60].y, 0, 1e-6);
}

}  // namespace
}  // namespace vsp
