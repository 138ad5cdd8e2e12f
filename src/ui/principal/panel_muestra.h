// The objects legend Pic_Muestra: the engine's legend drawn on its own Qt
// surface, shown over the panel's card.
#pragma once

#include "raster/superficie_qt.h"
#include "ui/principal/panel.h"

namespace vsp::ui {

class PanelMuestra : public PanelCielo {
    Q_OBJECT
public:
    explicit PanelMuestra(QWidget* padre = nullptr);

    // The panel's height for the room there is: rows of a comfortable
    // height, smaller when the window is short.
    void ajustaAlto(int disponible);

    // DibujaMuestra, with the symbols as large as on a chart `altoCarta`
    // pixels high.
    void DibujaMuestra(int altoCarta);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect zonaDibujo() const;

    SuperficieQt superficie_;
    int altoCarta_ = 0;  // 0 until the legend is first drawn
};

}  // namespace vsp::ui
