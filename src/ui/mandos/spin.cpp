// The spin control: its pictures come from the image sheet, its press
// repeats the step while the key is held.
#include "ui/mandos/spin.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "ui/mandos/espera.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

Spin::Spin(AccionSpin accion, QLineEdit* caja, QWidget* padre)
    : QWidget(padre), accion_(std::move(accion)), caja_(caja) {
    setFixedSize(hoja::Spin.size());
    // A press takes the focus, so that the field being typed in is read
    // before the step: the step then starts from what was typed.
    setFocusPolicy(Qt::ClickFocus);
    PonCursor(this, Puntero::ManoIndice);
    ajustaEscala();
}

void Spin::ajustaEscala() {
    const qreal dpr = devicePixelRatioF();
    if (!imagen_.isNull() && imagen_.devicePixelRatio() == dpr) return;
    imagen_ = QImage(hoja::Spin.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen_.setDevicePixelRatio(dpr);
    CopiaDeHoja(imagen_, hoja::Spin, QPoint(0, 0));
}

void Spin::pinta(bool pulsada, int sentido) {
    if (!pulsada)
        CopiaDeHoja(imagen_, hoja::Spin, QPoint(0, 0));
    else if (sentido > 0)
        CopiaDeHoja(imagen_, hoja::TeclaArribaPulsada, QPoint(0, 0));
    else
        CopiaDeHoja(imagen_, hoja::TeclaAbajoPulsada, QPoint(0, 15));
    repaint();
}

void Spin::paintEvent(QPaintEvent*) {
    ajustaEscala();
    QPainter(this).drawImage(QPoint(0, 0), imagen_);
}

void Spin::mousePressEvent(QMouseEvent* ev) {
    const int x = static_cast<int>(std::floor(ev->position().x()));
    const int y = static_cast<int>(std::floor(ev->position().y()));
    ajustaEscala();
    if (accion_.pruebaPixel && EsGrisFondo(imagen_, x, y)) return;
    const int sentido = y <= 14 ? 1 : -1;
    const bool vivo = RepiteMientrasPulsado(
        this,
        [this, sentido] {
            pinta(true, sentido);
            PlaySonido(4);
            accion_.paso(sentido);
            if (accion_.texto && caja_) caja_->setText(QString::fromStdString(accion_.texto()));
            if (accion_.extra) accion_.extra();
        },
        [this] { pinta(false, 0); });
    if (vivo && accion_.alSoltar) accion_.alSoltar();
}

void Spin::mouseReleaseEvent(QMouseEvent*) { Estado().BotonPulsado = Falso; }

}  // namespace vsp::ui
