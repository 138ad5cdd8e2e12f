// The tests of the Qt parts run inside a QGuiApplication on the offscreen
// platform, so that fonts and painting work without a display, in
// surroundings of their own (entorno.h).
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "../entorno.h"

int main(int argc, char** argv) {
    vsp::AislaEntorno();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
