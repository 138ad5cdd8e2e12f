// The engine's tests, in surroundings of their own (entorno.h).
#include <gtest/gtest.h>

#include "entorno.h"

int main(int argc, char** argv) {
    vsp::AislaEntorno();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
