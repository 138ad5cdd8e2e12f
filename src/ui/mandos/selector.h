// The selectors of the personalisation dialog (Pic_Selector): a caption in
// an etched frame, a push knob and the option's current value; a press on
// the knob cycles the option and applies it.
#pragma once

#include <QImage>
#include <QWidget>

namespace vsp::ui {

class Selector : public QWidget {
    Q_OBJECT
public:
    // Selector of option `indice` (1..9 of the personalisation options).
    explicit Selector(int indice, QWidget* padre = nullptr);

    int indice() const { return indice_; }
    // Whether the point (in the selector's pixels) is on the knob.
    static bool EnPomo(QPoint p);

signals:
    // The option was cycled and applied.
    void cambiado(int indice);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    // DibujaSelector: the frame, caption, knob (pressed or released) and
    // value, into the selector's picture.
    void DibujaSelector(bool pulsado);

    int indice_;
    QImage imagen_;
};

}  // namespace vsp::ui
