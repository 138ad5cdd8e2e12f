// Where a print goes: the system's default printer with its current
// settings or, on a system without printers, a PDF file of the same page.
#pragma once

#include <QSizeF>

#include <string>

class QPrinter;

namespace vsp {

// Sets up `impresora` (made with QPrinter::HighResolution) for the default
// printer, or the first one when none is marked default, and reads its
// printable area into AnchoMaximoMm and AltoMaximoMm. False when the system
// has no printer: it is then left writing PDF on its default page.
bool EligeImpresora(QPrinter& impresora);

// The page a print would give, on the default printer's paper, written to
// the PDF file `ruta` (the name's bytes as the system takes them) whole or
// not at all. Returns 0 or the errno of the failure, EIO when the page
// cannot be drawn.
int ImprimeEnPdf(const std::string& ruta, QSizeF pantalla);

}  // namespace vsp
