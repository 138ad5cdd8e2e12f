// The constant tables: grid and circle geometry, month and unit tables, the
// level cut-offs against the catalogue sizes, and the fixed-width captions.
#include "core/tablas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/estado.h"

namespace vsp {
namespace {

class Tablas : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        CreaTablas();
    }
};

constexpr double kGrado = 3.14159265358979323846 / 180;

// Expects a table point at right ascension a and declination b (degrees).
void esperaPunto(const PuntoTabla& p, double a, double b, const char* tabla, int i) {
    const double ca = std::cos(a * kGrado), sa = std::sin(a * kGrado);
    const double cb = std::cos(b * kGrado), sb = std::sin(b * kGrado);
    EXPECT_NEAR(p.x, -sa * cb, 1e-6) << tabla << " " << i;
    EXPECT_NEAR(p.y, sb, 1e-6) << tabla << " " << i;
    EXPECT_NEAR(p.z, ca * cb, 1e-6) << tabla << " " << i;
}

TEST_F(Tablas, GridsRunMeridianByMeridianFromPoleToPole) {
    const ProgramState& e = Estado();
    ASSERT_EQ(e.PuntosRejillaAD15, 325);
    ASSERT_EQ(e.PuntosRejillaAD30, 91);
    for (int m = 0; m < 25; ++m)
        for (int j = 0; j < 13; ++j)
            esperaPunto(e.RejillaAD15[13 * m + j + 1], 15.0 * m, 90 - 15.0 * j, "15", 13 * m + j + 1);
    for (int m = 0; m < 13; ++m)
        for (int j = 0; j < 7; ++j)
            esperaPunto(e.RejillaAD30[7 * m + j + 1], 30.0 * m, 90 - 30.0 * j, "30", 7 * m + j + 1);
}

TEST_F(Tablas, HorizonCircleRunsNorthEastSouthWestEveryFiveDegrees) {
    const ProgramState& e = Estado();
    ASSERT_EQ(e.PuntosCirculoUnidad, 73);
    for (int k = 0; k <= 72; ++k) {
        const double az = 5.0 * k * kGrado;  // horizon frame: x west, y north
        EXPECT_NEAR(e.CirculoUnidad[k].x, -std::sin(az), 1e-6) << k;
        EXPECT_NEAR(e.CirculoUnidad[k].y, std::cos(az), 1e-6) << k;
        EXPECT_EQ(e.CirculoUnidad[k].z, 0.0f);
    }
}

TEST_F(Tablas, LongSiderealUnitsAreWholeSiderealDays) {
    const ProgramState& e = Estado();
    const double dia = e.TablaUnidades[3];
    EXPECT_DOUBLE_EQ(dia, 0.9972695664235);
    EXPECT_NEAR(e.TablaUnidades[7], 365000 * dia, 1e-6);  // the millennium: no drift from the day
}

TEST_F(Tablas, LevelCutOffsGrowAndTheLastLevelEndsTheCatalogue) {
    const ProgramState& e = Estado();
    auto crece = [](const auto& cortes, int niveles, int ultimo) {
        for (int k = 2; k <= niveles; ++k) EXPECT_LT(cortes[k - 1], cortes[k]);
        EXPECT_EQ(cortes[niveles], ultimo);
    };
    crece(e.CortesEstrellas, 7, NumEstrellas - 1);
    crece(e.CortesEstrellasNombre, 7, NumEstrellasNombre - 1);
    crece(e.CortesGalaxias, 4, NumGalaxias - 1);
    crece(e.CortesNebPlanetarias, 2, NumNebPlanetarias - 1);
    crece(e.CortesNebDifusas, 2, NumNebDifusas - 1);
    crece(e.CortesLineasConst, 4, NumLineasConst - 1);
}

}  // namespace
}  // namespace vsp
