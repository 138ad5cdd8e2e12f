// Where the Sun, the Moon and the planets are: VSOP87 for the planets and
// the Earth, ELP2000-82B for the Moon and Meeus's series for Pluto (all of
// libnova), at terrestrial time, seen from a place on the Earth.
#pragma once

namespace vsp {

// Seconds of TT - UT at a Julian day of UT: the long-term parabola of
// Morrison and Stephenson (2004) with the polynomials that Espenak and Meeus
// fitted to the historical record (2006), defined for any date.
double DeltaT(double diaJulianoUT);

// The Julian days of UT over which Pluto's series holds (A.D. 1885-2099).
inline constexpr double PlutonDesde = 2409177.5;
inline constexpr double PlutonHasta = 2488069.5;

// A body's place: right ascension and declination (rad), ecliptic longitude
// of the same frame (rad) and distance from the observer (AU).
struct Lugar {
    double ar = 0, dec = 0, longitud = 0, distancia = 0;
};

// Body 1..11 of the solar-system table (the Earth, 3, has no place of its
// own in its sky), at the Julian day of UT, seen from latitude (rad, north
// positive) and longitude (rad, east positive) on the surface. deFecha: the
// apparent place of date (light time, aberration, nutation); otherwise the
// astrometric place referred to J2000 (light time only). False for an
// unknown body, a day outside the theories' range, or Pluto outside its
// series', or a latitude beyond a pole.
bool LugarCuerpo(int cuerpo, double diaJulianoUT, double latitud, double longitudEste, bool deFecha, Lugar& l);

// The Earth's heliocentric ecliptic longitude of date (rad, 0..2pi) at a
// Julian day of UT; 0 outside the theories' range.
double LongitudTierra(double diaJulianoUT);

}  // namespace vsp
