// What the user types into the date and time dialog, read into the state:
// the day, month, year and time fields of either row, and the time zone,
// which the location dialog shares. A reading never refuses: numbers out of
// range are clamped and wrong characters count as nothing.
#pragma once

#include <string>
#include <string_view>

namespace vsp {

// Row 0 shows universal time, row 1 local time (universal time plus the
// zone and daylight saving).
inline constexpr int FilaUniversal = 0;
inline constexpr int FilaLocal = 1;

// The four fields of one row as the user left them.
struct FilaFecha {
    std::string dia, mes, ano, hora;
};

// Leaving the day, month or year field of a row. The fields are brought into
// range (day 1..31, month 1..12, year -4713..7999 with "-" alone as 1 B.C.)
// and the day into its month; unless the time is being stepped (TiempoEstable
// False), DiaJuliano becomes the row's date at the row's time. The date
// fields are then rewritten from the state.
void LeeCampoFecha(int fila, const FilaFecha& textos);

// Leaving the time field of a row: "21:30", "9:5" (09:50) or "25:10"
// (23:10) in the 24-hour option, "09:30 PM" or "9:30 p" in the AM/PM one
// (hours 00..11, anything but PM counts as AM). DiaJuliano becomes the row's
// date at that time, and the date fields are rewritten.
void LeeCampoHora(int fila, const FilaFecha& textos);

// A zone typed as text ("5,5", "-3.5", "13"): whole or half hours, "." or
// "," as decimal point, a tenths digit other than 0 or 5 counting as 0,
// held to [-12, 12].
float LeeZona(std::string_view texto);

// The zone field of either dialog left: ZonaHoraria and its text from what
// was typed, then the date fields rewritten (universal time stays, the local
// row moves). A changed text is a zone chosen by hand: the local time goes
// manual.
void CambiaZona(std::string_view texto);

}  // namespace vsp
