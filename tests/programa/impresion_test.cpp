// The print sizes held to the page at 4:3, typed or spun, and the data
// strip's texts.
#include "programa/impresion.h"

#include <gtest/gtest.h>

#include "motor_nuevo.h"

#include "core/constantes.h"
#include "core/estado.h"
#include "sky/localizacion.h"

namespace vsp {
namespace {

TEST(Impresion, SizesAreHeldToThePageAndTheHeightFollowsTheWidthAtFourToThree) {
    struct Caso {
        int16_t anchoMax, altoMax;
        const char* tecleado;
        int16_t ancho, alto;
    } casos[] = {
        {202, 289, "120", 120, 90},   // the height follows whatever it held
        {202, 289, "50", 100, 75},    // least width
        {202, 289, "999", 202, 151},  // the page's width
        {277, 190, "277", 277, 190},  // landscape: the height is cut to the page
        {98, 140, "120", 98, 75},     // a page narrower than the least width wins
        {202, 289, "abc", 100, 75},
        {0, 0, "5000", 2000, 1500},   // no page known: what a configuration keeps
    };
    for (const Caso& c : casos) {
        MotorNuevo(false);
        ProgramState& e = Estado();
        e.AnchoMaximoMm = c.anchoMax;
        e.AltoMaximoMm = c.altoMax;
        e.AltoImpresion = 200;
        LeeAnchoImpresion(c.tecleado);
        EXPECT_EQ(e.AnchoImpresion, c.ancho) << c.tecleado;
        EXPECT_EQ(e.AltoImpresion, c.alto) << c.tecleado;
        // A step of either spin moves 5 mm at most and stays on the page.
        PasoAnchoImpresion(+1);
        EXPECT_EQ(e.AnchoImpresion, std::min(c.ancho + 5, c.anchoMax ? int{c.anchoMax} : ImpresionMaximaMm)) << c.tecleado;
        PasoAltoImpresion(-1);
        EXPECT_TRUE(e.AltoImpresion >= 75 && (c.altoMax == 0 || e.AltoImpresion <= c.altoMax)) << c.tecleado;
    }
}

TEST(Impresion, TheStripNamesTheChosenCityAndCutsTheAmPmTimes) {
    MotorNuevo();
    ProgramState& e = Estado();
    SeleccionaLocalidad(IndiceCiudad("Madrid"));
    e.Longitud = 1 * RadianesPorGrado;  // moved by hand afterwards: the city stays
    e.DiaJuliano = 2451545.0;            // 1 January 2000, 12:00 UT
    e.ZonaHoraria = 1;
    e.HorarioVerano = 0;
    e.Direccion = Pi;
    e.Elevacion = 45 * RadianesPorGrado;
    e.Zoom = 2.5f;
    e.FormatoHora = 1;
    auto textos = TextosTira();
    const char* esperados[9] = {"", "T.U. =  01 / 01 /  2000  -  12:00", "F.L. =  01 / 01 /  2000  -  13:00",
                                "F.J. =  2451545.000000", "Longitud: 1° 00' 00\" O", "Latitud: 40° 24' 59\" N",
                                "Dirección: 180° S", "Elevación: 45°", "Zoom: 2.5"};
    EXPECT_TRUE(textos[0].texto.starts_with("Madrid") && !textos[0].texto.ends_with(" ")) << textos[0].texto;
    for (int i = 1; i < 9; ++i) EXPECT_EQ(textos[i].texto, esperados[i]);
    for (const TextoTira& t : textos) EXPECT_LT(t.x, t.fin);

    e.FormatoHora = 2;
    textos = TextosTira();
    EXPECT_EQ(textos[1].texto, "T.U. =  01 / 01 /  2000  -  00:00 P");
    EXPECT_EQ(textos[2].texto, "F.L. =  01 / 01 /  2000  -  01:00 P");
    SeleccionaLocalidad(-1);
    EXPECT_EQ(TextosTira()[0].texto, "");
}

}  // namespace
}  // namespace vsp
