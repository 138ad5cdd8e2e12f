// VESPERA's artwork, drawn once here and written as SVG files into
// data/arte, from where the program draws each picture at the screen's
// pixel ratio: the picture buttons and badges of the message box, the three
// pointers, the splash screen's pictures, the button bar's glyphs, the
// sheet of keys, knobs and slider the controls copy from, the control pad's
// card, the dials' faces, the selectors' and the world map's frames.
//
//     vespera_arte CARPETA            writes the files into CARPETA
//     vespera_arte --compara CARPETA  and says how far the files, drawn
//                                     again, are from the drawing itself
//
// (`make arte` builds it and writes data/arte.)
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "core/constantes.h"
#include "ui/mandos/hoja_imagenes.h"

using namespace vsp;
using namespace vsp::ui;

namespace {

// Text as outlines, laid out as QPainter::drawText lays it out in `caja`, in
// the pen's colour: the files then need no font to be drawn.
void texto(QPainter& p, const QRectF& caja, int alineacion, const QString& t) {
    const QFontMetricsF medida(p.font());
    const QRectF sitio = medida.boundingRect(caja, alineacion, t);
    QPainterPath letras;
    letras.addText(sitio.left(), sitio.top() + medida.ascent(), p.font(), t);
    p.fillPath(letras, p.pen().color());
}

// ---------------------------------------------------------------------------
// The frame: picture buttons, badges, pointers and the splash screen

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

void suave(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// ---------------------------------------------------------------------------
// Picture buttons

// The message box's pictures on the program's button face.
void caraBoton(QPainter& p) {
    suave(p);
    CaraBoton(p, 50);
}

// The closed outline through `puntos`.
QPainterPath poligono(std::initializer_list<QPointF> puntos) {
    QPainterPath camino;
    camino.addPolygon(QPolygonF(puntos));
    camino.closeSubpath();
    return camino;
}

// A thick stroke with a darker rim, for the tick and the cross.
void trazoConBorde(QPainter& p, const QPainterPath& trazo, QColor borde, QColor relleno) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(borde, 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trazo);
    p.setPen(QPen(relleno, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trazo);
}

void botonConTrazo(QPainter& p, const QPainterPath& trazo, QColor borde, QColor relleno) {
    caraBoton(p);
    trazoConBorde(p, trazo, borde, relleno);
}

void BotonSi(QPainter& p) {
    QPainterPath marca;
    marca.moveTo(14, 26);
    marca.lineTo(22, 34);
    marca.lineTo(37, 15.5);
    botonConTrazo(p, marca, QColor(0x1c, 0x66, 0x2a), QColor(0x3b, 0xb5, 0x4c));
}

void BotonNo(QPainter& p) {
    QPainterPath aspa;
    aspa.moveTo(16, 16);
    aspa.lineTo(34, 34);
    aspa.moveTo(34, 16);
    aspa.lineTo(16, 34);
    botonConTrazo(p, aspa, QColor(0x8c, 0x18, 0x18), QColor(0xe2, 0x43, 0x3d));
}

void BotonSalir(QPainter& p) {
    caraBoton(p);
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
    const QPainterPath flecha = poligono({{24, 22.5}, {34, 22.5}, {34, 17}, {43, 25}, {34, 33}, {34, 27.5}, {24, 27.5}});
    p.setPen(QPen(QColor(0x8a, 0x30, 0x08), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf2, 0x79, 0x2e));
    p.drawPath(flecha);
}

void Distintivo(QPainter& p, QColor fondo, const char* signo) {
    suave(p);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
    p.setBrush(fondo);
    p.drawEllipse(QRectF(1, 1, 18, 18));
    QFont letra("DejaVu Serif");
    letra.setBold(true);
    letra.setPixelSize(14);
    p.setFont(letra);
    p.setPen(Qt::white);
    texto(p, QRectF(1, 1, 18, 18), Qt::AlignCenter, QString::fromLatin1(signo));
}

// ---------------------------------------------------------------------------
// Cursors

// Draws `silueta` with a white halo so the cursor reads on the dark chart as
// well as on the light dialogs.
void halo(QPainter& p, const QPainterPath& silueta) {
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(silueta);
}

const QPen kContorno(QColor(0x15, 0x15, 0x1c), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

void CursorLapiz(QPainter& p) {
    const QPointF punta(2.5, 29.5);
    suave(p);
    // Along the pencil: x from the tip towards the pushing end, y across it.
    p.translate(punta);
    p.rotate(-45);
    halo(p, poligono({{0, 0}, {10, -4}, {36, -4}, {36, 4}, {10, 4}}));

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
}

void CursorGoma(QPainter& p) {
    const QPointF borde(4.5, 27.5);
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
}

void CursorMano(QPainter& p) {
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
}

// ---------------------------------------------------------------------------
// Splash screen

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

void Logo(QPainter& p) {
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
}

void Icono(QPainter& p) {
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
    // The near half of the ring, over the globe (an arc: SVG keeps no
    // clipping).
    p.translate(centro);
    p.rotate(-18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(anillo, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(-18, -5.2, 36, 10.4), 180 * 16, 180 * 16);
    p.resetTransform();
    destello(p, QPointF(7, 7), 6, QColor(0xe8, 0xf2, 0xff));
}

void Tiras(QPainter& p) {
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
}

void CieloCareta(QPainter& p, QSize tamano) {
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
}

// ---------------------------------------------------------------------------
// The button bar's glyphs on the common face, on a grid of 40 units

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
    const QPainterPath fondo = poligono({{7, 29}, {7, 11.5}, {15, 11.5}, {17.5, 14}, {31, 14}, {31, 29}});
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
    texto(p, QRectF(7.5, 7.5, 25, 25), Qt::AlignCenter, QStringLiteral("?"));
}

void Deshacer(QPainter& p) {
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
}

// ---------------------------------------------------------------------------
// The controls: slate keys with a pale arrow that lights red when pressed
// (kind to dark-adapted eyes), set in rims of the grey face, on the dark
// card the chart's panels share

const QColor Gris(GrisFondo);
const QColor Grabado(96, 96, 96);        // the cut of an engraving
const QColor Brillo(240, 240, 240);      // its lit lower edge
const QColor FlechaApagada(222, 228, 236);
const QColor FlechaEncendida(255, 84, 60);
const QColor Pantalla(20, 22, 28);       // the bottom button's display
const QColor TextoPantalla(255, 92, 66);

// The bottom button of the pad: its frame and its display.

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

void grabaTexto(QPainter& p, const QRectF& caja, const QString& rotulo, int alineacion) {
    p.setPen(Brillo);
    texto(p, caja.translated(0.6, 0.6), alineacion, rotulo);
    p.setPen(QColor(70, 70, 70));
    texto(p, caja, alineacion, rotulo);
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

void Hoja(QPainter& p) {
    p.fillRect(QRect(0, 0, 128, 82), Gris);
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
}

void Mando(QPainter& p) {
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
        texto(p, QRectF(0, y - 15, TamanoMando.width(), 12), Qt::AlignCenter, QString::fromUtf8(nombres[fila]));
        if (fila > 0) {
            p.setPen(QPen(QColor(150, 170, 220, 45), 1));
            p.drawLine(QPointF(12, y - 17.5), QPointF(TamanoMando.width() - 12, y - 17.5));
        }
    }
    // The released keys, each in its rim of the grey face.
    for (int fila = 0; fila < 5; ++fila)
        for (const auto& [x, arriba] : {std::pair{10, false}, {41, true}}) {
            const QRect r(x, 22 + 43 * fila, 24, 14);
            p.fillRect(r, Gris);
            pintaTecla(p, r, arriba, false);
        }

    // The bottom button: a raised frame round a dark display.
    p.fillRect(MarcoRotulo, Pantalla);
    p.setPen(QColor(224, 224, 224));
    p.drawLine(MarcoRotulo.topLeft(), MarcoRotulo.topRight());
    p.drawLine(MarcoRotulo.topLeft(), MarcoRotulo.bottomLeft());
    p.setPen(QColor(96, 96, 96));
    p.drawLine(MarcoRotulo.bottomLeft(), MarcoRotulo.bottomRight());
    p.drawLine(MarcoRotulo.topRight(), MarcoRotulo.bottomRight());
}

// ---------------------------------------------------------------------------
// The dials' faces: white, a red ring, the four blue letters and the dots
// between them (every 10 degrees round the compass, every 15 round the
// elevation dial)

constexpr int Lado = 100;
const QPointF Centro(50.5, 50.5);  // the centre of pixel (50, 50)
const QColor Blanco(255, 255, 255);
const QColor Rojo(255, 0, 0);
const QColor Azul(0, 0, 255);

QRectF circulo(double radio) { return QRectF(Centro - QPointF(radio, radio), QSizeF(2 * radio, 2 * radio)); }

void puntos(QPainter& p, bool direccion) {
    const int cada = direccion ? 10 : 15;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Azul);
    for (int g = 0; g < 360; g += cada) {
        if (g % 90 == 0) continue;  // the letters stand there
        const double a = g * RadianesPorGrado;
        p.drawEllipse(Centro + QPointF(44 * std::cos(a), -44 * std::sin(a)), 0.8, 0.8);
    }
    p.restore();
}

void Esfera(QPainter& p, bool direccion) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, Lado, Lado), Blanco);
    p.setPen(QPen(Rojo, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circulo(49));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Azul);
    struct Letra { const char* texto; int x, y; };
    static const Letra letrasDireccion[4] = {{"N", 47, 1}, {"E", 92, 45}, {"S", 47, 90}, {"W", 2, 45}};
    static const Letra letrasElevacion[4] = {{"N", 47, 1}, {"H", 91, 42}, {"S", 47, 90}, {"H", 3, 42}};
    for (const Letra& l : direccion ? letrasDireccion : letrasElevacion)
        texto(p, QRectF(l.x, l.y, 14, 12), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(l.texto));
    puntos(p, direccion);
}


