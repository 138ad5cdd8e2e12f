// The frame's artwork: button pictures, cursors and the splash screen's
// pictures, all drawn here at the screen's pixel ratio instead of shipped as
// bitmaps, so they are sharp on every display.
#include "ui/marco/arte_marco.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdint>

namespace vsp::ui::arte {

QPixmap Lienzo(int ancho, int alto) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap p(qCeil(ancho * ratio), qCeil(alto * ratio));
    p.setDevicePixelRatio(ratio);
    p.fill(Qt::transparent);
    return p;
}

void CaraBoton(QPainter& p, int lado) {
    const qreal borde = lado - 3.0;
    const qreal radio = lado * 0.16;
    QLinearGradient fondo(0, 2, 0, lado - 2);
    fondo.setColorAt(0, QColor(0xfd, 0xfd, 0xff));
    fondo.setColorAt(1, QColor(0xcf, 0xd8, 0xe6));
    p.setPen(QPen(QColor(0x6f, 0x7d, 0x98), 1));
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(1.5, 1.5, borde, borde), radio, radio);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, borde - 2, borde - 2), radio - 1, radio - 1);
}

namespace {

void suave(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// ---------------------------------------------------------------------------
// Picture buttons

// The message box's pictures on the program's button face.
QPixmap caraBoton() {
    QPixmap imagen = Lienzo(50, 50);
    QPainter p(&imagen);
    suave(p);
    CaraBoton(p, 50);
    return imagen;
}

// A thick stroke with a darker rim, for the tick and the cross.
void trazoConBorde(QPainter& p, const QPainterPath& trazo, QColor borde, QColor relleno) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(borde, 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trazo);
    p.setPen(QPen(relleno, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trazo);
}

QPixmap botonConTrazo(const QPainterPath& trazo, QColor borde, QColor relleno) {
    QPixmap imagen = caraBoton();
    QPainter p(&imagen);
    suave(p);
    trazoConBorde(p, trazo, borde, relleno);
    return imagen;
}

}  // namespace

QPixmap BotonSi() {
    QPainterPath marca;
    marca.moveTo(14, 26);
    marca.lineTo(22, 34);
    marca.lineTo(37, 15.5);
    return botonConTrazo(marca, QColor(0x1c, 0x66, 0x2a), QColor(0x3b, 0xb5, 0x4c));
}

QPixmap BotonNo() {
    QPainterPath aspa;
    aspa.moveTo(16, 16);
    aspa.lineTo(34, 34);
    aspa.moveTo(34, 16);
    aspa.lineTo(16, 34);
    return botonConTrazo(aspa, QColor(0x8c, 0x18, 0x18), QColor(0xe2, 0x43, 0x3d));
}

QPixmap BotonSalir() {
    QPixmap imagen = caraBoton();
    QPainter p(&imagen);
    suave(p);
    // The doorway, dark behind the open leaf.
    p.setPen(QPen(QColor(0x33, 0x42, 0x5e), 2.2));
    p.setBrush(QColor(0x1d, 0x28, 0x44));
    p.drawRect(QRectF(12, 10, 18, 30));
    // The leaf swung open towards the viewer on its left hinge.
    QLinearGradient madera(12, 0, 21, 0);
    madera.setColorAt(0, QColor(0xd6, 0x9a, 0x5a));
    madera.setColorAt(1, QColor(0x93, 0x5e, 0x2c));
    const QPointF hoja[] = {{12, 10}, {21, 14}, {21, 44}, {12, 40}};
    p.setPen(QPen(QColor(0x5a, 0x36, 0x14), 1.2));
    p.setBrush(madera);
    p.drawPolygon(hoja, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd0, 0x6a));
    p.drawEllipse(QPointF(18.6, 27.5), 1.4, 1.4);
    // The way out.
    QPainterPath flecha;
    flecha.moveTo(24, 22.5);
    flecha.lineTo(34, 22.5);
    flecha.lineTo(34, 17);
    flecha.lineTo(43, 25);
    flecha.lineTo(34, 33);
    flecha.lineTo(34, 27.5);
    flecha.lineTo(24, 27.5);
    flecha.closeSubpath();
    p.setPen(QPen(QColor(0x8a, 0x30, 0x08), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf2, 0x79, 0x2e));
    p.drawPath(flecha);
    return imagen;
}

