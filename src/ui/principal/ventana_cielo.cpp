// The main window: its controls and their places, the buttons' common
// behaviour (sound, end of any animation, the undo button hidden, clicks
// ignored while an action is open, the pressed look for its length), the
// exit question, the undo of a centring and the engine's notifications.
#include "ui/principal/ventana_cielo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QImage>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <initializer_list>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/mensajes.h"
#include "programa/centrado.h"
#include "raster/exporta.h"
#include "ui/dialogos/buscar.h"
#include "ui/dialogos/cargaguar.h"
#include "ui/dialogos/hora.h"
#include "ui/dialogos/impresor.h"
#include "ui/dialogos/locali.h"
#include "ui/dialogos/objetos.h"
#include "ui/dialogos/personal.h"
#include "ui/mandos/mando.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/marco.h"
#include "ui/principal/lienzo_cielo.h"
#include "ui/principal/panel_cursor.h"
#include "ui/principal/panel_localizacion.h"
#include "ui/principal/panel_muestra.h"
#include "ui/principal/tiempo_real.h"

namespace vsp::ui {

namespace {

constexpr int kMargen = 10;    // panels from the window's edges
constexpr int kHueco = 8;      // between panels
constexpr int kAltoDeshacer = 28;

// The buttons whose action makes the last centring's undo meaningless.
bool ocultaDeshacer(Boton b) { return b != Boton::Impri && b != Boton::Salir && b != Boton::Ayuda; }

void abre(const std::function<void()>& dialogo) {
    if (dialogo) dialogo();
}

}  // namespace

VentanaCielo::VentanaCielo(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("Cielo"));
    setWindowTitle(QStringLiteral("VESPERA - Planetario"));
    setWindowIcon(QIcon(arte::Icono()));
    setMinimumSize(800, 600);
    qApp->installEventFilter(this);
    const QRect pantalla = screen()->availableGeometry();
    resize(pantalla.size() * 0.9);
    move(pantalla.center() - rect().center());

    lienzo_ = new LienzoCielo(this);
    botonera_ = new Botonera(this);
    local_ = new PanelLocalizacion(this);
    cursor_ = new PanelCursor(this);
    muestra_ = new PanelMuestra(this);
    mando_ = new Mando(this);
    mando_->setObjectName(QStringLiteral("Pic_Mando"));
    deshacer_ = new QPushButton(QIcon(ImagenDeshacer()), QStringLiteral("Deshacer"), this);
    deshacer_->setObjectName(QStringLiteral("Bot_Undo"));
    deshacer_->setToolTip(QStringLiteral("Volver a la situación anterior al último centrado"));
    deshacer_->setFocusPolicy(Qt::NoFocus);
    deshacer_->setIconSize(QSize(14, 14));
    deshacer_->setStyleSheet(QStringLiteral(
        "QPushButton { color: #1f3358; font: bold 11px 'DejaVu Sans'; border: 1px solid #6f7d98;"
        " border-radius: 6px; padding: 0 5px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fdfdff, stop:1 #cfd8e6); }"
        "QPushButton:hover { border-color: #4f86d8; }"
        "QPushButton:pressed { background: #c3cddd; padding-top: 2px; }"));
    // As wide as the pad above it, unless its caption needs more.
    deshacer_->setFixedSize(std::max(mando_->width(), deshacer_->sizeHint().width()), kAltoDeshacer);
    deshacer_->hide();
    new RelojTiempoReal(local_->textoTiempoReal(), this);
    locali_ = new Locali(this);
    hora_ = new Hora(this);
    objetos_ = new Objetos(this);
    buscar_ = new Buscar(this);
    dialogos.Locali = [this] { abreCentrado(locali_); };
    dialogos.Hora = [this] { abreCentrado(hora_); };
    dialogos.Objetos = [this] { abreCentrado(objetos_); };
    dialogos.Personal = [this] {
        Personal personal(this);
        abreCentrado(&personal);
    };
    dialogos.Impresor = [this] {
        Impresor impresor(lienzo_->size(), this);
        abreCentrado(&impresor);
    };
    dialogos.Buscar = [this] { buscar_->exec(); };  // where the user left it
    dialogos.Guardar = [this] {
        CargaGuar guardar(this);
        abreCentrado(&guardar);
    };
    dialogos.Cargar = [this] {
        CargaGuar cargar(this);
        abreCentrado(&cargar);
        return cargar.cargada();
    };

