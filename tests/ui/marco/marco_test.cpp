// The frame shared by the windows: the message box driven through its keys
// and buttons, the sounds, the cursors, the splash screen and the help window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include <cstdlib>
#include <set>

#include "../../motor_nuevo.h"
#include "../modal.h"
#include "../teclea.h"
#include "core/mensajes.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/ayuda.h"
#include "ui/marco/careta.h"
#include "ui/marco/marco.h"

namespace vsp::ui {
namespace {

class Marco : public MotorFresco<false> {
protected:
    void SetUp() override {
        MotorFresco::SetUp();
        InstalaMensajes(nullptr);
    }
};

// A key as the keyboard delivers it: to the focused control of the window.
void pulsaTecla(QWidget* ventana, Qt::Key tecla) {
    QWidget* destino = ventana->focusWidget() ? ventana->focusWidget() : ventana;
    QTest::keyClick(destino, tecla);
}

// The bytes of sound `id` as the resources hold them.
std::string bytesSonido(int id) {
    QFile fichero(QStringLiteral(":/sonidos/%1.wav").arg(id));
    fichero.open(QIODevice::ReadOnly);
    return fichero.readAll().toStdString();
}

// ---------------------------------------------------------------------------
// Message box

// A question: Escape or No declines, any other key or Yes accepts (a
// modifier alone, or a key held from before the box, does nothing); the
// buttons sound like buttons.
TEST_F(Marco, AQuestionIsAnsweredByItsKeysAndButtons) {
    Estado().Sonido = 1;
    // A key, or the button named.
    struct Caso { Qt::Key tecla; const char* boton; int16_t respuesta; } casos[] = {
        {Qt::Key_Return, {}, Verdadero}, {Qt::Key_Escape, {}, Falso}, {Qt::Key_N, {}, Verdadero},
        {{}, "Pic_No", Falso},           {{}, "Pic_Si", Verdadero}};
    for (const Caso& c : casos) {
        Estado().RespuestaMensaje = c.respuesta ? Falso : Verdadero;
        alAparecer([&c](QWidget* caja) {
            pulsaTecla(caja, Qt::Key_Shift);
            QKeyEvent repeticion(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(caja, &repeticion);
            EXPECT_TRUE(caja->isVisible());
            if (c.boton) QTest::mouseClick(control(caja, c.boton), Qt::LeftButton);
            else pulsaTecla(caja, c.tecla);
        });
        MensajeBox("Salir de VESPERA", "¿Salir?", 3, 2);
        EXPECT_EQ(Estado().RespuestaMensaje, c.respuesta);
    }
    EXPECT_EQ(Estado().SonidoDatos, bytesSonido(9));
}

// An information or error box answers nothing; its close button acts on the
// press, before any release, with the closing chime. The title's badge tells
// which it is.
TEST_F(Marco, AnInformationOrErrorBoxClosesOnAKeyOrOnPressingItsButton) {
    Estado().Sonido = 1;
    Estado().RespuestaMensaje = Verdadero;
    const auto imagen = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); };
    for (const auto& [tipo, signo] : {std::pair<int16_t, arte::Signo>{1, arte::Signo::Aviso}, {TipoError, arte::Signo::Error}})
    for (const bool boton : {false, true}) {
        bool sinRespuestas = false, cerrada = false, distintivo = false;
        alAparecer([&](QWidget* caja) {
            const QIcon icono = control<QLineEdit>(caja, "Tex_Titulo")->actions().value(0)->icon();
            distintivo = imagen(icono.pixmap(QSize(20, 20))) == imagen(arte::Distintivo(signo));
            sinRespuestas = !caja->findChild<QWidget*>("Pic_Si") && !caja->findChild<QWidget*>("Pic_No");
            if (boton) QTest::mousePress(control(caja, "Pic_BotSalir"), Qt::LeftButton);
            else pulsaTecla(caja, Qt::Key_Escape);
            cerrada = !caja->isVisible();
        });
        MensajeBox("Cargar configuración", "ERROR CID53 ha ocurrido.", 1, tipo);
        EXPECT_TRUE(sinRespuestas && cerrada && distintivo) << tipo << ", " << boton;
        EXPECT_EQ(Estado().RespuestaMensaje, Verdadero);
    }
    EXPECT_EQ(Estado().SonidoDatos, bytesSonido(5));
    EXPECT_NE(imagen(arte::Distintivo(arte::Signo::Error)), imagen(arte::Distintivo(arte::Signo::Aviso)));
}

// Each box shows its own title, text and size, and the normal pointer over
// an hourglass that it gives back.
TEST_F(Marco, TwoMessagesInARowGetFreshBoxesWithTheirOwnTitleTextSizeAndPointer) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct Vista { QString titulo, texto; int alto = 0; bool normal = false, entero = false; };
    std::vector<Vista> vistas;
    const auto mira = [&vistas](QWidget* caja) {
        auto* texto = control<QTextEdit>(caja, "Tex_Mensaje");
        vistas.push_back({control<QLineEdit>(caja, "Tex_Titulo")->text(), texto->toPlainText(), caja->height(),
                          QGuiApplication::overrideCursor() == nullptr, texto->verticalScrollBar()->maximum() == 0});
        pulsaTecla(caja, Qt::Key_Return);
    };
    alAparecer(mira);
    MensajeBox("Cargando datos iniciales", "ERROR CTA53: No existe el fichero", 1, 1);
    alAparecer(mira);
    MensajeBox("Guardar configuración", "Primera línea\r\nSegunda  línea", 4, 1);
    // Three lines of the program's longest kind hold the whole text.
    alAparecer(mira);
    MensajeBox("Impresión",
               "No hay ninguna impresora instalada en el sistema.  Para guardar la carta en un archivo PDF pulse "
               "el  Botón  Aceptar.   Para volver sin imprimir pulse el Botón Cancelar.", 3, 2);