QPixmap Distintivo(bool pregunta) {
    QPixmap imagen = Lienzo(20, 20);
    QPainter p(&imagen);
    suave(p);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
    p.setBrush(pregunta ? QColor(0xe0, 0x9a, 0x1e) : QColor(0x2f, 0x6f, 0xd0));
    p.drawEllipse(QRectF(1, 1, 18, 18));
    QFont letra("DejaVu Serif");
    letra.setBold(true);
    letra.setPixelSize(14);
    p.setFont(letra);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter,
               pregunta ? QStringLiteral("?") : QStringLiteral("i"));
    return imagen;
}

// ---------------------------------------------------------------------------
// Cursors

namespace {

// Draws `silueta` with a white halo so the cursor reads on the dark chart as
// well as on the light dialogs.
void halo(QPainter& p, const QPainterPath& silueta) {
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(silueta);
}

const QPen kContorno(QColor(0x15, 0x15, 0x1c), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

}  // namespace

DibujoCursor CursorLapiz() {
    const QPointF punta(2.5, 29.5);
    QPixmap imagen = Lienzo(32, 32);
    QPainter p(&imagen);
    suave(p);
    // Along the pencil: x from the tip towards the pushing end, y across it.
    p.translate(punta);
    p.rotate(-45);
    QPainterPath silueta;
    silueta.moveTo(0, 0);
    silueta.lineTo(10, -4);
    silueta.lineTo(36, -4);
    silueta.lineTo(36, 4);
    silueta.lineTo(10, 4);
    silueta.closeSubpath();
    halo(p, silueta);

    p.setPen(kContorno);
    p.setBrush(QColor(0xf6, 0xc4, 0x2a));  // painted body
    p.drawRect(QRectF(10, -4, 17, 8));
    p.setBrush(QColor(0xc7, 0xcd, 0xd6));  // ferrule
    p.drawRect(QRectF(27, -4, 4, 8));
    p.setBrush(QColor(0xf0, 0x8f, 0xa6));  // rubber end
    p.drawRect(QRectF(31, -4, 5, 8));
    const QPointF madera[] = {{0, 0}, {10, -4}, {10, 4}};
    p.setBrush(QColor(0xe9, 0xc9, 0x9a));
    p.drawPolygon(madera, 3);
    const QPointF mina[] = {{0, 0}, {4, -1.6}, {4, 1.6}};
    p.setBrush(QColor(0x2b, 0x2b, 0x33));
    p.drawPolygon(mina, 3);
    p.setPen(QPen(QColor(0xc9, 0x93, 0x12), 1));
    p.drawLine(QPointF(11, 0), QPointF(26.5, 0));
    return {imagen, QPoint(2, 29)};
}

DibujoCursor CursorGoma() {
    const QPointF borde(4.5, 27.5);
    QPixmap imagen = Lienzo(32, 32);
    QPainter p(&imagen);
    suave(p);
    // Along the eraser: x from the rubbing edge back, y across it.
    p.translate(borde);
    p.rotate(-45);
    QPainterPath silueta;
    silueta.addRoundedRect(QRectF(-0.5, -6.5, 24, 13), 2, 2);
    halo(p, silueta);

    p.setPen(kContorno);
    p.setBrush(QColor(0xf2, 0x9a, 0xae));  // the rubber
    p.drawRoundedRect(QRectF(-0.5, -6.5, 24, 13), 2, 2);
    p.setBrush(QColor(0x3a, 0x6c, 0xc8));  // its paper sleeve
    p.drawRect(QRectF(9, -6.5, 14.5, 13));
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.4));
    p.drawLine(QPointF(12, -1), QPointF(20.5, -1));
    p.drawLine(QPointF(12, 2), QPointF(20.5, 2));
    return {imagen, QPoint(4, 27)};
}

