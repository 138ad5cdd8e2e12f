// The program's pictures, from the SVG files built into it.
#include "ui/marco/arte_marco.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <string>
#include <tuple>

// The pictures are compiled into this static library: their registration
// has to be asked for, or the linker leaves it out.
static void registraArte() { Q_INIT_RESOURCE(arte); }

namespace vsp::ui::arte {

const QImage& Dibujo(const char* nombre, QSize tamano, qreal ratio) {
    // Each picture is drawn once for each size and pixel ratio asked for: a
    // dial redrawn at every step of a drag reuses its face.
    static const bool registrado = (registraArte(), true);
    (void)registrado;
    if (ratio <= 0) ratio = qGuiApp->devicePixelRatio();
    static std::map<std::tuple<std::string, int, int, qreal>, QImage> dibujados;
    QImage& imagen = dibujados[{nombre, tamano.width(), tamano.height(), ratio}];
    if (imagen.isNull()) {
        imagen = QImage(QSize(qCeil(tamano.width() * ratio), qCeil(tamano.height() * ratio)),
                        QImage::Format_ARGB32_Premultiplied);
        imagen.setDevicePixelRatio(ratio);
        imagen.fill(Qt::transparent);
        QSvgRenderer svg(QStringLiteral(":/arte/%1.svg").arg(QLatin1String(nombre)));
        QPainter p(&imagen);
        svg.render(&p, QRectF(QPointF(0, 0), tamano));
    }
    return imagen;
}

QPixmap Imagen(const char* nombre, QSize tamano) { return QPixmap::fromImage(Dibujo(nombre, tamano)); }

QPixmap BotonSi() { return Imagen("boton-si", {50, 50}); }
QPixmap BotonNo() { return Imagen("boton-no", {50, 50}); }
QPixmap BotonSalir() { return Imagen("boton-salir", {50, 50}); }
QPixmap Distintivo(Signo signo) {
    return Imagen(signo == Signo::Pregunta ? "distintivo-pregunta"
                  : signo == Signo::Error  ? "distintivo-error"
                                           : "distintivo-aviso",
                  {20, 20});
}

DibujoCursor CursorLapiz() { return {Imagen("cursor-lapiz", {32, 32}), {2, 29}}; }
DibujoCursor CursorGoma() { return {Imagen("cursor-goma", {32, 32}), {4, 27}}; }
DibujoCursor CursorMano() { return {Imagen("cursor-mano", {32, 32}), {13, 1}}; }

QPixmap Logo() { return Imagen("logo", {97, 44}); }
QPixmap Icono() { return Imagen("icono", {40, 41}); }
QPixmap Tiras() { return Imagen("tiras", {236, 77}); }
QPixmap CieloCareta(QSize tamano) { return Imagen("cielo-careta", tamano); }

}  // namespace vsp::ui::arte
