// Local time, by the user's zone or by the time-zone database.
#include "time/zonas.h"

#include <cmath>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "time/formatos.h"

namespace vsp {

namespace {

const BaseZonas* base_ = nullptr;

constexpr double DiaJulianoUnix = 2440587.5;  // 1970-01-01 00:00 UT

int64_t segundosUnix(double diaJuliano) { return std::llround((diaJuliano - DiaJulianoUnix) * 86400.0); }

// The city the place is, or -1: a city stays the place only while the
// latitude and longitude are its own (a stored or typed place elsewhere is
// no longer the city, even if the list still shows it).
int ciudadVigente() {
    const ProgramState& e = Estado();
    if (e.IndiceLocalidad < 0 || e.IndiceLocalidad >= NumLocalidades) return -1;
    const Localidad& l = e.Localidades[static_cast<std::size_t>(e.IndiceLocalidad)];
    constexpr double Tolerancia = 1e-6;  // rad, 0.2": a single-precision round trip
    if (std::fabs(e.Latitud - l.Latitud) > Tolerancia || std::fabs(e.Longitud - l.Longitud) > Tolerancia) return -1;
    return e.IndiceLocalidad;
}

// The listed zone of the city the place is, when the setting is on and a
// database is installed; nothing otherwise. Whether the database
// knows it is for the caller's own question to tell.
const std::string* zonaListada() {
    const ProgramState& e = Estado();
    if (e.HoraLocalAutomatica == Falso || base_ == nullptr) return nullptr;
    const int ciudad = ciudadVigente();
    if (ciudad < 0) return nullptr;
    const std::string& zona = e.ZonasLocalidades[static_cast<std::size_t>(ciudad)];
    return zona.empty() ? nullptr : &zona;
}

// The rule at an instant, when the mode is automatic: one question to the
// database, which is asked at every change of the time.
bool reglaAutomatica(double diaJuliano, ReglaHoraria& regla) {
    const std::string* zona = zonaListada();
    return zona && base_->Regla(*zona, segundosUnix(diaJuliano), regla);
}

}  // namespace

void InstalaBaseZonas(const BaseZonas* base) { base_ = base; }

std::string ZonaAutomatica() {
    ReglaHoraria r;
    return reglaAutomatica(Estado().DiaJuliano, r) ? *zonaListada() : std::string();
}

std::string TextoReglaHoraria() {
    const std::string zona = ZonaAutomatica();
    return zona.empty() ? "Manual" : "Automática: " + zona;
}

void AplicaHoraAutomatica() {
    ProgramState& e = Estado();
    ReglaHoraria r;
    if (e.CargandoConfig != Falso || !reglaAutomatica(e.DiaJuliano, r)) return;
    e.ZonaHoraria = r.zona;
    e.HorarioVerano = r.verano;
    e.Tex_Zona = TextoZona(r.zona);
}

void PasaAHoraManual() {
    ProgramState& e = Estado();
    if (e.HoraLocalAutomatica == Falso) return;
    e.HoraLocalAutomatica = Falso;
    if (avisos().Preferencias) avisos().Preferencias();
}

std::string TextoZona(float zona) {
    const bool mediaHora = std::fabs(zona * 2 - std::nearbyint(zona * 2)) < 1e-4f;
    return Formato(zona, mediaHora ? "#0.0" : "#0.00");
}

double HorasLocales(double diaJulianoUT) {
    ReglaHoraria r;
    if (reglaAutomatica(diaJulianoUT, r)) return r.zona + r.verano;
    const ProgramState& e = Estado();
    return e.ZonaHoraria + e.HorarioVerano;
}

double UniversalDeLocal(double diaJulianoLocal) {
    // Offsets change at most once in a day or so: the one of the day before
    // and the one of the day after are the only candidates, and a candidate
    // fits when it is the offset in force at the instant it gives.
    const double antes = HorasLocales(diaJulianoLocal - 1);
    const double despues = HorasLocales(diaJulianoLocal + 1);
    const double conAntes = diaJulianoLocal - antes / 24.0;
    const double conDespues = diaJulianoLocal - despues / 24.0;
    if (HorasLocales(conAntes) == antes) return conAntes;  // also the first pass of a repeated hour
    if (HorasLocales(conDespues) == despues) return conDespues;
    return conAntes;  // a time the spring change skips
}

}  // namespace vsp
