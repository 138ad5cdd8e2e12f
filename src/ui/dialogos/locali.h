// The location dialog Locali: the observer's place (a city of the list, or
// latitude, longitude and time zone typed or spun) over the world map, and
// the view (direction, elevation, zoom) with their dials. Edits change the
// state at once; closing redraws the chart. It is built once with the main
// window and afterwards only shown and hidden.
#pragma once

#include <QDialog>

#include <string_view>

#include "sky/tecleo_localizacion.h"

class QComboBox;
class QLineEdit;

namespace vsp::ui {

class BotonImagen;
class CamposTecleo;
class MapaMundo;

class Locali : public QDialog {
    Q_OBJECT
public:
    // Attaches itself to the engine's location notification.
    explicit Locali(QWidget* padre = nullptr);
    ~Locali() override;
    Locali(const Locali&) = delete;
    Locali& operator=(const Locali&) = delete;

    // MuestraLocalizacion's share of the window: the boxes, the city list's
    // selection, the map and the dials from the state.
    void muestra();

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

protected:
    void showEvent(QShowEvent*) override;

private:
    void llenaCiudades();
    void eligeCiudad(int indice);         // Cbo_Localidad_Click
    using Teclea = Sobrescrito (*)(std::string_view, int);
    void sobrescribe(QLineEdit* caja, Teclea teclea);  // Tex_Lati_Change, Tex_Longi_Change
    // What follows every change of the place: the map's cross and the main
    // window's panel.
    void sigueLugar();
    void sal();                           // Pic_BotSalir_Click

    QComboBox* ciudades_;
    QLineEdit *longi_, *lati_, *zona_, *direc_, *eleva_, *zoom_;
    MapaMundo* mapa_;
    BotonImagen* salir_;
    CamposTecleo* campos_;
};

}  // namespace vsp::ui