    // Start-up: buttons active, the hand over every button.
    Estado().BotonesActivos = Verdadero;
    PonCursor(deshacer_, Puntero::ManoIndice);
    // Their sizes, before the first layout places them.
    for (QWidget* panel : std::initializer_list<QWidget*>{botonera_, local_, cursor_}) panel->adjustSize();

    connect(botonera_, &Botonera::pulsado, this, &VentanaCielo::pulsaBoton);
    connect(local_, &PanelLocalizacion::pideLocalizacion, this, [this] { pulsaBoton(Boton::Local); });
    connect(local_, &PanelLocalizacion::pideFechaHora, this, [this] { pulsaBoton(Boton::Hora); });
    connect(local_, &PanelLocalizacion::pideAnimacion, this, [this] { mando_->pulsaEn(8, 214); });
    connect(lienzo_, &LienzoCielo::cursorSobre, cursor_, &PanelCursor::muestraPunto);
    connect(lienzo_, &LienzoCielo::rueda, this, [this](int muescas) {
        for (int i = 0; i < std::abs(muescas); ++i) mando_->unPaso(FilaZoom, muescas > 0 ? 1 : 0);
    });
    instalaAtajos();
    pideArchivoExportar = [this] {
        const QString propuesta = QDir(QString::fromStdString(Estado().CarpetaTrabajo)).filePath(QStringLiteral("carta.png"));
        QString filtro;
        QString ruta = QFileDialog::getSaveFileName(
            this, QStringLiteral("Exportar la carta"), propuesta,
            QStringLiteral("Imagen PNG (*.png);;Imagen JPEG (*.jpg *.jpeg);;Dibujo vectorial SVG (*.svg);;"
                           "Documento PDF (*.pdf)"),
            &filtro);
        // A name typed without its extension takes the chosen format's.
        if (!ruta.isEmpty() && !FormatoDe(QFile::encodeName(ruta).toStdString()))
            ruta += filtro.contains(QLatin1String("svg"))   ? QStringLiteral(".svg")
                    : filtro.contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                    : filtro.contains(QLatin1String("jpg")) ? QStringLiteral(".jpg")
                                                            : QStringLiteral(".png");
        return ruta;
    };
    connect(mando_, &Mando::ocultaDeshacer, deshacer_, &QWidget::hide);
    connect(deshacer_, &QPushButton::clicked, this, [] {
        const CursorEspera espera;
        DeshazCentrado();
    });
}

VentanaCielo::~VentanaCielo() {
    Avisos& a = avisos();
    a.VentanaPrincipal = nullptr;
    a.Redibujo = nullptr;
    a.Panel = nullptr;
    a.Ventanas = nullptr;
    a.Leyenda = nullptr;
    a.BorraTelescopio = nullptr;
}

void VentanaCielo::InstalaAvisos() {
    Avisos& a = avisos();
    a.VentanaPrincipal = [this] {
        show();
        QCoreApplication::processEvents();
    };
    a.Redibujo = [this] { redibujaCielo(); };
    a.Panel = [this] { local_->actualiza(); };
    a.Ventanas = [this] { aplicaPaneles(); };
    a.Leyenda = [this] { muestra_->DibujaMuestra(lienzo_->height()); };
    a.BorraTelescopio = [this] { lienzo_->borraTelescopio(); };
    a.Preferencias = GuardaPreferencias;
}

void VentanaCielo::redibujaCielo() {
    // Until the pointer first moves over it, the read-out tells the first
    // chart's centre rather than stand empty.
    const bool primero = !lienzo_->dibujado();
    lienzo_->redibuja();
    if (primero) cursor_->muestraPunto(0, 0);
    // Only the redraw that follows a centring shows the undo button.
    deshacer_->setVisible(Estado().BotUndoVisible != Falso);
}