DibujoCursor CursorMano() {
    QPixmap imagen = Lienzo(32, 32);
    QPainter p(&imagen);
    suave(p);
    QPainterPath mano;
    mano.setFillRule(Qt::WindingFill);
    mano.addRoundedRect(QRectF(10, 1, 6, 18), 3, 3);        // index finger
    mano.addRoundedRect(QRectF(15.5, 10, 5.5, 10), 2.7, 2.7);  // folded fingers
    mano.addRoundedRect(QRectF(20.5, 11.5, 5, 9.5), 2.5, 2.5);
    mano.addRoundedRect(QRectF(25, 13.5, 4.5, 8), 2.2, 2.2);
    mano.addRoundedRect(QRectF(7, 15, 22.5, 15.5), 5, 5);      // palm
    mano.addRoundedRect(QRectF(2.5, 15.5, 8, 5.5), 2.7, 2.7);  // thumb
    mano = mano.simplified();
    halo(p, mano);
    p.setPen(kContorno);
    p.setBrush(Qt::white);
    p.drawPath(mano);
    p.drawLine(QPointF(15.7, 15), QPointF(15.7, 19.5));
    p.drawLine(QPointF(20.7, 15.5), QPointF(20.7, 20.5));
    p.drawLine(QPointF(25.2, 17), QPointF(25.2, 21));
    return {imagen, QPoint(13, 1)};
}

// ---------------------------------------------------------------------------
// Splash screen

namespace {

// Writes `texto` as outlines fitted and centred in `caja`, with a soft halo
// behind the letters.
void rotulo(QPainter& p, const QRectF& caja, const QString& texto, const QFont& fuente,
            const QBrush& relleno, const QColor& resplandor) {
    QPainterPath letras;
    letras.addText(0, 0, fuente, texto);
    const QRectF medida = letras.boundingRect();
    const qreal escala = qMin(1.0, qMin((caja.width() - 4) / medida.width(),
                                        (caja.height() - 2) / medida.height()));
    QTransform t;
    t.translate(caja.center().x(), caja.center().y());
    t.scale(escala, escala);
    t.translate(-medida.center().x(), -medida.center().y());
    const QPainterPath colocado = t.map(letras);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(resplandor, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(colocado);
    p.setPen(Qt::NoPen);
    p.setBrush(relleno);
    p.drawPath(colocado);
}

// A four-pointed sparkle.
void destello(QPainter& p, QPointF centro, qreal radio, QColor color) {
    QPainterPath estrella;
    const qreal c = radio * 0.22;
    estrella.moveTo(centro.x(), centro.y() - radio);
    estrella.quadTo(centro.x() + c, centro.y() - c, centro.x() + radio, centro.y());
    estrella.quadTo(centro.x() + c, centro.y() + c, centro.x(), centro.y() + radio);
    estrella.quadTo(centro.x() - c, centro.y() + c, centro.x() - radio, centro.y());
    estrella.quadTo(centro.x() - c, centro.y() - c, centro.x(), centro.y() - radio);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(estrella);
}

}  // namespace

QPixmap Logo() {
    QPixmap imagen = Lienzo(97, 44);
    QPainter p(&imagen);
    suave(p);
    QFont fuente("DejaVu Serif");
    fuente.setBold(true);
    fuente.setPixelSize(26);
    QLinearGradient oro(0, 4, 0, 32);
    oro.setColorAt(0, QColor(0xff, 0xf4, 0xc8));
    oro.setColorAt(0.55, QColor(0xf1, 0xc2, 0x5a));
    oro.setColorAt(1, QColor(0xc1, 0x84, 0x26));
    rotulo(p, QRectF(0, 2, 97, 31), QStringLiteral("VESPERA"), fuente, oro,
           QColor(0x40, 0x2a, 0x05, 200));
    // An orbit under the name, with its planet.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf1, 0xc2, 0x5a, 170), 1.1));
    p.drawEllipse(QPointF(48.5, 37.5), 45, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xbf, 0xe0, 0xff));
    p.drawEllipse(QPointF(81, 40.3), 2.1, 2.1);
    return imagen;
}

