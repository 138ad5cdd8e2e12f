// The drawing surface the chart is drawn on: a window in chart units (y up,
// the width negative when the image is mirrored) and the few operations the
// drawers need. The Qt raster surface draws into an image; the recording
// surface keeps every call for the tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vsp {

// Colours are 0xBBGGRR numbers: red in the low byte.
using Color = uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

inline constexpr int EstiloSolido = 0;
inline constexpr int EstiloInvisible = 5;
inline constexpr int ModoCopia = 13;
inline constexpr int ModoXor = 7;
inline constexpr int RellenoSolido = 0;
inline constexpr int RellenoTransparente = 1;

// A point in chart units.
struct PuntoCarta {
    double x, y;
};

class Superficie {
public:
    virtual ~Superficie() = default;

    // User coordinates: (izquierda, arriba) is the top-left corner of the
    // drawing area; alto is negative because y grows upwards.
    virtual void setWindow(double izquierda, double arriba, double ancho, double alto) = 0;
    virtual double windowWidth() const = 0;

    // Fills everything with the background colour; current position (0, 0).
    virtual void clear() = 0;
    // Sets the background colour and clears to it.
    virtual void setBackground(Color c) = 0;
    virtual void setForeground(Color c) = 0;
    // Points are dots of this many pixels; lines this wide.
    virtual void setDrawWidth(int pixels) = 0;
    // EstiloSolido or EstiloInvisible (lines move the position, mark nothing).
    virtual void setLineStyle(int estilo) = 0;
    // ModoCopia or ModoXor (drawing a figure twice erases it).
    virtual void setDrawMode(int modo) = 0;
    virtual void setFillStyle(int relleno) = 0;
    virtual void setFillColor(Color c) = 0;

    // Each sets the current position to its end point.
    virtual void point(double x, double y) = 0;
    virtual void moveTo(double x, double y) = 0;
    virtual void lineTo(double x, double y) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // The outline of the box with these corners, in the foreground colour.
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    // A circle (aspect 1) or an ellipse (aspect = height / width) of radius r
    // chart units: outlined in `contorno`, filled as set.
    virtual void circle(double x, double y, double r, Color contorno, double aspect = 1) = 0;
    // The polygon through these points, closed back to the first: filled
    // as set with the fill colour, outlined in `contorno`. Curved figures
    // (the Moon's lit part) come as many short sides. The current position
    // becomes the first point.
    virtual void polygon(std::span<const PuntoCarta> puntos, Color contorno) = 0;
    // Text with its top-left corner at the current position, in the
    // foreground colour; never mirrored.
    virtual void print(std::string_view texto) = 0;

    // Shows what was drawn.
    virtual void refresh() = 0;
};

}  // namespace vsp
