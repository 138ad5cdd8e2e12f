// The splash screen Careta: the logo, the icon and three lines of text
// scrolling up over a night sky, twice, while the program starts.
#pragma once

#include <QDialog>
#include <QTimer>

namespace vsp::ui {

class Careta : public QDialog {
    Q_OBJECT
public:
    explicit Careta(QWidget* padre = nullptr);

    // Steps drawn so far: a full showing is two passes of 352.
    int pasos() const { return pasos_; }
    // The wait between steps, Espera(12) at the current speed.
    int esperaMs() const { return reloj_.interval(); }

    static constexpr int kPasosPorPase = 150 - (-201) + 1;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    void dibujaPaso();
    void siguientePaso();

    QWidget* lienzo_;  // Pic_Careta
    QTimer reloj_;
    int y_ = 150;
    int pases_ = 1;
    int pasos_ = 0;
};

}  // namespace vsp::ui
