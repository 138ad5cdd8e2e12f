// Fixed-width text in UTF-8. The program's texts are counted in characters
// (a degree sign or an accented letter is one), as the fixed columns of the
// panels and listings require.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vsp {

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view s);

// The first n characters, or the whole text when it is shorter.
std::string leftChars(std::string_view s, std::size_t n);

// The last n characters, or the whole text when it is shorter.
std::string rightChars(std::string_view s, std::size_t n);

// n characters from character `desde` (0-based), or fewer at the end.
std::string midChars(std::string_view s, std::size_t desde, std::size_t n);

// Space-padded on the right to n characters; longer texts are cut to n.
std::string padRight(std::string_view s, std::size_t n);

// Space-padded on the left to n characters; longer texts are kept whole.
std::string padLeft(std::string_view s, std::size_t n);

// Without leading and trailing spaces.
std::string trimSpaces(std::string_view s);

// A text folded for searching: lower case, the accents of Latin letters
// dropped ("Orión" is "orion", "Ñ" is "n"), runs of blanks made one.
std::string foldForSearch(std::string_view s);

// ASCII letters in upper case; every other character as it is.
std::string upperAscii(std::string_view s);

// The number at the start of a typed text, read as the program has always
// read its fields: blanks are skipped wherever they stand, then an optional
// sign and digits with at most one decimal point are taken, and the first
// other character ends the number. An empty or unreadable text is 0. The
// magnitude is held to 1e15, so the result is finite and any field can
// clamp it before converting it to an integer.
double leadingNumber(std::string_view s);

// A number typed with one decimal, "." or "," as its point, that counts in
// halves: a tenths digit other than 0 or 5 counts as 0, and the sign applies
// to the whole value ("5,5" is 5.5, "5.3" is 5.0, "-3,5" is -3.5).
double leadingHalves(std::string_view s);

}  // namespace vsp
