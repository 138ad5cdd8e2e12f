// The objects dialog through its controls: every box is the state it shows
// (the disabled ones cannot change), the grids exclude each other, the level
// spins and the options set their variables and enable what depends on
// them, closing redraws only after a change, and a saved configuration
// loads back into identical dialogs.
#include "ui/dialogos/objetos.h"

#include <map>

#include "comun.h"
#include "programa/arranque.h"
#include "programa/opciones.h"
#include "ui/dialogos/personal.h"

namespace vsp::ui {
namespace {

class ObjetosPrueba : public PruebaDe<Objetos> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->Casillas.fill(0);
        e->NivelEstrellas = 3;
        e->NivelConstel = e->NivelGalaxias = e->NivelNebPlanetarias = 1;
        e->NivelNebDifusas = e->NivelCumAbiertos = e->NivelCumGlobulares = 1;
        abre();
    }
    // A click on a box's or an option's indicator, where it always counts.
    static void clic(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2)); }
    void clic(const char* nombre) { clic(control<QAbstractButton>(nombre)); }
};

// Pluto's box is offered only in the years its series reaches.
TEST_F(ObjetosPrueba, PlutosBoxIsOfferedOnlyWhereItsSeriesReaches) {
    for (const auto& [dia, activa] : {std::pair{2451545.0, true}, {2561118.5, false}, {2378496.5, false}}) {
        e->DiaJuliano = dia;  // 2000, 2300, 1800
        abre();
        EXPECT_EQ(control<QCheckBox>("Chk_Plane9")->isEnabled(), activa) << dia;
        EXPECT_EQ(control<QCheckBox>("Chk_Plane9")->toolTip().isEmpty(), activa) << dia;
        EXPECT_TRUE(control<QCheckBox>("Chk_Plane8")->isEnabled()) << "Neptune always";
    }
}

