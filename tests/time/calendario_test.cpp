// Calendar conversions: the 1582 reform, the era boundary, the ends of the
// range, and both directions checked against the standard
// astronomical Julian day for every day of the range.
#include "time/calendario.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/estado.h"
#include "core/tablas.h"

namespace vsp {
namespace {

class Calendario : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        CreaTablas();
    }
    static std::string fecha() {
        const ProgramState& e = Estado();
        char buf[64];
        std::snprintf(buf, sizeof buf, "%d-%02d-%02d %02d:%02d", e.FechaAno, e.FechaMes,
                      e.FechaDia, e.FechaHora, e.FechaMinuto);
        return buf;
    }
};

// Meeus, Astronomical Algorithms, ch. 7: the standard Julian day, written
// independently of the program's method. Year in B.C. numbering (no 0).
double juliano(int ano, int mes, int dia, int hora, int minuto) {
    int y = ano < 0 ? ano + 1 : ano;
    int m = mes;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const bool gregoriano = ano * 10000 + mes * 100 + dia >= 15821015;
    const int a = static_cast<int>(std::floor(y / 100.0));
    const int b = gregoriano ? 2 - a + static_cast<int>(std::floor(a / 4.0)) : 0;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + dia + b - 1524.5 +
           hora / 24.0 + minuto / 1440.0;
}

int diasDelMes(int ano, int mes) {
    static const int dias[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes != 2) return dias[mes];
    const int y = ano < 0 ? ano + 1 : ano;  // astronomical year
    const bool bisiesto =
        ano > 1582 ? (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) : ((y % 4 + 4) % 4 == 0);
    return bisiesto ? 29 : 28;
}

// What the every-day round trip below cannot reach: years past the range,
// and the half minute that rounds up to 24:00.
TEST_F(Calendario, TheEdgesOfTheRange) {
    EXPECT_EQ(CalculaJuliana(1, 1, 8500, 0, 0), 4642634.5) << "counted as 7999";
    EXPECT_EQ(CalculaJuliana(1, 1, 7999, 0, 0), 4642634.5);
    CalculaFecha(2451545.49972);
    EXPECT_EQ(fecha(), "2000-01-01 24:00");
    CalculaFecha(4642999.499);
    EXPECT_EQ(fecha(), "7999-12-31 23:59");
}

TEST_F(Calendario, OutOfCalendarDatesAreCountedOn) {
    // 30 February of a common year is 2 March; 29 February 2000 exists.
    EXPECT_EQ(CalculaJuliana(30, 2, 2001, 0, 0), CalculaJuliana(2, 3, 2001, 0, 0));
    EXPECT_EQ(CalculaJuliana(29, 2, 2000, 0, 0) + 1, CalculaJuliana(1, 3, 2000, 0, 0));
    // Year 0 does not exist and is computed as year 1.
    EXPECT_EQ(CalculaJuliana(10, 6, 0, 8, 0), CalculaJuliana(10, 6, 1, 8, 0));
    EXPECT_FALSE(EsBisiesto(0));
    // The ten days the reform skipped are reckoned in the Julian calendar.
    EXPECT_EQ(CalculaJuliana(5, 10, 1582, 0, 0), CalculaJuliana(15, 10, 1582, 0, 0));
    EXPECT_EQ(CalculaJuliana(14, 10, 1582, 6, 0), CalculaJuliana(24, 10, 1582, 6, 0));
}

TEST_F(Calendario, MidnightBeginningTheReformIsFifteenthOfOctober) {
    // 5 October 1582 (Julian) and 15 October (Gregorian) are one day; its
    // first minute must show as the date the calendar kept.
    CalculaFecha(2299160.5);
    EXPECT_EQ(fecha(), "1582-10-15 00:00");
    CalculaFecha(CalculaJuliana(5, 10, 1582, 0, 0));
    EXPECT_EQ(fecha(), "1582-10-15 00:00");
}

// Every day from 1 January 4713 B.C. to 31 December 7999, at a few minutes
// each: the Julian day is the standard one and converts back to the same
// date and minute.
TEST_F(Calendario, EveryDayOfTheRangeRoundTripsAndMatchesTheStandardJulianDay) {
    const ProgramState& e = Estado();
    const int minutos[] = {0, 1, 719, 720, 1439};
    long dias = 0, fallos = 0;
    double anterior = -1.5;
    for (int ano = -4713; ano <= 7999; ++ano) {
        if (ano == 0) continue;
        if (EsBisiesto(static_cast<int16_t>(ano)) != (diasDelMes(ano, 2) == 29) && ++fallos < 10)
            ADD_FAILURE() << "leap year rule at " << ano;
        for (int mes = 1; mes <= 12; ++mes) {
            for (int dia = 1; dia <= diasDelMes(ano, mes); ++dia) {
                if (ano == 1582 && mes == 10 && dia > 4 && dia < 15) continue;
                ++dias;
                const double medianoche = CalculaJuliana(dia, mes, ano, 0, 0);
                if (medianoche != anterior + 1 && ++fallos < 10)
                    ADD_FAILURE() << "day not consecutive: " << dia << "/" << mes << "/" << ano;
                anterior = medianoche;
                for (int t : minutos) {
                    const int h = t / 60, mi = t % 60;
                    const double jd = CalculaJuliana(dia, mes, ano, h, mi);
                    CalculaFecha(jd);
                    const bool igual = std::fabs(jd - juliano(ano, mes, dia, h, mi)) < 1e-9 &&
                                       e.FechaAno == ano && e.FechaMes == mes &&
                                       e.FechaDia == dia && e.FechaHora == h &&
                                       e.FechaMinuto == mi;
                    if (!igual && ++fallos < 10)
                        ADD_FAILURE() << dia << "/" << mes << "/" << ano << " " << h << ":" << mi
                                      << " -> " << std::fixed << jd << " -> " << fecha();
                }
            }
        }
    }
    EXPECT_EQ(fallos, 0);
    EXPECT_EQ(dias, 4643000);  // -0.5 .. 4642999.5, one a day
}

}  // namespace
}  // namespace vsp
