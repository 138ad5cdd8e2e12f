// Real-time running (to be completed).
#include "ui/tiempo_real.h"

#include <QLabel>

namespace vsp::ui {

RelojTiempoReal::RelojTiempoReal(QLabel* texto, QObject* padre) : QObject(padre), texto_(texto) {
    connect(&reloj_, &QTimer::timeout, this, &RelojTiempoReal::tic);
    reloj_.start(1000);
}

void RelojTiempoReal::tic() {}

}  // namespace vsp::ui
