// The main window driven through its inputs: the mouse on the chart (centring
// and undo, drag, wheel, telescope circle, cursor read-out), the keys, the
// buttons and the exit question, the panels, and the start-up.
#include "ui/principal/ventana_cielo.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <array>
#include <utility>

#include "../dialogo.h"
#include "../modal.h"
#include "programa/arranque.h"
#include "time/formatos.h"
#include "ui/principal/lienzo_cielo.h"
#include "ui/dialogos/animar.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

// What undo brings back: the moment and the direction of the view.
auto vista(const ProgramState& e) { return std::tuple(e.DiaJuliano, e.Direccion, e.Elevacion); }

class Ventana : public PruebaDialogo<VentanaCielo> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        e = &Estado();
        // Madrid on the evening of 1 January 2025, looking south 30 degrees
        // up, every panel shown, stars to magnitude 3, the telescope off.
        e->DiaJuliano = 2460677.3;
        e->Latitud = 40.4165 * RadianesPorGrado;
        e->Longitud = 3.7026 * RadianesPorGrado;
        e->Direccion = Pi;
        e->Elevacion = 30 * RadianesPorGrado;
        e->Zoom = 1;
        e->SentidoImagen = 1;
        e->NivelEstrellas = 3;
        e->PanelControl = e->PanelCursor = e->PanelLocalizacion = e->PanelObjetos = Activado;
        e->Telescopio = Desactivado;

        ventana = std::make_unique<VentanaCielo>();
        ventana->InstalaAvisos();
        anotaMensajes();
        ventana->resize(1000, 700);
        ASSERT_TRUE(MuestraActiva(ventana.get()));
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
    // A drag with the left button in `pasos` even steps, held still at its end
    // for the view to settle under the pointer.
    void arrastra(QPoint desde, QPoint hasta, int pasos) {
        QTest::mousePress(lienzo, Qt::LeftButton, {}, desde);
        for (int i = 1; i <= pasos; ++i) QTest::mouseMove(lienzo, desde + (hasta - desde) * i / pasos);
        for (int i = 0; i < 5; ++i) QTest::mouseMove(lienzo, hasta);
        QTest::mouseRelease(lienzo, Qt::LeftButton, {}, hasta);
    }
    // Each dialog replaced by a note of its name.
    void anotaDialogos() {
        VentanaCielo::Dialogos& dd = ventana->dialogos;
        for (auto [dialogo, nombre] : {std::pair{&dd.Buscar, "Buscar"}, {&dd.Guardar, "Guardar"},
                                       {&dd.Hora, "Hora"}, {&dd.Impresor, "Impresor"}, {&dd.Personal, "Personal"},
                                       {&dd.Locali, "Locali"}, {&dd.Objetos, "Objetos"}})
            *dialogo = [this, nombre] { abiertos.push_back(nombre); };
        dd.Cargar = [this] { return abiertos.push_back("Cargar"), false; };
    }
    QString texto(const char* nombre) { return control<QLabel>(nombre)->text(); }
    BotonImagen* boton(const char* nombre) { return control<BotonImagen>(nombre); }
    bool hayDeshacer() const { return fs::exists(carpeta / "Temporal.WRK"); }

    std::unique_ptr<VentanaCielo>& ventana = d;
    ProgramState* e = nullptr;
    LienzoCielo* lienzo = nullptr;
    QPushButton* deshacer = nullptr;
    std::vector<std::string> abiertos;
};

// ---- The mouse on the chart ----------------------------------------------------

