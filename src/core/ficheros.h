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

// Writes `contenido` to `ruta` (the name's bytes as the system takes them)
// through a temporary file in the same folder that is renamed over the
// target only once every byte is written and flushed, so that a failure
// (disk full, size limit, permission) leaves the former file byte for byte.
// A symbolic link is written through, to the file it names; an existing
// file keeps its mode, a new one gets the mode the umask gives. Returns 0 or
// the errno of the first failure.
int EscribeArchivo(const std::string& ruta, std::string_view contenido);

// The system's reason for an errno value, in Spanish ("No queda espacio en
// el dispositivo", "Permiso denegado").
std::string TextoErrorSistema(int err);

// Writes the bytes to an open descriptor; 0 or an errno value. Tests replace
// it to make writes fail as a full disk would.
using EscritorBytes = int (*)(int fd, std::string_view bytes);
void FijaEscritorBytes(EscritorBytes escritor);

// The name of the entry of `carpeta` equal to `nombre` without regard to
// case (ASCII and Latin-1 letters), the exact name first; none when absent.
std::optional<std::string> BuscaSinMayusculas(const std::string& carpeta, const std::string& nombre);

// The formats the chart is saved in.
enum class FormatoCarta { Png, Jpeg, Svg, Pdf };

// The format a file name's extension names, without regard to case: .png,
// .jpg or .jpeg, .svg, .pdf; none for anything else.
std::optional<FormatoCarta> FormatoDe(std::string_view ruta);

// Lower case of ASCII and the Latin-1 letters (À..Þ) of a UTF-8 text.
std::string minusculas(std::string_view s);

}  // namespace vsp
