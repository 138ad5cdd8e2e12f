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

// Local Julian day: universal time plus the zone and daylight saving, held
// to the calendar's range.
double DiaJulianoLocal();

// One step of the date dialog's time spin k (1 minute, 2 hour, 3 day,
// 4 month, 5 year, 6 century, 7 millennium), forward when sentido > 0, in the
// sidereal or solar units of TipoTiempo; solar years, centuries and millennia
// are calendar ones, as the pad's. Then ActualizaTiempo.
void IncrementaTiempo(int k, int sentido);

// The date dialog's three buttons, given the present instant as a Julian day
// of universal time (the windows read the computer's clock); the local day
// is that instant plus the zone and daylight saving. Each ends with
// ActualizaTiempo.
void FechaHoraActual(double ahora);  // the present, to its whole minute
void Mediodia(double ahora);         // the next local noon, or now at noon exactly
void Medianoche(double ahora);       // the midnight ending the local day, or now at midnight

}  // namespace vsp
