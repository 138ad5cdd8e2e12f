// What an instant fixes for the whole sky: the precession angles of its
// equinox and the Earth's place on its orbit (the Sun's, seen from it).
// Every change of DiaJuliano recomputes them.
#pragma once

namespace vsp {

// Days since JD -31739.5, the count the orbital elements start from; it is
// positive over the whole date range.
double cuentaDias(double diaJuliano);

// An angle brought into [0, 2pi).
double reduceVuelta(double x);

// The precession angles zeta, theta and z (rad) from J2000 to the equinox of
// a Julian day, by the IAU 1976 series counted from 1900 January 0.5.
void AngulosPrecesion(double diaJuliano, double& zeta, double& theta, double& z);

// The Earth's heliocentric longitude of date for DiaJuliano (VSOP87, see
// time/lugares.h): the Earth entry's ecliptic longitude, right ascension, declination and direction cosines,
// and the sine and cosine of that longitude plus pi for the planets.
void CalculaTierra();

}  // namespace vsp
