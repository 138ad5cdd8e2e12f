// Choosing a city and the location texts: the time-zone rule with its
// Spanish and Canary exceptions, and the compass point of the view.
#include "sky/localizacion.h"

#include <gtest/gtest.h>

#include "motor_nuevo.h"

namespace vsp {
namespace {

class Localizacion : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
    }
    void TearDown() override { ReiniciaAvisos(); }
};

TEST_F(Localizacion, ChoosingACitySetsPlaceAndZone) {
    struct Caso { const char* ciudad; float zona; } casos[] = {
        {"Madrid", 1},   {"A Coruña", 1},      {"Las Palmas G.C.", 0}, {"S.C. Tenerife", 0},
        {"Londres", 0},  {"Nueva York", -5},   {"Tokio", 9},           {"Buenos Aires", -4},
        {"Sídney", 10},  {"Helsinki", 2}};
    ProgramState& e = Estado();
    int fechas = 0;
    avisos().FechaHora = [&](const CamposFechaHora&) { ++fechas; };
    for (const auto& c : casos) {
        const int16_t i = IndiceCiudad(c.ciudad);
        SeleccionaLocalidad(i);
        EXPECT_EQ(e.IndiceLocalidad, i);
        EXPECT_EQ(e.Longitud, static_cast<double>(e.Localidades[i].Longitud)) << c.ciudad;
        EXPECT_EQ(e.Latitud, static_cast<double>(e.Localidades[i].Latitud)) << c.ciudad;
        EXPECT_EQ(e.ZonaHoraria, c.zona) << c.ciudad;
    }
    EXPECT_EQ(fechas, 10);
    EXPECT_EQ(e.Tex_Zona, "2.0");

    // A configuration being loaded keeps its own zone.
    e.CargandoConfig = -1;
    e.ZonaHoraria = 3.5f;
    SeleccionaLocalidad(IndiceCiudad("Madrid"));
    EXPECT_EQ(e.ZonaHoraria, 3.5f);
    EXPECT_EQ(e.Tex_Lati, "40° 24' 59\" N");
}

TEST_F(Localizacion, AnIndexOutsideTheListOnlyClearsTheSelection) {
    ProgramState& e = Estado();
    SeleccionaLocalidad(95);
    const double longitud = e.Longitud;
    for (int16_t i : {-1, 178, 32767}) {
        SeleccionaLocalidad(i);
        EXPECT_EQ(e.IndiceLocalidad, -1);
        EXPECT_EQ(e.Longitud, longitud);
    }
}

TEST_F(Localizacion, CompassPointAndViewTexts) {
    ProgramState& e = Estado();
    const double grado = 0.01745329252;
    struct Caso { double grados; const char* rumbo; } casos[] = {
        {0, "N "}, {22.4, "N "}, {22.6, "NE"}, {90, "E "}, {180, "S "}, {247, "SW"},
        {292.6, "NW"}, {337.4, "NW"}, {337.6, "N "}, {359.9, "N "}};
    for (const auto& c : casos) {
        e.Direccion = c.grados * grado;
        CalculaRumbo();
        EXPECT_EQ(e.NombreRumbo, c.rumbo) << c.grados;
    }
    e.Direccion = 180 * grado;
    e.Elevacion = 45.4 * grado;
    e.Zoom = 2.5f;
    e.ZonaHoraria = -5.5f;
    int diales = 0;
    avisos().Localizacion = [&] { ++diales; };
    MuestraLocalizacion();
    EXPECT_EQ(e.Tex_Direc, "S  180°");
    EXPECT_EQ(e.Tex_Eleva, "45°");
    EXPECT_EQ(e.Tex_Zoom, "2.5");
    EXPECT_EQ(e.Tex_Zona, "-5.5");
    EXPECT_EQ(diales, 1);
}

}  // namespace
}  // namespace vsp
