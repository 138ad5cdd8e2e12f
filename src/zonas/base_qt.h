// The time-zone database as the system keeps it (tzdata), read through Qt's
// QTimeZone, for the engine's automatic local time.
#pragma once

#include "time/zonas.h"

namespace vsp {

// Installs the system's database for the whole process (InstalaBaseZonas).
void InstalaBaseZonasDelSistema();

}  // namespace vsp
