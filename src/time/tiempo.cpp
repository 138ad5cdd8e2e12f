// The time state: what follows from DiaJuliano, and stepping it.
#include "time/tiempo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/constantes.h"
#include "core/estado.h"
#include "time/calendario.h"
#include "time/efemerides.h"
#include "time/formatos.h"
#include "time/zonas.h"

namespace vsp {

double DiaJulianoLocal() {
    const ProgramState& e = Estado();
    // Held to the calendar too: at its ends a zone would otherwise show a
    // year the date fields cannot take back (8000, or 4714 B.C.).
    return std::clamp(e.DiaJuliano + (e.ZonaHoraria + e.HorarioVerano) / 24.0, DiaJulianoMinimo, DiaJulianoMaximo);
}

void CalculaTiempoSidereo() {
    ProgramState& e = Estado();
    const CuerpoSolar& tierra = e.ElementosPlanetas[CuerpoTierra];

    // Days into the current tropical year of the count that the Earth's mean
    // longitude starts from. The count is the same for every place: the
    // place enters only through its longitude below.
    const double cuenta = e.DiaJuliano + 31739.5;
    const double anos = cuenta / 365.2422;
    const double dias = (anos - std::floor(anos)) * 365.2422;

    const double zona = e.ZonaHoraria / 24.0 + e.HorarioVerano / 24.0;
    const double local = e.DiaJuliano + zona;
    const double reloj = (local - std::floor(local) + 0.5) * DosPi;

    double s = dias * tierra.n + tierra.L0 + reloj - zona * DosPi - e.Longitud;
    // Reduced to one turn: the centring adds a fraction of a turn to reach the
    // meridian and must never see a value outside 0..2pi.
    s -= std::floor(s / DosPi) * DosPi;
    e.TiempoSidereo = s;

    CalculaTierra();
}

void ActualizaTiempo() {
    ProgramState& e = Estado();
    MuestraFechaHora();
    CalculaTiempoSidereo();
    if (e.Precesion == 1) AngulosPrecesion(e.DiaJuliano, e.PrecZeta, e.PrecTheta, e.PrecZ);
}

namespace {

// Calendar-year step: same day, month, hour and minute, the year moved by
// s years. Counted in astronomical years, so that a step across the era
// takes exactly s years (1 B.C. is followed by A.D. 1). Returns the new
// Julian day, or a bound of the range when the year falls outside it.
double pasoDeAnos(int32_t anos) {
    const ProgramState& e = Estado();
    CalculaFecha(e.DiaJuliano);
    const int32_t astronomico = e.FechaAno < 0 ? e.FechaAno + 1 : e.FechaAno;
    const int32_t nuevo = astronomico + anos;
    if (nuevo > 7999) return DiaJulianoMaximo;
    if (nuevo < -4712) return DiaJulianoMinimo;
    const int32_t civil = nuevo <= 0 ? nuevo - 1 : nuevo;
    return CalculaJuliana(e.FechaDia, e.FechaMes, static_cast<int16_t>(civil), e.FechaHora,
                          e.FechaMinuto);
}

// The time kept within the calendar's range, and what follows from it.
void fijaTiempo(double diaJuliano) {
    Estado().DiaJuliano = std::clamp(diaJuliano, DiaJulianoMinimo, DiaJulianoMaximo);
    ActualizaTiempo();
}

// Instants in whole milliseconds from Julian day 0 (a noon), and the local
// clock's offset: the computer's clock reads milliseconds, so noons and
// midnights are found exactly, without the rounding of day fractions.
constexpr int64_t MsDia = 86'400'000;

int64_t milisegundos(double diaJuliano) { return std::llround(diaJuliano * MsDia); }

// The offset of local time at that instant, in milliseconds.
int64_t desfaseLocal(double diaJuliano) { return std::llround(HorasLocales(diaJuliano) * 3'600'000.0); }

// The whole days in t, rounded down.
int64_t diasEnteros(int64_t t) { return t / MsDia - (t % MsDia < 0 ? 1 : 0); }

void fijaLocal(int64_t local) { fijaTiempo(UniversalDeLocal(static_cast<double>(local) / MsDia)); }

}  // namespace

void IncrementaTiempo(int k, int sentido) {
    ProgramState& e = Estado();
    k = std::clamp(k, 1, 7);
    const int solar = e.TipoTiempo == 1 ? 1 : 0;
    const double paso = e.TablaIncrementos[solar][k] * (sentido > 0 ? 1 : -1);
    fijaTiempo(solar && k >= 5 ? pasoDeAnos(static_cast<int32_t>(paso)) : e.DiaJuliano + paso);
}

void FechaHoraActual(double ahora) {
    ProgramState& e = Estado();
    CalculaFecha(std::clamp(ahora, DiaJulianoMinimo, DiaJulianoMaximo));
    fijaTiempo(CalculaJuliana(e.FechaDia, e.FechaMes, e.FechaAno, e.FechaHora, e.FechaMinuto));
}

void Mediodia(double ahora) {
    // Local noons fall on whole Julian days.
    int64_t t = milisegundos(ahora) + desfaseLocal(ahora);
    if (t % MsDia != 0) t = (diasEnteros(t) + 1) * MsDia;
    fijaLocal(t);
}

void Medianoche(double ahora) {
    // Local midnights fall half a day after whole Julian days; a morning
    // belongs to the day whose midnight comes next.
    int64_t t = milisegundos(ahora) + desfaseLocal(ahora);
    if (t - diasEnteros(t) * MsDia > MsDia / 2) t += MsDia;
    fijaLocal(diasEnteros(t) * MsDia + MsDia / 2);
}

void AvanzaTiempo() {
    ProgramState& e = Estado();
    e.TiempoEstable = Falso;
    if (e.UnidadAnima >= 10 && e.UnidadAnima <= 12) {
        int32_t anos = static_cast<int32_t>(e.FactorAnima * e.TablaUnidades[e.UnidadAnima]);
        if (e.PasoTiempo < 0) anos = -anos;
        fijaTiempo(pasoDeAnos(anos));
    } else {
        fijaTiempo(e.DiaJuliano + e.PasoTiempo);
    }
    e.TiempoEstable = Verdadero;
}

}  // namespace vsp