    ASSERT_EQ(vistas.size(), 3u);
    EXPECT_TRUE(vistas[0].entero && vistas[1].entero && vistas[2].entero) << "no text hidden below the box";
    EXPECT_EQ(vistas[0].titulo, QStringLiteral("Cargando datos iniciales"));
    EXPECT_EQ(vistas[1].titulo, QStringLiteral("Guardar configuración"));
    EXPECT_EQ(vistas[1].texto, QStringLiteral("Primera línea\nSegunda  línea"))
        << "line breaks are the text's own, double spaces kept";
    EXPECT_EQ(vistas[1].alto - vistas[0].alto, 3 * QFontMetrics(QApplication::font()).lineSpacing())
        << "three lines more, three lines taller";
    EXPECT_TRUE(vistas[0].normal && vistas[1].normal);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
}

TEST_F(Marco, ANewMessageClosesTheBoxStillOpen) {
    QPointer<QWidget> primera;
    bool primeraCerrada = false;
    alAparecer([&](QWidget* caja) {
        primera = caja;
        alAparecer([&](QWidget* segunda) {
            primeraCerrada = !primera->isVisible();
            pulsaTecla(segunda, Qt::Key_Return);
        });
        MensajeBox("Segundo", "Otro aviso", 1, 1);
    });
    MensajeBox("Primero", "Un aviso", 1, 1);
    EXPECT_TRUE(primeraCerrada);
}

// ---------------------------------------------------------------------------
// Sounds

TEST_F(Marco, SoundOnLoadsEachWaveWithoutAnAudioDevice) {
    Estado().Sonido = 1;
    for (int id = 4; id <= 9; ++id) {
        PlaySonido(id);
        EXPECT_GT(bytesSonido(id).size(), 44u) << "sound " << id;
        EXPECT_EQ(Estado().SonidoDatos, bytesSonido(id)) << "sound " << id;
    }
    // Ids outside 4..9 play nothing and keep the last sound's bytes; so
    // does every id with the sound off.
    for (const int id : {-1, 0, 3, 10}) PlaySonido(id);
    EXPECT_EQ(Estado().SonidoDatos, bytesSonido(9));
    Estado().Sonido = 2;
    for (int id = 4; id <= 8; ++id) PlaySonido(id);
    EXPECT_EQ(Estado().SonidoDatos, bytesSonido(9));
}

// ---------------------------------------------------------------------------
// Cursors

// Each pointer is a picture of its own whose hot spot lies on its drawing:
// the pencil's lead, the eraser's rubbing edge, the fingertip.
TEST_F(Marco, EachPointerIsItsOwnPictureActingAtItsTip) {
    const struct { Puntero puntero; QPoint punta; QRgb color; } punteros[] = {
        {Puntero::Lapiz, {2, 29}, qRgb(0x2b, 0x2b, 0x33)}, {Puntero::Goma, {4, 27}, qRgb(0xf2, 0x9a, 0xae)},
        {Puntero::ManoIndice, {13, 1}, qRgb(255, 255, 255)}};
    std::set<qint64> claves;
    for (const auto& p : punteros) {
        const QCursor& c = CursorPrograma(p.puntero);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor);
        EXPECT_EQ(c.hotSpot(), p.punta);
        const QImage imagen = c.pixmap().toImage();
        ASSERT_EQ(imagen.deviceIndependentSize(), QSizeF(32, 32));
        // The drawing near the hot spot, within two pixels, in its colour.
        bool tinta = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint q = (p.punta + QPoint(dx, dy)) * imagen.devicePixelRatio();
                const QRgb px = imagen.rect().contains(q) ? imagen.pixel(q) : 0;
                tinta |= qAlpha(px) == 255 && std::abs(qRed(px) - qRed(p.color)) < 40 &&
                         std::abs(qGreen(px) - qGreen(p.color)) < 40 && std::abs(qBlue(px) - qBlue(p.color)) < 40;
            }
        EXPECT_TRUE(tinta) << static_cast<int>(p.puntero);
        claves.insert(c.pixmap().cacheKey());
    }
    EXPECT_EQ(claves.size(), 3u);
}

