// Driving windows as the user does: a named control looked up, the window
// made the active one (so that keys and focus reach it), a box typed over
// from a cursor position, over the whole of it, or over it and left with
// Tab, and a click on a control that repeats while held.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace vsp::ui {

// A named control of a window; a missing one fails the test that asked.
template <class T = QWidget>
T* control(const QObject* ventana, const char* nombre) {
    T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
    EXPECT_NE(c, nullptr) << nombre;
    return c;
}

// Shows a window and makes it the active one; false if it never became so.
inline bool MuestraActiva(QWidget* ventana) {
    ventana->show();
    QApplication::setActiveWindow(ventana);
    return QTest::qWaitForWindowActive(ventana);
}

// Keys typed over an overtype box from character `desde`, where a click
// put the cursor.
inline void Sobrescribe(QLineEdit* caja, int desde, const QString& teclas) {
    caja->setFocus(Qt::MouseFocusReason);
    caja->setCursorPosition(desde);
    QTest::keyClicks(caja, teclas);
}

// Keys typed over the whole of a box, which keeps the focus.
inline void TecleaEncima(QLineEdit* caja, const QString& teclas) {
    caja->setFocus(Qt::TabFocusReason);
    caja->selectAll();
    QTest::keyClicks(caja, teclas);
}

inline void EscribeYSale(QLineEdit* caja, const QString& tecleado) {
    caja->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();  // the box selects its first characters
    caja->selectAll();
    caja->del();
    QTest::keyClicks(caja, tecleado);
    QTest::keyClick(caja, Qt::Key_Tab);
}

// The pad and the spins run a loop of their own while the button is held:
// a release queued before the press reaches that loop at its first turn,
// as a short click's release does.
inline void SueltaLuego(QWidget* w, QPoint p) {
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}
inline void ClicSostenido(QWidget* w, QPoint p, int veces = 1) {
    for (int i = 0; i < veces; ++i) {
        SueltaLuego(w, p);
        QTest::mousePress(w, Qt::LeftButton, {}, p);
        QApplication::processEvents();  // a release nobody waited for
    }
}
// A spin's upper and lower keys.
inline const QPoint SpinArriba(12, 6), SpinAbajo(12, 22);

}  // namespace vsp::ui
