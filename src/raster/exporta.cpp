// Export of the chart. The vector formats draw the chart again through the
// painter surface; the chart window of the state is made for the size asked
// and put back afterwards.
#include "raster/exporta.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "core/constantes.h"
#include "core/estado.h"
#include "raster/superficie_pintor.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"

namespace vsp {

namespace {

QString extension(const QString& ruta) { return QFileInfo(ruta).suffix().toLower(); }

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
        SuperficiePintor superficie(pintor, QSizeF(tamano), Estado().CalidadImagen != Desactivado);
        DibujaCielo(superficie);
    });
    return pintor.end();
}

}  // namespace

bool FormatoExportable(const QString& ruta) {
    const QString ext = extension(ruta);
    return ext == QLatin1String("png") || ext == QLatin1String("svg") || ext == QLatin1String("pdf");
}

bool ExportaCarta(const QString& ruta, QSize tamano, const QImage* imagen) {
    tamano = tamano.expandedTo(QSize(1, 1));
    const QString ext = extension(ruta);
    // Each file is written whole or not at all: a failed export leaves a
    // former file of that name as it was.
    QSaveFile archivo(ruta);
    if (ext == QLatin1String("png")) {
        QImage dibujada;
        if (!imagen)
            conVentana(tamano, [&] {
                SuperficieQt superficie(tamano);
                superficie.setSmooth(Estado().CalidadImagen != Desactivado);
                DibujaCielo(superficie);
                dibujada = superficie.image();
            });
        return archivo.open(QIODevice::WriteOnly) && (imagen ? *imagen : dibujada).save(&archivo, "PNG") &&
               archivo.commit();
    }
    if (ext == QLatin1String("svg")) {
        if (!archivo.open(QIODevice::WriteOnly)) return false;
        QSvgGenerator svg;
        svg.setOutputDevice(&archivo);
        svg.setSize(tamano);
        svg.setResolution(96);  // a pixel of the chart is a CSS pixel
        svg.setViewBox(QRect(QPoint(0, 0), tamano));
        svg.setTitle(QStringLiteral("Carta celeste"));
        svg.setDescription(QStringLiteral("Dibujada por VESPERA"));
        return vectorial(svg, tamano) && archivo.commit();
    }
    if (ext == QLatin1String("pdf")) {
        if (!archivo.open(QIODevice::WriteOnly)) return false;
        bool hecho;
        {
            QPdfWriter pdf(&archivo);
            pdf.setCreator(QStringLiteral("VESPERA"));
            pdf.setTitle(QStringLiteral("Carta celeste"));
            pdf.setResolution(96);
            pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(tamano) / 96 * 25.4, QPageSize::Millimeter),
                                          QPageLayout::Portrait, QMarginsF()));
            hecho = vectorial(pdf, tamano);
        }
        return hecho && archivo.commit();
    }
    return false;
}

}  // namespace vsp
