// The chart widget: it keeps the engine's Qt surface at its own size and
// pixel ratio, shows it, and turns mouse presses on the chart into centring
// and the telescope circle.
#include "ui/principal/lienzo_cielo.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "core/constantes.h"
#include "core/estado.h"
#include "programa/centrado.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

LienzoCielo::LienzoCielo(QWidget* padre) : QWidget(padre), superficie_(QSize(1, 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    superficie_.onRefresh = [this] { update(); };
}

void LienzoCielo::ajustaImagen() {
    const double dpr = devicePixelRatioF();
    const QSize pixeles = (QSizeF(size()) * dpr).toSize().expandedTo(QSize(1, 1));
    if (pixeles == superficie_.image().size() && dpr == superficie_.devicePixelRatio()) return;
    superficie_.resize(pixeles, dpr);
    ProgramState& e = Estado();
    e.ProporcionPantalla = static_cast<float>(width()) / std::max(1, height());
    FijaVentanaCielo();
    if (dibujado_) redibuja();
}

void LienzoCielo::resizeEvent(QResizeEvent*) { ajustaImagen(); }

void LienzoCielo::paintEvent(QPaintEvent*) {
    // Moved to a screen of another pixel ratio: draw again for it.
    if (devicePixelRatioF() != superficie_.devicePixelRatio()) ajustaImagen();
    QPainter p(this);
    if (!dibujado_) {
        p.fillRect(rect(), Qt::black);  // the empty window while the catalogues load
        return;
    }
    p.drawImage(QRectF(rect()), superficie_.image());
}

void LienzoCielo::redibuja() {
    ProgramState& e = Estado();
    // Every circle on the chart is drawn in exclusive-or, the one the redraw
    // puts back too, so that drawing it again always leaves the sky as it was.
    const int16_t telescopio = e.TelescopioVisible;
    e.TelescopioVisible = Falso;
    superficie_.setSmooth(e.CalidadImagen != Desactivado);
    DibujaCielo(superficie_);
    e.TelescopioVisible = telescopio;
    dibujado_ = true;
    if (telescopio) {
        trazaTelescopio();
        superficie_.refresh();
    }
}

void LienzoCielo::trazaTelescopio() {
    const ProgramState& e = Estado();
    SuperficieQt& s = superficie_;
    s.setDrawMode(ModoXor);
    s.setDrawWidth(1);
    s.setLineStyle(EstiloSolido);
    s.setFillStyle(RellenoTransparente);
    s.circle(e.TelescopioX, e.TelescopioY, e.TelescopioRadio, Rgb(255, 255, 0));
    s.setDrawMode(ModoCopia);
}

void LienzoCielo::borraTelescopio() {
    ProgramState& e = Estado();
    if (!e.TelescopioVisible) return;
    trazaTelescopio();
    e.TelescopioVisible = Falso;
    superficie_.refresh();
}

QPointF LienzoCielo::aCarta(QPointF posicion) const {
    return superficie_.toChart(posicion * superficie_.devicePixelRatio());
}

void LienzoCielo::mousePressEvent(QMouseEvent* evento) {
    const QPointF carta = aCarta(evento->position());
    if (evento->button() == Qt::LeftButton)
        centraEn(carta);
    else if (evento->button() == Qt::RightButton && Estado().Telescopio == Activado)
        colocaTelescopio(carta);
}

// The second press of a double click is not a click of its own.
void LienzoCielo::mouseDoubleClickEvent(QMouseEvent*) {}

void LienzoCielo::centraEn(QPointF carta) {
    ProgramState& e = Estado();
    const CursorEspera espera;
    PuntoACoordenadas(static_cast<float>(carta.x()), static_cast<float>(carta.y()), e.ClicAR, e.ClicDec,
                      e.CursorAltitud, e.CursorAzimut);
    if (e.ClicAR == SinPuntoCielo && e.ClicDec == SinPuntoCielo) return;  // off the sky
    CentraPunto();
}

void LienzoCielo::colocaTelescopio(QPointF carta) {
    ProgramState& e = Estado();
    if (e.TelescopioVisible) trazaTelescopio();  // removes the old circle
    e.TelescopioX = carta.x();
    e.TelescopioY = carta.y();
    trazaTelescopio();
    e.TelescopioVisible = Verdadero;
    superficie_.refresh();
}

void LienzoCielo::mouseMoveEvent(QMouseEvent* evento) {
    const QPointF carta = aCarta(evento->position());
    emit cursorSobre(carta.x(), carta.y());
}

}  // namespace vsp::ui
