// Rise, culmination and set of an object after an instant, and the Sun's
// twilights: each event the next of its kind, found on the object's own
// track over the coming days, and the lines that tell them in local time.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vsp {

// What rises and sets: a body of the solar-system table (1..11, not the
// Earth), or a catalogue point by its J2000 direction cosines.
struct ObjetoOrto {
    int   cuerpo = 0;           // 0 for a catalogue point
    float x = 0, y = 0, z = 0;  // its J2000 direction cosines
};

// One event: its instant and the angle that goes with it.
struct Suceso {
    double dia = 0;     // Julian day of UT
    double angulo = 0;  // rise and set: azimuth from north through east; culmination: apparent altitude; rad
};

enum class Curso { SaleYSePone, SiempreSobre, NuncaSale };

// The Sun's centre above -N degrees from `inicio` to `fin`; or above it all
// the coming day (TodaLaNoche), or below it all day (NoHay).
enum class Crepusculo { Normal, TodaLaNoche, NoHay };
struct TramoCrepusculo {
    Crepusculo tipo = Crepusculo::Normal;
    std::optional<double> inicio, fin;  // Julian days of UT
};

inline constexpr double GradosCrepusculo[3] = {6, 12, 18};  // civil, nautical, astronomical

struct Ortos {
    bool  valido = false;  // false: the object has no place at that instant
    Curso curso = Curso::SaleYSePone;
    std::optional<Suceso> orto, culminacion, ocaso;  // each missing when not found within two days
    bool  sol = false;                               // the twilights below are the Sun's
    TramoCrepusculo crepusculos[3];                  // civil, nautical, astronomical
};

// The events after diaJulianoUT seen from latitude (rad, north positive) and
// longitude (rad, east positive). Rise and set: the centre's altitude
// without refraction through -34' (less the semidiameter for the Sun and the
// Moon, whose upper limb counts); culmination: the upper meridian transit,
// with its altitude refracted (Bennett). A star's place is its catalogue
// place precessed to the date; a body's, its topocentric apparent place of
// date.
Ortos CalculaOrtos(const ObjetoOrto& objeto, double diaJulianoUT, double latitud, double longitudEste);

// The lines telling those events in local time (HorasLocales): "Orto
// dd/mm/aaaa hh:mm acimut NNN°", "Culminación dd/mm/aaaa hh:mm altura NN°",
// "Ocaso ...", or "Siempre sobre el horizonte" (then the culmination) or
// "Nunca sale"; for the Sun then "Crepúsculo civil dd/mm/aaaa hh:mm – hh:mm"
// or "Crepúsculo civil: toda la noche" / ": no hay", and likewise the
// nautical and astronomical ones. None when the object has no place.
std::vector<std::string> LineasOrtos(const Ortos& ortos);

// The same for row `fila` of search category `categoria`, after the chart's
// instant and from its place; none for a row that cannot be centred or has
// no place (the Earth, Pluto outside its series' years, a damaged record).
std::vector<std::string> OrtosDeEntrada(int categoria, int fila);

}  // namespace vsp
