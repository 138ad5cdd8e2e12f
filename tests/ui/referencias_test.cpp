// Reference pictures: the main window, each dialog, the message box, the
// splash, and the chart through the vector surface and on the printed page,
// drawn from fixed states and compared with pictures that were looked at by
// eye and committed in tests/ui/referencias, within the tolerance of
// imagenes.h. They hold what the user sees (offsets, colours, layouts, the
// artwork), which assertions on values do not; a text beside each window's
// picture holds what no picture shows (tool tips, pointers, focus and Tab
// order), and is compared on every machine.
//
// The pictures belong to one Qt version and one version of the fonts,
// written down in referencias/entorno.txt; elsewhere only their comparison
// is skipped, and the test says so. After a change meant to be seen,
// VESPERA_REFERENCIAS=escribe writes again the pictures that differ: look at
// them before committing. The suite also runs at twice the pixel ratio
// (QT_SCALE_FACTOR=2), against the "@2x" pictures.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QRawFont>
#include <QTextStream>
#include <QtEndian>

#include "../imagenes.h"
#include "dialogo.h"
#include "modal.h"
#include "impresion/carta_impresa.h"
#include "core/mensajes.h"
#include "programa/arranque.h"
#include "raster/superficie_pintor.h"
#include "sky/dibujo.h"
#include "ui/dialogos/animar.h"
#include "ui/dialogos/buscar.h"
#include "ui/dialogos/cargaguar.h"
#include "ui/dialogos/hora.h"
#include "ui/dialogos/impresor.h"
#include "ui/dialogos/locali.h"
#include "ui/dialogos/objetos.h"
#include "ui/dialogos/personal.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/careta.h"
#include "ui/marco/marco.h"
#include "ui/principal/ventana_cielo.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

const QString kCarpeta = QStringLiteral(VESPERA_PRUEBAS "/ui/referencias/");
const bool kEscribe = qEnvironmentVariable("VESPERA_REFERENCIAS") == QLatin1String("escribe");

// What the pictures depend on besides the program: Qt, which rasterises
// them, and the fonts with their revisions.
QString entorno() {
    const auto fuente = [](const QFont& f) {
        const QRawFont crudo = QRawFont::fromFont(f);
        const QByteArray cabecera = crudo.fontTable("head");  // fontRevision: 16.16 fixed, big-endian
        const quint32 revision = cabecera.size() >= 8 ? qFromBigEndian<quint32>(cabecera.constData() + 4) : 0;
        return QStringLiteral("%1 %2").arg(crudo.familyName()).arg(revision / 65536.0, 0, 'f', 3);
    };
    return QStringLiteral("Qt %1; %2; %3; %4\n")
        .arg(QString::fromLatin1(qVersion()), fuente(QApplication::font()), fuente(FuenteFija()),
             fuente(QFont(QStringLiteral("DejaVu Serif"))));
}

// Ends the splash with a key as it draws its step number `paso`.
struct Parada : QObject {
    Parada(Careta& c, int p) : careta(c), paso(p) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && careta.pasos() == paso - 1)
            QCoreApplication::postEvent(&careta, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        return false;
    }
    Careta& careta;
    int paso;
};

