// The location dialog's typed fields: keys typed over the latitude and
// longitude boxes, and the direction, elevation and zoom boxes read back.
#include "sky/tecleo_localizacion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "core/texto.h"
#include "sky/localizacion.h"

namespace vsp {
namespace {

constexpr double Segundo = 4.8481368e-6;

class TecleoLocalizacion : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        CreaTablas();
        ProgramState& e = Estado();
        e.Latitud = 45 * 3600 * Segundo;
        e.Longitud = 0;
        e.Zoom = 1;
        MuestraLocalizacion();
    }

    // Types `teclas` into a box from `cursor` on, as the text box hands each
    // key to the field: the character inserted at the cursor.
    template <class Teclea>
    static Sobrescrito escribe(Teclea teclea, std::string texto, int cursor, const std::string& teclas) {
        Sobrescrito r{texto, cursor};
        for (const char c : teclas) {
            const std::string nuevo = leftChars(r.texto, r.cursor) + c + midChars(r.texto, r.cursor, 99);
            r = teclea(nuevo, r.cursor + 1);
        }
        return r;
    }
};

TEST_F(TecleoLocalizacion, LatitudeIsTypedOverWithinItsBounds) {
    ProgramState& e = Estado();
    ASSERT_EQ(e.Tex_Lati, "45° 00' 00\" N");
    struct Caso {
        int cursor;
        const char* teclas;
        const char* texto;
        int cursorFinal;
        double segundos;  // signed, north positive
    } casos[] = {
        {0, "40", "40° 00' 00\" N", 4, 40 * 3600},            // the cursor jumps to the minutes
        {0, "4025", "40° 25' 00\" N", 8, 40 * 3600 + 25 * 60},
        {0, "402500s", "40° 25' 00\" S", 13, -(40 * 3600 + 25 * 60)},
        {0, "9", "90° 00' 00\" N", 1, 90 * 3600},             // 95 is 90, with 00' 00"
        {4, "7", "45° 59' 00\" N", 5, 45 * 3600 + 59 * 60},   // 70 minutes are 59
        {4, "75", "45° 55' 00\" N", 8, 45 * 3600 + 55 * 60},
        {0, "x", "45° 00' 00\" N", 0, 45 * 3600},             // not a digit
        {2, "5", "45° 00' 00\" N", 2, 45 * 3600},             // over the degree sign
        {12, "E", "45° 00' 00\" N", 12, 45 * 3600},           // not a latitude's letter
        {13, "1", "45° 00' 00\" N", 13, 45 * 3600},           // past the end
        {0, "000000s", "00° 00' 00\" S", 13, 0},
    };
    for (const Caso& c : casos) {
        e.Latitud = 45 * 3600 * Segundo;
        e.Tex_Lati = "45° 00' 00\" N";
        const Sobrescrito r = escribe(TecleaLatitud, e.Tex_Lati, c.cursor, c.teclas);
        EXPECT_EQ(r.texto, c.texto) << c.teclas;
        EXPECT_EQ(r.cursor, c.cursorFinal) << c.teclas;
        EXPECT_EQ(e.Tex_Lati, r.texto) << c.teclas;
        EXPECT_NEAR(e.Latitud, c.segundos * Segundo, 1e-12) << c.teclas;
    }
    // A deletion and a paste are undone; the cursor stays where they left it.
    e.Tex_Lati = "45° 00' 00\" N";
    Sobrescrito r = TecleaLatitud("45° 0' 00\" N", 4);
    EXPECT_EQ(r.texto, "45° 00' 00\" N");
    EXPECT_EQ(r.cursor, 4);
    r = TecleaLatitud("1234545° 00' 00\" N", 5);
    EXPECT_EQ(r.texto, "45° 00' 00\" N");
    EXPECT_EQ(r.cursor, 0);
    r = TecleaLatitud("", 0);
    EXPECT_EQ(r.texto, "45° 00' 00\" N");
}

TEST_F(TecleoLocalizacion, LongitudeEastAndWest) {
    ProgramState& e = Estado();
    ASSERT_EQ(e.Tex_Longi, "  0° 00' 00\" O");
    struct Caso {
        const char* teclas;  // from the first character
        const char* texto;
        double longitud;     // as stored, westward
    } casos[] = {
        {"003421300o", "003° 42' 13\" O", (3 * 3600 + 42 * 60 + 13) * Segundo},
        {"002100000e", "002° 10' 00\" E", DosPi - (2 * 3600 + 10 * 60) * Segundo},
        {"0750000000w", "075° 00' 00\" O", 75 * 3600 * Segundo},
        {"1812", "180° 00' 00\" O", 180 * 3600 * Segundo},
        {"000000000E", "000° 00' 00\" E", 0},  // 0 degrees east is 0, never 2 pi
        {"1795959E", "179° 59' 59\" E", DosPi - (179 * 3600 + 59 * 60 + 59) * Segundo},
    };
    for (const Caso& c : casos) {
        const Sobrescrito r = escribe(TecleaLongitud, e.Tex_Longi, 0, c.teclas);
        EXPECT_EQ(r.texto, c.texto) << c.teclas;
        EXPECT_NEAR(e.Longitud, c.longitud, 1e-12) << c.teclas;
        EXPECT_GE(e.Longitud, 0) << c.teclas;
        EXPECT_LT(e.Longitud, DosPi) << c.teclas;
    }
}

TEST_F(TecleoLocalizacion, DirectionElevationAndZoomBoxes) {
    ProgramState& e = Estado();
    struct Direccion {
        const char* tecleado;
        int grados;
        const char* texto;
    } direcciones[] = {
        {"NE", 45, "NE  45°"},  {"200 NE", 200, "S  200°"}, {"O", 270, "W  270°"}, {"w", 270, "W  270°"},
        {"no", 315, "NW 315°"}, {"S  180°", 180, "S  180°"}, {"400", 359, "N  359°"}, {"-10", 0, "N    0°"},
        {"xyz", 0, "N    0°"},  {"", 0, "N    0°"},           {"90.9", 90, "E   90°"},
    };
    for (const Direccion& c : direcciones) {
        LeeDireccion(c.tecleado);
        EXPECT_NEAR(e.Direccion, c.grados * RadianesPorGrado, 1e-12) << c.tecleado;
        EXPECT_EQ(e.Tex_Direc, c.texto) << c.tecleado;
        EXPECT_DOUBLE_EQ(e.DireccionMenosPi, e.Direccion - Pi);
    }
    struct Elevacion {
        const char* tecleado;
        const char* texto;
    } elevaciones[] = {{"45°", "45°"}, {"45.9", "45°"}, {"95", "90°"}, {"-5", " 0°"}, {"", " 0°"}, {"abc", " 0°"}};
    for (const Elevacion& c : elevaciones) {
        LeeElevacion(c.tecleado);
        EXPECT_EQ(e.Tex_Eleva, c.texto) << c.tecleado;
        EXPECT_GE(e.Elevacion, 0);
        EXPECT_LE(e.Elevacion, MedioPi);
    }
    struct Zoom {
        const char* tecleado;
        float zoom;
    } zooms[] = {{"7.3", 7.0f}, {"7,5", 7.5f}, {"15.5", 15.0f}, {"0.5", 1.0f}, {"-3", 1.0f}, {"", 1.0f}, {"1e9", 1.0f}};
    for (const Zoom& c : zooms) {
        LeeZoom(c.tecleado);
        EXPECT_EQ(e.Zoom, c.zoom) << c.tecleado;
    }
    EXPECT_EQ(e.Tex_Zoom, "1.0");
}

}  // namespace
}  // namespace vsp
