// The speed slider: its picture and the drag of its knob.
#include "ui/mandos/deslizador.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "core/estado.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

Deslizador::Deslizador(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("PicPot_Veloc"));
    setFixedSize(hoja::FondoDeslizador.size());
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Velocidad"));
    dibuja();
}

QRect Deslizador::pomo() {
    const int x = std::clamp<int>(Estado().Velocidad, 0, 100) + 7;
    return {x, 23, hoja::BotonDeslizador.width(), hoja::BotonDeslizador.height()};
}

void Deslizador::dibuja() {
    const qreal dpr = devicePixelRatioF();
    imagen_ = QImage(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen_.setDevicePixelRatio(dpr);
    CopiaDeHoja(imagen_, hoja::FondoDeslizador, QPoint(0, 0));
    CopiaDeHoja(imagen_, hoja::BotonDeslizador, pomo().topLeft());
    update();
}

void Deslizador::paintEvent(QPaintEvent*) {
    if (imagen_.devicePixelRatio() != devicePixelRatioF()) dibuja();
    QPainter(this).drawImage(QPoint(0, 0), imagen_);
}

void Deslizador::mousePressEvent(QMouseEvent* ev) {
    const QRect k = pomo();
    const double x = ev->position().x(), y = ev->position().y();
    if (x < k.left() || x > k.left() + 12 || y < 23 || y > 47) return;
    arrastrando_ = true;
    xInicial_ = x;
    velocidadInicial_ = Estado().Velocidad;
}

void Deslizador::mouseMoveEvent(QMouseEvent* ev) {
    const double x = ev->position().x();
    if (!arrastrando_) {
        if (pomo().adjusted(0, 0, 1, 1).contains(ev->position().toPoint()))
            PonCursor(this, Puntero::ManoIndice);
        else
            unsetCursor();
        return;
    }
    // The knob follows the pointer, stops at either end of the scale however
    // fast the pointer runs past it, and waits there for the pointer.
    int16_t& velocidad = Estado().Velocidad;
    const int nueva = std::clamp(velocidadInicial_ + static_cast<int>(std::lround(x - xInicial_)), 0, 100);
    if (nueva == velocidad) return;
    velocidad = static_cast<int16_t>(nueva);
    dibuja();
}

void Deslizador::mouseReleaseEvent(QMouseEvent*) { arrastrando_ = false; }

}  // namespace vsp::ui
