// The button bar's artwork, drawn with QPainter at the screen's pixel ratio:
// a pale rounded face, as the dialogs' picture buttons have, with a glyph in
// a few flat colours on it.
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include "ui/marco/arte_marco.h"
#include "ui/principal/botonera.h"

namespace vsp::ui {

namespace {

constexpr int kLado = 40;

// Ink and paint shared by the glyphs.
const QColor kTinta(0x1f, 0x33, 0x58);
const QColor kAzul(0x3d, 0x74, 0xc4);
const QColor kOro(0xf2, 0xb8, 0x3a);
const QColor kOroOscuro(0x8e, 0x5c, 0x12);
const QColor kRojo(0xd8, 0x45, 0x2e);

QPen pluma(const QColor& c, qreal ancho) { return QPen(c, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A star of `puntas` points between radii r (inner) and R (outer), one
// point straight up.
QPolygonF estrella(QPointF centro, qreal R, qreal r, int puntas = 5) {
    QPolygonF poligono;
    for (int i = 0; i < 2 * puntas; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / puntas, radio = i % 2 ? r : R;
        poligono << centro + QPointF(radio * std::cos(a), radio * std::sin(a));
    }
    return poligono;
}

void lupa(QPainter& p) {
    p.setPen(pluma(QColor(0x5a, 0x3a, 0x1c), 5.5));
    p.drawLine(QPointF(23.5, 23.5), QPointF(31, 31));
    p.setPen(pluma(QColor(0xb0, 0x7a, 0x40), 3));
    p.drawLine(QPointF(24, 24), QPointF(30.5, 30.5));
    QRadialGradient vidrio(QPointF(14.5, 14.5), 10);
    vidrio.setColorAt(0, QColor(0xf0, 0xf8, 0xff));
    vidrio.setColorAt(1, QColor(0x8c, 0xbc, 0xee));
    p.setPen(pluma(kTinta, 2.6));
    p.setBrush(vidrio);
    p.drawEllipse(QPointF(17, 17), 8.5, 8.5);
    p.setPen(pluma(QColor(255, 255, 255, 230), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11.5, 11.5, 11, 11), 100 * 16, 70 * 16);
}

void carpeta(QPainter& p) {
    // The back with its tab, a sheet coming out, the front flap open.
    QPainterPath fondo;
    fondo.moveTo(7, 29);
    fondo.lineTo(7, 11.5);
    fondo.lineTo(15, 11.5);
    fondo.lineTo(17.5, 14);
    fondo.lineTo(31, 14);
    fondo.lineTo(31, 29);
    fondo.closeSubpath();
    p.setPen(pluma(kOroOscuro, 1.3));
    p.setBrush(QColor(0xd8, 0x9a, 0x32));
    p.drawPath(fondo);
    p.setPen(pluma(QColor(0x7d, 0x8a, 0xa3), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 8.5, 14, 14));
    p.setPen(pluma(kAzul, 1.2));
    for (qreal y : {12.0, 15.0, 18.0}) p.drawLine(QPointF(15, y), QPointF(24, y));
    QLinearGradient frente(0, 18, 0, 31);
    frente.setColorAt(0, QColor(0xff, 0xdc, 0x7c));
    frente.setColorAt(1, kOro);
    const QPointF solapa[] = {{10.5, 18.5}, {34.5, 18.5}, {30.5, 30}, {6, 30}};
    p.setPen(pluma(kOroOscuro, 1.3));
    p.setBrush(frente);
    p.drawPolygon(solapa, 4);
}

void disquete(QPainter& p) {
    QPainterPath cuerpo;
    cuerpo.moveTo(8.5, 10);
    cuerpo.quadTo(8.5, 8, 10.5, 8);
    cuerpo.lineTo(28, 8);
    cuerpo.lineTo(32, 12);
    cuerpo.lineTo(32, 30);
    cuerpo.quadTo(32, 32, 30, 32);
    cuerpo.lineTo(10.5, 32);
    cuerpo.quadTo(8.5, 32, 8.5, 30);
    cuerpo.closeSubpath();
    QLinearGradient azul(0, 8, 0, 32);
    azul.setColorAt(0, QColor(0x55, 0x8c, 0xd8));
    azul.setColorAt(1, QColor(0x2c, 0x5c, 0xa6));
    p.setPen(pluma(kTinta, 1.4));
    p.setBrush(azul);
    p.drawPath(cuerpo);
    // The metal shutter with its window, and the label.
    p.setPen(pluma(QColor(0x6a, 0x76, 0x8a), 1));
    p.setBrush(QColor(0xd5, 0xdc, 0xe6));
    p.drawRect(QRectF(13, 8.5, 13, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2c, 0x5c, 0xa6));
    p.drawRect(QRectF(21, 10, 3, 5));
    p.setPen(pluma(QColor(0x9a, 0xa6, 0xb8), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(11.5, 20, 17, 10.5), 1.5, 1.5);
    p.setPen(pluma(kRojo, 1.2));
    p.drawLine(QPointF(14, 23.5), QPointF(26, 23.5));
    p.setPen(pluma(QColor(0xa8, 0xb2, 0xc2), 1));
    p.drawLine(QPointF(14, 27), QPointF(26, 27));
}

void reloj(QPainter& p) {
    const QPointF c(20, 20);
    QRadialGradient esfera(QPointF(17, 16), 14);
    esfera.setColorAt(0, Qt::white);
    esfera.setColorAt(1, QColor(0xe2, 0xe9, 0xf4));
    p.setPen(pluma(kTinta, 2.4));
    p.setBrush(esfera);
    p.drawEllipse(c, 12.5, 12.5);
    for (int h = 0; h < 12; ++h) {
        const qreal a = h * M_PI / 6, largo = h % 3 ? 1.6 : 3;
        const QPointF u(std::sin(a), -std::cos(a));
        p.setPen(pluma(kTinta, h % 3 ? 1.1 : 1.8));
        p.drawLine(c + u * 10, c + u * (10 - largo));
    }
    p.setPen(pluma(kTinta, 2.4));
    p.drawLine(c, c + QPointF(-5, -3.2));  // ten o'clock
    p.setPen(pluma(kTinta, 1.8));
    p.drawLine(c, c + QPointF(4.6, -7.4));
    p.setPen(pluma(kRojo, 1.1));
    p.drawLine(c + QPointF(1.5, -2.4), c + QPointF(-4.4, 7.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kRojo);
    p.drawEllipse(c, 1.7, 1.7);
}

void impresora(QPainter& p) {
    p.setPen(pluma(QColor(0x7d, 0x8a, 0xa3), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 7.5, 15, 10));
    QLinearGradient cuerpo(0, 15, 0, 28);
    cuerpo.setColorAt(0, QColor(0x9a, 0xa6, 0xba));
    cuerpo.setColorAt(1, QColor(0x5a, 0x66, 0x7c));
    p.setPen(pluma(QColor(0x34, 0x3f, 0x54), 1.4));
    p.setBrush(cuerpo);
    p.drawRoundedRect(QRectF(6.5, 15, 27, 12.5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x58, 0xd0, 0x6a));
    p.drawEllipse(QPointF(29, 19), 1.4, 1.4);
    // The printed chart coming out: a few stars on dark paper.
    p.setPen(pluma(QColor(0x7d, 0x8a, 0xa3), 1));
    p.setBrush(QColor(0x1d, 0x2a, 0x4a));
    p.drawRect(QRectF(11.5, 23, 17, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe8, 0x9a));
    p.drawPolygon(estrella(QPointF(16, 27.5), 2.4, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(23.5, 26), 0.9, 0.9);
    p.drawEllipse(QPointF(25, 30.5), 0.7, 0.7);
}

void engranaje(QPainter& p) {
    const QPointF c(20, 20);
    constexpr int kDientes = 8;
    QPolygonF rueda;
    for (int i = 0; i < kDientes; ++i) {
        const qreal base = i * 2 * M_PI / kDientes, paso = 2 * M_PI / kDientes;
        // Each tooth: flank out, top, flank in, then the root between teeth.
        const qreal angulos[4] = {base - 0.30 * paso, base - 0.17 * paso, base + 0.17 * paso, base + 0.30 * paso};
        const qreal radios[4] = {9.5, 13, 13, 9.5};
        for (int k = 0; k < 4; ++k)
            rueda << c + QPointF(radios[k] * std::cos(angulos[k]), radios[k] * std::sin(angulos[k]));
    }
    QPainterPath forma;
    forma.addPolygon(rueda);
    forma.closeSubpath();
    forma.addEllipse(c, 4.6, 4.6);
    QLinearGradient metal(0, 7, 0, 33);
    metal.setColorAt(0, QColor(0xa8, 0xb4, 0xc8));
    metal.setColorAt(1, QColor(0x5a, 0x66, 0x7e));
    p.setPen(pluma(QColor(0x30, 0x3b, 0x50), 1.3));
    p.setBrush(metal);
    p.drawPath(forma);
    p.setPen(pluma(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.3, 7.3);
}

void globo(QPainter& p) {
    const QPointF c(19, 21);
    const qreal r = 11.5;
    QRadialGradient mar(c + QPointF(-4, -4), 15);
    mar.setColorAt(0, QColor(0x8c, 0xcc, 0xff));
    mar.setColorAt(1, QColor(0x2a, 0x66, 0xb8));
    p.setPen(pluma(kTinta, 1.6));
    p.setBrush(mar);
    p.drawEllipse(c, r, r);
    // Meridians and parallels.
    p.setPen(pluma(QColor(255, 255, 255, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    for (qreal s : {-0.55, 0.55}) {
        const qreal medio = r * std::sqrt(1 - s * s);
        p.drawLine(c + QPointF(-medio, s * r), c + QPointF(medio, s * r));
    }
    // The observer's place.
    QPainterPath marca;
    const QPointF punta(28, 17.5);
    marca.moveTo(punta);
    marca.cubicTo(punta + QPointF(-2.5, -4), punta + QPointF(-5.5, -7), punta + QPointF(-5.5, -10));
    marca.arcTo(QRectF(punta.x() - 5.5, punta.y() - 15.5, 11, 11), 180, -180);
    marca.cubicTo(punta + QPointF(5.5, -7), punta + QPointF(2.5, -4), punta);
    p.setPen(pluma(QColor(0x7a, 0x1c, 0x10), 1.2));
    p.setBrush(kRojo);
    p.drawPath(marca);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(punta + QPointF(0, -10), 2, 2);
}

void estrellas(QPainter& p) {
    QLinearGradient oro(0, 10, 0, 32);
    oro.setColorAt(0, QColor(0xff, 0xe6, 0x85));
    oro.setColorAt(1, kOro);
    p.setPen(pluma(kOroOscuro, 1.3));
    p.setBrush(oro);
    p.drawPolygon(estrella(QPointF(17, 22), 11, 4.6));
    p.drawPolygon(estrella(QPointF(30, 11), 5, 2.1));
    // A ringed planet and a faint star complete the sky.
    p.setPen(pluma(kTinta, 1.1));
    p.setBrush(QColor(0x8c, 0xbc, 0xee));
    p.drawEllipse(QPointF(30.5, 28.5), 3.3, 3.3);
    p.setPen(pluma(kTinta, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(30.5, 28.5), 6, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    p.drawEllipse(QPointF(9, 9.5), 1.3, 1.3);
}

void pregunta(QPainter& p) {
    QLinearGradient azul(0, 8, 0, 32);
    azul.setColorAt(0, QColor(0x5a, 0x98, 0xe8));
    azul.setColorAt(1, QColor(0x25, 0x5a, 0xaa));
    p.setPen(pluma(kTinta, 1.4));
    p.setBrush(azul);
    p.drawEllipse(QPointF(20, 20), 12.5, 12.5);
    QFont letra(QStringLiteral("DejaVu Serif"));
    letra.setBold(true);
    letra.setPixelSize(19);
    p.setFont(letra);
    p.setPen(Qt::white);
    p.drawText(QRectF(7.5, 7.5, 25, 25), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QPixmap ImagenBoton(Boton b, int lado) {
    if (b == Boton::Salir) {
        // The dialogs' own exit picture, shown at the size asked for.
        QPixmap salir = ImagenSalir();
        salir.setDevicePixelRatio(salir.devicePixelRatio() * salir.deviceIndependentSize().width() / lado);
        return salir;
    }
    QPixmap imagen = arte::Lienzo(lado, lado);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(lado) / kLado, double(lado) / kLado);
    arte::CaraBoton(p, kLado);
    switch (b) {
        case Boton::Busca: lupa(p); break;
        case Boton::Carga: carpeta(p); break;
        case Boton::Guard: disquete(p); break;
        case Boton::Hora: reloj(p); break;
        case Boton::Impri: impresora(p); break;
        case Boton::Perso: engranaje(p); break;
        case Boton::Local: globo(p); break;
        case Boton::Objet: estrellas(p); break;
        case Boton::Ayuda: pregunta(p); break;
        case Boton::Salir: break;
    }
    return imagen;
}

QPixmap ImagenDeshacer() {
    QPixmap imagen = arte::Lienzo(18, 18);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    // A turn back: an arc ending in an arrowhead that points left.
    p.setPen(pluma(kAzul, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath arco;
    arco.moveTo(5, 7);
    arco.lineTo(11, 7);
    arco.arcTo(QRectF(7.5, 7, 8, 8), 90, -180);
    arco.lineTo(6, 15);
    p.drawPath(arco);
    const QPointF punta[] = {{1.5, 7}, {6.5, 3}, {6.5, 11}};
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul);
    p.drawPolygon(punta, 3);
    return imagen;
}

}  // namespace vsp::ui
