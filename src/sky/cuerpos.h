// Sun, Moon and planets: positions by mean elements with a first-order
// equation of centre, and a short periodic series for the Moon. Their
// places are of the date's equinox; on the chart they stand in the stars'
// frame: of date with precession on, J2000 with it off.
#pragma once

#include <vector>

#include "core/estado.h"
#include "core/registros.h"
#include "sky/superficie.h"

namespace vsp {

// The Sun, opposite the Earth: its right ascension, declination, direction
// cosines and view coordinates.
void CalculaSol();

// Planet p (1..9): geocentric ecliptic longitude, right ascension and
// declination.
void CalculaPlaneta(int p);

// The Moon's right ascension and declination.
void CalculaLuna();

// The Moon's lit fraction k (0 new, 1 full) from its elongation from the
// Sun (both as last computed), and the direction on the chart from the
// Moon's centre towards the Sun (radians counter-clockwise from +X, chart
// units, so right in a mirrored chart too). False when there is none.
bool FaseLunar(const ProgramState& e, double& fraccion, double& angulo);

// The outline of the Moon's lit part for that phase, a disc of `radio`
// round (x, y): the bright limb, then the terminator back.
std::vector<PuntoCarta> FiguraIluminada(double x, double y, double radio, double fraccion, double angulo);

// A body's direction cosines in the chart's frame: of date with precession
// on, carried back to J2000 with the stars when it is off.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z);

}  // namespace vsp