QPixmap Icono() {
    QPixmap imagen = Lienzo(40, 41);
    QPainter p(&imagen);
    suave(p);
    const QPointF centro(21, 23);
    const QColor anillo(0xea, 0xd9, 0xae);
    // The ring, tilted; its far half passes behind the globe.
    p.translate(centro);
    p.rotate(-18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(anillo, 2.2));
    p.drawEllipse(QPointF(0, 0), 18, 5.2);
    p.resetTransform();
    QRadialGradient globo(centro + QPointF(-4, -4), 14);
    globo.setColorAt(0, QColor(0xff, 0xe2, 0x9c));
    globo.setColorAt(0.55, QColor(0xd9, 0x84, 0x34));
    globo.setColorAt(1, QColor(0x6e, 0x35, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(globo);
    p.drawEllipse(centro, 10.5, 10.5);
    // The near half of the ring, over the globe.
    p.translate(centro);
    p.rotate(-18);
    p.setClipRect(QRectF(-20, 0, 40, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(anillo, 2.2));
    p.drawEllipse(QPointF(0, 0), 18, 5.2);
    p.setClipping(false);
    p.resetTransform();
    destello(p, QPointF(7, 7), 6, QColor(0xe8, 0xf2, 0xff));
    return imagen;
}

QPixmap Tiras() {
    QPixmap imagen = Lienzo(236, 77);
    QPainter p(&imagen);
    suave(p);
    QFont titulo("DejaVu Serif");
    titulo.setItalic(true);
    titulo.setPixelSize(22);
    rotulo(p, QRectF(0, 0, 219, 38), QStringLiteral("Planetario de escritorio"), titulo,
           QColor(0xe3, 0xec, 0xff), QColor(0x4a, 0x6f, 0xc0, 120));
    QFont version("DejaVu Sans");
    version.setPixelSize(15);
    version.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    rotulo(p, QRectF(0, 38, 209, 23), QStringLiteral("Versión 3.1"), version,
           QColor(0xf1, 0xc2, 0x5a), QColor(0x40, 0x2a, 0x05, 140));
    QFont autor("DejaVu Sans");
    autor.setPixelSize(11);
    rotulo(p, QRectF(0, 61, 236, 16), QStringLiteral("© 2026  VESPERA"), autor,
           QColor(0x9d, 0xb0, 0xd4), QColor(0, 0, 0, 0));
    return imagen;
}

QPixmap CieloCareta(QSize tamano) {
    QPixmap imagen = Lienzo(tamano.width(), tamano.height());
    QPainter p(&imagen);
    suave(p);
    QLinearGradient noche(0, 0, 0, tamano.height());
    noche.setColorAt(0, QColor(0x03, 0x05, 0x10));
    noche.setColorAt(0.7, QColor(0x0a, 0x15, 0x30));
    noche.setColorAt(1, QColor(0x18, 0x2a, 0x50));
    p.fillRect(QRectF(QPointF(0, 0), tamano), noche);

    // A faint band of the Milky Way across the field.
    p.setPen(Qt::NoPen);
    for (int k = 0; k <= 6; ++k) {
        const QPointF centro(tamano.width() * (k / 6.0), tamano.height() * (0.85 - 0.6 * k / 6.0));
        QRadialGradient nube(centro, 55);
        nube.setColorAt(0, QColor(0x9f, 0xb4, 0xe8, 26));
        nube.setColorAt(1, QColor(0x9f, 0xb4, 0xe8, 0));
        p.setBrush(nube);
        p.drawEllipse(centro, 55, 55);
    }

    // The same scattering of stars every time: a small linear congruential
    // sequence rather than the process's random numbers.
    uint32_t semilla = 20260101u;
    const auto siguiente = [&semilla] {
        semilla = semilla * 1664525u + 1013904223u;
        return (semilla >> 8) / double(1u << 24);
    };
    for (int n = 0; n < 110; ++n) {
        const QPointF punto(siguiente() * tamano.width(), siguiente() * tamano.height());
        const double brillo = siguiente();
        const double tinte = siguiente();
        QColor color = tinte < 0.2   ? QColor(0xff, 0xe6, 0xc0)
                       : tinte < 0.4 ? QColor(0xc8, 0xd8, 0xff)
                                     : QColor(0xf4, 0xf6, 0xff);
        color.setAlphaF(0.35 + 0.65 * brillo);
        p.setBrush(color);
        const qreal radio = 0.35 + 0.9 * brillo * brillo;
        p.drawEllipse(punto, radio, radio);
        if (brillo > 0.93) destello(p, punto, 3.5, color);
    }
    return imagen;
}

}  // namespace vsp::ui::arte
