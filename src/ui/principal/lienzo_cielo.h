// The sky chart of the main window: the engine's drawing surface shown at the
// screen's pixel ratio, the telescope circle, and the mouse on the chart (a
// left click centres the clicked sky point, a left drag turns and raises the
// view, the wheel zooms, a right click places the telescope circle, every
// move reports the chart point under the pointer).
#pragma once

#include <QWidget>

#include <optional>

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
    bool dibujado() const { return dibujado_; }  // a chart has been drawn

signals:
    // The pointer moved over the chart, now at this chart point.
    void cursorSobre(double x, double y);
    // The wheel turned by this many notches (positive away from the user).
    void rueda(int muescas);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;

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

    // A left press: where it was, the horizon point under it, and whether
    // it has become a drag.
    struct Arrastre {
        QPointF desde;
        double altitud = 0, azimut = 0;
        bool enCielo = false, moviendo = false;
    };
    std::optional<Arrastre> arrastre_;
    int octavosRueda_ = 0;  // wheel eighths of a degree not yet a whole notch
};

}  // namespace vsp::ui
