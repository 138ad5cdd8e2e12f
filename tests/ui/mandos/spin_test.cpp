// The spin controls pressed at their pixels: one step per click, the repeat
// while held, the bounds and wraps of each value, the grey-pixel test, the
// text box and the work after release; and the three dials' geometry.
#include "ui/mandos/spin.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../../motor_nuevo.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "ui/mandos/dial.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/mandos/spin_tabla.h"

namespace vsp::ui {
namespace {

constexpr double Grado = DosPi / 360;
constexpr double Minuto = 0.0002908882086667;
const QPoint Arriba(12, 6), Abajo(12, 22);

class SpinPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo(false);
        Estado().Velocidad = 100;
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
    void TearDown() override {
        ReiniciaAvisos();
        QApplication::processEvents();
    }

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
    static void sueltaLuego(Spin* spin, QPoint p) {
        QCoreApplication::postEvent(spin, new QMouseEvent(QEvent::MouseButtonRelease, p, spin->mapToGlobal(p),
                                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    // Holds the key for `pasos` steps and returns the texts they showed.
    std::vector<std::string> mantiene(Spin* spin, QPoint p, int pasos) {
        textos.clear();
        alPaso = [&] {
            if (static_cast<int>(textos.size()) == pasos) sueltaLuego(spin, p);
        };
        QTest::mousePress(spin, Qt::LeftButton, {}, p);
        alPaso = nullptr;
        QApplication::processEvents();
        return textos;
    }
    void clic(Spin* spin, QPoint p) {
        sueltaLuego(spin, p);
        QTest::mousePress(spin, Qt::LeftButton, {}, p);
        QApplication::processEvents();
    }

    std::vector<std::string> textos;
    std::function<void()> alPaso;
    QWidget ventana;
    QLineEdit caja{&ventana};
};

TEST_F(SpinPrueba, DirectionShows360AsZeroAndWrapsOnTheNextClick) {
    ProgramState& e = Estado();
    e.Direccion = 359 * Grado;
    Dial dial(TipoDial::Direccion);
    Spin* spin = crea(SpinDireccion());
    e.DireccionMenosPi = 0;
    const QImage antes = dial.imagen();
    clic(spin, Arriba);
    EXPECT_NEAR(e.Direccion, DosPi, 1e-12);
    EXPECT_EQ(caja.text().toStdString(), "N    0°");
    EXPECT_EQ(e.Tex_Direc, "N    0°");
    EXPECT_EQ(e.DireccionMenosPi, e.Direccion - Pi);
    EXPECT_NE(dial.imagen(), antes);
    clic(spin, Arriba);
    EXPECT_NEAR(e.Direccion, Grado, 1e-12);
    EXPECT_EQ(caja.text().toStdString(), "N    1°");
    clic(spin, Abajo);
    clic(spin, Abajo);
    EXPECT_NEAR(e.Direccion, 359 * Grado, 1e-12);
    EXPECT_EQ(caja.text().toStdString(), "N  359°");
    // No pixel test here: even the grey corner steps.
    clic(spin, QPoint(0, 0));
    EXPECT_NEAR(e.Direccion, DosPi, 1e-12);
    EXPECT_EQ(e.BotonPulsado, Falso);
}

TEST_F(SpinPrueba, LatitudeHeldDownStopsAtTheSouthPole) {
    ProgramState& e = Estado();
    Spin* spin = crea(SpinLatitud());
    e.Latitud = -MedioPi + 3 * Minuto;
    const auto pasos = mantiene(spin, Abajo, 6);
    EXPECT_EQ(pasos, (std::vector<std::string>{"89° 58' 00\" S", "89° 59' 00\" S", "90° 00' 00\" S",
                                                 "90° 00' 00\" S", "90° 00' 00\" S", "90° 00' 00\" S"}));
    EXPECT_EQ(e.Latitud, -MedioPi);
    EXPECT_EQ(e.Tex_Lati, "90° 00' 00\" S");
}

TEST_F(SpinPrueba, LongitudeHeldUpPassesFullCircleToZero) {
    ProgramState& e = Estado();
    Spin* spin = crea(SpinLongitud());
    e.Longitud = DosPi - 2 * Minuto;  // 0 02' east
    const auto pasos = mantiene(spin, Arriba, 4);
    ASSERT_EQ(pasos.size(), 4u);
    EXPECT_EQ(pasos[0], "  0° 01' 00\" E");
    EXPECT_EQ(pasos[1], "  0° 00' 00\" O");
    EXPECT_EQ(pasos[2], "  0° 01' 00\" O");
    EXPECT_EQ(pasos[3], "  0° 02' 00\" O");
    EXPECT_NEAR(e.Longitud, 2 * Minuto, 1e-12);
    EXPECT_EQ(e.Tex_Longi, pasos[3]);
    // And down through zero the other way.
    e.Longitud = 0;
    clic(spin, Abajo);
    EXPECT_NEAR(e.Longitud, DosPi - Minuto, 1e-12);
}

TEST_F(SpinPrueba, ClampedValuesRepeatTheirBound) {
    struct Caso {
        const char* que;
        AccionSpin accion;
        QPoint donde;
        std::function<void()> antes;
        std::function<bool()> despues;
        const char* texto;
    };
    ProgramState& e = Estado();
    const Caso casos[] = {
        {"zoom 15 up", SpinZoom(), Arriba, [&] { e.Zoom = 15; }, [&] { return e.Zoom == 15.0f; }, "15.0"},
        {"zoom 1 down", SpinZoom(), Abajo, [&] { e.Zoom = 1; }, [&] { return e.Zoom == 1.0f; }, "1.0"},
        {"zone -12 down", SpinZona(), Abajo, [&] { e.ZonaHoraria = -12; }, [&] { return e.ZonaHoraria == -12.0f; },
         "-12.0"},
        {"zone 11.5 up", SpinZona(), Arriba, [&] { e.ZonaHoraria = 11.5f; }, [&] { return e.ZonaHoraria == 12.0f; },
         "12.0"},
        {"elevation 90 up", SpinElevacion(), Arriba, [&] { e.Elevacion = MedioPi; },
         [&] { return e.Elevacion == MedioPi; }, "90°"},
        {"elevation 0 down", SpinElevacion(), Abajo, [&] { e.Elevacion = 0; }, [&] { return e.Elevacion == 0; },
         " 0°"},
        {"latitude 90 N up", SpinLatitud(), Arriba, [&] { e.Latitud = MedioPi; },
         [&] { return e.Latitud == MedioPi; }, "90° 00' 00\" N"},
        {"telescope 30 up", SpinTelescopio(), Arriba, [&] { e.CampoTelescopio = 0.5235987756; },
         [&] { return e.CampoTelescopio == 0.5235987756; }, "30° 00'"},
        {"telescope 0 down", SpinTelescopio(), Abajo, [&] { e.CampoTelescopio = 0; },
         [&] { return e.CampoTelescopio == 0; }, " 0° 00'"},
        {"factor 99 up", SpinEntero(&ProgramState::FactorAnima, 1, 99), Arriba, [&] { e.FactorAnima = 99; },
         [&] { return e.FactorAnima == 99; }, "99"},
        {"factor 1 down", SpinEntero(&ProgramState::FactorAnima, 1, 99), Abajo, [&] { e.FactorAnima = 1; },
         [&] { return e.FactorAnima == 1; }, "1"},
    };
    for (const Caso& c : casos) {
        Spin* spin = crea(c.accion);
        c.antes();
        caja.clear();
        clic(spin, c.donde);
        EXPECT_TRUE(c.despues()) << c.que;
        EXPECT_EQ(caja.text().toStdString(), c.texto) << c.que;
        delete spin;
    }
}

TEST_F(SpinPrueba, ZoneAndZoomStepByHalvesWithTheirDependents) {
    ProgramState& e = Estado();
    int fechas = 0;
    avisos().FechaHora = [&](const CamposFechaHora&) { ++fechas; };
    e.ZonaHoraria = -5;
    const auto zonas = mantiene(crea(SpinZona()), Arriba, 3);
    EXPECT_EQ(zonas, (std::vector<std::string>{"-4.5", "-4.0", "-3.5"}));
    EXPECT_EQ(fechas, 3);  // the date fields follow every step

    Dial zoom(TipoDial::Zoom), elevacion(TipoDial::Elevacion), direccion(TipoDial::Direccion);
    const QImage z0 = zoom.imagen(), e0 = elevacion.imagen(), d0 = direccion.imagen();
    e.Zoom = 4;
    clic(crea(SpinZoom()), Abajo);
    EXPECT_EQ(e.Zoom, 3.5f);
    EXPECT_NE(zoom.imagen(), z0);
    EXPECT_NE(elevacion.imagen(), e0);
    EXPECT_NE(direccion.imagen(), d0);
}

TEST_F(SpinPrueba, ThePixelTestIgnoresPressesOnTheGreyFace) {
    ProgramState& e = Estado();
    e.Latitud = 0;
    Spin* spin = crea(SpinLatitud());
    // Column 0 and the row between the keys are the grey face.
    const QImage imagen = spin->grab().toImage();
    for (QPoint p : {QPoint(0, 5), QPoint(0, 20), QPoint(12, 14), QPoint(23, 10)}) {
        ASSERT_EQ(imagen.pixel(p), GrisFondo) << p.x() << ", " << p.y();
        clic(spin, p);
        EXPECT_EQ(e.Latitud, 0) << p.x() << ", " << p.y();
    }
    EXPECT_TRUE(caja.text().isEmpty());
    clic(spin, Arriba);
    EXPECT_NEAR(e.Latitud, Minuto, 1e-15);
}

TEST_F(SpinPrueba, TelescopeReleaseErasesTheCircleAndTakesTheNewSize) {
    ProgramState& e = Estado();
    int borrados = 0;
    avisos().BorraTelescopio = [&] {
        ++borrados;
        EXPECT_EQ(e.TelescopioRadio, 0.01) << "erased at its old size";
    };
    e.CampoTelescopio = 0.02;
    e.TelescopioRadio = 0.01;
    const auto pasos = mantiene(crea(SpinTelescopio()), Arriba, 3);
    EXPECT_EQ(borrados, 1);
    EXPECT_NEAR(e.CampoTelescopio, 0.02 + 3 * 0.00029088822, 1e-9);
    EXPECT_DOUBLE_EQ(e.TelescopioRadio, e.CampoTelescopio / 2);
    EXPECT_EQ(pasos.back(), " 1° 11'");
}

TEST_F(SpinPrueba, AnyReleaseEndsAnyRepeat) {
    // One flag for the whole program: any release ends any repeat.
    ProgramState& e = Estado();
    Spin* uno = crea(SpinEntero(&ProgramState::FactorAnima, 1, 99));
    Spin* otro = crea(SpinEntero(&ProgramState::NivelEstrellas, 0, 7));
    e.FactorAnima = 10;
    alPaso = [&] {
        if (e.FactorAnima == 12) sueltaLuego(otro, Arriba);
    };
    QTest::mousePress(uno, Qt::LeftButton, {}, Arriba);
    EXPECT_EQ(e.FactorAnima, 12);
    EXPECT_EQ(e.NivelEstrellas, 0);
}

// ---- Dials ------------------------------------------------------------------

class Diales : public ::testing::Test {
protected:
    void SetUp() override { MotorNuevo(false); }
};

TEST_F(Diales, TheDirectionSectorPointsAlongTheViewWithTheFieldsWidth) {
    struct Caso {
        double direccion, zoom, inicio, fin;  // degrees
    } casos[] = {
        {0, 1, 0, 180},      // north up: the upper half
        {90, 1, 270, 90},    // east to the right
        {180, 2, 225, 315},  // south down, a quarter wide
        {270, 4, 157.5, 202.5},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        e.Direccion = c.direccion * Grado;
        e.Zoom = static_cast<float>(c.zoom);
        const Sector s = SectorDialDireccion();
        EXPECT_NEAR(std::fmod(s.inicio * GradosPorRadian + 1e-6, 360), c.inicio, 1e-4) << c.direccion;
        EXPECT_NEAR(std::fmod(s.fin * GradosPorRadian + 1e-6, 360), c.fin, 1e-4) << c.direccion;
        EXPECT_GE(s.inicio, 0);
        EXPECT_LT(s.inicio, DosPi);
    }
}

TEST_F(Diales, TheElevationSectorRisesFromTheHorizon) {
    ProgramState& e = Estado();
    e.Zoom = 1;
    e.Elevacion = 0;
    Sector s = SectorDialElevacion();
    EXPECT_NEAR(s.inicio, 1.5 * Pi, 1e-9);  // from straight down...
    EXPECT_NEAR(s.fin, 0.5 * Pi, 1e-9);     // ...round the right to straight up
    e.Zoom = 3;
    e.Elevacion = MedioPi;
    s = SectorDialElevacion();
    EXPECT_NEAR(s.inicio, MedioPi - Pi / 6, 1e-9);
    EXPECT_NEAR(s.fin, MedioPi + Pi / 6, 1e-9);
}

TEST_F(Diales, TheZoomFrameShrinksWithTheZoom) {
    ProgramState& e = Estado();
    e.Zoom = 1;
    EXPECT_NEAR(MarcoDialZoom().width(), 174.5140418, 1e-7);  // larger than the disc
    EXPECT_EQ(MarcoDialZoom().height(), 131);
    e.Zoom = 15;
    EXPECT_NEAR(MarcoDialZoom().width(), 11.634, 1e-3);
    EXPECT_EQ(MarcoDialZoom().height(), 9);
    e.Zoom = 0.5f;
    EXPECT_TRUE(MarcoDialZoom().isEmpty());
}

TEST_F(Diales, EveryDialOfAKindFollowsItsProcedure) {
    ProgramState& e = Estado();
    e.Zoom = 2;
    Dial a(TipoDial::Elevacion), b(TipoDial::Elevacion), c(TipoDial::Zoom);
    const QImage a0 = a.imagen(), c0 = c.imagen();
    EXPECT_EQ(a0, b.imagen());
    e.Elevacion = 0.7;
    e.Zoom = 6;
    DibujaDialElevacion();
    EXPECT_NE(a.imagen(), a0);
    EXPECT_EQ(a.imagen(), b.imagen());
    EXPECT_EQ(c.imagen(), c0);
    DibujaDialZoom();
    EXPECT_NE(c.imagen(), c0);
}

}  // namespace
}  // namespace vsp::ui
