// Two pictures compared as the eye compares them. Anti-aliased edges come
// out a level or two apart from one machine to another (the rounding of
// each CPU's drawing routines), so a pixel counts as different only beyond
// kNivelesTolerados levels in some channel, and a picture passes with at
// most kPixelesTolerados such pixels. Every pixel is looked at, so the
// report says how many differ, by how much at most, and where.
#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace vsp {

inline constexpr int kNivelesTolerados = 8;   // of 255, per channel
inline constexpr int kPixelesTolerados = 4;   // beyond those levels

struct DiferenciaImagenes {
    bool mismoTamano = true;
    int fuera = 0;  // pixels beyond the tolerated levels
    int mayor = 0;  // the largest difference of a channel, in levels
    QRect zona;     // what holds the pixels beyond

    bool parecidas() const { return mismoTamano && fuera <= kPixelesTolerados; }
    std::string informe() const {
        if (!mismoTamano) return "another size";
        return std::to_string(fuera) + " pixels beyond " + std::to_string(kNivelesTolerados) +
               " levels, up to " + std::to_string(mayor) + ", within (" + std::to_string(zona.left()) + "," +
               std::to_string(zona.top()) + ")-(" + std::to_string(zona.right()) + "," +
               std::to_string(zona.bottom()) + ")";
    }
};

inline DiferenciaImagenes ComparaImagenes(const QImage& vista, const QImage& referencia) {
    DiferenciaImagenes d;
    if (vista.size() != referencia.size()) {
        d.mismoTamano = false;
        return d;
    }
    const QImage a = vista.convertToFormat(QImage::Format_ARGB32);
    const QImage b = referencia.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* fa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* fb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int diferencia = std::max({std::abs(qRed(fa[x]) - qRed(fb[x])), std::abs(qGreen(fa[x]) - qGreen(fb[x])),
                                             std::abs(qBlue(fa[x]) - qBlue(fb[x])), std::abs(qAlpha(fa[x]) - qAlpha(fb[x]))});
            d.mayor = std::max(d.mayor, diferencia);
            if (diferencia <= kNivelesTolerados) continue;
            ++d.fuera;
            d.zona |= QRect(x, y, 1, 1);
        }
    }
    return d;
}

}  // namespace vsp
