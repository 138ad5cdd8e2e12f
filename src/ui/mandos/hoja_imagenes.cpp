// The artwork of the image sheet and of the control pad: slate keys with
// a pale arrow that lights red when pressed (kind to dark-adapted eyes), set
// in rims of the grey face, on the dark card the chart's panels share.
#include "ui/mandos/hoja_imagenes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <map>

namespace vsp::ui {

namespace {

const QColor Gris(GrisFondo);
const QColor Grabado(96, 96, 96);        // the cut of an engraving
const QColor Brillo(240, 240, 240);      // its lit lower edge
const QColor FlechaApagada(222, 228, 236);
const QColor FlechaEncendida(255, 84, 60);
const QColor Pantalla(20, 22, 28);       // the bottom button's display
const QColor TextoPantalla(255, 92, 66);

// The bottom button of the pad: its frame and its display.
constexpr QRect MarcoRotulo{7, 213, 61, 18};  // (7, 213) .. (67, 230)

QImage lienzo(QSize tamano, qreal dpr, QColor relleno) {
    QImage img(QSize(static_cast<int>(std::ceil(tamano.width() * dpr)),
                     static_cast<int>(std::ceil(tamano.height() * dpr))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(relleno);
    return img;
}

QFont fuente(qreal pixeles, bool negrita) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(pixeles));
    f.setBold(negrita);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// A rounded slate cap, lit from above when up and shaded when pushed in.
QRectF pintaCapuchon(QPainter& p, QRect r, bool pulsado, double radio) {
    const QRectF cuerpo = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient g(cuerpo.topLeft(), cuerpo.bottomLeft());
    g.setColorAt(0, pulsado ? QColor(26, 30, 37) : QColor(104, 114, 130));
    g.setColorAt(1, pulsado ? QColor(58, 64, 76) : QColor(40, 46, 56));
    p.setPen(QPen(QColor(18, 21, 27), 1));
    p.setBrush(g);
    p.drawRoundedRect(cuerpo, radio, radio);
    return cuerpo;
}

// A slate key with a chevron, set in a rim of the grey face.
void pintaTecla(QPainter& p, QRect r, bool arriba, bool pulsada) {
    const QRectF cuerpo = pintaCapuchon(p, r, pulsada, 3);
    if (!pulsada) {
        p.setPen(QPen(QColor(150, 160, 176), 1));
        p.drawLine(QPointF(cuerpo.left() + 3, cuerpo.top() + 1), QPointF(cuerpo.right() - 3, cuerpo.top() + 1));
    }
    const QPointF c = QRectF(r).center() + QPointF(0, pulsada ? 0.5 : 0);
    const double a = 4, h = 2;  // half width, half height of the chevron
    QPolygonF flecha;
    if (arriba)
        flecha << QPointF(c.x() - a, c.y() + h) << QPointF(c.x(), c.y() - h) << QPointF(c.x() + a, c.y() + h);
    else
        flecha << QPointF(c.x() - a, c.y() - h) << QPointF(c.x(), c.y() + h) << QPointF(c.x() + a, c.y() - h);
    p.setPen(Qt::NoPen);
    p.setBrush(pulsada ? FlechaEncendida : FlechaApagada);
    p.drawPolygon(flecha);
}

// A line cut into the face: dark, with the light catching its lower edge.
void grabaLinea(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(Brillo, 1));
    p.drawLine(a + QPointF(1, 1), b + QPointF(1, 1));
    p.setPen(QPen(Grabado, 1));
    p.drawLine(a, b);
}

void grabaTexto(QPainter& p, const QRectF& caja, const QString& texto, int alineacion) {
    p.setPen(Brillo);
    p.drawText(caja.translated(0.6, 0.6), alineacion, texto);
    p.setPen(QColor(70, 70, 70));
    p.drawText(caja, alineacion, texto);
}

void pintaDeslizador(QPainter& p, QRect r) {
    p.save();
    p.translate(r.topLeft());
    p.setFont(fuente(8, false));
    // The scale: one mark every 10 steps of speed, long at 0, 50 and 100;
    // the knob's centre stands at x = speed + 13.
    for (int v = 0; v <= 100; v += 10) {
        const double x = v + 13.5;
        const bool larga = v % 50 == 0;
        grabaLinea(p, QPointF(x, larga ? 14.5 : 17.5), QPointF(x, 21.5));
        if (larga) grabaTexto(p, QRectF(x - 15, 2, 30, 11), QString::number(v), Qt::AlignCenter);
    }
    // The slot the knob runs in.
    const QRectF ranura(10.5, 32.5, 106, 5);
    p.setPen(QPen(Grabado, 1));
    p.setBrush(QColor(38, 42, 50));
    p.drawRoundedRect(ranura, 2, 2);
    p.setPen(QPen(Brillo, 1));
    p.drawLine(QPointF(ranura.left() + 2, ranura.bottom() + 1), QPointF(ranura.right() - 2, ranura.bottom() + 1));
    p.restore();
}

void pintaBotonDeslizador(QPainter& p, QRect r) {
    const QRectF cuerpo = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(cuerpo.topLeft(), cuerpo.topRight());
    g.setColorAt(0, QColor(120, 130, 146));
    g.setColorAt(0.5, QColor(80, 88, 102));
    g.setColorAt(1, QColor(40, 46, 56));
    p.setPen(QPen(QColor(18, 21, 27), 1));
    p.setBrush(g);
    p.drawRoundedRect(cuerpo, 2.5, 2.5);
    p.setPen(QPen(FlechaEncendida, 1.4));
    p.drawLine(QPointF(cuerpo.center().x(), cuerpo.top() + 3), QPointF(cuerpo.center().x(), cuerpo.bottom() - 3));
}

// A push knob: a raised slate cap with a lamp that lights when pressed.
void pintaSelector(QPainter& p, QRect r, bool pulsado) {
    const QRectF cuerpo = pintaCapuchon(p, r, pulsado, 4);
    p.setPen(QPen(QColor(18, 21, 27), 1));
    p.setBrush(pulsado ? FlechaEncendida : QColor(70, 30, 28));
    p.drawEllipse(QRectF(cuerpo.center() + QPointF(-3, pulsado ? -2 : -3), QSizeF(6, 6)));
}

QImage hojaDibujada(qreal dpr) {
    QImage hoja = lienzo(QSize(128, 82), dpr, Gris);
    QPainter p(&hoja);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    pintaTecla(p, hoja::TeclaArriba, true, false);
    pintaTecla(p, hoja::TeclaArribaPulsada, true, true);
    pintaTecla(p, hoja::TeclaAbajo, false, false);
    pintaTecla(p, hoja::TeclaAbajoPulsada, false, true);
    pintaDeslizador(p, hoja::FondoDeslizador);
    pintaBotonDeslizador(p, hoja::BotonDeslizador);
    pintaSelector(p, hoja::Selector, false);
    pintaSelector(p, hoja::SelectorPulsado, true);
    return hoja;
}

}  // namespace

const QImage& HojaImagenes(qreal dpr) {
    static std::map<qreal, QImage> hojas;
    auto it = hojas.find(dpr);
    if (it == hojas.end()) it = hojas.emplace(dpr, hojaDibujada(dpr)).first;
    return it->second;
}

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

QImage FondoMando(qreal dpr) {
    QImage img = lienzo(TamanoMando, dpr, Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The same dark card as the other panels over the chart.
    const QRectF tarjeta = QRectF(QPointF(0, 0), TamanoMando).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(150, 170, 220, 70), 1));
    p.setBrush(QColor(8, 13, 30, 224));
    p.drawRoundedRect(tarjeta, 7, 7);

