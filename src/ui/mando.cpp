// The control pad (to be completed).
#include "ui/mando.h"

#include <QPainter>

namespace vsp::ui {

Mando::Mando(QWidget* padre) : QWidget(padre), imagen_(74, 232, QImage::Format_RGB32) {
    imagen_.fill(QColor(192, 192, 192));
    setFixedSize(imagen_.size());
}

void Mando::pulsaEn(int, int) {}
void Mando::RotulaMando() {}
void Mando::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, imagen_); }
void Mando::mousePressEvent(QMouseEvent*) {}
void Mando::mouseReleaseEvent(QMouseEvent*) {}
void Mando::mouseMoveEvent(QMouseEvent*) {}

}  // namespace vsp::ui
