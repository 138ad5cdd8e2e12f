// Real-time running and the present time.
#include "ui/tiempo_real.h"

#include <algorithm>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "time/calendario.h"
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

double DiaJulianoLocalSistema() {
    const QDateTime ahora = RelojSistema()();
    return static_cast<double>(ahora.date().toJulianDay()) - 0.5 + ahora.time().msecsSinceStartOfDay() / 86400000.0;
}

void FechaHoraActual() {
    ProgramState& e = Estado();
    const double dia = DiaJulianoLocalSistema() - (e.ZonaHoraria + e.HorarioVerano) / 24.0;
    CalculaFecha(std::clamp(dia, DiaJulianoMinimo, DiaJulianoMaximo));
    e.DiaJuliano = CalculaJuliana(e.FechaDia, e.FechaMes, e.FechaAno, e.FechaHora, e.FechaMinuto);
    ActualizaTiempo();
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
    FechaHoraActual();
    redibuja();
}

}  // namespace vsp::ui
