// Text formats: number patterns, angles, hours, latitudes, longitudes, dates
// and times, with the worked texts the panels and listings show.
#include "time/formatos.h"

#include "motor_nuevo.h"

#include "time/calendario.h"

namespace vsp {
namespace {

using Formatos = MotorFresco<false>;

constexpr double kRad = 3.14159265358979323846 / 180;

TEST_F(Formatos, NumberPatterns) {
    struct Caso { double valor; const char* patron; const char* texto; } casos[] = {
        {5, "@@@", "  5"},          {-44, "@@@@@", "  -44"},   {12345, "@@", "12345"},
        {7, " 00", " 07"},          {7, "00", "07"},           {123, "00", "123"},
        {-44, "#####", "-44"},      {2002, "#####", "2002"},   {0, "##", ""},
        {7, "##", "7"},             {0, "##0", "0"},           {150, "###", "150"},
        {1, "#0.0", "1.0"},         {-5.5, "#0.0", "-5.5"},    {0.25, "#0.0", "0.3"},
        {14.95, "#0.0", "15.0"},    {2.675, "#0.00", "2.68"},   {0.05, "#0.0", "0.1"},
        {7, "0", "7"},              {12.5, "00.00", "12.50"},
        {2452349.395833333, "#######0.000000", "2452349.395833"}, {-0.5, "#######0.000000", "-0.500000"},
        {4642999.499, "#######0.000000", "4642999.499000"},       {0, " 0.0;-0.0", " 0.0"},
        {-1.5, " 0.0;-0.0", "-1.5"}, {0.03, " 0.0;-0.0", " 0.0"}, {1.46f, " 0.0;-0.0", " 1.5"},
        {9.96, "#0.0", "10.0"},      {-99.999, "##0.00", "-100.00"}};  // rounding up to a new digit
    for (const auto& c : casos)
        EXPECT_EQ(Formato(c.valor, c.patron), c.texto) << c.valor << " with \"" << c.patron << "\"";
    // A single-precision value rounds as its own decimal text reads.
    EXPECT_EQ(Formato(14.95f, "#0.0"), "15.0");
    EXPECT_EQ(Formato(0.45f, " 0.0;-0.0"), " 0.5");
    EXPECT_EQ(Formato(-0.05f, " 0.0;-0.0"), "-0.1");
}

TEST_F(Formatos, DecimalSeparatorIsTheLocalesInDecimalPatternsOnly) {
    FijaSeparadorDecimal(",");
    EXPECT_EQ(Formato(-5.5, "#0.0"), "-5,5");
    EXPECT_EQ(Formato(2451545, "#######0.000000"), "2451545,000000");
    EXPECT_EQ(Formato(1.25, " 0.0;-0.0"), " 1,3");
    EXPECT_EQ(Formato(2002, "#####"), "2002");
    EXPECT_EQ(FormatoGrados(0.7853981634), " 45° 00' 00\"");
    FijaSeparadorDecimal(".");
}

TEST_F(Formatos, Degrees) {
    struct Caso { double x; const char* texto; } casos[] = {
        {0.7853981634, " 45° 00' 00\""},   {-0.3, "- 17° 11' 19\""},
        {2.1547136813, "123° 27' 21\""},   {0, "  0° 00' 00\""},
        {2 * 3.14159265358979323846, "  0° 00' 00\""},
        {(360 - 1.0 / 3600) * kRad, "359° 59' 59\""},
        {(359 + 59.0 / 60 + 59.8 / 3600) * kRad, "359° 59' 59\""},
        // Seconds are cut, not rounded, after a tenth of a second is added.
        {(10 + 20.0 / 60 + 30.8 / 3600) * kRad, " 10° 20' 30\""},
        {(359 + 59.0 / 60 + 59.95 / 3600) * kRad, "  0° 00' 00\""},
        {6.2831848072000005, "  0° 00' 00\""}};  // exactly 360 degrees once that is added
    for (const auto& c : casos) EXPECT_EQ(FormatoGrados(c.x), c.texto) << c.x;
}

TEST_F(Formatos, DegreesNeverShowImpossibleMinutesOrSeconds) {
    for (int i = 0; i < 200000; ++i) {
        const double x = i * 3.14159265358979323846 / 100000;
        const std::string t = FormatoGrados(x);
        const int m = std::stoi(t.substr(t.find("°") + 2, 3));
        const int s = std::stoi(t.substr(t.find('\'') + 1, 3));
        ASSERT_TRUE(m >= 0 && m <= 59 && s >= 0 && s <= 59) << x << " " << t;
    }
}

TEST_F(Formatos, Hours) {
    auto horas = [](double h, double m, double s) -> float { return (h + m / 60 + s / 3600) * 15 * kRad; };
    struct Caso { float x; const char* texto; } casos[] = {
        {1.46297134f, "  5h 35m 17s"},     {1.5f, "  5h 43m 46s"},
        {0.0f, "  0h 00m 00s"},            {horas(23, 59, 59.7), "  0h 00m 00s"},
        {horas(12, 59, 59.6), " 13h 00m 00s"}, {horas(6, 30, 29.4), "  6h 30m 29s"},
        {horas(18, 14, 59.6), " 18h 15m 00s"}};
    for (const auto& c : casos) EXPECT_EQ(FormatoHoras(c.x), c.texto) << c.x;
}

TEST_F(Formatos, LatitudesAndLongitudes) {
    EXPECT_EQ(FormatoLatitud(0.7054062331), "40° 25' 00\" N");
    EXPECT_EQ(FormatoLatitud(-0.5911220737), "33° 52' 07\" S");
    EXPECT_EQ(FormatoLatitud(0), " 0° 00' 00\" N");
    EXPECT_EQ(utf8Length(FormatoLatitud(-1.5707963268)), 13u);

    struct Caso { double x; const char* texto; int grados; } casos[] = {
        {0.0646435048, "  3° 42' 13\" O", 3}, {6.2452523212, "  2° 10' 24\" E", 2},
        {3.1415926536, "180° 00' 00\" O", 180}, {3.1415926537, "180° 00' 00\" E", 180},
        {3.2, "176° 39' 12\" E", 176},       {0, "  0° 00' 00\" O", 0}};
    for (const auto& c : casos) {
        EXPECT_EQ(FormatoLongitud(c.x), c.texto) << c.x;
        EXPECT_EQ(Estado().LongitudGrados, c.grados) << c.x;
    }
}

TEST_F(Formatos, DateAndTimeIn24HourAndAmPmClocks) {
    ProgramState& e = Estado();
    struct Caso { double jd; const char* fecha; const char* h24; const char* ampm; } casos[] = {
        {CalculaJuliana(15, 3, 2002, 21, 30), "15 / 03 /  2002", "21:30", "09:30 PM"},
        {CalculaJuliana(15, 3, -44, 12, 0), "15 / 03 /   -44", "12:00", "00:00 PM"},
        {CalculaJuliana(1, 1, 2000, 0, 30), "01 / 01 /  2000", "00:30", "00:30 AM"},
        {CalculaJuliana(1, 1, 2000, 11, 59), "01 / 01 /  2000", "11:59", "11:59 AM"},
        {2451545.49972, "01 / 01 /  2000", "24:00", "12:00 PM"},
        {-0.5, "01 / 01 / -4713", "00:00", "00:00 AM"}};
    for (const auto& c : casos) {
        e.FormatoHora = 1;
        FormatoFechaHora(c.jd);
        EXPECT_EQ(e.TextoFecha, c.fecha);
        EXPECT_EQ(e.TextoHora, c.h24);
        e.FormatoHora = 2;
        FormatoFechaHora(c.jd);
        EXPECT_EQ(e.TextoHora, c.ampm);
    }
}

// What the two rows show, zone and daylight saving included, is the date
// dialog's to check: here, that the fields are sent once, while marked as
// the program's own writing rather than typing.
TEST_F(Formatos, DateFieldsAreSentOnceWhileMarkedAsBeingRewritten) {
    ProgramState& e = Estado();
    e.DiaJuliano = CalculaJuliana(15, 3, 2002, 21, 30);
    int llamadas = 0;
    avisos().FechaHora = [&](const CamposFechaHora& c) {
        EXPECT_EQ(Estado().ActualizandoHora, -1);
        EXPECT_EQ(c.Tex_FecJul, "2452349.395833");
        ++llamadas;
    };
    MuestraFechaHora();
    EXPECT_EQ(llamadas, 1);
    EXPECT_EQ(e.ActualizandoHora, 0);
}

}  // namespace
}  // namespace vsp
