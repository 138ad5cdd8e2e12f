// The default printer, and the PDF file that stands in for it.
#include "impresion/impresora.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <cerrno>
#include <string_view>

#include "core/ficheros.h"
#include "impresion/carta_impresa.h"
#include "impresion/envio.h"

namespace vsp {

bool EligeImpresora(QPrinter& impresora) {
    impresora.setCreator(QStringLiteral("VESPERA"));
    impresora.setDocName(QStringLiteral("Carta celeste"));
    bool hay = !impresora.printerName().isEmpty();
    if (!hay) {
        const QStringList nombres = QPrinterInfo::availablePrinterNames();
        if (!nombres.isEmpty()) {
            impresora.setPrinterName(nombres.front());
            hay = impresora.outputFormat() == QPrinter::NativeFormat;
        }
    }
    if (!hay) impresora.setOutputFormat(QPrinter::PdfFormat);
    FijaMedidasPagina(impresora.pageLayout());
    return hay;
}

int ImprimeEnPdf(const std::string& ruta, QSizeF pantalla) {
    QPrinter impresora(QPrinter::HighResolution);
    EligeImpresora(impresora);
    const QByteArray bytes = PaginaEnPdf(impresora.pageLayout(), pantalla);
    if (bytes.isEmpty()) return EIO;
    return EscribeArchivo(ruta, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vsp