// Every picture of data/arte is built into the program and drawn at the
// pixel ratio asked, keeping its size in points.
TEST_F(Marco, EveryPictureIsDrawnAtTheRatioAskedInItsOwnSize) {
    const QStringList svgs = QDir(QStringLiteral(VESPERA_DATOS "/arte")).entryList({QStringLiteral("*.svg")});
    ASSERT_GE(svgs.size(), 30);
    for (const QString& svg : svgs)
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QByteArray nombre = svg.chopped(4).toLatin1();
            const QImage& imagen = arte::Dibujo(nombre.constData(), {24, 18}, ratio);
            EXPECT_EQ(imagen.deviceIndependentSize(), QSizeF(24, 18)) << nombre.constData() << " " << ratio;
            bool dibujada = false;
            for (int y = 0; y < imagen.height() && !dibujada; ++y)
                for (int x = 0; x < imagen.width() && !dibujada; ++x) dibujada = qAlpha(imagen.pixel(x, y)) > 0;
            EXPECT_TRUE(dibujada) << nombre.constData();
        }
}

TEST_F(Marco, ACheckBoxShowsThePencilWhenClearAndTheEraserWhenTicked) {
    QCheckBox casilla(QStringLiteral("Sol"));
    for (const bool marcada : {false, true, false}) {
        casilla.setChecked(marcada);
        CursorCasilla(&casilla);
        EXPECT_EQ(casilla.cursor().pixmap().cacheKey(),
                  CursorPrograma(marcada ? Puntero::Goma : Puntero::Lapiz).pixmap().cacheKey()) << marcada;
    }
    CursorCasilla(nullptr);
}

// A picture button lights its frame as soon as the pointer is over it, and
// puts it out when it leaves: what the screen shows, not a fresh painting.
TEST_F(Marco, APictureButtonLightsUnderThePointer) {
    QWidget ventana;
    ventana.resize(120, 80);
    QPixmap cara(50, 50);
    cara.fill(Qt::gray);
    BotonImagen boton(cara, QStringLiteral("Salir"), &ventana);
    boton.move(30, 10);
    ASSERT_TRUE(MuestraActiva(&ventana));
    const auto pantalla = [&] {
        QApplication::processEvents();
        return ventana.screen()->grabWindow(ventana.winId()).toImage();
    };
    // Presses whose release went straight to a widget (the pad's, the spins')
    // leave QTest holding the button, and a held button hovers nothing.
    QTest::mouseRelease(&ventana, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&ventana, QPoint(5, 5));
    const QImage fuera = pantalla();
    QTest::mouseMove(&boton, boton.rect().center());
    EXPECT_NE(pantalla(), fuera);
    QTest::mouseMove(&ventana, QPoint(5, 5));
    EXPECT_EQ(pantalla(), fuera);
}

// ---------------------------------------------------------------------------
// Splash screen

// Left alone, at the greatest speed, the splash ends after two passes; a
// key or a click ends it after the current step.
TEST_F(Marco, TheSplashEndsByItselfAfterTwoPassesOrOnAKeyOrAClick) {
    Estado().Velocidad = 100;
    Careta sola;
    sola.exec();
    EXPECT_EQ(sola.pasos(), 2 * Careta::kPasosPorPase);
    Estado().Velocidad = 60;
    for (const bool clic : {false, true}) {
        Careta careta;
        bool activa = false;  // so that the keyboard reaches it
        QTimer::singleShot(200, &careta, [&careta, clic, &activa] {
            activa = QApplication::activeWindow() == &careta;
            clic ? QTest::mouseClick(&careta, Qt::LeftButton) : pulsaTecla(&careta, Qt::Key_Space);
        });
        careta.exec();
        EXPECT_TRUE(activa);
        // About four steps of 48 ms; far from the 704 of a whole showing.
        const int pasos = careta.pasos();
        EXPECT_GE(pasos, 1);
        EXPECT_LT(pasos, 40);
        QTest::qWait(150);
        EXPECT_EQ(careta.pasos(), pasos) << "no step drawn after the end";
    }
}

