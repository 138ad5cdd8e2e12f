// The image sheet and the control pad's picture, from the program's SVG
// files (data/arte), and the pieces the controls copy from the sheet.
#include "ui/mandos/hoja_imagenes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "ui/marco/arte_marco.h"

namespace vsp::ui {

namespace {

const QColor TextoPantalla(255, 92, 66);  // the bottom button's caption

}  // namespace

const QImage& HojaImagenes(qreal dpr) { return arte::Dibujo("hoja", {128, 82}, dpr); }

void CopiaDeHoja(QImage& destino, const QRect& region, QPoint en) {
    const qreal dpr = destino.devicePixelRatio();
    QPainter p(&destino);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(en, region.size()), HojaImagenes(dpr),
                QRectF(region.x() * dpr, region.y() * dpr, region.width() * dpr, region.height() * dpr));
}

bool EsGrisFondo(const QImage& imagen, int x, int y) {
    const qreal dpr = imagen.devicePixelRatio();
    const QPoint d(static_cast<int>((x + 0.5) * dpr), static_cast<int>((y + 0.5) * dpr));
    return imagen.valid(d) && imagen.pixel(d) == GrisFondo;
}

QImage FondoMando(qreal dpr) { return arte::Dibujo("mando", TamanoMando, dpr); }

void PintaRotuloMando(QImage& mando, const QString& texto, int y) {
    // The display is 59 pixels wide: long captions are drawn narrower.
    constexpr double ancho = 53;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    const double natural = QFontMetricsF(f).horizontalAdvance(texto);
    if (natural > ancho) f.setStretch(std::max(50, static_cast<int>(100 * ancho / natural)));
    QPainter p(&mando);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    const QFontMetricsF m(f);
    const double x = (TamanoMando.width() - m.horizontalAdvance(texto)) / 2;
    p.setPen(TextoPantalla);
    p.drawText(QPointF(x, y + m.ascent()), texto);
}

}  // namespace vsp::ui
