// Positions of the solar-system bodies.
#include "sky/cuerpos.h"

#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "sky/proyeccion.h"

namespace vsp {

namespace {
// Days since JD -31739.5, positive over the whole date range.
double cuentaDias(double diaJuliano) { return diaJuliano + 31739.5; }

double reduceVuelta(double x) { return x - std::floor(x / DosPi) * DosPi; }
}  // namespace

void CalculaTierra() {
    ProgramState& e = Estado();
    CuerpoSolar& t = e.ElementosPlanetas[CuerpoTierra];
    const double L = reduceVuelta(t.n * cuentaDias(e.DiaJuliano) + t.L0);
    const double lambda = L + 2 * t.Excentricidad * std::sin(L - t.Perihelio);
    t.LongitudGeo = lambda;
    EclipticaAEcuatorial(lambda, t.AR, t.Dec);
    CosenosDirectores(t.AR, t.Dec, t.x, t.y, t.z);
    e.SenoTierraMasPi = std::sin(lambda + Pi);
    e.CosenoTierraMasPi = std::cos(lambda + Pi);
}

}  // namespace vsp