void VentanaCielo::aplicaPaneles() {
    const ProgramState& e = Estado();
    local_->setVisible(e.PanelLocalizacion == Activado);
    cursor_->setVisible(e.PanelCursor == Activado);
    mando_->RotulaMando();
    mando_->setVisible(e.PanelControl == Activado);
    if (e.PanelObjetos == Activado) muestra_->DibujaMuestra(lienzo_->height());
    muestra_->setVisible(e.PanelObjetos == Activado);
    locali_->muestra();
    hora_->muestra();
    objetos_->muestra();
    // A load always clears real-time running: the clock stops with it.
    if (e.TiempoRealActivo != 1) AplicaTiempoReal();
}

// ---- Places ------------------------------------------------------------------

void VentanaCielo::resizeEvent(QResizeEvent*) {
    colocaPaneles();
    // Last, so that the legend the new chart window asks for has its new size.
    lienzo_->setGeometry(rect());
}

void VentanaCielo::colocaPaneles() {
    botonera_->move(kMargen, kMargen);
    local_->move(kMargen, botonera_->geometry().bottom() + 1 + kHueco);
    cursor_->move(kMargen, height() - kMargen - cursor_->height());
    // The pad stands at the right edge, the undo button right under it, the
    // legend below them.
    mando_->move(width() - mando_->width(), kMargen);
    deshacer_->move(width() - deshacer_->width(), mando_->geometry().bottom() + 1);
    const int arriba = deshacer_->geometry().bottom() + 1 + kHueco;
    muestra_->ajustaAlto(height() - arriba - kMargen);
    muestra_->move(width() - kMargen - muestra_->width(), arriba);
}

// ---- Buttons -------------------------------------------------------------------

void VentanaCielo::abreCentrado(QDialog* dialogo) {
    // Its final size first: styled, laid out.
    dialogo->ensurePolished();
    if (dialogo->layout()) dialogo->layout()->activate();
    dialogo->adjustSize();
    // The client areas centred on each other (move() would place the frame).
    const QRect ventana = geometry();
    dialogo->setGeometry(QRect(ventana.topLeft() + QPoint(ventana.width() - dialogo->width(),
                                                          ventana.height() - dialogo->height()) / 2,
                               dialogo->size()));
    dialogo->exec();
}

void VentanaCielo::DescoBotones(QWidget* control) {
    Estado().BotonesActivos = Falso;
    if (auto* boton = qobject_cast<BotonImagen*>(control); boton && boton->parent() == botonera_)
        boton->setDown(true);
}

void VentanaCielo::pulsaBoton(Boton b) {
    ProgramState& e = Estado();
    PlaySonido(9);
    e.Animando = Falso;
    if (ocultaDeshacer(b)) deshacer_->hide();
    if (!e.BotonesActivos && b != Boton::Ayuda) return;
    BotonImagen* boton = botonera_->boton(b);
    DescoBotones(boton);

    bool cargada = false;
    switch (b) {
        case Boton::Busca: abre(dialogos.Buscar); break;
        case Boton::Carga:
            e.ModoCargaGuar = 1;
            cargada = dialogos.Cargar && dialogos.Cargar();
            break;
        case Boton::Guard:
            e.ModoCargaGuar = 2;
            abre(dialogos.Guardar);
            break;
        case Boton::Hora: abre(dialogos.Hora); break;
        case Boton::Impri: abre(dialogos.Impresor); break;
        case Boton::Perso: abre(dialogos.Personal); break;
        case Boton::Local: abre(dialogos.Locali); break;
        case Boton::Objet: abre(dialogos.Objetos); break;
        case Boton::Salir:
            if (confirmaSalida()) {
                QCoreApplication::exit(0);  // nothing is saved
                return;
            }
            break;
        case Boton::Ayuda: AbreAyuda(this); break;
    }
    boton->setDown(false);
    e.BotonesActivos = Verdadero;
    // A configuration saved with its animation starts it again.
    if (cargada && e.IncluirAnima == 1) mando_->pulsaEn(50, 200);
}

