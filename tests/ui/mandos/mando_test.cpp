// The control pad driven by presses at its pixels: one step per click with
// the wraps and bounds, presses on the grey face ignored, a held arrow
// repeating with the chart redrawn once on release, the animation toggling
// and stopping when a main-window button clears it, the bottom button's
// dialog, the refusals while real time runs, the caption and the cursor.
#include "ui/mandos/mando.h"

#include <QScreen>
#include <QSignalSpy>

#include <array>

#include "../../motor_nuevo.h"
#include "../modal.h"
#include "../teclea.h"
#include "ui/dialogos/animar.h"
#include "ui/mandos/dial.h"
#include "ui/mandos/hoja_imagenes.h"

namespace vsp::ui {
namespace {

constexpr double Grado = DosPi / 360;

// The middle of each arrow: left column x 10..33, right 41..63; rows 14
// pixels high from y = 22, 65, 108, 151, 194.
QPoint tecla(int fila, int columna) { return {columna ? 52 : 21, 22 + 43 * fila + 7}; }

// A fresh engine looking south, 30° up at zoom 4, its pad stepping by a
// minute at the greatest speed.
ProgramState& EstadoDelMando() {
    MotorNuevo();
    ProgramState& e = Estado();
    e.DiaJuliano = 2460677.3;
    e.Direccion = Pi;
    e.Elevacion = 30 * Grado;
    e.Zoom = 4;
    e.Velocidad = 100;
    e.UnidadAnima = 1;
    e.FactorAnima = 1;
    e.PasoTiempo = 1.0 / 1440;
    e.SentidoImagen = 1;
    e.BotonesActivos = Verdadero;
    return e;
}

class MandoPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        avisos().Redibujo = [this] {
            ++redibujos;
            if (alRedibujar) alRedibujar();
        };
        avisos().Panel = [this] {
            ++paneles;
            if (alPanel) alPanel();
        };
        // The title, and a question mark when the box asks rather than informs.
        avisos().Mensaje = [this](const std::string& t, const std::string&, int16_t, int16_t tipo) {
            mensajes.push_back(tipo == 1 ? t : t + " ?");
            return true;
        };
        ventana.resize(300, 300);
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
    void TearDown() override {
        ReiniciaAvisos();
        QApplication::processEvents();
    }

    void clic(QPoint p) { ClicSostenido(mando, p); }
    // Holds the arrow for `pasos` steps, `cadaPaso` running at each: the
    // release comes with the last one.
    void mantiene(QPoint p, int pasos, const std::function<void()>& cadaPaso = nullptr) {
        const int hasta = paneles + pasos, redibujos0 = redibujos;
        alPanel = [this, p, hasta, redibujos0, cadaPaso] {
            EXPECT_EQ(redibujos, redibujos0) << "the chart is redrawn while the arrow is held";
            if (cadaPaso) cadaPaso();
            if (paneles == hasta) SueltaLuego(mando, p);
        };
        QTest::mousePress(mando, Qt::LeftButton, {}, p);
        alPanel = nullptr;
    }

