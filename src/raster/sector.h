// The sector both Qt surfaces fill: built in chart coordinates and carried
// to pixels point by point, so that a mirrored window mirrors it, with about
// one vertex every two pixels of arc.
#pragma once

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vsp {

// The sector of the circle of radius r chart units round (x, y), from angle
// `desde` through `barrido` degrees counter-clockwise (less than a turn);
// `rx` is the radius in pixels; `aPixel` maps chart points to pixels.
template <typename APixel>
QPolygonF PoligonoSector(double x, double y, double r, double rx, double desde, double barrido, APixel aPixel) {
    const int lados = std::clamp(static_cast<int>(std::ceil(rx * barrido * std::numbers::pi / 360)), 4, 720);
    QPolygonF sector;
    sector.reserve(lados + 2);
    sector << aPixel(x, y);
    const double desdeRad = desde * std::numbers::pi / 180, pasoRad = barrido * std::numbers::pi / 180 / lados;
    for (int i = 0; i <= lados; ++i) {
        const double a = desdeRad + i * pasoRad;
        sector << aPixel(x + r * std::cos(a), y + r * std::sin(a));
    }
    return sector;
}

}  // namespace vsp
