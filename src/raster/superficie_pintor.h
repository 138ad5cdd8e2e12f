// The chart's drawing surface over any QPainter, as vector drawing: on an
// SVG generator or a PDF writer every line, ring and label stays an element
// of its own, at the same places the raster surface puts its pixels.
// Exclusive-or has no vector form: figures drawn in that mode are drawn
// plainly.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>

#include <string_view>

#include "sky/superficie.h"

class QPainter;

namespace vsp {

class SuperficiePintor : public Superficie {
public:
    // Draws on `pintor` (already begun) over an area of `tamano` pixels
    // from its origin, with smooth drawing when `suave`.
    SuperficiePintor(QPainter& pintor, QSizeF tamano, bool suave = true);

    QPointF toPixel(double x, double y) const;

    void setWindow(double izquierda, double arriba, double ancho, double alto) override;
    double windowWidth() const override { return ancho_; }
    void clear() override;
    void setBackground(Color c) override;
    void setForeground(Color c) override;
    void setDrawWidth(int pixels) override;
    void setLineStyle(int estilo) override;
    void setDrawMode(int) override {}
    void setFillStyle(int relleno) override;
    void setFillColor(Color c) override;
    void point(double x, double y) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void circle(double x, double y, double r, Color contorno, double aspect = 1) override;
    void polygon(std::span<const PuntoCarta> puntos, Color contorno) override;
    void print(std::string_view texto) override;
    void refresh() override {}

private:
    void pen(Color c);

    QPainter& pintor_;
    QSizeF tamano_;
    double izquierda_ = 0, arriba_ = 0, ancho_ = 1, alto_ = -1;
    double escalaX_ = 1, escalaY_ = 1;
    Color fondo_ = 0, tinta_ = 0xffffff, relleno_ = 0;
    int grosor_ = 1;
    bool invisible_ = false, conRelleno_ = false;
    double actualX_ = 0, actualY_ = 0;
    QFont fuente_;
};

}  // namespace vsp