TEST_F(Ventana, ALeftClickOnABrightStarCentresItAndUndoRestoresTheSituation) {
    const auto sitio = [](const Proyector& p, const Estrella& s) {
        float x = s.x, y = s.y, z = s.z, X, Y, Z;
        p.Proyecta(x, y, z, X, Y, Z);
        return std::array{X, Y, Z};
    };
    // The brightest star on the chart some way east of the meridian, so that
    // the centring's solar-for-sidereal shift stays well under a degree.
    const Proyector p = Proyector::DesdeEstado(*e);
    const Estrella* s = nullptr;
    double ar = 0, dec = 0;
    for (int i = 0; i <= e->CortesEstrellas[3] && !s; ++i) {
        const auto [X, Y, Z] = sitio(p, e->Estrellas[i]);
        AngulosDeCosenos(e->Estrellas[i].x, e->Estrellas[i].y, e->Estrellas[i].z, ar, dec);
        const double hacia = std::remainder(ar - e->TiempoSidereo, DosPi);
        if (Z > 0.5 && std::abs(X) < 1.2 && std::abs(Y) < 1 && hacia > 0.1 && hacia < 1) s = &e->Estrellas[i];
    }
    ASSERT_NE(s, nullptr) << "no bright star east of the meridian in view";
    const ProgramState antes = *e;
    const auto [X, Y, Z] = sitio(p, *s);
    QTest::mouseClick(lienzo, Qt::LeftButton, {}, pixelDe(X, Y));

    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(e->CentradoHecho, Verdadero);
    EXPECT_GT(e->DiaJuliano, antes.DiaJuliano);
    EXPECT_LT(e->DiaJuliano, antes.DiaJuliano + 1) << "forward, by less than a day";
    // South of the zenith: the view turns south, up to the culmination.
    ASSERT_LT(dec, e->Latitud);
    EXPECT_EQ(e->Direccion, Pi);
    EXPECT_NEAR(e->Elevacion, dec - e->Latitud + MedioPi, 0.5 * RadianesPorGrado);
    const auto centrada = sitio(Proyector::DesdeEstado(*e), *s);
    EXPECT_LT(std::hypot(centrada[0], centrada[1]), 1.0 * RadianesPorGrado) << "within a degree of the centre";
    EXPECT_TRUE(hayDeshacer() && deshacer->isVisible()) << "the centring's redraw shows the undo button";

    QTest::mouseClick(deshacer, Qt::LeftButton);
    EXPECT_EQ(vista(*e), vista(antes));
    EXPECT_EQ(texto("Tex_HorUni").toStdString(), antes.Panel.Tex_HorUni);
    EXPECT_FALSE(deshacer->isVisible()) << "any other redraw hides it again";
}

TEST_F(Ventana, ADragTurnsTheViewUnderThePointerWithOneUndoPointAndTheWheelZoomsByNotches) {
    const ProgramState antes = *e;
    const auto horizonte = [this](QPoint p) {
        const QPointF c = lienzo->superficie().toChart(QPointF(p) * lienzo->superficie().devicePixelRatio());
        double ar, dec;
        float alt, az;
        PuntoACoordenadas(static_cast<float>(c.x()), static_cast<float>(c.y()), ar, dec, alt, az);
        return std::pair<double, double>(alt, az);
    };
    // The sky point under A is carried to B.
    const QPoint a = pixelDe(0.1, 0.1), b = pixelDe(-0.3, -0.2);
    const auto [alt0, az0] = horizonte(a);
    arrastra(a, b, 10);
    const auto [alt1, az1] = horizonte(b);
    EXPECT_NEAR(alt1, alt0, 0.3 * RadianesPorGrado);
    EXPECT_NEAR(std::remainder(az1 - az0, DosPi), 0, 0.3 * RadianesPorGrado);
    EXPECT_NE(e->Direccion, antes.Direccion);
    EXPECT_NE(e->Elevacion, antes.Elevacion);
    EXPECT_EQ(e->DiaJuliano, antes.DiaJuliano) << "a drag does not move time, a click would";
    EXPECT_TRUE(hayDeshacer() && deshacer->isVisible());
    QTest::mouseClick(deshacer, Qt::LeftButton);
    EXPECT_EQ(vista(*e), vista(antes));
    arrastra(a, a + QPoint(2, 1), 1);  // less than 4 pixels is a click
    EXPECT_NE(e->DiaJuliano, antes.DiaJuliano) << "the click centres";

    // The wheel: half a unit of zoom per notch, away from the user zooms in.
    const auto rueda = [this](int octavos) {
        QWheelEvent ev(QPointF(100, 100), lienzo->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, octavos),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lienzo, &ev);
    };
    const QImage leyenda = control<QWidget>("Pic_Muestra")->grab().toImage();
    rueda(120);
    EXPECT_FLOAT_EQ(e->Zoom, 1.5f);
    EXPECT_NE(control<QWidget>("Pic_Muestra")->grab().toImage(), leyenda) << "the legend's symbols follow the zoom";
    rueda(60);  // half a notch waits for its other half
    EXPECT_FLOAT_EQ(e->Zoom, 1.5f);
    rueda(60);
    rueda(-360);
    EXPECT_FLOAT_EQ(e->Zoom, 1.0f) << "down to the least zoom and no further";
    e->Zoom = 14.5f;
    rueda(240);
    EXPECT_FLOAT_EQ(e->Zoom, 15.0f);
}

