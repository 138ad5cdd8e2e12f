// The date and time dialog driven through its controls: dates and times
// typed in either row and either clock, the zone and daylight saving, the
// three time buttons with the computer's clock fixed, the time spins (held,
// and across year 0), the Enter order and the closing redraw.
#include "ui/dialogos/hora.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "../dialogo.h"
#include "core/constantes.h"
#include "time/calendario.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

class HoraPrueba : public PruebaDialogo<Hora> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        ProgramState& e = Estado();
        e.FormatoHora = 1;
        e.ZonaHoraria = 1;
        e.HorarioVerano = 0;
        e.TipoTiempo = 0;  // sidereal
        e.DiaJuliano = CalculaJuliana(15, 3, 1990, 20, 30);  // 21:30 local
        abre();
    }
    QLineEdit* caja(const QString& nombre) const { return control<QLineEdit>(nombre.toLatin1()); }
    // "dd/mm/yyyy hh:mm" of row 1 (universal) or 2 (local) as the fields show it.
    std::string fila(int i) const {
        const QString n = QString::number(i);
        return (caja("Tex_FecDia" + n)->text() + "/" + caja("Tex_FecMes" + n)->text() + "/" +
                caja("Tex_FecAno" + n)->text() + " " + caja("Tex_Hora" + n)->text())
            .toStdString();
    }
    void escribe(const QString& nombre, const QString& tecleado) { EscribeYSale(caja(nombre), tecleado); }
    // A press on a spin's key held for `pasos` steps.
    void pulsa(const char* spin, QPoint tecla, int pasos = 1) {
        auto* s = control(spin);
        s->setFocus();  // a field left is read before the press, as the press itself would
        int dados = 0;
        avisos().FechaHora = [&, this](const CamposFechaHora& c) {
            d->muestraFechas(c);  // each step rewrites the fields once
            estables.push_back(Estado().TiempoEstable);
            if (++dados == pasos) SueltaLuego(s, tecla);
        };
        QTest::mousePress(s, Qt::LeftButton, {}, tecla);
        QApplication::processEvents();
        avisos().FechaHora = [this](const CamposFechaHora& c) { d->muestraFechas(c); };
    }

    std::vector<int16_t> estables;
};

