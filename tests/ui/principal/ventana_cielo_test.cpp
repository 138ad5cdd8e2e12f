// The main window driven through its inputs: clicks on the chart centre a
// star (and the undo button restores the situation), a drag turns the view,
// the wheel zooms, clicks off the sky change nothing, the right button
// places one telescope circle, the keys, the cursor read-out, the buttons'
// common behaviour and the exit question, the panels following their
// options, and the start-up.
#include "ui/principal/ventana_cielo.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

#include "../dialogo.h"
#include "../modal.h"
#include "programa/arranque.h"
#include "core/constantes.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"
#include "ui/principal/lienzo_cielo.h"
#include "ui/dialogos/animar.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

class Ventana : public PruebaDialogo<VentanaCielo> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
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
        e.NivelEstrellas = 3;
        e.PanelControl = e.PanelCursor = e.PanelLocalizacion = e.PanelObjetos = Activado;
        e.Telescopio = Desactivado;

        ventana = std::make_unique<VentanaCielo>();
        ventana->InstalaAvisos();
        anotaMensajes();
        ventana->resize(1000, 700);
        ventana->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ventana.get()));
        AplicaEstado();
        lienzo = ventana->findChild<LienzoCielo*>();
        deshacer = control<QPushButton>("Bot_Undo");
        ASSERT_TRUE(lienzo && deshacer);
    }
    // The widget pixel where a chart point is drawn.
    QPoint pixelDe(double x, double y) {
        const QPointF p = lienzo->superficie().toPixel(x, y) / lienzo->superficie().devicePixelRatio();
        return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
    }
    QString texto(const char* nombre) { return control<QLabel>(nombre)->text(); }
    BotonImagen* boton(const char* nombre) { return control<BotonImagen>(nombre); }
    bool hayDeshacer() const { return fs::exists(carpeta / "Temporal.WRK"); }

    std::unique_ptr<VentanaCielo>& ventana = d;
    LienzoCielo* lienzo = nullptr;
    QPushButton* deshacer = nullptr;
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
    QTest::mousePress(lienzo, Qt::LeftButton, {}, a);  // a press that moves less than 4 pixels is a click
    QTest::mouseMove(lienzo, a + QPoint(2, 1));
    QTest::mouseRelease(lienzo, Qt::LeftButton, {}, a + QPoint(2, 1));
    EXPECT_NE(e.DiaJuliano, antes.DiaJuliano) << "the click centres";

    // The wheel: half a unit of zoom per notch, away from the user zooms in.
    const auto rueda = [this](int octavos) {
        QWheelEvent ev(QPointF(100, 100), lienzo->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, octavos),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lienzo, &ev);
    };
    const QImage leyenda = control<QWidget>("Pic_Muestra")->grab().toImage();
    rueda(120);
    EXPECT_FLOAT_EQ(e.Zoom, 1.5f);
    EXPECT_NE(control<QWidget>("Pic_Muestra")->grab().toImage(), leyenda) << "the legend's symbols follow the zoom";
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
    double zoom = 0;
    const struct { QKeyCombination tecla; double* valor; double cambio; } pasos[] = {
        {Qt::Key_Right, &e.Direccion, grado},   {Qt::Key_Left, &e.Direccion, -grado},
        {Qt::Key_Up, &e.Elevacion, grado},      {Qt::Key_Down, &e.Elevacion, -grado},
        {Qt::Key_Plus, &zoom, 0.5},             {Qt::Key_Minus, &zoom, -0.5},
        {Qt::Key_PageUp, &e.DiaJuliano, 0.25},  {Qt::Key_PageDown, &e.DiaJuliano, -0.25},
    };
    // While its step redraws the chart, the key's arrow on the pad is lit:
    // the pad's left column steps down, its right column up, row by row.
    QWidget* mando = control("Pic_Mando");
    int fila = 0;
    for (const auto& p : pasos) {
        zoom = e.Zoom;
        const double antes = *p.valor;
        const bool derecha = fila % 2 == 0;  // each pair is the right key, then the left
        bool encendida = false;
        avisos().Redibujo = [&] {
            const QImage m = mando->grab().toImage();
            const QPointF flecha(derecha ? 53 : 22, 22 + 43 * (fila / 2) + 7.5 + (derecha ? 0.8 : -0.8));
            const QRgb px = m.pixel((flecha * m.devicePixelRatio()).toPoint());
            encendida = qRed(px) > 200 && qGreen(px) < 130;
        };
        QTest::keyClick(ventana.get(), p.tecla.key(), p.tecla.keyboardModifiers());
        zoom = e.Zoom;
        const std::string nombre = QKeySequence(p.tecla).toString().toStdString();
        EXPECT_NEAR(*p.valor - antes, p.cambio, 1e-9) << nombre;
        EXPECT_TRUE(encendida) << nombre << ": its arrow lit on the pad";
        ++fila;
    }
    avisos().Redibujo = [this] { ++redibujos; };

    // The buttons' keys open what the buttons open.
    std::vector<std::string> abiertos;
    VentanaCielo::Dialogos& dd = ventana->dialogos;
    for (auto [dialogo, nombre] : {std::pair{&dd.Buscar, "Buscar"}, {&dd.Guardar, "Guardar"}, {&dd.Hora, "Hora"},
                                   {&dd.Impresor, "Impresor"}, {&dd.Locali, "Locali"}})
        *dialogo = [&abiertos, nombre] { abiertos.push_back(nombre); };
    dd.Cargar = [&] { return abiertos.push_back("Cargar"), false; };
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
    EXPECT_TRUE(mensajes[0].starts_with("Salir de VESPERA: ")) << mensajes[0];

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

