// The control pad's six view steps and the drag of the chart: one degree of direction (wrapping round
// the horizon) or of elevation (held between horizon and zenith), half a unit
// of zoom (held between 1 and 15). Each step also rewrites the location
// dialog's text of its value, so the dialog shows the state when it opens.
#pragma once

namespace vsp {

// Direccion -= 1 degree; below 0 it becomes 359 degrees.
void DireccionMenos();
// Direccion += 1 degree; above 360 degrees it becomes 1 degree, so 360 itself
// is a value the direction can hold.
void DireccionMas();
void ElevacionMenos();
void ElevacionMas();
// Zoom out and in.
void ZoomMenos();
void ZoomMas();

// A drag of the chart: turns and raises the view so that the horizon point
// (altitud, azimut) comes back under chart point (x, y), as far as the
// elevation's limits allow. False, and nothing changed, when (x, y) lies
// off the sky or names no point there.
bool ArrastraVista(float x, float y, double altitud, double azimut);

}  // namespace vsp
