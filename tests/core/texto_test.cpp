// The text helpers every typed field and panel relies on: counting and
// cutting by characters, padding, and reading the number a text starts with.
#include "core/ficheros.h"
#include "motor_nuevo.h"

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

TEST(Texto, PadsTrimsAndFolds) {
    EXPECT_EQ(padRight("Quásars", 10), "Quásars   ");
    EXPECT_EQ(padRight("Cangrejo largo", 8), "Cangrejo");
    EXPECT_EQ(padLeft("5", 3), "  5");
    EXPECT_EQ(padLeft("12345", 3), "12345");
    EXPECT_EQ(trimSpaces("  1 MINUTO "), "1 MINUTO");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(foldForSearch("Ángel Ñu ×2 Ÿÿ"), "angel nu ×2 Ÿy") << "signs are no letters";
    EXPECT_EQ(minusculas("ÁRBOL × Ñ ÀÞ"), "árbol × ñ àþ") << "from À to Þ, but for ×";
    EXPECT_EQ(upperAscii("az AZ ñ"), "AZ AZ ñ");
}

TEST(Texto, ReadsTheNumberAtTheStartOfATypedText) {
    struct Caso { const char* texto; double valor; } casos[] = {
        {"12abc", 12}, {" 1 2 ", 12}, {"-3.5x", -3.5}, {"+7", 7},   {"", 0},    {"-", 0},   {".", 0},
        {".5", 0.5},   {"1.2.3", 1.2}, {"1e5", 1},     {"--4", 0}, {"45°", 45}, {"1234567890123456789", 1e15}};
    for (const Caso& c : casos) EXPECT_EQ(leadingNumber(c.texto), c.valor) << c.texto;
    EXPECT_EQ(leadingNumber(std::string(400, '9')), 1e15);
    EXPECT_EQ(leadingNumber("-0." + std::string(400, '0') + "1"), 0) << "too small for a double is 0";
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));

    // Fields that count in halves: the sign applies to the whole value.
    const Caso medios[] = {
        {"5,5", 5.5}, {"5.3", 5}, {"-3,5", -3.5}, {"-1", -1}, {"-0,5", -0.5}, {"12.7h", 12}, {"-0.3", 0}};
    for (const auto& c : medios) EXPECT_EQ(leadingHalves(c.texto), c.valor) << c.texto;
    EXPECT_FALSE(std::signbit(leadingHalves("-0.3")));
}

}  // namespace
}  // namespace vsp
