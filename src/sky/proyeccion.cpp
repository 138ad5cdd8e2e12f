// Coordinates and projection.
#include "sky/proyeccion.h"

#include <cmath>

#include "core/constantes.h"

namespace vsp {

void CosenosDirectores(double a, double b, float& x, float& y, float& z) {
    const double c = std::fabs(std::cos(b));
    x = static_cast<float>(-std::sin(a) * c);
    y = static_cast<float>(std::sin(b));
    z = static_cast<float>(std::cos(a) * c);
}

}  // namespace vsp
