// Text formats of numbers, angles, dates and times: every text the program
// shows goes through these, so panels, dialogs, listings and the printed
// chart share the same fixed-width texts.
#pragma once

#include <string>
#include <string_view>

namespace vsp {

// A number formatted by a pattern of the kind the program has always used:
// "@@@" right-aligns the plain value in that many characters; "0" and "#"
// are digit places ("0" always shown, "#" only when significant); "." is the
// decimal separator; a second section after ";" is used for negative values;
// other characters are copied. Decimals round half away from zero on the
// value's decimal text of `cifras` significant digits (15 for a double, 7
// for a float, as the value would be written).
std::string Formato(double valor, std::string_view patron, int cifras = 15);
inline std::string Formato(float valor, std::string_view patron) {
    return Formato(static_cast<double>(valor), patron, 7);
}
inline std::string Formato(int valor, std::string_view patron) {
    return Formato(static_cast<double>(valor), patron);
}

// The decimal separator of "#0.0" and the like: the user's locale's. The
// windows set it from the system locale; it is "." until then.
void FijaSeparadorDecimal(std::string separador);
const std::string& SeparadorDecimal();

std::string FormatoGrados(double x);      // " 45° 00' 00\"", "- 17° 11' 19\""
std::string FormatoHoras(float x);        // "  5h 43m 46s"
std::string FormatoLatitud(double x);     // "40° 25' 00\" N"
std::string FormatoLongitud(double x);    // "  3° 42' 13\" O"; sets LongitudGrados

// Sets TextoFecha ("15 / 03 /  2002") and TextoHora ("21:30" or "09:30 PM").
void FormatoFechaHora(double diaJuliano);

// Rewrites the date dialog's fields (universal and local rows, Julian day)
// and hands them to whoever shows them.
void MuestraFechaHora();

// Texts of the main window's date panel.
struct TextosPanelFecha {
    std::string Tex_FecUni, Tex_HorUni, Tex_FecLoc, Tex_HorLoc, Tex_FecJul;
};
TextosPanelFecha TextosFechaPanel();

}  // namespace vsp
