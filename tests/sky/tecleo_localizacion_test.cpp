// The location and personalisation dialogs' overtyped fields read into the
// state.
#include "sky/tecleo_localizacion.h"

#include <gtest/gtest.h>

#include "core/constantes.h"
#include "motor_nuevo.h"

namespace vsp {
namespace {

// 30 degrees is the widest telescope field, the very value a configuration
// keeps, not a rounding above it.
TEST(TecleoLocalizacion, ATypedTelescopeFieldStaysWithinWhatAConfigurationKeeps) {
    MotorNuevo(false);
    struct Caso {
        const char* tecleado;  // " 0° 00'" with one key typed at the cursor
        int cursor;
        const char* queda;
        double campo;  // rad
    } casos[] = {{"3 0° 00'", 1, "30° 00'", CampoTelescopioMaximo},
                 {" 20° 00'", 2, " 2° 00'", 120 * 0.0002908882086667}};
    for (const Caso& c : casos) {
        Estado().Tex_Teles.clear();
        Estado().CampoTelescopio = 0;
        EXPECT_EQ(TecleaCampoTelescopio(c.tecleado, c.cursor).texto, c.queda);
        EXPECT_DOUBLE_EQ(Estado().CampoTelescopio, c.campo) << c.tecleado;
        EXPECT_LE(Estado().CampoTelescopio, CampoTelescopioMaximo) << c.tecleado;
    }
}

}  // namespace
}  // namespace vsp
