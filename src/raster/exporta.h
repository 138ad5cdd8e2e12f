// The chart saved as a file: a PNG image, an SVG drawing or a one-page PDF
// of the chart's own size, the last two as vector drawing.
#pragma once

#include <QSize>
#include <QString>

class QImage;

namespace vsp {

// The chart of the state, `tamano` pixels (at 96 per inch for a PDF), drawn
// into `ruta` in the format its extension names (.png, .svg or .pdf, any
// case). A PNG is `imagen` when given (what the window shows), otherwise
// drawn afresh. False when the extension is none of these or the file
// cannot be written.
bool ExportaCarta(const QString& ruta, QSize tamano, const QImage* imagen = nullptr);

// Whether ExportaCarta knows this file's format.
bool FormatoExportable(const QString& ruta);

}  // namespace vsp
