// The date and time dialog driven through its controls: dates and times
// typed in either row and either clock, the zone and daylight saving, the
// three time buttons with the computer's clock fixed, the time spins (held,
// and across year 0), the Enter order and the closing redraw.
#include "ui/dialogos/hora.h"

#include <QPushButton>

#include <array>

#include "comun.h"
#include "sky/localizacion.h"
#include "time/zonas.h"
#include "zonas/base_qt.h"

namespace vsp::ui {
namespace {

class HoraPrueba : public PruebaDe<Hora> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->FormatoHora = 1;
        e->ZonaHoraria = 1;
        e->HorarioVerano = e->TipoTiempo = 0;  // no daylight saving; sidereal time
        e->DiaJuliano = CalculaJuliana(15, 3, 1990, 20, 30);  // 21:30 local
        abre();
    }
    // "dd/mm/yyyy hh:mm" of row 1 (universal) or 2 (local) as the fields show it.
    std::string fila(int i) const {
        const QString n = QString::number(i);
        return texto("Tex_FecDia" + n) + "/" + texto("Tex_FecMes" + n) + "/" + texto("Tex_FecAno" + n) + " " +
               texto("Tex_Hora" + n);
    }
    // A press on a spin's key held for `pasos` steps.
    void pulsa(const char* spin, QPoint tecla, int pasos = 1) {
        auto* s = control(spin);
        s->setFocus();  // a field left is read before the press, as the press itself would
        int dados = 0;
        avisos().FechaHora = [&, this](const CamposFechaHora& c) {
            d->muestraFechas(c);  // each step rewrites the fields once
            estables.push_back(e->TiempoEstable);
            if (++dados == pasos) SueltaLuego(s, tecla);
        };
        QTest::mousePress(s, Qt::LeftButton, {}, tecla);
        QApplication::processEvents();
        avisos().FechaHora = [this](const CamposFechaHora& c) { d->muestraFechas(c); };
    }

    std::vector<int16_t> estables;
};

TEST_F(HoraPrueba, TypedDatesAndTimesSetTheInstant) {
    // Each field typed and left, and the universal row it leaves.
    const auto prueba = [this](std::initializer_list<std::array<const char*, 3>> casos) {
        for (const auto& [campo, tecleado, universal] : casos) {
            EscribeYSale(caja(campo), tecleado);
            EXPECT_EQ(fila(1), universal) << campo << " \"" << tecleado << "\"";
        }
    };
    prueba({
        {"Tex_Hora1", "9:5", "15/03/1990 09:50"},    {"Tex_Hora1", "25:10", "15/03/1990 23:10"},
        {"Tex_Hora2", "00:15", "15/03/1990 23:15"},  // 16 March local, an hour ahead
        {"Tex_Hora1", "-", "15/03/1990 00:00"},
        {"Tex_FecDia1", "16", "16/03/1990 00:00"},   // a typed date keeps the time
        {"Tex_Hora1", "21:30", "16/03/1990 21:30"},  {"Tex_FecMes2", "4", "16/04/1990 21:30"},
        {"Tex_FecAno1", "0", "16/04/1 21:30"},       // year 0 is A.D. 1
        {"Tex_FecAno1", "-", "16/04/-1 21:30"},      // 1 B.C.
        {"Tex_FecAno2", "99999", "16/04/7999 21:30"}, {"Tex_FecDia1", "", "01/04/7999 21:30"},
    });
    e->FormatoHora = 2;
    d->muestra();
    prueba({
        {"Tex_Hora1", "08:30 PM", "01/04/7999 08:30 PM"},
        {"Tex_FecDia1", "20", "20/04/7999 08:30 PM"},  // the afternoon stays
        {"Tex_Hora1", "12:30 PM", "20/04/7999 11:30 PM"}, {"Tex_Hora1", "pm", "20/04/7999 00:00 PM"},
        {"Tex_Hora1", "00:30 PM", "20/04/7999 00:30 PM"},
        {"Tex_FecDia1", "21", "21/04/7999 00:30 PM"},  // the first afternoon hour stays too
        {"Tex_Hora2", "1:00 am", "21/04/7999 00:00 AM"},
    });
    EXPECT_EQ(fila(2), "21/04/7999 01:00 AM");
    EXPECT_EQ(caja("Tex_FecJul")->text(), "4642744.500000") << "the Julian day follows";
    QTest::mouseClick(caja("Tex_FecJul"), Qt::LeftButton);
    QTest::keyClicks(caja("Tex_FecJul"), "12");
    EXPECT_EQ(caja("Tex_FecJul")->text(), "4642744.500000") << "it is read, never typed in";
    // A month typed keeps the day, or its own last if shorter; day 31 becomes each month's last.
    for (int mes = 1; mes <= 12; ++mes) {
        const int dia = std::stoi(fila(1).substr(0, 2));
        const int ultimo = QDate(7999, mes, 1).daysInMonth();
        EscribeYSale(caja("Tex_FecMes1"), QString::number(mes));
        EXPECT_EQ(fila(1).substr(0, 2), std::to_string(std::min(dia, ultimo))) << mes;
        EscribeYSale(caja("Tex_FecDia1"), "31");
        EXPECT_EQ(fila(1).substr(0, 2), std::to_string(ultimo)) << mes;
    }
    EXPECT_EQ(redibujos, 0) << "the chart waits for the dialog to close";
}

