// The date dialog's typed fields read into the state: dates brought into
// range and into their months, times in both clocks, the zone, and typing
// that is no number at all.
#include "time/tecleo_fecha.h"

#include <gtest/gtest.h>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "time/calendario.h"
#include "time/formatos.h"

namespace vsp {
namespace {

class TecleoFecha : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        ReiniciaAvisos();
        CreaTablas();
        ProgramState& e = Estado();
        e.FormatoHora = 1;
        e.ZonaHoraria = 1;
        e.DiaJuliano = CalculaJuliana(15, 3, 1990, 20, 30);  // 21:30 local
        avisos().FechaHora = [this](const CamposFechaHora& c) { campos = c; };
    }
    void TearDown() override { ReiniciaAvisos(); }

    // The row as the dialog shows it, then one field replaced by what was typed.
    FilaFecha fila(int i) const {
        return {campos.Tex_FecDia[i], campos.Tex_FecMes[i], campos.Tex_FecAno[i], campos.Tex_Hora[i]};
    }
    // "dd/mm/yyyy hh:mm" of a row after the rewrite.
    std::string muestra(int i) const {
        return campos.Tex_FecDia[i] + "/" + campos.Tex_FecMes[i] + "/" + campos.Tex_FecAno[i] + " " +
               campos.Tex_Hora[i];
    }

    CamposFechaHora campos;
};

TEST_F(TecleoFecha, DateFieldsComeIntoRangeAndIntoTheirMonth) {
    struct Caso {
        int fila;
        char campo;  // d, m, a
        const char* tecleado;
        const char* queda;  // the row after the rewrite
    } casos[] = {
        {FilaLocal, 'd', "31", "31/03/1990 21:30"},
        {FilaLocal, 'm', "4", "30/04/1990 21:30"},       // 31 April is 30
        {FilaLocal, 'm', "2", "28/02/1990 21:30"},       // a common year
        {FilaLocal, 'a', "1988", "28/02/1988 21:30"},
        {FilaLocal, 'd', "31", "29/02/1988 21:30"},      // a leap year
        {FilaLocal, 'd', "0", "01/02/1988 21:30"},
        {FilaLocal, 'm', "13", "01/12/1988 21:30"},
        {FilaLocal, 'a', "0", "01/12/1 21:30"},          // year 0 is A.D. 1
        {FilaLocal, 'a', "-", "01/12/-1 21:30"},         // "-" alone is 1 B.C.
        {FilaLocal, 'a', "99999", "01/12/7999 21:30"},
        {FilaLocal, 'a', "-9999", "01/12/-4713 21:30"},
        {FilaUniversal, 'a', "2002", "01/12/2002 20:30"},
        {FilaUniversal, 'd', "", "01/12/2002 20:30"},
        {FilaUniversal, 'd', "   ", "01/12/2002 20:30"},
        {FilaUniversal, 'm', "junio", "01/01/2002 20:30"},
        {FilaUniversal, 'd', "999999999999999999999999", "31/01/2002 20:30"},
    };
    MuestraFechaHora();
    for (const Caso& c : casos) {
        FilaFecha f = fila(c.fila);
        (c.campo == 'd' ? f.dia : c.campo == 'm' ? f.mes : f.ano) = c.tecleado;
        LeeCampoFecha(c.fila, f);
        EXPECT_EQ(muestra(c.fila), c.queda) << c.campo << " = \"" << c.tecleado << "\"";
    }

    // While a spin steps the time, a field left only rewrites the fields.
    ProgramState& e = Estado();
    const double antes = e.DiaJuliano;
    e.TiempoEstable = Falso;
    FilaFecha f = fila(FilaUniversal);
    f.ano = "1500";
    LeeCampoFecha(FilaUniversal, f);
    EXPECT_EQ(e.DiaJuliano, antes);
    EXPECT_EQ(muestra(FilaUniversal), "31/01/2002 20:30");
}

