// The personalisation dialog through its controls: each selector cycles
// its option and applies it at once (only a press on the knob counts), the
// speed knob dragged past both ends, the telescope field typed over, and the
// closing redraw after a precession change.
#include "ui/dialogos/personal.h"

#include <QSettings>

#include "../dialogo.h"
#include "core/constantes.h"
#include "programa/opciones.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

constexpr QPoint Pomo(18, 24);

class PersonalPrueba : public PruebaDialogo<Personal> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        ProgramState& e = Estado();
        e.DiaJuliano = 2469807.0;  // 2050
        e.PanelControl = e.PanelCursor = e.PanelLocalizacion = e.PanelObjetos = Activado;
        e.FormatoHora = e.SentidoImagen = e.Precesion = e.Telescopio = e.Sonido = Activado;
        e.CampoTelescopio = 3 * RadianesPorGrado;
        ActualizaTiempo();
        FijaVentanaCielo();
        avisos().Ventanas = [this] { ++ventanas; };
        avisos().BorraTelescopio = [this] { ++borrados; };
        abre();
    }
    QWidget* selector(int i) const { return control(QStringLiteral("Pic_Selector%1").arg(i).toLatin1()); }
    QLineEdit* campo() const { return control<QLineEdit>("Tex_Teles"); }

    int ventanas = 0, borrados = 0;
};

TEST_F(PersonalPrueba, EachSelectorCyclesItsOptionAndAppliesIt) {
    ProgramState& e = Estado();
    const float anchoDirecto = e.VentanaAncho;
    for (int i = 1; i <= NumOpciones; ++i) {
        for (QPoint p : {QPoint(3, 24), QPoint(34, 24), QPoint(18, 13), QPoint(18, 35)})  // beside the knob: nothing
            QTest::mouseClick(selector(i), Qt::LeftButton, {}, p);
        EXPECT_EQ(e.*Opciones[i].valor, Activado) << i;
        QTest::mouseClick(selector(i), Qt::LeftButton, {}, i % 2 ? QPoint(4, 14) : QPoint(33, 34));  // its corners
        EXPECT_EQ(e.*Opciones[i].valor, Desactivado) << i;
    }
    EXPECT_EQ(ventanas, 4) << "the four panels shown or hidden at once";
    EXPECT_EQ(e.Panel.Tex_HorUni, "00:00 PM") << "the times rewritten in the AM/PM clock (noon)";
    EXPECT_EQ(e.VentanaAncho, -anchoDirecto) << "the chart mirrored left to right";
    EXPECT_EQ(redibujos, 2) << "the mirrored and the plain chart drawn at once";
    EXPECT_EQ(QSettings(QSettings::IniFormat, QSettings::UserScope, "VESPERA", "vespera").value("imagen/calidad"),
              QStringLiteral("sencilla")) << "the quality kept as the user's preference";
    EXPECT_EQ(borrados, 1) << "the telescope off erases its circle";
    EXPECT_FALSE(control("Fra_Teles")->isEnabled());

    // Back on: the telescope field is ready again but shows no circle.
    e.TelescopioVisible = Verdadero;
    QTest::mouseClick(selector(8), Qt::LeftButton, {}, Pomo);
    EXPECT_EQ(e.TelescopioVisible, Falso);
    EXPECT_TRUE(control("Fra_Teles")->isEnabled());
    QTest::mouseClick(selector(7), Qt::LeftButton, {}, Pomo);
    const double zeta = e.PrecZeta;
    ActualizaTiempo();
    EXPECT_EQ(e.PrecZeta, zeta) << "the angles of 2050 recomputed at once";
    EXPECT_GT(zeta, 0);
    d->reject();
    EXPECT_EQ(redibujos, 3) << "precession waits for the closing redraw";
}

TEST_F(PersonalPrueba, TheSpeedKnobStopsAtBothEnds) {
    ProgramState& e = Estado();
    auto* deslizador = control("PicPot_Veloc");
    // At 50 the knob covers 57..69 across and 23..47 down: only it is held.
    for (const auto& [p, agarra] : {std::pair{QPoint(69, 47), true}, {QPoint(57, 23), true}, {QPoint(70, 35), false},
                                    {QPoint(56, 35), false}, {QPoint(60, 22), false}, {QPoint(60, 48), false}}) {
        e.Velocidad = 50;
        QTest::mousePress(deslizador, Qt::LeftButton, {}, p);
        QTest::mouseMove(deslizador, p + QPoint(10, 0));
        QTest::mouseRelease(deslizador, Qt::LeftButton, {}, p + QPoint(10, 0));
        EXPECT_EQ(e.Velocidad, agarra ? 60 : 50) << p.x() << "," << p.y();
    }
    e.Velocidad = 50;
    QTest::mousePress(deslizador, Qt::LeftButton, {}, QPoint(57, 35));
    for (int x : {67, 124, 394}) QTest::mouseMove(deslizador, QPoint(x, 35));
    EXPECT_EQ(e.Velocidad, 100);
    QTest::mouseMove(deslizador, QPoint(87, 35));  // back past where 100 was: the knob waits
    EXPECT_EQ(e.Velocidad, 80);
    QTest::mouseMove(deslizador, QPoint(-300, 35));
    EXPECT_EQ(e.Velocidad, 0);
    QTest::mouseRelease(deslizador, Qt::LeftButton, {}, QPoint(-300, 35));
    QTest::mouseMove(deslizador, QPoint(60, 35));
    EXPECT_EQ(e.Velocidad, 0) << "no drag without a press on the knob";
}

TEST_F(PersonalPrueba, TheTelescopeFieldIsTypedOver) {
    ProgramState& e = Estado();
    struct Caso {
        const char* teclas;  // from the first character
        const char* queda;
        int minutos;
    } casos[] = {{"35", "30° 00'", 30 * 60}, {"1245", "12° 45'", 12 * 60 + 45}, {"0a9", "09° 45'", 9 * 60 + 45},
                 {"0099", "00° 59'", 59}};
    for (const Caso& c : casos) {
        Sobrescribe(campo(), 0, QString::fromLatin1(c.teclas));
        EXPECT_EQ(campo()->text().toStdString(), c.queda) << c.teclas;
        EXPECT_NEAR(e.CampoTelescopio, c.minutos * 0.0002908882086667, 1e-9) << c.teclas;
        EXPECT_DOUBLE_EQ(e.TelescopioRadio, e.CampoTelescopio / 2);
    }
    EXPECT_EQ(borrados, 12) << "each key taken erases the circle of the old size";
    d->reject();
    EXPECT_EQ(redibujos, 0) << "nothing that waits for the closing changed";
}

}  // namespace
}  // namespace vsp::ui
