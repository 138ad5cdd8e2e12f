// The speed slider PicPot_Veloc of the personalisation dialog: a scale from
// 0 to 100 and a knob dragged along it that sets Velocidad, the pace of
// every repeating control and animation.
#pragma once

#include <QImage>
#include <QWidget>

namespace vsp::ui {

class Deslizador : public QWidget {
    Q_OBJECT
public:
    explicit Deslizador(QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    // The knob's rectangle at the current speed.
    static QRect pomo();
    void dibuja();

    QImage imagen_;
    bool arrastrando_ = false;
    double xInicial_ = 0;       // where the drag began
    int velocidadInicial_ = 0;  // and the speed then
};

}  // namespace vsp::ui