TEST_F(ObjetosPrueba, EveryBoxIsTheStateItShows) {
    struct Caso { const char* nombre; int casilla; bool activa; } casos[] = {
        {"Chk_Sol", Chk_Sol, true},       {"Chk_Plane1", Chk_Plane1, true}, {"Chk_Plane5", Chk_Plane5, true},
        {"Chk_Plane6", Chk_Plane6, true}, {"Chk_Plane9", Chk_Plane9, true},   {"Chk_Galax", Chk_Galax, true},
        {"Chk_CumAb", Chk_CumAb, false},  {"Chk_Quasa", Chk_Quasa, false},  {"Chk_LimCo", Chk_LimCo, false},
        {"Chk_LuzDi", Chk_LuzDi, true},   {"Chk_ViaLa", Chk_ViaLa, true},   {"Chk_IdentiProfun", Chk_IdentiProfun, true},
    };
    for (const Caso& c : casos) {
        auto* casilla = control<QCheckBox>(c.nombre);
        clic(casilla);
        EXPECT_EQ(casilla->isEnabled(), c.activa) << c.nombre;
        EXPECT_EQ(e->Casillas[static_cast<std::size_t>(c.casilla)], c.activa ? 1 : 0) << c.nombre;
        EXPECT_EQ(casilla->isChecked(), c.activa) << c.nombre;
    }
    // The grids exclude each other; other boxes leave them alone.
    clic("Chk_ARDEC30");
    EXPECT_EQ(e->Casillas[Chk_ARDEC30], 1);
    clic("Chk_ARDEC15");
    clic("Chk_Plane7");
    EXPECT_EQ(e->Casillas[Chk_ARDEC15], 1);
    EXPECT_EQ(e->Casillas[Chk_ARDEC30], 0);
    EXPECT_FALSE(control<QCheckBox>("Chk_ARDEC30")->isChecked());
    // A box the dialog does not have changes nothing.
    const auto casillas = e->Casillas;
    for (const int fuera : {-1, static_cast<int>(NumCasillasObjeto)}) MarcaCasilla(fuera, true);
    EXPECT_EQ(e->Casillas, casillas);
    // A state applied from elsewhere (a configuration) shows.
    e->Casillas[Chk_Plane7] = e->Casillas[Chk_Sol] = 0;
    d->muestra();
    EXPECT_FALSE(control<QCheckBox>("Chk_Plane7")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Chk_Sol")->isChecked());
}

TEST_F(ObjetosPrueba, LevelsAndOptionsSetTheStateAndEnableWhatDependsOnThem) {
    auto* nivel = control<QLineEdit>("Tex_NivVisEstre");
    QTest::mouseClick(nivel, Qt::LeftButton);
    EXPECT_FALSE(nivel->hasFocus()) << "a level is read, not typed";
    ClicSostenido(control("PicSpi_MagMin"), SpinAbajo, 4);  // one more than needed
    EXPECT_EQ(e->NivelEstrellas, 0);
    EXPECT_EQ(nivel->text(), QStringLiteral("NO"));
    EXPECT_FALSE(control("Opt_IdEst2")->isEnabled());
    ClicSostenido(control("PicSpi_MagMin"), SpinArriba, 8);
    EXPECT_EQ(e->NivelEstrellas, 7);
    EXPECT_EQ(nivel->text(), QStringLiteral(" 7"));
    EXPECT_TRUE(control("Opt_IdEst2")->isEnabled());
    ClicSostenido(control("PicSpi_NivVisConst"), SpinAbajo);
    EXPECT_EQ(control<QLineEdit>("Tex_NivVisConst")->text(), QStringLiteral("NO"));
    EXPECT_FALSE(control("Opt_IdCon3")->isEnabled());
    ClicSostenido(control("PicSpi_NivVisConst"), SpinArriba, 6);
    EXPECT_EQ(e->NivelConstel, 4);

    // Each option, after the box that enables it if it has one.
    struct Opcion { const char* casilla; const char* boton; int16_t ProgramState::*campo; int16_t valor; };
    const Opcion opciones[] = {
        {nullptr, "Opt_IdEst1", &ProgramState::IdEstrellas, 1},
        {nullptr, "Opt_IdCon3", &ProgramState::IdConstel, 3},
        {"Chk_Messi", "Opt_IdMes2", &ProgramState::IdMessier, 2},
        {"Chk_Galax", "Opt_NivGalax4", &ProgramState::NivelGalaxias, 4},
        {"Chk_NebPl", "Opt_NivNebPl2", &ProgramState::NivelNebPlanetarias, 2},
        {"Chk_NebDi", "Opt_NivNebDi2", &ProgramState::NivelNebDifusas, 2},
    };
    for (const Opcion& o : opciones) {
        if (o.casilla) clic(o.casilla);
        clic(o.boton);
        EXPECT_EQ(Estado().*o.campo, o.valor) << o.boton;
    }
}

TEST_F(ObjetosPrueba, ClosingRedrawsOnlyAfterAChange) {
    QTest::mouseClick(control<QAbstractButton>("Pic_BotSalir"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(redibujos, 0);
    d->show();
    clic("Chk_Luna");
    d->reject();  // Escape closes as the exit button does
    EXPECT_EQ(redibujos, 1);
    d->show();
    d->reject();
    EXPECT_EQ(redibujos, 1) << "each opening starts without changes";
}

// What both dialogs show, control by control.
std::map<std::string, std::string> vistas(const QWidget& objetos, const QWidget& personal) {
    std::map<std::string, std::string> v;
    for (const QWidget* d : {&objetos, &personal}) {
        for (const QAbstractButton* b : d->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                v[b->objectName().toStdString()] = std::string(b->isChecked() ? "1" : "0") + (b->isEnabled() ? "" : " off");
        for (const QLineEdit* c : d->findChildren<QLineEdit*>()) v[c->objectName().toStdString()] = c->text().toStdString();
    }
    // The image quality (the last option) is the user's, not the situation's.
    for (int i = 1; i < NumOpciones; ++i) v["Pic_Selector" + std::to_string(i)] = TextoOpcion(i);
    v["Velocidad"] = std::to_string(Estado().Velocidad);
    return v;
}

TEST_F(ObjetosPrueba, ASavedConfigurationLoadsBackIntoIdenticalDialogs) {
    for (const char* nombre : {"Chk_Sol", "Chk_Plane4", "Chk_Galax", "Chk_NebDi", "Chk_ARDEC15", "Chk_LuzDi", "Chk_Messi",
                               "Opt_IdEst2", "Opt_IdCon3", "Opt_IdMes1", "Opt_NivGalax3", "Opt_NivNebDi2"})
        clic(nombre);
    ClicSostenido(control("PicSpi_MagMin"), SpinArriba, 2);
    ClicSostenido(control("PicSpi_NivVisConst"), SpinArriba, 2);
    Personal personal;
    for (int i = 1; i <= NumOpciones; ++i)
        QTest::mouseClick(ui::control(&personal, QStringLiteral("Pic_Selector%1").arg(i).toLatin1()), Qt::LeftButton, {},
                          QPoint(18, 24));
    e->Velocidad = 37;
    Sobrescribe(ui::control<QLineEdit>(&personal, "Tex_Teles"), 0, QStringLiteral("0712"));
    const auto antes = vistas(*d, Personal());  // as the dialog opens
    e->NombreConfig = "Todo";
    GuardaConfig();
    ASSERT_EQ(e->EstadoArchivo, 0);

    MotorNuevo(false);
    e->CarpetaTrabajo = carpeta.string();
    e->NombreConfig = "Todo.vpc";
    CargaConfig();
    AplicaEstado();
    d->muestra();
    for (const auto& [nombre, valor] : vistas(*d, Personal())) EXPECT_EQ(valor, antes.at(nombre)) << nombre;
}

}  // namespace
}  // namespace vsp::ui
