// Little-endian fields and Windows-1252 text of the catalogue records.
#include "catalog/lector.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace vsp {

namespace {

uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint64_t le64(const uint8_t* p) { return uint64_t(le32(p)) | uint64_t(le32(p + 4)) << 32; }

// Code points of bytes 0x80..0x9F, where Windows-1252 differs from Latin-1.
constexpr char16_t kAltos[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void appendUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

int16_t Registro::entero(std::size_t off) const {
    return static_cast<int16_t>(uint16_t(b_[off]) | uint16_t(b_[off + 1]) << 8);
}

float Registro::simple(std::size_t off) const { return std::bit_cast<float>(le32(&b_[off])); }

double Registro::doble(std::size_t off) const { return std::bit_cast<double>(le64(&b_[off])); }

std::string Registro::texto(std::size_t off, std::size_t n) const {
    return cp1252AUtf8(b_.subspan(off, n));
}

bool Registro::simplesFinitos(std::initializer_list<std::size_t> offs) const {
    for (std::size_t off : offs)
        if (!std::isfinite(simple(off))) return false;
    return true;
}

bool Registro::doblesFinitos(std::initializer_list<std::size_t> offs) const {
    for (std::size_t off : offs)
        if (!std::isfinite(doble(off))) return false;
    return true;
}

std::string cp1252AUtf8(std::span<const uint8_t> bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (uint8_t b : bytes) {
        if (b == 0)
            s += ' ';
        else if (b >= 0x80 && b < 0xA0)
            appendUtf8(s, kAltos[b - 0x80]);
        else
            appendUtf8(s, b);
    }
    return s;
}

}  // namespace vsp
