// The animation dialog: twelve units in two columns (sidereal units beside
// their solar counterparts), the factor with its spin, the real-time box and
// the exit button.
#include "ui/dialogos/animar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"
#include "ui/principal/tiempo_real.h"

namespace vsp::ui {

namespace {

const char* const NombresUnidad[NumUnidades + 1] = {
    "",          "Minuto",     "Hora",      "Dia Sidéreo", "Mes Sidéreo", "Año Sidéreo", "Siglo Sidéreo",
    "Milenio Sidéreo", "Dia Solar", "Mes Solar", "Año Solar",   "Siglo Solar", "Milenio Solar"};

// Where each unit stands: the minute over the sidereal units, the hour over
// their solar counterparts, so that each row pairs a day, a month...
struct Sitio {
    int fila, columna;
};
constexpr Sitio SitioUnidad[NumUnidades + 1] = {{0, 0}, {0, 0}, {0, 1}, {1, 0}, {2, 0}, {3, 0}, {4, 0},
                                               {5, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};

void recalculaPaso() {
    ProgramState& e = Estado();
    const int unidad = std::clamp<int>(e.UnidadAnima, 1, NumUnidades);
    e.PasoTiempo = e.FactorAnima * e.TablaUnidades[unidad];
}

}  // namespace

Animar::Animar(QWidget* padre) : QDialog(padre) {
    ProgramState& e = Estado();
    setWindowTitle(QStringLiteral("Tiempo de Fecha/Hora y Animación"));
    setModal(true);

    auto* intervalo = new QGroupBox(QStringLiteral("Intervalo"));
    auto* rejilla = new QGridLayout(intervalo);
    rejilla->setHorizontalSpacing(18);
    auto* grupo = new QButtonGroup(this);
    for (int i = 1; i <= NumUnidades; ++i) {
        auto* opcion = new QRadioButton(QString::fromUtf8(NombresUnidad[i]));
        opcion->setObjectName(QStringLiteral("Opt_Animar%1").arg(i));
        opcion->setChecked(i == e.UnidadAnima);
        PonCursor(opcion, Puntero::Lapiz);
        grupo->addButton(opcion, i);
        rejilla->addWidget(opcion, SitioUnidad[i].fila, SitioUnidad[i].columna);
    }
    connect(grupo, &QButtonGroup::idClicked, this, [](int i) {
        Estado().UnidadAnima = static_cast<int16_t>(i);
        recalculaPaso();
    });

    auto* factor = new QGroupBox(QStringLiteral("Factor"));
    unidades_ = new QLineEdit(QString::number(e.FactorAnima));
    unidades_->setObjectName(QStringLiteral("Tex_Unidades"));
    unidades_->setToolTip(QStringLiteral("Unidades que avanza cada paso de la animación, de 1 a 99"));
    unidades_->setAlignment(Qt::AlignRight);
    unidades_->setFixedWidth(unidades_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    connect(unidades_, &QLineEdit::textChanged, this, &Animar::cambiaFactor);
    AccionSpin accionFactor = SpinEntero(&ProgramState::FactorAnima, 1, 99);
    accionFactor.pruebaPixel = true;
    auto* spin = new Spin(std::move(accionFactor), unidades_);
    spin->setObjectName(QStringLiteral("PicSpi_Unidades"));
    auto* filaFactor = new QHBoxLayout(factor);
    filaFactor->addWidget(unidades_);
    filaFactor->addWidget(spin);
    filaFactor->addStretch();

    auto* tiempoReal = new QCheckBox(QStringLiteral("Movimiento en tiempo real"));
    tiempoReal->setObjectName(QStringLiteral("Chk_TiempoReal"));
    tiempoReal->setChecked(e.TiempoRealActivo == 1);
    PonCursor(tiempoReal, Puntero::Lapiz);
    connect(tiempoReal, &QCheckBox::clicked, this, [tiempoReal](bool marcada) {
        CursorCasilla(tiempoReal);
        ProgramState& est = Estado();
        est.TiempoRealActivo = marcada ? 1 : 0;
        if (marcada) est.ContadorTiempoReal = 0;
    });

    auto* salir = BotonDeSalida();
    connect(salir, &QAbstractButton::clicked, this, &Animar::sal);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(factor);
    derecha->addStretch();
    derecha->addWidget(salir, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(intervalo);
    arriba->addLayout(derecha);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(arriba);
    todo->addWidget(tiempoReal);
    todo->setSizeConstraint(QLayout::SetFixedSize);
}

void Animar::cambiaFactor() {
    const QString texto = unidades_->text();
    const int cursor = unidades_->cursorPosition();
    const double leido = leadingNumber(texto.rightJustified(2).left(3).toStdString());
    const int factor = std::clamp(static_cast<int>(std::min(std::round(leido), 1000.0)), 1, 99);
    const QString nuevo = QString::number(factor);
    if (nuevo != texto) {
        unidades_->setText(nuevo);  // runs this handler again, which finds nothing to change
        unidades_->setCursorPosition(std::min<int>(cursor, nuevo.size()));
    }
    Estado().FactorAnima = static_cast<int16_t>(factor);
    recalculaPaso();
}

void Animar::sal() {
    PlaySonido(5);
    emit rotulaMando();
    AplicaTiempoReal();
    done(QDialog::Accepted);
}

void Animar::reject() { sal(); }

}  // namespace vsp::ui
