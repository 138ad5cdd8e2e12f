// The spin controls pressed at their pixels: one step per click, the repeat
// while held, the bounds and wraps of each value, the grey-pixel test, the
// text box and the work after release; and the three dials' geometry.
#include "ui/mandos/spin.h"

#include "../../motor_nuevo.h"
#include "../teclea.h"
#include "ui/mandos/dial.h"
#include "ui/mandos/spin_tabla.h"

namespace vsp::ui {
namespace {

constexpr double Grado = DosPi / 360;
constexpr double Minuto = 0.0002908882086667;
const QPoint Arriba = SpinArriba, Abajo = SpinAbajo;

// A fresh engine at the greatest speed, so that a held key never waits.
ProgramState& EstadoNuevo() {
    MotorNuevo(false);
    Estado().Velocidad = 100;
    return Estado();
}

class SpinPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
    void TearDown() override { ReiniciaAvisos(); }

    // A spin of the given kind beside its text box, in the test's window;
    // each step's text is collected.
    Spin* crea(AccionSpin accion) {
        accion.extra = [this, extra = accion.extra] {
            if (extra) extra();
            textos.push_back(caja.text().toStdString());
            if (alPaso) alPaso();
        };
        auto* spin = new Spin(std::move(accion), &caja, &ventana);
        spin->show();
        return spin;
    }
    // Holds the key for `pasos` steps and returns the texts they showed.
    std::vector<std::string> mantiene(Spin* spin, QPoint p, int pasos) {
        textos.clear();
        alPaso = [&] {
            if (static_cast<int>(textos.size()) == pasos) SueltaLuego(spin, p);
        };
        QTest::mousePress(spin, Qt::LeftButton, {}, p);
        alPaso = nullptr;
        QApplication::processEvents();
        return textos;
    }

