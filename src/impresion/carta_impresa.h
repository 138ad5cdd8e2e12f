// The printed page, on any paged device (a printer, a PDF file, the print
// preview): the chart drawn afresh for the device, AnchoImpresion by
// AltoImpresion millimetres from the top-left corner of the printable area,
// and, when ImprimirDatos is 1, the data strip at its natural size half its
// height below the chart.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace vsp {

// The chart is rasterised at the device's resolution up to this many dots
// per inch: beyond it the page gains nothing visible and the image grows
// with the square of the resolution.
inline constexpr int MaximoPuntosPorPulgada = 600;

// AnchoMaximoMm and AltoMaximoMm := the printable area of this page, whole
// millimetres rounded down so that a chart of that size fits.
void FijaMedidasPagina(const QPageLayout& pagina);

// The chart as the screen shows it, drawn into an image of `pixeles` at
// `ppp` dots per inch: the same centre and scale in chart units, the field
// widened or narrowed to the image's shape, and dots, lines and labels in
// the proportion they have on a chart of `pantalla` logical pixels (held
// between 5.5 and 9 points for the labels). The screen's chart window is
// left as it was.
QImage CartaImpresa(QSize pixeles, double ppp, QSizeF pantalla);

// The data strip (frame, rules and the nine texts of the state) scaled into
// `destino`; the paper, or whatever is behind, shows through.
void DibujaTira(QPainter& pintor, const QRectF& destino);

// The page on a device `pintor` is open on (after PreparaImpresion).
// `pantalla` is the size of the screen chart the page is scaled from.
void DibujaPagina(QPainter& pintor, QPagedPaintDevice& dispositivo, QSizeF pantalla);

// PreparaImpresion, then one page on the device, from opening it to ending
// it. False when the device cannot be opened or fails to end the job.
bool ImprimeCarta(QPagedPaintDevice& dispositivo, QSizeF pantalla);

}  // namespace vsp
