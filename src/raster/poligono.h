// The chart polygon both Qt surfaces fill, carried to pixels point by point,
// so that a mirrored window mirrors it.
#pragma once

#include <QPolygonF>

#include <cmath>
#include <optional>
#include <span>

#include "sky/superficie.h"

namespace vsp {

// The points in pixels through `aPixel`; none when any of them is not finite.
template <typename APixel>
std::optional<QPolygonF> PoligonoEnPixeles(std::span<const PuntoCarta> puntos, APixel aPixel) {
    QPolygonF poligono;
    poligono.reserve(static_cast<qsizetype>(puntos.size()));
    for (const PuntoCarta& q : puntos) {
        if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
        poligono << aPixel(q.x, q.y);
    }
    return poligono;
}

}  // namespace vsp
