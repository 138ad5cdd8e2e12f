// Start-up: the working folder (the program folder when writable, otherwise
// the per-user folder with the samples copied once), the start-up sequence
// and AplicaEstado.
#include "programa/arranque.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/estado.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

class Arranque : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        ReiniciaAvisos();
        raiz = fs::temp_directory_path() /
               ("vespera-arranque-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(raiz);
        programa = raiz / "programa";
        usuario = raiz / "usuario";
        fs::create_directories(programa);
        for (const auto& f : fs::directory_iterator(VESPERA_DATOS))
            if (f.is_regular_file()) fs::copy_file(f.path(), programa / f.path().filename());
        FijaCarpetaPrograma(programa.string());
        const char* xdg = std::getenv("XDG_DATA_HOME");
        xdgAnterior = xdg ? xdg : "";
        ::setenv("XDG_DATA_HOME", usuario.string().c_str(), 1);
    }
    void TearDown() override {
        if (xdgAnterior.empty())
            ::unsetenv("XDG_DATA_HOME");
        else
            ::setenv("XDG_DATA_HOME", xdgAnterior.c_str(), 1);
        ReiniciaAvisos();
        fs::remove_all(raiz);
    }

    fs::path raiz, programa, usuario;
    std::string xdgAnterior;
};

const auto kSoloLectura = [](const std::string&) { return false; };

TEST_F(Arranque, AWritableProgramFolderIsTheWorkingFolder) {
    PreparaCarpeta();
    EXPECT_EQ(Estado().CarpetaTrabajo, programa.string());
    EXPECT_FALSE(fs::exists(programa / "CSCD.WRK"));
    EXPECT_FALSE(fs::exists(usuario));
}

TEST_F(Arranque, AReadOnlyProgramFolderSendsConfigurationsToTheUserFolderOnce) {
    PreparaCarpeta(kSoloLectura);
    const fs::path propia = usuario / "vespera";
    EXPECT_EQ(Estado().CarpetaTrabajo, propia.string());
    for (const char* nombre : ConfiguracionesEjemplo) EXPECT_TRUE(fs::exists(propia / nombre)) << nombre;

    // The user's own files and choices are kept on the next start.
    std::ofstream(propia / "mio.vpc") << "x";
    fs::remove(propia / "PLÉYADES.VPC");
    PreparaCarpeta(kSoloLectura);
    EXPECT_TRUE(fs::exists(propia / "mio.vpc"));
    EXPECT_FALSE(fs::exists(propia / "PLÉYADES.VPC"));
}

TEST_F(Arranque, StartUpLoadsTheInitialConfigurationAndDrawsOnce) {
    std::vector<std::string> pasos;
    avisos().VentanaPrincipal = [&] { pasos.push_back("ventana"); };
    avisos().Ventanas = [&] { pasos.push_back("ventanas"); };
    avisos().Redibujo = [&] { pasos.push_back("dibujo"); };
    ArrancaPrograma();
    const ProgramState& e = Estado();
    EXPECT_EQ(pasos, (std::vector<std::string>{"ventana", "ventanas", "dibujo"}));
    EXPECT_EQ(e.CarpetaTrabajo, programa.string());
    EXPECT_EQ(e.SaltoLinea, "\r\n");
    EXPECT_EQ(e.EstadoArchivo, 0);
    EXPECT_FALSE(e.DescripcionConfig.empty());  // the sample "INICIAL.VPC", found without regard to case
    EXPECT_EQ(e.Cbo_Localidad.size(), 178u);
    EXPECT_EQ(e.PasoTiempo, e.TablaUnidades[e.UnidadAnima] * e.FactorAnima);
    EXPECT_NE(e.VentanaAncho, 0.0f);
    EXPECT_NE(e.Tex_Direc, "");
}

TEST_F(Arranque, AOneLineInitialFileKeepsTheDefaultsForTheRest) {
    // Holding only the default instant, it gives the state of no file at all.
    fs::remove(programa / "INICIAL.VPC");
    ArrancaPrograma();
    const std::string sinFichero = TextoConfiguracion();
    ReiniciaEstado();
    std::ofstream(programa / "INICIAL.VPC") << "2482294\r\n";
    ArrancaPrograma();
    EXPECT_EQ(TextoConfiguracion(), sinFichero);
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
    EXPECT_EQ(mensajes, 11);  // one for each catalogue, none for "Inicial.vpc"
    EXPECT_EQ(e.DiaJuliano, 2482294.0);  // the built-in defaults
    EXPECT_EQ(e.Velocidad, 50);
    EXPECT_EQ(e.PuntosRejillaAD15, 325);
}

}  // namespace
}  // namespace vsp