// The zoom dial's face: a black sky disc crossed by magenta lines, in dial
// units (-50 to 51 across the 100 pixels).
void EsferaZoom(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, Lado, Lado), Blanco);
    p.scale(Lado / 101.0, Lado / 101.0);
    p.translate(50.5, 50.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0, 0), 49, 49);
    p.setPen(QPen(QColor(255, 0, 255), 1));
    static const int lineas[6][4] = {{-24, -43, 25, -43}, {-43, -23, 44, -23}, {-49, 0, 50, 0},
                                     {-43, 23, 44, 23},   {-24, 43, 25, 43},   {0, -49, 0, 50}};
    for (const auto& l : lineas) p.drawLine(QPointF(l[0], l[1]), QPointF(l[2], l[3]));
}

// ---------------------------------------------------------------------------
// Frames drawn pixel by pixel, crisp at any ratio: the selectors', the pad's
// sunken bottom button and the world map's

// The pixels of the line from `a` to `b`, both ends included (one of the two
// coordinates is shared).
void linea(QPainter& p, QPoint a, QPoint b, QColor color) {
    p.fillRect(QRect(a, b).normalized(), color);
}

// The outline of the pixels from `r`'s top left corner to its bottom right
// one, that corner included, as QPainter::drawRect draws a QRect.
void marco(QPainter& p, QRect r, QColor color) {
    const QPoint a = r.topLeft(), b = a + QPoint(r.width(), r.height());
    linea(p, a, {b.x(), a.y()}, color);
    linea(p, {a.x(), b.y()}, b, color);
    linea(p, a, {a.x(), b.y()}, color);
    linea(p, {b.x(), a.y()}, b, color);
}

