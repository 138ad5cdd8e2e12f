// The control pad: ten arrows that turn, raise and zoom the view and step or
// animate the time, and a bottom button with the animation step's caption
// that opens the animation dialog. Which arrow a press hits is decided from
// the mouse position and the pixel under it.
#pragma once

#include <QImage>
#include <QWidget>

namespace vsp::ui {

class Mando : public QWidget {
    Q_OBJECT
public:
    explicit Mando(QWidget* padre = nullptr);

    // A press at pad pixel (x, y), as the mouse or another window makes it:
    // (8, 214) opens the animation dialog, (50, 200) starts the forward
    // animation.
    void pulsaEn(int x, int y);

    // Writes the animation step's caption on the bottom button.
    void RotulaMando();

signals:
    // The bottom button was pressed: the main window hides its undo button.
    void ocultaDeshacer();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    QImage imagen_;
};

}  // namespace vsp::ui
