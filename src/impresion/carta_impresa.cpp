// The printed page. The chart is not the screen's pixels scaled up: it is
// drawn again through the raster surface at the device's resolution, so
// lines and labels stay sharp on paper, with the same centre and scale in
// chart units as the window, so that every star stands where the screen
// shows it. The strip's texts are drawn as text, not pixels.
#include "impresion/carta_impresa.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "programa/impresion.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"

namespace vsp {

namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr int kPixelesEtiqueta = 11;  // the surface's label font at ratio 1
constexpr double kEtiquetaMinimaPt = 5.5, kEtiquetaMaximaPt = 9;

int16_t mmEnteros(double mm) { return static_cast<int16_t>(std::clamp(std::floor(mm + 1e-6), 0.0, 32767.0)); }

// Chart units per pixel of a chart area of this size, with the state's
// chart window made for it.
double unidadesPorPixel(QSizeF area) {
    ProgramState& e = Estado();
    e.ProporcionPantalla = static_cast<float>(area.width() / area.height());
    FijaVentanaCielo();
    return std::abs(e.VentanaAncho) / area.width();
}

// The strip's font: the largest plain sans-serif, 11 pixels at most, in
// which every text fits its cell.
QFont fuenteTira(const std::array<TextoTira, 9>& textos) {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    for (int pixeles = kPixelesEtiqueta; pixeles > 6; --pixeles) {
        fuente.setPixelSize(pixeles);
        const QFontMetricsF medida(fuente);
        if (std::all_of(textos.begin(), textos.end(), [&](const TextoTira& t) {
                return t.x + medida.horizontalAdvance(QString::fromStdString(t.texto)) <= t.fin - 2;
            }))
            break;
    }
    return fuente;
}

}  // namespace

void FijaMedidasPagina(const QPageLayout& pagina) {
    const QRectF util = pagina.paintRect(QPageLayout::Millimeter);
    ProgramState& e = Estado();
    e.AnchoMaximoMm = mmEnteros(util.width());
    e.AltoMaximoMm = mmEnteros(util.height());
}

QImage CartaImpresa(QSize pixeles, double ppp, QSizeF pantalla) {
    ProgramState& e = Estado();
    pixeles = pixeles.expandedTo(QSize(1, 1));
    const float proporcion = e.ProporcionPantalla;
    // Dots and labels keep their size relative to the sky they have on the
    // screen, unless that makes the labels unreadable or coarse on paper.
    const double porPunto = ppp / 72.0 / kPixelesEtiqueta;
    double dpr = ppp / 96;
    if (pantalla.width() >= 1 && pantalla.height() >= 1) {
        const double enPantalla = unidadesPorPixel(pantalla);
        dpr = enPantalla / unidadesPorPixel(QSizeF(pixeles));
    } else {
        unidadesPorPixel(QSizeF(pixeles));
    }
    dpr = std::clamp(dpr, kEtiquetaMinimaPt * porPunto, kEtiquetaMaximaPt * porPunto);

    QImage imagen;
    {
        SuperficieQt superficie(pixeles, dpr);
        superficie.setSmooth(e.CalidadImagen != Desactivado);
        DibujaCielo(superficie);
        imagen = superficie.image();
    }
    e.ProporcionPantalla = proporcion;
    FijaVentanaCielo();
    return imagen;
}

void DibujaTira(QPainter& pintor, const QRectF& destino) {
    const std::array<TextoTira, 9> textos = TextosTira();
    pintor.save();
    pintor.translate(destino.topLeft());
    pintor.scale(destino.width() / AnchoTira, destino.height() / AltoTira);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    // Lines one strip pixel wide, through the middle of their pixels.
    pintor.setPen(QPen(QColor::fromRgb(ColorTira), 1, Qt::SolidLine, Qt::SquareCap));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(QRectF(0.5, 0.5, AnchoTira - 1, AltoTira - 1));
    for (const RayaTira& r : RayasTira) pintor.drawLine(QPointF(r.x1 + 0.5, r.y1 + 0.5), QPointF(r.x2 + 0.5, r.y2 + 0.5));

    const QFont fuente = fuenteTira(textos);
    pintor.setFont(fuente);
    pintor.setPen(Qt::black);
    const double ascenso = QFontMetricsF(fuente).ascent();
    for (const TextoTira& t : textos) pintor.drawText(QPointF(t.x, t.y + ascenso), QString::fromStdString(t.texto));
    pintor.restore();
}

void DibujaPagina(QPainter& pintor, QPagedPaintDevice& dispositivo, QSizeF pantalla) {
    const ProgramState& e = Estado();
    const double pppX = dispositivo.logicalDpiX(), pppY = dispositivo.logicalDpiY();
    const QRectF carta(0, 0, e.AnchoImpresion / kMmPorPulgada * pppX, e.AltoImpresion / kMmPorPulgada * pppY);
    const double ppp = std::min<double>(pppX, MaximoPuntosPorPulgada);
    const QSize pixeles(static_cast<int>(std::lround(carta.width() * ppp / pppX)),
                        static_cast<int>(std::lround(carta.height() * ppp / pppX)));
    pintor.save();
    // Stars are single pixels: no lossy compression may smear them.
    pintor.setRenderHint(QPainter::LosslessImageRendering);
    // The preview shows the page reduced: without smoothing, thin lines
    // would break up into dots.
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(carta, CartaImpresa(pixeles, ppp, pantalla));
    pintor.restore();
    if (e.ImprimirDatos == 1) {
        const double escala = pppX / 96;
        DibujaTira(pintor, QRectF(0, carta.height() + AltoTira / 2.0 * escala, AnchoTira * escala, AltoTira * escala));
    }
}

bool ImprimeCarta(QPagedPaintDevice& dispositivo, QSizeF pantalla) {
    PreparaImpresion();
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    DibujaPagina(pintor, dispositivo, pantalla);
    return pintor.end();
}

}  // namespace vsp
