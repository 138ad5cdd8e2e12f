// Driving a dialog's boxes as the user does: the dialog shown as the
// active window (so that keys and focus reach it), and a box entered from
// the keyboard, typed over what it selected, and left with Tab.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace vsp::ui {

// Shows a window and makes it the active one; false if it never became so.
inline bool MuestraActiva(QWidget* ventana) {
    ventana->show();
    QApplication::setActiveWindow(ventana);
    return QTest::qWaitForWindowActive(ventana);
}

inline void EscribeYSale(QLineEdit* caja, const QString& tecleado) {
    caja->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();  // the box selects its first characters
    caja->selectAll();
    caja->del();
    QTest::keyClicks(caja, tecleado);
    QTest::keyClick(caja, Qt::Key_Tab);
}

}  // namespace vsp::ui
