// Calendar and Julian day: the Julian calendar up to 4 October 1582, the
// Gregorian from 15 October 1582; years before the era are negative with no
// year zero (-1 is 1 B.C.). The time resolution is one minute.
#pragma once

#include <cstdint>

namespace vsp {

bool EsBisiesto(int16_t ano);

// Julian day of universal time of a calendar date and time. Years above 7999
// count as 7999; a day past the end of its month runs on into the next.
double CalculaJuliana(int16_t dia, int16_t mes, int16_t ano, int16_t hora, int16_t minuto);

// Calendar date and time of a Julian day, into FechaAno, FechaMes, FechaDia,
// FechaHora (0..24: from 23:59:30 the hour is 24 on the same date) and
// FechaMinuto.
void CalculaFecha(double diaJuliano);

}  // namespace vsp
