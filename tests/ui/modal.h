// Driving modal windows from the tests: an action runs on the modal window
// as soon as it is up (however long it takes to appear), and a window the
// action leaves open is closed after a few seconds as a failure, so a fault
// never hangs the test program.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace vsp::ui {

inline void alAparecer(std::function<void(QWidget*)> accion, int intentos = 500) {
    QTimer::singleShot(10, [accion, intentos] {
        QWidget* ventana = QApplication::activeModalWidget();
        if (!ventana || !ventana->isVisible()) {
            if (intentos > 0) return alAparecer(accion, intentos - 1);
            ADD_FAILURE() << "no modal window came up";
            return;
        }
        accion(ventana);
        QTimer::singleShot(5000, ventana, [abierta = QPointer<QWidget>(ventana)] {
            if (!abierta || !abierta->isVisible()) return;
            ADD_FAILURE() << "the window stayed open";
            abierta->close();
        });
    });
}

}  // namespace vsp::ui
