// Sun, Moon and planets: their places from the theories of time/lugares.h,
// seen from the chart's place at its instant, in the chart's frame (apparent
// of date with precession on, astrometric J2000 with it off), and their
// drawing.
#pragma once

#include <vector>

#include "core/estado.h"
#include "core/registros.h"
#include "sky/superficie.h"

namespace vsp {

// The Sun: its right ascension, declination, ecliptic longitude, direction
// cosines and view coordinates.
void CalculaSol();

// Planet p (1..9; not the Earth, 3): ecliptic longitude, right ascension and
// declination. Pluto keeps its last place outside its series' years.
void CalculaPlaneta(int p);

// The Moon's right ascension, declination and ecliptic longitude.
void CalculaLuna();

// Whether body p (1..11) has a place at the chart's instant: all but the
// Earth, and Pluto only within its series' years (A.D. 1885-2099).
bool TieneLugar(int p);

// The Moon's lit fraction k (0 new, 1 full) from its elongation from the
// Sun (both as last computed), and the direction on the chart from the
// Moon's centre towards the Sun (radians counter-clockwise from +X, chart
// units, so right in a mirrored chart too). False when there is none.
bool FaseLunar(const ProgramState& e, double& fraccion, double& angulo);

// The outline of the Moon's lit part for that phase, a disc of `radio`
// round (x, y): the bright limb, then the terminator back.
std::vector<PuntoCarta> FiguraIluminada(double x, double y, double radio, double fraccion, double angulo);

// A body's direction cosines in the chart's frame, where its place already
// stands.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z);

}  // namespace vsp
