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

}  // namespace
}  // namespace vsp
