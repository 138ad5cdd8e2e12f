// Rise, culmination and set: the instants agree with an independent
// ephemeris, the events keep their geometry (the altitude at a rise is the
// horizon's, a star culminates halfway between rise and set), the cases
// with no rise or no set, and the lines the dialog and the command print.
#include "programa/ortos.h"

#include "motor_nuevo.h"
#include "programa/busqueda.h"
#include "time/calendario.h"

namespace vsp {
namespace {

constexpr double Minuto = 1.0 / 1440;

struct Sitio {
    double latitud, longitud;  // degrees, east positive
};
constexpr Sitio Madrid{40.4168, -3.7038}, BuenosAires{-34.6037, -58.3816}, Norte60{60, 10}, Norte70{70, 20};

class RiseAndSet : public MotorFresco<> {
protected:
    // The first entry the search box finds for the text.
    ObjetoOrto objeto(const char* texto) {
        const std::vector<Hallazgo> h = BuscaTexto(texto);
        ObjetoOrto o;
        EXPECT_TRUE(!h.empty() && ObjetoDeEntrada(h[0].categoria, h[0].fila, o)) << texto;
        return o;
    }
    Ortos calcula(const char* texto, Sitio s, double dia) {
        return CalculaOrtos(objeto(texto), dia, s.latitud * RadianesPorGrado, s.longitud * RadianesPorGrado);
    }
};

// Reference instants (Julian days of UT) from PyEphem 4.1.4 (python3-ephem):
// Observer with pressure = 0 and horizon = '-0:34', next_rising,
// next_transit and next_setting from the instant given (the Sun and the
// Moon by their upper limb, PyEphem's default); the twilights with
// use_center=True and horizons '-6', '-12', '-18', each end being
// next_setting from its start; the stars as FixedBody with this
// catalogue's J2000 places (Sirius 1.76779514, -0.29175099 rad), so that
// only the computation is compared. 0: not compared.
struct Referencia {
    const char* objeto;
    Sitio sitio;
    double dia, orto, culminacion, ocaso;
};
const Referencia Referencias[] = {
    {"Sirio", Madrid, 2461382.5, 2461383.365883, 2461382.579035, 2461382.789456},
    {"Sirio", BuenosAires, 2461200.8, 2461200.942851, 2461201.227396, 2461201.511940},
    {"Marte", Madrid, 2461382.5, 2461383.450410, 2461382.733238, 2461383.014315},
    {"Júpiter", BuenosAires, 2461382.5, 2461382.637859, 2461382.863191, 2461383.088523},
    {"Sol", Madrid, 2461382.5, 2461382.809106, 2461383.004648, 2461383.200072},
    {"Sol", Madrid, 2461213.2, 2461213.697931, 2461214.011703, 2461213.325330},  // the solstice
    {"Sol", BuenosAires, 2461213.2, 2461213.958737, 2461214.163609, 2461213.368323},
    {"Luna", Madrid, 2461382.5, 2461382.798070, 2461382.984426, 2461383.168930},
    {"Luna", Madrid, 2461200.8, 2461201.548158, 2461201.821665, 2461201.055323},
    {"Luna", BuenosAires, 2461213.2, 2461214.169221, 2461213.410453, 2461213.675381},
    {"Kochab", Madrid, 2461200.8, 0, 2461201.411422, 0},
};
// Start and end of the civil, nautical and astronomical twilights.
struct ReferenciaCrepusculos {
    Sitio sitio;
    double dia, tramos[3][2];
};
const ReferenciaCrepusculos Crepusculos[] = {
    {Madrid, 2461382.5, {{2461382.787898, 2461383.221279}, {2461382.764218, 2461383.244957},
                         {2461382.741270, 2461383.267902}}},
    {Norte60, 2461213.2, {{2461213.506548, 2461214.440504}, {0, 0}, {0, 0}}},  // white nights
    // The polar night's midday twilights.
    {Norte70, 2461395.5, {{2461395.857213, 2461396.028940}, {2461395.781663, 2461396.104489},
                          {2461395.726088, 2461396.160063}}},
};

TEST_F(RiseAndSet, EveryEventFallsWithinAMinuteOfPyEphem) {
    const auto compara = [](const char* que, const auto& hallado, double esperado) {
        if (esperado == 0) return;
        ASSERT_TRUE(hallado) << que;
        EXPECT_NEAR(*hallado, esperado, Minuto) << que << ": " << (*hallado - esperado) * 1440 << " min";
    };
    const auto dia = [](const std::optional<Suceso>& s) { return s ? std::optional(s->dia) : std::nullopt; };
    for (const Referencia& r : Referencias) {
        SCOPED_TRACE(std::string(r.objeto) + " " + std::to_string(r.dia));
        const Ortos o = calcula(r.objeto, r.sitio, r.dia);
        compara("rise", dia(o.orto), r.orto);
        compara("culmination", dia(o.culminacion), r.culminacion);
        compara("set", dia(o.ocaso), r.ocaso);
    }
    for (const ReferenciaCrepusculos& r : Crepusculos) {
        SCOPED_TRACE(r.dia);
        const Ortos o = calcula("Sol", r.sitio, r.dia);
        for (int k = 0; k < 3; ++k) {
            compara("start", o.crepusculos[k].inicio, r.tramos[k][0]);
            compara("end", o.crepusculos[k].fin, r.tramos[k][1]);
        }
    }
}

TEST_F(RiseAndSet, WhatNeverRisesOrNeverSetsIsToldSo) {
    // Canopus (-52.7 deg) from 60 deg N; Polaris and Kochab from Madrid.
    EXPECT_EQ(calcula("Canopus", Norte60, 2461382.5).curso, Curso::NuncaSale);
    for (const char* estrella : {"Polar", "Kochab"}) {
        const Ortos o = calcula(estrella, Madrid, 2461382.5);
        EXPECT_EQ(o.curso, Curso::SiempreSobre) << estrella;
        EXPECT_TRUE(o.culminacion && !o.orto && !o.ocaso) << estrella;
    }
    // PyEphem's transit of Polaris: 0.74 deg from the pole, it moves 77
    // times faster in right ascension than on the sky, where its annual
    // aberration and nutation, not in the chart's star places, reach 20":
    // the minute and a half they make is allowed for.
    EXPECT_NEAR(calcula("Polar", Madrid, 2461382.5).culminacion->dia, 2461383.425664, 2 * Minuto);
    // The Sun at 70 deg N: midnight sun and twilight all night at the
    // solstice, polar night in December; at 60 deg N in June it sets, but
    // the sky stays light; near the pole in December not even twilight.
    const Ortos junio = calcula("Sol", Norte70, 2461213.2);
    EXPECT_EQ(junio.curso, Curso::SiempreSobre);
    EXPECT_EQ(junio.crepusculos[2].tipo, Crepusculo::TodaLaNoche);
    const Ortos diciembre = calcula("Sol", Norte70, 2461395.5);
    EXPECT_TRUE(diciembre.curso == Curso::NuncaSale && !diciembre.culminacion);
    EXPECT_EQ(calcula("Sol", Norte60, 2461213.2).crepusculos[1].tipo, Crepusculo::TodaLaNoche);
    EXPECT_EQ(calcula("Sol", {88, 0}, 2461395.5).crepusculos[2].tipo, Crepusculo::NoHay);
}

TEST_F(RiseAndSet, AtTheEventsFoundTheChartPutsTheStarOnTheHorizonAndTheMeridian) {
    // Sirius from Madrid, from before it rises, through the chart's own
    // chain (its sidereal time, precession and latitude): 34' under the
    // horizon at the rise, due south at culmination, which falls halfway to
    // the set, where it sets as far west as it rose east.
    ProgramState& e = Estado();
    e.Latitud = Madrid.latitud * RadianesPorGrado;
    e.Longitud = -Madrid.longitud * RadianesPorGrado;
    e.Precesion = Activado;
    const ObjetoOrto sirio = objeto("Sirio");
    const Ortos o = CalculaOrtos(sirio, 2461382.8, e.Latitud, DosPi - e.Longitud);
    ASSERT_TRUE(o.orto && o.culminacion && o.ocaso);
    EXPECT_TRUE(o.orto->dia < o.culminacion->dia && o.culminacion->dia < o.ocaso->dia);
    EXPECT_NEAR(o.culminacion->dia - o.orto->dia, o.ocaso->dia - o.culminacion->dia, 2e-5);
    EXPECT_NEAR(o.orto->angulo + o.ocaso->angulo, DosPi, 1e-4);
    const auto horizontales = [&](double dia, double& altura, double& acimut) {
        e.DiaJuliano = dia;
        ActualizaTiempo();
        Proyector p = Proyector::DesdeEstado(e);
        p.cosD = 1, p.sinD = 0, p.cosE = 1, p.sinE = 0;  // no view turn: X west, Y north, Z up
        float x = sirio.x, y = sirio.y, z = sirio.z, X, Y, Z;
        p.Proyecta(x, y, z, X, Y, Z);
        altura = std::asin(Z) * GradosPorRadian;
        acimut = std::atan2(-X, Y) * GradosPorRadian + (X > 0 ? 360 : 0);
    };
    double h, a;
    horizontales(o.orto->dia, h, a);
    EXPECT_NEAR(h, -34.0 / 60, 0.05);
    EXPECT_NEAR(a, o.orto->angulo * GradosPorRadian, 0.1);
    horizontales(o.culminacion->dia, h, a);
    EXPECT_NEAR(a, 180, 0.1);
}

TEST_F(RiseAndSet, LinesInLocalTimeInTheirFixedForm) {
    ProgramState& e = Estado();
    e.ZonaHoraria = 1;  // Madrid in winter
    // The PyEphem instants above, local: rise 08:25:07, culmination
    // 13:06:42 at 26.84 deg (true), set 17:48:06, civil 07:54:34 -
    // 18:18:39, nautical 07:20:28 - 18:52:44, astronomical 06:47:26 - 19:25:47.
    EXPECT_EQ(LineasOrtos(calcula("Sol", Madrid, 2461382.5)),
              (std::vector<std::string>{"Orto 08/12/2026 08:25 acimut 120°",
                                        "Culminación 08/12/2026 13:07 altura 27°",
                                        "Ocaso 08/12/2026 17:48 acimut 240°",
                                        "Crepúsculo civil 08/12/2026 07:55 – 18:19",
                                        "Crepúsculo náutico 08/12/2026 07:20 – 18:53",
                                        "Crepúsculo astronómico 08/12/2026 06:47 – 19:26"}));
    e.ZonaHoraria = 2;  // northern Norway's summer time
    const std::vector<std::string> junio = LineasOrtos(calcula("Sol", Norte70, 2461213.2));
    ASSERT_EQ(junio.size(), 5u);
    EXPECT_EQ(junio[0], "Siempre sobre el horizonte");
    EXPECT_TRUE(junio[1].starts_with("Culminación 22/06/2026 ") && junio[1].ends_with(" altura 43°")) << junio[1];
    EXPECT_EQ(junio[4], "Crepúsculo astronómico: toda la noche");
    EXPECT_EQ(LineasOrtos(calcula("Canopus", Norte60, 2461382.5)), std::vector<std::string>{"Nunca sale"});
    EXPECT_EQ(LineasOrtos(calcula("Sol", {88, 0}, 2461395.5))[1], "Crepúsculo civil: no hay");
    // A year before the era, written as the program writes years.
    const std::vector<std::string> antigua = LineasOrtos(calcula("Sirio", Madrid, CalculaJuliana(15, 3, -44, 0, 0)));
    EXPECT_NE(antigua.at(0).find("/03/-44 "), std::string::npos) << antigua[0];
}

TEST_F(RiseAndSet, RowsWithoutAPlaceShowNothing) {
    Estado().DiaJuliano = 2461382.5;
    EXPECT_TRUE(OrtosDeEntrada(0, CuerpoTierra - 1).empty());
    EXPECT_TRUE(OrtosDeEntrada(7, 0).empty());  // open clusters are listed, not placed
    EXPECT_FALSE(OrtosDeEntrada(0, CuerpoLuna - 1).empty());
    Estado().DiaJuliano = 2488200.5;  // 2100: beyond Pluto's series
    EXPECT_TRUE(OrtosDeEntrada(0, 8).empty());
}

}  // namespace
}  // namespace vsp
