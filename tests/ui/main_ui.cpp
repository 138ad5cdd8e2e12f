// The window tests run inside a QApplication on the offscreen platform, in
// surroundings of their own (entorno.h).
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "../entorno.h"
#include "ui/marco/marco.h"

int main(int argc, char** argv) {
    vsp::AislaEntorno();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
    ::testing::InitGoogleTest(&argc, argv);
    const int resultado = RUN_ALL_TESTS();
    vsp::ui::TerminaSonidos();
    return resultado;
}
