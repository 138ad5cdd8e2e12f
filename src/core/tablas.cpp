// CreaTablas: the constant tables of the program state.
#include "core/tablas.h"

#include <cmath>
#include <string>

#include "core/constantes.h"
#include "core/cosenos.h"
#include "core/estado.h"
#include "core/texto.h"

namespace vsp {

namespace {

// Equatorial grid with the given steps. The loop variables accumulate their
// step in double, as they always have, so the end points are reached only as
// far as rounding allows and the point count is whatever the loops produce.
template <std::size_t N>
int16_t creaRejilla(std::array<PuntoTabla, N>& rejilla, double pasoAR, double pasoDec) {
    ProgramState& e = Estado();
    int16_t n = 0;
    for (e.PuntoAR = 0; e.PuntoAR <= DosPi; e.PuntoAR += pasoAR) {
        for (e.PuntoDec = MedioPi; e.PuntoDec >= -MedioPi; e.PuntoDec += pasoDec) {
            if (++n >= static_cast<int16_t>(N)) return static_cast<int16_t>(N - 1);
            PuntoTabla& p = rejilla[n];
            CosenosDirectores(e.PuntoAR, e.PuntoDec, p.x, p.y, p.z);
        }
    }
    return n;
}

// Days before each month, three digits a month.
void leeMeses(std::array<int16_t, 13>& fila, const char* digitos) {
    for (int m = 1; m <= 12; ++m)
        fila[m] = static_cast<int16_t>(std::stoi(std::string(digitos + 3 * m - 3, 3)));
}

}  // namespace

void CreaTablas() {
    ProgramState& e = Estado();

    e.PuntosRejillaAD15 = creaRejilla(e.RejillaAD15, MedioPi / 6, -MedioPi / 6);
    e.PuntosRejillaAD30 = creaRejilla(e.RejillaAD30, MedioPi / 3, -MedioPi / 3);

    // The ecliptic, approximated by a sine of the obliquity's amplitude.
    int n = -1;
    for (double a = 0; a <= DosPi && n + 1 < MaxEcliptica; a += Pi / 30) {
        PuntoTabla& p = e.Ecliptica[++n];
        CosenosDirectores(a, std::sin(a) * 0.409136592595336, p.x, p.y, p.z);
    }
    e.PuntosEcliptica = static_cast<int16_t>(n + 1);

    n = -1;
    for (double t = MedioPi; t <= 7.853981634 && n + 1 < MaxCirculoUnidad; t += Pi / 36) {
        PuntoTabla& p = e.CirculoUnidad[++n];
        p.x = static_cast<float>(std::cos(t));
        p.y = static_cast<float>(std::sin(t));
        p.z = 0;
    }
    e.PuntosCirculoUnidad = static_cast<int16_t>(n + 1);

    leeMeses(e.TablaMeses[0], "000031059090120151181212243273304334");
    leeMeses(e.TablaMeses[1], "000031060091121152182213244274305335");

    // Unit lengths in days. The sidereal month, year, century and millennium
    // are 30, 365, 36500 and 365000 sidereal days; the solar year, century and
    // millennium count calendar years, not days.
    const double sidereos[8] = {0, 1.0 / 1440, 1.0 / 24, DiaSidereo, 29.918086992705,
                                364.00339174457747, 36400.339174457746, 364003.3917445775};
    const double solares[8] = {0, 1.0 / 1440, 1.0 / 24, 1.0, 30.0, 1.0, 100.0, 1000.0};
    for (int j = 1; j <= 7; ++j) {
        e.TablaIncrementos[0][j] = sidereos[j];
        e.TablaIncrementos[1][j] = solares[j];
        e.TablaUnidades[j] = sidereos[j];
    }
    const double unidadesSolares[6] = {0, 1.0, 30.0, 1.0, 100.0, 1000.0};
    for (int j = 8; j <= 12; ++j) e.TablaUnidades[j] = unidadesSolares[j - 7];

    const char* singular[13] = {"", " MINUTO", " HORA", " DIA SIDÉR.", " MES SIDÉR.",
                                " AÑO SIDÉR.", " SIGLO SID.", " MILENIO SID.", " DIA SOLAR",
                                " MES SOLAR", " AÑO SOLAR", " SIGLO SOLAR", " MILENIO SOL."};
    const char* plural[13] = {"", " MINUTOS", " HORAS", " DIAS SID.", " MESES SID.",
                              " AÑOS SID.", " SIGLOS SID.", " MILEN. SID.", " DIAS SOL.",
                              " MESES SOL.", " AÑOS SOL.", " SIGLOS SOL.", " MILEN. SOL."};
    for (int j = 1; j <= NumUnidades; ++j) {
        e.NombreUnidad[j] = singular[j];
        e.NombreUnidades[j] = plural[j];
    }

    // Level k shows the records 0 .. cut-off(k) of the sorted catalogue.
    e.CortesEstrellas = {0, 14, 51, 189, 874, 2836, 9063, 26519};
    e.CortesEstrellasNombre = {0, 14, 51, 188, 813, 1987, 2301, 2582};
    e.CortesGalaxias = {0, 1, 2, 25, 1233};
    e.CortesNebPlanetarias = {0, 13, 141};
    e.CortesNebDifusas = {0, 70, 173};
    e.CortesCumAbiertos = {0, 14, 295};
    e.CortesCumGlobulares = {0, 3, 74};
    e.CortesLineasConst = {0, 189, 529, 752, 872};

    // Colours are 0xBBGGRR: white, yellow, red, green.
    e.ColoresEstrella = {16777215, 65535, 255, 65280};

    //                      -  Mer    Ven       Tie Mar  Jup  Sat       Ura    Nep    Plu    Sol    Luna
    e.ColoresCuerpos = {0, 32896, 16777215, 0, 255, 128, 12632256, 65280, 65280, 65280, 65535, 16777215};
    e.RadiosCuerpos = {0, 0.003f, 0.003f, 0, 0.003f, 0.003f, 0.003f, 0.003f, 0.003f, 0.003f,
                       0.00905f, 0.00874f};

    const char* leyenda[NumTextosLeyenda + 1] = {
        "",                 "Estrellas  M. -1", "Estrellas  M. 0 ", "Estrellas  M. 1 ",
        "Estrellas  M. 2 ", "Estrellas  M. 3 ", "Estrellas  M. 4 ", "Estrellas  M. 5 ",
        "Estrellas  M. 6 ", "Estrellas  M. 7 ", "Estre. Variables", "Estre. Múltiples",
        "Estre. Vari/Múlt", "Galaxias  M. 1  ", "Galaxias  M. 2  ", "Galaxias  M. 3  ",
        "Galaxias  M. 4  ", "Neb.Planet. M. 1", "Neb.Planet. M. 2", "Neb.Difusas M. 1",
        "Neb.Difusas M. 2", "Cúm.Abiert. M. 1", "Cúm.Abiert. M. 2", "Cúm.Globul. M. 1",
        "Cúm.Globul. M. 2", "Quásars",          "Púlsars",          "Agujeros Negros"};
    for (int i = 1; i <= NumTextosLeyenda; ++i) e.TextosLeyenda[i] = padRight(leyenda[i], 16);

    e.LineasPlanetas = {
        "MERCURIO   4878.0   0.0553   0.00  0.38   58.646 d   0.3871 0.2056    87.96 115.9",
        "VENUS     12104.0   0.8150 177.30  0.89  243.010 d   0.7233 0.0068   224.68 584.0",
        "TIERRA    12756.3   1.0000  23.45  1.00 23h 56m  4s  1.0000 0.0167   365.26   -",
        "MARTE      6794.4   0.1074  25.19  0.38 24h 37m 22s  1.5237 0.0934   686.95 779.9",
        "JUPITER  142796.0 317.8900   3.12  2.54  9h 53m      5.2028 0.0483  4337.00 398.9",
        "SATURNO  120000.0  95.1700  26.73  1.07 10h 39m 54s  9.5388 0.0560 10760.00 378.1",
        "URANO     52290.0  14.5600  97.86  0.80  12h a 24h  19.1914 0.0461 30700.00 369.7",
        "NEPTUNO   48600.0  17.2400  29.56  1.20  18h 12m    30.0611 0.0100 60200.00 367.5",
        "PLUTON     3300.0   0.0200 118.00    ?     6.3868 d 39.5294 0.2484 90780.00 366.7",
        "SOL     1392000.0                 28.00   25.38 d.",
        "LUNA       3476.0   0.0121   5.15  0.17   27.3217 d  0.0026 0.0660    27.32  29.5"};
}

}  // namespace vsp