    ProgramState& e = EstadoNuevo();  // fresh before any control reads it
    std::vector<std::string> textos;
    std::function<void()> alPaso;
    QWidget ventana;
    QLineEdit caja{&ventana};
};
using Diales = SpinPrueba;

TEST_F(SpinPrueba, DirectionStepsBothWaysWithItsDialAndWithoutThePixelTest) {
    e.Direccion = 359 * Grado;
    Dial dial(TipoDial::Direccion);
    Spin* spin = crea(SpinDireccion());
    const QImage antes = dial.imagen();
    ClicSostenido(spin, QPoint(0, 0));  // no pixel test here: even the grey corner steps
    EXPECT_EQ(caja.text().toStdString(), "N    0°");
    EXPECT_EQ(e.DireccionMenosPi, e.Direccion - Pi);
    EXPECT_NE(dial.imagen(), antes);
    ClicSostenido(spin, Abajo, 2);
    EXPECT_EQ(caja.text().toStdString(), "N  358°");
    EXPECT_EQ(e.BotonPulsado, Falso);
}

TEST_F(SpinPrueba, ElevationStepsMoveItsDial) {
    Dial dial(TipoDial::Elevacion);
    const QImage antes = dial.imagen();
    ClicSostenido(crea(SpinElevacion()), Arriba);
    EXPECT_NE(dial.imagen(), antes);
}

TEST_F(SpinPrueba, HeldKeysStopAtThePoleAndPassFullCircleToZero) {
    e.Latitud = -MedioPi + 2 * Minuto;
    EXPECT_EQ(mantiene(crea(SpinLatitud()), Abajo, 4),
              (std::vector<std::string>{"89° 59' 00\" S", "90° 00' 00\" S", "90° 00' 00\" S", "90° 00' 00\" S"}));
    EXPECT_EQ(e.Latitud, -MedioPi);
    e.Longitud = DosPi - 2 * Minuto;  // 0 02' east
    Spin* longitud = crea(SpinLongitud());
    EXPECT_EQ(mantiene(longitud, Arriba, 3),
              (std::vector<std::string>{"  0° 01' 00\" E", "  0° 00' 00\" O", "  0° 01' 00\" O"}));
    EXPECT_NEAR(e.Longitud, Minuto, 1e-12);
    EXPECT_EQ(e.Tex_Longi, "  0° 01' 00\" O");
    e.Longitud = 0;
    ClicSostenido(longitud, Abajo);
    EXPECT_NEAR(e.Longitud, DosPi - Minuto, 1e-12);
}

TEST_F(SpinPrueba, ClampedValuesRepeatTheirBound) {
    const auto unClic = [this]<class T>(AccionSpin accion, QPoint donde, T ProgramState::*valor, T antes,
                                        T despues, const char* texto) {
        Spin* spin = crea(std::move(accion));
        e.*valor = antes;
        ClicSostenido(spin, donde);
        EXPECT_EQ(e.*valor, despues) << texto;
        EXPECT_EQ(caja.text().toStdString(), texto);
    };
    unClic(SpinElevacion(), Arriba, &ProgramState::Elevacion, MedioPi, MedioPi, "90°");
    unClic(SpinElevacion(), Abajo, &ProgramState::Elevacion, 0.0, 0.0, " 0°");
    unClic(SpinLatitud(), Arriba, &ProgramState::Latitud, MedioPi, MedioPi, "90° 00' 00\" N");
    unClic(SpinTelescopio(), Arriba, &ProgramState::CampoTelescopio, 0.5235987756, 0.5235987756, "30° 00'");
    unClic(SpinTelescopio(), Abajo, &ProgramState::CampoTelescopio, 0.0, 0.0, " 0° 00'");
    unClic(SpinZoom(), Arriba, &ProgramState::Zoom, 15.0f, 15.0f, "15.0");
    unClic(SpinZona(), Abajo, &ProgramState::ZonaHoraria, -12.0f, -12.0f, "-12.0");
    unClic(SpinZona(), Arriba, &ProgramState::ZonaHoraria, 11.5f, 12.0f, "12.0");
}

TEST_F(SpinPrueba, ZoneAndZoomStepByHalvesWithTheirDependents) {
    int fechas = 0;
    avisos().FechaHora = [&](const CamposFechaHora&) { ++fechas; };
    e.ZonaHoraria = -5;
    EXPECT_EQ(mantiene(crea(SpinZona()), Arriba, 3), (std::vector<std::string>{"-4.5", "-4.0", "-3.5"}));
    EXPECT_EQ(fechas, 3);  // the date fields follow every step

    Dial zoom(TipoDial::Zoom), elevacion(TipoDial::Elevacion), direccion(TipoDial::Direccion);
    const QImage z0 = zoom.imagen(), e0 = elevacion.imagen(), d0 = direccion.imagen();
    e.Zoom = 4;
    ClicSostenido(crea(SpinZoom()), Abajo);
    EXPECT_EQ(e.Zoom, 3.5f);
    EXPECT_TRUE(zoom.imagen() != z0 && elevacion.imagen() != e0 && direccion.imagen() != d0);
}

// Column 0 and the row between the keys are the grey face: the spins of
// the place, the zone, the zoom and the telescope ignore presses there, the
// others step.
TEST_F(SpinPrueba, ThePixelTestIgnoresPressesOnTheGreyFace) {
    const std::pair<AccionSpin, bool> spins[] = {
        {SpinLatitud(), true}, {SpinLongitud(), true}, {SpinZona(), true}, {SpinZoom(), true},
        {SpinTelescopio(), true}, {SpinDireccion(), false}, {SpinElevacion(), false}, {SpinTiempo(0), false}};
    for (const auto& [accion, pruebaPixel] : spins) {
        Spin* spin = crea(accion);
        textos.clear();
        for (QPoint p : {QPoint(0, 5), QPoint(0, 20), QPoint(12, 14), QPoint(23, 10)}) ClicSostenido(spin, p);
        EXPECT_EQ(textos.empty(), pruebaPixel) << textos.size();
        textos.clear();
        ClicSostenido(spin, Arriba);
        EXPECT_EQ(textos.size(), 1u) << "a key steps";
    }
}

TEST_F(SpinPrueba, TelescopeReleaseErasesTheCircleAndTakesTheNewSize) {
    int borrados = 0;
    avisos().BorraTelescopio = [&] {
        ++borrados;
        EXPECT_EQ(e.TelescopioRadio, 0.01) << "erased at its old size";
    };
    e.CampoTelescopio = 0.02;
    e.TelescopioRadio = 0.01;
    EXPECT_EQ(mantiene(crea(SpinTelescopio()), Arriba, 3).back(), " 1° 11'");
    EXPECT_EQ(borrados, 1);
    EXPECT_DOUBLE_EQ(e.TelescopioRadio, e.CampoTelescopio / 2);
}

// One flag for the whole program: any release ends any repeat.
TEST_F(SpinPrueba, AnyReleaseEndsAnyRepeat) {
    Spin* uno = crea(SpinEntero(&ProgramState::FactorAnima, 1, 99));
    Spin* otro = crea(SpinEntero(&ProgramState::NivelEstrellas, 0, 7));
    e.FactorAnima = 10;
    alPaso = [&] {
        if (e.FactorAnima == 12) SueltaLuego(otro, Arriba);
    };
    QTest::mousePress(uno, Qt::LeftButton, {}, Arriba);
    EXPECT_EQ(e.FactorAnima, 12);
    EXPECT_EQ(e.NivelEstrellas, 0);
}

// ---- Dials ------------------------------------------------------------------

// The direction dial's sector points along the view as wide as the field;
// the elevation dial's rises from the horizon; the zoom dial's frame
// shrinks with the zoom. (South at zoom 2 is in the location dialog's
// reference picture.)
TEST_F(Diales, TheSectorsAndTheFrameFollowTheView) {
    // Degrees. North up is the upper half and east is to the right; the
    // elevation's sector runs from straight down round the right to straight up.
    struct Caso { TipoDial tipo; double direccion, elevacion, zoom, inicio, fin; } casos[] = {
        {TipoDial::Direccion, 0, 0, 1, 0, 180}, {TipoDial::Direccion, 90, 0, 1, 270, 90},
        {TipoDial::Direccion, 270, 0, 4, 157.5, 202.5}, {TipoDial::Elevacion, 0, 0, 1, 270, 90},
        {TipoDial::Elevacion, 0, 90, 3, 60, 120}};
    for (const Caso& c : casos) {
        e.Direccion = c.direccion * Grado;
        e.Elevacion = c.elevacion * Grado;
        e.Zoom = static_cast<float>(c.zoom);
        const Sector s = c.tipo == TipoDial::Direccion ? SectorDialDireccion() : SectorDialElevacion();
        EXPECT_NEAR(std::fmod(s.inicio * GradosPorRadian + 1e-6, 360), c.inicio, 1e-4) << c.direccion;
        EXPECT_NEAR(std::fmod(s.fin * GradosPorRadian + 1e-6, 360), c.fin, 1e-4) << c.direccion;
        EXPECT_TRUE(s.inicio >= 0 && s.inicio < DosPi);
    }
    // Drawn: looking north at zoom 2, green above the centre, white below,
    // to the sides and beyond the field's edge at 45 degrees.
    e.Direccion = 0;
    e.Zoom = 2;
    const QImage direccion = Dial(TipoDial::Direccion).imagen();
    EXPECT_EQ(direccion.pixel(50, 25), qRgb(0, 255, 0));
    for (const QPoint p : {QPoint(50, 75), QPoint(25, 50), QPoint(75, 50), QPoint(75, 30)})
        EXPECT_EQ(direccion.pixel(p), qRgb(255, 255, 255));
    // The zoom's white frame (the only green there is) stands centred on its
    // dark disc.
    e.Zoom = 3;
    const QImage zoom = Dial(TipoDial::Zoom).imagen();
    int izquierda = 100, derecha = -1;
    for (int x = 10; x < 90; ++x)
        if (qGreen(zoom.pixel(x, 40)) > 100) izquierda = std::min(izquierda, x), derecha = x;
    EXPECT_NEAR((izquierda + derecha) / 2.0, 50, 1) << izquierda << " " << derecha;
    EXPECT_NEAR(derecha - izquierda, 57, 2);
    e.Zoom = 1;
    EXPECT_NEAR(MarcoDialZoom().width(), 174.5140418, 1e-7);  // larger than the disc
    EXPECT_EQ(MarcoDialZoom().height(), 131);
    e.Zoom = 15;
    EXPECT_NEAR(MarcoDialZoom().width(), 11.634, 1e-3);
    EXPECT_EQ(MarcoDialZoom().height(), 9);
    e.Zoom = 0.5f;
    EXPECT_TRUE(MarcoDialZoom().isEmpty());
}

// Every dial of a kind shows its procedure's picture.
TEST_F(Diales, EveryDialOfAKindFollowsItsProcedure) {
    e.Zoom = 2;
    Dial a(TipoDial::Elevacion), b(TipoDial::Elevacion), c(TipoDial::Zoom);
    const QImage a0 = a.imagen(), c0 = c.imagen();
    e.Elevacion = 0.7;
    e.Zoom = 6;
    DibujaDialElevacion();
    EXPECT_NE(a.imagen(), a0);
    EXPECT_EQ(a.imagen(), b.imagen());
    EXPECT_EQ(c.imagen(), c0);
    DibujaDialZoom();
    EXPECT_NE(c.imagen(), c0);
    EXPECT_EQ(c.grab().toImage().convertToFormat(QImage::Format_RGB32), c.imagen().convertToFormat(QImage::Format_RGB32))
        << "the widget shows its picture";
}

}  // namespace
}  // namespace vsp::ui
