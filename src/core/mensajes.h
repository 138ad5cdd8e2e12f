// Messages and questions: every one the program shows goes through
// MensajeBox, whatever shows it.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

// tipo 1 is an information box with one close button; any other tipo asks
// a question whose answer lands in RespuestaMensaje (True accepts). With
// nothing attached to show it, a question keeps the answer its caller set.
void MensajeBox(const std::string& titulo, const std::string& texto, int16_t lineas, int16_t tipo);

}  // namespace vsp
