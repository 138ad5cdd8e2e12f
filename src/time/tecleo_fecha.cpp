// The date and time dialog's typed fields.
#include "time/tecleo_fecha.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "time/calendario.h"
#include "time/formatos.h"
#include "time/tiempo.h"
#include "time/zonas.h"

namespace vsp {

namespace {

// A whole number typed into a field, held to [minimo, maximo].
int16_t entero(std::string_view texto, int minimo, int maximo) {
    return static_cast<int16_t>(std::lround(std::clamp(leadingNumber(texto), double(minimo), double(maximo))));
}

// The year field: -4713..7999; 0 is A.D. 1 to the calendar, but "-" (or
// anything that reads as 0 and starts with a minus) means 1 B.C.
int16_t ano(std::string_view texto) {
    const int16_t a = entero(texto, -4713, 7999);
    if (a == 0 && trimSpaces(texto).starts_with('-')) return -1;
    return a;
}

struct Fecha {
    int16_t dia, mes, ano;
};

// The row's date: each field in range, and a day past the end of its month
// the month's last (31 April is 30, 29 February of a common year 28).
Fecha fechaDeFila(const FilaFecha& textos) {
    Fecha f{entero(textos.dia, 1, 31), entero(textos.mes, 1, 12), ano(textos.ano)};
    int16_t ultimo = 31;
    if (f.mes == 2)
        ultimo = EsBisiesto(f.ano) ? 29 : 28;
    else if (f.mes == 4 || f.mes == 6 || f.mes == 9 || f.mes == 11)
        ultimo = 30;
    f.dia = std::min(f.dia, ultimo);
    return f;
}

// The row's Julian day of local or universal time turned into universal
// time and kept within the calendar's range.
double universal(int fila, double dj) {
    if (fila == FilaLocal) dj = UniversalDeLocal(dj);
    return std::clamp(dj, DiaJulianoMinimo, DiaJulianoMaximo);
}

}  // namespace

void LeeCampoFecha(int fila, const FilaFecha& textos) {
    ProgramState& e = Estado();
    // The row's time as its field shows it; in the AM/PM option the field
    // shows 00..11 and the state says which half of the day it is.
    int16_t hora = entero(midChars(textos.hora, 0, 2), 0, 23);
    const int16_t minuto = entero(midChars(textos.hora, 3, 2), 0, 59);
    if (e.FormatoHora != 1) {
        CalculaFecha(fila == FilaLocal ? DiaJulianoLocal() : e.DiaJuliano);
        if (e.FechaHora >= 12) hora = static_cast<int16_t>(std::min(hora + 12, 23));
    }
    const Fecha f = fechaDeFila(textos);
    if (e.TiempoEstable != Falso) e.DiaJuliano = universal(fila, CalculaJuliana(f.dia, f.mes, f.ano, hora, minuto));
    MuestraFechaHora();
}

void LeeCampoHora(int fila, const FilaFecha& textos) {
    ProgramState& e = Estado();
    std::string texto = upperAscii(trimSpaces(textos.hora));
    bool pm = false;
    const bool ampm = e.FormatoHora != 1;
    if (ampm) {
        // The letters at the end, at most two: "PM" or "P" is the afternoon,
        // anything else the morning.
        std::size_t i = texto.size();
        while (i > 0 && texto.size() - i < 2 && texto[i - 1] >= 'A' && texto[i - 1] <= 'Z') --i;
        const std::string sufijo = texto.substr(i);
        pm = sufijo == "PM" || sufijo == "P";
    }
    // "21:30" reads as 21.30 and "9:5" as 9.50: hours before the point, the
    // first two decimals the minutes.
    std::replace(texto.begin(), texto.end(), ':', '.');
    std::replace(texto.begin(), texto.end(), ',', '.');
    const long long centesimas = std::llround(std::max(leadingNumber(texto), 0.0) * 100);
    const int16_t hora = static_cast<int16_t>(std::min<long long>(centesimas / 100, ampm ? 11 : 23));
    const int16_t minuto = static_cast<int16_t>(std::min<long long>(centesimas % 100, 59));

    const Fecha f = fechaDeFila(textos);
    double dj = CalculaJuliana(f.dia, f.mes, f.ano, hora, minuto);
    if (pm) dj += 0.5;
    e.DiaJuliano = universal(fila, dj);
    MuestraFechaHora();
}

float LeeZona(std::string_view texto) {
    return static_cast<float>(std::clamp(leadingHalves(texto), -12.0, 12.0));
}

void CambiaZona(std::string_view texto) {
    ProgramState& e = Estado();
    // Leaving the field as it was is no choice of a zone: the database's
    // quarter-hour zones would not even read back.
    if (texto != e.Tex_Zona) {
        PasaAHoraManual();
        e.ZonaHoraria = LeeZona(texto);
        e.Tex_Zona = TextoZona(e.ZonaHoraria);
    }
    MuestraFechaHora();
}

}  // namespace vsp
