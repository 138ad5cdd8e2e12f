// Real-time running and the present time.
#include "ui/principal/tiempo_real.h"

#include <algorithm>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "time/tiempo.h"

namespace vsp::ui {

namespace {

// The program's one real-time clock, that of the main window.
RelojTiempoReal* relojPrograma = nullptr;

const QString TextoReposo = QStringLiteral("Animación tiempo real");
const QString TextoAnimando = QStringLiteral("Animando tiempo real");

void redibuja() {
    if (avisos().Redibujo) avisos().Redibujo();
}

}  // namespace

std::function<QDateTime()>& RelojSistema() {
    static std::function<QDateTime()> reloj = [] { return QDateTime::currentDateTime(); };
    return reloj;
}

double DiaJulianoSistema() {
    const QDateTime ahora = RelojSistema()().toUTC();
    // Whole milliseconds from the noon of Julian day 0, so that a clock
    // reading of noon or midnight gives the exact day fraction.
    const qint64 ms = ahora.date().toJulianDay() * 86'400'000 - 43'200'000 + ahora.time().msecsSinceStartOfDay();
    return static_cast<double>(ms) / 86'400'000;
}

RelojTiempoReal::RelojTiempoReal(QLabel* texto, QObject* padre) : QObject(padre), texto_(texto) {
    reloj_.setInterval(1000);
    connect(&reloj_, &QTimer::timeout, this, &RelojTiempoReal::tic);
    if (texto_) texto_->setText(TextoReposo);
    relojPrograma = this;
}

RelojTiempoReal::~RelojTiempoReal() {
    if (relojPrograma == this) relojPrograma = nullptr;
}

void RelojTiempoReal::tic() {
    ProgramState& e = Estado();
    ++e.ContadorTiempoReal;
    if (texto_) texto_->setText(texto_->text().isEmpty() ? TextoAnimando : QString());
    if (e.ContadorTiempoReal < 60) return;
    e.TiempoEstable = Falso;
    e.DiaJuliano = std::min(e.DiaJuliano + 1.0 / 1440, DiaJulianoMaximo);
    ActualizaTiempo();
    e.TiempoEstable = Verdadero;
    redibuja();
    e.ContadorTiempoReal = 0;
}

void RelojTiempoReal::arranca() {
    if (texto_) texto_->clear();
    reloj_.start();
}

void RelojTiempoReal::para() {
    reloj_.stop();
    if (texto_) texto_->setText(TextoReposo);
}

void AplicaTiempoReal() {
    if (Estado().TiempoRealActivo != 1) {
        if (relojPrograma) relojPrograma->para();
        return;
    }
    if (relojPrograma) relojPrograma->arranca();
    FechaHoraActual(DiaJulianoSistema());
    redibuja();
}

}  // namespace vsp::ui
