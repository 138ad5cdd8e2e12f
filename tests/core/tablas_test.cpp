// The constant tables whose geometry the chart relies on: the equatorial
// grids and the horizon circle.
#include "core/tablas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/estado.h"

namespace vsp {
namespace {

constexpr double kGrado = 3.14159265358979323846 / 180;

TEST(Tablas, GridsRunMeridianByMeridianFromPoleToPoleAndTheHorizonEveryFiveDegrees) {
    ReiniciaEstado();
    CreaTablas();
    const ProgramState& e = Estado();
    // Point j of meridian m stands at (paso * m, 90 - paso * j) degrees.
    const auto compruebaRejilla = [](const auto& rejilla, int puntos, int paso) {
        const int filas = 180 / paso + 1, meridianos = 360 / paso + 1;
        ASSERT_EQ(puntos, filas * meridianos);
        for (int m = 0; m < meridianos; ++m)
            for (int j = 0; j < filas; ++j) {
                const double a = paso * m * kGrado, b = (90 - paso * j) * kGrado;
                const PuntoTabla& p = rejilla[filas * m + j + 1];
                SCOPED_TRACE(::testing::Message() << "step " << paso << " point " << m << "," << j);
                EXPECT_NEAR(p.x, -std::sin(a) * std::cos(b), 1e-6);
                EXPECT_NEAR(p.y, std::sin(b), 1e-6);
                EXPECT_NEAR(p.z, std::cos(a) * std::cos(b), 1e-6);
            }
    };
    compruebaRejilla(e.RejillaAD15, e.PuntosRejillaAD15, 15);
    compruebaRejilla(e.RejillaAD30, e.PuntosRejillaAD30, 30);
    ASSERT_EQ(e.PuntosCirculoUnidad, 73);
    for (int k = 0; k <= 72; ++k) {
        const double az = 5.0 * k * kGrado;  // horizon frame: x west, y north
        EXPECT_NEAR(e.CirculoUnidad[k].x, -std::sin(az), 1e-6) << k;
        EXPECT_NEAR(e.CirculoUnidad[k].y, std::cos(az), 1e-6) << k;
        EXPECT_EQ(e.CirculoUnidad[k].z, 0.0f);
    }
}

}  // namespace
}  // namespace vsp
