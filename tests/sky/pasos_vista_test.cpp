// The pad's view steps: direction wraps so that both 0 and 360 degrees are
// reachable, elevation and zoom stop at their bounds, and each step leaves
// the location dialog's text of its value in step with the state.
#include "sky/pasos_vista.h"

#include <gtest/gtest.h>

#include <string>

#include "motor_nuevo.h"

#include "core/constantes.h"
#include "core/estado.h"

namespace vsp {
namespace {

constexpr double Grado = DosPi / 360;

class PasosVista : public ::testing::Test {
protected:
    void SetUp() override { MotorNuevo(false); }
    void TearDown() override { ReiniciaAvisos(); }
};

TEST_F(PasosVista, DirectionWrapsThroughBothEnds) {
    struct Caso {
        double grados;
        void (*paso)();
        double esperado;
        const char* texto;
    } casos[] = {
        {359, DireccionMas, 360, "N  360°"},  // 360 is held, not folded to 0
        {360, DireccionMas, 1, "N    1°"},
        {0, DireccionMenos, 359, "N  359°"},
        {0.5, DireccionMenos, 359, "N  359°"},  // below 0 becomes 359 whatever the rest
        {1, DireccionMenos, 0, "N    0°"},
        {180, DireccionMas, 181, "S  181°"},
        {45, DireccionMenos, 44, "NE  44°"},
        {90, DireccionMas, 91, "E   91°"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        e.Direccion = c.grados * Grado;
        c.paso();
        EXPECT_NEAR(e.Direccion, c.esperado * Grado, 1e-12) << "from " << c.grados;
        EXPECT_EQ(e.DireccionMenosPi, e.Direccion - Pi) << "from " << c.grados;
        EXPECT_EQ(e.Tex_Direc, c.texto) << "from " << c.grados;
    }
}

TEST_F(PasosVista, BothEndsAreReachedWhateverRoundingTheStepsGathered) {
    ProgramState& e = Estado();
    for (int inicio = 1; inicio < 360; ++inicio) {
        e.Direccion = inicio * Grado;
        for (int i = inicio; i < 360; ++i) DireccionMas();
        ASSERT_EQ(e.Tex_Direc, "N  360°") << "up from " << inicio;
        DireccionMas();
        ASSERT_EQ(e.Tex_Direc, "N    1°") << "up from " << inicio;
        e.Direccion = inicio * Grado;
        for (int i = inicio; i > 0; --i) DireccionMenos();
        ASSERT_EQ(e.Tex_Direc, "N    0°") << "down from " << inicio;
        ASSERT_GE(e.Direccion, 0);
        DireccionMenos();
        ASSERT_EQ(e.Tex_Direc, "N  359°") << "down from " << inicio;
    }
}

TEST_F(PasosVista, ElevationStopsAtHorizonAndZenith) {
    struct Caso {
        double grados;
        void (*paso)();
        double esperado;
        const char* texto;
    } casos[] = {
        {90, ElevacionMas, MedioPi, "90°"},
        {89.5, ElevacionMas, MedioPi, "90°"},
        {89, ElevacionMas, 90 * Grado, "90°"},
        {0, ElevacionMenos, 0, " 0°"},
        {0.4, ElevacionMenos, 0, " 0°"},
        {30, ElevacionMenos, 29 * Grado, "29°"},
        {30, ElevacionMas, 31 * Grado, "31°"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        e.Elevacion = c.grados * Grado;
        c.paso();
        EXPECT_NEAR(e.Elevacion, c.esperado, 1e-12) << "from " << c.grados;
        EXPECT_LE(e.Elevacion, MedioPi);
        EXPECT_EQ(e.Tex_Eleva, c.texto) << "from " << c.grados;
    }
}

TEST_F(PasosVista, ZoomMovesByHalvesBetweenOneAndFifteen) {
    struct Caso {
        float zoom;
        void (*paso)();
        float esperado;
        const char* texto;
    } casos[] = {
        {14.5f, ZoomMas, 15.0f, "15.0"}, {15.0f, ZoomMas, 15.0f, "15.0"}, {14.8f, ZoomMas, 15.0f, "15.0"},
        {1.0f, ZoomMenos, 1.0f, "1.0"},  {1.2f, ZoomMenos, 1.0f, "1.0"},  {4.0f, ZoomMenos, 3.5f, "3.5"},
        {4.0f, ZoomMas, 4.5f, "4.5"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        e.Zoom = c.zoom;
        c.paso();
        EXPECT_EQ(e.Zoom, c.esperado) << "from " << c.zoom;
        EXPECT_EQ(e.Tex_Zoom, c.texto) << "from " << c.zoom;
    }
}

}  // namespace
}  // namespace vsp
