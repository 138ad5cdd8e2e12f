// UTF-8 helpers for fixed-width texts.
#include "core/texto.h"

namespace vsp {

namespace {
bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of character n (or the end of the text).
std::size_t offsetOfChar(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (i < s.size() && n > 0) {
        ++i;
        while (i < s.size() && isContinuation(s[i])) ++i;
        --n;
    }
    return i;
}
}  // namespace

std::size_t utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += !isContinuation(c);
    return n;
}

std::string leftChars(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, offsetOfChar(s, n)));
}

std::string rightChars(std::string_view s, std::size_t n) {
    const std::size_t len = utf8Length(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(offsetOfChar(s, len - n)));
}

std::string midChars(std::string_view s, std::size_t desde, std::size_t n) {
    const std::size_t inicio = offsetOfChar(s, desde);
    return leftChars(s.substr(inicio), n);
}

std::string padRight(std::string_view s, std::size_t n) {
    std::string r = leftChars(s, n);
    r.append(n - utf8Length(r), ' ');
    return r;
}

std::string padLeft(std::string_view s, std::size_t n) {
    const std::size_t len = utf8Length(s);
    std::string r(len < n ? n - len : 0, ' ');
    r.append(s);
    return r;
}

std::string trimSpaces(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

}  // namespace vsp
