// Start-up: the working folder (the program folder when writable, otherwise
// the per-user folder with the samples copied once), the start-up sequence
// and AplicaEstado.
#include "programa/arranque.h"

#include <cstdlib>

#include "motor_nuevo.h"
#include "programa/impresion.h"
#include "sky/localizacion.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

class Arranque : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        ReiniciaAvisos();
        raiz = CarpetaDePrueba();
        programa = raiz / "programa";
        usuario = raiz / "usuario";
        fs::create_directories(programa);
        for (const auto& f : fs::directory_iterator(VESPERA_DATOS))
            if (f.is_regular_file()) fs::copy_file(f.path(), programa / f.path().filename());
        FijaCarpetaPrograma(programa.string());
        ::setenv("XDG_DATA_HOME", usuario.c_str(), 1);
    }
    void TearDown() override {
        ::setenv("XDG_DATA_HOME", xdgAnterior.c_str(), 1);
        ReiniciaAvisos();
        fs::remove_all(raiz);
    }

    fs::path raiz, programa, usuario;
    const std::string xdgAnterior = std::getenv("XDG_DATA_HOME");  // always set in the tests' surroundings
};

const auto kSoloLectura = [](const std::string&) { return false; };

TEST_F(Arranque, AReadOnlyProgramFolderSendsConfigurationsToTheUserFolderOnce) {
    PreparaCarpeta(kSoloLectura);
    const fs::path propia = usuario / "vespera";
    EXPECT_EQ(Estado().CarpetaTrabajo, propia.string());
    for (const char* nombre : ConfiguracionesEjemplo) EXPECT_TRUE(fs::exists(propia / nombre)) << nombre;

    // The user's own files and choices are kept on the next start.
    EscribeContenido(propia / "mio.vpc", "x");
    fs::remove(propia / "PLÉYADES.VPC");
    PreparaCarpeta(kSoloLectura);
    EXPECT_TRUE(fs::exists(propia / "mio.vpc"));
    EXPECT_FALSE(fs::exists(propia / "PLÉYADES.VPC"));
}

// A writable program folder is the working one, and nothing is copied.
TEST_F(Arranque, StartUpLoadsTheInitialConfigurationAndDrawsOnce) {
    std::vector<std::string> pasos;
    avisos().VentanaPrincipal = [&] { pasos.push_back("ventana"); };
    avisos().Ventanas = [&] { pasos.push_back("ventanas"); };
    avisos().Redibujo = [&] { pasos.push_back("dibujo"); };
    ArrancaPrograma();
    const ProgramState& e = Estado();
    EXPECT_EQ(pasos, (std::vector<std::string>{"ventana", "ventanas", "dibujo"}));
    EXPECT_EQ(e.CarpetaTrabajo, programa.string());
    EXPECT_FALSE(fs::exists(programa / "CSCD.WRK"));
    EXPECT_FALSE(fs::exists(usuario));
    EXPECT_EQ(e.SaltoLinea, "\r\n");
    EXPECT_EQ(e.EstadoArchivo, 0);
    EXPECT_TRUE(e.DescripcionConfig.starts_with("Noche de verano")) << "the sample \"INICIAL.VPC\", found without regard to case";
    EXPECT_EQ(e.PasoTiempo, e.TablaUnidades[e.UnidadAnima] * e.FactorAnima);
    Estado().UnidadAnima = NumUnidades;  // the last unit steps like the others
    AplicaEstado();
    EXPECT_EQ(e.PasoTiempo, e.TablaUnidades[NumUnidades] * e.FactorAnima);
    EXPECT_NE(e.VentanaAncho, 0.0f);
    EXPECT_NE(e.Tex_Direc, "");
}

TEST_F(Arranque, EveryStepRunsWhenTheDataAreMissing) {
    for (const auto& f : fs::directory_iterator(programa)) fs::remove(f.path());
    int mensajes = 0;
    avisos().Mensaje = [&](const std::string&, const std::string&, int16_t, int16_t) {
        ++mensajes;
        return true;
    };
    ArrancaPrograma();
    const ProgramState& e = Estado();
    EXPECT_EQ(mensajes, 12);  // one for each catalogue and the cities' zones, none for "Inicial.vpc"
    EXPECT_EQ(e.DiaJuliano, 2482294.0);  // the built-in situation
    EXPECT_EQ(e.PuntosRejillaAD15, 325);
}

// The print sizes held to the page at 4:3, typed or spun, and the data
// strip's texts.

TEST(Impresion, SizesAreHeldToThePageAndTheHeightFollowsTheWidthAtFourToThree) {
    struct Caso { int16_t anchoMax, altoMax; const char* tecleado; int16_t ancho, alto; } casos[] = {
        {202, 289, "120", 120, 90},   // the height follows whatever it held
        {202, 289, "50", 100, 75},    // least width
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

    e.FormatoHora = 2;
    textos = TextosTira();
    EXPECT_EQ(textos[1].texto, "T.U. =  01 / 01 /  2000  -  00:00 P");
    EXPECT_EQ(textos[2].texto, "F.L. =  01 / 01 /  2000  -  01:00 P");
    SeleccionaLocalidad(-1);
    EXPECT_EQ(TextosTira()[0].texto, "");
}

}  // namespace
}  // namespace vsp
