// The objects legend of the main window: one row for each kind of object the
// chart can show, its symbol drawn as the chart draws it at the present zoom
// beside its caption.
#pragma once

#include "sky/superficie.h"

namespace vsp {

// Draws the legend on a surface of `ancho` x `alto` pixels: 27 rows of
// height alto / 28, each symbol centred at (1.8 h, k h) and its caption
// beside it. The deep-sky symbols keep the size they have on a chart
// `altoCarta` pixels high (so they grow with the zoom as on the chart), but
// never spill out of their row.
void DibujaMuestra(Superficie& s, double ancho, double alto, double altoCarta);

}  // namespace vsp
