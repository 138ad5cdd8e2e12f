// The pad's view steps: whatever rounding the one-degree steps gather, the
// direction reaches both 0 and 360 degrees and wraps past them, with the
// location dialog's text in step, a full turn shown as 0 as its spin shows
// it (the pad's tests cover the other rows).
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

TEST_F(PasosVista, BothEndsAreReachedWhateverRoundingTheStepsGathered) {
    ProgramState& e = Estado();
    for (int inicio = 1; inicio < 360; ++inicio) {
        e.Direccion = inicio * Grado;
        for (int i = inicio; i < 360; ++i) DireccionMas();
        ASSERT_NEAR(e.Direccion, DosPi, 1e-12) << "up from " << inicio;
        ASSERT_EQ(e.Tex_Direc, "N    0°") << "up from " << inicio;  // the dialog shows a full turn as 0
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

}  // namespace
}  // namespace vsp
