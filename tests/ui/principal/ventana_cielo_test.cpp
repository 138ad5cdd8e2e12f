// The main window driven through its inputs: clicks on the chart centre a
// star (and the undo button restores the situation), a drag turns the view,
// the wheel zooms, clicks off the sky change nothing, the right button
// places one telescope circle, the keys, the cursor read-out, the buttons'
// common behaviour and the exit question, the panels following their
// options, and the start-up.
#include "ui/principal/ventana_cielo.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "../modal.h"
#include "../teclea.h"

#include <cmath>
#include <filesystem>
#include <memory>


#include "../../motor_nuevo.h"
#include "config/configuracion.h"
#include "programa/arranque.h"
#include "core/constantes.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"
#include "time/tiempo.h"
#include "ui/principal/lienzo_cielo.h"
#include "ui/mandos/mando.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

struct Mensaje {
    std::string titulo, texto;
    int16_t lineas, tipo;
};

class Ventana : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        carpeta = CarpetaConSituacionInicial();
        ProgramState& e = Estado();
        // Madrid on the evening of 1 January 2025, looking south 30 degrees
        // up, every panel shown, stars to magnitude 3, the telescope off.
        e.DiaJuliano = 2460677.3;
        e.Latitud = 40.4165 * RadianesPorGrado;
        e.Longitud = 3.7026 * RadianesPorGrado;
        e.Direccion = Pi;
        e.Elevacion = 30 * RadianesPorGrado;
        e.Zoom = 1;
        e.SentidoImagen = 1;
        e.Precesion = 2;
        e.NivelEstrellas = 3;
        e.PanelControl = e.PanelCursor = e.PanelLocalizacion = e.PanelObjetos = Activado;
        e.Telescopio = Desactivado;

        ventana = std::make_unique<VentanaCielo>();
        ventana->InstalaAvisos();
        avisos().Mensaje = [this](const std::string& t, const std::string& m, int16_t l, int16_t tipo) {
            mensajes.push_back({t, m, l, tipo});
            return respuesta;
        };
        ventana->resize(1000, 700);
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
        AplicaEstado();
        lienzo = ventana->findChild<LienzoCielo*>();
        deshacer = ventana->findChild<QPushButton*>("Bot_Undo");
        ASSERT_TRUE(lienzo && deshacer);
    }
    void TearDown() override {
        ventana.reset();
        ReiniciaAvisos();
        fs::remove_all(carpeta);
    }

    // The widget pixel where a chart point is drawn.
    QPoint pixelDe(double x, double y) {
        const QPointF p = lienzo->superficie().toPixel(x, y) / lienzo->superficie().devicePixelRatio();
        return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
    }
    QString texto(const char* nombre) { return ventana->findChild<QLabel*>(nombre)->text(); }
    BotonImagen* boton(const char* nombre) { return ventana->findChild<BotonImagen*>(nombre); }
    bool hayDeshacer() const { return fs::exists(carpeta / "Temporal.WRK"); }

    fs::path carpeta;
    std::unique_ptr<VentanaCielo> ventana;
    LienzoCielo* lienzo = nullptr;
    QPushButton* deshacer = nullptr;
    std::vector<Mensaje> mensajes;
    bool respuesta = true;
};

// ---- The mouse on the chart ----------------------------------------------------

