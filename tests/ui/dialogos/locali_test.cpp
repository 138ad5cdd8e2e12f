// The location dialog driven through its controls: boxes typed into and
// left, the latitude and longitude typed over, a city chosen from the list,
// the main window's panel and the map's cross following each change, the
// Enter order ending on the exit button with one redraw, and the dialog
// showing the state whatever changed it.
#include "ui/dialogos/locali.h"

#include <QClipboard>
#include <QComboBox>
#include <QScreen>

#include "comun.h"
#include "sky/localizacion.h"
#include "sky/pasos_vista.h"
#include "time/formatos.h"
#include "ui/mandos/mapa.h"

namespace vsp::ui {
namespace {

constexpr double Grado = 0.01745329252;
constexpr double S = 4.8481368e-6;  // one second of arc

class LocaliPrueba : public PruebaDe<Locali> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->DiaJuliano = 2460677.3;
        SeleccionaLocalidad(IndiceCiudad("Madrid"));
        e->Direccion = Pi;
        e->Elevacion = 30 * Grado;
        e->Zoom = 1;
        ActualizaTiempo();
        MuestraLocalizacion();
        abre();
    }
    // The variable a box stands for (the longitude as stored, westward).
    double valor(std::string_view nombre) const {
        if (nombre == "Tex_Direc") return e->Direccion;
        if (nombre == "Tex_Eleva") return e->Elevacion;
        if (nombre == "Tex_Zoom") return e->Zoom;
        if (nombre == "Tex_Zona") return e->ZonaHoraria;
        return nombre == "Tex_Lati" ? e->Latitud : e->Longitud;
    }
    // Whether the map on the screen (not merely the map's own idea of it)
    // has the cross's upright and bar through the place.
    bool cruzEnPantalla() {
        auto* mapa = control("Pic_Mapa");
        const QPoint c = MapaMundo::Cruz();
        const QPoint puntos[] = {{c.x(), c.y() > 75 ? 10 : 140}, {c.x() > 183 ? 20 : 340, c.y()}};
        return QTest::qWaitFor([&] {
            const QImage pantalla = d->screen()->grabWindow(d->winId()).toImage();
            for (QPoint p : puntos)
                if (QColor(pantalla.pixel(mapa->mapTo(d.get(), p) * d->devicePixelRatio())) != QColor(255, 0, 0))
                    return false;
            return true;
        }, 500);
    }
};

TEST_F(LocaliPrueba, BoxesAreReadWhenLeft) {
    struct Caso { const char* caja; const char* tecleado; const char* queda; double valor; } casos[] = {
        {"Tex_Direc", "NE", "NE  45°", 45 * Grado}, {"Tex_Direc", "200 NE", "S  200°", 200 * Grado},
        {"Tex_Direc", "S  190°", "S  190°", 190 * Grado},  // its own text edited
        {"Tex_Direc", "400", "N  359°", 359 * Grado},
        {"Tex_Direc", "-45", "N    0°", 0},  // no negative degrees
        {"Tex_Eleva", "95", "90°", 90 * Grado},     {"Tex_Eleva", "-", " 0°", 0},
        {"Tex_Eleva", "45", "45°", 45 * Grado},     {"Tex_Zoom", "7.3", "7.0", 7},
        {"Tex_Zoom", "15.5", "15.0", 15}, {"Tex_Zoom", "0.5", "1.0", 1}, {"Tex_Zoom", "2,5", "2.5", 2.5},
        {"Tex_Zona", "-3,5", "-3.5", -3.5}, {"Tex_Zona", "14", "12.0", 12}, {"Tex_Zona", "-0,5", "-0.5", -0.5},
        {"Tex_Zona", "-", "0.0", 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " \"" + c.tecleado + "\"");
        EscribeYSale(caja(c.caja), c.tecleado);
        EXPECT_EQ(texto(c.caja), c.queda);
        EXPECT_NEAR(valor(c.caja), c.valor, 1e-9);
    }
    EXPECT_EQ(e->Panel.Tex_Eleva, "Elevación = 45°") << "the main window's panel follows";
    EXPECT_EQ(e->Panel.Tex_Zoom, "Zoom = 2.5");
    EXPECT_EQ(redibujos, 0) << "the chart waits for the dialog to close";
}

