// Record fields: little-endian numbers at any offset and Windows-1252 text.
#include "catalog/lector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vsp {
namespace {

TEST(Lector, DecodesLittleEndianFieldsAtOddOffsets) {
    // An int16 at 1, a float at 3, a double at 7: no alignment anywhere.
    const std::vector<uint8_t> b = {0xAA, 0xFE, 0xFF, 0x00, 0x00, 0xC0, 0xBF, 0x00,
                                    0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x7F};
    const Registro r(b);
    EXPECT_EQ(r.entero(1), -2);
    EXPECT_EQ(r.simple(3), -1.5f);
    EXPECT_TRUE(std::isinf(r.doble(7)));
    EXPECT_FALSE(r.doblesFinitos({7}));
    EXPECT_TRUE(r.simplesFinitos({3}));
}

TEST(Lector, TextKeepsOneCharacterPerByte) {
    const std::vector<uint8_t> b = {'M', 0xE1, 'l', 'a', 'g', 'a', 0x80, 0x00, 0x81, 0xD1};
    EXPECT_EQ(cp1252AUtf8(b), "Málaga€ \xEF\xBF\xBDÑ");
    EXPECT_EQ(Registro(b).texto(1, 1), "á");
}

}  // namespace
}  // namespace vsp