// The selector's etched frame (a white line and, a pixel up and left, a grey
// one) and the sunken white box of its value; the caption and the value are
// the program's own text.
void Selector(QPainter& p) {
    marco(p, QRect(1, 7, TamanoSelector.width() - 2, 30), QColor(255, 255, 255));
    marco(p, QRect(0, 6, TamanoSelector.width() - 2, 30), QColor(128, 128, 128));
    const QRect valor(35, 14, 160, 20);
    p.fillRect(valor, QColor(255, 255, 255));
    linea(p, valor.topLeft(), valor.topRight(), QColor(128, 128, 128));
    linea(p, valor.topLeft(), valor.bottomLeft(), QColor(128, 128, 128));
    linea(p, valor.topLeft() + QPoint(1, 1), valor.topRight() + QPoint(-1, 1), QColor(64, 64, 64));
    linea(p, valor.topLeft() + QPoint(1, 1), valor.bottomLeft() + QPoint(1, -1), QColor(64, 64, 64));
}

// The pad's bottom button pressed: its frame grey, dark along the top and
// left, drawn over the card at the button's corner.
void MandoHundido(QPainter& p) {
    const QRect r(QPoint(0, 0), MarcoRotulo.size() - QSize(1, 1));
    marco(p, r, QColor(192, 192, 192));
    linea(p, r.topLeft(), {r.right() + 1, 0}, QColor(128, 128, 128));
    linea(p, r.topLeft(), {0, r.bottom() + 1}, QColor(128, 128, 128));
}

// The world map's sea-blue ground and the frame round the map itself, which
// the program draws from (3, 2).
void MapaFondo(QPainter& p) {
    p.fillRect(QRect(QPoint(0, 0), TamanoMapa), QColor(52, 94, 140));
    marco(p, QRect(2, 1, 361, 147), QColor(96, 110, 130));
}

// ---------------------------------------------------------------------------
// The files

struct Dibujo {
    const char* nombre;
    QSize tamano;
    std::function<void(QPainter&)> pinta;
};

// The button bar's glyph on its face, as the bar shows it at 40 pixels.
std::function<void(QPainter&)> boton(void (*glifo)(QPainter&)) {
    return [glifo](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        CaraBoton(p, kLado);
        glifo(p);
    };
}

