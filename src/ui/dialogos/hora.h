// The date and time dialog Hora, "Fecha   y   Hora": the instant in
// universal and in local time with its Julian day, typed in either row; the
// zone and daylight saving, or the time-zone database's for a listed city;
// the next midnight, the next noon and the present
// time; and seven spins that step the time in sidereal or solar units. It
// exists, hidden, from start-up on: its daylight-saving box is the state
// that the local time and the configuration files read.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vsp {
struct CamposFechaHora;
}

namespace vsp::ui {

class BotonImagen;
class CamposTecleo;

class Hora : public QDialog {
    Q_OBJECT
public:
    // Attaches itself to the engine's date-field notification.
    explicit Hora(QWidget* padre = nullptr);
    ~Hora() override;
    Hora(const Hora&) = delete;
    Hora& operator=(const Hora&) = delete;

    // MuestraFechaHora's share of the window: the fields of both rows.
    void muestraFechas(const CamposFechaHora& campos);
    // Every control from the state: the fields, the zone, the daylight-saving
    // box and the kind of time.
    void muestra();

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

protected:
    void showEvent(QShowEvent*) override;

private:
    // One row's boxes: day, month, year, time.
    struct Fila {
        QLineEdit *dia, *mes, *ano, *hora;
    };
    Fila fila(int i, QWidget* salida);
    void sal();  // Pic_BotSalir_Click

    std::array<Fila, 2> filas_{};
    QLineEdit* juliano_;
    QLineEdit* zona_;
    QCheckBox* verano_;
    QCheckBox* automatica_;  // "Hora local automática"
    QLabel* regla_;          // the rule in force
    QRadioButton *siderea_, *solar_;
    BotonImagen* salir_;
    CamposTecleo* campos_;
};

}  // namespace vsp::ui
