// The sample configurations that ship with the program load cleanly and
// show what their names promise.
#include <gtest/gtest.h>

#include <cmath>

#include "catalog/catalogos.h"
#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "programa/arranque.h"
#include "sky/proyeccion.h"

namespace vsp {
namespace {

class Ejemplos : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        ReiniciaAvisos();
        avisos().Mensaje = [](const std::string& t, const std::string& m, int16_t, int16_t) {
            ADD_FAILURE() << t << ": " << m;
            return true;
        };
        CreaTablas();
        FijaCarpetaPrograma(VESPERA_DATOS);
        CargaCatalogos();
        Estado().CarpetaTrabajo = VESPERA_DATOS;
    }
    void TearDown() override { ReiniciaAvisos(); }

    static void carga(const char* nombre) {
        Estado().NombreConfig = nombre;
        CargaConfig();
        AplicaEstado();
        ASSERT_EQ(Estado().EstadoArchivo, 0) << nombre;
        ASSERT_FALSE(Estado().DescripcionConfig.empty()) << nombre;
    }

    // Whether a direction falls inside the chart window of the loaded view.
    static bool enLaVentana(float x, float y, float z) {
        ProyectaPunto(x, y, z);
        const ProgramState& e = Estado();
        return e.VistaZ > 0 && std::fabs(e.VistaX) < std::fabs(e.VentanaAncho) / 2 &&
               std::fabs(e.VistaY) < std::fabs(e.VentanaAlto) / 2;
    }

    // The Sun's direction cosines: opposite the Earth seen from the Sun.
    static void sol(float& x, float& y, float& z) {
        const CuerpoSolar& t = Estado().ElementosPlanetas[CuerpoTierra];
        CosenosDirectores(t.AR + Pi, -t.Dec, x, y, z);
    }

    // Sine of the altitude of a direction at the loaded instant and place.
    static double altitud(float x, float y, float z) {
        ProgramState& e = Estado();
        const double elevacion = e.Elevacion;
        e.Elevacion = MedioPi;  // looking at the zenith the depth is sin(altitude)
        ProyectaPunto(x, y, z);
        e.Elevacion = elevacion;
        return e.VistaZ;
    }
};

TEST_F(Ejemplos, EverySampleLoadsCleanly) {
    for (const char* nombre : ConfiguracionesEjemplo) carga(nombre);
}

TEST_F(Ejemplos, TheSunIsWhereTheSamplesPromise) {
    float x, y, z;
    carga("ECLIPSE 1990.VPC");
    sol(x, y, z);
    EXPECT_TRUE(enLaVentana(x, y, z));
    EXPECT_GT(altitud(x, y, z), -0.01);  // rising during the eclipse

    carga("SOL BISIESTO.VPC");
    sol(x, y, z);
    EXPECT_TRUE(enLaVentana(x, y, z));

    carga("SOL DE MEDIANOCHE.VPC");
    sol(x, y, z);
    EXPECT_TRUE(enLaVentana(x, y, z));
    EXPECT_GT(altitud(x, y, z), 0.05);  // up at midnight

    carga("INICIAL.VPC");
    sol(x, y, z);
    EXPECT_LT(altitud(x, y, z), std::sin(-12 * RadianesPorGrado));  // a dark evening sky
}

TEST_F(Ejemplos, ThePleiadesFillTheirView) {
    carga("PLÉYADES.VPC");
    const ObjetoMessier& m45 = Estado().Messier[44];
    EXPECT_TRUE(enLaVentana(m45.x, m45.y, m45.z));
    EXPECT_GE(Estado().Zoom, 10.0f);
    EXPECT_EQ(Estado().NivelEstrellas, 7);
}

}  // namespace
}  // namespace vsp
