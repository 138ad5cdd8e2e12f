// The location and time panel Pic_InfoLocali: the place, the view and the
// instant of the chart as ActualizaPanel writes them, and the notice of
// real-time running. A double click on a text asks for the dialog that
// changes it.
#pragma once

#include "ui/principal/panel.h"

namespace vsp::ui {

class PanelLocalizacion : public PanelCielo {
    Q_OBJECT
public:
    explicit PanelLocalizacion(QWidget* padre = nullptr);

    // The texts from Estado().Panel.
    void actualiza();

    // Tex_TiempoReal, which the real-time clock writes.
    QLabel* textoTiempoReal() const { return tiempoReal_; }

signals:
    void pideLocalizacion();  // place and view texts
    void pideFechaHora();     // date and time texts
    void pideAnimacion();     // the real-time notice

private:
    TextoPanel *loca_, *longi_, *lati_, *direc_, *eleva_, *zoom_;
    TextoPanel *fecUni_, *horUni_, *fecLoc_, *horLoc_, *fecJul_;
    TextoPanel* tiempoReal_;
};

}  // namespace vsp::ui
