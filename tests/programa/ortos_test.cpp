// Rise, culmination and set: the instants agree with an independent
// ephemeris, the events keep their geometry (the altitude at a rise is the
// horizon's, a star culminates halfway between rise and set), the cases
// with no rise or no set, and the lines the dialog and the command print.
#include "programa/ortos.h"

#include "motor_nuevo.h"
#include "programa/busqueda.h"
#include "sky/cuerpos.h"
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
// use_center=True and horizons '-6', '-12', '-18', the end being
// next_setting from the start; the stars as FixedBody with this
// catalogue's J2000 places (Sirius 1.76779514, -0.29175099 rad), so that
// only the computation is compared.
enum Evento { Orto, Culminacion, Ocaso, Inicio0, Fin0, Inicio1, Fin1, Inicio2, Fin2 };
struct Referencia {
    const char* objeto;
    Sitio sitio;
    double dia;
    Evento evento;
    double esperado;
};
const Referencia Referencias[] = {
    {"Sirio", Madrid, 2461382.5, Orto, 2461383.365883},
    {"Sirio", Madrid, 2461382.5, Culminacion, 2461382.579035},
    {"Sirio", Madrid, 2461382.5, Ocaso, 2461382.789456},
    {"Sirio", BuenosAires, 2461200.8, Orto, 2461200.942851},
    {"Sirio", BuenosAires, 2461200.8, Culminacion, 2461201.227396},
    {"Sirio", BuenosAires, 2461200.8, Ocaso, 2461201.511940},
    {"Marte", Madrid, 2461382.5, Orto, 2461383.450410},
    {"Marte", Madrid, 2461382.5, Culminacion, 2461382.733238},
    {"Marte", Madrid, 2461382.5, Ocaso, 2461383.014315},
    {"Júpiter", BuenosAires, 2461382.5, Orto, 2461382.637859},
    {"Júpiter", BuenosAires, 2461382.5, Culminacion, 2461382.863191},
    {"Júpiter", BuenosAires, 2461382.5, Ocaso, 2461383.088523},
    {"Júpiter", Madrid, 2461213.2, Orto, 2461213.788604},
    {"Júpiter", Madrid, 2461213.2, Ocaso, 2461213.399736},
    {"Sol", Madrid, 2461382.5, Orto, 2461382.809106},
    {"Sol", Madrid, 2461382.5, Culminacion, 2461383.004648},
    {"Sol", Madrid, 2461382.5, Ocaso, 2461383.200072},
    {"Sol", Madrid, 2461382.5, Inicio0, 2461382.787898},
    {"Sol", Madrid, 2461382.5, Fin0, 2461383.221279},
    {"Sol", Madrid, 2461382.5, Inicio1, 2461382.764218},
    {"Sol", Madrid, 2461382.5, Fin1, 2461383.244957},
    {"Sol", Madrid, 2461382.5, Inicio2, 2461382.741270},
    {"Sol", Madrid, 2461382.5, Fin2, 2461383.267902},
    {"Sol", BuenosAires, 2461213.2, Orto, 2461213.958737},
    {"Sol", BuenosAires, 2461213.2, Ocaso, 2461213.368323},
    {"Sol", BuenosAires, 2461213.2, Inicio2, 2461213.896014},
    {"Sol", BuenosAires, 2461213.2, Fin2, 2461214.431212},
    {"Sol", Madrid, 2461213.2, Orto, 2461213.697931},  // the solstice
    {"Sol", Madrid, 2461213.2, Ocaso, 2461213.325330},
    {"Sol", Norte60, 2461213.2, Inicio0, 2461213.506548},
    {"Sol", Norte60, 2461213.2, Fin0, 2461214.440504},
    {"Sol", Norte70, 2461395.5, Inicio0, 2461395.857213},  // the polar night's noon twilight
    {"Sol", Norte70, 2461395.5, Fin0, 2461396.028940},
    {"Sol", Norte70, 2461395.5, Inicio2, 2461395.726088},
    {"Sol", Norte70, 2461395.5, Fin2, 2461396.160063},
    {"Luna", Madrid, 2461382.5, Orto, 2461382.798070},
    {"Luna", Madrid, 2461382.5, Culminacion, 2461382.984426},
    {"Luna", Madrid, 2461382.5, Ocaso, 2461383.168930},
    {"Luna", Madrid, 2461200.8, Orto, 2461201.548158},
    {"Luna", Madrid, 2461200.8, Culminacion, 2461201.821665},
    {"Luna", Madrid, 2461200.8, Ocaso, 2461201.055323},
    {"Luna", BuenosAires, 2461213.2, Orto, 2461214.169221},
    {"Luna", BuenosAires, 2461213.2, Culminacion, 2461213.410453},
    {"Luna", BuenosAires, 2461213.2, Ocaso, 2461213.675381},
    {"Luna", BuenosAires, 2461390.1, Orto, 2461391.136472},
    {"Luna", BuenosAires, 2461390.1, Ocaso, 2461390.638098},
};

