// The image sheet Pic_Vario, never shown: the small pictures that the pad,
// the spin controls, the personalisation selectors and the speed slider copy
// from it, each at a fixed place; and the pad's own background picture.
// Everything is drawn here at the screen's pixel ratio, in logical pixels.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vsp::ui {

namespace hoja {
// An arrow key, up (the pad's right column, a spin's upper half) or down
// (the pad's left column, a spin's lower half), released and pressed.
inline constexpr QRect TeclaArriba{1, 52, 24, 14};
inline constexpr QRect TeclaArribaPulsada{26, 52, 24, 14};
inline constexpr QRect TeclaAbajo{1, 67, 24, 14};
inline constexpr QRect TeclaAbajoPulsada{26, 67, 24, 14};
// A whole spin control, both keys released.
inline constexpr QRect Spin{1, 52, 24, 29};
// The speed slider: its scale and its knob.
inline constexpr QRect FondoDeslizador{1, 1, 126, 50};
inline constexpr QRect BotonDeslizador{111, 52, 12, 25};
// The push knob of a personalisation selector.
inline constexpr QRect Selector{51, 52, 29, 20};
inline constexpr QRect SelectorPulsado{81, 52, 29, 20};
}  // namespace hoja

// The colour of every face the pictures stand on. A press on it is no press.
inline constexpr QRgb GrisFondo = 0xffc0c0c0;  // (192, 192, 192)

// The sheet drawn at device-pixel ratio `dpr`, made once per ratio.
const QImage& HojaImagenes(qreal dpr);

// Plain copy of a sheet region onto `destino` (drawn at its own ratio) with
// its top-left corner at the logical point `en`.
void CopiaDeHoja(QImage& destino, const QRect& region, QPoint en);

// Whether the logical pixel (x, y) of `imagen` is the grey face.
bool EsGrisFondo(const QImage& imagen, int x, int y);

// The control pad's picture: the panel with its engraved row names, the ten
// released arrow keys at their places and the bottom button with no caption.
inline constexpr QSize TamanoMando{74, 236};
// The pad's bottom button, (7, 213) .. (67, 230).
inline constexpr QRect MarcoRotulo{7, 213, 61, 18};
QImage FondoMando(qreal dpr);

// The sizes of a selector and of the world map with its frame.
inline constexpr QSize TamanoSelector{200, 40};
inline constexpr QSize TamanoMapa{366, 150};

// Paints the pad's bottom-button caption centred across the pad, its top at y.
void PintaRotuloMando(QImage& mando, const QString& texto, int y);

}  // namespace vsp::ui
