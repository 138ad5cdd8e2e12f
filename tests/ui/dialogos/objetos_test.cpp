// The objects dialog through its controls: every box is the state it shows
// (the disabled ones cannot change), the grids exclude each other, the level
// spins and the options set their variables and enable what depends on
// them, and closing redraws only after a change.
#include "ui/dialogos/objetos.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <unistd.h>

#include "../../motor_nuevo.h"
#include "config/configuracion.h"
#include "core/constantes.h"
#include "programa/arranque.h"
#include "programa/opciones.h"
#include "ui/dialogos/personal.h"
#include "ui/mandos/spin.h"

namespace vsp::ui {
namespace {

class ObjetosPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo(false);
        ProgramState& e = Estado();
        e.Velocidad = 100;
        e.NivelEstrellas = 3;
        e.NivelConstel = 1;
        e.NivelGalaxias = 1;
        e.NivelNebPlanetarias = e.NivelNebDifusas = e.NivelCumAbiertos = e.NivelCumGlobulares = 1;
        avisos().Redibujo = [this] { ++redibujos; };
        d = std::make_unique<Objetos>();
        d->show();
    }
    void TearDown() override {
        d.reset();
        ReiniciaAvisos();
    }

    template <class T>
    T* control(const char* nombre) const {
        T* c = d->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    // Presses a spin's upper or lower key `veces` times.
    void pulsa(const char* spin, int sentido, int veces) {
        auto* s = control<Spin>(spin);
        const QPoint p(12, sentido > 0 ? 6 : 22);
        for (int i = 0; i < veces; ++i) {
            QCoreApplication::postEvent(s, new QMouseEvent(QEvent::MouseButtonRelease, p, s->mapToGlobal(p),
                                                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
            QTest::mousePress(s, Qt::LeftButton, {}, p);
            QApplication::processEvents();
        }
    }

    // A click on a box's or an option's indicator, where it always counts.
    static void clic(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2)); }

    std::unique_ptr<Objetos> d;
    int redibujos = 0;
};

TEST_F(ObjetosPrueba, EveryBoxIsTheStateItShows) {
    ProgramState& e = Estado();
    EXPECT_EQ(d->findChild<QCheckBox*>("Chk_Plane3"), nullptr) << "the Earth has no box";
    struct Caso {
        const char* nombre;
        int casilla;
        bool activa;
    } casos[] = {
        {"Chk_Sol", Chk_Sol, true},        {"Chk_Plane5", Chk_Plane5, true}, {"Chk_Plane6", Chk_Plane6, false},
        {"Chk_Galax", Chk_Galax, true},    {"Chk_CumAb", Chk_CumAb, false},  {"Chk_Quasa", Chk_Quasa, false},
        {"Chk_LimCo", Chk_LimCo, false},   {"Chk_LuzDi", Chk_LuzDi, true},   {"Chk_ViaLa", Chk_ViaLa, true},
        {"Chk_IdentiProfun", Chk_IdentiProfun, true},
    };
    for (const Caso& c : casos) {
        auto* casilla = control<QCheckBox>(c.nombre);
        const int16_t antes = e.Casillas[static_cast<std::size_t>(c.casilla)];
        clic(casilla);
        EXPECT_EQ(casilla->isEnabled(), c.activa) << c.nombre;
        EXPECT_EQ(e.Casillas[static_cast<std::size_t>(c.casilla)], c.activa ? 1 - antes : antes) << c.nombre;
        EXPECT_EQ(casilla->isChecked(), e.Casillas[static_cast<std::size_t>(c.casilla)] == 1) << c.nombre;
    }
    EXPECT_EQ(control<QCheckBox>("Chk_ARDEC15")->text(), QString::fromUtf8("A.R./DEC 15º"));

    // The grids exclude each other.
    clic(control<QCheckBox>("Chk_ARDEC15"));
    clic(control<QCheckBox>("Chk_ARDEC30"));
    EXPECT_EQ(e.Casillas[Chk_ARDEC30], 1);
    EXPECT_EQ(e.Casillas[Chk_ARDEC15], 0);
    EXPECT_FALSE(control<QCheckBox>("Chk_ARDEC15")->isChecked());

    // A state applied from elsewhere (a configuration) shows.
    e.Casillas[Chk_Sol] = 1;
    e.Casillas[Chk_Plane7] = 1;
    d->muestra();
    EXPECT_TRUE(control<QCheckBox>("Chk_Sol")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("Chk_Plane7")->isChecked());
}

TEST_F(ObjetosPrueba, LevelsAndOptionsSetTheStateAndEnableWhatDependsOnThem) {
    ProgramState& e = Estado();
    auto* nivel = control<QLineEdit>("Tex_NivVisEstre");
    EXPECT_EQ(nivel->text(), QStringLiteral("3 "));
    pulsa("PicSpi_MagMin", -1, 4);  // one more than needed
    EXPECT_EQ(e.NivelEstrellas, 0);
    EXPECT_EQ(nivel->text(), QStringLiteral("NO"));
    EXPECT_FALSE(control<QRadioButton>("Opt_IdEst2")->isEnabled());
    pulsa("PicSpi_MagMin", +1, 8);
    EXPECT_EQ(e.NivelEstrellas, 7);
    EXPECT_EQ(nivel->text(), QStringLiteral(" 7"));
    EXPECT_TRUE(control<QRadioButton>("Opt_IdEst2")->isEnabled());
    pulsa("PicSpi_NivVisConst", -1, 1);
    EXPECT_EQ(control<QLineEdit>("Tex_NivVisConst")->text(), QStringLiteral("NO"));
    EXPECT_FALSE(control<QRadioButton>("Opt_IdCon3")->isEnabled());
    pulsa("PicSpi_NivVisConst", +1, 6);
    EXPECT_EQ(e.NivelConstel, 4);

    struct Opcion {
        const char* casilla;  // the box that enables the option, if any
        const char* boton;
        int16_t ProgramState::*campo;
        int16_t valor;
    } opciones[] = {
        {nullptr, "Opt_IdEst1", &ProgramState::IdEstrellas, 1},   {nullptr, "Opt_IdCon3", &ProgramState::IdConstel, 3},
        {"Chk_Messi", "Opt_IdMes2", &ProgramState::IdMessier, 2}, {"Chk_Galax", "Opt_NivGalax4", &ProgramState::NivelGalaxias, 4},
        {"Chk_NebPl", "Opt_NivNebPl2", &ProgramState::NivelNebPlanetarias, 2},
        {"Chk_NebDi", "Opt_NivNebDi2", &ProgramState::NivelNebDifusas, 2},
    };
    for (const Opcion& o : opciones) {
        auto* boton = control<QRadioButton>(o.boton);
        if (o.casilla) {
            ASSERT_FALSE(boton->isEnabled()) << o.boton << " waits for its box";
            clic(control<QCheckBox>(o.casilla));
        }
        clic(boton);
        EXPECT_EQ(e.*o.campo, o.valor) << o.boton;
    }
    EXPECT_FALSE(control<QRadioButton>("Opt_NivCumAb2")->isEnabled());
}

TEST_F(ObjetosPrueba, ClosingRedrawsOnlyAfterAChange) {
    QTest::mouseClick(control<QAbstractButton>("Pic_BotSalir"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(redibujos, 0);
    d->show();
    clic(control<QCheckBox>("Chk_Luna"));
    d->reject();  // Escape closes as the exit button does
    EXPECT_EQ(redibujos, 1);
    EXPECT_EQ(Estado().Casillas[Chk_Luna], 1);
    d->show();
    d->reject();
    EXPECT_EQ(redibujos, 1) << "each opening starts without changes";
}

// What both dialogs show, control by control.
std::map<std::string, std::string> vistas(const QWidget& objetos, const QWidget& personal) {
    std::map<std::string, std::string> v;
    for (const QWidget* d : {&objetos, &personal}) {
        for (const QAbstractButton* b : d->findChildren<QAbstractButton*>())
            if (b->isCheckable()) v[b->objectName().toStdString()] = b->isChecked() ? "1" : "0";
        for (const QLineEdit* c : d->findChildren<QLineEdit*>()) v[c->objectName().toStdString()] = c->text().toStdString();
    }
    // The image quality (the last option) is the user's, not the situation's.
    for (int i = 1; i < NumOpciones; ++i) v["Pic_Selector" + std::to_string(i)] = TextoOpcion(i);
    v["Velocidad"] = std::to_string(Estado().Velocidad);
    return v;
}

TEST_F(ObjetosPrueba, ASavedConfigurationLoadsBackIntoIdenticalDialogs) {
    namespace fs = std::filesystem;
    const fs::path carpeta = fs::temp_directory_path() / ("vespera-dialogos-" + std::to_string(::getpid()));
    fs::create_directories(carpeta);
    ProgramState& e = Estado();
    for (const char* nombre : {"Chk_Sol", "Chk_Plane4", "Chk_Galax", "Chk_NebDi", "Chk_ARDEC15", "Chk_LuzDi", "Chk_Messi"})
        clic(control<QCheckBox>(nombre));
    for (const char* nombre : {"Opt_IdEst2", "Opt_IdCon3", "Opt_IdMes1", "Opt_NivGalax3", "Opt_NivNebDi2"})
        clic(control<QRadioButton>(nombre));
    pulsa("PicSpi_MagMin", +1, 2);
    pulsa("PicSpi_NivVisConst", +1, 2);
    {
        Personal personal;
        for (int i = 1; i <= NumOpciones; ++i)
            QTest::mouseClick(personal.findChild<QWidget*>(QStringLiteral("Pic_Selector%1").arg(i)), Qt::LeftButton, {},
                              QPoint(18, 24));
        e.Velocidad = 37;
        auto* campo = personal.findChild<QLineEdit*>("Tex_Teles");
        campo->setFocus();
        campo->setCursorPosition(0);
        QTest::keyClicks(campo, QStringLiteral("0712"));
        const auto antes = vistas(*d, Personal());  // as the dialog opens
        e.CarpetaTrabajo = carpeta.string();
        e.NombreConfig = "Todo";
        GuardaConfig();
        ASSERT_EQ(e.EstadoArchivo, 0);

        MotorNuevo(false);  // a fresh state: `e` no longer refers to it
        Estado().CarpetaTrabajo = carpeta.string();
        Estado().NombreConfig = "Todo.vpc";
        CargaConfig();
        AplicaEstado();
        d->muestra();
        for (const auto& [control, valor] : vistas(*d, Personal())) EXPECT_EQ(valor, antes.at(control)) << control;
    }
    fs::remove_all(carpeta);
}

}  // namespace
}  // namespace vsp::ui