TEST_F(Ventana, AClickOrADragFromOffTheSkyDoesNothing) {
    const ProgramState antes = Estado();
    // Beyond the sky's disc, at the foot of the chart where no panel lies.
    const QPoint fuera = pixelDe(0.6, -1.2);
    QTest::mouseClick(lienzo, Qt::LeftButton, {}, fuera);
    QTest::mousePress(lienzo, Qt::LeftButton, {}, fuera);
    for (int i = 1; i <= 5; ++i) QTest::mouseMove(lienzo, fuera - QPoint(20, 30) * i);
    QTest::mouseRelease(lienzo, Qt::LeftButton, {}, fuera - QPoint(100, 150));
    EXPECT_EQ(Estado().DiaJuliano, antes.DiaJuliano);
    EXPECT_EQ(Estado().Direccion, antes.Direccion);
    EXPECT_EQ(Estado().Elevacion, antes.Elevacion);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_FALSE(hayDeshacer() || deshacer->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone again";
}

TEST_F(Ventana, TwoRightClicksLeaveOneCircle) {
    ProgramState& e = Estado();
    e.TelescopioRadio = 0.05;  // about 13 pixels here
    const QImage cielo = lienzo->superficie().image().copy();
    const QPoint primero = pixelDe(-0.4, 0.2), segundo = pixelDe(0.5, -0.3);
    const double dpr = lienzo->superficie().devicePixelRatio();
    // Whether the sky round a circle's place is as it was.
    const auto limpio = [&](QPoint centro) {
        const int r = static_cast<int>(std::ceil(0.05 * 700 / 2.6 * dpr)) + 3;
        const QPoint c = (QPointF(centro) * dpr).toPoint();
        const QRect zona(c - QPoint(r, r), c + QPoint(r, r));
        return lienzo->superficie().image().copy(zona) == cielo.copy(zona);
    };
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_TRUE(!e.TelescopioVisible && limpio(primero)) << "the telescope off: nothing";

    e.Telescopio = Activado;
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_EQ(e.TelescopioVisible, Verdadero);
    const QPointF centro = lienzo->superficie().toChart(QPointF(primero) * dpr);
    EXPECT_DOUBLE_EQ(e.TelescopioX, centro.x());
    EXPECT_DOUBLE_EQ(e.TelescopioY, centro.y());
    EXPECT_FALSE(limpio(primero));
    QTest::mouseClick(lienzo, Qt::RightButton, {}, segundo);
    EXPECT_TRUE(limpio(primero)) << "the first circle's pixels are gone";
    EXPECT_FALSE(limpio(segundo));
    // A redraw puts the circle back; moving it afterwards still leaves the
    // sky where it was, as the chart is the same.
    AplicaEstado();
    EXPECT_FALSE(limpio(segundo));
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_TRUE(limpio(segundo));
    avisos().BorraTelescopio();  // without a redraw
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

// A button opens its dialog pressed, the others paused and the animation
// stopped; while an action is open only help answers.
TEST_F(Ventana, EachButtonOpensItsDialogWithTheOthersPaused) {
    ProgramState& e = Estado();
    VentanaCielo::Dialogos& dd = ventana->dialogos;
    const std::tuple<const char*, std::function<void()>*, bool> casos[] = {
        {"Pic_BotBusca", &dd.Buscar, true},    {"Pic_BotGuard", &dd.Guardar, true}, {"Pic_BotHora", &dd.Hora, true},
        {"Pic_BotImpri", &dd.Impresor, false}, {"Pic_BotPerso", &dd.Personal, true}, {"Pic_BotLocal", &dd.Locali, true},
        {"Pic_BotObjet", &dd.Objetos, true}};
    for (const auto& [nombre, dialogo, ocultaDeshacer] : casos) {
        int abierto = 0;
        BotonImagen* b = boton(nombre);
        *dialogo = [&, b] {
            ++abierto;
            EXPECT_EQ(e.BotonesActivos, Falso) << nombre;
            EXPECT_TRUE(b->isDown()) << nombre << " looks pressed while its dialog is up";
        };
        e.Animando = Verdadero;
        deshacer->show();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(abierto, 1) << nombre;
        EXPECT_EQ(e.Animando, Falso) << nombre;
        EXPECT_EQ(deshacer->isVisible(), !ocultaDeshacer) << nombre;
        EXPECT_EQ(e.BotonesActivos, Verdadero);
        EXPECT_FALSE(b->isDown());
    }
    EXPECT_EQ(e.ModoCargaGuar, 2) << "saving";

    int abiertos = 0;
    for (const auto& [nombre, dialogo, oculta] : casos) *dialogo = [&] { ++abiertos; };
    dd.Cargar = [&] { return ++abiertos, false; };
    e.BotonesActivos = Falso;
    for (const char* nombre : {"Pic_BotBusca", "Pic_BotCarga", "Pic_BotGuard", "Pic_BotHora", "Pic_BotImpri",
                               "Pic_BotPerso", "Pic_BotLocal", "Pic_BotObjet", "Pic_BotSalir"}) {
        e.Animando = Verdadero;
        QTest::mouseClick(boton(nombre), Qt::LeftButton);
        EXPECT_EQ(e.Animando, Falso) << nombre << ": the animation stops all the same";
        EXPECT_FALSE(boton(nombre)->isDown()) << nombre;
    }
    EXPECT_EQ(abiertos, 0);
    EXPECT_TRUE(mensajes.empty()) << "no exit question either";
    QTest::mouseClick(boton("Pic_BotAyuda"), Qt::LeftButton);
    EXPECT_EQ(e.BotonesActivos, Verdadero) << "help hands the buttons back when it is done";
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != ventana.get()) w->close();
}

// The exit button and the window's own closing ask first; No keeps
// everything, the animation stopped.
TEST_F(Ventana, CancellingTheExitQuestionKeepsEverything) {
    ProgramState& e = Estado();
    respuesta = false;
    e.Animando = Verdadero;
    deshacer->show();
    const ProgramState antes = e;
    QTest::mouseClick(boton("Pic_BotSalir"), Qt::LeftButton);
    ventana->close();
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[1], "Salir de VESPERA: Va a abandonar el programa  VESPERA.   Para confirmarlo pulse el  Botón  "
                           "Aceptar.   Para volver al programa pulse el Botón Cancelar.");
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    EXPECT_EQ(e.Animando, Falso);
    EXPECT_FALSE(boton("Pic_BotSalir")->isDown());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(deshacer->isVisible()) << "staying keeps the undo point";
    EXPECT_EQ(e.DiaJuliano, antes.DiaJuliano);
    respuesta = true;
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Ventana, DoubleClicksOnThePanelTextsRunTheirButtons) {
    ProgramState& e = Estado();
    int lugar = 0, hora = 0;
    ventana->dialogos.Locali = [&] { ++lugar; };
    ventana->dialogos.Hora = [&] { ++hora; };
    for (const char* t : {"Tex_Loca", "Tex_Lati", "Tex_Longi", "Tex_Direc", "Tex_Eleva", "Tex_Zoom"}) {
        e.Animando = Verdadero;
        deshacer->show();
        QTest::mouseDClick(control<QLabel>(t), Qt::LeftButton);
        EXPECT_EQ(e.Animando, Falso) << t;
        EXPECT_FALSE(deshacer->isVisible()) << t;
    }
    for (const char* t : {"Tex_FecUni", "Tex_HorUni", "Tex_FecLoc", "Tex_HorLoc", "Tex_FecJul"})
        QTest::mouseDClick(control<QLabel>(t), Qt::LeftButton);
    EXPECT_EQ(lugar, 6);
    EXPECT_EQ(hora, 5);
    EXPECT_EQ(e.DiaJuliano, 2460677.3) << "a double click on a panel never reaches the chart";
    // The real-time notice presses the pad's bottom button.
    bool animar = false;
    alAparecer([&](QWidget* w) {
        animar = qobject_cast<Animar*>(w) != nullptr;
        w->close();
    });
    deshacer->show();
    QTest::mouseDClick(control<QLabel>("Tex_TiempoReal"), Qt::LeftButton);
    EXPECT_TRUE(animar);
    EXPECT_FALSE(deshacer->isVisible());
}