TEST_F(Ventana, ALeftClickOnABrightStarCentresItAndUndoRestoresTheSituation) {
    ProgramState& e = Estado();
    // The brightest star on the chart some way east of the meridian, so that
    // the centring's solar-for-sidereal shift stays well under a degree.
    const Proyector p = Proyector::DesdeEstado(e);
    int elegida = -1;
    double ar = 0, dec = 0;
    for (int i = 0; i <= e.CortesEstrellas[3] && elegida < 0; ++i) {
        const Estrella& s = e.Estrellas[i];
        float x = s.x, y = s.y, z = s.z, X, Y, Z;
        p.Proyecta(x, y, z, X, Y, Z);
        AngulosDeCosenos(s.x, s.y, s.z, ar, dec);
        const double hacia = std::remainder(ar - e.TiempoSidereo, DosPi);
        if (Z > 0.5 && std::abs(X) < 1.2 && std::abs(Y) < 1 && hacia > 0.1 && hacia < 1) elegida = i;
    }
    ASSERT_GE(elegida, 0) << "no bright star east of the meridian in view";
    const Estrella& s = e.Estrellas[elegida];
    float x = s.x, y = s.y, z = s.z, X, Y, Z;
    p.Proyecta(x, y, z, X, Y, Z);

    const ProgramState antes = e;
    QTest::mouseClick(lienzo, Qt::LeftButton, {}, pixelDe(X, Y));

    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(e.CentradoHecho, Verdadero);
    EXPECT_GT(e.DiaJuliano, antes.DiaJuliano);
    EXPECT_LT(e.DiaJuliano, antes.DiaJuliano + 1) << "forward, by less than a day";
    // South of the zenith: the view turns south, up to the culmination.
    ASSERT_LT(dec, e.Latitud);
    EXPECT_EQ(e.Direccion, Pi);
    EXPECT_NEAR(e.Elevacion, dec - e.Latitud + MedioPi, 0.5 * RadianesPorGrado);
    // The star now stands within about a degree of the chart's centre.
    const Proyector despues = Proyector::DesdeEstado(e);
    x = s.x, y = s.y, z = s.z;
    despues.Proyecta(x, y, z, X, Y, Z);
    EXPECT_LT(std::hypot(X, Y), 1.0 * RadianesPorGrado);
    EXPECT_TRUE(deshacer->isVisible()) << "the centring's redraw shows the undo button";
    EXPECT_TRUE(hayDeshacer());

    QTest::mouseClick(deshacer, Qt::LeftButton);
    EXPECT_EQ(e.DiaJuliano, antes.DiaJuliano);
    EXPECT_EQ(e.Direccion, antes.Direccion);
    EXPECT_EQ(e.Elevacion, antes.Elevacion);
    EXPECT_EQ(e.Zoom, antes.Zoom);
    EXPECT_EQ(e.Latitud, antes.Latitud);
    EXPECT_EQ(e.Panel.Tex_FecUni, antes.Panel.Tex_FecUni);
    EXPECT_EQ(texto("Tex_HorUni").toStdString(), antes.Panel.Tex_HorUni);
    EXPECT_FALSE(deshacer->isVisible()) << "any other redraw hides it again";
}

TEST_F(Ventana, ADragTurnsTheViewUnderThePointerWithOneUndoPointAndTheWheelZoomsByNotches) {
    ProgramState& e = Estado();
    const ProgramState antes = e;
    // The sky point under A is carried to B.
    const QPoint a = pixelDe(0.1, 0.1), b = pixelDe(-0.3, -0.2);
    const auto horizonte = [this](QPoint p) {
        const QPointF c = lienzo->superficie().toChart(QPointF(p) * lienzo->superficie().devicePixelRatio());
        double ar, dec;
        float alt, az;
        PuntoACoordenadas(static_cast<float>(c.x()), static_cast<float>(c.y()), ar, dec, alt, az);
        return std::pair<double, double>(alt, az);
    };
    const auto [alt0, az0] = horizonte(a);
    QTest::mousePress(lienzo, Qt::LeftButton, {}, a);
    for (int i = 1; i <= 10; ++i) QTest::mouseMove(lienzo, a + (b - a) * i / 10);
    for (int i = 0; i < 5; ++i) QTest::mouseMove(lienzo, b);  // the view settles under the pointer
    QTest::mouseRelease(lienzo, Qt::LeftButton, {}, b);
    const auto [alt1, az1] = horizonte(b);
    EXPECT_NEAR(alt1, alt0, 0.3 * RadianesPorGrado);
    EXPECT_NEAR(std::remainder(az1 - az0, DosPi), 0, 0.3 * RadianesPorGrado);
    EXPECT_NE(e.Direccion, antes.Direccion);
    EXPECT_NE(e.Elevacion, antes.Elevacion);
    EXPECT_EQ(e.DiaJuliano, antes.DiaJuliano) << "a drag does not move time, a click would";
    EXPECT_TRUE(hayDeshacer() && deshacer->isVisible());
    QTest::mouseClick(deshacer, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(e.Direccion, antes.Direccion);
    EXPECT_DOUBLE_EQ(e.Elevacion, antes.Elevacion);

    // The wheel: half a unit of zoom per notch, away from the user zooms in.
    const auto rueda = [this](int octavos) {
        QWheelEvent ev(QPointF(100, 100), lienzo->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, octavos),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lienzo, &ev);
    };
    rueda(120);
    EXPECT_FLOAT_EQ(e.Zoom, 1.5f);
    rueda(60);  // half a notch waits for its other half
    EXPECT_FLOAT_EQ(e.Zoom, 1.5f);
    rueda(60);
    rueda(-360);
    EXPECT_FLOAT_EQ(e.Zoom, 1.0f) << "down to the least zoom and no further";
    e.Zoom = 14.5f;
    rueda(240);
    EXPECT_FLOAT_EQ(e.Zoom, 15.0f);
}

