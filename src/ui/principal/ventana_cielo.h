// The main window Cielo: the sky chart filling it, the panels over the chart
// (control pad with the undo button, location and time, cursor read-out,
// objects legend), the bar of ten buttons, and the engine's notifications
// that the window serves.
#pragma once

#include <QWidget>

#include <functional>

#include "ui/principal/botonera.h"

class QDialog;
class QPushButton;

namespace vsp::ui {

class Buscar;
class Hora;
class LienzoCielo;
class Locali;
class Mando;
class Objetos;
class PanelCursor;
class PanelLocalizacion;
class PanelMuestra;

class VentanaCielo : public QWidget {
    Q_OBJECT
public:
    explicit VentanaCielo(QWidget* padre = nullptr);
    ~VentanaCielo() override;

    // Attaches the notifications this window serves: the empty window at
    // start-up, the redraw, the panel texts, the windows' share of a state
    // applied, the legend and the telescope circle's removal. The destructor
    // detaches them.
    void InstalaAvisos();

    // The dialogs the buttons open, each attached when it is built; a button
    // whose dialog is not attached yet only does the buttons' common part.
    // The load dialog answers whether it loaded a configuration.
    struct Dialogos {
        std::function<void()> Buscar, Guardar, Hora, Impresor, Personal, Locali, Objetos;
        std::function<bool()> Cargar;
    };
    Dialogos dialogos;

    // DescoBotones: the buttons ignore clicks until the action that called
    // it ends; a button of the bar is shown pressed meanwhile (the pad,
    // or any other control, is not).
    void DescoBotones(QWidget* control);

    // A click on a button of the bar (also what double clicks on the panel
    // texts and the keys of the buttons run).
    void pulsaBoton(Boton b);

    // Ctrl+E: the chart saved as PNG, SVG or PDF, in a file the user
    // chooses (by default in a save dialog of the working folder).
    void exportaCarta();
    std::function<QString()> pideArchivoExportar;

    // F11: the window fills the screen, or comes back as it was.
    void cambiaPantallaCompleta();

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The exit question; true when the user confirms.
    bool confirmaSalida();
    // The keys of the main window: the pad's arrows, the buttons' actions,
    // undo, full screen and export.
    void instalaAtajos();
    // AplicaEstado's share of the window: panels shown or hidden, the pad's
    // caption, the legend.
    void aplicaPaneles();
    void redibujaCielo();
    void colocaPaneles();
    // A dialog shown modally, centred over the window.
    void abreCentrado(QDialog* dialogo);

    LienzoCielo* lienzo_;
    Botonera* botonera_;
    PanelLocalizacion* local_;
    PanelCursor* cursor_;
    PanelMuestra* muestra_;
    Mando* mando_;
    QPushButton* deshacer_;
    // The dialogs that live as long as the window, hidden between uses.
    Locali* locali_;
    Hora* hora_;
    Objetos* objetos_;
    Buscar* buscar_;
    bool maximizadaAntes_ = false;  // the window's state before full screen
};

}  // namespace vsp::ui
