// The program's message box and its attachment to the engine's MensajeBox.
#include "ui/marco/mensaje_box.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <QPointer>

#include <algorithm>
#include <vector>

#include "core/avisos.h"
#include "core/mensajes.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

// The box is laid out on a 16-pixel text line: (lineas × 16 + 125) pixels
// high. Larger fonts scale the fixed parts with them.
constexpr int kLineasMaximas = 30;
constexpr int kAltoTitulo = 32;
constexpr int kHolgura = 10;     // above and below the text
constexpr int kMargenTexto = 4;  // inside the text, top and bottom
constexpr int kAltoBotones = 50;
constexpr int kPie = 15;
static_assert(kAltoTitulo + 2 * kHolgura + 2 * kMargenTexto + kAltoBotones + kPie == 125);
constexpr int kMargenLateral = 18;
constexpr int kSeparacionBotones = 40;
constexpr int kLetrasPorLinea = 54;

bool soloModificador(int tecla) {
    switch (tecla) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock: return true;
        default: return false;
    }
}

// While the box is up the pointer is the normal one, whatever hourglass a
// long operation had set; the caller's pointers come back afterwards.
class PunteroNormal {
public:
    PunteroNormal() {
        while (const QCursor* c = QGuiApplication::overrideCursor()) {
            guardados_.push_back(*c);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~PunteroNormal() {
        for (auto c = guardados_.rbegin(); c != guardados_.rend(); ++c)
            QGuiApplication::setOverrideCursor(*c);
    }
    PunteroNormal(const PunteroNormal&) = delete;
    PunteroNormal& operator=(const PunteroNormal&) = delete;

private:
    std::vector<QCursor> guardados_;
};

}  // namespace

Mensajes::Mensajes(const QString& titulo, const QString& texto, int lineas, int tipo,
                   QWidget* padre)
    : QDialog(padre), pregunta_(EsPregunta(static_cast<int16_t>(tipo))) {
    setObjectName(QStringLiteral("Mensajes"));
    setWindowTitle(QStringLiteral("VESPERA"));
    setFocusPolicy(Qt::StrongFocus);

    const QFontMetrics medida(font());
    const int linea = medida.lineSpacing();
    const double escala = std::max(1.0, linea / 16.0);
    const auto px = [escala](int v) { return qRound(v * escala); };
    lineas = std::clamp(lineas, 1, kLineasMaximas);
    const int ancho =
        std::max(px(400), kLetrasPorLinea * medida.averageCharWidth() + 2 * px(kMargenLateral));
    const int altoTexto = lineas * linea + 2 * px(kMargenTexto);
    const int alto = lineas * linea +
                     px(kAltoTitulo + 2 * kHolgura + 2 * kMargenTexto + kAltoBotones + kPie);
    setFixedSize(ancho, alto);

    auto* tituloLinea = new QLineEdit(titulo, this);
    tituloLinea->setObjectName(QStringLiteral("Tex_Titulo"));
    tituloLinea->setReadOnly(true);
    tituloLinea->setFocusPolicy(Qt::NoFocus);
    tituloLinea->setFrame(false);
    tituloLinea->addAction(QIcon(arte::Distintivo(pregunta_              ? arte::Signo::Pregunta
                                                   : tipo == TipoError ? arte::Signo::Error
                                                                       : arte::Signo::Aviso)), QLineEdit::LeadingPosition);
    tituloLinea->setStyleSheet(QStringLiteral(
        "QLineEdit { color: white; font-weight: bold; padding-left: 6px; border: none;"
        " border-bottom: 1px solid #0d1526;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2f4a7d, stop:1 #1a2b4d); }"));
    tituloLinea->setGeometry(0, 0, ancho, px(kAltoTitulo));

    auto* mensaje = new QTextEdit(this);
    mensaje->setObjectName(QStringLiteral("Tex_Mensaje"));
    mensaje->setPlainText(QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    mensaje->setReadOnly(true);
    mensaje->setWordWrapMode(QTextOption::WordWrap);
    mensaje->setFocusPolicy(Qt::NoFocus);
    mensaje->setFrameShape(QFrame::NoFrame);
    mensaje->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mensaje->document()->setDocumentMargin(px(kMargenTexto));
    QPalette fondo = mensaje->palette();
    fondo.setColor(QPalette::Base, palette().color(QPalette::Window));
    mensaje->setPalette(fondo);
    mensaje->setGeometry(px(kMargenLateral), px(kAltoTitulo + kHolgura),
                         ancho - 2 * px(kMargenLateral), altoTexto);

    const int arribaBotones = alto - px(kPie + kAltoBotones);
    if (pregunta_) {
        auto* si = new BotonImagen(arte::BotonSi(), QStringLiteral("Aceptar"), this);
        si->setObjectName(QStringLiteral("Pic_Si"));
        auto* no = new BotonImagen(arte::BotonNo(), QStringLiteral("Cancelar"), this);
        no->setObjectName(QStringLiteral("Pic_No"));
        const int izquierda = (ancho - si->width() - px(kSeparacionBotones) - no->width()) / 2;
        si->move(izquierda, arribaBotones);
        no->move(izquierda + si->width() + px(kSeparacionBotones), arribaBotones);
        connect(si, &QAbstractButton::clicked, this, [this] { responde(true); });
        connect(no, &QAbstractButton::clicked, this, [this] { responde(false); });
    } else {
        auto* salir = BotonDeSalida(this);
        salir->move((ancho - salir->width()) / 2, arribaBotones);
        connect(salir, &QAbstractButton::pressed, this, [this] {
            PlaySonido(5);
            accept();
        });
    }
}

void Mensajes::responde(bool acepta) {
    PlaySonido(9);
    respuesta_ = acepta;
    if (acepta)
        accept();
    else
        reject();
}

// A key held down since before the box appeared (the Enter that asked for
// the action) repeats, but is no answer; nor is a modifier on its own.
// Escape always backs out: it answers a question with No.
void Mensajes::keyPressEvent(QKeyEvent* evento) {
    if (evento->isAutoRepeat() || soloModificador(evento->key())) return;
    const bool escape = evento->key() == Qt::Key_Escape;
    if (pregunta_)
        responde(!escape);
    else
        accept();
}

bool MuestraMensaje(QWidget* padre, const QString& titulo, const QString& texto, int lineas,
                    int tipo) {
    static QPointer<Mensajes> abierto;
    if (abierto) abierto->reject();
    Mensajes caja(titulo, texto, lineas, tipo, padre);
    abierto = &caja;
    const PunteroNormal puntero;
    caja.exec();
    return caja.respuesta();
}

void InstalaMensajes(QWidget* principal) {
    const QPointer<QWidget> padre(principal);
    avisos().Mensaje = [padre](const std::string& titulo, const std::string& texto,
                               int16_t lineas, int16_t tipo) {
        return MuestraMensaje(padre, QString::fromStdString(titulo), QString::fromStdString(texto),
                              lineas, tipo);
    };
}

}  // namespace vsp::ui
