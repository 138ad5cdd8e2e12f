// The control pad: hit test, the repeat loop of the view and time arrows,
// the animation loop, the bottom button and its caption.
#include "ui/mandos/mando.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include <cmath>
#include <optional>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/mensajes.h"
#include "core/texto.h"
#include "sky/dibujo.h"
#include "sky/pasos_vista.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"
#include "time/tiempo.h"
#include "ui/dialogos/animar.h"
#include "ui/mandos/dial.h"
#include "ui/mandos/espera.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {


// The top of each row's keys; a key is 14 pixels high.
constexpr int ArribaFila[NumFilas] = {22, 65, 108, 151, 194};
constexpr int IzquierdaColumna[2] = {10, 41};
constexpr int YRotulo = 217;

struct Tecla {
    int fila;
    int columna;
};

// The arrow whose rectangle holds (x, y): left column x 10..33, right
// column x 41..63.
std::optional<Tecla> teclaEn(int x, int y) {
    const int columna = x >= 10 && x <= 33 ? 0 : x >= 41 && x <= 63 ? 1 : -1;
    if (columna < 0) return std::nullopt;
    for (int fila = 0; fila < NumFilas; ++fila)
        if (y >= ArribaFila[fila] && y <= ArribaFila[fila] + 13) return Tecla{fila, columna};
    return std::nullopt;
}

bool enRotulo(int x, int y) { return x >= 8 && x <= 66 && y >= 214 && y <= 229; }

void avisaTiempoReal() {
    MensajeBox("Animando en Tiempo Real",
               "En  este  momento  se  estan  animando  en  tiempo  real  las imágenes de la pantalla,   "
               "por lo tanto,   no se pueden utilizar los botones de  Fecha y Hora ni de  Animación del "
               "Panel de Control.",
               4, 1);
}

void redibuja() {
    if (avisos().Redibujo) avisos().Redibujo();
}

// The time step's direction: back for the left column, forward for the right.
void orientaPaso(int columna) {
    double& paso = Estado().PasoTiempo;
    paso = columna ? std::abs(paso) : -std::abs(paso);
}

void pasoDeFila(int fila, int columna) {
    switch (fila) {
    case FilaDireccion: columna ? DireccionMas() : DireccionMenos(); break;
    case FilaElevacion: columna ? ElevacionMas() : ElevacionMenos(); break;
    case FilaZoom: columna ? ZoomMas() : ZoomMenos(); break;
    case FilaTiempo:
        orientaPaso(columna);
        AvanzaTiempo();
        break;
    default: break;
    }
}

void dialesDeFila(int fila) {
    switch (fila) {
    case FilaDireccion: DibujaDialDireccion(); break;
    case FilaElevacion: DibujaDialElevacion(); break;
    case FilaZoom:
        DibujaDialZoom();
        DibujaDialElevacion();
        DibujaDialDireccion();
        break;
    default: break;
    }
}

QString consejo(int x, int y) {
    static const char* const consejos[NumFilas][2] = {
        {"Dirección: un grado menos  (←)", "Dirección: un grado más  (→)"},
        {"Elevación: un grado menos  (↓)", "Elevación: un grado más  (↑)"},
        {"Zoom: alejar medio punto  (−, rueda)", "Zoom: acercar medio punto  (+, rueda)"},
        {"Un paso de tiempo hacia atrás  (Av Pág)", "Un paso de tiempo hacia adelante  (Re Pág)"},
        {"Animar hacia atrás (otra pulsación la detiene)",
         "Animar hacia adelante (otra pulsación la detiene)  (Espacio)"}};
    if (enRotulo(x, y)) return QStringLiteral("Tiempo de Fecha/Hora y Animación");
    const auto t = teclaEn(x, y);
    return t ? QString::fromUtf8(consejos[t->fila][t->columna]) : QString();
}

}  // namespace

std::string TextoRotulo() {
    const ProgramState& e = Estado();
    const int unidad = e.UnidadAnima;
    const bool valida = unidad >= 1 && unidad <= NumUnidades;
    const std::string nombre = !valida ? "" : e.FactorAnima == 1 ? e.NombreUnidad[unidad] : e.NombreUnidades[unidad];
    return trimSpaces(Formato(static_cast<int>(e.FactorAnima), "##0") + nombre);
}

Mando::Mando(QWidget* padre) : QWidget(padre) {
    setFixedSize(TamanoMando);
    setMouseTracking(true);
    ajustaEscala();
}

void Mando::ajustaEscala() {
    const qreal dpr = devicePixelRatioF();
    if (!imagen_.isNull() && imagen_.devicePixelRatio() == dpr) return;
    imagen_ = FondoMando(dpr);
    if (!rotulo_.isEmpty()) PintaRotuloMando(imagen_, rotulo_, YRotulo);
}

void Mando::RotulaMando() {
    rotulo_ = QString::fromStdString(TextoRotulo());
    imagen_ = QImage();  // the background picture is shown again
    ajustaEscala();
    update();
}

