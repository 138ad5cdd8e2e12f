// The three small dials of the location dialog, 100 pixels square, that
// picture the view: the compass sector the chart covers, its elevation above
// the ground, and the chart's frame against the whole sky at the current
// zoom. Every dial on screen follows the state when its procedure is called.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QWidget>

namespace vsp::ui {

enum class TipoDial { Direccion, Elevacion, Zoom };

class Dial : public QWidget {
    Q_OBJECT
public:
    explicit Dial(TipoDial tipo, QWidget* padre = nullptr);
    ~Dial() override;
    Dial(const Dial&) = delete;
    Dial& operator=(const Dial&) = delete;

    TipoDial tipo() const { return tipo_; }
    // Draws the dial again from the state.
    void dibuja();
    // The picture as last drawn.
    const QImage& imagen() const { return imagen_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TipoDial tipo_;
    QImage imagen_;
};

// Redraw every direction, elevation or zoom dial from the state. The pad
// calls them after each step, the location dialog whenever its fields are
// rewritten.
void DibujaDialDireccion();
void DibujaDialElevacion();
void DibujaDialZoom();

// The sector a direction or elevation dial fills: start and end angles in
// radians, counter-clockwise from the positive x axis, each in [0, 2 pi);
// the sector runs counter-clockwise from start to end.
struct Sector {
    double inicio;
    double fin;
};
Sector SectorDialDireccion();
Sector SectorDialElevacion();

// The chart frame the zoom dial draws, in the dial's units (the sky disc's
// radius is 49); empty when the zoom is below 1.
QSizeF MarcoDialZoom();

}  // namespace vsp::ui
