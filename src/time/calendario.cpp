// Calendar dates and Julian days, both ways.
#include "time/calendario.h"

#include <algorithm>
#include <cmath>

#include "core/estado.h"

namespace vsp {

namespace {

// Days between the Julian and the Gregorian calendar on 1 January of a year
// from 1582 on (10 up to 1699, 11 in the 1700s, 13 from 1900 to 2099).
int32_t desfaseGregoriano(int32_t ano) {
    int32_t g = ((ano - 1) / 100 - 16) - (ano - 1600) / 400 + 10;
    if (ano <= 1600) ++g;
    if (ano % 400 == 0 && ano >= 2000) ++g;
    return g;
}

// Days before month m (1..12) in a common (0) or leap (1) year.
int32_t diasAntesDelMes(int bisiesto, int32_t mes) {
    return Estado().TablaMeses[bisiesto][std::clamp<int32_t>(mes, 1, 12)];
}

}  // namespace

bool EsBisiesto(int16_t ano) {
    if (ano > 1582) return ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0);
    if (ano >= 1) return ano % 4 == 0;
    return (ano - 3) % 4 == 0;  // 1 B.C., 5 B.C., 9 B.C. ...
}

double CalculaJuliana(int16_t dia, int16_t mes, int16_t ano, int16_t hora, int16_t minuto) {
    const int32_t y = std::min<int32_t>(ano, 7999);
    int32_t a = y + 4712;  // astronomical year + 4712: 0 for 4713 B.C.
    if (y < 1) ++a;
    const int32_t j = (a % 4 != 0) ? 1 : 0;
    // On or after 15 October 1582, compared as the decimal y.mmdd exactly.
    int32_t g = 0;
    if (y * 10000 + mes * 100 + dia >= 15821015) g = desfaseGregoriano(y);
    const int l = EsBisiesto(static_cast<int16_t>(y)) ? 1 : 0;
    const int32_t n = 365 * a + a / 4 + diasAntesDelMes(l, mes) + dia - 1;
    return n + hora / 24.0 + minuto / 1440.0 - g + j - 0.5;
}

void CalculaFecha(double diaJuliano) {
    ProgramState& e = Estado();

    // Time of day, to the nearest minute; 23:59:30 and later is 24:00 of the
    // same date.
    double f = diaJuliano - std::floor(diaJuliano) + 0.5;
    if (f >= 1) f -= 1;
    int32_t hora = static_cast<int32_t>(std::floor(24 * f));
    int32_t minuto = static_cast<int32_t>(std::nearbyint((f - hora / 24.0) * 1440));
    if (minuto == 60) {
        minuto = 0;
        ++hora;
    }
    e.FechaHora = static_cast<int16_t>(hora);
    e.FechaMinuto = static_cast<int16_t>(minuto);

    const int32_t z = static_cast<int32_t>(std::floor(diaJuliano + 1.5));  // 1 = 1 Jan 4713 B.C.
    e.FechaDia = 31;
    e.FechaMes = 12;

    // Julian calendar: d is the day of year y counted from 1; d = 0 stands
    // for 31 December of the year before.
    const int32_t c = z / 1461;
    const int32_t r = z - 1461 * c;
    const int32_t k = (r - 1) / 365;
    int32_t y = 4 * c + k - 4712;
    int32_t d = r - 365 * k;
    if (k > 0) --d;

    // From the midnight that begins 15 October 1582 on, the Gregorian date.
    // (Starting one instant later would show that midnight as 5 October, a
    // date the calendar skipped.)
    if (diaJuliano >= 2299160.5) {
        const int32_t l = EsBisiesto(static_cast<int16_t>(y)) ? 1 : 0;
        d += desfaseGregoriano(y);
        if (d >= 365 + l) {
            d -= 365 + l;
            ++y;
        }
    }
    if (y <= 0) --y;  // astronomical year to B.C. numbering

    if (d == 0) {
        --y;
        if (y == 0) y = -1;
        e.FechaAno = static_cast<int16_t>(y);
        return;
    }
    const int l = EsBisiesto(static_cast<int16_t>(y)) ? 1 : 0;
    int32_t mes = 12;
    for (int32_t m = 2; m <= 12; ++m) {
        if (e.TablaMeses[l][m] >= d) {
            mes = m - 1;
            break;
        }
    }
    e.FechaMes = static_cast<int16_t>(mes);
    e.FechaDia = static_cast<int16_t>(d - e.TablaMeses[l][mes]);
    e.FechaAno = static_cast<int16_t>(y);
}

}  // namespace vsp
