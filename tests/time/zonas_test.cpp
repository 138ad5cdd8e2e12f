// Automatic local time: a listed city's zone and summer time follow the
// system's time-zone database at every change, and give way to the user's.
#include "time/zonas.h"

#include "motor_nuevo.h"
#include "sky/localizacion.h"
#include "sky/tecleo_localizacion.h"
#include "time/calendario.h"
#include "time/formatos.h"
#include "time/tecleo_fecha.h"
#include "zonas/base_qt.h"

#include <sstream>

namespace vsp {
namespace {

double DiaJulianoDe(int64_t segundosUnix) { return segundosUnix / 86400.0 + 2440587.5; }

// 2026-mm-dd hh:mm UT as a Julian day.
double Utc(int mes, int dia, int hora, int minuto = 0) {
    return CalculaJuliana(static_cast<int16_t>(dia), static_cast<int16_t>(mes), 2026, static_cast<int16_t>(hora),
                          static_cast<int16_t>(minuto));
}

class HoraAutomatica : public MotorEnCarpeta {
protected:
    void SetUp() override {
        MotorEnCarpeta::SetUp();
        InstalaBaseZonasDelSistema();
    }
    void TearDown() override {
        InstalaBaseZonas(nullptr);
        MotorEnCarpeta::TearDown();
    }
    // The place becomes the city and the time the instant, as the dialogs do.
    void en(const std::string& ciudad, double diaJuliano) {
        SeleccionaLocalidad(IndiceCiudad(ciudad));
        Estado().DiaJuliano = diaJuliano;
        ActualizaTiempo();
    }
    ReglaHoraria regla() const { return {Estado().ZonaHoraria, Estado().HorarioVerano}; }
};

// Half an hour before and after each change of 2026, in both hemispheres,
// and a zone that has none.
TEST_F(HoraAutomatica, ZoneAndSummerTimeFollowEachChangeOfBothHemispheres) {
    const struct {
        const char* ciudad;
        double cambio;
        ReglaHoraria antes, despues;
    } casos[] = {
        {"Madrid", Utc(3, 29, 1), {1, 0}, {1, 1}},
        {"Madrid", Utc(10, 25, 1), {1, 1}, {1, 0}},
        {"Nueva York", Utc(3, 8, 7), {-5, 0}, {-5, 1}},
        {"Nueva York", Utc(11, 1, 6), {-5, 1}, {-5, 0}},
        {"Santiago", Utc(4, 5, 3), {-4, 1}, {-4, 0}},
        {"Santiago", Utc(9, 6, 4), {-4, 0}, {-4, 1}},
        {"Auckland", Utc(4, 4, 14), {12, 1}, {12, 0}},
        {"Auckland", Utc(9, 26, 14), {12, 0}, {12, 1}},
        {"Tokio", Utc(3, 29, 1), {9, 0}, {9, 0}},
        {"Tokio", Utc(8, 15, 12), {9, 0}, {9, 0}},
    };
    constexpr double MediaHora = 1.0 / 48;
    for (const auto& c : casos) {
        en(c.ciudad, c.cambio - MediaHora);
        EXPECT_EQ(regla(), c.antes) << c.ciudad << " before " << c.cambio;
        en(c.ciudad, c.cambio + MediaHora);
        EXPECT_EQ(regla(), c.despues) << c.ciudad << " after " << c.cambio;
        EXPECT_NEAR(DiaJulianoLocal() - Estado().DiaJuliano, (c.despues.zona + c.despues.verano) / 24.0, 1e-9);
    }
    EXPECT_EQ(TextoReglaHoraria(), "Automática: Asia/Tokyo");

    // Argentina's summer of 1999: the clocks stayed at -3 while the standard
    // time became -4, which the database records as summer time.
    en("Buenos Aires", DiaJulianoDe(939652885));
    EXPECT_EQ(regla(), (ReglaHoraria{-4, 1}));
}

// Every city against Python's reading of the same database, at instants
// from 1975 to 2024 (tools/referencias_zonas.py).
TEST_F(HoraAutomatica, EveryCityAgreesWithAnIndependentReadingOfTheDatabase) {
    std::istringstream tabla(ContenidoDe(std::string(VESPERA_PRUEBAS) + "/time/zonas_referencia.txt"));
    int filas = 0;
    std::string linea;
    while (std::getline(tabla, linea)) {
        if (linea.empty() || linea[0] == '#') continue;
        std::istringstream campos(linea);
        int ciudad, minutos, verano;
        int64_t segundos;
        ASSERT_TRUE(campos >> ciudad >> segundos >> minutos >> verano) << linea;
        SeleccionaLocalidad(static_cast<int16_t>(ciudad));
        Estado().DiaJuliano = DiaJulianoDe(segundos);
        ActualizaTiempo();
        const ProgramState& e = Estado();
        ASSERT_EQ(std::lround((e.ZonaHoraria + e.HorarioVerano) * 60), minutos) << linea;
        ASSERT_EQ(e.HorarioVerano, verano) << linea;
        ++filas;
    }
    EXPECT_EQ(filas, 4 * NumLocalidades);
}

// Before a zone's first change, and in the millennia before, there is no
// rule but local mean time: the zone's standard time stands in for it.
TEST_F(HoraAutomatica, CenturiesBeforeTheDatabaseGetTheStandardZoneWithoutSummerTime) {
    for (int16_t ano : {1850, 1200, -3000}) {
        en("Madrid", CalculaJuliana(1, 7, ano, 12, 0));
        EXPECT_EQ(regla(), (ReglaHoraria{1, 0})) << ano;
        en("Sídney", CalculaJuliana(1, 1, ano, 12, 0));
        EXPECT_EQ(regla(), (ReglaHoraria{10, 0})) << ano;
    }
}

TEST_F(HoraAutomatica, TheUsersZoneRulesOffTheListOrWithTheSettingOff) {
    ProgramState& e = Estado();
    en("Tokio", Utc(12, 8, 3));
    e.HorarioVerano = 1;  // as the initial situation left it
    MuestraFechaHora();
    EXPECT_EQ(regla(), (ReglaHoraria{9, 0}));

    // A typed latitude moves the place off the city: its zone stays, now the
    // user's, and a summer hour set by hand is kept.
    std::string texto = e.Tex_Lati;
    texto.insert(0, "4");  // 35° N becomes 45° N
    TecleaLatitud(texto, 1);
    EXPECT_EQ(ZonaAutomatica(), "");
    EXPECT_EQ(TextoReglaHoraria(), "Manual");
    e.HorarioVerano = 1;
    MuestraFechaHora();
    EXPECT_EQ(regla(), (ReglaHoraria{9, 1}));

    // Back on a city; then the setting off keeps whatever was last set.
    en("Madrid", Utc(7, 1, 12));
    EXPECT_EQ(regla(), (ReglaHoraria{1, 1}));
    e.HoraLocalAutomatica = Falso;
    e.DiaJuliano = Utc(1, 1, 12);
    ActualizaTiempo();
    EXPECT_EQ(regla(), (ReglaHoraria{1, 1}));
    EXPECT_EQ(TextoReglaHoraria(), "Manual");
}

// A zone typed or spun by hand is a manual choice, and the preferences hear
// of it; leaving the field as it was is not.
TEST_F(HoraAutomatica, AZoneChosenByHandSwitchesToManual) {
    ProgramState& e = Estado();
    int guardadas = 0;
    avisos().Preferencias = [&] { ++guardadas; };
    en("Katmandú", Utc(7, 1, 12));
    EXPECT_EQ(e.Tex_Zona, "5.75");  // a quarter-hour zone shows both decimals
    CambiaZona(e.Tex_Zona);
    EXPECT_EQ(e.HoraLocalAutomatica, Verdadero);
    EXPECT_EQ(e.ZonaHoraria, 5.75f);
    CambiaZona("6");
    EXPECT_EQ(e.HoraLocalAutomatica, Falso);
    EXPECT_EQ(regla(), (ReglaHoraria{6, 0}));
    EXPECT_EQ(guardadas, 1);
    en("Katmandú", Utc(7, 1, 12));
    EXPECT_EQ(e.ZonaHoraria, 6.0f);  // the city's longitude rule, the user's now
}

// A local time typed, and the noon and midnight buttons, take the offset in
// force at that local time, across a change.
TEST_F(HoraAutomatica, LocalTimesAreReadWithTheOffsetOfTheirOwnDate) {
    ProgramState& e = Estado();
    en("Madrid", Utc(3, 28, 12));  // Saturday 13:00, winter time
    Mediodia(e.DiaJuliano);        // Sunday's noon is summer time
    EXPECT_NEAR(e.DiaJuliano, Utc(3, 29, 10), 1e-9);
    EXPECT_EQ(regla(), (ReglaHoraria{1, 1}));
    Medianoche(Utc(10, 24, 12));  // the night the clocks go back
    EXPECT_NEAR(e.DiaJuliano, Utc(10, 24, 22), 1e-9);

    const auto local = [](int mes, int dia, int hora, int minuto) {
        LeeCampoHora(FilaLocal, {Formato(dia, "00"), Formato(mes, "00"), "2026",
                                 Formato(hora, "00") + ":" + Formato(minuto, "00")});
        return Estado().DiaJuliano;
    };
    e.FormatoHora = 1;
    EXPECT_NEAR(local(7, 1, 12, 0), Utc(7, 1, 10), 1e-9);
    EXPECT_NEAR(local(1, 1, 12, 0), Utc(1, 1, 11), 1e-9);
    EXPECT_NEAR(local(10, 25, 2, 30), Utc(10, 25, 0, 30), 1e-9);  // the repeated hour: its first pass
    EXPECT_NEAR(local(3, 29, 2, 30), Utc(3, 29, 1, 30), 1e-9);    // skipped: read as winter time
}

// A situation saved with the wrong summer time for its date loads right,
// and is saved back consistent.
TEST_F(HoraAutomatica, ALoadedSituationIsPutRightAndSavedConsistent) {
    ProgramState& e = Estado();
    en("Madrid", Utc(1, 15, 20));
    e.HorarioVerano = 1;
    e.HoraLocalAutomatica = Falso;
    e.NombreConfig = "enero.vpc";
    GuardaConfig();
    e.HoraLocalAutomatica = Verdadero;
    e.HorarioVerano = 0;
    e.ZonaHoraria = 5;
    CargaConfig();
    EXPECT_EQ(regla(), (ReglaHoraria{1, 0}));
    GuardaConfig();
    e.HoraLocalAutomatica = Falso;
    CargaConfig();
    EXPECT_EQ(regla(), (ReglaHoraria{1, 0}));

    // Stored coordinates off the city's keep the stored zone, as typed.
    e.Latitud += 0.01;
    e.ZonaHoraria = 3;
    GuardaConfig();
    e.HoraLocalAutomatica = Verdadero;
    CargaConfig();
    EXPECT_EQ(regla(), (ReglaHoraria{3, 0}));
}

}  // namespace
}  // namespace vsp
