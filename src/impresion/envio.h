// The page on a printer of the system: drawn as a PDF in memory and sent to
// the printer's CUPS queue, so that whatever keeps it from the paper comes
// back as a reason to tell the user rather than as silence.
#pragma once

#include <QByteArray>
#include <QSizeF>

#include <string>

class QPageLayout;
class QPrinter;

namespace vsp {

// The dots per inch the page is drawn at for a printer: the chart's image
// stops at MaximoPuntosPorPulgada anyway; lines and text are vectors.
inline constexpr int PuntosPorPulgadaEnvio = 1200;

// The page a print gives, as a one-page PDF on `pagina`; empty if it could
// not be drawn.
QByteArray PaginaEnPdf(const QPageLayout& pagina, QSizeF pantalla);

// The page on the CUPS queue `impresora` is set to (a native printer, as
// EligeImpresora leaves it), with its copies. Empty when the queue took the
// job; otherwise why not, in Spanish, naming the printer.
std::string ImprimeEnCola(const QPrinter& impresora, QSizeF pantalla);

}  // namespace vsp
