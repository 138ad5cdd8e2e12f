// Error numbers of the program's file messages ("ERROR CTA53", "ERROR CID62",
// "ERROR SID61"...), and how the system's errors map onto them.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

inline constexpr int16_t ErrDesbordamiento = 6;     // a number too large for its field
inline constexpr int16_t ErrSinMemoria = 7;
inline constexpr int16_t ErrNoEsNumero = 13;        // a value that is not a number
inline constexpr int16_t ErrNombreFichero = 52;     // a name the program cannot use
inline constexpr int16_t ErrNoExiste = 53;          // file not found
inline constexpr int16_t ErrEntradaSalida = 57;     // device input/output error
inline constexpr int16_t ErrLongitudRegistro = 59;  // more bytes than the file's records
inline constexpr int16_t ErrDiscoLleno = 61;
inline constexpr int16_t ErrFinDeFichero = 62;      // input past the end of the file
inline constexpr int16_t ErrNombreErroneo = 64;     // a name the system refuses
inline constexpr int16_t ErrUnidad = 68;            // device not ready
inline constexpr int16_t ErrPermiso = 70;           // permission denied
inline constexpr int16_t ErrAccesoSenda = 75;       // path/file access error
inline constexpr int16_t ErrSendaNoExiste = 76;     // folder not found

// The error number for an errno value from opening, reading or writing the
// file at `ruta`:
//   ENOENT                    53, or 76 when the file's folder is missing
//   ENOTDIR                   76
//   EACCES, EPERM, EROFS      70
//   ENAMETOOLONG, EILSEQ      64
//   ENOSPC, EDQUOT, EFBIG     61
//   EIO                       57
//   ENOMEM                    7
//   ENXIO, ENODEV, ENOMEDIUM  68
//   EISDIR and anything else  75
int16_t NumeroErrorSistema(int err, const std::string& ruta);

// Why a file could not be read or written, in words, for the command line,
// which has no message box to show the program's coded messages.
std::string MotivoError(int16_t numero);

// What the messages call the drive of a file: its folder.
std::string UnidadDe(const std::string& ruta);

}  // namespace vsp
