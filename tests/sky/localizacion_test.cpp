// Choosing a city and the location texts: the time-zone rule with its
// Spanish and Canary exceptions, and the compass point of the view.
#include "sky/localizacion.h"

#include "motor_nuevo.h"
#include "sky/pasos_vista.h"
#include "sky/tecleo_localizacion.h"

namespace vsp {
namespace {

using Localizacion = MotorFresco<>;

constexpr double Grado = DosPi / 360;

// An index outside the list only clears the selection.
TEST_F(Localizacion, ChoosingACitySetsPlaceAndZone) {
    const struct { const char* ciudad; float zona; } casos[] = {
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
    EXPECT_EQ(e.Tex_Zona, "2.0");
    const double longitud = e.Longitud;
    for (int16_t i : {-1, 178, 32767}) {
        SeleccionaLocalidad(i);
        EXPECT_EQ(e.IndiceLocalidad, -1);
        EXPECT_EQ(e.Longitud, longitud);
    }
    EXPECT_EQ(fechas, 10);

    // A configuration being loaded keeps its own zone.
    e.CargandoConfig = -1;
    e.ZonaHoraria = 3.5f;
    SeleccionaLocalidad(IndiceCiudad("Madrid"));
    EXPECT_EQ(e.ZonaHoraria, 3.5f);
    EXPECT_EQ(e.Tex_Lati, "40° 24' 59\" N");
}

TEST_F(Localizacion, CompassPointAndViewTexts) {
    ProgramState& e = Estado();
    const struct { double grados; const char* rumbo; } casos[] = {
        {0, "N "}, {22.4, "N "}, {22.6, "NE"}, {90, "E "}, {180, "S "}, {247, "SW"},
        {292.6, "NW"}, {337.4, "NW"}, {337.6, "N "}, {359.9, "N "}};
    for (const auto& c : casos) {
        e.Direccion = c.grados * Grado;
        CalculaRumbo();
        EXPECT_EQ(e.NombreRumbo, c.rumbo) << c.grados;
    }
    e.Direccion = 180 * Grado;
    e.Elevacion = 45.4 * Grado;
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

// The pad's view steps: whatever rounding the one-degree steps gather, the
// direction reaches both 0 and 360 degrees and wraps past them, with the
// location dialog's text in step, a full turn shown as 0 as its spin shows
// it (the pad's tests cover the other rows).
TEST_F(Localizacion, BothEndsAreReachedWhateverRoundingTheStepsGathered) {
    ProgramState& e = Estado();
    for (int inicio = 1; inicio < 360; ++inicio) {
        SCOPED_TRACE(inicio);
        e.Direccion = inicio * Grado;
        for (int i = inicio; i < 360; ++i) DireccionMas();
        ASSERT_NEAR(e.Direccion, DosPi, 1e-12);
        ASSERT_EQ(e.Tex_Direc, "N    0°");
        DireccionMas();
        ASSERT_EQ(e.Tex_Direc, "N    1°");
        e.Direccion = inicio * Grado;
        for (int i = inicio; i > 0; --i) DireccionMenos();
        ASSERT_EQ(e.Tex_Direc, "N    0°");
        ASSERT_GE(e.Direccion, 0);
        DireccionMenos();
        ASSERT_EQ(e.Tex_Direc, "N  359°");
    }
}

// The location and personalisation dialogs' overtyped fields read into the
// state: 30 degrees is the widest telescope field, the very value a
// configuration keeps, not a rounding above it.
TEST(TecleoLocalizacion, ATypedTelescopeFieldStaysWithinWhatAConfigurationKeeps) {
    MotorNuevo(false);
    // " 0° 00'" with one key typed at the cursor: the text it leaves and the field, rad.
    const struct { const char* tecleado; int cursor; const char* queda; double campo; } casos[] = {
        {"3 0° 00'", 1, "30° 00'", CampoTelescopioMaximo},
        {" 20° 00'", 2, " 2° 00'", 120 * 0.0002908882086667}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        Estado().Tex_Teles.clear();
        Estado().CampoTelescopio = 0;
        EXPECT_EQ(TecleaCampoTelescopio(c.tecleado, c.cursor).texto, c.queda);
        EXPECT_DOUBLE_EQ(Estado().CampoTelescopio, c.campo);
        EXPECT_LE(Estado().CampoTelescopio, CampoTelescopioMaximo);
    }
}

}  // namespace
}  // namespace vsp