void Mando::pulsaEn(int x, int y) {
    if (enRotulo(x, y)) {
        abreAnimar();
        return;
    }
    const auto t = teclaEn(x, y);
    ajustaEscala();
    if (!t || EsGrisFondo(imagen_, x, y)) return;
    if (t->fila == FilaAnimacion)
        anima(t->columna);
    else
        repite(t->fila, t->columna);
}

void Mando::pintaTecla(int fila, int columna, bool pulsada) {
    const QRect region = columna ? (pulsada ? hoja::TeclaArribaPulsada : hoja::TeclaArriba)
                                 : (pulsada ? hoja::TeclaAbajoPulsada : hoja::TeclaAbajo);
    const QPoint en(IzquierdaColumna[columna], ArribaFila[fila]);
    ajustaEscala();
    CopiaDeHoja(imagen_, region, en);
    repaint(QRect(en, region.size()));
}

void Mando::repite(int fila, int columna) {
    if (fila == FilaTiempo && Estado().TiempoRealActivo == 1) {
        avisaTiempoReal();
        return;
    }
    const bool vivo = RepiteMientrasPulsado(
        this,
        [this, fila, columna] {
            pintaTecla(fila, columna, true);
            PlaySonido(4);
            pasoDeFila(fila, columna);
            ActualizaPanel();
            dialesDeFila(fila);
        },
        [this, fila, columna] { pintaTecla(fila, columna, false); });
    if (!vivo) return;
    // The chart itself is drawn once, when the arrow is let go.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (fila == FilaZoom) FijaVentanaCielo();
    redibuja();
    QApplication::restoreOverrideCursor();
}

void Mando::unPaso(int fila, int columna) {
    if (fila < FilaDireccion || fila > FilaTiempo) return;
    if (fila == FilaTiempo && Estado().TiempoRealActivo == 1) {
        avisaTiempoReal();
        return;
    }
    pintaTecla(fila, columna, true);
    PlaySonido(4);
    pasoDeFila(fila, columna);
    ActualizaPanel();
    dialesDeFila(fila);
    if (fila == FilaZoom) FijaVentanaCielo();
    redibuja();
    pintaTecla(fila, columna, false);
}

void Mando::anima(int columna) {
    if (Estado().TiempoRealActivo == 1) {
        avisaTiempoReal();
        return;
    }
    // A press while an animation runs, on either arrow, stops it.
    Estado().Animando = Estado().Animando ? Falso : Verdadero;
    const QPointer<Mando> vivo(this);
    while (Estado().Animando && SigueEnPantalla(vivo)) {
        pintaTecla(FilaAnimacion, columna, true);
        orientaPaso(columna);
        AvanzaTiempo();
        redibuja();
        pintaTecla(FilaAnimacion, columna, false);
        Espera(30);
        QCoreApplication::processEvents();
    }
    if (!vivo) return;
    if (!window()->isVisible()) Estado().Animando = Falso;
    pintaTecla(FilaAnimacion, columna, false);
}

void Mando::abreAnimar() {
    // The bottom button sinks: its frame grey, dark along the top and left.
    ajustaEscala();
    QPainter(&imagen_).drawImage(MarcoRotulo.topLeft(),
                                 arte::Dibujo("mando-hundido", MarcoRotulo.size(), imagen_.devicePixelRatio()));
    repaint();
    Estado().Animando = Falso;
    emit ocultaDeshacer();

    Animar dialogo(window());
    connect(&dialogo, &Animar::rotulaMando, this, &Mando::RotulaMando);
    dialogo.adjustSize();
    const QRect principal = window()->geometry();
    dialogo.move(principal.x() + (principal.width() - dialogo.width()) / 2,
                 principal.y() + (principal.height() - dialogo.height()) / 2);
    Estado().BotonesActivos = Falso;  // the pad itself gets no pressed bevel
    dialogo.exec();
    Estado().BotonesActivos = Verdadero;
}

void Mando::paintEvent(QPaintEvent* ev) {
    ajustaEscala();
    QPainter p(this);
    p.drawImage(ev->rect(), imagen_, QRectF(QPointF(ev->rect().topLeft()) * imagen_.devicePixelRatio(),
                                            QSizeF(ev->rect().size()) * imagen_.devicePixelRatio()));
}

void Mando::mousePressEvent(QMouseEvent* ev) {
    pulsaEn(static_cast<int>(std::floor(ev->position().x())), static_cast<int>(std::floor(ev->position().y())));
}

void Mando::mouseReleaseEvent(QMouseEvent*) { Estado().BotonPulsado = Falso; }

void Mando::mouseMoveEvent(QMouseEvent* ev) {
    const int x = static_cast<int>(std::floor(ev->position().x()));
    const int y = static_cast<int>(std::floor(ev->position().y()));
    if (teclaEn(x, y) || enRotulo(x, y))
        PonCursor(this, Puntero::ManoIndice);
    else
        unsetCursor();
}

bool Mando::event(QEvent* ev) {
    if (ev->type() == QEvent::ToolTip) {
        const auto* ayuda = static_cast<QHelpEvent*>(ev);
        const QString texto = consejo(ayuda->pos().x(), ayuda->pos().y());
        if (texto.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(ayuda->globalPos(), texto, this);
        return true;
    }
    return QWidget::event(ev);
}

}  // namespace vsp::ui
