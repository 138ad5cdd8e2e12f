// The animation dialog "Tiempo de Fecha/Hora y Animación": the length of one
// time step of the pad (a unit among twelve and a factor from 1 to 99) and
// the switch of real-time running. Built anew at each opening.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vsp::ui {

class Animar : public QDialog {
    Q_OBJECT
public:
    explicit Animar(QWidget* padre = nullptr);

    // Closing by Escape or by the window's frame acts as the exit button.
    void reject() override;

signals:
    // The exit button was pressed: the pad writes the new step's caption.
    void rotulaMando();

private:
    // Tex_Unidades_Change: the factor held to 1..99, read from the field's
    // first three characters.
    void cambiaFactor();
    // Pic_BotSalir_Click.
    void sal();

    QLineEdit* unidades_;
};

}  // namespace vsp::ui
