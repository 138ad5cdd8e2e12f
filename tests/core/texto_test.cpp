// Fixed-width UTF-8 texts: accented letters and the degree sign count as one
// character each.
#include "core/texto.h"

#include <gtest/gtest.h>

namespace vsp {
namespace {

TEST(Texto, CountsAndCutsByCharacters) {
    EXPECT_EQ(utf8Length("Cúm.Abiert. M. 1"), 16u);
    EXPECT_EQ(utf8Length(" 45° 00' 00\""), 12u);
    EXPECT_EQ(rightChars("123° 27' 21\"", 11), "23° 27' 21\"");
    EXPECT_EQ(rightChars("ab", 5), "ab");
    EXPECT_EQ(leftChars("Málaga", 2), "Má");
    EXPECT_EQ(leftChars("ab", 5), "ab");
}

TEST(Texto, PadsAndTrims) {
    EXPECT_EQ(padRight("Quásars", 10), "Quásars   ");
    EXPECT_EQ(padRight("Cangrejo largo", 8), "Cangrejo");
    EXPECT_EQ(padLeft("5", 3), "  5");
    EXPECT_EQ(padLeft("12345", 3), "12345");
    EXPECT_EQ(trimSpaces("  1 MINUTO "), "1 MINUTO");
    EXPECT_EQ(trimSpaces("   "), "");
}

}  // namespace
}  // namespace vsp
