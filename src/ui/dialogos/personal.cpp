// The personalisation dialog: the ten selectors at their places, the speed
// slider, the telescope field and the closing redraw.
#include "ui/dialogos/personal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include "core/constantes.h"
#include "core/estado.h"
#include "programa/opciones.h"
#include "sky/tecleo_localizacion.h"
#include "ui/dialogos/campos.h"
#include "ui/mandos/deslizador.h"
#include "ui/mandos/selector.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

// Where each selector stands: the panels and the clock down the left, the
// image, precession, sound, telescope and image quality down the right.
constexpr QPoint Sitio[NumOpciones + 1] = {{0, 0},    {22, 10},  {22, 55},   {22, 100},  {22, 145}, {22, 190},
                                           {230, 10}, {230, 55}, {230, 145}, {230, 100}, {230, 190}};
constexpr QRect Velocidad(22, 240, 200, 80);
constexpr QRect Telescopio(230, 240, 200, 80);
constexpr QSize Tamano(452, 392);

}  // namespace

Personal::Personal(QWidget* padre) : QDialog(padre) {
    ProgramState& e = Estado();
    e.CambiosPendientes = Falso;
    setObjectName(QStringLiteral("Personal"));
    setWindowTitle(QStringLiteral("Personalización"));
    setModal(true);
    setFixedSize(Tamano);

    for (int i = 1; i <= NumOpciones; ++i) {
        auto* selector = new Selector(i, this);
        selector->move(Sitio[i]);
        connect(selector, &Selector::cambiado, this, [this](int indice) {
            if (indice == 8) telescopio_->setEnabled(Estado().Telescopio == Activado);
            if (indice == 10) GuardaPreferencias();
        });
    }

    auto* velocidad = new QGroupBox(QStringLiteral("Velocidad de los avances"), this);
    velocidad->setObjectName(QStringLiteral("Fra_Veloc"));
    velocidad->setGeometry(Velocidad);
    velocidad->setToolTip(QStringLiteral("Arrastre el mando: a la derecha, más rápidos los controles de avance y las animaciones"));
    auto* deslizador = new Deslizador(velocidad);
    deslizador->move((Velocidad.width() - deslizador->width()) / 2, 24);

    telescopio_ = new QGroupBox(QStringLiteral("Campo del telescopio"), this);
    telescopio_->setObjectName(QStringLiteral("Fra_Teles"));
    telescopio_->setGeometry(Telescopio);
    campo_ = new QLineEdit;
    campo_->setObjectName(QStringLiteral("Tex_Teles"));
    campo_->setFont(FuenteFija());
    campo_->setFixedWidth(campo_->fontMetrics().horizontalAdvance(QStringLiteral("00° 00'")) + 14);
    campo_->setToolTip(QStringLiteral("Diámetro del campo: escriba sobre los grados (hasta 30) y los minutos"));
    e.Tex_Teles = TextoCampoTelescopio();
    campo_->setText(QString::fromStdString(e.Tex_Teles));
    connect(campo_, &QLineEdit::textEdited, this, [this] {
        const Sobrescrito r = TecleaCampoTelescopio(campo_->text().toStdString(), campo_->cursorPosition());
        campo_->setText(QString::fromStdString(r.texto));
        campo_->setCursorPosition(r.cursor);
    });
    auto* campos = new CamposTecleo(this);
    campos->agrega(campo_, 0, {}, nullptr);
    auto* spin = new Spin(SpinTelescopio(), campo_);
    spin->setObjectName(QStringLiteral("PicSpi_Teles"));
    auto* fila = new QHBoxLayout(telescopio_);
    fila->addStretch();
    fila->addWidget(campo_);
    fila->addWidget(spin);
    fila->addStretch();
    telescopio_->setEnabled(e.Telescopio == Activado);

    auto* salir = BotonDeSalida(this);
    salir->move(Tamano.width() - salir->width() - 22, Tamano.height() - salir->height() - 14);
    connect(salir, &QAbstractButton::clicked, this, &Personal::reject);
}

void Personal::reject() { CierraYRedibuja(this); }

}  // namespace vsp::ui