TEST_F(Ventana, AClickOrADragFromOffTheSkyOrAStrayReleaseDoesNothing) {
    const ProgramState antes = *e;
    // Beyond the sky's disc, at the foot of the chart where no panel lies.
    const QPoint fuera = pixelDe(0.6, -1.2);
    QTest::mouseClick(lienzo, Qt::LeftButton, {}, fuera);
    arrastra(fuera, fuera - QPoint(100, 150), 5);
    // Nor does a release whose press was elsewhere, as on a dialog that closed.
    QTest::mouseRelease(lienzo, Qt::LeftButton, {}, pixelDe(0, 0));
    EXPECT_EQ(vista(*e), vista(antes));
    EXPECT_TRUE(mensajes.empty());
    EXPECT_FALSE(hayDeshacer() || deshacer->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone again";
}

TEST_F(Ventana, TwoRightClicksLeaveOneCircle) {
    e->TelescopioRadio = 0.05;  // about 13 pixels here
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
    EXPECT_TRUE(!e->TelescopioVisible && limpio(primero)) << "the telescope off: nothing";

    e->Telescopio = Activado;
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_EQ(e->TelescopioVisible, Verdadero);
    const QPointF centro = lienzo->superficie().toChart(QPointF(primero) * dpr);
    EXPECT_DOUBLE_EQ(e->TelescopioX, centro.x());
    EXPECT_DOUBLE_EQ(e->TelescopioY, centro.y());
    EXPECT_FALSE(limpio(primero));
    QTest::mouseClick(lienzo, Qt::RightButton, {}, segundo);
    EXPECT_TRUE(limpio(primero)) << "the first circle's pixels are gone";
    EXPECT_FALSE(limpio(segundo));
    // A redraw puts the circle back; moving it then still leaves the sky as
    // it was, as the chart is the same.
    AplicaEstado();
    EXPECT_FALSE(limpio(segundo));
    QTest::mouseClick(lienzo, Qt::RightButton, {}, primero);
    EXPECT_TRUE(limpio(segundo));
    avisos().BorraTelescopio();  // without a redraw
    EXPECT_EQ(e->TelescopioVisible, Falso);
    EXPECT_TRUE(lienzo->superficie().image() == cielo);
}

TEST_F(Ventana, TheCursorReadOutShowsThePointUnderTheMouse) {
    // The chart's centre is the view's direction, on the meridian. A move to
    // where the pointer already is gives no event: come from elsewhere.
    QTest::mouseMove(lienzo, pixelDe(0.3, 0.3));
    QTest::mouseMove(lienzo, pixelDe(0, 0));
    EXPECT_EQ(texto("Tex_Altitud"), QString::fromUtf8("Altitud =  30° 00' 00\""));
    EXPECT_EQ(texto("Tex_Azimuth"), QString::fromUtf8("Azimut = 180° 00' 00\""));
    EXPECT_EQ(texto("Tex_Dec").toStdString(),
              "DEC. = " + FormatoGrados(static_cast<float>(e->Latitud - 60 * RadianesPorGrado)));
    EXPECT_EQ(texto("Tex_ARecta").toStdString(), "A.R. = " + FormatoHoras(static_cast<float>(e->TiempoSidereo)));

    // Off the sky, one blank each.
    QTest::mouseMove(lienzo, pixelDe(0.6, -1.2));
    for (const char* t : {"Tex_ARecta", "Tex_Dec", "Tex_Altitud", "Tex_Azimuth"}) EXPECT_EQ(texto(t), " ") << t;

    // With the panel off the texts keep what they had.
    e->PanelCursor = Desactivado;
    AplicaEstado();
    QTest::mouseMove(lienzo, pixelDe(0, 0));
    for (const char* t : {"Tex_ARecta", "Tex_Dec", "Tex_Altitud", "Tex_Azimuth"}) EXPECT_EQ(texto(t), " ") << t;
}

// ---- Keys and buttons ----------------------------------------------------------

TEST_F(Ventana, EachKeyReachesItsAction) {
    e->PasoTiempo = 0.25;
    const double grado = DosPi / 360;
    double zoom = 0;
    const struct { QKeyCombination tecla; double* valor; double cambio; } pasos[] = {
        {Qt::Key_Right, &e->Direccion, grado},   {Qt::Key_Left, &e->Direccion, -grado},
        {Qt::Key_Up, &e->Elevacion, grado},      {Qt::Key_Down, &e->Elevacion, -grado},
        {Qt::Key_Plus, &zoom, 0.5},              {Qt::Key_Minus, &zoom, -0.5},
        {Qt::Key_PageUp, &e->DiaJuliano, 0.25},  {Qt::Key_PageDown, &e->DiaJuliano, -0.25},
    };
    // While its step redraws the chart, the key's arrow on the pad is lit:
    // the pad's left column steps down, its right column up, row by row.
    QWidget* mando = control("Pic_Mando");
    for (int fila = 0; fila < 8; ++fila) {
        const auto& p = pasos[fila];
        zoom = e->Zoom;
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
        zoom = e->Zoom;
        const std::string nombre = QKeySequence(p.tecla).toString().toStdString();
        EXPECT_NEAR(*p.valor - antes, p.cambio, 1e-9) << nombre;
        EXPECT_TRUE(encendida) << nombre << ": its arrow lit on the pad";
    }
    avisos().Redibujo = [this] { ++redibujos; };

    // The buttons' keys open what the buttons open (Ctrl+Q: see the exit).
    anotaDialogos();
    ventana->pideArchivoExportar = [&] {
        abiertos.push_back("Exportar");
        return QString::fromStdString((carpeta / "carta.svg").string());
    };
    for (const Qt::Key tecla : {Qt::Key_F, Qt::Key_O, Qt::Key_S, Qt::Key_T, Qt::Key_P, Qt::Key_L, Qt::Key_E})
        QTest::keyClick(ventana.get(), tecla, Qt::ControlModifier);
    EXPECT_EQ(abiertos, (std::vector<std::string>{"Buscar", "Cargar", "Guardar", "Hora", "Impresor", "Locali",
                                                  "Exportar"}));
    EXPECT_TRUE(fs::exists(carpeta / "carta.svg"));
    // An export that cannot be written says why, in an error box.
    const std::string sinCarpeta = (carpeta / "no-existe" / "carta.png").string();
    ventana->pideArchivoExportar = [&] { return QString::fromStdString(sinCarpeta); };
    QTest::keyClick(ventana.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_FALSE(mensajes.empty());
    EXPECT_EQ(mensajes.back(), "Exportar la carta: No se ha podido escribir el archivo  «" + sinCarpeta +
                                   "».  No existe el fichero o el directorio.");
    EXPECT_EQ(e->MensajeTipo2, TipoError);

    // F11 fills the screen and gives it back; Space starts the animation and
    // stops it.
    QTest::keyClick(ventana.get(), Qt::Key_F11);
    EXPECT_TRUE(ventana->isFullScreen());
    QTest::keyClick(ventana.get(), Qt::Key_F11);
    EXPECT_FALSE(ventana->isFullScreen());
    const double instante = e->DiaJuliano;
    QTimer::singleShot(50, [this] { QTest::keyClick(ventana.get(), Qt::Key_Space); });
    QTest::keyClick(ventana.get(), Qt::Key_Space);
    EXPECT_EQ(e->Animando, Falso);
    EXPECT_GT(e->DiaJuliano, instante);
}

// A button opens its dialog centred over the window (search where the user
// left it), showing the state last applied, the button pressed and the others
// paused; it stops the animation and, but for printing, drops the undo point.
// While an action is open only help answers.
TEST_F(Ventana, EachButtonOpensItsDialogCentredWithTheOthersPaused) {
    e->HorarioVerano = 1;
    e->Casillas[Chk_ViaLa] = e->Casillas[Chk_ViaLa] ? 0 : 1;
    const bool viaLactea = e->Casillas[Chk_ViaLa] == 1;
    AplicaEstado();  // as a configuration load ends
    for (const auto& [nombre, clase] : {std::pair{"Pic_BotBusca", "Buscar"}, {"Pic_BotCarga", "CargaGuar"},
                                        {"Pic_BotGuard", "CargaGuar"}, {"Pic_BotHora", "Hora"},
                                        {"Pic_BotImpri", "Impresor"}, {"Pic_BotPerso", "Personal"},
                                        {"Pic_BotLocal", "Locali"}, {"Pic_BotObjet", "Objetos"}}) {
        const std::string cual = nombre;
        std::string abierto;
        QPoint desvio(99, 99);
        bool verano = false, via = viaLactea;
        alAparecer([&](QWidget* w) {
            abierto = w->metaObject()->className();
            const QRect g = w->geometry(), v = ventana->geometry();
            desvio = g.topLeft() - v.topLeft() - QPoint(v.width() - g.width(), v.height() - g.height()) / 2;
            if (auto* casilla = w->findChild<QCheckBox*>("Chk_HorarioVer")) verano = casilla->isChecked();
            if (auto* casilla = w->findChild<QCheckBox*>("Chk_ViaLa")) via = casilla->isChecked();
            EXPECT_EQ(e->BotonesActivos, Falso) << cual;
            EXPECT_TRUE(boton(nombre)->isDown()) << cual << " looks pressed while its dialog is up";
            QTest::mouseClick(w->findChild<QAbstractButton*>("Pic_BotSalir"), Qt::LeftButton);
        });
        e->Animando = Verdadero;
        deshacer->show();
        QTest::mouseClick(boton(nombre), Qt::LeftButton);
        // As a desktop without a window manager does: the dialog gone, no
        // window has the keyboard.
        QApplication::setActiveWindow(nullptr);
        EXPECT_EQ(abierto, std::string("vsp::ui::") + clase) << cual;
        EXPECT_TRUE(cual == "Pic_BotBusca" || desvio.manhattanLength() <= 1) << cual;
        EXPECT_EQ(verano, cual == "Pic_BotHora") << cual;
        EXPECT_EQ(via, viaLactea) << cual;
        EXPECT_EQ(e->Animando, Falso) << cual;
        EXPECT_EQ(deshacer->isVisible(), cual == "Pic_BotImpri") << cual;
        EXPECT_EQ(e->BotonesActivos, Verdadero);
        EXPECT_FALSE(boton(nombre)->isDown());
        for (int i = 0; i < 10 && QApplication::activeWindow() != ventana.get(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(QApplication::activeWindow(), ventana.get()) << cual;
    }
    EXPECT_EQ(e->ModoCargaGuar, 2) << "saving";

    anotaDialogos();
    e->BotonesActivos = Falso;
    for (const char* nombre : {"Pic_BotBusca", "Pic_BotCarga", "Pic_BotGuard", "Pic_BotHora", "Pic_BotImpri",
                               "Pic_BotPerso", "Pic_BotLocal", "Pic_BotObjet", "Pic_BotSalir"}) {
        e->Animando = Verdadero;
        QTest::mouseClick(boton(nombre), Qt::LeftButton);
        EXPECT_EQ(e->Animando, Falso) << nombre << ": the animation stops all the same";
        EXPECT_FALSE(boton(nombre)->isDown()) << nombre;
    }
    EXPECT_TRUE(abiertos.empty());
    EXPECT_TRUE(mensajes.empty()) << "no exit question either";
    QTest::mouseClick(boton("Pic_BotAyuda"), Qt::LeftButton);
    EXPECT_EQ(e->BotonesActivos, Verdadero) << "help hands the buttons back when it is done";
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != ventana.get()) w->close();
}

// The exit button, its key and the window's own closing ask first; No keeps
// everything, the animation stopped.
TEST_F(Ventana, CancellingTheExitQuestionKeepsEverything) {
    respuesta = false;
    e->Animando = Verdadero;
    deshacer->show();
    const ProgramState antes = *e;
    QTest::mouseClick(boton("Pic_BotSalir"), Qt::LeftButton);
    QTest::keyClick(ventana.get(), Qt::Key_Q, Qt::ControlModifier);
    ventana->close();
    EXPECT_EQ(mensajes, std::vector<std::string>(3, "Salir de VESPERA: Va a abandonar el programa  VESPERA.   "
                                                    "Para confirmarlo pulse el  Botón  Aceptar.   Para volver "
                                                    "al programa pulse el Botón Cancelar."));
    EXPECT_EQ(e->BotonesActivos, Verdadero);
    EXPECT_EQ(e->Animando, Falso);
    EXPECT_FALSE(boton("Pic_BotSalir")->isDown());
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(deshacer->isVisible()) << "staying keeps the undo point";
    EXPECT_EQ(vista(*e), vista(antes));
    respuesta = true;
    ventana->close();
    EXPECT_FALSE(ventana->isVisible());
}

TEST_F(Ventana, DoubleClicksOnThePanelTextsRunTheirButtons) {
    anotaDialogos();
    for (const char* t : {"Tex_Loca", "Tex_Lati", "Tex_Longi", "Tex_Direc", "Tex_Eleva", "Tex_Zoom", "Tex_FecUni",
                          "Tex_HorUni", "Tex_FecLoc", "Tex_HorLoc", "Tex_FecJul"}) {
        e->Animando = Verdadero;
        deshacer->show();
        QTest::mouseDClick(control<QLabel>(t), Qt::LeftButton);
        EXPECT_EQ(e->Animando, Falso) << t;
        EXPECT_FALSE(deshacer->isVisible()) << t;
    }
    EXPECT_EQ(std::count(abiertos.begin(), abiertos.end(), "Locali"), 6);
    EXPECT_EQ(std::count(abiertos.begin(), abiertos.end(), "Hora"), 5);
    EXPECT_EQ(e->DiaJuliano, 2460677.3) << "a double click on a panel never reaches the chart";
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

TEST_F(Ventana, ALoadedConfigurationWithAnAnimationStartsIt) {
    ventana->dialogos.Cargar = [this] {
        EXPECT_EQ(e->ModoCargaGuar, 1);
        e->IncluirAnima = 1;
        return true;
    };
    // The animation runs until something stops it: watch for it, then stop
    // it (however long a slow build takes to get there).
    int16_t animando = Falso;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (e->Animando) animando = std::exchange(e->Animando, Falso);
    });
    vigia.start(10);
    QTest::mouseClick(boton("Pic_BotCarga"), Qt::LeftButton);
    vigia.stop();
    EXPECT_EQ(animando, Verdadero);
    EXPECT_EQ(e->BotonesActivos, Verdadero);
}

// ---- Panels and start-up -------------------------------------------------------

TEST_F(Ventana, ThePanelsFollowTheirOptions) {
    const char* paneles[4] = {"Pic_Mando", "Pic_InfoCursor", "Pic_InfoLocali", "Pic_Muestra"};
    int16_t* opciones[4] = {&e->PanelControl, &e->PanelCursor, &e->PanelLocalizacion, &e->PanelObjetos};
    for (int mascara = 0; mascara < 16; ++mascara) {
        for (int i = 0; i < 4; ++i) *opciones[i] = mascara >> i & 1 ? Activado : Desactivado;
        AplicaEstado();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(control<QWidget>(paneles[i])->isVisible(), *opciones[i] == Activado)
                << paneles[i] << " with options " << mascara;
    }
}

// A window of another shape shows the chart in its own shape.
TEST_F(Ventana, TheChartTakesTheWindowsShape) {
    for (const QSize tamano : {QSize(1400, 700), QSize(800, 900)}) {
        ventana->resize(tamano);
        QCoreApplication::processEvents();
        EXPECT_NEAR(e->VentanaAncho / -e->VentanaAlto, static_cast<double>(lienzo->width()) / lienzo->height(), 1e-3)
            << tamano.width();
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
    e = &Estado();
    ventana = std::make_unique<VentanaCielo>();
    ventana->InstalaAvisos();
    anotaMensajes();
    bool visibleAlCargar = false;
    fs::copy_file(fs::path(VESPERA_DATOS) / "INICIAL.VPC", carpeta / "Inicial.vpc");
    FijaCarpetaPrograma(VESPERA_DATOS);
    QTimer::singleShot(0, [&] { visibleAlCargar = ventana->isVisible(); });
    ArrancaPrograma((carpeta / "Inicial.vpc").string());
    QCoreApplication::processEvents();

    EXPECT_TRUE(ventana->isVisible());
    EXPECT_LE((ventana->geometry().center() - ventana->screen()->availableGeometry().center()).manhattanLength(), 4);
    EXPECT_TRUE(visibleAlCargar) << "the empty window is up while the catalogues load";
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(e->BotonesActivos, Verdadero);
    using T = TextosPanel;
    for (const auto& [nombre, campo] :
         {std::pair{"Tex_Loca", &T::Tex_Loca}, {"Tex_Longi", &T::Tex_Longi}, {"Tex_Lati", &T::Tex_Lati},
          {"Tex_Direc", &T::Tex_Direc}, {"Tex_Eleva", &T::Tex_Eleva}, {"Tex_Zoom", &T::Tex_Zoom},
          {"Tex_FecUni", &T::Tex_FecUni}, {"Tex_HorUni", &T::Tex_HorUni}, {"Tex_FecLoc", &T::Tex_FecLoc},
          {"Tex_HorLoc", &T::Tex_HorLoc}, {"Tex_FecJul", &T::Tex_FecJul}}) {
        EXPECT_FALSE((e->Panel.*campo).empty()) << nombre;
        EXPECT_EQ(texto(nombre).toStdString(), e->Panel.*campo) << nombre;
    }
    EXPECT_FALSE(control<QPushButton>("Bot_Undo")->isVisible());
    // The cursor panel tells the chart's centre until the pointer comes.
    for (const auto& [nombre, titulo] : {std::pair{"Tex_ARecta", "A.R. = "}, {"Tex_Dec", "DEC. = "},
                                         {"Tex_Altitud", "Altitud = "}, {"Tex_Azimuth", "Azimut = "}})
        EXPECT_TRUE(texto(nombre).startsWith(QString::fromUtf8(titulo))) << nombre;

    // The screen shows each chart once it is drawn: its middle, clear of
    // the panels, is the chart's.
    auto* cielo = ventana->findChild<LienzoCielo*>();
    e->Direccion += 0.5;
    cielo->redibuja();
    QCoreApplication::processEvents();
    const QRect medio(cielo->rect().center() - QPoint(100, 100), QSize(200, 200));
    const QImage visto = ventana->screen()->grabWindow(ventana->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(visto.copy(QRect(cielo->mapTo(ventana.get(), medio.topLeft()), medio.size())),
              cielo->superficie().image().convertToFormat(QImage::Format_RGB32).copy(medio));
}

}  // namespace
}  // namespace vsp::ui
