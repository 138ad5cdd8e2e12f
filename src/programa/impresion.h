// The printed chart without the printer: the size rules of the print dialog
// (millimetres held to the page, the height following the width at 4:3) and
// the data strip printed under the chart, its rules and its nine texts. The
// dialog and the page drawing read them from here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vsp {

inline constexpr int AnchoMinimoImpresion = 100;  // mm
inline constexpr int AltoMinimoImpresion = 75;    // mm
inline constexpr int PasoImpresionMm = 5;         // one step of the size spins

// A width held to 100 .. AnchoMaximoMm and a height to 75 .. AltoMaximoMm.
// A page narrower or shorter than the least size wins over it, so that the
// chart always fits; an unknown page (0) is held to ImpresionMaximaMm.
int16_t LimitaAnchoImpresion(double mm);
int16_t LimitaAltoImpresion(double mm);

// The whole part of width × 6/8: the height of a 4:3 chart.
int AltoProporcional(int ancho);

// Leaving the width box: AnchoImpresion is the number typed, limited, and
// AltoImpresion follows it at 4:3 within the page.
void LeeAnchoImpresion(std::string_view texto);
// Leaving the height box: AltoImpresion is the number typed, limited.
void LeeAltoImpresion(std::string_view texto);
// One step of the width spin (+1 up, -1 down), the height following, and one
// of the height spin.
void PasoAnchoImpresion(int sentido);
void PasoAltoImpresion(int sentido);

// What printing fixes before the page is drawn: the width limited and the
// height following it at 4:3, limited, whatever the height box held.
void PreparaImpresion();

// The data strip, in its own pixels (1/96 inch on paper): a grey frame
// round 577 × 36, a rule across at y = 17, separators above and below it.
inline constexpr int AnchoTira = 577, AltoTira = 36;
inline constexpr uint32_t ColorTira = 0x808080;
struct RayaTira {
    int16_t x1, y1, x2, y2;
};
inline constexpr std::array<RayaTira, 8> RayasTira = {{{0, 17, AnchoTira - 1, 17},
                                                      {114, 0, 114, 17},
                                                      {280, 0, 280, 17},
                                                      {444, 0, 444, 17},
                                                      {141, 17, 141, 35},
                                                      {264, 17, 264, 35},
                                                      {369, 17, 369, 35},
                                                      {464, 17, 464, 35}}};

// A text of the strip with its top-left corner and the right end of its
// cell (the next separator or the frame).
struct TextoTira {
    int16_t x, y, fin;
    std::string texto;
};
// The nine texts from the state: the city chosen in the location dialog's
// list, universal and local date and time, Julian day, longitude, latitude,
// direction, elevation and zoom. In the AM/PM clock the times lose their last
// character ("09:30 PM" prints "09:30 P").
std::array<TextoTira, 9> TextosTira();

}  // namespace vsp
