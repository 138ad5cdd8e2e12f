// The vector surface: the raster surface's geometry, drawn through QPainter.
#include "raster/superficie_pintor.h"

#include "raster/poligono.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>


namespace vsp {

namespace {

QColor toQColor(Color c) { return QColor(c & 0xff, c >> 8 & 0xff, c >> 16 & 0xff); }

bool finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

SuperficiePintor::SuperficiePintor(QPainter& pintor, QSizeF tamano, bool suave)
    : pintor_(pintor), tamano_(tamano), fuente_(QStringLiteral("DejaVu Sans")) {
    fuente_.setStyleHint(QFont::SansSerif);
    fuente_.setPixelSize(11);  // as the raster surface's labels
    pintor_.setRenderHint(QPainter::Antialiasing, suave);
    pintor_.setRenderHint(QPainter::TextAntialiasing, true);
    pintor_.setFont(fuente_);
    setWindow(0, tamano.height(), tamano.width(), -tamano.height());
}

QPointF SuperficiePintor::toPixel(double x, double y) const {
    return {(x - izquierda_) * escalaX_, (y - arriba_) * escalaY_};
}

void SuperficiePintor::setWindow(double izquierda, double arriba, double ancho, double alto) {
    if (!(std::isfinite(izquierda) && std::isfinite(arriba) && std::isfinite(ancho) && std::isfinite(alto)) ||
        ancho == 0 || alto == 0)
        return;
    izquierda_ = izquierda;
    arriba_ = arriba;
    ancho_ = ancho;
    alto_ = alto;
    escalaX_ = tamano_.width() / ancho;
    escalaY_ = tamano_.height() / alto;
}

void SuperficiePintor::clear() {
    pintor_.fillRect(QRectF(QPointF(0, 0), tamano_), toQColor(fondo_));
    actualX_ = actualY_ = 0;
}

void SuperficiePintor::setBackground(Color c) {
    fondo_ = c & 0xffffff;
    clear();
}

void SuperficiePintor::setForeground(Color c) { tinta_ = c & 0xffffff; }
void SuperficiePintor::setDrawWidth(int pixels) { grosor_ = pixels < 1 ? 1 : pixels; }
void SuperficiePintor::setLineStyle(int estilo) { invisible_ = estilo == EstiloInvisible; }
void SuperficiePintor::setFillStyle(int relleno) { conRelleno_ = relleno == RellenoSolido; }
void SuperficiePintor::setFillColor(Color c) { relleno_ = c & 0xffffff; }

void SuperficiePintor::pen(Color c) {
    QPen pluma(toQColor(c), grosor_);
    if (grosor_ > 1) {
        pluma.setCapStyle(Qt::RoundCap);
        pluma.setJoinStyle(Qt::RoundJoin);
    }
    pintor_.setPen(pluma);
}

void SuperficiePintor::point(double x, double y) {
    actualX_ = x;
    actualY_ = y;
    if (!finite(x, y)) return;
    const QPointF p = toPixel(x, y);
    if (p.x() < -grosor_ || p.y() < -grosor_ || p.x() > tamano_.width() + grosor_ || p.y() > tamano_.height() + grosor_)
        return;
    pintor_.setPen(Qt::NoPen);
    pintor_.setBrush(toQColor(tinta_));
    // The raster surface's dot: the square of its width whose centre is
    // nearest the point (one pixel: the pixel the point falls in), round
    // from four pixels up.
    const double mitad = grosor_ / 2.0;
    const QRectF caja(std::floor(p.x() + 0.5 - mitad), std::floor(p.y() + 0.5 - mitad), grosor_, grosor_);
    if (grosor_ <= 3)
        pintor_.drawRect(grosor_ == 1 ? QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1) : caja);
    else
        pintor_.drawEllipse(caja);
}

void SuperficiePintor::moveTo(double x, double y) {
    actualX_ = x;
    actualY_ = y;
}

void SuperficiePintor::lineTo(double x, double y) { line(actualX_, actualY_, x, y); }

void SuperficiePintor::line(double x1, double y1, double x2, double y2) {
    actualX_ = x2;
    actualY_ = y2;
    if (invisible_ || !finite(x1, y1) || !finite(x2, y2)) return;
    pen(tinta_);
    pintor_.drawLine(QLineF(toPixel(x1, y1), toPixel(x2, y2)));
}

void SuperficiePintor::box(double x1, double y1, double x2, double y2) {
    actualX_ = x2;
    actualY_ = y2;
    if (invisible_ || !finite(x1, y1) || !finite(x2, y2)) return;
    pen(tinta_);
    pintor_.setBrush(Qt::NoBrush);
    pintor_.drawRect(QRectF(toPixel(x1, y1), toPixel(x2, y2)).normalized());
}

void SuperficiePintor::circle(double x, double y, double r, Color contorno, double aspect) {
    actualX_ = x;
    actualY_ = y;
    const double rx = std::abs(r * escalaX_), ry = std::abs(r * aspect * escalaY_);
    if (!finite(x, y) || !finite(rx, ry)) return;
    if (invisible_)
        pintor_.setPen(Qt::NoPen);
    else
        pen(contorno);
    if (conRelleno_)
        pintor_.setBrush(toQColor(relleno_));
    else
        pintor_.setBrush(Qt::NoBrush);
    pintor_.drawEllipse(toPixel(x, y), rx, ry);
}

void SuperficiePintor::polygon(std::span<const PuntoCarta> puntos, Color contorno) {
    if (puntos.empty()) return;
    actualX_ = puntos[0].x;
    actualY_ = puntos[0].y;
    const auto poligono = PoligonoEnPixeles(puntos, [this](double x, double y) { return toPixel(x, y); });
    if (!poligono) return;
    if (invisible_)
        pintor_.setPen(Qt::NoPen);
    else
        pen(contorno);
    if (conRelleno_)
        pintor_.setBrush(toQColor(relleno_));
    else
        pintor_.setBrush(Qt::NoBrush);
    pintor_.drawPolygon(*poligono);
}

void SuperficiePintor::print(std::string_view texto) {
    const double x = actualX_, y = actualY_;
    const QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    const QFontMetricsF medida(fuente_);
    actualY_ = y + (1 + s.count(QLatin1Char('\n'))) * medida.height() / escalaY_;
    if (texto.empty() || !finite(x, y)) return;
    const QPointF esquina = toPixel(x, y);
    if (!(std::abs(esquina.x()) < 1e7 && std::abs(esquina.y()) < 1e7)) return;
    pintor_.setPen(toQColor(tinta_));
    pintor_.drawText(QRectF(QPointF(std::floor(esquina.x() + 0.5), std::floor(esquina.y() + 0.5)), QSizeF(1e6, 1e6)),
                     Qt::AlignLeft | Qt::AlignTop, s);
}

}  // namespace vsp