TEST_F(TecleoFecha, TimesInBothClocks) {
    struct Caso {
        int16_t formato;
        int fila;
        const char* tecleado;
        const char* universal;  // universal row after the rewrite
    } casos[] = {
        {1, FilaUniversal, "21:30", "15/03/1990 21:30"},
        {1, FilaUniversal, "9:5", "15/03/1990 09:50"},
        {1, FilaUniversal, "25:10", "15/03/1990 23:10"},
        {1, FilaUniversal, "7,45", "15/03/1990 07:45"},
        {1, FilaUniversal, "", "15/03/1990 00:00"},
        {1, FilaUniversal, "  ", "15/03/1990 00:00"},
        {1, FilaUniversal, "-", "15/03/1990 00:00"},
        {1, FilaUniversal, "-5:30", "15/03/1990 00:00"},
        {1, FilaUniversal, "12:99", "15/03/1990 12:59"},
        {1, FilaUniversal, "1234567890123456789012345", "15/03/1990 23:00"},
        {1, FilaLocal, "00:15", "14/03/1990 23:15"},  // zone 1: the day before in UT
        {2, FilaUniversal, "09:30 PM", "15/03/1990 09:30 PM"},
        {2, FilaUniversal, "9:30 p", "15/03/1990 09:30 PM"},
        {2, FilaUniversal, "9:30pm", "15/03/1990 09:30 PM"},
        {2, FilaUniversal, "9:30", "15/03/1990 09:30 AM"},
        {2, FilaUniversal, "9:30 XM", "15/03/1990 09:30 AM"},
        {2, FilaUniversal, "12:30 PM", "15/03/1990 11:30 PM"},  // hours are 00..11
        {2, FilaLocal, "00:30 AM", "14/03/1990 11:30 PM"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        e.FormatoHora = c.formato;
        MuestraFechaHora();
        FilaFecha f = fila(c.fila);
        f.hora = c.tecleado;
        f.dia = "15";  // each case on the same date
        LeeCampoHora(c.fila, f);
        EXPECT_EQ(muestra(FilaUniversal), c.universal) << "\"" << c.tecleado << "\" in row " << c.fila;
    }

    // A date changed under an afternoon time in the AM/PM clock keeps it.
    e.FormatoHora = 2;
    e.DiaJuliano = CalculaJuliana(15, 3, 1990, 20, 30);
    MuestraFechaHora();
    ASSERT_EQ(campos.Tex_Hora[FilaLocal], "09:30 PM");
    FilaFecha f = fila(FilaLocal);
    f.dia = "16";
    LeeCampoFecha(FilaLocal, f);
    EXPECT_EQ(muestra(FilaLocal), "16/03/1990 09:30 PM");
    EXPECT_EQ(muestra(FilaUniversal), "16/03/1990 08:30 PM");

    // A local time before the first instant of the calendar stops there.
    e.FormatoHora = 1;
    LeeCampoHora(FilaLocal, {"01", "01", "-4713", "00:00"});
    EXPECT_EQ(e.DiaJuliano, DiaJulianoMinimo);
}

TEST_F(TecleoFecha, ZonesAreWholeOrHalfHoursWithinTwelve) {
    struct Caso {
        const char* tecleado;
        float zona;
        const char* texto;
    } casos[] = {
        {"5.5", 5.5f, "5.5"},   {"5,5", 5.5f, "5.5"},     {"5,3", 5.0f, "5.0"},   {"-3,5", -3.5f, "-3.5"},
        {"-5.5", -5.5f, "-5.5"}, {"3.7", 3.0f, "3.0"},    {"13", 12.0f, "12.0"},  {"14", 12.0f, "12.0"},
        {"12.5", 12.0f, "12.0"}, {"-12.5", -12.0f, "-12.0"}, {"-0,5", -0.5f, "-0.5"}, {"", 0.0f, "0.0"},
        {"-", 0.0f, "0.0"},     {"  2 ", 2.0f, "2.0"},    {"1e400", 1.0f, "1.0"}, {"99999999999999999999", 12.0f, "12.0"},
    };
    ProgramState& e = Estado();
    for (const Caso& c : casos) {
        CambiaZona(c.tecleado);
        EXPECT_EQ(e.ZonaHoraria, c.zona) << c.tecleado;
        EXPECT_EQ(e.Tex_Zona, c.texto) << c.tecleado;
    }
    // The universal time stays; the local row moves with the zone.
    CambiaZona("-5");
    EXPECT_EQ(muestra(FilaUniversal), "15/03/1990 20:30");
    EXPECT_EQ(muestra(FilaLocal), "15/03/1990 15:30");
}

}  // namespace
}  // namespace vsp
