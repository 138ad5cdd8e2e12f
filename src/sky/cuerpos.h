// Sun, Moon and planets: their places from the theories of time/lugares.h,
// seen from the chart's place at its instant, in the chart's frame (apparent
// of date with precession on, astrometric J2000 with it off), and their
// drawing.
#pragma once

#include "core/registros.h"

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

// A body's direction cosines in the chart's frame, where its place already
// stands.
void CosenosEnCarta(const CuerpoSolar& c, float& x, float& y, float& z);

}  // namespace vsp