TEST_F(Ventana, EachKeyReachesItsAction) {
    ASSERT_TRUE(MuestraActiva(ventana.get()));
    ProgramState& e = Estado();
    e.PasoTiempo = 0.25;
    const double grado = DosPi / 360;
    struct Paso {
        QKeyCombination tecla;
        double* valor;
        double cambio;
    };
    double zoom = 0;
    const Paso pasos[] = {
        {Qt::Key_Right, &e.Direccion, grado},   {Qt::Key_Left, &e.Direccion, -grado},
        {Qt::Key_Up, &e.Elevacion, grado},      {Qt::Key_Down, &e.Elevacion, -grado},
        {Qt::Key_Plus, &zoom, 0.5},             {Qt::Key_Minus, &zoom, -0.5},
        {Qt::Key_PageUp, &e.DiaJuliano, 0.25},  {Qt::Key_PageDown, &e.DiaJuliano, -0.25},
    };
    for (const Paso& p : pasos) {
        zoom = e.Zoom;
        const double antes = *p.valor;
        QTest::keyClick(ventana.get(), p.tecla.key(), p.tecla.keyboardModifiers());
        zoom = e.Zoom;
        EXPECT_NEAR(*p.valor - antes, p.cambio, 1e-9) << QKeySequence(p.tecla).toString().toStdString();
    }

    // The buttons' keys open what the buttons open.
    std::vector<std::string> abiertos;
    VentanaCielo::Dialogos& d = ventana->dialogos;
    d.Buscar = [&] { abiertos.push_back("Buscar"); };
    d.Guardar = [&] { abiertos.push_back("Guardar"); };
    d.Hora = [&] { abiertos.push_back("Hora"); };
    d.Impresor = [&] { abiertos.push_back("Impresor"); };
    d.Locali = [&] { abiertos.push_back("Locali"); };
    d.Cargar = [&] { return abiertos.push_back("Cargar"), false; };
    ventana->pideArchivoExportar = [&] {
        abiertos.push_back("Exportar");
        return QString::fromStdString((carpeta / "carta.svg").string());
    };
    respuesta = false;
    for (const QKeyCombination tecla : {Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_T,
                                        Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_E, Qt::CTRL | Qt::Key_Q})
        QTest::keyClick(ventana.get(), tecla.key(), tecla.keyboardModifiers());
    EXPECT_EQ(abiertos, (std::vector<std::string>{"Buscar", "Cargar", "Guardar", "Hora", "Impresor", "Locali", "Exportar"}));
    EXPECT_TRUE(fs::exists(carpeta / "carta.svg"));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].titulo, "Salir de VESPERA");

    // F11 fills the screen and gives it back; Space starts the animation and
    // stops it.
    QTest::keyClick(ventana.get(), Qt::Key_F11);
    EXPECT_TRUE(ventana->isFullScreen());
    QTest::keyClick(ventana.get(), Qt::Key_F11);
    EXPECT_FALSE(ventana->isFullScreen());
    const double instante = e.DiaJuliano;
    QTimer::singleShot(50, [this] { QTest::keyClick(ventana.get(), Qt::Key_Space); });
    QTest::keyClick(ventana.get(), Qt::Key_Space);
    EXPECT_EQ(e.Animando, Falso);
    EXPECT_GT(e.DiaJuliano, instante);
}

