// The control pad: ten arrows that turn, raise and zoom the view and step or
// animate the time, and a bottom button with the animation step's caption
// that opens the animation dialog. Which arrow a press hits is decided from
// the mouse position and the pixel under it.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <string>

namespace vsp::ui {

// The pad's rows of arrows, top to bottom; column 0 is the left arrow
// (less, back), column 1 the right one (more, forward).
enum Fila { FilaDireccion, FilaElevacion, FilaZoom, FilaTiempo, FilaAnimacion, NumFilas };

// The caption of the animation step: factor and unit name, singular for a
// factor of 1 ("1 MINUTO", "5 HORAS", "30 DIAS SID.").
std::string TextoRotulo();

class Mando : public QWidget {
    Q_OBJECT
public:
    explicit Mando(QWidget* padre = nullptr);

    // A press at pad pixel (x, y), as the mouse or another window makes it:
    // (8, 214) opens the animation dialog, (50, 200) starts the forward
    // animation. It returns when the press's work is over (the arrow let go,
    // the animation stopped, the dialog closed).
    void pulsaEn(int x, int y);

    // One step of a view or time arrow, as a key or the mouse wheel asks
    // for it: the arrow shown pressed, its sound, the step, the panel and
    // dials, one redraw. The time arrows refuse while real time runs.
    void unPaso(int fila, int columna);

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
    bool event(QEvent*) override;

private:
    void repite(int fila, int columna);
    void anima(int columna);
    void abreAnimar();
    void pintaTecla(int fila, int columna, bool pulsada);
    // The picture at the screen's current ratio, made again when it changed.
    void ajustaEscala();

    QImage imagen_;
    QString rotulo_;
};

}  // namespace vsp::ui