class Referencias : public PruebaDialogo<QWidget> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        QApplication::setCursorFlashTime(0);  // the text cursor never blinks
        RelojSistema() = [] { return QDateTime(QDate(2025, 3, 15), QTime(21, 30, 40), Qt::UTC); };
        // The evening of 1 January 2025, looking south 30 degrees up.
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.Direccion = Pi;
        e.Elevacion = 30 * RadianesPorGrado;
        e.PanelControl = e.PanelCursor = e.PanelLocalizacion = e.PanelObjetos = Activado;
    }
    // The sample situation of that name loaded into the state.
    void situacion(const char* nombre) {
        fs::copy_file(fs::path(VESPERA_DATOS) / nombre, carpeta / nombre, fs::copy_options::overwrite_existing);
        Estado().NombreConfig = nombre;
        CargaConfig(true);
    }
    // The approved text of that name; when they are written again, `texto`
    // written as it.
    static QString aprobado(const QString& nombre, const QString& texto) {
        QFile f(kCarpeta + nombre);
        if (kEscribe) {
            EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) > 0) << nombre.toStdString();
            return texto;
        }
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Compared only where the pictures were drawn with this Qt and these
    // fonts; written again, when asked, only where they differ.
    void compara(const QString& nombre, QImage imagen) {
        const QString fichero = kCarpeta + nombre + (qApp->devicePixelRatio() > 1 ? "@2x.png" : ".png");
        imagen = imagen.convertToFormat(QImage::Format_RGB32);
        const DiferenciaImagenes diferencia = ComparaImagenes(imagen, QImage(fichero));
        if (diferencia.parecidas() || !(pixeles || kEscribe)) return;
        if (kEscribe) {
            EXPECT_TRUE(imagen.save(fichero)) << fichero.toStdString();
            return;
        }
        const QString visto = QDir::temp().filePath(QFileInfo(fichero).completeBaseName() + "-visto.png");
        imagen.save(visto);
        ADD_FAILURE() << fichero.toStdString() << " differs from what was drawn: " << diferencia.informe() << "; saved as "
                      << visto.toStdString();
    }
    // What the pictures cannot show, compared with `nombre`.txt: each
    // control's tool tip, accessible name, pointer, focus policy, whether it
    // is enabled and shown, what a text box selects when Tab reaches it, the
    // window's title and icon, and the Tab order. Taken at the first pixel
    // ratio only: at the second only the pointers' hot spots differ.
    void comparaArbol(const QString& nombre, QWidget* w) {
        if (qApp->devicePixelRatio() > 1) return;
        // Focus reaches a box only in the active window, which a slow
        // machine may not have made active yet.
        QApplication::setActiveWindow(w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w)) << nombre.toStdString();
        QString arbol;
        QTextStream t(&arbol);
        for (QWidget* h : w->findChildren<QWidget*>()) {
            if (h->objectName().startsWith(QLatin1String("qt_"))) continue;
            t << h->metaObject()->className() << ' ' << h->objectName() << " | " << h->toolTip() << " | "
              << h->accessibleName() << " | " << h->focusPolicy() << (h->isEnabled() ? "" : " inactivo")
              << (h->isVisibleTo(w) ? "" : " oculto");
            if (h->testAttribute(Qt::WA_SetCursor))
                t << " puntero " << h->cursor().shape() << ' ' << h->cursor().hotSpot().x() << ',' << h->cursor().hotSpot().y();
            if (auto* caja = qobject_cast<QLineEdit*>(h); caja && caja->isVisibleTo(w) && caja->isEnabled()) {
                caja->setFocus(Qt::TabFocusReason);  // what the keyboard's arrival selects
                QApplication::processEvents();
                t << " selecciona " << caja->selectedText().size() << " desde " << caja->cursorPosition();
            }
            t << '\n';
        }
        t << w->windowTitle() << (w->windowIcon().isNull() ? "" : " con icono") << "\nTab:";
        for (QWidget* h = w->nextInFocusChain(); h != w; h = h->nextInFocusChain())
            if (h->isVisibleTo(w) && h->focusPolicy() & Qt::TabFocus) t << ' ' << h->objectName();
        t << '\n';
        EXPECT_EQ(aprobado(nombre + ".txt", arbol).toStdString(), arbol.toStdString()) << nombre.toStdString();
    }
    // A window's picture and text; shown first, when asked, as the user
    // first sees it.
    void retrata(const QString& nombre, QWidget* w, bool muestra = true) {
        if (muestra) {
            EXPECT_TRUE(MuestraActiva(w));
            QApplication::processEvents();
        }
        compara(nombre, w->grab().toImage());
        comparaArbol(nombre, w);
    }
    void TearDown() override {
        PruebaDialogo::TearDown();
        if (!pixeles && !kEscribe)
            GTEST_SKIP() << "pictures not compared: drawn with " << esperado.trimmed().toStdString() << ", here "
                         << entorno().trimmed().toStdString();
    }
    QString esperado;
    bool pixeles = false;
};