const std::vector<Dibujo>& dibujos() {
    static const std::vector<Dibujo> d = {
        {"boton-si", {50, 50}, BotonSi},
        {"boton-no", {50, 50}, BotonNo},
        {"boton-salir", {50, 50}, BotonSalir},
        {"distintivo-aviso", {20, 20}, [](QPainter& p) { Distintivo(p, QColor(0x2f, 0x6f, 0xd0), "i"); }},
        {"distintivo-pregunta", {20, 20}, [](QPainter& p) { Distintivo(p, QColor(0xe0, 0x9a, 0x1e), "?"); }},
        {"distintivo-error", {20, 20}, [](QPainter& p) { Distintivo(p, QColor(0xc8, 0x2a, 0x2a), "!"); }},
        {"cursor-lapiz", {32, 32}, CursorLapiz},
        {"cursor-goma", {32, 32}, CursorGoma},
        {"cursor-mano", {32, 32}, CursorMano},
        {"logo", {97, 44}, Logo},
        {"icono", {40, 41}, Icono},
        {"tiras", {236, 77}, Tiras},
        {"cielo-careta", {290, 200}, [](QPainter& p) { CieloCareta(p, QSize(290, 200)); }},
        {"boton-busca", {40, 40}, boton(lupa)},
        {"boton-carga", {40, 40}, boton(carpeta)},
        {"boton-guarda", {40, 40}, boton(disquete)},
        {"boton-hora", {40, 40}, boton(reloj)},
        {"boton-imprime", {40, 40}, boton(impresora)},
        {"boton-personal", {40, 40}, boton(engranaje)},
        {"boton-localiza", {40, 40}, boton(globo)},
        {"boton-objetos", {40, 40}, boton(estrellas)},
        {"boton-ayuda", {40, 40}, boton(pregunta)},
        {"deshacer", {18, 18}, Deshacer},
        {"hoja", {128, 82}, Hoja},
        {"mando", TamanoMando, Mando},
        {"dial-direccion", {Lado, Lado}, [](QPainter& p) { Esfera(p, true); }},
        {"dial-elevacion", {Lado, Lado}, [](QPainter& p) { Esfera(p, false); }},
        {"dial-zoom", {Lado, Lado}, EsferaZoom},
        {"selector", TamanoSelector, Selector},
        {"mando-hundido", MarcoRotulo.size(), MandoHundido},
        {"mapa-fondo", TamanoMapa, MapaFondo},
    };
    return d;
}

QImage lienzo(QSize tamano, qreal ratio) {
    QImage imagen(tamano * ratio, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(ratio);
    imagen.fill(Qt::transparent);
    return imagen;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The letters become outlines from DejaVu's core faces, as the tests
    // see them, whatever fonts this machine has.
    qputenv("FONTCONFIG_FILE", VESPERA_FUENTES);
    QGuiApplication aplicacion(argc, argv);
    QStringList argumentos = QCoreApplication::arguments().mid(1);
    const bool compara = argumentos.removeAll(QStringLiteral("--compara")) > 0;
    if (argumentos.size() != 1) {
        std::fprintf(stderr, "uso: vespera_arte [--compara] CARPETA\n");
        return 2;
    }
    const QDir carpeta(argumentos.front());
    if (!carpeta.mkpath(QStringLiteral("."))) return 1;
    for (const Dibujo& d : dibujos()) {
        const QString ruta = carpeta.filePath(QString::fromLatin1(d.nombre) + QStringLiteral(".svg"));
        if (compara) {
            // The file drawn again at twice the size, against the drawing.
            QImage directa = lienzo(d.tamano, 2), desdeSvg = lienzo(d.tamano, 2);
            QPainter p(&directa);
            d.pinta(p);
            p.end();
            QPainter q(&desdeSvg);
            QSvgRenderer(ruta).render(&q, QRectF(QPointF(0, 0), d.tamano));
            q.end();
            int mayor = 0;
            for (int y = 0; y < directa.height(); ++y)
                for (int x = 0; x < directa.width(); ++x) {
                    const QRgb a = directa.pixel(x, y), b = desdeSvg.pixel(x, y);
                    mayor = std::max({mayor, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                }
            std::printf("%-22s %3d\n", d.nombre, mayor);

            continue;
        }
        QSvgGenerator svg;
        svg.setFileName(ruta);
        svg.setSize(d.tamano);
        svg.setViewBox(QRect(QPoint(0, 0), d.tamano));
        svg.setResolution(96);
        svg.setTitle(QString::fromLatin1(d.nombre));
        svg.setDescription(QStringLiteral("VESPERA, GPL-3.0-or-later"));
        QPainter p(&svg);
        d.pinta(p);
    }
    return 0;
}