TEST_F(HoraPrueba, ZoneAndDaylightSavingMoveOnlyTheLocalTime) {
    const double instante = e->DiaJuliano;
    EscribeYSale(caja("Tex_Zona"), "5,3");
    EXPECT_EQ(caja("Tex_Zona")->text(), "5.0");
    EXPECT_EQ(fila(2), "16/03/1990 01:30");
    QTest::mouseClick(control<QCheckBox>("Chk_HorarioVer"), Qt::LeftButton);
    EXPECT_EQ(fila(2), "16/03/1990 02:30");
    EXPECT_EQ(e->Panel.Tex_HorLoc, "02:30") << "the main window's panel follows";
    pulsa("PicSpi_Zona", SpinAbajo, 3);
    EXPECT_EQ(e->ZonaHoraria, 3.5f);
    EXPECT_EQ(caja("Tex_Zona")->text(), "3.5");
    EXPECT_EQ(e->DiaJuliano, instante);
    EXPECT_EQ(fila(1), "15/03/1990 20:30");
}

// At a listed city the database rules, and the dialog says so: a spin
// across the clocks' change moves the zone's box with it; a click on the
// summer-time box is the user's choice and turns the rule manual; the
// automatic box brings the database back.
TEST_F(HoraPrueba, ACitysLocalTimeFollowsTheDatabaseUntilTheUserSetsItByHand) {
    InstalaBaseZonasDelSistema();
    SeleccionaLocalidad(IndiceCiudad("Madrid"));
    e->DiaJuliano = CalculaJuliana(29, 3, 2026, 0, 30);  // half an hour before the change
    d->muestra();
    auto* automatica = control<QCheckBox>("Chk_HoraAutomatica");
    auto* verano = control<QCheckBox>("Chk_HorarioVer");
    EXPECT_TRUE(automatica->isChecked());
    EXPECT_EQ(control<QLabel>("Lbl_Regla")->text(), "Automática: Europe/Madrid");
    EXPECT_FALSE(verano->isChecked());
    EXPECT_EQ(fila(2), "29/03/2026 01:30");
    pulsa("PicSpi_Tiempo1", SpinArriba);  // an hour on: summer time
    EXPECT_TRUE(verano->isChecked());
    EXPECT_EQ(fila(2), "29/03/2026 03:30");

    QTest::mouseClick(verano, Qt::LeftButton);
    EXPECT_EQ(e->HoraLocalAutomatica, Falso);
    EXPECT_FALSE(automatica->isChecked());
    EXPECT_EQ(control<QLabel>("Lbl_Regla")->text(), "Manual");
    EXPECT_EQ(fila(2), "29/03/2026 02:30");

    QTest::mouseClick(automatica, Qt::LeftButton);
    EXPECT_EQ(e->HoraLocalAutomatica, Verdadero);
    EXPECT_TRUE(verano->isChecked());
    EXPECT_EQ(fila(2), "29/03/2026 03:30");
    InstalaBaseZonas(nullptr);
}

