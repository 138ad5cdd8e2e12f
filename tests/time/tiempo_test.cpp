// The time state: sidereal time against the IAU 1982 mean sidereal time,
// precession angles against IAU 1976, and stepping by every kind of unit,
// including calendar years and the ends of the range.
#include "time/tiempo.h"

#include "motor_nuevo.h"

#include "time/calendario.h"

namespace vsp {
namespace {

constexpr double kSegundo = 3.14159265358979323846 / (180 * 3600);  // one arc second, rad
constexpr double kDiaSidereo = 0.99726956633;                        // in days, IAU

// The date and minute of a Julian day, as the program reckons them.
std::string fechaDe(double jd) {
    CalculaFecha(jd);
    const ProgramState& e = Estado();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d %02d:%02d", e.FechaAno, e.FechaMes, e.FechaDia, e.FechaHora, e.FechaMinuto);
    return buf;
}

class Tiempo : public MotorFresco<> {
protected:
    static double sidereoEn(double jd, double longitud, float zona = 0, int16_t verano = 0) {
        ProgramState& e = Estado();
        e.DiaJuliano = jd;
        e.Longitud = longitud;
        e.ZonaHoraria = zona;
        e.HorarioVerano = verano;
        CalculaTiempoSidereo();
        return e.TiempoSidereo;
    }

