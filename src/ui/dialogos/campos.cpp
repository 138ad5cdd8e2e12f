// The typed boxes' focus and Enter behaviour.
#include "ui/dialogos/campos.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "core/avisos.h"
#include "sky/dibujo.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

std::function<void()> LeeEnEstado(QLineEdit* caja, void (*lee)(std::string_view), std::string ProgramState::*texto,
                                  void (*despues)()) {
    return [=] {
        lee(caja->text().toStdString());
        caja->setText(QString::fromStdString(Estado().*texto));
        if (despues) despues();
        ActualizaPanel();
    };
}

void CierraYRedibuja(QDialog* dialogo) {
    const CursorEspera espera;
    PlaySonido(5);
    if (Estado().CambiosPendientes && avisos().Redibujo) avisos().Redibujo();
    dialogo->done(QDialog::Accepted);
}

void CamposTecleo::agrega(QLineEdit* caja, int seleccion, std::function<void()> lee, QWidget* siguiente) {
    campos_.insert(caja, Campo{seleccion, std::move(lee), siguiente});
    caja->installEventFilter(this);
}

void CamposTecleo::lee(QLineEdit* caja) const {
    // A box passed through without typing keeps the state as it is: its text
    // is the state's, rounded for showing (a time to its minute, an
    // elevation to its degree).
    const auto c = campos_.constFind(caja);
    if (c != campos_.constEnd() && c->lee && caja->isModified()) c->lee();
}

void CamposTecleo::leeActivo() { lee(qobject_cast<QLineEdit*>(QApplication::focusWidget())); }

bool CamposTecleo::eventFilter(QObject* objeto, QEvent* evento) {
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    const auto c = campos_.constFind(caja);
    if (c == campos_.constEnd()) return false;
    switch (evento->type()) {
    case QEvent::FocusIn: {
        // After the box's own handling, which selects everything on a Tab; a
        // click places the cursor where it falls.
        if (static_cast<QFocusEvent*>(evento)->reason() == Qt::MouseFocusReason) break;
        QTimer::singleShot(0, caja, [caja, n = c->seleccion] {
            if (!caja->hasFocus()) return;
            if (n > 0)
                caja->setSelection(0, n);
            else
                caja->setCursorPosition(0);
        });
        break;
    }
    case QEvent::FocusOut: {
        // Another window coming up (a menu, a message, another program) does
        // not leave the box: it is read when the user really leaves it.
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) lee(caja);
        break;
    }
    case QEvent::KeyPress: {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) break;
        if (c->siguiente)
            c->siguiente->setFocus(Qt::OtherFocusReason);  // leaving the box reads it
        else
            lee(caja);
        return true;
    }
    default: break;
    }
    return false;
}

}  // namespace vsp::ui
