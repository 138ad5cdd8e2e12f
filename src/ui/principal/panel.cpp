// The panels' card and texts.
#include "ui/principal/panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

constexpr qreal kRadio = 7;
const QColor kFondo(8, 13, 30, 224);
const QColor kBorde(150, 170, 220, 70);
const QColor kTexto(0xdc, 0xe3, 0xf0);

}  // namespace

PanelCielo::PanelCielo(QWidget* padre) : QWidget(padre) {
    setCursor(Qt::ArrowCursor);
}

QFont PanelCielo::fuenteTextos() { return FuenteFija(13); }

QRectF PanelCielo::tarjeta() const { return QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5); }

void PanelCielo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBorde, 1));
    p.setBrush(kFondo);
    p.drawRoundedRect(tarjeta(), kRadio, kRadio);
}

TextoPanel::TextoPanel(const char* nombre, int caracteres, QWidget* padre) : QLabel(padre) {
    setObjectName(QString::fromLatin1(nombre));
    setTextFormat(Qt::PlainText);
    setFont(PanelCielo::fuenteTextos());
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, kTexto);
    setPalette(paleta);
    const QFontMetrics medidas(font());
    setMinimumWidth(medidas.horizontalAdvance(QString(caracteres, QLatin1Char('0'))));
    setMinimumHeight(medidas.height());
}

void TextoPanel::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) emit dobleClic();
}

}  // namespace vsp::ui
