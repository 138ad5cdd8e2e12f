// The repeating controls' wait: n hundredths of a second at the slowest
// speed, none at the fastest, events handled while it lasts.
#include "ui/mandos/espera.h"

#include <QElapsedTimer>
#include <QTimer>

#include "../../motor_nuevo.h"

namespace vsp::ui {
namespace {

TEST(Espera, TheWaitShrinksFromItsFullLengthToNothingAsTheSpeedRises) {
    MotorNuevo(false);
    // The last row leaves the slowest speed for the wait itself.
    for (const auto& [velocidad, segundos] : {std::pair{-20, 0.3}, {50, 0.15}, {100, 0.0}, {300, 0.0}, {0, 0.3}}) {
        Estado().Velocidad = static_cast<int16_t>(velocidad);
        EXPECT_NEAR(DuracionEspera(30), segundos, 1e-12) << velocidad;
    }
    bool visto = false;
    QTimer::singleShot(50, [&] { visto = true; });
    QElapsedTimer reloj;
    reloj.start();
    Espera(30);
    EXPECT_GE(reloj.nsecsElapsed(), 300'000'000);
    EXPECT_TRUE(visto);
}

}  // namespace
}  // namespace vsp::ui
