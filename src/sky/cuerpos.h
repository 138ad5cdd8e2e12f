// Sun, Moon and planets: positions by mean elements with a first-order
// equation of centre, and a short periodic series for the Moon.
#pragma once

namespace vsp {

// The Earth's heliocentric longitude for DiaJuliano: the Earth entry's
// ecliptic longitude, right ascension, declination and direction cosines,
// and the sine and cosine of that longitude plus pi for the planets.
void CalculaTierra();

}  // namespace vsp