std::optional<double> instante(const Ortos& o, Evento e) {
    const auto dia = [](const std::optional<Suceso>& s) { return s ? std::optional(s->dia) : std::nullopt; };
    switch (e) {
    case Orto: return dia(o.orto);
    case Culminacion: return dia(o.culminacion);
    case Ocaso: return dia(o.ocaso);
    default: {
        const TramoCrepusculo& c = o.crepusculos[(e - Inicio0) / 2];
        return (e - Inicio0) % 2 == 0 ? c.inicio : c.fin;
    }
    }
}

TEST_F(RiseAndSet, EveryEventFallsWithinAMinuteOfPyEphem) {
    for (const Referencia& r : Referencias) {
        const Ortos o = calcula(r.objeto, r.sitio, r.dia);
        const std::optional<double> t = instante(o, r.evento);
        ASSERT_TRUE(t) << r.objeto << " " << r.dia << " event " << r.evento;
        EXPECT_NEAR(*t, r.esperado, Minuto) << r.objeto << " " << r.dia << " event " << r.evento << ": "
                                            << (*t - r.esperado) * 1440 << " min";
    }
}

TEST_F(RiseAndSet, WhatNeverRisesOrNeverSetsIsToldSo) {
    // Canopus (-52.7 deg) from 60 deg N; Polaris and Kochab from Madrid, in
    // winter and in summer.
    EXPECT_EQ(calcula("Canopus", Norte60, 2461382.5).curso, Curso::NuncaSale);
    for (const double dia : {2461382.5, 2461200.8}) {
        for (const char* estrella : {"Polar", "Kochab"}) {
            const Ortos o = calcula(estrella, Madrid, dia);
            EXPECT_EQ(o.curso, Curso::SiempreSobre) << estrella;
            EXPECT_TRUE(o.culminacion && !o.orto && !o.ocaso) << estrella;
        }
    }
    // PyEphem's transits of Kochab and Polaris; Polaris, 0.74 deg from the
    // pole, moves 77 times faster in right ascension than on the sky, where
    // its annual aberration and nutation, not in the chart's star places,
    // reach 20": the minute and a half they make is allowed for.
    EXPECT_NEAR(calcula("Kochab", Madrid, 2461200.8).culminacion->dia, 2461201.411422, Minuto);
    EXPECT_NEAR(calcula("Polar", Madrid, 2461382.5).culminacion->dia, 2461383.425664, 2 * Minuto);

    // The Sun at 70 deg N: midnight sun at the solstice, twilight all
    // night; polar night in December, with its midday twilights.
    const Ortos junio = calcula("Sol", Norte70, 2461213.2);
    EXPECT_EQ(junio.curso, Curso::SiempreSobre);
    for (const TramoCrepusculo& c : junio.crepusculos) EXPECT_EQ(c.tipo, Crepusculo::TodaLaNoche);
    const Ortos diciembre = calcula("Sol", Norte70, 2461395.5);
    EXPECT_EQ(diciembre.curso, Curso::NuncaSale);
    EXPECT_FALSE(diciembre.culminacion);
    for (const TramoCrepusculo& c : diciembre.crepusculos) EXPECT_EQ(c.tipo, Crepusculo::Normal);
    // At 60 deg N in June the Sun sets but the sky stays light.
    const Ortos blanca = calcula("Sol", Norte60, 2461213.2);
    EXPECT_EQ(blanca.crepusculos[0].tipo, Crepusculo::Normal);
    EXPECT_EQ(blanca.crepusculos[1].tipo, Crepusculo::TodaLaNoche);
    // Near the pole in the winter solstice not even astronomical twilight.
    const Ortos polo = calcula("Sol", {88, 0}, 2461395.5);
    for (const TramoCrepusculo& c : polo.crepusculos) EXPECT_EQ(c.tipo, Crepusculo::NoHay);
}