// ---------------------------------------------------------------------------
// Help

QStringList enlaces(const QString& html) {
    QStringList claves;
    static const QRegularExpression enlace(QStringLiteral("href=\"ayuda:([^\"]*)\""));
    for (auto m = enlace.globalMatch(html); m.hasNext();) claves << m.next().captured(1);
    return claves;
}

TEST_F(Marco, TheHelpOpensOnItsContentsAndEveryTopicIsReachable) {
    FijaCarpetaPrograma(VESPERA_DATOS);
    auto* ventana = qobject_cast<VentanaAyuda*>(AbreAyuda(nullptr));
    ASSERT_NE(ventana, nullptr);
    const DocumentoAyuda& documento = ventana->documento();

    // Every topic is listed on the contents page, and every link of every
    // topic leads to a topic.
    const QStringList delIndice = enlaces(documento.temas.value(QStringLiteral("indice")));
    for (const QString& clave : documento.claves.mid(1))
        EXPECT_TRUE(delIndice.contains(clave)) << clave.toStdString() << " not in the contents";
    for (const QString& clave : documento.claves)
        for (const QString& destino : enlaces(documento.temas.value(clave)))
            EXPECT_TRUE(documento.temas.contains(destino))
                << clave.toStdString() << " links to a missing " << destino.toStdString();
    EXPECT_GE(documento.claves.size(), 15) << "a topic per window and dialog";

    // Following a link shows that topic; Atrás, Adelante and Índice, under
    // the pointing hand, move through the history.
    auto* visor = ventana->visor();
    visor->setSource(DireccionTema(QStringLiteral("mensajes")));
    EXPECT_TRUE(visor->toPlainText().startsWith(QStringLiteral("Mensajes y preguntas")));
    for (const auto& [boton, tema] :
         {std::pair{"Bot_Atras", "indice"}, {"Bot_Adelante", "mensajes"}, {"Bot_Indice", "indice"}}) {
        QTest::mouseClick(control<QToolButton>(ventana, boton), Qt::LeftButton);
        EXPECT_EQ(visor->source(), DireccionTema(QString::fromLatin1(tema))) << boton;
        EXPECT_EQ(control(ventana, boton)->cursor().pixmap().cacheKey(),
                  CursorPrograma(Puntero::ManoIndice).pixmap().cacheKey()) << boton;
    }
    EXPECT_TRUE(documento.estilo.contains(QLatin1String("font-family"))) << "the file's own styles";

    // Opening it again brings the same window back on its contents; its
    // exit button closes it as soon as it is pressed, with the closing chime.
    visor->setSource(DireccionTema(QStringLiteral("fecha")));
    EXPECT_EQ(AbreAyuda(nullptr), ventana);
    EXPECT_EQ(visor->source(), DireccionTema(QStringLiteral("indice")));
    Estado().Sonido = 1;
    QTest::mousePress(control(ventana, "Pic_BotSalir"), Qt::LeftButton);
    EXPECT_FALSE(ventana->isVisible());
    EXPECT_EQ(Estado().SonidoDatos, bytesSonido(5));
    ventana->close();  // and gone, so that the next test reads its file
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(Marco, AMissingHelpFileIsToldWithTheProgramsMessage) {
    std::vector<std::string> titulos;
    avisos().Mensaje = [&titulos](const std::string& titulo, const std::string&, int16_t, int16_t tipo) {
        EXPECT_EQ(tipo, 1);
        titulos.push_back(titulo);
        return true;
    };
    QTemporaryDir vacia;
    FijaCarpetaPrograma(vacia.path().toStdString());
    EXPECT_EQ(AbreAyuda(nullptr), nullptr);
    EXPECT_EQ(titulos, std::vector<std::string>{"Ayuda"});
}

// Qt's own dialogs speak the program's language: the file dialog the export
// and the print's PDF open.
TEST_F(Marco, QtsFileDialogSpeaksSpanish) {
    ASSERT_TRUE(TextosDeQtEnEspanol()) << "Qt's translations (qt6-translations-l10n) are not installed";
    QFileDialog dialogo(nullptr, QStringLiteral("Exportar la carta"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    std::set<QString> textos;
    for (const auto* b : dialogo.findChildren<QPushButton*>()) textos.insert(b->text());
    for (const auto* l : dialogo.findChildren<QLabel*>()) textos.insert(l->text());
    for (const char* t : {"&Guardar", "Cancelar", "Ver en:"})
        EXPECT_TRUE(textos.count(QString::fromUtf8(t))) << t;
    EXPECT_FALSE(textos.count(QStringLiteral("&Save")) || textos.count(QStringLiteral("Cancel")));
}

}  // namespace
}  // namespace vsp::ui