TEST_F(Ventana, TheButtonsOpenTheirDialogsCentredAndFollowingAppliedStates) {
    ProgramState& e = Estado();
    e.HorarioVerano = 1;
    e.Casillas[Chk_ViaLa] = e.Casillas[Chk_ViaLa] ? 0 : 1;
    const bool viaLactea = e.Casillas[Chk_ViaLa] == 1;
    AplicaEstado();  // as a configuration load ends
    for (const char* nombre : {"Pic_BotLocal", "Pic_BotHora", "Pic_BotObjet", "Pic_BotPerso", "Pic_BotImpri",
                               "Pic_BotGuard", "Pic_BotCarga"}) {
        QPoint desvio(99, 99);
        bool verano = false, via = viaLactea;
        alAparecer([&](QWidget* w) {
            const QRect g = w->geometry(), v = ventana->geometry();
            desvio = g.topLeft() - v.topLeft() - QPoint(v.width() - g.width(), v.height() - g.height()) / 2;
            if (auto* casilla = w->findChild<QCheckBox*>("Chk_HorarioVer")) verano = casilla->isChecked();
            if (auto* casilla = w->findChild<QCheckBox*>("Chk_ViaLa")) via = casilla->isChecked();
            QTest::mouseClick(w->findChild<QAbstractButton*>("Pic_BotSalir"), Qt::LeftButton);
        });
        QTest::mouseClick(boton(nombre), Qt::LeftButton);
        EXPECT_LE(desvio.manhattanLength(), 1) << nombre;
        EXPECT_EQ(verano, std::string(nombre) == "Pic_BotHora");
        EXPECT_EQ(via, viaLactea) << nombre;
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
            EXPECT_EQ(control<QWidget>(paneles[i])->isVisible(), *opciones[i] == Activado)
                << paneles[i] << " with options " << mascara;
    }
}