TEST_F(RiseAndSet, AStarCulminatesHalfwayAndRisesWhereItSetsMirrored) {
    // Sirius from Madrid, from an instant before it rises: rise, then
    // culmination, then set, the culmination halfway (the star's place
    // does not move), the azimuths symmetric about the meridian.
    const Ortos o = calcula("Sirio", Madrid, 2461382.8);
    ASSERT_TRUE(o.orto && o.culminacion && o.ocaso);
    EXPECT_LT(o.orto->dia, o.culminacion->dia);
    EXPECT_LT(o.culminacion->dia, o.ocaso->dia);
    EXPECT_NEAR(o.culminacion->dia - o.orto->dia, o.ocaso->dia - o.culminacion->dia, 2e-5);
    EXPECT_NEAR(o.orto->angulo + o.ocaso->angulo, DosPi, 1e-4);
    // A day later everything comes about four minutes earlier (a sidereal day).
    const Ortos despues = calcula("Sirio", Madrid, 2461383.8);
    EXPECT_NEAR(despues.orto->dia - o.orto->dia, DiaSidereo, 1e-4);
}

TEST_F(RiseAndSet, AtTheFoundRiseTheChartPutsTheStarOnTheHorizon) {
    // The chart's own chain (its sidereal time, precession and latitude
    // rotation) at the instants found: the star stands 34' under the
    // horizon, and at culmination on the meridian, south.
    ProgramState& e = Estado();
    e.Latitud = Madrid.latitud * RadianesPorGrado;
    e.Longitud = -Madrid.longitud * RadianesPorGrado;
    e.Precesion = Activado;
    const ObjetoOrto sirio = objeto("Sirio");
    const Ortos o = CalculaOrtos(sirio, 2461382.5, e.Latitud, DosPi - e.Longitud);
    const auto horizontales = [&](double dia, double& altura, double& acimut) {
        e.DiaJuliano = dia;
        ActualizaTiempo();
        Proyector p = Proyector::DesdeEstado(e);
        // Looking south at the zenith, the view turns nothing: X west, Y north, Z up.
        p.cosD = 1, p.sinD = 0, p.cosE = 1, p.sinE = 0;
        float x = sirio.x, y = sirio.y, z = sirio.z, X, Y, Z;
        p.Proyecta(x, y, z, X, Y, Z);
        altura = std::asin(Z) * GradosPorRadian;
        acimut = std::atan2(-X, Y) * GradosPorRadian;
        if (acimut < 0) acimut += 360;
    };
    double h, a;
    horizontales(o.orto->dia, h, a);
    EXPECT_NEAR(h, -34.0 / 60, 0.05);
    EXPECT_NEAR(a, o.orto->angulo * GradosPorRadian, 0.1);
    horizontales(o.culminacion->dia, h, a);
    EXPECT_NEAR(a, 180, 0.1);
}

TEST_F(RiseAndSet, ACircumpolarStarCulminatesAtNinetyLessItsDistanceFromTheZenith) {
    // Kochab, upper transit north of the zenith: 90 - |phi - delta| with
    // its declination of the date as the chart has it, plus a refraction
    // under a minute of arc at those heights.
    ProgramState& e = Estado();
    e.DiaJuliano = 2461200.8;
    e.Precesion = Activado;
    ActualizaTiempo();
    const ObjetoOrto k = objeto("Kochab");
    double ar, dec;
    AngulosEnCarta(k.x, k.y, k.z, ar, dec);
    for (const double latitud : {40.0, 55.0, 70.0}) {
        const Ortos o = CalculaOrtos(k, e.DiaJuliano, latitud * RadianesPorGrado, 0);
        ASSERT_TRUE(o.culminacion);
        const double esperada = 90 - std::abs(latitud - dec * GradosPorRadian);
        EXPECT_NEAR(o.culminacion->angulo * GradosPorRadian, esperada + 0.01, 0.01) << latitud;
    }
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
    e.ZonaHoraria = 0;
    const std::vector<std::string> antigua = LineasOrtos(calcula("Sirio", Madrid, CalculaJuliana(15, 3, -44, 0, 0)));
    ASSERT_EQ(antigua.size(), 3u);
    EXPECT_TRUE(antigua[0].starts_with("Orto ") && antigua[0].find("/03/-44 ") != std::string::npos) << antigua[0];
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
