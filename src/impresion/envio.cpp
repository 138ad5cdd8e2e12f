// The page sent to the printer's queue. The queue is asked first, so that a
// printer refusing work is told before the page is drawn; the page goes as
// the PDF Qt itself would send, on the printer's own page layout.
#include "impresion/envio.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QString>

#include <string_view>

#include "impresion/carta_impresa.h"
#include "impresion/cola.h"

namespace vsp {

QByteArray PaginaEnPdf(const QPageLayout& pagina, QSizeF pantalla) {
    QByteArray pdf;
    QBuffer salida(&pdf);
    if (!salida.open(QIODevice::WriteOnly)) return {};
    bool hecho;
    {
        QPdfWriter escritor(&salida);
        escritor.setCreator(QStringLiteral("VESPERA"));
        escritor.setTitle(QStringLiteral("Carta celeste"));
        escritor.setResolution(PuntosPorPulgadaEnvio);
        escritor.setPageLayout(pagina);
        hecho = ImprimeCarta(escritor, pantalla);
    }
    return hecho ? pdf : QByteArray();
}

std::string ImprimeEnCola(const QPrinter& impresora, QSizeF pantalla) {
    const std::string nombre = impresora.printerName().toStdString();
    const EstadoCola estado = ConsultaCola(nombre);
    if (estado.impedimento != Impedimento::Ninguno)
        return MotivoImpedimento(nombre, estado.impedimento, estado.detalle);
    const QByteArray pdf = PaginaEnPdf(impresora.pageLayout(), pantalla);
    if (pdf.isEmpty()) return MotivoImpedimento(nombre, Impedimento::Fallido);
    OpcionesTrabajo opciones;
    if (!impresora.docName().isEmpty()) opciones.titulo = impresora.docName().toStdString();
    opciones.copias = impresora.copyCount();
    const ResultadoTrabajo trabajo =
        EnviaPdf(nombre, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())), opciones);
    return MotivoImpedimento(nombre, trabajo.impedimento, trabajo.detalle);
}

}  // namespace vsp
