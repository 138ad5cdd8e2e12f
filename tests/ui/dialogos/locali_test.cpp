// The location dialog driven through its controls: boxes typed into and
// left, the latitude and longitude typed over, a city chosen from the list,
// the Enter order ending on the exit button with one redraw, and the dialog
// showing the state whatever changed it.
#include "ui/dialogos/locali.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

#include "../../motor_nuevo.h"
#include "../teclea.h"
#include "core/constantes.h"
#include "sky/localizacion.h"
#include "sky/pasos_vista.h"
#include "time/formatos.h"
#include "time/tiempo.h"
#include "ui/mandos/mapa.h"

namespace vsp::ui {
namespace {

constexpr double Grado = 0.01745329252;

class LocaliPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.Velocidad = 100;
        SeleccionaLocalidad(IndiceCiudad("Madrid"));
        e.Direccion = Pi;
        e.Elevacion = 30 * Grado;
        e.Zoom = 1;
        ActualizaTiempo();
        MuestraLocalizacion();
        avisos().Redibujo = [this] { ++redibujos; };
        d = std::make_unique<Locali>();
        d->show();
        QApplication::setActiveWindow(d.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    }
    void TearDown() override {
        d.reset();
        ReiniciaAvisos();
    }

    QLineEdit* caja(const char* nombre) const { return d->findChild<QLineEdit*>(nombre); }
    std::string texto(const char* nombre) const { return caja(nombre)->text().toStdString(); }
    void escribe(const char* nombre, const QString& tecleado) { EscribeYSale(caja(nombre), tecleado); }
    // Types keys over an overtype box from character `desde`.
    void sobrescribe(const char* nombre, int desde, const QString& teclas) {
        QLineEdit* c = caja(nombre);
        c->setFocus(Qt::MouseFocusReason);
        c->setCursorPosition(desde);
        QTest::keyClicks(c, teclas);
    }

