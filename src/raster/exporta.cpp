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

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

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

// ---- PNG ------------------------------------------------------------------
//
// A chart is mostly long runs of flat black: unfiltered rows packed by
// zlib's run-length strategy come out as small as with the adaptive filters
// and the default level, in a fraction of the time. The rows are packed in
// bands on every processor, each band a raw deflate stream ended on a byte
// boundary so that the bands join into the one zlib stream PNG asks for.

void anadeBigEndian(QByteArray& b, uint32_t v) {
    const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                           static_cast<char>(v)};
    b.append(bytes, 4);
}

void anadeBloque(QByteArray& png, const char tipo[4], const QByteArray& datos) {
    anadeBigEndian(png, static_cast<uint32_t>(datos.size()));
    const qsizetype inicio = png.size();
    png.append(tipo, 4);
    png.append(datos);
    anadeBigEndian(png, static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(png.constData() + inicio),
                                                    static_cast<uInt>(png.size() - inicio))));
}

// Rows [desde, hasta) of an RGB32 image as PNG scanlines (filter byte 0,
// then red, green, blue) packed as raw deflate; the last band finishes the
// stream. Not `hecha` when zlib or the memory failed.
struct Banda {
    QByteArray comprimida;
    uLong adler = 0;
    uLong largo = 0;
    bool hecha = false;
};

void comprimeBanda(const QImage& rgb, int desde, int hasta, bool ultima, Banda& banda) try {
    const int ancho = rgb.width();
    QByteArray crudo(static_cast<qsizetype>(hasta - desde) * (1 + 3 * ancho), Qt::Uninitialized);
    auto* d = reinterpret_cast<unsigned char*>(crudo.data());
    for (int y = desde; y < hasta; ++y) {
        *d++ = 0;
        const auto* fila = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < ancho; ++x) {
            *d++ = static_cast<unsigned char>(qRed(fila[x]));
            *d++ = static_cast<unsigned char>(qGreen(fila[x]));
            *d++ = static_cast<unsigned char>(qBlue(fila[x]));
        }
    }
    banda.largo = static_cast<uLong>(crudo.size());
    banda.adler = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(crudo.constData()), static_cast<uInt>(crudo.size()));
    // Room for the worst case first: nothing is allocated once zlib holds memory.
    banda.comprimida.resize(static_cast<qsizetype>(compressBound(banda.largo) + 16));
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE) != Z_OK) return;
    z.next_in = reinterpret_cast<Bytef*>(crudo.data());
    z.avail_in = static_cast<uInt>(crudo.size());
    z.next_out = reinterpret_cast<Bytef*>(banda.comprimida.data());
    z.avail_out = static_cast<uInt>(banda.comprimida.size());
    const int fin = deflate(&z, ultima ? Z_FINISH : Z_SYNC_FLUSH);
    banda.hecha = (ultima ? fin == Z_STREAM_END : fin == Z_OK) && z.avail_in == 0;
    banda.comprimida.truncate(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
} catch (const std::bad_alloc&) {
    banda.hecha = false;  // a picture too large for the memory left
}

QByteArray png(const QImage& imagen) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);  // the chart is opaque
    const int alto = rgb.height();
    // Several bands a processor, taken in turn, so that a busy band of the
    // sky does not leave a processor idle; a band under 32 rows is not worth
    // the while.
    const int procesadores = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    const int bandas = std::clamp(std::min(4 * procesadores, alto / 32), 1, 32);
    std::vector<Banda> partes(static_cast<std::size_t>(bandas));
    std::atomic<int> siguiente{0};
    const auto trabaja = [&] {
        for (int i; (i = siguiente++) < bandas;)
            comprimeBanda(rgb, alto * i / bandas, alto * (i + 1) / bandas, i == bandas - 1,
                          partes[static_cast<std::size_t>(i)]);
    };
    std::vector<std::thread> hilos;
    try {
        for (int i = 1; i < std::min(procesadores, bandas); ++i) hilos.emplace_back(trabaja);
    } catch (const std::system_error&) {
        // No more threads to be had: those running take the remaining bands.
    }
    trabaja();
    for (std::thread& h : hilos) h.join();

    QByteArray idat("\x78\x01", 2);  // zlib: deflate with a 32 KiB window, no dictionary
    uLong adler = adler32(0, nullptr, 0);
    for (const Banda& b : partes) {
        if (!b.hecha) return {};
        idat.append(b.comprimida);
        adler = adler32_combine(adler, b.adler, static_cast<z_off_t>(b.largo));
    }
    anadeBigEndian(idat, static_cast<uint32_t>(adler));

    QByteArray cabecera;
    anadeBigEndian(cabecera, static_cast<uint32_t>(rgb.width()));
    anadeBigEndian(cabecera, static_cast<uint32_t>(alto));
    cabecera.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, not interlaced
    QByteArray salida("\x89PNG\r\n\x1a\n", 8);
    anadeBloque(salida, "IHDR", cabecera);
    anadeBloque(salida, "IDAT", idat);
    anadeBloque(salida, "IEND", QByteArray());
    return salida;
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
