// The objects legend panel. The legend is drawn on black and laid over the
// card with a screen blend, so the black drops out and the symbols and
// captions keep their colours over the translucent card.
#include "ui/principal/panel_muestra.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "sky/muestra.h"

namespace vsp::ui {

namespace {

constexpr int kFilas = 28;
constexpr int kFilaMaxima = 17, kFilaMinima = 11;  // row height, pixels
constexpr int kMargen = 4;  // keeps the drawing off the card's rounded corners

}  // namespace

PanelMuestra::PanelMuestra(QWidget* padre) : PanelCielo(padre), superficie_(QSize(1, 1)) {
    setObjectName(QStringLiteral("Pic_Muestra"));
    superficie_.onRefresh = [this] { update(); };
    ajustaAlto(kFilas * kFilaMaxima);
}

void PanelMuestra::ajustaAlto(int disponible) {
    const int fila = std::clamp((disponible - 2 * kMargen) / kFilas, kFilaMinima, kFilaMaxima);
    // The captions shrink with the rows, so that they never touch, and the
    // panel is as wide as the symbols and the longest caption.
    QFont letra = fuenteTextos();
    letra.setPixelSize(std::clamp(fila * 2 / 3, 8, 11));
    superficie_.setFont(letra);
    const int rotulos = QFontMetrics(letra).horizontalAdvance(QString(16, QLatin1Char('M')));
    setFixedSize(static_cast<int>(std::ceil(3.4 * fila)) + rotulos + 10 + 2 * kMargen, kFilas * fila + 2 * kMargen);
}

QRect PanelMuestra::zonaDibujo() const { return rect().adjusted(kMargen, kMargen, -kMargen, -kMargen); }

void PanelMuestra::DibujaMuestra(int altoCarta) {
    altoCarta_ = altoCarta;
    const QRect zona = zonaDibujo();
    const double dpr = devicePixelRatioF();
    superficie_.resize((QSizeF(zona.size()) * dpr).toSize(), dpr);
    superficie_.setBackground(0);
    vsp::DibujaMuestra(superficie_, zona.width(), zona.height(), altoCarta);
}

void PanelMuestra::paintEvent(QPaintEvent* evento) {
    if (altoCarta_ > 0 && devicePixelRatioF() != superficie_.devicePixelRatio()) DibujaMuestra(altoCarta_);
    PanelCielo::paintEvent(evento);
    if (altoCarta_ == 0) return;
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(QRectF(zonaDibujo()), superficie_.image());
}

}  // namespace vsp::ui
