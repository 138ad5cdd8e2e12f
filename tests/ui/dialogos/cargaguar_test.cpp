// The load/save dialog through its controls: the accept button's rules, a
// save then a load giving back the identical state with one redraw, the
// summary of a file and of a damaged one, the overwrite question answered
// No, and a failed load that changes nothing.
#include "ui/dialogos/cargaguar.h"

#include "comun.h"
#include "sky/localizacion.h"

namespace vsp::ui {
namespace {

class CargaGuarPrueba : public PruebaDe<CargaGuar> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        SeleccionaLocalidad(IndiceCiudad("Sevilla"));
        e->DiaJuliano = 2448086.3;  // 11 July 1990
        ActualizaTiempo();
    }
    // The dialog in a mode, shown; `accion` runs on it. Loading shows the
    // summary, saving the choice of taking the animation along.
    template <class F>
    void abre(int16_t modo, F accion) {
        e->ModoCargaGuar = modo;
        PruebaDe::abre();
        EXPECT_EQ(control("Pic_Datos")->isVisible(), modo == 1);
        EXPECT_EQ(control("Chk_IncluirAnima")->isVisible(), modo == 2);
        accion();
        d.reset();
    }
    QListWidget* ficheros() const { return control<QListWidget>("Fil_Ficheros"); }
};

TEST_F(CargaGuarPrueba, ASavedSituationIsListedSummarisedAndLoadedBack) {
    e->DescripcionConfig = "La de antes";  // what typing replaces
    abre(2, [&] {
        auto* nombre = caja("Tex_Fichero");
        for (const auto& [tecleado, activo] : {std::pair{"x", true}, {"", false}, {".VPC", false}, {"   ", false}}) {
            nombre->setText(QString::fromLatin1(tecleado));
            EXPECT_EQ(control("Pic_BotAceptar")->isEnabled(), activo) << "\"" << tecleado << "\"";
        }
        nombre->setFocus();
        QTest::keyClicks(nombre, QStringLiteral("Eclipse de Sevilla"));
        QTest::keyClick(nombre, Qt::Key_Return);  // on to the description
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Con la Luna"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // saves
        EXPECT_FALSE(d->isVisible());
    });
    const std::string guardada = TextoConfiguracion();
    EXPECT_NE(ContenidoDe(carpeta / "Eclipse de Sevilla.vpc").find("\"Con la Luna\""), std::string::npos);
    EscribeContenido(carpeta / "ALFA.VPC", "basura");  // listed first, and so chosen at once

    // Something else, then the saved situation loaded back.
    e->DiaJuliano += 100;
    e->Zoom = 9;
    abre(1, [&] {
        ASSERT_EQ(ficheros()->count(), 2);
        ClicFila(ficheros(), 1);
        EXPECT_EQ(caja("Tex_Confi")->text(), QStringLiteral("Con la Luna"));
        ClicFila(ficheros(), 1, true);
        EXPECT_TRUE(d->cargada());
    });
    EXPECT_EQ(TextoConfiguracion(), guardada);
    EXPECT_EQ(redibujos, 1);
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(CargaGuarPrueba, TheSummaryShowsTheFileOrWhyItCannotBeRead) {
    // How a summary looks is in the load dialog's reference picture.
    SeleccionaLocalidad(0);  // the first city of the list is a city too
    e->NombreConfig = "primera";
    GuardaConfig();
    EscribeContenido(carpeta / "roto.vpc", "2451545,abc");
    const std::string antes = TextoConfiguracion();
    abre(1, [&] {
        const auto resumen = [&] { return control("Pic_Datos")->accessibleDescription(); };
        ficheros()->setCurrentRow(0);
        EXPECT_TRUE(resumen().startsWith(QString::fromStdString(e->Cbo_Localidad[0]))) << resumen().toStdString();

        ficheros()->setCurrentRow(1);  // roto.vpc: reads "abc" where the city goes
        EXPECT_EQ(resumen(), QString::fromUtf8("Error en el acceso al archivo de configuración"));
        QTest::mouseClick(control("Pic_BotAceptar"), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible()) << "an error keeps the dialog open";
        EXPECT_FALSE(d->cargada());
        ficheros()->setCurrentRow(0);
        QTest::keyClick(control("Tex_Fichero"), Qt::Key_Return);
        EXPECT_TRUE(d->cargada()) << "Enter on the name loads";
    });
    ASSERT_EQ(mensajes.size(), 1u);
    // What is wrong and where, in an error box.
    EXPECT_EQ(mensajes[0], "Cargar configuración: ERROR CID13 ha ocurrido.\r\nArchivo: roto.vpc\r\n"
                           "Línea 1, campo 2: «abc» no es un número.");
    EXPECT_EQ(Estado().MensajeTipo1, 3);
    EXPECT_EQ(Estado().MensajeTipo2, TipoError);
    EXPECT_EQ(TextoConfiguracion(), antes);
    EXPECT_EQ(redibujos, 1) << "the first file's load alone";
}

TEST_F(CargaGuarPrueba, NoToReplacingKeepsTheDialogOpenAndTheFileAsItWasAndTheExitLeavesIt) {
    e->NombreConfig = "mia";
    GuardaConfig();
    const std::string vieja = ContenidoDe(carpeta / "mia.vpc");
    e->DiaJuliano += 1;
    respuesta = false;
    abre(2, [&] {
        ficheros()->setCurrentRow(0);
        EXPECT_EQ(caja("Tex_Fichero")->text(), QStringLiteral("mia.vpc"));
        QTest::mouseClick(control("Pic_BotAceptar"), Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        QTest::mouseClick(control("Pic_BotSalir"), Qt::LeftButton);  // the way out, saving nothing
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].starts_with("Guardar configuración: Ya existe un archivo")) << mensajes[0];
    EXPECT_EQ(ContenidoDe(carpeta / "mia.vpc"), vieja);
}

}  // namespace
}  // namespace vsp::ui
