// The chart saved as a file: a PNG or JPEG image, an SVG drawing or a
// one-page PDF of the chart's own size, the last two as vector drawing.
#pragma once

#include <QByteArray>
#include <QSize>

#include <string>

#include "core/ficheros.h"

class QImage;

namespace vsp {

// The chart of the state, `tamano` pixels (at 96 per inch for a PDF), as the
// bytes of a file in `formato`, drawn with the user's image quality. An
// image format encodes `imagen` when given (what the window shows). Empty
// when the drawing fails.
QByteArray CartaEnFormato(FormatoCarta formato, QSize tamano, const QImage* imagen = nullptr);

// CartaEnFormato in the format of `ruta`'s extension, written to `ruta` (the
// name's bytes as the system takes them) whole or not at all. Returns 0 or
// the errno of the failure: EINVAL for a name of no known format, EIO when
// the drawing fails.
int ExportaCarta(const std::string& ruta, QSize tamano, const QImage* imagen = nullptr);

}  // namespace vsp
