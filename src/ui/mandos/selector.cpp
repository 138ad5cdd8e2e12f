// A selector: its picture and its press.
#include "ui/mandos/selector.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "programa/opciones.h"
#include "ui/mandos/espera.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

QPoint pixel(const QMouseEvent* ev) {
    return {static_cast<int>(std::floor(ev->position().x())), static_cast<int>(std::floor(ev->position().y()))};
}

constexpr QPoint Pomo(4, 14);          // the knob's place, 29 x 20
constexpr QRect CajaValor(35, 14, 160, 20);

}  // namespace

Selector::Selector(int indice, QWidget* padre) : QWidget(padre), indice_(indice) {
    setFixedSize(TamanoSelector);
    setMouseTracking(true);
    setObjectName(QStringLiteral("Pic_Selector%1").arg(indice));
    setAccessibleName(QString::fromUtf8(Opciones[indice].rotulo));
    DibujaSelector(false);
}

bool Selector::EnPomo(QPoint p) { return p.x() >= 4 && p.x() <= 33 && p.y() >= 14 && p.y() <= 34; }

void Selector::DibujaSelector(bool pulsado) {
    const qreal dpr = devicePixelRatioF();
    imagen_ = QImage(TamanoSelector * dpr, QImage::Format_ARGB32_Premultiplied);
    imagen_.setDevicePixelRatio(dpr);
    imagen_.fill(palette().color(QPalette::Window));
    {
        QPainter p(&imagen_);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QString rotulo = QString::fromUtf8(Opciones[indice_].rotulo);
        p.drawImage(QRect(QPoint(0, 0), TamanoSelector), arte::Dibujo("selector", TamanoSelector, dpr));
        // The caption on the frame's top edge.
        QFont f = font();
        f.setPixelSize(11);
        p.setFont(f);
        const QFontMetrics m(f);
        const QRect caja(8, 0, m.horizontalAdvance(rotulo) + 6, 13);
        p.fillRect(caja, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caja, Qt::AlignCenter, rotulo);
        // The value in its sunken box.
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