// Keys typed over the boxes from the cursor at `desde`, each case from
// 45° 00' 00" N and 0° 00' 00" O; the main window's panel and the map follow.
TEST_F(LocaliPrueba, LatitudeAndLongitudeAreTypedOver) {
    struct Caso { const char* caja; int desde; const char* teclas; const char* queda; int cursor; double valor; };
    const Caso casos[] = {
        {"Tex_Lati", 0, "40", "40° 00' 00\" N", 4, 40 * 3600 * S},                 // the cursor jumps the separators
        {"Tex_Lati", 0, "4025x00s", "40° 25' 00\" S", 13, -(40 * 3600 + 25 * 60) * S},  // x is refused
        {"Tex_Lati", 0, "9", "90° 00' 00\" N", 1, 90 * 3600 * S},                  // 95 is 90, with 00' 00"
        {"Tex_Lati", 4, "7", "45° 59' 00\" N", 5, (45 * 3600 + 59 * 60) * S},      // 70 minutes are 59
        {"Tex_Lati", 12, "E", "45° 00' 00\" N", 12, 45 * 3600 * S},                // not a latitude's letter
        {"Tex_Lati", 0, "x", "45° 00' 00\" N", 0, 45 * 3600 * S},                  // taken back from the start
        {"Tex_Lati", 1, "-", "45° 00' 00\" N", 1, 45 * 3600 * S},                  // a sign is no digit either
        {"Tex_Longi", 0, "003421300", "003° 42' 13\" O", 13, (3 * 3600 + 42 * 60 + 13) * S},
        {"Tex_Longi", 0, "0750000000w", "075° 00' 00\" O", 14, 75 * 3600 * S},     // W is O
        {"Tex_Longi", 0, "1812", "180° 00' 00\" O", 6, 180 * 3600 * S},
        {"Tex_Longi", 0, "1795959E", "179° 59' 59\" E", 14, DosPi - (179 * 3600 + 59 * 60 + 59) * S},
        {"Tex_Longi", 13, "e", "  0° 00' 00\" E", 14, 0},                          // 0 east is 0, never 2 pi
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " " + c.teclas);
        e->Latitud = 45 * 3600 * S;
        e->Longitud = 0;
        MuestraLocalizacion();
        Sobrescribe(caja(c.caja), c.desde, c.teclas);
        EXPECT_EQ(texto(c.caja), c.queda);
        EXPECT_EQ(caja(c.caja)->cursorPosition(), c.cursor);
        EXPECT_NEAR(valor(c.caja), c.valor, 1e-12);
        EXPECT_EQ(e->Panel.Tex_Lati, FormatoLatitud(e->Latitud));
        EXPECT_EQ(e->Panel.Tex_Longi, FormatoLongitud(e->Longitud));
    }
    EXPECT_TRUE(cruzEnPantalla());

    // A deletion and a paste are undone.
    Sobrescribe(caja("Tex_Longi"), 0, QStringLiteral("0135"));
    QTest::keyClick(caja("Tex_Longi"), Qt::Key_Backspace);
    QApplication::clipboard()->setText(QString(300, u'7'));
    QTest::keyClick(caja("Tex_Longi"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texto("Tex_Longi"), "013° 50' 00\" E");
    EXPECT_EQ(MapaMundo::Cruz(), QPoint(183 + 13, 87 - 45)) << "a pixel a degree from Greenwich and the equator";
    EXPECT_TRUE(cruzEnPantalla());
}

TEST_F(LocaliPrueba, AChosenCitySetsThePlaceAndItsZone) {
    auto* lista = control<QComboBox>("Cbo_Localidad");
    ASSERT_EQ(lista->count(), NumLocalidades);
    const std::pair<const char*, float> ciudades[] = {
        {"Sevilla", 1}, {"Las Palmas G.C.", 0}, {"Atenas", 2}, {"Tokio", 9}};
    for (const auto& [ciudad, zona] : ciudades) {
        SCOPED_TRACE(ciudad);
        const int i = IndiceCiudad(ciudad);
        lista->showPopup();
        ClicFila(lista->view(), i);
        EXPECT_EQ(texto("Tex_Zona"), Formato(zona, "#0.0"));
        EXPECT_EQ(texto("Tex_Lati"), FormatoLatitud(e->Localidades[i].Latitud));
        EXPECT_EQ(texto("Tex_Longi"), FormatoLongitud(e->Localidades[i].Longitud));
        EXPECT_EQ(e->Panel.Tex_Loca, e->Cbo_Localidad[i]);
        EXPECT_TRUE(cruzEnPantalla());
    }
}

TEST_F(LocaliPrueba, EnterMovesAlongTheBoxesAsLaidOutAndClosesOnTheExitButton) {
    e->Elevacion = 30.4 * Grado;  // shown as 30°
    MuestraLocalizacion();
    caja("Tex_Longi")->setFocus();
    for (const char* nombre : {"Tex_Longi", "Tex_Lati", "Tex_Zona", "Tex_Direc", "Tex_Eleva", "Tex_Zoom"}) {
        ASSERT_EQ(QApplication::focusWidget(), caja(nombre)) << nombre;
        QApplication::processEvents();  // the box selects its first characters
        if (std::string(nombre) == "Tex_Direc") QTest::keyClicks(caja(nombre), QStringLiteral("SE"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Pic_BotSalir"));
    EXPECT_NEAR(e->Direccion, 135 * Grado, 1e-12) << "a box is read as Enter leaves it";
    EXPECT_EQ(e->Elevacion, 30.4 * Grado) << "a box passed through untouched changes nothing";
    const double sidereo = e->TiempoSidereo;
    Sobrescribe(caja("Tex_Longi"), 0, QStringLiteral("0900000"));  // 90 degrees west of Madrid's 3.7
    control("Pic_BotSalir")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(redibujos, 1);
    EXPECT_NEAR(std::remainder(sidereo - e->TiempoSidereo, DosPi), (90 - 3.7026) * Grado, 1e-4)
        << "the sidereal time follows the new longitude";
}

TEST_F(LocaliPrueba, TheDialogShowsTheStateWhateverChangedIt) {
    d->hide();
    DireccionMas();  // the pad
    ZoomMas();
    e->Latitud = -33.9 * Grado;
    ASSERT_TRUE(MuestraActiva(d.get()));
    EXPECT_EQ(texto("Tex_Direc"), "S  181°");
    EXPECT_EQ(texto("Tex_Zoom"), "1.5");
    EXPECT_EQ(texto("Tex_Lati"), "33° 54' 00\" S");
    EXPECT_TRUE(cruzEnPantalla());
    // A change notified while the dialog is up shows at once.
    e->Latitud = 10 * Grado;
    MuestraLocalizacion();
    EXPECT_TRUE(cruzEnPantalla());
    // A typed box not yet left is read when the dialog closes.
    TecleaEncima(caja("Tex_Eleva"), QStringLiteral("60"));
    d->reject();
    EXPECT_NEAR(e->Elevacion, 60 * Grado, 1e-12);
    EXPECT_EQ(redibujos, 1);
}

}  // namespace
}  // namespace vsp::ui
