// The chart exported as vector drawing, read back: the SVG has one element
// per line the chart draws and per label, and every star it draws stands on
// a pixel the PNG lights; a format it does not know is refused.
#include "raster/exporta.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "../motor_nuevo.h"
#include "impresion/impresora.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "sky/superficie_grabadora.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

struct Svg {
    int polilineas = 0, textos = 0, estrellas = 0, apagadas = 0;
    QString ancho, alto;  // the picture's size as it declares it
};

// The chart of the state as an SVG, its elements counted, its stars (the
// small squares) looked up in `png`.
Svg exporta(const fs::path& ruta, QSize tamano, const QImage& png) {
    Svg svg;
    EXPECT_TRUE(ExportaCarta(QString::fromStdString(ruta.string()), tamano));
    QFile archivo(QString::fromStdString(ruta.string()));
    EXPECT_TRUE(archivo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&archivo);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("svg")) {
            svg.ancho = xml.attributes().value("width").toString();
            svg.alto = xml.attributes().value("height").toString();
        }
        svg.polilineas += xml.name() == QLatin1String("polyline");
        svg.textos += xml.name() == QLatin1String("text");
        if (xml.name() != QLatin1String("rect")) continue;
        const auto a = xml.attributes();
        const double w = a.value("width").toDouble();
        if (w >= 4) continue;  // the background
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
    EXPECT_EQ(carta.polilineas, lineas);
    EXPECT_EQ(carta.ancho, QStringLiteral("211.667mm")) << "800 pixels at 96 dpi";
    EXPECT_EQ(carta.alto, QStringLiteral("158.75mm"));
    EXPECT_EQ(carta.textos, textos);

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
    ASSERT_TRUE(ExportaCarta(QString::fromStdString((carpeta / "carta.pdf").string()), tamano));
    const std::string contenido = ContenidoDe(carpeta / "carta.pdf");
    EXPECT_TRUE(contenido.starts_with("%PDF"));
    const std::size_t caja = contenido.find("/MediaBox [");
    ASSERT_NE(caja, std::string::npos);
    double ancho = 0, alto = 0;
    std::sscanf(contenido.c_str() + caja, "/MediaBox [0 0 %lf %lf]", &ancho, &alto);
    EXPECT_EQ(ancho, 600) << "800 x 600 pixels at 96 dpi, in points";
    EXPECT_EQ(alto, 450);
    // The chart fills its page: read back at 96 dpi, its far corner is sky.
    const fs::path pagina = carpeta / "pagina";
    ASSERT_EQ(std::system(("pdftoppm -r 96 -png -singlefile '" + (carpeta / "carta.pdf").string() + "' '" +
                           pagina.string() + "'").c_str()), 0);
    const QImage leida(QString::fromStdString(pagina.string() + ".png"));
    ASSERT_EQ(leida.size(), tamano);
    EXPECT_LT(qGray(leida.pixel(795, 595)), 64);
    // A PNG is drawn afresh at the size asked when no picture is given.
    const QString png = QString::fromStdString((carpeta / "carta.png").string());
    ASSERT_TRUE(ExportaCarta(png, tamano));
    EXPECT_EQ(QImage(png).size(), tamano);

    EXPECT_FALSE(ExportaCarta(QString::fromStdString((carpeta / "carta.bmp").string()), tamano));
    EXPECT_FALSE(ExportaCarta(QString::fromStdString((carpeta / "no-existe" / "carta.svg").string()), tamano));
    EXPECT_FALSE(fs::exists(carpeta / "carta.bmp"));
    fs::remove_all(carpeta);
}

// A print turned into a PDF keeps the printer's page.
TEST(Exporta, APrintTurnedToPdfKeepsItsPage) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageSize(QPageSize(QPageSize::A3));
    impresora.setPageOrientation(QPageLayout::Landscape);
    SalidaPdf(impresora, QStringLiteral("carta.pdf"));
    EXPECT_EQ(impresora.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(impresora.outputFileName(), QStringLiteral("carta.pdf"));
    EXPECT_EQ(impresora.pageLayout().pageSize().id(), QPageSize::A3);
    EXPECT_EQ(impresora.pageLayout().orientation(), QPageLayout::Landscape);
}

}  // namespace
}  // namespace vsp