TEST_F(Referencias, EveryWindowLooksAsItWasApproved) {
    esperado = aprobado("entorno.txt", entorno());
    pixeles = esperado == entorno();

    // The main window as it starts, then with each sample situation, which
    // loads without a message and shows what its name promises.
    const auto ventana = [&](const char* nombre, const char* vpc) {
        if (vpc) situacion(vpc);
        EXPECT_TRUE(mensajes.empty()) << nombre;
        VentanaCielo v;
        v.InstalaAvisos();
        v.resize(1000, 700);
        EXPECT_TRUE(MuestraActiva(&v));
        AplicaEstado();
        if (!vpc) ui::control(&v, "Bot_Undo")->show();  // as after a centring
        QApplication::processEvents();
        compara(nombre, v.grab().toImage());
        if (vpc) return;
        comparaArbol("ventana", &v);
        // The pad with its bottom button sunk while the animation dialog is up.
        QWidget* mando = ui::control(&v, "Pic_Mando");
        alAparecer([&](QWidget* animar) {
            compara("mando-animar", mando->grab().toImage());
            animar->close();
        });
        QTest::mouseClick(mando, Qt::LeftButton, {}, QPoint(37, 221));
    };
    // The charts alone do not depend on the pixel ratio: they are drawn once.
    const bool doble = qApp->devicePixelRatio() > 1;
    ventana("ventana", nullptr);
    if (!doble)
        for (const char* vpc : ConfiguracionesEjemplo) ventana(vpc, vpc);

    // The dialogs over the built-in situation.
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogos = {
        {"animar", [] { return std::make_unique<Animar>(); }},
        {"buscar", [] { return std::make_unique<Buscar>(); }},
        {"cargaguar", [] { return std::make_unique<CargaGuar>(); }},
        {"cargaguar-carga", [] { Estado().ModoCargaGuar = 1; return std::make_unique<CargaGuar>(); }},
        {"hora", [] { return std::make_unique<Hora>(); }},
        {"impresor", [] { return std::make_unique<Impresor>(QSize(800, 600)); }},
        {"locali", [] { return std::make_unique<Locali>(); }},
        {"objetos", [] { return std::make_unique<Objetos>(); }},
        {"personal", [] { Estado().Velocidad = 0; return std::make_unique<Personal>(); }},  // the knob at its end
    };
    for (const auto& [nombre, crea] : dialogos) retrata(nombre, crea().get());

    // The help on its contents page.
    if (QWidget* ayuda = AbreAyuda(nullptr)) {
        retrata("ayuda", ayuda);
        ayuda->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The program's own pointers.
    for (const auto& [nombre, puntero] : {std::pair{"lapiz", Puntero::Lapiz}, {"goma", Puntero::Goma},
                                          {"mano", Puntero::ManoIndice}})
        compara(QString("cursor-") + nombre, CursorPrograma(puntero).pixmap().toImage());

    // Categories of the search: the Solar System with its explanation, the
    // galaxies with their header and legend.
    for (const auto& [nombre, fila] : {std::pair{"buscar-sistema-solar", 0}, {"buscar-galaxias", 4}}) {
        Buscar buscar;
        EXPECT_TRUE(MuestraActiva(&buscar));
        auto* indice = ui::control<QListWidget>(&buscar, "Lst_Indice");
        QTest::mouseClick(indice->viewport(), Qt::LeftButton, {}, indice->visualItemRect(indice->item(fila)).center());
        retrata(nombre, &buscar, false);
    }

    // A question in the program's message box.
    InstalaMensajes(nullptr);
    alAparecer([&](QWidget* caja) {
        retrata("mensaje", caja, false);
        QTest::keyClick(caja, Qt::Key_Escape);
    });
    MensajeBox("Salir de VESPERA", "¿Desea terminar la sesión?", 3, 2);

    // The splash stopped by a key at its 151st step, where the logo has
    // reached the top and the three texts are in view.
    Estado().Velocidad = 100;
    Careta careta;
    Parada parada(careta, 151);
    careta.findChild<QWidget*>(QStringLiteral("Pic_Careta"))->installEventFilter(&parada);
    careta.exec();
    compara("careta", careta.grab().toImage());
    compara("careta-textos", arte::Tiras().toImage());  // they scroll in later
    compara("careta-cielo", arte::CieloCareta(QSize(290, 200)).toImage());  // exactly

    // The chart through the vector surface, by day and by night, then the
    // printed chart with its data strip below.
    if (doble) return;
    for (const auto& [nombre, vpc] : {std::pair{"vectorial-dia", "SOL BISIESTO.VPC"}, {"vectorial", "CONSTELACIONES.VPC"}}) {
        situacion(vpc);
        AplicaEstado();
        Estado().ProporcionPantalla = 4.0f / 3;
        FijaVentanaCielo();
        QImage vectorial(640, 480, QImage::Format_RGB32);
        QPainter pintor(&vectorial);
        SuperficiePintor superficie(pintor, QSizeF(vectorial.size()));
        DibujaCielo(superficie);
        pintor.end();
        compara(nombre, vectorial);
    }
    Estado().ProporcionPantalla = 2;  // the window's shape, not the page's
    FijaVentanaCielo();
    QImage pagina(640, 560, QImage::Format_RGB32);
    pagina.fill(Qt::white);
    {
        QPainter pintor(&pagina);
        pintor.drawImage(0, 0, CartaImpresa(QSize(640, 480), 96, QSizeF(800, 600)));
        DibujaTira(pintor, QRectF(0, 500, 640, 50));
    }
    compara("impresa", pagina);
}

}  // namespace
}  // namespace vsp::ui
