// Messages and questions: every one the program shows goes through
// MensajeBox, whatever shows it.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

// tipo 1 is an information box with one close button, TipoError the same
// with the error sign; any other tipo asks a question whose answer lands in
// RespuestaMensaje (True accepts). With nothing attached to show it, a
// question keeps the answer its caller set.
inline constexpr int16_t TipoError = 16;
inline bool EsPregunta(int16_t tipo) { return tipo != 1 && tipo != TipoError; }
void MensajeBox(const std::string& titulo, const std::string& texto, int16_t lineas, int16_t tipo);

// The message of a file that could not be read or written: an error box.
// When the text gives only an error code ("ERROR CID13 ha ocurrido.") a line
// names the file and another tells `motivo` (where the file went wrong, or
// the system's reason). With ErrorArchivo attached, the path
// and `motivo` go there instead.
void MensajeArchivo(const std::string& titulo, std::string texto, const std::string& ruta,
                    const std::string& motivo);

}  // namespace vsp