    ProgramState& e = EstadoDelMando();  // fresh before the pad reads it
    // The pad as a child of a window, as it stands on the main window.
    QWidget ventana;
    Mando* mando = new Mando(&ventana);
    int redibujos = 0, paneles = 0;
    std::function<void()> alRedibujar, alPanel;
    std::vector<std::string> mensajes;
};

// The pad's keys reach the view steps; the direction's wraps from every
// start are checked with the steps themselves (tests/sky/localizacion_test.cpp).
TEST_F(MandoPrueba, OneClickIsOneStepWithWrapsAndBounds) {
    const auto unPaso = [this]<class T>(QPoint donde, T& valor, T antes, T despues) {
        valor = antes;
        const int paneles0 = paneles, redibujos0 = redibujos;
        clic(donde);
        EXPECT_EQ(paneles - paneles0, 1) << antes << ": one step";
        EXPECT_EQ(redibujos - redibujos0, 1) << antes << ": one redraw";
        EXPECT_EQ(e.BotonPulsado, Falso) << antes;
        EXPECT_NEAR(valor, despues, 1e-12) << antes;
    };
    unPaso(tecla(0, 1), e.Direccion, 360 * Grado, 1 * Grado);
    unPaso(tecla(0, 0), e.Direccion, 0.5 * Grado, 359 * Grado);
    unPaso(tecla(1, 1), e.Elevacion, 90 * Grado, 90 * Grado);
    unPaso(tecla(1, 0), e.Elevacion, 0.0, 0.0);
    unPaso(tecla(1, 1), e.Elevacion, 10 * Grado, 11 * Grado);
    EXPECT_EQ(e.Panel.Tex_Direc, "Dirección = 359° N ");
    EXPECT_EQ(e.Tex_Eleva, "11°");
    unPaso(tecla(2, 1), e.Zoom, 14.5f, 15.0f);
    unPaso(tecla(2, 1), e.Zoom, 15.0f, 15.0f);
    unPaso(tecla(2, 0), e.Zoom, 1.0f, 1.0f);
    unPaso(tecla(2, 0), e.Zoom, 4.0f, 3.5f);
    EXPECT_EQ(e.Tex_Zoom, "3.5");
}

// Each row's step redraws its dial; the zoom's, which sets the field the
// other two dials show, all three.
TEST_F(MandoPrueba, EachRowRedrawsTheDialsItMoves) {
    Dial diales[] = {Dial(TipoDial::Zoom), Dial(TipoDial::Elevacion), Dial(TipoDial::Direccion)};
    for (const auto& [fila, cambian] : {std::pair{0, std::array{false, false, true}}, {1, {false, true, false}},
                                        {2, {true, true, true}}}) {
        const QImage antes[] = {diales[0].imagen(), diales[1].imagen(), diales[2].imagen()};
        clic(tecla(fila, 1));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(diales[i].imagen() != antes[i], cambian[i]) << fila << i;
    }
}

TEST_F(MandoPrueba, PressesOnTheGreyFaceOrOffTheKeysDoNothing) {
    const double direccion = e.Direccion;
    // The first column of a key's picture is the grey face, inside the
    // arrow's rectangle; the others fall between rows, between columns, at
    // the edges.
    for (qreal escala : {1.0, 1.5, 2.0}) {  // the same at every screen ratio
        ASSERT_TRUE(EsGrisFondo(FondoMando(escala), 10, 28)) << escala;
        ASSERT_FALSE(EsGrisFondo(FondoMando(escala), 21, 29)) << escala;
    }
    for (QPoint p : {QPoint(10, 28), QPoint(21, 50), QPoint(37, 28), QPoint(3, 28), QPoint(70, 200),
                     QPoint(21, 21), QPoint(52, 36), QPoint(64, 28), QPoint(37, 233)}) {
        clic(p);
        EXPECT_EQ(e.Direccion, direccion) << p.x() << ", " << p.y();
    }
    EXPECT_EQ(paneles, 0);
    EXPECT_EQ(redibujos, 0);
    EXPECT_EQ(e.Animando, Falso);
}

// Held arrows step once per panel update and redraw the chart once, on
// release: the direction dial follows every step and the elevation dial
// stays; the zoom sets the chart window before the redraw; time steps back
// and forth whatever the sign of the last step.
TEST_F(MandoPrueba, HeldArrowsRepeatAndRedrawTheChartOnceOnRelease) {
    Dial direccion(TipoDial::Direccion), elevacion(TipoDial::Elevacion);
    const QImage elevacion0 = elevacion.imagen();
    std::vector<QImage> vistas;
    mantiene(tecla(0, 1), 5, [&] { vistas.push_back(direccion.imagen()); });
    EXPECT_NEAR(e.Direccion, 185 * Grado, 1e-9);
    EXPECT_EQ(redibujos, 1);
    EXPECT_EQ(e.BotonPulsado, Falso);
    ASSERT_EQ(vistas.size(), 5u);
    for (size_t i = 1; i < vistas.size(); ++i) EXPECT_NE(vistas[i], vistas[i - 1]) << "step " << i;
    EXPECT_EQ(elevacion.imagen(), elevacion0);

    e.ProporcionPantalla = 0;
    alRedibujar = [&] { EXPECT_FLOAT_EQ(e.VentanaAlto, -2.6f / e.Zoom); };
    mantiene(tecla(2, 1), 3);
    EXPECT_EQ(e.Zoom, 5.5f);
    const double inicio = e.DiaJuliano;
    e.PasoTiempo = -1.0 / 1440;  // left by the last backward step
    clic(tecla(3, 1));
    EXPECT_NEAR(e.DiaJuliano, inicio + 1.0 / 1440, 1e-9);
    mantiene(tecla(3, 0), 3);
    EXPECT_NEAR(e.DiaJuliano, inicio - 2.0 / 1440, 1e-9);
    EXPECT_LT(e.PasoTiempo, 0);
    EXPECT_EQ(redibujos, 4);
}

// The animation runs until a main-window button clears it or either
// animation arrow is pressed again (stopped, not reversed); backward runs
// backward.
TEST_F(MandoPrueba, AnimationRunsUntilStopped) {
    const double inicio = e.DiaJuliano;
    alRedibujar = [&] {
        EXPECT_EQ(e.Animando, Verdadero);
        if (redibujos == 3) e.Animando = Falso;  // what any main-window button does
    };
    mando->pulsaEn(50, 200);  // as after loading a configuration with an animation
    EXPECT_NEAR(e.DiaJuliano, inicio + 3.0 / 1440, 1e-9);
    for (const auto& [arranque, parada, pasos] : {std::tuple{1, 1, 2}, {1, 0, 2}, {0, 1, -2}}) {
        redibujos = 0;
        const double antes = e.DiaJuliano;
        alRedibujar = [&, parada] {
            if (redibujos != 2) return;  // the stopping press, queued for the animation's own loop
            const QPoint p = tecla(4, parada);
            QCoreApplication::postEvent(mando, new QMouseEvent(QEvent::MouseButtonPress, p, mando->mapToGlobal(p),
                                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        };
        QTest::mousePress(mando, Qt::LeftButton, {}, tecla(4, arranque));
        QTest::mouseRelease(mando, Qt::LeftButton, {}, tecla(4, arranque));
        EXPECT_EQ(redibujos, 2) << arranque << parada;
        EXPECT_NEAR(e.DiaJuliano, antes + pasos / 1440.0, 1e-9) << arranque << parada;
        EXPECT_EQ(e.Animando, Falso);
    }
    // The arrow is drawn released again.
    const QRect flecha(tecla(4, 1) - QPoint(11, 7), QSize(24, 14));
    EXPECT_EQ(mando->grab(flecha).toImage().convertToFormat(QImage::Format_RGB32),
              FondoMando(1).copy(flecha).convertToFormat(QImage::Format_RGB32));
}

TEST_F(MandoPrueba, BottomButtonOpensTheAnimationDialog) {
    e.Animando = Verdadero;
    QSignalSpy oculta(mando, &Mando::ocultaDeshacer);
    bool visto = false;
    alAparecer([&](QWidget* modal) {
        visto = qobject_cast<Animar*>(modal) != nullptr;
        EXPECT_EQ(e.BotonesActivos, Falso);
        EXPECT_EQ(e.Animando, Falso);
        EXPECT_EQ(oculta.count(), 1);
        EXPECT_LE((modal->geometry().center() - ventana.geometry().center()).manhattanLength(), 4) << "centred";
        QTest::mouseClick(control(modal, "Pic_BotSalir"), Qt::LeftButton);
    });
    mando->pulsaEn(8, 214);  // as the panel's real-time text double-clicked
    EXPECT_TRUE(visto);
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    EXPECT_EQ(redibujos, 0);
}

TEST_F(MandoPrueba, WithRealTimeOnlyTheViewRowsWork) {
    e.TiempoRealActivo = 1;
    const double inicio = e.DiaJuliano;
    for (QPoint p : {tecla(3, 0), tecla(3, 1), tecla(4, 0), tecla(4, 1)}) clic(p);
    EXPECT_EQ(mensajes, std::vector<std::string>(4, "Animando en Tiempo Real"));
    EXPECT_EQ(e.DiaJuliano, inicio);
    EXPECT_EQ(e.Animando, Falso);
    EXPECT_EQ(redibujos, 0);
    clic(tecla(1, 1));
    clic(tecla(2, 0));
    EXPECT_NEAR(e.Elevacion, 31 * Grado, 1e-12);
    EXPECT_EQ(e.Zoom, 3.5f);
    EXPECT_EQ(redibujos, 2);
    EXPECT_EQ(mensajes.size(), 4u);
}

TEST_F(MandoPrueba, CaptionNamesTheStepSingularOrPlural) {
    // A damaged unit (0) names nothing.
    struct Caso { int16_t factor, unidad; const char* rotulo; } casos[] = {
        {1, 1, "1 MINUTO"},    {5, 2, "5 HORAS"},        {30, 3, "30 DIAS SID."},   {1, 3, "1 DIA SIDÉR."},
        {1, 10, "1 AÑO SOLAR"}, {2, 9, "2 MESES SOL."}, {12, 7, "12 MILEN. SID."}, {99, 12, "99 MILEN. SOL."},
        {99, 0, "99"}};
    for (const Caso& c : casos) {
        e.FactorAnima = c.factor;
        e.UnidadAnima = c.unidad;
        EXPECT_EQ(TextoRotulo(), c.rotulo);
    }
    // A new caption shows on the screen at once.
    const auto enPantalla = [this] {
        return ventana.screen()->grabWindow(ventana.winId()).toImage().copy(mando->geometry());
    };
    mando->RotulaMando();
    QTest::qWait(50);
    const QImage antes = enPantalla();
    e.UnidadAnima = 5;
    mando->RotulaMando();
    EXPECT_TRUE(QTest::qWaitFor([&] { return enPantalla() != antes; }, 500));
}

TEST_F(MandoPrueba, TheHandShowsOverTheKeysAndTheBottomButtonOnly) {
    // Each row's keys, 14 pixels high from 22 + 43 * row, at x 10..33 and 41..63, to their last pixel.
    std::vector<std::pair<QPoint, bool>> casos = {{{8, 214}, true}, {{66, 229}, true}, {{7, 220}, false}, {{37, 230}, false}};
    for (int arriba = 22; arriba <= 194; arriba += 43)
        for (const auto& [p, mano] : {std::pair{QPoint(10, arriba), true}, {{63, arriba + 13}, true}, {{33, arriba + 13}, true},
                                      {{41, arriba}, true}, {{9, arriba}, false}, {{64, arriba}, false}, {{34, arriba}, false},
                                      {{40, arriba}, false}, {{21, arriba - 1}, false}, {{52, arriba + 14}, false}})
            casos.emplace_back(p, mano);
    for (const auto& [p, mano] : casos) {
        QTest::mouseMove(mando, p);
        EXPECT_EQ(mando->testAttribute(Qt::WA_SetCursor), mano) << p.x() << ", " << p.y();
    }
}

}  // namespace
}  // namespace vsp::ui
