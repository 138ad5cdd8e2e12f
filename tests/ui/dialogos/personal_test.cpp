// The personalisation dialog through its controls: each selector cycles
// its option and applies it at once (only a press on the knob counts), the
// speed knob dragged past both ends, the telescope field typed over, and the
// closing redraw after a precession change.
#include "ui/dialogos/personal.h"

#include <QSettings>

#include "comun.h"
#include "programa/opciones.h"

namespace vsp::ui {
namespace {

constexpr QPoint Pomo(18, 24);

class PersonalPrueba : public PruebaDe<Personal> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->DiaJuliano = 2469807.0;  // 2050
        e->PanelControl = e->PanelCursor = e->PanelLocalizacion = e->PanelObjetos = Activado;
        e->FormatoHora = e->SentidoImagen = e->Precesion = e->Telescopio = e->Sonido = Activado;
        e->CampoTelescopio = 3 * RadianesPorGrado;
        ActualizaTiempo();
        FijaVentanaCielo();
        avisos().Ventanas = [this] { ++ventanas; };
        avisos().BorraTelescopio = [this] { ++borrados; };
        abre();
    }
    void clic(int selector, QPoint p) {
        QTest::mouseClick(control(("Pic_Selector" + std::to_string(selector)).c_str()), Qt::LeftButton, {}, p);
    }

    int ventanas = 0, borrados = 0;
};

TEST_F(PersonalPrueba, EachSelectorCyclesItsOptionAndAppliesIt) {
    const float anchoDirecto = e->VentanaAncho;
    // A press beside the knob changes nothing; one on its corners cycles the option.
    for (int i = 1; i <= NumOpciones; ++i) {
        for (QPoint p : {QPoint(3, 24), QPoint(34, 24), QPoint(18, 13), QPoint(18, 35)}) clic(i, p);
        EXPECT_EQ(Estado().*Opciones[i].valor, Activado) << i;
        clic(i, i % 2 ? QPoint(4, 14) : QPoint(33, 34));
        EXPECT_EQ(Estado().*Opciones[i].valor, Desactivado) << i;
    }
    EXPECT_EQ(ventanas, 4) << "the four panels shown or hidden at once";
    EXPECT_EQ(e->Panel.Tex_HorUni, "00:00 PM") << "the times rewritten in the AM/PM clock (noon)";
    EXPECT_EQ(e->VentanaAncho, -anchoDirecto) << "the chart mirrored left to right";
    EXPECT_EQ(redibujos, 2) << "the mirrored and the plain chart drawn at once";
    EXPECT_EQ(QSettings(QSettings::IniFormat, QSettings::UserScope, "VESPERA", "vespera").value("imagen/calidad"),
              QStringLiteral("sencilla")) << "the quality kept as the user's preference";
    EXPECT_EQ(borrados, 1) << "the telescope off erases its circle";
    EXPECT_FALSE(control("Fra_Teles")->isEnabled());

    // Back on: the telescope field is ready again but shows no circle.
    e->TelescopioVisible = Verdadero;
    clic(8, Pomo);
    EXPECT_EQ(e->TelescopioVisible, Falso);
    EXPECT_TRUE(control("Fra_Teles")->isEnabled());
    clic(7, Pomo);
    const double zeta = e->PrecZeta;
    ActualizaTiempo();
    EXPECT_EQ(e->PrecZeta, zeta) << "the angles of 2050 recomputed at once";
    EXPECT_GT(zeta, 0);
    d->reject();
    EXPECT_EQ(redibujos, 3) << "precession waits for the closing redraw";
}

TEST_F(PersonalPrueba, TheSpeedKnobStopsAtBothEnds) {
    auto* deslizador = control("PicPot_Veloc");
    // At 50 the knob covers 57..69 across and 23..47 down: only it is held.
    for (const auto& [p, agarra] : {std::pair{QPoint(69, 47), true}, {QPoint(57, 23), true}, {QPoint(70, 35), false},
                                    {QPoint(56, 35), false}, {QPoint(60, 22), false}, {QPoint(60, 48), false}}) {
        e->Velocidad = 50;
        QTest::mousePress(deslizador, Qt::LeftButton, {}, p);
        QTest::mouseMove(deslizador, p + QPoint(10, 0));
        QTest::mouseRelease(deslizador, Qt::LeftButton, {}, p + QPoint(10, 0));
        EXPECT_EQ(e->Velocidad, agarra ? 60 : 50) << p.x() << "," << p.y();
    }
    e->Velocidad = 50;
    QTest::mousePress(deslizador, Qt::LeftButton, {}, QPoint(57, 35));
    // Dragged past the top, then back past where 100 was (the knob waits), and past the bottom.
    for (const auto& [x, velocidad] : {std::pair{67, 60}, {124, 100}, {394, 100}, {87, 80}, {-300, 0}}) {
        QTest::mouseMove(deslizador, QPoint(x, 35));
        EXPECT_EQ(e->Velocidad, velocidad) << x;
    }
    QTest::mouseRelease(deslizador, Qt::LeftButton, {}, QPoint(-300, 35));
    QTest::mouseMove(deslizador, QPoint(60, 35));
    EXPECT_EQ(e->Velocidad, 0) << "no drag without a press on the knob";
}

// Keys typed over the field from its first character: the text it shows
// and the field in minutes of arc.
TEST_F(PersonalPrueba, TheTelescopeFieldIsTypedOver) {
    const std::tuple<const char*, const char*, int> casos[] = {
        {"35", "30° 00'", 30 * 60}, {"1245", "12° 45'", 12 * 60 + 45}, {"0a9", "09° 45'", 9 * 60 + 45},
        {"0099", "00° 59'", 59}};
    for (const auto& [teclas, queda, minutos] : casos) {
        Sobrescribe(caja("Tex_Teles"), 0, teclas);
        EXPECT_EQ(texto("Tex_Teles"), queda) << teclas;
        EXPECT_NEAR(e->CampoTelescopio, minutos * 0.0002908882086667, 1e-9) << teclas;
        EXPECT_DOUBLE_EQ(e->TelescopioRadio, e->CampoTelescopio / 2);
    }
    EXPECT_EQ(borrados, 12) << "each key taken erases the circle of the old size";
    d->reject();
    EXPECT_EQ(redibujos, 0) << "nothing that waits for the closing changed";
}

}  // namespace
}  // namespace vsp::ui
