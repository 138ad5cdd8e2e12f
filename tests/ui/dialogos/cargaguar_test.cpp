// The load/save dialog through its controls: the accept button's rules, a
// save then a load giving back the identical state with one redraw, the
// summary of a file and of a damaged one, the overwrite question answered
// No, and a failed load that changes nothing.
#include "ui/dialogos/cargaguar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>


#include "../../motor_nuevo.h"
#include "../teclea.h"
#include "../modal.h"
#include "core/constantes.h"
#include "sky/localizacion.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

class CargaGuarPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        carpeta = CarpetaConSituacionInicial();
        ProgramState& e = Estado();
        SeleccionaLocalidad(IndiceCiudad("Sevilla"));
        e.DiaJuliano = 2448086.3;  // 11 July 1990
        ActualizaTiempo();
        Avisos& a = avisos();
        a.Redibujo = [this] { ++redibujos; };
        a.Mensaje = [this](const std::string& t, const std::string& m, int16_t, int16_t) {
            mensajes.push_back(t + ": " + m);
            return respuesta;
        };
    }
    void TearDown() override {
        ReiniciaAvisos();
        fs::remove_all(carpeta);
    }

    // The dialog in a mode, shown; `accion` runs on it.
    template <class F>
    void abre(int16_t modo, F accion) {
        Estado().ModoCargaGuar = modo;
        CargaGuar d;
        ASSERT_TRUE(MuestraActiva(&d));
        accion(d);
    }
    template <class T>
    static T* control(const QWidget& d, const char* nombre) {
        return d.findChild<T*>(nombre);
    }
    std::string contenido(const char* nombre) const {
        std::ifstream f(carpeta / nombre, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    fs::path carpeta;
    int redibujos = 0;
    bool respuesta = true;
    std::vector<std::string> mensajes;
};

TEST_F(CargaGuarPrueba, ASavedSituationIsListedSummarisedAndLoadedBack) {
    abre(2, [&](CargaGuar& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Guardar la configuración actual"));
        auto* nombre = control<QLineEdit>(d, "Tex_Fichero");
        auto* aceptar = control<QAbstractButton>(d, "Pic_BotAceptar");
        EXPECT_FALSE(aceptar->isEnabled());
        for (const auto& [tecleado, activo] : {std::pair{"x", true}, {"", false}, {".VPC", false}, {"   ", false}}) {
            nombre->setText(QString::fromLatin1(tecleado));
            EXPECT_EQ(aceptar->isEnabled(), activo) << "\"" << tecleado << "\"";
        }
        nombre->clear();
        nombre->setFocus();
        QTest::keyClicks(nombre, QStringLiteral("Eclipse de Sevilla"));
        QTest::keyClick(nombre, Qt::Key_Return);  // on to the description
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Con la Luna"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // saves
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_TRUE(fs::exists(carpeta / "Eclipse de Sevilla.vpc"));
    const std::string guardada = TextoConfiguracion();
    EXPECT_NE(contenido("Eclipse de Sevilla.vpc").find("\"Con la Luna\""), std::string::npos);
    std::ofstream(carpeta / "ALFA.VPC") << "basura";  // sorts first, whatever the case

    // Something else, then the saved situation loaded back.
    Estado().DiaJuliano += 100;
    Estado().Zoom = 9;
    abre(1, [&](CargaGuar& d) {
        auto* lista = control<QListWidget>(d, "Fil_Ficheros");
        ASSERT_EQ(lista->count(), 2);
        EXPECT_EQ(lista->item(0)->text(), QStringLiteral("ALFA.VPC"));
        EXPECT_EQ(lista->currentRow(), 0) << "the first file is chosen and summarised at once";
        EXPECT_EQ(control<QLineEdit>(d, "Tex_Fichero")->text(), QStringLiteral("ALFA.VPC"));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
        EXPECT_EQ(control<QLineEdit>(d, "Tex_Confi")->text(), QStringLiteral("Con la Luna"));
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
        EXPECT_TRUE(d.cargada());
    });
    EXPECT_EQ(TextoConfiguracion(), guardada);
    EXPECT_EQ(redibujos, 1);
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(CargaGuarPrueba, TheSummaryShowsTheFileOrWhyItCannotBeRead) {
    ProgramState& e = Estado();
    e.Direccion = Pi;
    e.Elevacion = 45 * RadianesPorGrado;
    e.Zoom = 2.5f;
    e.NombreConfig = "sevilla";
    GuardaConfig();
    std::ofstream(carpeta / "roto.vpc") << "2451545,abc";
    const std::string antes = TextoConfiguracion();
    abre(1, [&](CargaGuar& d) {
        const QWidget* datos = d.findChild<QWidget*>("Pic_Datos");
        auto* lista = control<QListWidget>(d, "Fil_Ficheros");
        ASSERT_EQ(lista->item(1)->text(), QStringLiteral("sevilla.vpc"));
        lista->setCurrentRow(1);
        const QStringList filas = datos->accessibleDescription().split(u'\n');
        ASSERT_EQ(filas.size(), 3);
        EXPECT_TRUE(filas[0].startsWith(QStringLiteral("Sevilla"))) << filas[0].toStdString();
        EXPECT_TRUE(filas[0].endsWith(QStringLiteral("T.U. =  13 / 07 /  1990  -  19:12"))) << filas[0].toStdString();
        EXPECT_EQ(filas[1], QString::fromUtf8("Longitud: 5° 58' 23\" O   Latitud: 37° 22' 58\" N"));
        EXPECT_EQ(filas[2], QString::fromUtf8("Dirección: 180° S   Elevación: 45°   Zoom: 2.5"));

        lista->setCurrentRow(0);  // roto.vpc: reads "abc" where the city goes
        EXPECT_EQ(datos->accessibleDescription(), QString::fromUtf8("Error en el acceso al archivo de configuración"));
        QTest::mouseClick(control<QAbstractButton>(d, "Pic_BotAceptar"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible()) << "an error keeps the dialog open";
        EXPECT_FALSE(d.cargada());
    });
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0], "Cargar configuración: ERROR CID13 ha ocurrido.\r\nArchivo: roto.vpc");
    EXPECT_EQ(TextoConfiguracion(), antes);
    EXPECT_EQ(redibujos, 0);
}

TEST_F(CargaGuarPrueba, NoToReplacingKeepsTheDialogOpenAndTheFileAsItWas) {
    Estado().NombreConfig = "mia";
    GuardaConfig();
    const std::string vieja = contenido("mia.vpc");
    Estado().DiaJuliano += 1;
    respuesta = false;
    abre(2, [&](CargaGuar& d) {
        auto* lista = control<QListWidget>(d, "Fil_Ficheros");
        lista->setCurrentRow(0);
        EXPECT_EQ(control<QLineEdit>(d, "Tex_Fichero")->text(), QStringLiteral("mia.vpc"));
        QTest::mouseClick(control<QAbstractButton>(d, "Pic_BotAceptar"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].starts_with("Guardar configuración: Ya existe un archivo")) << mensajes[0];
    EXPECT_EQ(contenido("mia.vpc"), vieja);
}

}  // namespace
}  // namespace vsp::ui
