// Local time: the user's zone and summer-time box, or, for a listed city
// with "Hora local automática" on, the rule the time-zone database gives the
// city's zone at each instant.
#pragma once

namespace vsp {

// Hours between local and universal time at a Julian day of UT: the
// database's rule for that instant in automatic mode, otherwise the user's
// ZonaHoraria + HorarioVerano.
double HorasLocales(double diaJulianoUT);

}  // namespace vsp
