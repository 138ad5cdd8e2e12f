// The sky chart of the main window: the engine's drawing surface shown at the
// screen's pixel ratio, the telescope circle, and the mouse on the chart (a
// left click centres the clicked sky point, a right click places the
// telescope circle, every move reports the chart point under the pointer).
#pragma once

#include <QWidget>

#include "raster/superficie_qt.h"

namespace vsp::ui {

class LienzoCielo : public QWidget {
    Q_OBJECT
public:
    explicit LienzoCielo(QWidget* padre = nullptr);

    // DibujaCielo on the chart, with the telescope circle again when it is
    // shown.
    void redibuja();
    // BorraTelescopio: removes the circle when it is on the chart.
    void borraTelescopio();

    SuperficieQt& superficie() { return superficie_; }

signals:
    // The pointer moved over the chart, now at this chart point.
    void cursorSobre(double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    // The image follows the widget's size and pixel ratio; the chart window
    // follows its shape.
    void ajustaImagen();
    // A point of the widget (logical pixels) in chart units.
    QPointF aCarta(QPointF posicion) const;
    // The circle at (TelescopioX, TelescopioY), in exclusive-or.
    void trazaTelescopio();
    void centraEn(QPointF carta);
    void colocaTelescopio(QPointF carta);

    SuperficieQt superficie_;
    bool dibujado_ = false;  // the first chart has been drawn
};

}  // namespace vsp::ui
