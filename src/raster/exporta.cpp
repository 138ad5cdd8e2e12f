// Export of the chart. The vector formats draw the chart again through the
// painter surface; the chart window of the state is made for the size asked
// and put back afterwards. Every format is made in memory and written in
// one go, so a file on disk is never left half drawn.
#include "raster/exporta.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cerrno>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "raster/superficie_pintor.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"

namespace vsp {

namespace {

// zlib's fastest level: a chart is mostly flat black, which packs well
// whatever the level, and the default one takes several times longer for a
// file a few per cent smaller.
constexpr int kCalidadPng = 90;
constexpr int kCalidadJpeg = 92;  // stars are small: keep them from blurring

bool suavizada() { return Estado().CalidadImagen != Desactivado; }

// Draws the chart for an area of `tamano` with the window made for it.
template <typename Dibuja>
void conVentana(QSize tamano, Dibuja dibuja) {
    ProgramState& e = Estado();
    const float proporcion = e.ProporcionPantalla;
    e.ProporcionPantalla = static_cast<float>(tamano.width()) / static_cast<float>(tamano.height());
    FijaVentanaCielo();
    dibuja();
    e.ProporcionPantalla = proporcion;
    FijaVentanaCielo();
}

bool vectorial(QPaintDevice& dispositivo, QSize tamano) {
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    conVentana(tamano, [&] {
        SuperficiePintor superficie(pintor, QSizeF(tamano), suavizada());
        DibujaCielo(superficie);
    });
    return pintor.end();
}

QByteArray imagenCodificada(const QImage& imagen, const char* formato, int calidad) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, formato);
    escritor.setQuality(calidad);
    // JPEG has no transparency; the chart is opaque anyway.
    const bool hecho = escritor.write(std::string_view(formato) == "jpeg" ? imagen.convertToFormat(QImage::Format_RGB32) : imagen);
    return hecho ? bytes : QByteArray();
}

}  // namespace

QByteArray CartaEnFormato(FormatoCarta formato, QSize tamano, const QImage* imagen) {
    tamano = tamano.expandedTo(QSize(1, 1));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    switch (formato) {
        case FormatoCarta::Png:
        case FormatoCarta::Jpeg: {
            QImage dibujada;
            if (!imagen)
                conVentana(tamano, [&] {
                    SuperficieQt superficie(tamano);
                    superficie.setSmooth(suavizada());
                    DibujaCielo(superficie);
                    dibujada = superficie.image();
                });
            const QImage& origen = imagen ? *imagen : dibujada;
            return formato == FormatoCarta::Png ? imagenCodificada(origen, "png", kCalidadPng)
                                                : imagenCodificada(origen, "jpeg", kCalidadJpeg);
        }
        case FormatoCarta::Svg: {
            buffer.open(QIODevice::WriteOnly);
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(tamano);
            svg.setResolution(96);  // a pixel of the chart is a CSS pixel
            svg.setViewBox(QRect(QPoint(0, 0), tamano));
            svg.setTitle(QStringLiteral("Carta celeste"));
            svg.setDescription(QStringLiteral("Dibujada por VESPERA"));
            if (!vectorial(svg, tamano)) return {};
            break;
        }
        case FormatoCarta::Pdf: {
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            pdf.setCreator(QStringLiteral("VESPERA"));
            pdf.setTitle(QStringLiteral("Carta celeste"));
            pdf.setResolution(96);
            pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(tamano) / 96 * 25.4, QPageSize::Millimeter),
                                          QPageLayout::Portrait, QMarginsF()));
            if (!vectorial(pdf, tamano)) return {};
            break;
        }
    }
    buffer.close();
    return bytes;
}

int ExportaCarta(const std::string& ruta, QSize tamano, const QImage* imagen) {
    const std::optional<FormatoCarta> formato = FormatoDe(ruta);
    if (!formato) return EINVAL;
    const QByteArray bytes = CartaEnFormato(*formato, tamano, imagen);
    if (bytes.isEmpty()) return EIO;
    return EscribeArchivo(ruta, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace vsp