TEST_F(Ventana, ClosingTheWindowAsksFirst) {
    respuesta = false;
    ventana->close();
    EXPECT_TRUE(ventana->isVisible());
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].titulo, "Salir de VESPERA");
    respuesta = true;
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Ventana, AClickOffTheSkyDoesNothing) {
    ProgramState& e = Estado();
    const ProgramState antes = e;
    // Beyond the sky's disc, at the foot of the chart where no panel lies.
    QTest::mouseClick(lienzo, Qt::LeftButton, {}, pixelDe(0.6, -1.2));
    EXPECT_EQ(e.ClicAR, SinPuntoCielo);
    EXPECT_EQ(e.ClicDec, SinPuntoCielo);
    EXPECT_EQ(e.DiaJuliano, antes.DiaJuliano);
    EXPECT_EQ(e.Direccion, antes.Direccion);
    EXPECT_EQ(e.Elevacion, antes.Elevacion);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_FALSE(hayDeshacer());
    EXPECT_FALSE(deshacer->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone again";
}

TEST_F(Ventana, TwoRightClicksLeaveOneCircle) {
    ProgramState& e = Estado();
    e.TelescopioRadio = 0.05;  // about 13 pixels here
    const QImage cielo = lienzo->superficie().image().copy();
    const QPoint primero = pixelDe(-0.4, 0.2), segundo = pixelDe(0.5, -0.3);
    const double dpr = lienzo->superficie().devicePixelRatio();
    // The box around each circle, in image pixels.
    const auto caja = [&](QPoint centro) {
        const int r = static_cast<int>(std::ceil(0.05 * 700 / 2.6 * dpr)) + 3;
        const QPoint c = (QPointF(centro) * dpr).toPoint();
        return QRect(c - QPoint(r, r), c + QPoint(r, r));
    };
    const auto igual = [&](const QImage& a, const QImage& b, QRect zona) {
        return a.copy(zona) == b.copy(zona);
    };

    // Off: the right button does nothing.
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_FALSE(e.TelescopioVisible);
    EXPECT_TRUE(lienzo->superficie().image() == cielo);

    e.Telescopio = Activado;
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_EQ(e.TelescopioVisible, Verdadero);
    const QPointF centro = lienzo->superficie().toChart(QPointF(primero) * dpr);
    EXPECT_DOUBLE_EQ(e.TelescopioX, centro.x());
    EXPECT_DOUBLE_EQ(e.TelescopioY, centro.y());
    EXPECT_FALSE(igual(lienzo->superficie().image(), cielo, caja(primero))) << "the first circle is drawn";

    QTest::mouseClick(lienzo, Qt::RightButton, {}, segundo);
    EXPECT_EQ(e.TelescopioVisible, Verdadero);
    EXPECT_TRUE(igual(lienzo->superficie().image(), cielo, caja(primero))) << "the first circle's pixels are gone";
    EXPECT_FALSE(igual(lienzo->superficie().image(), cielo, caja(segundo)));

    // A redraw puts the circle back; moving it afterwards still leaves the
    // sky where it was, as the chart is the same.
    AplicaEstado();
    EXPECT_FALSE(igual(lienzo->superficie().image(), cielo, caja(segundo)));
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_TRUE(igual(lienzo->superficie().image(), cielo, caja(segundo)));

    // BorraTelescopio removes it without a redraw.
    avisos().BorraTelescopio();
    EXPECT_EQ(e.TelescopioVisible, Falso);
    EXPECT_TRUE(lienzo->superficie().image() == cielo);
}

TEST_F(Ventana, TheCursorReadOutShowsThePointUnderTheMouse) {
    ProgramState& e = Estado();
    // The chart's centre is the view's direction: altitude 30, azimuth 180,
    // so on the meridian: right ascension = sidereal time, declination =
    // latitude - 60. (A move to where the pointer already is gives no event:
    // come from elsewhere.)
    QTest::mouseMove(lienzo, pixelDe(0.3, 0.3));
    QTest::mouseMove(lienzo, pixelDe(0, 0));
    EXPECT_EQ(texto("Tex_Altitud"), QString::fromUtf8("Altitud =  30° 00' 00\""));
    EXPECT_EQ(texto("Tex_Azimuth"), QString::fromUtf8("Azimut = 180° 00' 00\""));
    EXPECT_EQ(texto("Tex_Dec").toStdString(),
              "DEC. = " + FormatoGrados(static_cast<float>(e.Latitud - 60 * RadianesPorGrado)));
    EXPECT_EQ(texto("Tex_ARecta").toStdString(), "A.R. = " + FormatoHoras(static_cast<float>(e.TiempoSidereo)));

    // Off the sky, one blank each.
    QTest::mouseMove(lienzo, pixelDe(0.6, -1.2));
    for (const char* t : {"Tex_ARecta", "Tex_Dec", "Tex_Altitud", "Tex_Azimuth"}) EXPECT_EQ(texto(t), " ") << t;

    // With the panel off the texts keep what they had.
    e.PanelCursor = Desactivado;
    AplicaEstado();
    QTest::mouseMove(lienzo, pixelDe(0, 0));
    for (const char* t : {"Tex_ARecta", "Tex_Dec", "Tex_Altitud", "Tex_Azimuth"}) EXPECT_EQ(texto(t), " ") << t;
}

// ---- Buttons ---------------------------------------------------------------------

TEST_F(Ventana, EachButtonOpensItsDialogWithTheOthersPaused) {
    ProgramState& e = Estado();
    struct Caso { const char* boton; std::function<void()>* dialogo; int16_t modo; bool ocultaDeshacer; };
    VentanaCielo::Dialogos& d = ventana->dialogos;
    const Caso casos[] = {
        {"Pic_BotBusca", &d.Buscar, 0, true},    {"Pic_BotGuard", &d.Guardar, 2, true},
        {"Pic_BotHora", &d.Hora, 0, true},       {"Pic_BotImpri", &d.Impresor, 0, false},
        {"Pic_BotPerso", &d.Personal, 0, true},  {"Pic_BotLocal", &d.Locali, 0, true},
        {"Pic_BotObjet", &d.Objetos, 0, true}};
    for (const Caso& c : casos) {
        int abierto = 0;
        BotonImagen* b = boton(c.boton);
        *c.dialogo = [&] {
            ++abierto;
            EXPECT_EQ(e.BotonesActivos, Falso) << c.boton;
            EXPECT_TRUE(b->isDown()) << c.boton << " looks pressed while its dialog is up";
            if (c.modo) {
                EXPECT_EQ(e.ModoCargaGuar, c.modo);
            }
        };
        e.Animando = Verdadero;
        deshacer->show();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(abierto, 1) << c.boton;
        EXPECT_EQ(e.Animando, Falso) << c.boton << " stops the animation";
        EXPECT_EQ(deshacer->isVisible(), !c.ocultaDeshacer) << c.boton;
        EXPECT_EQ(e.BotonesActivos, Verdadero);
        EXPECT_FALSE(b->isDown());
    }
}

TEST_F(Ventana, ButtonsIgnoreClicksWhileAnActionIsOpenExceptHelp) {
    ProgramState& e = Estado();
    int abiertos = 0;
    VentanaCielo::Dialogos& d = ventana->dialogos;
    for (auto* f : {&d.Buscar, &d.Guardar, &d.Hora, &d.Impresor, &d.Personal, &d.Locali, &d.Objetos})
        *f = [&] { ++abiertos; };
    d.Cargar = [&] { return ++abiertos, false; };
    e.BotonesActivos = Falso;
    for (const char* nombre : {"Pic_BotBusca", "Pic_BotCarga", "Pic_BotGuard", "Pic_BotHora", "Pic_BotImpri",
                               "Pic_BotPerso", "Pic_BotLocal", "Pic_BotObjet", "Pic_BotSalir"}) {
        e.Animando = Verdadero;
        QTest::mouseClick(boton(nombre), Qt::LeftButton);
        EXPECT_EQ(e.Animando, Falso) << nombre << ": the animation stops all the same";
        EXPECT_EQ(e.BotonesActivos, Falso) << nombre;
        EXPECT_FALSE(boton(nombre)->isDown()) << nombre;
    }
    EXPECT_EQ(abiertos, 0);
    EXPECT_TRUE(mensajes.empty()) << "no exit question either";

    // Help does not ask, and hands the buttons back when it is done.
    QTest::mouseClick(boton("Pic_BotAyuda"), Qt::LeftButton);
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    EXPECT_FALSE(boton("Pic_BotAyuda")->isDown());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != ventana.get()) w->close();
}

