// The spin control of every dialog: a 24 x 29 picture with an up key over a
// down key beside a text box. A press steps the value once, holding it
// repeats at the speed option's pace; what a step does is given per control.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QLineEdit;

namespace vsp::ui {

// What one spin control does; every member but `paso` may be left empty.
struct AccionSpin {
    // One step up (+1) or down (-1), within the value's bounds.
    std::function<void(int sentido)> paso;
    // The value as its text box shows it.
    std::function<std::string()> texto;
    // Work after each step (dials, dependent fields).
    std::function<void()> extra;
    // Work once the key is let go.
    std::function<void()> alSoltar;
    // Whether a press on the grey face between and around the keys is no press.
    bool pruebaPixel = false;
};

class Spin : public QWidget {
    Q_OBJECT
public:
    // `caja`, when given, is the text box that shows the value.
    explicit Spin(AccionSpin accion, QLineEdit* caja = nullptr, QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void pinta(bool pulsada, int sentido);
    void ajustaEscala();

    AccionSpin accion_;
    QPointer<QLineEdit> caja_;
    QImage imagen_;
};

}  // namespace vsp::ui
