// The location dialog's dials: a white disc with the field's sector in green
// inside a red compass ring, and the chart's frame over the zoom's sky disc.
#include "ui/mandos/dial.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/constantes.h"
#include "core/estado.h"
#include "ui/marco/arte_marco.h"

namespace vsp::ui {

namespace {

constexpr int Lado = 100;
const QPointF Centro(50.5, 50.5);  // the centre of pixel (50, 50)
const QColor Blanco(255, 255, 255);
const QColor Azul(0, 0, 255);
const QColor Verde(0, 255, 0);
const QColor VerdeOscuro(0, 128, 0);
const QColor GrisSuelo(128, 128, 128);

std::vector<Dial*>& dialesVivos() {
    static std::vector<Dial*> d;
    return d;
}

void redibujaDiales(TipoDial tipo) {
    for (Dial* d : dialesVivos())
        if (d->tipo() == tipo) d->dibuja();
}

// An angle brought once into [0, 2 pi).
double unaVuelta(double a) {
    if (a < 0) return a + DosPi;
    if (a >= DosPi) return a - DosPi;
    return a;
}

// The chart's field in radians: pi across at zoom 1.
double anchoCampo() {
    const float zoom = Estado().Zoom;
    return zoom > 0 ? Pi / zoom : Pi;
}

QRectF circulo(double radio) { return QRectF(Centro - QPointF(radio, radio), QSizeF(2 * radio, 2 * radio)); }

// Qt counts angles in sixteenths of a degree, counter-clockwise on screen.
int dieciseisavos(double radianes) { return static_cast<int>(std::lround(radianes * GradosPorRadian * 16)); }

void pintaSector(QPainter& p, Sector s, QColor relleno, QColor borde) {
    double giro = s.fin - s.inicio;
    if (giro < 0) giro += DosPi;
    p.setPen(QPen(borde, 1));
    p.setBrush(relleno);
    p.drawPie(circulo(39), dieciseisavos(s.inicio), dieciseisavos(giro));
}

// The dial's face: white, a red ring, the four blue letters and the dots
// between them, from the program's SVG files.
void pintaEsfera(QPainter& p, TipoDial tipo) {
    p.drawImage(QRectF(0, 0, Lado, Lado),
                arte::Dibujo(tipo == TipoDial::Direccion ? "dial-direccion" : "dial-elevacion", {Lado, Lado},
                             p.device()->devicePixelRatioF()));
}

void pintaDireccion(QPainter& p) {
    p.setPen(QPen(Azul, 1));
    p.setBrush(Blanco);
    p.drawEllipse(circulo(39));
    pintaSector(p, SectorDialDireccion(), Verde, VerdeOscuro);
}

void pintaElevacion(QPainter& p) {
    p.setPen(QPen(Azul, 1));
    p.setBrush(Blanco);
    p.drawEllipse(circulo(39));
    pintaSector(p, Sector{Pi, DosPi}, GrisSuelo, Azul);
    pintaSector(p, SectorDialElevacion(), Verde, VerdeOscuro);
}

// The chart's frame, white, over the zoom dial's sky disc.
void pintaZoom(QPainter& p) {
    p.drawImage(QRectF(0, 0, Lado, Lado), arte::Dibujo("dial-zoom", {Lado, Lado}, p.device()->devicePixelRatioF()));
    // Dial units: from -50 to 51 across the 100 pixels.
    p.scale(Lado / 101.0, Lado / 101.0);
    p.translate(50.5, 50.5);
    const QSizeF marco = MarcoDialZoom();
    if (marco.isEmpty()) return;
    p.setPen(QPen(Blanco, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(-marco.width() / 2, -marco.height() / 2), marco));
}

}  // namespace

Sector SectorDialDireccion() {
    // North up and east to the right.
    const double c = 7.853981634 - Estado().Direccion;
    const double w = anchoCampo();
    return {unaVuelta(c - w / 2), unaVuelta(c + w / 2)};
}

Sector SectorDialElevacion() {
    const double elevacion = Estado().Elevacion;
    const double w = anchoCampo();
    return {unaVuelta(elevacion - w / 2), unaVuelta(elevacion + w / 2)};
}

QSizeF MarcoDialZoom() {
    const float zoom = Estado().Zoom;
    if (!(zoom >= 1)) return {};
    const double w = 174.5140418 / zoom;
    return {w, std::nearbyint(0.75 * w)};
}

Dial::Dial(TipoDial tipo, QWidget* padre) : QWidget(padre), tipo_(tipo) {
    setFixedSize(Lado, Lado);
    dialesVivos().push_back(this);
    dibuja();
}

Dial::~Dial() { std::erase(dialesVivos(), this); }

void Dial::dibuja() {
    const qreal dpr = devicePixelRatioF();
    imagen_ = QImage(QSize(Lado, Lado) * dpr, QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(dpr);
    QPainter p(&imagen_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (tipo_) {
    case TipoDial::Direccion: pintaEsfera(p, tipo_); pintaDireccion(p); break;
    case TipoDial::Elevacion: pintaEsfera(p, tipo_); pintaElevacion(p); break;
    case TipoDial::Zoom: pintaZoom(p); break;
    }
    update();
}

void Dial::paintEvent(QPaintEvent*) {
    if (imagen_.devicePixelRatio() != devicePixelRatioF()) dibuja();
    QPainter(this).drawImage(QPoint(0, 0), imagen_);
}

void DibujaDialDireccion() { redibujaDiales(TipoDial::Direccion); }
void DibujaDialElevacion() { redibujaDiales(TipoDial::Elevacion); }
void DibujaDialZoom() { redibujaDiales(TipoDial::Zoom); }

}  // namespace vsp::ui
