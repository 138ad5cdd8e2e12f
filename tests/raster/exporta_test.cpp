// The chart exported as vector drawing, read back: the SVG has one element
// per line the chart draws and per label, and every star it draws stands on
// a pixel the PNG lights; a format it does not know is refused.
#include "raster/exporta.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "../motor_nuevo.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "sky/superficie_grabadora.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

QString ruta(const fs::path& p) { return QString::fromStdString(p.string()); }

struct Svg {
    int polilineas = 0, textos = 0, estrellas = 0, apagadas = 0;
    QString tamano;  // the picture's width and height as it declares them
};

// The chart of the state as an SVG, its elements counted, its stars (the
// small squares) looked up in `png`.
Svg exporta(const fs::path& archivo, QSize tamano, const QImage& png) {
    Svg svg;
    EXPECT_EQ(ExportaCarta(archivo.string(), tamano), 0);
    QXmlStreamReader xml(QByteArray::fromStdString(ContenidoDe(archivo)));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"svg")
            svg.tamano = a.value("width").toString() + " x " + a.value("height").toString();
        svg.polilineas += xml.name() == u"polyline";
        svg.textos += xml.name() == u"text";
        const double w = a.value("width").toDouble();
        if (xml.name() != u"rect" || w >= 4) continue;  // wider, the background
        const int x = static_cast<int>(std::floor(a.value("x").toDouble() + w / 2));
        const int y = static_cast<int>(std::floor(a.value("y").toDouble() + w / 2));
        if (!png.rect().contains(x, y)) continue;
        ++svg.estrellas;
        svg.apagadas += (png.pixel(x, y) & 0xffffff) == 0;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

TEST(Exporta, TheSvgHasAnElementPerLineAndLabelAndItsStarsOnThePngsPixels) {
    MotorNuevo();
    const fs::path carpeta = CarpetaConSituacionInicial();
    ProgramState& e = Estado();
    e.ProporcionPantalla = 800.0f / 600;
    FijaVentanaCielo();
    const QSize tamano(800, 600);

    SuperficieGrabadora grabadora;
    DibujaCielo(grabadora);
    int lineas = 0, textos = 0;
    for (const Operacion& o : grabadora.operaciones) {
        lineas += (o.tipo == Operacion::Linea || o.tipo == Operacion::LineaA) && o.estilo == EstiloSolido;
        textos += o.tipo == Operacion::Texto && !o.texto.empty();
    }
    const Svg carta = exporta(carpeta / "carta.svg", tamano, QImage());
    EXPECT_EQ(std::pair(carta.polilineas, carta.textos), std::pair(lineas, textos));
    EXPECT_EQ(carta.tamano, QStringLiteral("211.667mm x 158.75mm")) << "800 x 600 pixels at 96 dpi";

    // Every star, and nothing drawn over them.
    e.Casillas.fill(0);
    e.NivelConstel = e.IdEstrellas = 0;
    e.NivelEstrellas = 7;
    SuperficieQt raster(tamano);
    DibujaCielo(raster);
    e.ProporcionPantalla = 2;  // the window's own shape, the export's only while it draws
    FijaVentanaCielo();
    const float anchoVentana = e.VentanaAncho;
    const Svg estrellas = exporta(carpeta / "estrellas.svg", tamano, raster.image());
    EXPECT_EQ(e.VentanaAncho, anchoVentana);
    EXPECT_GT(estrellas.estrellas, 3000);
    EXPECT_EQ(estrellas.apagadas, 0);

    // A PDF is the same chart on one page of the window's size.
    const std::string pdf = (carpeta / "carta.pdf").string();
    ASSERT_EQ(ExportaCarta(pdf, tamano), 0);
    const std::string contenido = ContenidoDe(pdf);
    EXPECT_TRUE(contenido.starts_with("%PDF"));
    const std::size_t caja = contenido.find("/MediaBox [");
    double ancho = 0, alto = 0;
    ASSERT_TRUE(caja != std::string::npos &&
                std::sscanf(contenido.c_str() + caja, "/MediaBox [0 0 %lf %lf]", &ancho, &alto) == 2);
    EXPECT_EQ(std::pair(ancho, alto), std::pair(600.0, 450.0)) << "800 x 600 pixels at 96 dpi, in points";
    // The chart fills its page: read back at 96 dpi, its far corner is sky.
    const std::string pagina = (carpeta / "pagina").string();
    ASSERT_EQ(std::system(("pdftoppm -r 96 -png -singlefile '" + pdf + "' '" + pagina + "'").c_str()), 0);
    const QImage leida(ruta(pagina + ".png"));
    ASSERT_EQ(leida.size(), tamano);
    EXPECT_LT(qGray(leida.pixel(795, 595)), 64);
    // A PNG is drawn afresh at the size asked when no picture is given, with
    // every star.
    ASSERT_EQ(ExportaCarta((carpeta / "carta.png").string(), tamano), 0);
    const QImage png(ruta(carpeta / "carta.png"));
    EXPECT_EQ(png.size(), tamano);
    EXPECT_EQ(exporta(carpeta / "otra.svg", tamano, png).apagadas, 0);

    EXPECT_EQ(ExportaCarta((carpeta / "carta.bmp").string(), tamano), EINVAL);
    EXPECT_EQ(ExportaCarta((carpeta / "no-existe" / "carta.svg").string(), tamano), ENOENT);
    EXPECT_FALSE(fs::exists(carpeta / "carta.bmp"));
    fs::remove_all(carpeta);
}

// The PNG encoder reads back pixel for pixel, whatever the size: one row or
// one column, an odd width, as many bands as rows allow, flat runs beside
// noise.
TEST(Exporta, APngReadsBackPixelForPixelAtAnySize) {
    std::mt19937 azar(7);
    for (const QSize tamano : {QSize(1, 1), QSize(3, 2), QSize(1, 300), QSize(301, 1), QSize(17, 65), QSize(641, 479)}) {
        QImage imagen(tamano, QImage::Format_RGB32);
        for (int y = 0; y < tamano.height(); ++y)
            for (int x = 0; x < tamano.width(); ++x)
                imagen.setPixel(x, y, x < tamano.width() / 2 ? qRgb(0, 0, y % 7) : qRgb(azar() % 256, azar() % 256, azar() % 256));
        const QByteArray png = CartaEnFormato(FormatoCarta::Png, tamano, &imagen);
        QImage leida;
        ASSERT_TRUE(leida.loadFromData(png, "PNG")) << tamano.width() << "x" << tamano.height();
        EXPECT_EQ(leida.convertToFormat(QImage::Format_RGB32), imagen) << tamano.width() << "x" << tamano.height();
    }
    // A chart, mostly black, packs to a small file.
    QImage cielo(1024, 768, QImage::Format_RGB32);
    cielo.fill(Qt::black);
    for (int i = 0; i < 3000; ++i) cielo.setPixel(azar() % 1024, azar() % 768, qRgb(255, 255, 220));
    EXPECT_LT(CartaEnFormato(FormatoCarta::Png, cielo.size(), &cielo).size(), 64 * 1024);
}

}  // namespace
}  // namespace vsp
