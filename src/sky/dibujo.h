// The chart: DibujaCielo clears the surface and draws every enabled layer
// again from the program state, in a fixed order, then the telescope circle
// and the location and time panel.
#pragma once

#include "core/estado.h"
#include "sky/superficie.h"

namespace vsp {

void DibujaCielo(Superficie& s);

// The line style for the point just projected: invisible when it lies
// behind the observer, so that a segment ending there is not drawn.
void FijaEstiloTrazo(Superficie& s);

// The main window's location and time panel texts (Estado().Panel).
void ActualizaPanel();

// The layers, in the order DibujaCielo draws them.
void DibujaLuzDiurna(Superficie& s);
void DibujaRejilla15(Superficie& s);
void DibujaRejilla30(Superficie& s);
void DibujaHorizonte(Superficie& s);
void DibujaEcliptica(Superficie& s);
// The obliquity the ecliptic is drawn with (radians): J2000's with
// precession off, the mean obliquity of the chart date with it on.
double OblicuidadEcliptica(const ProgramState& e);
void DibujaConstelaciones(Superficie& s);
void DibujaEstrellas(Superficie& s);
void DibujaMessier(Superficie& s);
void DibujaGalaxias(Superficie& s);
void DibujaNebPlanetarias(Superficie& s);
void DibujaNebDifusas(Superficie& s);
void DibujaViaLactea(Superficie& s);
// Body p (1..9 planets, 10 the Sun, 11 the Moon) as a disc and its label.
void DibujaCuerpo(Superficie& s, int p);

}  // namespace vsp
