// The precession angles and the Earth's place of an instant.
#include "time/efemerides.h"

#include <cmath>

#include "core/angulos.h"
#include "core/constantes.h"
#include "core/cosenos.h"
#include "core/estado.h"
#include "time/lugares.h"

namespace vsp {

double cuentaDias(double diaJuliano) { return diaJuliano + 31739.5; }

double reduceVuelta(double x) { return x - std::floor(x / DosPi) * DosPi; }

void AngulosPrecesion(double diaJuliano, double& zeta, double& theta, double& z) {
    const double t = (diaJuliano - 2415020.5) / 36524.22 - 1.0;  // tropical centuries from 2000
    const double t2 = t * t, t3 = t2 * t;
    const double segundos = 2305.646 * t + 0.302 * t2 + 0.018 * t3;
    zeta = segundos * RadianesPorSegundoArco;
    z = (segundos + 0.791 * t2 + 0.001 * t3) * RadianesPorSegundoArco;
    theta = (2003.829 * t - 0.426 * t2 - 0.042 * t3) * RadianesPorSegundoArco;
}

void CalculaTierra() {
    ProgramState& e = Estado();
    CuerpoSolar& t = e.ElementosPlanetas[CuerpoTierra];
    const double lambda = LongitudTierra(e.DiaJuliano);
    t.LongitudGeo = lambda;
    EclipticaAEcuatorial(lambda, t.AR, t.Dec);
    CosenosDirectores(t.AR, t.Dec, t.x, t.y, t.z);
    e.SenoTierraMasPi = std::sin(lambda + Pi);
    e.CosenoTierraMasPi = std::cos(lambda + Pi);
}

}  // namespace vsp
