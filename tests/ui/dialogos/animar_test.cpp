// The animation dialog through its controls (the twelve units, the factor
// field's rules, its spin, the real-time box, the exit) and real-time
// running: the present time on closing, one minute every sixty ticks.
#include "ui/dialogos/animar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "../../motor_nuevo.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "time/calendario.h"
#include "ui/mandos/spin.h"
#include "ui/principal/tiempo_real.h"

namespace vsp::ui {
namespace {

class AnimarPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo(false);
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.UnidadAnima = 2;
        e.FactorAnima = 5;
        e.PasoTiempo = -5.0 / 24;
        e.Velocidad = 100;
        avisos().Redibujo = [this] { ++redibujos; };
        RelojSistema() = [] { return QDateTime(QDate(2025, 3, 15), QTime(21, 30, 40), Qt::UTC); };
    }
    void TearDown() override {
        ReiniciaAvisos();
        RelojSistema() = [] { return QDateTime::currentDateTime(); };
        QApplication::processEvents();
    }

    template <class T>
    static T* control(const QDialog& d, const char* nombre) {
        T* c = d.findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    static void escribe(QLineEdit* caja, const QString& texto) {
        caja->setFocus();
        caja->selectAll();
        QTest::keyClicks(caja, texto);
    }

    int redibujos = 0;
};

TEST_F(AnimarPrueba, OpensShowingTheStepAndTheRealTimeBox) {
    ProgramState& e = Estado();
    e.UnidadAnima = 9;
    e.FactorAnima = 17;
    e.TiempoRealActivo = 1;
    Animar d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Tiempo de Fecha/Hora y Animación"));
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(control<QRadioButton>(d, QStringLiteral("Opt_Animar%1").arg(i).toLatin1().constData())->isChecked(),
                  i == 9)
            << i;
    EXPECT_EQ(control<QLineEdit>(d, "Tex_Unidades")->text(), QStringLiteral("17"));
    auto* casilla = control<QCheckBox>(d, "Chk_TiempoReal");
    EXPECT_EQ(casilla->text(), QStringLiteral("Movimiento en tiempo real"));
    EXPECT_TRUE(casilla->isChecked());
    EXPECT_EQ(control<QAbstractButton>(d, "Pic_BotSalir")->toolTip(), QStringLiteral("Salir de esta ventana"));
}

TEST_F(AnimarPrueba, FactorFieldKeepsOneToNinetyNine) {
    struct Caso {
        const char* tecleado;
        const char* queda;
        int16_t factor;
    } casos[] = {{"0", "1", 1}, {"150", "99", 99}, {"7", "7", 7}, {"42", "42", 42}, {"abc", "1", 1},
                 {"-", "1", 1}, {"1234", "99", 99}, {"99", "99", 99}};
    Animar d;
    d.show();
    auto* caja = control<QLineEdit>(d, "Tex_Unidades");
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        escribe(caja, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(caja->text(), QString::fromLatin1(c.queda)) << c.tecleado;
        EXPECT_EQ(e.FactorAnima, c.factor) << c.tecleado;
        EXPECT_DOUBLE_EQ(e.PasoTiempo, c.factor / 24.0) << c.tecleado;
    }
    caja->clear();  // an emptied field
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
    EXPECT_EQ(e.FactorAnima, 1);
}

TEST_F(AnimarPrueba, AnotherUnitKeepsTheFactorAndRecomputesTheStep) {
    Animar d;
    d.show();
    ProgramState& e = Estado();
    struct Caso {
        int unidad;
        double paso;
    } casos[] = {{8, 5.0}, {3, 5 * 0.9972695664235}, {1, 5.0 / 1440}, {12, 5000.0}, {9, 150.0}};
    for (const Caso& c : casos) {
        QTest::mouseClick(control<QRadioButton>(d, QStringLiteral("Opt_Animar%1").arg(c.unidad).toLatin1().constData()),
                          Qt::LeftButton);
        EXPECT_EQ(e.UnidadAnima, c.unidad);
        EXPECT_EQ(e.FactorAnima, 5);
        EXPECT_DOUBLE_EQ(e.PasoTiempo, c.paso) << c.unidad;
    }
}

TEST_F(AnimarPrueba, TheSpinStepsTheFactorThroughItsField) {
    Animar d;
    d.show();
    auto* spin = control<Spin>(d, "PicSpi_Unidades");
    auto* caja = control<QLineEdit>(d, "Tex_Unidades");
    const auto clic = [spin](QPoint p) {
        QCoreApplication::postEvent(spin, new QMouseEvent(QEvent::MouseButtonRelease, p, spin->mapToGlobal(p),
                                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        QTest::mousePress(spin, Qt::LeftButton, {}, p);
        QApplication::processEvents();
    };
    clic(QPoint(12, 6));
    EXPECT_EQ(caja->text(), QStringLiteral("6"));
    EXPECT_EQ(Estado().FactorAnima, 6);
    EXPECT_DOUBLE_EQ(Estado().PasoTiempo, 6.0 / 24);
    escribe(caja, QStringLiteral("99"));
    clic(QPoint(12, 6));
    EXPECT_EQ(caja->text(), QStringLiteral("99"));
    escribe(caja, QStringLiteral("1"));
    clic(QPoint(12, 22));
    EXPECT_EQ(caja->text(), QStringLiteral("1"));
}

TEST_F(AnimarPrueba, TheRealTimeBoxSwitchesTheRunningAndRestartsTheCount) {
    ProgramState& e = Estado();
    e.ContadorTiempoReal = 33;
    Animar d;
    d.show();
    auto* casilla = control<QCheckBox>(d, "Chk_TiempoReal");
    QTest::mouseClick(casilla, Qt::LeftButton);
    EXPECT_EQ(e.TiempoRealActivo, 1);
    EXPECT_EQ(e.ContadorTiempoReal, 0);
    QTest::mouseClick(casilla, Qt::LeftButton);
    EXPECT_EQ(e.TiempoRealActivo, 0);
}

TEST_F(AnimarPrueba, ClosingWithRealTimeOffStopsTheClock) {
    QLabel texto;
    RelojTiempoReal reloj(&texto);
    EXPECT_FALSE(reloj.enMarcha());
    EXPECT_EQ(texto.text(), QStringLiteral("Animación tiempo real"));
    reloj.arranca();
    Animar d;
    QSignalSpy rotula(&d, &Animar::rotulaMando);
    d.show();
    QTest::mouseClick(control<QAbstractButton>(d, "Pic_BotSalir"), Qt::LeftButton);
    EXPECT_EQ(rotula.count(), 1);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(reloj.enMarcha());
    EXPECT_EQ(texto.text(), QStringLiteral("Animación tiempo real"));
    EXPECT_EQ(redibujos, 0);
    EXPECT_EQ(Estado().DiaJuliano, 2460677.3);
}

TEST_F(AnimarPrueba, ClosingWithRealTimeOnSetsThePresentAtOnce) {
    ProgramState& e = Estado();
    e.ZonaHoraria = 1;
    e.HorarioVerano = 0;
    QLabel texto;
    RelojTiempoReal reloj(&texto);
    Animar d;
    QSignalSpy rotula(&d, &Animar::rotulaMando);
    d.show();
    QTest::mouseClick(control<QCheckBox>(d, "Chk_TiempoReal"), Qt::LeftButton);
    d.reject();  // Escape closes as the exit button does
    EXPECT_EQ(rotula.count(), 1);
    // 21:30:40 universal time on the computer's clock, to the nearest minute.
    EXPECT_DOUBLE_EQ(e.DiaJuliano, CalculaJuliana(15, 3, 2025, 21, 31));
    EXPECT_EQ(redibujos, 1);
    EXPECT_TRUE(reloj.enMarcha());
    EXPECT_TRUE(texto.text().isEmpty());
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
    EXPECT_EQ(e.ContadorTiempoReal, 59);
    EXPECT_EQ(redibujos, 0);
    reloj.tic();
    EXPECT_DOUBLE_EQ(e.DiaJuliano, inicio + 1.0 / 1440);
    EXPECT_EQ(e.ContadorTiempoReal, 0);
    EXPECT_EQ(e.TiempoEstable, Verdadero);
    EXPECT_EQ(redibujos, 1);
    for (int tic = 0; tic < 60; ++tic) reloj.tic();
    EXPECT_DOUBLE_EQ(e.DiaJuliano, inicio + 2.0 / 1440);
    EXPECT_EQ(redibujos, 2);
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
    RelojSistema() = [] { return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC); };
    EXPECT_DOUBLE_EQ(DiaJulianoSistema(), 2415018.5);
}

}  // namespace
}  // namespace vsp::ui
