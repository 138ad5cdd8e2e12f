// Centring on a point: the time moves forward to its culmination, the view
// turns north or south to its altitude, refused points change nothing, and
// the undo point restores the situation exactly.
#include "programa/centrado.h"

#include <gtest/gtest.h>

#include "motor_nuevo.h"

#include <cmath>
#include <random>

#include "core/constantes.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

class Centrado : public MotorEnCarpeta {
protected:
    void SetUp() override {
        MotorEnCarpeta::SetUp();
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.Latitud = 40 * RadianesPorGrado;
        e.Longitud = 3.7 * RadianesPorGrado;
        e.Zoom = 4;
        e.Elevacion = 0.3;
        e.Direccion = 2;
        e.FactorAnima = 1;
        e.UnidadAnima = 3;
        ActualizaTiempo();
        avisos().Redibujo = [this] {
            ++redibujos;
            EXPECT_EQ(Estado().GuardandoDeshacer, -1);  // the redraw shows the undo button
        };
        avisos().BorraTelescopio = [this] { ++borrados; };
    }
    static void centra(double ar, double dec) {
        Estado().ClicAR = ar;
        Estado().ClicDec = dec;
        CentraPunto();
    }

    int redibujos = 0, borrados = 0;
};

TEST_F(Centrado, TheViewTurnsNorthOrSouthToTheCulmination) {
    ProgramState& e = Estado();
    const double lat = e.Latitud;
    struct Caso { double dec, elevacion, direccion; } casos[] = {
        {lat, MedioPi, 0}, {lat - MedioPi, 0, Pi}, {lat + MedioPi, 0, 0},
        {-50 * RadianesPorGrado, 0, Pi}, {0, MedioPi - lat, Pi}, {60 * RadianesPorGrado, Pi - (60 * RadianesPorGrado - lat + MedioPi), 0}};
    for (const auto& c : casos) {
        centra(1.0, c.dec);
        EXPECT_NEAR(e.Elevacion, c.elevacion, 1e-9) << c.dec;
        EXPECT_EQ(e.Direccion, c.direccion) << c.dec;
        EXPECT_EQ(e.CentradoHecho, -1);
        EXPECT_EQ(e.GuardandoDeshacer, 0);
    }
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(redibujos, 6);
    EXPECT_EQ(borrados, 6);
}

TEST_F(Centrado, APointThatNeverRisesIsRefusedAndNothingChanges) {
    ProgramState& e = Estado();
    const std::string antes = TextoConfiguracion();
    centra(1.0, -60 * RadianesPorGrado);
    EXPECT_EQ(mensajes, std::vector<std::string>{
                            "Buscar Objetos: Ese punto  se  encuentra bajo  el  horizonte  y  no  es  "
                            "visible desde la Latitud actual"});
    EXPECT_EQ(TextoConfiguracion(), antes);
    EXPECT_EQ(e.CentradoHecho, 0);
    EXPECT_EQ(redibujos + borrados, 0);
    EXPECT_FALSE(fs::exists(carpeta / "Temporal.WRK"));
}

TEST_F(Centrado, TimeAlwaysMovesForwardByLessThanADayAndThePointEndsInTheMiddle) {
    ProgramState& e = Estado();
    // Within a pixel of the centre of a 1280-pixel-wide chart at zoom 15.
    e.Zoom = 15;
    e.Precesion = 2;
    FijaVentanaCielo();
    const double pixel = std::fabs(e.VentanaAncho) / 1280;
    std::mt19937 azar(55);
    std::uniform_real_distribution<double> ar(0, DosPi), sd(-0.6, 0.99);
    for (int i = 0; i < 300; ++i) {
        const double antes = e.DiaJuliano;
        const double a = ar(azar), d = std::asin(sd(azar));
        centra(a, d);
        ASSERT_GE(e.DiaJuliano, antes);
        ASSERT_LT(e.DiaJuliano - antes, 1.0);
        float x, y, z;
        CosenosDirectores(a, d, x, y, z);
        ProyectaPunto(x, y, z);
        ASSERT_LT(std::hypot(e.VistaX, e.VistaY), pixel) << i;
    }
    // A point on the meridian now leaves the time as it is.
    const double ahora = e.DiaJuliano;
    centra(e.TiempoSidereo, 0.2);
    EXPECT_NEAR(e.DiaJuliano, ahora, 1e-9);
}

TEST_F(Centrado, UndoRestoresTheSituationBeforeTheCentringEvenWhenItsFileCannotBeWritten) {
    ProgramState& e = Estado();
    avisos().Redibujo = nullptr;
    for (const bool escribible : {true, false}) {
        if (!escribible) e.CarpetaTrabajo = (carpeta / "no-existe").string();
        const std::string antes = TextoConfiguracion();
        centra(4.0, 0.5);
        EXPECT_NE(TextoConfiguracion(), antes);
        EXPECT_EQ(fs::exists(carpeta / "Temporal.WRK"), true) << "kept from the first centring";
        DeshazCentrado();
        EXPECT_EQ(e.EstadoArchivo, 0) << escribible;
        EXPECT_EQ(TextoConfiguracion(), antes) << escribible;
    }
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

}  // namespace
}  // namespace vsp