    std::unique_ptr<Locali> d;
    int redibujos = 0;
};

TEST_F(LocaliPrueba, BoxesAreReadWhenLeft) {
    struct Caso {
        const char* caja;
        const char* tecleado;
        const char* queda;
        double ProgramState::*valor;
        double esperado;
    } casos[] = {
        {"Tex_Direc", "NE", "NE  45°", &ProgramState::Direccion, 45 * Grado},
        {"Tex_Direc", "200 NE", "S  200°", &ProgramState::Direccion, 200 * Grado},
        {"Tex_Direc", "o", "W  270°", &ProgramState::Direccion, 270 * Grado},
        {"Tex_Direc", "", "N    0°", &ProgramState::Direccion, 0},
        {"Tex_Eleva", "95", "90°", &ProgramState::Elevacion, 90 * Grado},
        {"Tex_Eleva", "  ", " 0°", &ProgramState::Elevacion, 0},
        {"Tex_Eleva", "-", " 0°", &ProgramState::Elevacion, 0},
        {"Tex_Eleva", "45", "45°", &ProgramState::Elevacion, 45 * Grado},
    };
    const ProgramState& e = Estado();
    for (const Caso& c : casos) {
        escribe(c.caja, QString::fromUtf8(c.tecleado));
        EXPECT_EQ(texto(c.caja), c.queda) << c.caja << " \"" << c.tecleado << "\"";
        EXPECT_NEAR(e.*c.valor, c.esperado, 1e-9) << c.caja << " \"" << c.tecleado << "\"";
    }
    struct Decimal {
        const char* caja;
        const char* tecleado;
        const char* queda;
        float esperado;
    } decimales[] = {
        {"Tex_Zoom", "7.3", "7.0", 7}, {"Tex_Zoom", "15.5", "15.0", 15}, {"Tex_Zoom", "0.5", "1.0", 1},
        {"Tex_Zoom", "2,5", "2.5", 2.5f}, {"Tex_Zona", "5,3", "5.0", 5}, {"Tex_Zona", "-5.5", "-5.5", -5.5f},
        {"Tex_Zona", "14", "12.0", 12}, {"Tex_Zona", "", "0.0", 0},
    };
    for (const Decimal& c : decimales) {
        escribe(c.caja, QString::fromUtf8(c.tecleado));
        EXPECT_EQ(texto(c.caja), c.queda) << c.caja << " \"" << c.tecleado << "\"";
        EXPECT_EQ(std::string(c.caja) == "Tex_Zoom" ? e.Zoom : e.ZonaHoraria, c.esperado) << c.caja;
    }
    EXPECT_EQ(e.Panel.Tex_Zoom, "Zoom = 2.5") << "the main window's panel follows";
    EXPECT_EQ(redibujos, 0) << "the chart waits for the dialog to close";
}

TEST_F(LocaliPrueba, LatitudeAndLongitudeAreTypedOver) {
    const ProgramState& e = Estado();
    sobrescribe("Tex_Lati", 0, QStringLiteral("4025x00s"));  // x is refused
    EXPECT_EQ(texto("Tex_Lati"), "40° 25' 00\" S");
    EXPECT_EQ(caja("Tex_Lati")->cursorPosition(), 13);
    EXPECT_NEAR(e.Latitud, -(40 * 3600 + 25 * 60) * 4.8481368e-6, 1e-12);
    EXPECT_EQ(MapaMundo::Cruz().y(), 87 + 40) << "the map's cross follows";
    sobrescribe("Tex_Lati", 0, QStringLiteral("9"));  // 95 is 90, with 00' 00"
    EXPECT_EQ(texto("Tex_Lati"), "90° 00' 00\" S");

    sobrescribe("Tex_Longi", 0, QStringLiteral("000000000e"));
    EXPECT_EQ(texto("Tex_Longi"), "000° 00' 00\" E");
    EXPECT_EQ(e.Longitud, 0) << "0 degrees east is 0, never 2 pi";
    sobrescribe("Tex_Longi", 0, QStringLiteral("0135"));
    EXPECT_EQ(texto("Tex_Longi"), "013° 50' 00\" E");
    EXPECT_EQ(MapaMundo::Cruz().x(), 183 + 13);

    // A deletion and a paste are undone.
    QTest::keyClick(caja("Tex_Longi"), Qt::Key_Backspace);
    EXPECT_EQ(texto("Tex_Longi"), "013° 50' 00\" E");
    QApplication::clipboard()->setText(QString(300, u'7'));
    QTest::keyClick(caja("Tex_Longi"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(texto("Tex_Longi"), "013° 50' 00\" E");
    EXPECT_NEAR(e.Longitud, DosPi - (13 * 3600 + 50 * 60) * 4.8481368e-6, 1e-12);
}

TEST_F(LocaliPrueba, AChosenCitySetsThePlaceAndItsZone) {
    auto* lista = d->findChild<QComboBox*>("Cbo_Localidad");
    ASSERT_EQ(lista->count(), NumLocalidades);
    struct Caso {
        const char* ciudad;
        float zona;
    } casos[] = {{"Sevilla", 1}, {"Las Palmas G.C.", 0}, {"Barcelona", 1}, {"Atenas", 2}, {"Tokio", 9}};
    const ProgramState& e = Estado();
    for (const Caso& c : casos) {
        const int i = IndiceCiudad(c.ciudad);
        lista->showPopup();
        QAbstractItemView* vista = lista->view();
        vista->scrollTo(vista->model()->index(i, 0));
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(vista->model()->index(i, 0)).center());
        EXPECT_EQ(e.IndiceLocalidad, i) << c.ciudad;
        EXPECT_EQ(e.ZonaHoraria, c.zona) << c.ciudad;
        EXPECT_EQ(texto("Tex_Zona"), Formato(c.zona, "#0.0")) << c.ciudad;
        EXPECT_EQ(texto("Tex_Lati"), FormatoLatitud(e.Localidades[i].Latitud)) << c.ciudad;
        EXPECT_EQ(texto("Tex_Longi"), FormatoLongitud(e.Localidades[i].Longitud)) << c.ciudad;
    }
}

TEST_F(LocaliPrueba, EnterMovesAlongTheBoxesAndClosesOnTheExitButton) {
    ProgramState& e = Estado();
    e.Elevacion = 30.4 * Grado;  // shown as 30°
    MuestraLocalizacion();
    const char* orden[] = {"Tex_Longi", "Tex_Lati", "Tex_Zona", "Tex_Direc", "Tex_Eleva", "Tex_Zoom"};
    caja("Tex_Longi")->setFocus();
    for (const char* nombre : orden) {
        ASSERT_EQ(QApplication::focusWidget(), caja(nombre)) << nombre;
        QApplication::processEvents();  // the box selects its first characters
        if (std::string(nombre) == "Tex_Direc") QTest::keyClicks(caja(nombre), QStringLiteral("SE"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Pic_BotSalir"));
    EXPECT_NEAR(e.Direccion, 135 * Grado, 1e-12) << "a box is read as Enter leaves it";
    EXPECT_EQ(e.Elevacion, 30.4 * Grado) << "a box passed through untouched changes nothing";
    const double sidereo = e.TiempoSidereo;
    sobrescribe("Tex_Longi", 0, QStringLiteral("0900000"));  // 90 degrees west of Madrid's 3.7
    d->findChild<QWidget*>("Pic_BotSalir")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(redibujos, 1);
    EXPECT_NEAR(std::remainder(sidereo - e.TiempoSidereo, DosPi), (90 - 3.7026) * Grado, 1e-4)
        << "the sidereal time follows the new longitude";
}

TEST_F(LocaliPrueba, TheDialogShowsTheStateWhateverChangedIt) {
    d->hide();
    DireccionMas();  // the pad
    ZoomMas();
    Estado().Latitud = -33.9 * Grado;
    d->show();
    QApplication::setActiveWindow(d.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    EXPECT_EQ(texto("Tex_Direc"), "S  181°");
    EXPECT_EQ(texto("Tex_Zoom"), "1.5");
    EXPECT_EQ(texto("Tex_Lati"), "33° 54' 00\" S");
    // A typed box not yet left is read when the dialog closes.
    caja("Tex_Eleva")->setFocus();
    caja("Tex_Eleva")->selectAll();
    QTest::keyClicks(caja("Tex_Eleva"), QStringLiteral("60"));
    d->reject();
    EXPECT_NEAR(Estado().Elevacion, 60 * Grado, 1e-12);
    EXPECT_EQ(redibujos, 1);
}

}  // namespace
}  // namespace vsp::ui