    // Five rows, each a name over its pair of keys, with a faint rule
    // between rows.
    static const char* const nombres[5] = {"DIRECCIÓN", "ELEVACIÓN", "ZOOM", "TIEMPO", "ANIMACIÓN"};
    p.setFont(fuente(8, true));
    for (int fila = 0; fila < 5; ++fila) {
        const int y = 22 + 43 * fila;
        p.setPen(QColor(0xdc, 0xe3, 0xf0, 200));
        p.drawText(QRectF(0, y - 15, TamanoMando.width(), 12), Qt::AlignCenter, QString::fromUtf8(nombres[fila]));
        if (fila > 0) {
            p.setPen(QPen(QColor(150, 170, 220, 45), 1));
            p.drawLine(QPointF(12, y - 17.5), QPointF(TamanoMando.width() - 12, y - 17.5));
        }
    }
    p.end();
    for (int fila = 0; fila < 5; ++fila) {
        CopiaDeHoja(img, hoja::TeclaAbajo, QPoint(10, 22 + 43 * fila));
        CopiaDeHoja(img, hoja::TeclaArriba, QPoint(41, 22 + 43 * fila));
    }

    // The bottom button: a raised frame round a dark display.
    p.begin(&img);
    p.fillRect(MarcoRotulo, Pantalla);
    p.setPen(QColor(224, 224, 224));
    p.drawLine(MarcoRotulo.topLeft(), MarcoRotulo.topRight());
    p.drawLine(MarcoRotulo.topLeft(), MarcoRotulo.bottomLeft());
    p.setPen(QColor(96, 96, 96));
    p.drawLine(MarcoRotulo.bottomLeft(), MarcoRotulo.bottomRight());
    p.drawLine(MarcoRotulo.topRight(), MarcoRotulo.bottomRight());
    return img;
}

void PintaRotuloMando(QImage& mando, const QString& texto, int y) {
    // The display is 59 pixels wide: long captions are drawn narrower.
    constexpr double ancho = 53;
    QFont f = fuente(9, true);
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