TEST_F(HoraPrueba, TypedDatesAndTimesSetTheInstant) {
    struct Caso { int16_t formato; const char* campo; const char* tecleado; const char* universal; } casos[] = {
        {1, "Tex_Hora1", "9:5", "15/03/1990 09:50"},
        {1, "Tex_Hora1", "25:10", "15/03/1990 23:10"},
        {1, "Tex_Hora2", "00:15", "15/03/1990 23:15"},  // 16 March local, an hour ahead
        {1, "Tex_Hora1", "-", "15/03/1990 00:00"},
        {1, "Tex_FecDia1", "16", "16/03/1990 00:00"},  // a typed date keeps the time
        {1, "Tex_Hora1", "21:30", "16/03/1990 21:30"},
        {1, "Tex_FecMes2", "4", "16/04/1990 21:30"},
        {1, "Tex_FecDia1", "31", "30/04/1990 21:30"},  // April has 30 days
        {1, "Tex_FecMes1", "6", "30/06/1990 21:30"},   {1, "Tex_FecDia1", "31", "30/06/1990 21:30"},  // so has June
        {1, "Tex_FecMes1", "7", "30/07/1990 21:30"},   {1, "Tex_FecDia1", "31", "31/07/1990 21:30"},  // July has 31
        {1, "Tex_FecMes1", "4", "30/04/1990 21:30"},
        {1, "Tex_FecAno1", "0", "30/04/1 21:30"},      // year 0 is A.D. 1
        {1, "Tex_FecAno1", "-", "30/04/-1 21:30"},     // 1 B.C.
        {1, "Tex_FecAno2", "99999", "30/04/7999 21:30"},
        {1, "Tex_FecDia1", "", "01/04/7999 21:30"},
        {2, "Tex_Hora1", "08:30 PM", "01/04/7999 08:30 PM"},
        {2, "Tex_FecDia1", "20", "20/04/7999 08:30 PM"},  // the afternoon stays
        {2, "Tex_Hora1", "12:30 PM", "20/04/7999 11:30 PM"},
        {2, "Tex_Hora1", "pm", "20/04/7999 00:00 PM"},
        {2, "Tex_Hora1", "00:30 PM", "20/04/7999 00:30 PM"},
        {2, "Tex_FecDia1", "21", "21/04/7999 00:30 PM"},  // the first afternoon hour stays too
        {2, "Tex_Hora2", "1:00 am", "21/04/7999 00:00 AM"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        if (e.FormatoHora != c.formato) {
            e.FormatoHora = c.formato;
            d->muestra();
        }
        escribe(QString::fromLatin1(c.campo), QString::fromUtf8(c.tecleado));
        EXPECT_EQ(fila(1), c.universal) << c.campo << " \"" << c.tecleado << "\"";
    }
    EXPECT_EQ(fila(2), "21/04/7999 01:00 AM");
    EXPECT_EQ(caja("Tex_FecJul")->text(), QStringLiteral("4642744.500000")) << "the Julian day follows";
    // Day 31 becomes each month's last.
    for (int mes = 1; mes <= 12; ++mes) {
        escribe(QStringLiteral("Tex_FecMes1"), QString::number(mes));
        escribe(QStringLiteral("Tex_FecDia1"), QStringLiteral("31"));
        EXPECT_EQ(fila(1).substr(0, 2), std::to_string(QDate(7999, mes, 1).daysInMonth())) << mes;
    }
    EXPECT_EQ(redibujos, 0) << "the chart waits for the dialog to close";
}

TEST_F(HoraPrueba, ZoneAndDaylightSavingMoveOnlyTheLocalTime) {
    ProgramState& e = Estado();
    const double instante = e.DiaJuliano;
    escribe(QStringLiteral("Tex_Zona"), QStringLiteral("5,3"));
    EXPECT_EQ(caja("Tex_Zona")->text(), QStringLiteral("5.0"));
    EXPECT_EQ(fila(2), "16/03/1990 01:30");
    QTest::mouseClick(control<QCheckBox>("Chk_HorarioVer"), Qt::LeftButton);
    EXPECT_EQ(fila(2), "16/03/1990 02:30");
    EXPECT_EQ(e.Panel.Tex_HorLoc, "02:30") << "the main window's panel follows";
    pulsa("PicSpi_Zona", SpinAbajo, 3);
    EXPECT_EQ(e.ZonaHoraria, 3.5f);
    EXPECT_EQ(caja("Tex_Zona")->text(), QStringLiteral("3.5"));
    EXPECT_EQ(e.DiaJuliano, instante);
    EXPECT_EQ(fila(1), "15/03/1990 20:30");
}

// The computer's clock in universal time, the place in zone +1 with daylight
// saving: local noon is 10:00 UT.
TEST_F(HoraPrueba, TheTimeButtonsUseTheComputersClockOnTheLocalDay) {
    Estado().HorarioVerano = 1;
    d->muestra();
    struct Caso { const char* boton; QTime reloj; const char* universal; } casos[] = {
        {"Bot_FecMedDia", QTime(10, 0, 0), "21/06/2026 10:00"},      // noon exactly stays
        {"Bot_FecMedDia", QTime(10, 0, 1), "22/06/2026 10:00"},      // a second later: tomorrow's
        {"Bot_FecMedNoc", QTime(5, 0, 0), "21/06/2026 22:00"},       // morning: tonight's midnight
        {"Bot_FecMedNoc", QTime(22, 0, 0), "21/06/2026 22:00"},      // midnight itself stays
        {"Bot_FecMedNoc", QTime(23, 0, 0), "22/06/2026 22:00"},      // 01:00 local: the next one
        {"Bot_FecHorsis", QTime(20, 10, 40), "21/06/2026 20:11"},    // to the nearest minute
    };
    for (const Caso& c : casos) {
        RelojSistema() = [&c] { return QDateTime(QDate(2026, 6, 21), c.reloj, Qt::UTC); };
        QTest::mouseClick(control<QPushButton>(c.boton), Qt::LeftButton);
        EXPECT_EQ(fila(1), c.universal) << c.boton << " at " << c.reloj.toString().toStdString();
    }
    EXPECT_EQ(fila(2), "21/06/2026 22:11");
}

TEST_F(HoraPrueba, HeldSpinsStepTheTimeWhichIsUnstableUntilReleased) {
    ProgramState& e = Estado();
    const double inicio = e.DiaJuliano;
    pulsa("PicSpi_Tiempo2", SpinArriba, 4);  // four sidereal days
    EXPECT_EQ(estables, std::vector<int16_t>(4, Falso));
    EXPECT_EQ(e.TiempoEstable, Verdadero);
    EXPECT_NEAR(e.DiaJuliano - inicio, 4 * 0.9972695664235, 1e-8);
    // The seven spins step by the table's seven sidereal units, in order.
    for (int k = 0; k < 7; ++k) {
        const double antes = e.DiaJuliano;
        pulsa(("PicSpi_Tiempo" + std::to_string(k)).c_str(), SpinArriba);
        EXPECT_NEAR(e.DiaJuliano - antes, e.TablaIncrementos[0][k + 1], 1e-8) << k;
    }

    // Solar years by the calendar, over the missing year 0.
    QTest::mouseClick(control<QRadioButton>("Opt_Solar"), Qt::LeftButton);
    EXPECT_EQ(e.TipoTiempo, 1);
    e.DiaJuliano = CalculaJuliana(10, 5, 1, 6, 15);
    pulsa("PicSpi_Tiempo4", SpinAbajo);
    EXPECT_EQ(fila(1), "10/05/-1 06:15");
    pulsa("PicSpi_Tiempo4", SpinArriba);
    EXPECT_EQ(fila(1), "10/05/1 06:15");
    EXPECT_EQ(redibujos, 0);
    // A state applied from elsewhere shows its kind of time.
    for (const int16_t tipo : {0, 1}) {
        e.TipoTiempo = tipo;
        d->muestra();
        EXPECT_EQ(control<QRadioButton>("Opt_Solar")->isChecked(), tipo == 1);
        EXPECT_EQ(control<QRadioButton>("Opt_Siderea")->isChecked(), tipo == 0);
    }
}

TEST_F(HoraPrueba, EnterMovesAlongARowAndTheExitRedrawsOnce) {
    ProgramState& e = Estado();
    e.Precesion = 1;
    caja("Tex_FecDia2")->setFocus();
    for (const char* tecleado : {"4", "7", "1000", "12:00"}) {
        QApplication::processEvents();  // the field selects its characters
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(tecleado));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Pic_BotSalir"));
    EXPECT_EQ(fila(2), "04/07/1000 12:00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(redibujos, 1);
    // The precession of the year typed, not of 1990.
    const ProgramState antes = e;
    ActualizaTiempo();
    EXPECT_EQ(e.PrecZeta, antes.PrecZeta);
    EXPECT_LT(e.PrecZeta, 0);
}

}  // namespace
}  // namespace vsp::ui
