// Local time: the user's zone and summer-time box, or, for a listed city
// with "Hora local automática" on, the rule the time-zone database gives the
// city's zone at each instant.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

// A zone's offset at an instant, as the state holds it: ZonaHoraria and
// HorarioVerano.
struct ReglaHoraria {
    float zona = 0;       // hours east of Greenwich, summer time excluded
    int16_t verano = 0;   // 1 while summer time adds an hour
    bool operator==(const ReglaHoraria&) const = default;
};

// What answers for the time-zone database. The engine knows no calendar of
// its own: the program installs one over the system's tzdata, and with
// none installed every place keeps the user's zone.
class BaseZonas {
public:
    virtual ~BaseZonas() = default;
    // The rule of the IANA zone `nombre` at `segundos` since 1970-01-01 UT;
    // false for a zone the database does not know.
    virtual bool Regla(const std::string& nombre, int64_t segundos, ReglaHoraria& regla) const = 0;
};

// Installs the database (nullptr removes it); it must outlive its use.
void InstalaBaseZonas(const BaseZonas* base);

// The IANA name of the zone that rules the local time now, or "" when the
// zone and summer time are the user's: the setting is off, the place is not
// a listed city (a typed latitude or longitude moved it), the city's zone is
// unknown, or no database is installed.
std::string ZonaAutomatica();

// What the date dialog says of the rule: "Automática: Europe/Madrid" or
// "Manual".
std::string TextoReglaHoraria();

// In automatic mode, ZonaHoraria, HorarioVerano and the zone's text become
// the database's for DiaJuliano. Not while a configuration is being loaded,
// whose place is not final until the load ends.
void AplicaHoraAutomatica();

// The user set the zone or the summer time by hand: the setting goes off
// (and the preferences are told).
void PasaAHoraManual();

// A zone as its fields show it: "#0.0", or with two decimals for the
// zones a quarter of an hour off (Nepal's 5.75).
std::string TextoZona(float zona);

// Hours between local and universal time at a Julian day of UT: the
// database's rule for that instant in automatic mode, otherwise the user's
// ZonaHoraria + HorarioVerano.
double HorasLocales(double diaJulianoUT);

// The universal time of a local Julian day. In automatic mode, the offset
// in force at that local time; a time that the spring change skips is read
// with the offset before the change, an hour the autumn change repeats as
// its first pass.
double UniversalDeLocal(double diaJulianoLocal);

}  // namespace vsp
