// Where a print goes: the system's default printer with its current
// settings or, on a system without printers, a PDF file of the same page.
#pragma once

#include <QSizeF>
#include <QString>

class QPrinter;

namespace vsp {

// Sets up `impresora` (made with QPrinter::HighResolution) for the default
// printer, or the first one when none is marked default, and reads its
// printable area into AnchoMaximoMm and AltoMaximoMm. False when the system
// has no printer: it is then left writing PDF on its default page.
bool EligeImpresora(QPrinter& impresora);

// Turns `impresora` to writing the PDF file `ruta`, on the page it had.
void SalidaPdf(QPrinter& impresora, const QString& ruta);

// The page a print would give, written to the PDF file `ruta`; false when the
// file cannot be written.
bool ImprimeEnPdf(const QString& ruta, QSizeF pantalla);

}  // namespace vsp
