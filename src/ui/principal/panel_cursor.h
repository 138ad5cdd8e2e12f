// The cursor read-out Pic_InfoCursor: right ascension, declination,
// altitude and azimuth of the sky point under the mouse.
#pragma once

#include "ui/principal/panel.h"

namespace vsp::ui {

class PanelCursor : public PanelCielo {
    Q_OBJECT
public:
    explicit PanelCursor(QWidget* padre = nullptr);

    // The texts for the chart point (x, y); one blank each off the sky.
    // Nothing changes while the panel is switched off (PanelCursor = 2).
    void muestraPunto(double x, double y);

private:
    TextoPanel *aRecta_, *dec_, *altitud_, *azimut_;
};

}  // namespace vsp::ui