TEST_F(Ventana, StartUpShowsTheWindowAndDrawsTheFirstChart) {
    // A fresh engine and window, started as the program starts, from a copy
    // of the initial configuration that ships.
    ventana.reset();
    const Avisos& a = avisos();
    EXPECT_TRUE(!a.VentanaPrincipal && !a.Redibujo && !a.Panel && !a.Ventanas && !a.Leyenda && !a.BorraTelescopio)
        << "nothing is left pointing at a closed window";
    MotorNuevo(false);
    ventana = std::make_unique<VentanaCielo>();
    ventana->InstalaAvisos();
    bool visibleAlCargar = false;
    anotaMensajes();
    fs::copy_file(fs::path(VESPERA_DATOS) / "INICIAL.VPC", carpeta / "Inicial.vpc");
    FijaCarpetaPrograma(VESPERA_DATOS);
    QTimer::singleShot(0, [&] { visibleAlCargar = ventana->isVisible(); });
    ArrancaPrograma((carpeta / "Inicial.vpc").string());
    QCoreApplication::processEvents();
    deshacer = control<QPushButton>("Bot_Undo");

    EXPECT_TRUE(ventana->isVisible());
    EXPECT_LE((ventana->geometry().center() - ventana->screen()->availableGeometry().center()).manhattanLength(), 4);
    EXPECT_TRUE(visibleAlCargar) << "the empty window is up while the catalogues load";
    EXPECT_TRUE(mensajes.empty());
    const ProgramState& e = Estado();
    EXPECT_EQ(e.BotonesActivos, Verdadero);
    using T = TextosPanel;
    for (const auto& [nombre, campo] :
         {std::pair{"Tex_Loca", &T::Tex_Loca}, {"Tex_Longi", &T::Tex_Longi}, {"Tex_Lati", &T::Tex_Lati},
          {"Tex_Direc", &T::Tex_Direc}, {"Tex_Eleva", &T::Tex_Eleva}, {"Tex_Zoom", &T::Tex_Zoom},
          {"Tex_FecUni", &T::Tex_FecUni}, {"Tex_HorUni", &T::Tex_HorUni}, {"Tex_FecLoc", &T::Tex_FecLoc},
          {"Tex_HorLoc", &T::Tex_HorLoc}, {"Tex_FecJul", &T::Tex_FecJul}}) {
        EXPECT_FALSE((e.Panel.*campo).empty()) << nombre;
        EXPECT_EQ(texto(nombre).toStdString(), e.Panel.*campo) << nombre;
    }
    EXPECT_FALSE(deshacer->isVisible());
}

}  // namespace
}  // namespace vsp::ui
