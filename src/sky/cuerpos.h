// Sun, Moon and planets: positions by mean elements with a first-order
// equation of centre, and a short periodic series for the Moon. Their
// places are of the date's equinox; on the chart they stand in the stars'
// frame: of date with precession on, J2000 with it off.
#pragma once

#include "core/registros.h"

namespace vsp {

// The Sun, opposite the Earth: its right ascension, declination, direction
// cosines and view coordinates.
void CalculaSol();

// Planet p (1..9): geocentric ecliptic longitude, right ascension and
// declination.
void CalculaPlaneta(int p);

// The Moon's right ascension and declination.
void CalculaLuna();

// A body's direction cosines in the chart's frame: of date with precession
// on, carried back to J2000 with the stars when it is off.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z);

}  // namespace vsp
