// The splash screen: its pictures are copied onto Pic_Careta one pixel
// higher at every step, a timer standing in for the wait between steps.
#include "ui/marco/careta.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/mandos/espera.h"
#include "ui/marco/arte_marco.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

constexpr QSize kTamano(290, 200);
constexpr int kArranque = 150;  // y of the first step
constexpr int kFinal = -201;    // y of the last step of a pass
constexpr int kPases = 2;
constexpr int16_t kEsperaPaso = 12;  // Espera(12) between steps

// Pic_Careta: the night sky with the three hidden source pictures Pic_Logo,
// Pic_Icono and Pic_Bmp (the text strips) copied onto it at height y.
class PicCareta : public QWidget {
public:
    explicit PicCareta(QWidget* padre)
        : QWidget(padre),
          cielo_(arte::CieloCareta(kTamano)),
          logo_(arte::Logo()),
          icono_(arte::Icono()),
          bmp_(arte::Tiras()) {
        setObjectName(QStringLiteral("Pic_Careta"));
        setFixedSize(kTamano);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    int y = kArranque;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(0, 0, cielo_);
        copia(p, logo_, QRect(0, 0, 97, 44), QPoint(31, y));
        copia(p, icono_, QRect(0, 0, 40, 41), QPoint(215, y + 2));
        copia(p, bmp_, QRect(0, 0, 219, 38), QPoint(37, y + 78));
        copia(p, bmp_, QRect(0, 38, 209, 23), QPoint(42, y + 135));
        copia(p, bmp_, QRect(0, 61, 236, 16), QPoint(26, y + 186));
        p.setPen(QColor(0x3a, 0x55, 0x8c));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    // Copies the rectangle `origen` (logical pixels) of `imagen` to `destino`.
    static void copia(QPainter& p, const QPixmap& imagen, QRect origen, QPoint destino) {
        const qreal r = imagen.devicePixelRatio();
        p.drawPixmap(QRectF(destino, origen.size()), imagen,
                     QRectF(origen.topLeft() * r, QSizeF(origen.size()) * r));
    }

    QPixmap cielo_, logo_, icono_, bmp_;
};

}  // namespace

// A plain frameless dialog rather than a splash-screen window: window
// managers keep the keyboard from splash windows, and a key must end it.
Careta::Careta(QWidget* padre) : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Careta"));
    setWindowTitle(QStringLiteral("VESPERA"));
    lienzo_ = new PicCareta(this);
    setFixedSize(kTamano);
    reloj_.setTimerType(Qt::PreciseTimer);
    reloj_.setInterval(qRound(DuracionEspera(kEsperaPaso) * 1000));
    connect(&reloj_, &QTimer::timeout, this, &Careta::siguientePaso);
}

void Careta::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    activateWindow();
    lienzo_->setFocus();
    if (pasos_ == 0) {
        dibujaPaso();
        reloj_.start();
    }
}

void Careta::dibujaPaso() {
    static_cast<PicCareta*>(lienzo_)->y = y_;
    lienzo_->repaint();
    ++pasos_;
}

// The wait after a step is over: move up one pixel, or start the second
// pass, or end.
void Careta::siguientePaso() {
    if (--y_ < kFinal) {
        y_ = kArranque;
        if (++pases_ > kPases) {
            reloj_.stop();
            accept();
            return;
        }
    }
    dibujaPaso();
}

// A key ends the splash; the step on screen was the last. A click does too:
// a user who clicks on a splash means to get past it.
void Careta::keyPressEvent(QKeyEvent*) {
    reloj_.stop();
    accept();
}

void Careta::mousePressEvent(QMouseEvent*) {
    reloj_.stop();
    accept();
}

void MuestraCareta() {
    Careta careta;
    careta.exec();
}

}  // namespace vsp::ui
