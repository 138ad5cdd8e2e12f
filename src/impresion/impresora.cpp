// The default printer, and the PDF file that stands in for it.
#include "impresion/impresora.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

#include "impresion/carta_impresa.h"

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

void SalidaPdf(QPrinter& impresora, const QString& ruta) {
    const QPageLayout pagina = impresora.pageLayout();
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setPageLayout(pagina);
    impresora.setOutputFileName(ruta);
}

bool ImprimeEnPdf(const QString& ruta, QSizeF pantalla) {
    // Written beside the file and put in its place once whole: a failed
    // print must not leave a former PDF of that name cut short.
    const QFileInfo destino(ruta);
    QTemporaryFile parcial(destino.absoluteDir().filePath(QStringLiteral(".carta-XXXXXX.pdf")));
    if (!parcial.open()) return false;
    parcial.close();
    QPrinter impresora(QPrinter::HighResolution);
    EligeImpresora(impresora);
    SalidaPdf(impresora, parcial.fileName());
    if (!ImprimeCarta(impresora, pantalla)) return false;
    if (std::rename(QFile::encodeName(parcial.fileName()).constData(),
                    QFile::encodeName(destino.absoluteFilePath()).constData()) != 0)
        return false;
    parcial.setAutoRemove(false);
    return true;
}

}  // namespace vsp