TEST_F(Ventana, CancellingTheExitQuestionKeepsEverything) {
    ProgramState& e = Estado();
    respuesta = false;
    e.Animando = Verdadero;
    deshacer->show();
    const ProgramState antes = e;
    QTest::mouseClick(boton("Pic_BotSalir"), Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].titulo, "Salir de VESPERA");
    EXPECT_EQ(mensajes[0].texto,
              "Va a abandonar el programa  VESPERA.   Para confirmarlo pulse el  Botón  Aceptar.   Para volver "
              "al programa pulse el Botón Cancelar.");
    EXPECT_EQ(mensajes[0].lineas, 3);
    EXPECT_EQ(mensajes[0].tipo, 2);
    EXPECT_EQ(e.RespuestaMensaje, Falso);
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    EXPECT_EQ(e.Animando, Falso) << "the animation stays stopped";
    EXPECT_FALSE(boton("Pic_BotSalir")->isDown());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(deshacer->isVisible()) << "leaving keeps the undo point";
    EXPECT_EQ(e.DiaJuliano, antes.DiaJuliano);
    EXPECT_EQ(e.Direccion, antes.Direccion);
}

TEST_F(Ventana, DoubleClicksOnThePanelTextsRunTheirButtons) {
    ProgramState& e = Estado();
    int lugar = 0, hora = 0;
    ventana->dialogos.Locali = [&] { ++lugar; };
    ventana->dialogos.Hora = [&] { ++hora; };
    for (const char* t : {"Tex_Loca", "Tex_Lati", "Tex_Longi", "Tex_Direc", "Tex_Eleva", "Tex_Zoom"}) {
        e.Animando = Verdadero;
        deshacer->show();
        QTest::mouseDClick(ventana->findChild<QLabel*>(t), Qt::LeftButton);
        EXPECT_EQ(e.Animando, Falso) << t;
        EXPECT_FALSE(deshacer->isVisible()) << t;
    }
    for (const char* t : {"Tex_FecUni", "Tex_HorUni", "Tex_FecLoc", "Tex_HorLoc", "Tex_FecJul"})
        QTest::mouseDClick(ventana->findChild<QLabel*>(t), Qt::LeftButton);
    EXPECT_EQ(lugar, 6);
    EXPECT_EQ(hora, 5);
    EXPECT_EQ(e.DiaJuliano, 2460677.3) << "a double click on a panel never reaches the chart";

    // The real-time notice presses the pad's bottom button: the animation
    // dialog comes up.
    QString dialogo;
    alAparecer([&](QWidget* w) {
        dialogo = w->windowTitle();
        w->close();
    });
    deshacer->show();
    QTest::mouseDClick(ventana->findChild<QLabel*>("Tex_TiempoReal"), Qt::LeftButton);
    EXPECT_EQ(dialogo, QString::fromUtf8("Tiempo de Fecha/Hora y Animación"));
    EXPECT_FALSE(deshacer->isVisible());
    EXPECT_EQ(e.BotonesActivos, Verdadero);
}

