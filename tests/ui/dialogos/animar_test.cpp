// The animation dialog through its controls (the twelve units, the factor
// field's rules, its spin, the real-time box, the exit) and real-time
// running: the present time on closing, one minute every sixty ticks.
#include "ui/dialogos/animar.h"

#include <QSignalSpy>

#include "comun.h"

namespace vsp::ui {
namespace {

class AnimarPrueba : public PruebaDe<Animar> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->DiaJuliano = 2460677.3;
        e->UnidadAnima = 2;
        e->FactorAnima = 5;
        e->PasoTiempo = -5.0 / 24;
        RelojSistema() = [] { return QDateTime(QDate(2025, 3, 15), QTime(21, 30, 40), Qt::UTC); };
    }
};

// The field reads the number its text starts with, as the engine reads any
// typed number, held to 1..99; the spin steps it through the field, within
// the same bounds.
TEST_F(AnimarPrueba, FactorFieldKeepsOneToNinetyNine) {
    abre();
    auto* caja = control<QLineEdit>("Tex_Unidades");
    const std::pair<const char*, int16_t> casos[] = {
        {"0", 1}, {"150", 99}, {"7", 7}, {"42", 42}, {"abc", 1},
        {"-", 1}, {"1234", 99}, {"12x", 12}, {"99", 99}};
    for (const auto& [tecleado, factor] : casos) {
        TecleaEncima(caja, tecleado);
        EXPECT_EQ(caja->text(), QString::number(factor)) << tecleado;
        EXPECT_EQ(e->FactorAnima, factor) << tecleado;
        EXPECT_DOUBLE_EQ(e->PasoTiempo, factor / 24.0) << tecleado;
    }
    caja->clear();
    EXPECT_EQ(caja->text(), "1");
    const std::tuple<const char*, QPoint, int> pasos[] = {
        {"5", SpinArriba, 6}, {"1", SpinAbajo, 1}, {"99", SpinArriba, 99}};
    for (const auto& [tecleado, tecla, factor] : pasos) {
        TecleaEncima(caja, tecleado);
        ClicSostenido(control("PicSpi_Unidades"), tecla);
        EXPECT_EQ(caja->text(), QString::number(factor)) << tecleado;
        EXPECT_DOUBLE_EQ(e->PasoTiempo, factor / 24.0) << tecleado;
    }
}

TEST_F(AnimarPrueba, AnotherUnitKeepsTheFactorAndRecomputesTheStep) {
    abre();
    const std::pair<int, double> casos[] = {
        {8, 5.0}, {3, 5 * 0.9972695664235}, {1, 5.0 / 1440}, {12, 5000.0}, {9, 150.0}};
    for (const auto& [unidad, paso] : casos) {
        QTest::mouseClick(control<QRadioButton>(("Opt_Animar" + std::to_string(unidad)).c_str()),
                          Qt::LeftButton);
        EXPECT_EQ(e->UnidadAnima, unidad);
        EXPECT_DOUBLE_EQ(e->PasoTiempo, paso) << unidad;
    }
}

// Closing with the box off stops the clock and leaves the time; with it on,
// the present (21:30:40 UT on the computer's clock, to the nearest minute)
// is set and drawn at once and the clock runs, and the box opens ticked.
TEST_F(AnimarPrueba, ClosingFollowsTheRealTimeBox) {
    for (const bool marcada : {false, true}) {
        e->DiaJuliano = 2460677.3;
        e->ContadorTiempoReal = 33;
        redibujos = 0;
        QLabel texto;
        RelojTiempoReal reloj(&texto);
        reloj.arranca();
        abre();
        QSignalSpy rotula(d.get(), &Animar::rotulaMando);
        if (marcada) {
            QTest::mouseClick(control<QCheckBox>("Chk_TiempoReal"), Qt::LeftButton);
            EXPECT_EQ(e->ContadorTiempoReal, 0);
            d->reject();  // Escape closes as the exit button does
        } else {
            QTest::mouseClick(control<QAbstractButton>("Pic_BotSalir"), Qt::LeftButton);
        }
        EXPECT_EQ(e->TiempoRealActivo, marcada);
        EXPECT_EQ(rotula.count(), 1);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(reloj.enMarcha(), marcada);
        EXPECT_EQ(texto.text().isEmpty(), marcada);
        EXPECT_EQ(redibujos, marcada ? 1 : 0);
        EXPECT_DOUBLE_EQ(e->DiaJuliano, marcada ? CalculaJuliana(15, 3, 2025, 21, 31) : 2460677.3);
    }
    abre();
    EXPECT_TRUE(control<QCheckBox>("Chk_TiempoReal")->isChecked()) << "while real time runs";
}

TEST_F(AnimarPrueba, SixtyTicksMoveOneMinuteAndTheNoticeBlinks) {
    QLabel texto;
    RelojTiempoReal reloj(&texto);
    e->TiempoRealActivo = 1;
    AplicaTiempoReal();
    const double inicio = e->DiaJuliano;
    redibujos = 0;
    for (int tic = 1; tic <= 59; ++tic) {
        reloj.tic();
        EXPECT_EQ(texto.text(), tic % 2 ? QStringLiteral("Animando tiempo real") : QString()) << tic;
    }
    EXPECT_EQ(e->DiaJuliano, inicio);
    EXPECT_EQ(redibujos, 0);
    const double sidereo = e->TiempoSidereo;
    reloj.tic();
    EXPECT_DOUBLE_EQ(e->DiaJuliano, inicio + 1.0 / 1440);
    EXPECT_NEAR(std::remainder(e->TiempoSidereo - sidereo, DosPi), DosPi / 1436.07, 1e-6) << "the sky follows the minute";
    EXPECT_EQ(e->ContadorTiempoReal, 0);
    EXPECT_EQ(e->TiempoEstable, Verdadero);
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
    e->ZonaHoraria = 1;
    for (const QDateTime& ahora : casos) {
        RelojSistema() = [&ahora] { return ahora; };
        EXPECT_DOUBLE_EQ(DiaJulianoSistema(), CalculaJuliana(6, 12, 2026, 20, 10)) << ahora.toString(Qt::ISODate).toStdString();
    }
}

}  // namespace
}  // namespace vsp::ui
