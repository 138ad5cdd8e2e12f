// The delay of the repeating controls, an event loop held open by a timer so
// that the wait costs no processor time and a release is seen during it, and
// the repeat loop the pad and the spins share.
#include "ui/mandos/espera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"

namespace vsp::ui {

double DuracionEspera(int16_t n) {
    const int lentitud = 100 - std::clamp<int>(Estado().Velocidad, 0, 100);
    return std::max(0.0, lentitud / 100.0 * (n / 100.0));
}

void Espera(int16_t n) {
    const auto total = static_cast<qint64>(std::llround(DuracionEspera(n) * 1e9));
    if (total <= 0) return;
    QElapsedTimer reloj;
    reloj.start();
    // A timer may fire a little early: wait again for what is left. When the
    // program is closing, event loops refuse to run and the wait ends.
    for (qint64 resto = total; resto > 0; resto = total - reloj.nsecsElapsed()) {
        QEventLoop bucle;
        QTimer::singleShot(static_cast<int>((resto + 999'999) / 1'000'000), Qt::PreciseTimer, &bucle,
                           &QEventLoop::quit);
        if (bucle.exec() < 0) return;
    }
}

bool SigueEnPantalla(const QWidget* control) { return control && control->window()->isVisible(); }

bool RepiteMientrasPulsado(QWidget* control, const std::function<void()>& pulsa,
                           const std::function<void()>& suelta) {
    const QPointer<QWidget> vivo(control);
    Estado().BotonPulsado = Verdadero;
    while (Estado().BotonPulsado && SigueEnPantalla(vivo)) {
        pulsa();
        Espera(30);
        if (!vivo) break;
        suelta();
        Espera(30);
        QCoreApplication::processEvents();
    }
    Estado().BotonPulsado = Falso;
    return vivo;
}

}  // namespace vsp::ui