TEST_F(Ventana, TheLocationAndDateButtonsOpenTheirDialogsCentredAndFollowAppliedStates) {
    ProgramState& e = Estado();
    e.HorarioVerano = 1;
    AplicaEstado();  // as a configuration load ends
    struct Caso {
        const char* boton;
        QString titulo;
    } casos[] = {{"Pic_BotLocal", QStringLiteral("Localización")}, {"Pic_BotHora", QStringLiteral("Fecha   y   Hora")}};
    for (const Caso& c : casos) {
        QString titulo;
        QPoint desvio;
        bool verano = false;
        alAparecer([&](QWidget* w) {
            titulo = w->windowTitle();
            const QRect g = w->geometry(), v = ventana->geometry();
            desvio = g.topLeft() - v.topLeft() - QPoint(v.width() - g.width(), v.height() - g.height()) / 2;
            if (auto* casilla = w->findChild<QCheckBox*>("Chk_HorarioVer")) verano = casilla->isChecked();
            QTest::mouseClick(w->findChild<QAbstractButton*>("Pic_BotSalir"), Qt::LeftButton);
        });
        QTest::mouseClick(boton(c.boton), Qt::LeftButton);
        EXPECT_EQ(titulo, c.titulo);
        EXPECT_LE(desvio.manhattanLength(), 1) << c.boton;
        EXPECT_EQ(e.BotonesActivos, Verdadero);
        EXPECT_EQ(verano, std::string(c.boton) == "Pic_BotHora");
    }
}

