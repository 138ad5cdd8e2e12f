// The frame's cursors and picture buttons: the three pointers of the program
// ("Lapiz", "Goma", "ManoIndice"), how controls get them, and the picture
// button every dialog builds its close button from.
#include "ui/marco/marco.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QToolTip>
#include <QTranslator>

#include <array>

#include "ui/marco/arte_marco.h"

namespace vsp::ui {

namespace {

// The cursors live as long as the application object: built on first use and
// parented to it, so they are released before the window system goes away.
class Cursores : public QObject {
public:
    explicit Cursores(QObject* padre) : QObject(padre) {
        const arte::DibujoCursor dibujos[] = {arte::CursorLapiz(), arte::CursorGoma(),
                                              arte::CursorMano()};
        for (size_t k = 0; k < lista.size(); ++k)
            lista[k] = QCursor(dibujos[k].imagen, dibujos[k].punta.x(), dibujos[k].punta.y());
    }
    std::array<QCursor, 3> lista;
};

}  // namespace

bool TextosDeQtEnEspanol() {
    static QTranslator traductor;  // lives as long as the application's texts
    if (!traductor.isEmpty()) return true;
    // "qt_es" gathers the catalogues of every Qt module that has one.
    return traductor.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&traductor);
}

void ConsejosLegibles() {
    QPalette paleta = QToolTip::palette();
    paleta.setColor(QPalette::ToolTipBase, QColor(0xfd, 0xf8, 0xe4));
    paleta.setColor(QPalette::ToolTipText, QColor(0x1b, 0x22, 0x30));
    paleta.setColor(QPalette::Window, QColor(0xfd, 0xf8, 0xe4));
    paleta.setColor(QPalette::WindowText, QColor(0x1b, 0x22, 0x30));
    QToolTip::setPalette(paleta);
}

const QCursor& CursorPrograma(Puntero p) {
    static QPointer<Cursores> cursores;
    if (!cursores) cursores = new Cursores(qApp);
    return cursores->lista[static_cast<size_t>(p)];
}

void PonCursor(QWidget* control, Puntero p) {
    if (control) control->setCursor(CursorPrograma(p));
}

void CursorCasilla(QAbstractButton* casilla) {
    if (casilla) PonCursor(casilla, casilla->isChecked() ? Puntero::Goma : Puntero::Lapiz);
}

QFont FuenteFija(int pixeles) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    if (pixeles > 0) f.setPixelSize(pixeles);
    return f;
}

CursorEspera::CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
CursorEspera::~CursorEspera() { QApplication::restoreOverrideCursor(); }

QPixmap ImagenSalir() { return arte::BotonSalir(); }

// ---------------------------------------------------------------------------
// BotonImagen

BotonImagen::BotonImagen(const QPixmap& imagen, const QString& consejo, QWidget* padre)
    : QAbstractButton(padre), imagen_(imagen) {
    setToolTip(consejo);
    setAccessibleName(consejo);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    PonCursor(this, Puntero::ManoIndice);
    setFixedSize(sizeHint());
}

QSize BotonImagen::sizeHint() const { return imagen_.deviceIndependentSize().toSize(); }

void BotonImagen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRectF cara(QPointF(0, 0), imagen_.deviceIndependentSize());
    cara.moveCenter(QRectF(rect()).center());
    if (!isEnabled()) p.setOpacity(0.45);
    if (isDown()) cara.translate(1, 1);
    p.drawPixmap(cara, imagen_, imagen_.rect());

    const QRectF borde = cara.adjusted(1.5, 1.5, -1.5, -1.5);
    if (isDown()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x1c, 0x3c, 50));
        p.drawRoundedRect(borde, 8, 8);
    } else if ((underMouse() || hasFocus()) && isEnabled()) {
        p.setPen(QPen(QColor(0x4f, 0x86, 0xd8), hasFocus() ? 2.2 : 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(borde, 8, 8);
    }
}

void BotonImagen::keyPressEvent(QKeyEvent* ev) {
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(ev);
}

BotonImagen* BotonDeSalida(QWidget* padre) {
    auto* salir = new BotonImagen(ImagenSalir(), QStringLiteral("Salir de esta ventana"), padre);
    salir->setObjectName(QStringLiteral("Pic_BotSalir"));
    return salir;
}

}  // namespace vsp::ui

