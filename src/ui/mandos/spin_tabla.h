// The spin controls of the dialogs, one factory per kind of value: its step,
// its bounds (held or wrapping), its text and the work that follows.
#pragma once

#include <cstdint>
#include <functional>

#include "core/estado.h"
#include "ui/mandos/spin.h"

namespace vsp::ui {

// Location dialog. Direction: 1 degree, wrapping as the pad does, shown
// with its compass point and 360 as 0. Elevation: 1 degree in [0, 90].
AccionSpin SpinDireccion();
AccionSpin SpinElevacion();
// Latitude: 1 minute of arc, held in [-90, 90] degrees. Longitude: 1
// minute, wrapping from 359 59' to 0 and back.
AccionSpin SpinLatitud();
AccionSpin SpinLongitud();
// Time zone of the location and date dialogs: half an hour in [-12, 12];
// the date fields follow.
AccionSpin SpinZona();
// Zoom: 0.5 in [1, 15]; the three dials follow.
AccionSpin SpinZoom();

// Date dialog: time spin k (1 minute .. 7 millennium) in the units of
// TipoTiempo. TiempoEstable is False while the key is held, so that a date
// field left meanwhile does not set the time from its stale text.
AccionSpin SpinTiempo(int k);

// Personalisation dialog: the telescope field's diameter, 1 minute of arc in
// [0, 30] degrees; on release the circle is erased and takes the new size.
AccionSpin SpinTelescopio();

// The same spin with `despues` run after each step's own work (the main
// window's panel, the map).
AccionSpin ConSeguimiento(AccionSpin accion, std::function<void()> despues);

// Print dialog: the chart's width and height, 5 mm a step within the page
// (the height following the width at 4:3).
AccionSpin SpinAnchoImpresion();
AccionSpin SpinAltoImpresion();

// A whole number of the state held in [minimo, maximo], shown as plain
// digits: the animation factor, the star and constellation levels.
AccionSpin SpinEntero(int16_t ProgramState::*campo, int minimo, int maximo);

}  // namespace vsp::ui
