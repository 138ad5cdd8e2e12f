// Typing into a dialog's box as the user does: entering it from the
// keyboard, typing over what it selected, and leaving it with Tab.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace vsp::ui {

inline void EscribeYSale(QLineEdit* caja, const QString& tecleado) {
    caja->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();  // the box selects its first characters
    caja->selectAll();
    caja->del();
    QTest::keyClicks(caja, tecleado);
    QTest::keyClick(caja, Qt::Key_Tab);
}

}  // namespace vsp::ui