TEST_F(Ventana, ALoadedConfigurationWithAnAnimationStartsIt) {
    ProgramState& e = Estado();
    ventana->dialogos.Cargar = [&] {
        EXPECT_EQ(e.ModoCargaGuar, 1);
        e.IncluirAnima = 1;
        return true;
    };
    // The animation runs until something stops it: watch for it, then stop
    // it (however long a slow build takes to get there).
    int16_t animando = Falso;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (!e.Animando) return;
        animando = e.Animando;
        e.Animando = Falso;
    });
    vigia.start(10);
    QTest::mouseClick(boton("Pic_BotCarga"), Qt::LeftButton);
    vigia.stop();
    EXPECT_EQ(animando, Verdadero);
    EXPECT_EQ(e.BotonesActivos, Verdadero);
}

// ---- Panels ----------------------------------------------------------------------

TEST_F(Ventana, ThePanelsFollowTheirOptions) {
    ProgramState& e = Estado();
    const char* paneles[4] = {"Pic_Mando", "Pic_InfoCursor", "Pic_InfoLocali", "Pic_Muestra"};
    int16_t* opciones[4] = {&e.PanelControl, &e.PanelCursor, &e.PanelLocalizacion, &e.PanelObjetos};
    for (int mascara = 0; mascara < 16; ++mascara) {
        for (int i = 0; i < 4; ++i) *opciones[i] = mascara >> i & 1 ? Activado : Desactivado;
        AplicaEstado();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ventana->findChild<QWidget*>(paneles[i])->isVisible(), *opciones[i] == Activado)
                << paneles[i] << " with options " << mascara;
    }
    // The location panel shows the texts of the last redraw.
    for (auto [nombre, valor] : {std::pair{"Tex_Zoom", &e.Panel.Tex_Zoom}, {"Tex_FecJul", &e.Panel.Tex_FecJul},
                                 {"Tex_Direc", &e.Panel.Tex_Direc}, {"Tex_Lati", &e.Panel.Tex_Lati}})
        EXPECT_EQ(texto(nombre).toStdString(), *valor) << nombre;
    EXPECT_EQ(texto("Tex_Zoom"), "Zoom = 1.0");
    EXPECT_EQ(texto("Tex_TiempoReal"), QString::fromUtf8("Animación tiempo real"));
}

TEST_F(Ventana, StartUpShowsTheWindowAndDrawsTheFirstChart) {
    // A fresh engine and window, started as the program starts, from a copy
    // of the initial configuration that ships.
    ventana.reset();
    MotorNuevo(false);
    ventana = std::make_unique<VentanaCielo>();
    ventana->InstalaAvisos();
    bool visibleAlCargar = false;
    avisos().Mensaje = [&](const std::string& t, const std::string& m, int16_t l, int16_t tipo) {
        mensajes.push_back({t, m, l, tipo});
        return true;
    };
    fs::copy_file(fs::path(VESPERA_DATOS) / "INICIAL.VPC", carpeta / "Inicial.vpc");
    FijaCarpetaPrograma(VESPERA_DATOS);
    QTimer::singleShot(0, [&] { visibleAlCargar = ventana->isVisible(); });
    ArrancaPrograma((carpeta / "Inicial.vpc").string());
    QCoreApplication::processEvents();
    deshacer = ventana->findChild<QPushButton*>("Bot_Undo");

    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(visibleAlCargar) << "the empty window is up while the catalogues load";
    EXPECT_TRUE(mensajes.empty());
    const ProgramState& e = Estado();
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    EXPECT_FALSE(e.Panel.Tex_Loca.empty());
    EXPECT_EQ(texto("Tex_Loca").toStdString(), e.Panel.Tex_Loca);
    EXPECT_EQ(ventana->findChild<QWidget*>("Pic_Muestra")->isVisible(), e.PanelObjetos == Activado);
    EXPECT_FALSE(deshacer->isVisible());
}

}  // namespace
}  // namespace vsp::ui
