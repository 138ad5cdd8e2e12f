// Direction cosines, the form in which every catalogue point and table point
// is stored: shared by the constant tables, the catalogues and the sky.
#pragma once

#include <cmath>

namespace vsp {

// Direction cosines of a longitude-like angle a and a latitude-like angle b:
// x = -sin a |cos b|, y = sin b, z = cos a |cos b|, rounded to single.
inline void CosenosDirectores(double a, double b, float& x, float& y, float& z) {
    const double c = std::fabs(std::cos(b));
    x = static_cast<float>(-std::sin(a) * c);
    y = static_cast<float>(std::sin(b));
    z = static_cast<float>(std::cos(a) * c);
}

}  // namespace vsp
