// The main window's bar of ten picture buttons Pic_Botones: search, load,
// save, date and time, print, personal options, location, objects, exit and
// help.
#pragma once

#include <QKeySequence>

#include <array>

#include "ui/marco/marco.h"
#include "ui/principal/panel.h"

namespace vsp::ui {

enum class Boton { Busca, Carga, Guard, Hora, Impri, Perso, Local, Objet, Salir, Ayuda };
inline constexpr int NumBotones = 10;

// The pictures of the bar (40 × 40, or `lado` square for the dialogs that
// show them, drawn at the screen's pixel ratio) and the small arrow of the
// undo button.
QPixmap ImagenBoton(Boton b, int lado = 40);
QPixmap ImagenDeshacer();

// The key of a button's action on the main window (empty for the buttons
// without one); its tool tip names it.
QKeySequence AtajoBoton(Boton b);

class Botonera : public PanelCielo {
    Q_OBJECT
public:
    explicit Botonera(QWidget* padre = nullptr);

    BotonImagen* boton(Boton b) const { return botones_[static_cast<int>(b)]; }

signals:
    void pulsado(vsp::ui::Boton b);

private:
    std::array<BotonImagen*, NumBotones> botones_{};
};

}  // namespace vsp::ui
