// The animation dialog through its controls (the twelve units, the factor
// field's rules, its spin, the real-time box, the exit) and real-time
// running: the present time on closing, one minute every sixty ticks.
#include "ui/dialogos/animar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "../dialogo.h"
#include "core/constantes.h"
#include "time/calendario.h"

namespace vsp::ui {
namespace {

class AnimarPrueba : public PruebaDialogo<Animar> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.UnidadAnima = 2;
        e.FactorAnima = 5;
        e.PasoTiempo = -5.0 / 24;
        RelojSistema() = [] { return QDateTime(QDate(2025, 3, 15), QTime(21, 30, 40), Qt::UTC); };
    }
    QRadioButton* unidad(int i) const { return control<QRadioButton>(QStringLiteral("Opt_Animar%1").arg(i).toLatin1()); }
};

// The field reads the number its text starts with, as the engine reads any
// typed number, held to 1..99.
TEST_F(AnimarPrueba, FactorFieldKeepsOneToNinetyNine) {
    struct Caso {
        const char* tecleado;
        int16_t factor;
    } casos[] = {{"0", 1}, {"150", 99}, {"7", 7}, {"42", 42}, {"abc", 1}, {"-", 1}, {"1234", 99}, {"12x", 12}, {"99", 99}};
    abre();
    auto* caja = control<QLineEdit>("Tex_Unidades");
    for (const Caso& c : casos) {
        TecleaEncima(caja, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(caja->text(), QString::number(c.factor)) << c.tecleado;
        EXPECT_EQ(Estado().FactorAnima, c.factor) << c.tecleado;
        EXPECT_DOUBLE_EQ(Estado().PasoTiempo, c.factor / 24.0) << c.tecleado;
    }
    caja->clear();
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
}

TEST_F(AnimarPrueba, AnotherUnitKeepsTheFactorAndRecomputesTheStep) {
    abre();
    struct Caso {
        int unidad;
        double paso;
    } casos[] = {{8, 5.0}, {3, 5 * 0.9972695664235}, {1, 5.0 / 1440}, {12, 5000.0}, {9, 150.0}};
    for (const Caso& c : casos) {
        QTest::mouseClick(unidad(c.unidad), Qt::LeftButton);
        EXPECT_EQ(Estado().UnidadAnima, c.unidad);
        EXPECT_DOUBLE_EQ(Estado().PasoTiempo, c.paso) << c.unidad;
    }
}

TEST_F(AnimarPrueba, TheSpinStepsTheFactorThroughItsField) {
    abre();
    auto* spin = control("PicSpi_Unidades");
    auto* caja = control<QLineEdit>("Tex_Unidades");
    ClicSostenido(spin, SpinArriba);
    EXPECT_EQ(caja->text(), QStringLiteral("6"));
    EXPECT_DOUBLE_EQ(Estado().PasoTiempo, 6.0 / 24);
    TecleaEncima(caja, QStringLiteral("99"));
    ClicSostenido(spin, SpinArriba);
    EXPECT_EQ(caja->text(), QStringLiteral("99"));
    TecleaEncima(caja, QStringLiteral("1"));
    ClicSostenido(spin, SpinAbajo);
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
}

// Closing with the box off stops the clock and leaves the time; with it on,
// the present (21:30:40 UT on the computer's clock, to the nearest minute)
// is set and drawn at once and the clock runs, and the box opens ticked.
TEST_F(AnimarPrueba, ClosingFollowsTheRealTimeBox) {
    for (const bool marcada : {false, true}) {
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.ContadorTiempoReal = 33;
        redibujos = 0;
        QLabel texto;
        RelojTiempoReal reloj(&texto);
        reloj.arranca();
        abre();
        QSignalSpy rotula(d.get(), &Animar::rotulaMando);
        if (marcada) {
            QTest::mouseClick(control<QCheckBox>("Chk_TiempoReal"), Qt::LeftButton);
            EXPECT_EQ(e.ContadorTiempoReal, 0);
            d->reject();  // Escape closes as the exit button does
        } else {
            QTest::mouseClick(control<QAbstractButton>("Pic_BotSalir"), Qt::LeftButton);
        }
        EXPECT_EQ(e.TiempoRealActivo, marcada);
        EXPECT_EQ(rotula.count(), 1);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(reloj.enMarcha(), marcada);
        EXPECT_EQ(texto.text().isEmpty(), marcada);
        EXPECT_EQ(redibujos, marcada ? 1 : 0);
        EXPECT_DOUBLE_EQ(e.DiaJuliano, marcada ? CalculaJuliana(15, 3, 2025, 21, 31) : 2460677.3);
    }
    abre();
    EXPECT_TRUE(control<QCheckBox>("Chk_TiempoReal")->isChecked()) << "while real time runs";
}

TEST_F(AnimarPrueba, SixtyTicksMoveOneMinuteAndTheNoticeBlinks) {
    ProgramState& e = Estado();
    QLabel texto;
    RelojTiempoReal reloj(&texto);
    e.TiempoRealActivo = 1;
    AplicaTiempoReal();
    const double inicio = e.DiaJuliano;
    redibujos = 0;
    for (int tic = 1; tic <= 59; ++tic) {
        reloj.tic();
        EXPECT_EQ(texto.text(), tic % 2 ? QStringLiteral("Animando tiempo real") : QString()) << tic;
    }
    EXPECT_EQ(e.DiaJuliano, inicio);
    EXPECT_EQ(redibujos, 0);
    const double sidereo = e.TiempoSidereo;
    reloj.tic();
    EXPECT_DOUBLE_EQ(e.DiaJuliano, inicio + 1.0 / 1440);
    EXPECT_NEAR(std::remainder(e.TiempoSidereo - sidereo, DosPi), DosPi / 1436.07, 1e-6) << "the sky follows the minute";
    EXPECT_EQ(e.ContadorTiempoReal, 0);
    EXPECT_EQ(e.TiempoEstable, Verdadero);
    EXPECT_EQ(redibujos, 1);
}

// The computer's clock may run in any zone: a machine on UTC, or one in
// Tokyo, looking at Madrid, gives the same universal time.
TEST_F(AnimarPrueba, ThePresentTimeIsTheComputersClockInUniversalTime) {
    const QDateTime casos[] = {
        QDateTime(QDate(2026, 12, 6), QTime(20, 10, 0), Qt::UTC),
        QDateTime(QDate(2026, 12, 7), QTime(5, 10, 0), Qt::OffsetFromUTC, 9 * 3600),
        QDateTime(QDate(2026, 12, 6), QTime(21, 10, 0), Qt::OffsetFromUTC, 3600),
    };
    Estado().ZonaHoraria = 1;
    for (const QDateTime& ahora : casos) {
        RelojSistema() = [&ahora] { return ahora; };
        EXPECT_DOUBLE_EQ(DiaJulianoSistema(), CalculaJuliana(6, 12, 2026, 20, 10)) << ahora.toString(Qt::ISODate).toStdString();
    }
}

}  // namespace
}  // namespace vsp::ui