    static void pasoDe(int16_t unidad, int16_t factor, int signo) {
        ProgramState& e = Estado();
        e.UnidadAnima = unidad;
        e.FactorAnima = factor;
        e.PasoTiempo = signo * e.TablaUnidades[unidad] * factor;
        AvanzaTiempo();
    }
};

// Difference of two angles, folded into -pi .. pi.
double diferencia(double a, double b) {
    return std::remainder(a - b, 2 * 3.14159265358979323846);
}

// IAU 1982 Greenwich mean sidereal time (Meeus, Astronomical Algorithms 12.4).
double gmst82(double jd) {
    const double t = (jd - 2451545.0) / 36525;
    const double grados = 280.46061837 + 360.98564736629 * (jd - 2451545.0) +
                          0.000387933 * t * t - t * t * t / 38710000;
    return grados * 3.14159265358979323846 / 180;
}

TEST_F(Tiempo, GreenwichSiderealTimeFollowsIau1982From1900To2100) {
    // Worked values from python3-erfa 2.0 (erfa.gmst82).
    EXPECT_NEAR(diferencia(sidereoEn(2451545.0, 0), 280.460618375 * kSegundo * 3600), 0,
                2 * kSegundo);
    EXPECT_NEAR(diferencia(sidereoEn(2452349.395833333, 0), 135.8112530277907 * kSegundo * 3600),
                0, 10 * kSegundo);

    std::mt19937 azar(1982);
    std::uniform_real_distribution<double> instante(2415020.5, 2488069.5);
    double peor = 0;
    for (int i = 0; i < 20000; ++i) {
        const double jd = instante(azar);
        peor = std::max(peor, std::fabs(diferencia(sidereoEn(jd, 0), gmst82(jd))));
    }
    EXPECT_LT(peor, 10 * kSegundo) << peor / kSegundo << "\"";
}

// Anywhere, at any instant and whatever the clock's zone, the local sidereal
// time is Greenwich's less the longitude (west positive), within one turn.
TEST_F(Tiempo, LocalSiderealTimeIsGreenwichsLessTheLongitude) {
    std::mt19937 azar(7);
    std::uniform_real_distribution<double> jd(-0.5, 4642999.499), lon(0, 6.2831853072), zona(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const double t = jd(azar), l = lon(azar);
        const double s = sidereoEn(t, l, static_cast<float>(zona(azar)), static_cast<int16_t>(i % 2));
        ASSERT_GE(s, 0);
        ASSERT_LT(s, 6.2831853072);
        ASSERT_NEAR(diferencia(s, sidereoEn(t, 0) - l), 0, 1e-8) << t << " " << l;
    }
}

TEST_F(Tiempo, PrecessionAnglesFollowIau1976AndStayWhenOff) {
    ProgramState& e = Estado();
    // zeta, z, theta in arc seconds from J2000 (python3-erfa 2.0, erfa.prec76).
    struct Caso { double jd, zeta, z, theta; } casos[] = {
        {2378496.5, -4611.27799350456, -4608.108563636284, -4009.9113739672775},
        {2415020.5, -2305.9026551206384, -2305.110081817752, -2004.6682695161276},
        {2488070.0, 2306.537978, 2307.330983, 2003.8424169999998},
        {2524594.0, 4613.724524216707, 4616.897277327227, 4006.5257214258027}};
    e.Precesion = 1;
    for (const auto& c : casos) {
        e.DiaJuliano = c.jd;
        ActualizaTiempo();
        EXPECT_NEAR(e.PrecZeta, c.zeta * kSegundo, 2 * kSegundo) << c.jd;
        EXPECT_NEAR(e.PrecZ, c.z * kSegundo, 2 * kSegundo) << c.jd;
        EXPECT_NEAR(e.PrecTheta, c.theta * kSegundo, 2 * kSegundo) << c.jd;
    }
    const double zeta = e.PrecZeta;
    e.Precesion = 2;
    e.DiaJuliano = 2451545.0;
    ActualizaTiempo();
    EXPECT_EQ(e.PrecZeta, zeta);
}

// Each unit of time but the calendar ones steps by its length; the sidereal
// ones, whole sidereal days, bring the stars back to their place.
TEST_F(Tiempo, StepsOfEachUnitMoveByItsLength) {
    ProgramState& e = Estado();
    const double dia = kDiaSidereo;
    struct Caso { int16_t unidad; double dias; bool sidereo; } casos[] = {
        {1, 1.0 / 1440, false}, {2, 1.0 / 24, false}, {3, dia, true}, {4, 30 * dia, true}, {5, 365 * dia, true},
        {6, 36500 * dia, true}, {7, 365000 * dia, true}, {8, 1, false}, {9, 30, false}};
    for (const Caso& c : casos) {
        for (int signo : {+1, -1}) {
            const double antes = sidereoEn(2451545.0, 0);
            pasoDe(c.unidad, 2, signo);
            EXPECT_NEAR(e.DiaJuliano - 2451545.0, signo * 2 * c.dias, 1e-7 * c.dias + 1e-9) << "unit " << c.unidad;
            EXPECT_EQ(e.TiempoEstable, -1);
            if (c.sidereo) {
                EXPECT_NEAR(diferencia(e.TiempoSidereo, antes), 0, 0.1 * kSegundo * 3600) << "unit " << c.unidad;
            }
        }
    }
}

// The time dialog's arrows: a minute, an hour, a day, a month and a year,
// sidereal or solar as chosen.
TEST_F(Tiempo, TheTimeArrowsStepByTheirUnit) {
    ProgramState& e = Estado();
    const double dia = kDiaSidereo;
    struct Caso { int16_t tipo; int k; double dias; } casos[] = {
        {0, 1, 1.0 / 1440}, {0, 2, 1.0 / 24}, {0, 3, dia}, {0, 4, 30 * dia}, {0, 5, 365 * dia},
        {1, 1, 1.0 / 1440}, {1, 3, 1}, {1, 4, 30}, {1, 5, 366}};  // 2000 to 2001: a leap year
    for (const Caso& c : casos) {
        e.TipoTiempo = c.tipo;
        e.DiaJuliano = 2451545.0;
        IncrementaTiempo(c.k, +1);
        EXPECT_NEAR(e.DiaJuliano - 2451545.0, c.dias, 1e-7 * c.dias + 1e-9) << "type " << c.tipo << " arrow " << c.k;
    }
}

// The noon button goes to the next local noon, the midnight button to the
// midnight that ends the local day, at the range's first instant too.
TEST_F(Tiempo, NoonAndMidnightAreTheLocalOnes) {
    ProgramState& e = Estado();
    struct Caso { double ahora; float zona; double mediodia, medianoche; } casos[] = {
        {2451545.0, 1, 2451545.0 + 23.0 / 24, 2451545.5 - 1.0 / 24},  // 13:00 local
        {0.0, -5, 5.0 / 24, 0.5 + 5.0 / 24}};                         // 07:00 local
    for (const Caso& c : casos) {
        e.ZonaHoraria = c.zona;
        e.HorarioVerano = 0;
        Mediodia(c.ahora);
        EXPECT_NEAR(e.DiaJuliano, c.mediodia, 1e-9) << c.ahora;
        Medianoche(c.ahora);
        EXPECT_NEAR(e.DiaJuliano, c.medianoche, 1e-9) << c.ahora;
    }
}

// Calendar years keep the day and minute, skip year 0 and last their
// length across the era; every step stops at the ends of the calendar.
TEST_F(Tiempo, CalendarYearStepsKeepDayAndMinuteAndStopAtTheEnds) {
    ProgramState& e = Estado();
    struct Caso { double desde; int16_t unidad, factor; int signo; const char* fecha; double fin; } casos[] = {
        {CalculaJuliana(29, 2, 2000, 18, 45), 10, 1, +1, "2001-03-01 18:45", 0},
        {CalculaJuliana(1, 1, 1, 0, 0), 10, 1, -1, "-1-01-01 00:00", 0},
        {CalculaJuliana(1, 1, -1, 0, 0), 10, 1, +1, "1-01-01 00:00", 0},
        {CalculaJuliana(21, 6, -50, 12, 0), 11, 1, +1, "51-06-21 12:00", 0},
        {CalculaJuliana(4, 7, 1776, 9, 30), 12, 2, +1, "3776-07-04 09:30", 0},
        {CalculaJuliana(4, 7, 7998, 9, 30), 10, 1, +1, "7999-07-04 09:30", 0},   // the first and last years
        {CalculaJuliana(4, 7, -4712, 9, 30), 10, 1, -1, "-4713-07-04 09:30", 0},  // are whole
        {4642990.0, 9, 1, +1, "7999-12-31 23:59", DiaJulianoMaximo},
        {4642990.0, 12, 99, +1, "7999-12-31 23:59", DiaJulianoMaximo},
        {10.0, 7, 99, -1, "-4713-01-01 00:00", DiaJulianoMinimo},
        {2451544.5, 12, 99, -1, "-4713-01-01 00:00", DiaJulianoMinimo},
        {2451544.5, 12, 99, +1, "7999-12-31 23:59", DiaJulianoMaximo}};
    for (const Caso& c : casos) {
        e.DiaJuliano = c.desde;
        pasoDe(c.unidad, c.factor, c.signo);
        EXPECT_EQ(fechaDe(e.DiaJuliano), c.fecha) << std::fixed << c.desde << " unit " << c.unidad;
        EXPECT_TRUE(c.fin == 0 || e.DiaJuliano == c.fin) << c.fecha << ": " << e.DiaJuliano;
    }
}

// Meeus, Astronomical Algorithms, ch. 7: the standard Julian day, written
// independently of the program's method. Year in B.C. numbering (no 0).
double juliano(int ano, int mes, int dia, int hora, int minuto) {
    const bool enero = mes <= 2;  // January and February count as months 13 and 14 of the year before
    const int y = (ano < 0 ? ano + 1 : ano) - (enero ? 1 : 0), m = enero ? mes + 12 : mes;
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

// What the every-day round trip below cannot reach: dates the calendar lacks,
// and years past the range. (The half minute that rounds up to 24:00 is in the
// date formats' tests.)
TEST_F(Tiempo, OutOfCalendarDatesAreCountedOn) {
    // 30 February of a common year is 2 March; year 0 is computed as year 1.
    EXPECT_EQ(CalculaJuliana(30, 2, 2001, 0, 0), CalculaJuliana(2, 3, 2001, 0, 0));
    EXPECT_EQ(CalculaJuliana(10, 6, 0, 8, 0), CalculaJuliana(10, 6, 1, 8, 0));
    EXPECT_FALSE(EsBisiesto(0));
    // The ten days the reform skipped are reckoned in the Julian calendar.
    EXPECT_EQ(CalculaJuliana(5, 10, 1582, 0, 0), CalculaJuliana(15, 10, 1582, 0, 0));
    EXPECT_EQ(CalculaJuliana(14, 10, 1582, 6, 0), CalculaJuliana(24, 10, 1582, 6, 0));
    EXPECT_EQ(CalculaJuliana(1, 1, 8500, 0, 0), 4642634.5) << "counted as 7999";
    // A zone never shows a local date the date fields could not take back.
    ProgramState& e = Estado();
    for (const double jd : {DiaJulianoMaximo, DiaJulianoMinimo}) {
        e.DiaJuliano = jd;
        e.ZonaHoraria = jd == DiaJulianoMaximo ? 12 : -12;
        EXPECT_EQ(DiaJulianoLocal(), jd);
    }
}

// Every day from 1 January 4713 B.C. to 31 December 7999, at a few minutes
// each: the Julian day is the standard one and converts back to the same
// date and minute (15 October 1582 too, the first day of the reform).
TEST_F(Tiempo, EveryDayOfTheRangeRoundTripsAndMatchesTheStandardJulianDay) {
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
                                       e.FechaAno == ano && e.FechaMes == mes && e.FechaDia == dia &&
                                       e.FechaHora == h && e.FechaMinuto == mi;
                    if (!igual && ++fallos < 10)
                        ADD_FAILURE() << dia << "/" << mes << "/" << ano << " " << h << ":" << mi
                                      << " -> " << std::fixed << jd << " -> " << fechaDe(jd);
                }
            }
        }
    }
    EXPECT_EQ(fallos, 0);
    EXPECT_EQ(dias, 4643000);  // -0.5 .. 4642999.5, one a day
}

}  // namespace
}  // namespace vsp
