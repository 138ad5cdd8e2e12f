// Local time, by the user's zone or by the time-zone database.
#include "time/zonas.h"

#include "core/estado.h"

namespace vsp {

double HorasLocales(double /*diaJulianoUT*/) {
    const ProgramState& e = Estado();
    return e.ZonaHoraria + e.HorarioVerano;
}

}  // namespace vsp
