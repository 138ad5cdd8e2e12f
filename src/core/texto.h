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

}  // namespace vsp
