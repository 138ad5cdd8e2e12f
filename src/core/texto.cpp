// UTF-8 helpers for fixed-width texts.
#include "core/texto.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

std::string foldForSearch(std::string_view s) {
    // The base letter of each Latin-1 letter U+00C0..U+00FF ('\0' for the
    // two signs among them), by the UTF-8 second byte 0x80..0xBF.
    static constexpr char base[65] = "aaaaaaaceeeeiiii" "dnooooo\0ouuuuyts" "aaaaaaaceeeeiiii" "dnooooo\0ouuuuyty";
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\xC3' && i + 1 < s.size()) {
            const unsigned b = static_cast<unsigned char>(s[i + 1]);
            if (b >= 0x80 && b <= 0xBF && base[b - 0x80]) {
                c = base[b - 0x80];
                ++i;
            }
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == '\t') {
            c = ' ';
        }
        if (c == ' ' && (r.empty() || r.back() == ' ')) continue;
        r += c;
    }
    if (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

std::string upperAscii(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

double leadingNumber(std::string_view s) {
    std::string numero;
    bool punto = false, digitos = false;
    for (const char c : s) {
        if (c == ' ' || c == '\t') continue;
        if ((c == '-' || c == '+') && numero.empty()) {
            numero += c;
        } else if (c == '.' && !punto) {
            punto = true;
            numero += c;
        } else if (c >= '0' && c <= '9') {
            digitos = true;
            numero += c;
        } else {
            break;
        }
    }
    if (!digitos) return 0;
    // from_chars reads no sign "+" and ignores the C locale, whose decimal
    // point may be a comma.
    const bool negativo = numero[0] == '-';
    const std::size_t inicio = numero[0] == '-' || numero[0] == '+' ? 1 : 0;
    double v = 0;
    const auto leido = std::from_chars(numero.data() + inicio, numero.data() + numero.size(), v);
    constexpr double Limite = 1e15;
    // Hundreds of digits: a huge number, or a tiny one when no digit before
    // the point is other than 0 ("0.000…001" is no zoom of 15).
    if (leido.ec == std::errc::result_out_of_range)
        v = numero.find_first_of("123456789") < numero.find('.') ? Limite : 0;
    v = std::min(std::fabs(v), Limite);
    return negativo && v != 0 ? -v : v;
}

double leadingHalves(std::string_view s) {
    std::string texto(s);
    std::replace(texto.begin(), texto.end(), ',', '.');
    const double v = leadingNumber(texto);
    const long long decimas = std::llround(std::fabs(v) * 10);
    const long long d = decimas % 10;
    const double medios = static_cast<double>(decimas / 10) + (d == 5 ? 0.5 : 0.0);
    return v < 0 && medios != 0 ? -medios : medios;
}

}  // namespace vsp
