// A selector: its picture and its press.
#include "ui/mandos/selector.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "programa/opciones.h"
#include "ui/mandos/espera.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

QPoint pixel(const QMouseEvent* ev) {
    return {static_cast<int>(std::floor(ev->position().x())), static_cast<int>(std::floor(ev->position().y()))};
}

constexpr QSize Tamano(200, 40);
constexpr QPoint Pomo(4, 14);          // the knob's place, 29 x 20
constexpr QRect CajaValor(35, 14, 160, 20);

}  // namespace

Selector::Selector(int indice, QWidget* padre) : QWidget(padre), indice_(indice) {
    setFixedSize(Tamano);
    setMouseTracking(true);
    setObjectName(QStringLiteral("Pic_Selector%1").arg(indice));
    setAccessibleName(QString::fromUtf8(Opciones[indice].rotulo));
    DibujaSelector(false);
}

bool Selector::EnPomo(QPoint p) { return p.x() >= 4 && p.x() <= 33 && p.y() >= 14 && p.y() <= 34; }

void Selector::DibujaSelector(bool pulsado) {
    const qreal dpr = devicePixelRatioF();
    imagen_ = QImage(Tamano * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen_.setDevicePixelRatio(dpr);
    imagen_.fill(palette().color(QPalette::Window));
    {
        QPainter p(&imagen_);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QString rotulo = QString::fromUtf8(Opciones[indice_].rotulo);
        // The etched frame: a white line and, a pixel up and left, a grey one.
        p.setPen(QColor(255, 255, 255));
        p.drawRect(QRect(1, 7, Tamano.width() - 2, 30));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(QRect(0, 6, Tamano.width() - 2, 30));
        // The caption on the frame's top edge.
        QFont f = font();
        f.setPixelSize(11);
        p.setFont(f);
        const QFontMetrics m(f);
        const QRect caja(8, 0, m.horizontalAdvance(rotulo) + 6, 13);
        p.fillRect(caja, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caja, Qt::AlignCenter, rotulo);
        // The sunken box of the value and its text.
        p.fillRect(CajaValor, QColor(255, 255, 255));
        p.setPen(QColor(128, 128, 128));
        p.drawLine(CajaValor.topLeft(), CajaValor.topRight());
        p.drawLine(CajaValor.topLeft(), CajaValor.bottomLeft());
        p.setPen(QColor(64, 64, 64));
        p.drawLine(CajaValor.topLeft() + QPoint(1, 1), CajaValor.topRight() + QPoint(-1, 1));
        p.drawLine(CajaValor.topLeft() + QPoint(1, 1), CajaValor.bottomLeft() + QPoint(1, -1));
        p.setPen(QColor(0, 0, 0));
        p.drawText(QRect(40, CajaValor.top(), CajaValor.right() - 40, CajaValor.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(TextoOpcion(indice_)));
    }
    CopiaDeHoja(imagen_, pulsado ? hoja::SelectorPulsado : hoja::Selector, Pomo);
    repaint();
}

void Selector::paintEvent(QPaintEvent*) {
    if (imagen_.devicePixelRatio() != devicePixelRatioF()) DibujaSelector(false);
    QPainter(this).drawImage(QPoint(0, 0), imagen_);
}

void Selector::mousePressEvent(QMouseEvent* ev) {
    if (!EnPomo(pixel(ev))) return;
    PlaySonido(6);
    DibujaSelector(true);
    Espera(30);
    CambiaOpcion(indice_);
    DibujaSelector(false);
    PlaySonido(7);
    emit cambiado(indice_);
}

void Selector::mouseMoveEvent(QMouseEvent* ev) {
    if (EnPomo(pixel(ev)))
        PonCursor(this, Puntero::ManoIndice);
    else
        unsetCursor();
}

}  // namespace vsp::ui
