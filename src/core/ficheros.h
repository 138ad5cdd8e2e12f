// File access shared by the catalogues and the configurations: whole-file
// reads, replacing a file without ever losing the old one, and names looked
// up without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsp {

// Reads the whole file (at most `limite` bytes; the rest is left unread).
// Returns 0 or the program's error number; anything but a regular file (a
// folder, a FIFO, a device) is refused with 75 before it is read.
int16_t LeeFichero(const std::string& ruta, std::vector<uint8_t>& bytes,
                   std::size_t limite = SIZE_MAX);

// Writes `contenido` to `ruta` through a temporary file in the same folder
// that is renamed over the target only once it is complete, so that a
// failure (disk full, permission) leaves the old file as it was. Returns 0
// or the program's error number.
int16_t EscribeFicheroSeguro(const std::string& ruta, std::string_view contenido);

// Writes the bytes to an open descriptor; 0 or an errno value. Tests replace
// it to make writes fail as a full disk would.
using EscritorBytes = int (*)(int fd, std::string_view bytes);
void FijaEscritorBytes(EscritorBytes escritor);

// The name of the entry of `carpeta` equal to `nombre` without regard to
// case (ASCII and Latin-1 letters), the exact name first; none when absent.
std::optional<std::string> BuscaSinMayusculas(const std::string& carpeta, const std::string& nombre);

// Lower case of ASCII and the Latin-1 letters (À..Þ) of a UTF-8 text.
std::string minusculas(std::string_view s);

}  // namespace vsp