// The computer's clock in universal time, the place in zone +1 with daylight
// saving: local noon is 10:00 UT. Noon itself stays, a second later it is
// tomorrow's; in the morning the button gives tonight's midnight, which
// itself stays, and at 01:00 local the next one; the present time is rounded
// to the nearest minute.
TEST_F(HoraPrueba, TheTimeButtonsUseTheComputersClockOnTheLocalDay) {
    e->HorarioVerano = 1;
    d->muestra();
    struct Caso { const char* boton; QTime reloj; const char* universal; } casos[] = {
        {"Bot_FecMedDia", {10, 0}, "21/06/2026 10:00"}, {"Bot_FecMedDia", {10, 0, 1}, "22/06/2026 10:00"},
        {"Bot_FecMedNoc", {5, 0}, "21/06/2026 22:00"},  {"Bot_FecMedNoc", {22, 0}, "21/06/2026 22:00"},
        {"Bot_FecMedNoc", {23, 0}, "22/06/2026 22:00"}, {"Bot_FecHorsis", {20, 10, 40}, "21/06/2026 20:11"},
    };
    for (const Caso& c : casos) {
        RelojSistema() = [&c] { return QDateTime(QDate(2026, 6, 21), c.reloj, Qt::UTC); };
        QTest::mouseClick(control<QPushButton>(c.boton), Qt::LeftButton);
        EXPECT_EQ(fila(1), c.universal) << c.boton << " at " << c.reloj.toString().toStdString();
    }
    EXPECT_EQ(fila(2), "21/06/2026 22:11");
}

TEST_F(HoraPrueba, HeldSpinsStepTheTimeWhichIsUnstableUntilReleased) {
    const double inicio = e->DiaJuliano;
    pulsa("PicSpi_Tiempo2", SpinArriba, 4);  // four sidereal days
    EXPECT_EQ(estables, std::vector<int16_t>(4, Falso));
    EXPECT_EQ(e->TiempoEstable, Verdadero);
    EXPECT_NEAR(e->DiaJuliano - inicio, 4 * 0.9972695664235, 1e-8);
    // The seven spins step by the table's seven sidereal units, in order.
    for (int k = 0; k < 7; ++k) {
        const double antes = e->DiaJuliano;
        pulsa(("PicSpi_Tiempo" + std::to_string(k)).c_str(), SpinArriba);
        EXPECT_NEAR(e->DiaJuliano - antes, e->TablaIncrementos[0][k + 1], 1e-8) << k;
    }

    // Solar years by the calendar, over the missing year 0.
    QTest::mouseClick(control<QRadioButton>("Opt_Solar"), Qt::LeftButton);
    EXPECT_EQ(e->TipoTiempo, 1);
    e->DiaJuliano = CalculaJuliana(10, 5, 1, 6, 15);
    pulsa("PicSpi_Tiempo4", SpinAbajo);
    EXPECT_EQ(fila(1), "10/05/-1 06:15");
    pulsa("PicSpi_Tiempo4", SpinArriba);
    EXPECT_EQ(fila(1), "10/05/1 06:15");
    EXPECT_EQ(redibujos, 0);
    // A state applied from elsewhere shows its kind of time.
    for (const int16_t tipo : {0, 1}) {
        e->TipoTiempo = tipo;
        d->muestra();
        EXPECT_EQ(control<QRadioButton>("Opt_Solar")->isChecked(), tipo == 1);
        EXPECT_EQ(control<QRadioButton>("Opt_Siderea")->isChecked(), tipo == 0);
    }
}

TEST_F(HoraPrueba, EnterMovesAlongARowAndTheExitRedrawsOnce) {
    e->Precesion = 1;
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
    const ProgramState antes = *e;
    ActualizaTiempo();
    EXPECT_EQ(e->PrecZeta, antes.PrecZeta);
    EXPECT_LT(e->PrecZeta, 0);
}

}  // namespace
}  // namespace vsp::ui
