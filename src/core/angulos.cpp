// Angles on the program's pi.
#include "core/angulos.h"

#include <cmath>

#include "core/constantes.h"

namespace vsp {

double arcSine(double s) {
    if (s >= 1) return MedioPi;
    if (s <= -1) return -MedioPi;
    return std::atan(s / std::sqrt(1 - s * s));
}

double arcCosine(double c) {
    if (c >= 1) return 0;
    if (c <= -1) return Pi;
    return std::atan(-c / std::sqrt(1 - c * c)) + MedioPi;
}

double ArcoTangente(double y, double x) {
    if (x == 0) {
        if (y > 0) return MedioPi;
        if (y < 0) return Pi + MedioPi;
        return 0;
    }
    const double t = std::atan(y / x);
    if (x < 0) return t + Pi;
    if (y < 0) return t + DosPi;
    return t;
}

void EclipticaAEcuatorial(double lambda, double& ar, double& dec) {
    // Obliquity 23 26', the value the ecliptic has always been drawn with.
    constexpr double cosObliquity = 0.9175234;
    constexpr double sinObliquity = 0.3976818;
    const double sinLambda = std::sin(lambda);
    ar = ArcoTangente(sinLambda * cosObliquity, std::cos(lambda));
    dec = arcSine(sinLambda * sinObliquity);
}

}  // namespace vsp