void VentanaCielo::instalaAtajos() {
    const auto atajo = [this](const QKeySequence& tecla, std::function<void()> accion) {
        auto* s = new QShortcut(tecla, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, std::move(accion));
    };
    struct Flecha {
        QKeyCombination tecla;
        int fila, columna;
    };
    const Flecha flechas[] = {
        {Qt::Key_Left, FilaDireccion, 0},   {Qt::Key_Right, FilaDireccion, 1},
        {Qt::Key_Down, FilaElevacion, 0},   {Qt::Key_Up, FilaElevacion, 1},
        {Qt::Key_Minus, FilaZoom, 0},       {Qt::Key_Plus, FilaZoom, 1},
        {Qt::Key_Equal, FilaZoom, 1},  // "+" without Shift on many keyboards
        {Qt::KeypadModifier | Qt::Key_Minus, FilaZoom, 0}, {Qt::KeypadModifier | Qt::Key_Plus, FilaZoom, 1},
        {Qt::Key_PageDown, FilaTiempo, 0},  {Qt::Key_PageUp, FilaTiempo, 1},
    };
    for (const Flecha& f : flechas) atajo(QKeySequence(f.tecla), [this, f] { mando_->unPaso(f.fila, f.columna); });
    atajo(QKeySequence(Qt::Key_Space), [this] { mando_->pulsaEn(50, 200); });  // the forward animation arrow
    for (int i = 0; i < NumBotones; ++i)
        if (const Boton b = static_cast<Boton>(i); !AtajoBoton(b).isEmpty())
            atajo(AtajoBoton(b), [this, b] { pulsaBoton(b); });
    atajo(QKeySequence::Undo, [this] {
        if (deshacer_->isVisible()) deshacer_->click();
    });
    atajo(QKeySequence(Qt::Key_F11), [this] { cambiaPantallaCompleta(); });
    atajo(QKeySequence(Qt::Key_Escape), [this] {
        if (isFullScreen()) cambiaPantallaCompleta();
    });
    atajo(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { exportaCarta(); });
}

void VentanaCielo::cambiaPantallaCompleta() {
    if (isFullScreen()) {
        if (maximizadaAntes_)
            showMaximized();
        else
            showNormal();
    } else {
        maximizadaAntes_ = isMaximized();
        showFullScreen();
    }
}

void VentanaCielo::exportaCarta() {
    if (!pideArchivoExportar) return;
    const QString ruta = pideArchivoExportar();
    if (ruta.isEmpty()) return;
    int error;
    {
        const CursorEspera espera;
        const QImage& imagen = lienzo_->superficie().image();
        error = ExportaCarta(QFile::encodeName(ruta).toStdString(), lienzo_->size(), &imagen);
    }
    if (error)
        MensajeBox("Exportar la carta",
                   "No se ha podido escribir el archivo  «" + ruta.toStdString() + "».  " +
                       (error == EINVAL ? std::string("El nombre debe terminar en  .png,  .jpg,  .svg  o  .pdf")
                                        : TextoErrorSistema(error)) +
                       ".",
                   3, TipoError);
}

bool VentanaCielo::confirmaSalida() {
    ProgramState& e = Estado();
    e.RespuestaMensaje = Verdadero;
    MensajeBox("Salir de VESPERA",
               "Va a abandonar el programa  VESPERA.   Para confirmarlo pulse el  Botón  Aceptar.   "
               "Para volver al programa pulse el Botón Cancelar.",
               3, 2);
    return e.RespuestaMensaje != Falso;
}

// A desktop without a window manager gives the focus back to nobody when a
// dialog or message closes, and the keyboard would reach no window until
// something is clicked: the dialog still open under it, or the main window,
// takes it back.
bool VentanaCielo::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Hide && objeto != this && qobject_cast<QDialog*>(objeto))
        QTimer::singleShot(0, this, [this] {
            if (!isVisible() || QApplication::activeWindow()) return;
            QWidget* debajo = QApplication::activeModalWidget();
            (debajo ? debajo : this)->activateWindow();
        });
    return QWidget::eventFilter(objeto, evento);
}

// Closing the window from its frame asks what the exit button asks.
void VentanaCielo::closeEvent(QCloseEvent* evento) {
    if (!confirmaSalida()) {
        evento->ignore();
        return;
    }
    // A running animation or held arrow must not keep the program alive.
    ProgramState& e = Estado();
    e.Animando = Falso;
    e.BotonPulsado = Falso;
    evento->accept();
}

}  // namespace vsp::ui
