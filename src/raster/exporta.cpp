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

#include <png.h>

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

// A PNG without row filters and at a fast zlib level: a chart is mostly
// long runs of flat black, which pack about as tightly this way as with the
// adaptive filters and the default level, in a quarter of the time.
QByteArray png(const QImage& imagen) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB888);  // the chart is opaque
    png_image descripcion{};
    descripcion.version = PNG_IMAGE_VERSION;
    descripcion.width = static_cast<png_uint_32>(rgb.width());
    descripcion.height = static_cast<png_uint_32>(rgb.height());
    descripcion.format = PNG_FORMAT_RGB;
    descripcion.flags = PNG_IMAGE_FLAG_FAST;
    // Room for the worst case, so that the image is encoded once.
    QByteArray bytes(static_cast<qsizetype>(PNG_IMAGE_PNG_SIZE_MAX(descripcion)), Qt::Uninitialized);
    png_alloc_size_t tamano = static_cast<png_alloc_size_t>(bytes.size());
    if (!png_image_write_to_memory(&descripcion, bytes.data(), &tamano, 0, rgb.constBits(),
                                   static_cast<png_int_32>(rgb.bytesPerLine()), nullptr))
        return {};
    bytes.truncate(static_cast<qsizetype>(tamano));
    return bytes;
}

QByteArray jpeg(const QImage& imagen) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "jpeg");
    escritor.setQuality(kCalidadJpeg);
    return escritor.write(imagen.convertToFormat(QImage::Format_RGB32)) ? bytes : QByteArray();
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
            return formato == FormatoCarta::Png ? png(origen) : jpeg(origen);
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
