// The time state: sidereal time, precession angles and time stepping.
#pragma once

namespace vsp {

// Local sidereal time for DiaJuliano and the place, into TiempoSidereo
// (0..2pi), then the Earth's position.
void CalculaTiempoSidereo();

// Everything that follows a change of DiaJuliano: the date fields, the
// sidereal time, the Earth and, with precession on, the precession angles.
// It does not redraw.
void ActualizaTiempo();

// One animation step in the direction of PasoTiempo's sign. Calendar-year
// units keep day, month, hour and minute. The time stops at the ends of the
// calendar range.
void AvanzaTiempo();

// Local Julian day: universal time plus the zone and daylight saving.
double DiaJulianoLocal();

}  // namespace vsp
