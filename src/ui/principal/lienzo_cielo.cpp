// The chart widget: it keeps the engine's Qt surface at its own size and
// pixel ratio, shows it, and turns mouse presses on the chart into centring
// and the telescope circle.
#include "ui/principal/lienzo_cielo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "programa/centrado.h"
#include "sky/dibujo.h"
#include "sky/localizacion.h"
#include "sky/pasos_vista.h"
#include "sky/proyeccion.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

// A press that moves less than this many pixels is still a click.
constexpr int kUmbralArrastre = 4;

}  // namespace

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
    if (evento->button() == Qt::LeftButton) {
        // A click centres on release; a press that moves becomes a drag.
        Arrastre a;
        a.desde = evento->position();
        double ar, dec;
        float altitud, azimut;
        PuntoACoordenadas(static_cast<float>(carta.x()), static_cast<float>(carta.y()), ar, dec, altitud, azimut);
        a.enCielo = !(ar == SinPuntoCielo && dec == SinPuntoCielo);
        a.altitud = altitud;
        a.azimut = azimut;
        arrastre_ = a;
    } else if (evento->button() == Qt::RightButton && Estado().Telescopio == Activado) {
        colocaTelescopio(carta);
    }
}

void LienzoCielo::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton || !arrastre_) return;
    const Arrastre a = *arrastre_;
    arrastre_.reset();
    if (a.moviendo)
        TerminaArrastre();
    else
        centraEn(aCarta(a.desde));
}

void LienzoCielo::wheelEvent(QWheelEvent* evento) {
    // Eighths of a degree; a notch is 15 degrees, finer wheels add up to one.
    octavosRueda_ += evento->angleDelta().y();
    const int muescas = octavosRueda_ / 120;
    octavosRueda_ -= muescas * 120;
    if (muescas) emit rueda(muescas);
    evento->accept();
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
    if (arrastre_ && arrastre_->enCielo && (evento->buttons() & Qt::LeftButton)) {
        Arrastre& a = *arrastre_;
        if (!a.moviendo && (evento->position() - a.desde).manhattanLength() >= kUmbralArrastre) {
            a.moviendo = true;
            EmpiezaArrastre();
        }
        if (a.moviendo &&
            ArrastraVista(static_cast<float>(carta.x()), static_cast<float>(carta.y()), a.altitud, a.azimut)) {
            MuestraLocalizacion();
            if (avisos().Redibujo) avisos().Redibujo();
        }
    }
    emit cursorSobre(carta.x(), carta.y());
}

}  // namespace vsp::ui
