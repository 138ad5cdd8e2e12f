// Angles on the program's own pi: the inverse functions every part computes
// with, and the ecliptic's place in equatorial coordinates.
#pragma once

namespace vsp {

// arcsin and arccos written on the program's pi, so that the angles agree to
// the last digit with everything else built on it. Arguments a rounding step
// pushed past +-1 are taken as +-1.
double arcSine(double s);
double arcCosine(double c);

// The angle of (x, y) in [0, 2pi); x = 0 gives pi/2, 3pi/2 or 0 by y's sign.
double ArcoTangente(double y, double x);

// Right ascension and declination of a point of the ecliptic (obliquity 23 26').
void EclipticaAEcuatorial(double lambda, double& ar, double& dec);

}  // namespace vsp
