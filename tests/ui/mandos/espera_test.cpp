// The repeating controls' wait: its length follows the speed option, it is
// measured on a monotonic clock, and events keep being handled while it lasts.
#include "ui/mandos/espera.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "../../motor_nuevo.h"
#include "core/estado.h"

namespace vsp::ui {
namespace {

class EsperaPrueba : public ::testing::Test {
protected:
    void SetUp() override { MotorNuevo(false); }

    // Seconds that Espera(n) took.
    static double mide(int16_t n) {
        QElapsedTimer reloj;
        reloj.start();
        Espera(n);
        return reloj.nsecsElapsed() / 1e9;
    }
};

TEST_F(EsperaPrueba, LengthFollowsTheSpeed) {
    struct Caso {
        int16_t velocidad, n;
        double segundos;
    } casos[] = {{0, 30, 0.3},  {50, 30, 0.15}, {100, 30, 0},   {60, 12, 0.048}, {99, 30, 0.003},
                 {1, 30, 0.297}, {-20, 30, 0.3}, {300, 30, 0},  {0, 0, 0},       {0, -5, 0}};
    for (const Caso& c : casos) {
        Estado().Velocidad = c.velocidad;
        EXPECT_NEAR(DuracionEspera(c.n), c.segundos, 1e-12) << "speed " << c.velocidad << ", n " << c.n;
    }
}

TEST_F(EsperaPrueba, TheWaitLastsItsLengthAndHandlesEventsMeanwhile) {
    Estado().Velocidad = 0;
    bool visto = false;
    QTimer::singleShot(50, [&] { visto = true; });
    EXPECT_GE(mide(30), 0.3);
    EXPECT_TRUE(visto);
}

}  // namespace
}  // namespace vsp::ui
