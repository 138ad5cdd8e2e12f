// Decoding fixed-length records: little-endian numbers at explicit offsets
// and Windows-1252 text, whatever the host's byte order or alignment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vsp {

// One record's bytes. Reads at an offset past the end throw nothing: the
// record length is checked once by the loader, so offsets are always inside.
class Registro {
public:
    explicit Registro(std::span<const uint8_t> bytes) : b_(bytes) {}

    int16_t entero(std::size_t off) const;
    float simple(std::size_t off) const;
    double doble(std::size_t off) const;
    // n bytes of Windows-1252 text as n UTF-8 characters.
    std::string texto(std::size_t off, std::size_t n) const;

    // False when any of these Single (4) or Double (8) fields is NaN or
    // infinite: such a record is damaged and is left out.
    bool simplesFinitos(std::initializer_list<std::size_t> offs) const;
    bool doblesFinitos(std::initializer_list<std::size_t> offs) const;

private:
    std::span<const uint8_t> b_;
};

// Windows-1252 bytes to UTF-8, one character per byte. NUL becomes a blank;
// the five bytes the code page leaves undefined become U+FFFD.
std::string cp1252AUtf8(std::span<const uint8_t> bytes);

}  // namespace vsp
