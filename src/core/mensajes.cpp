// MensajeBox: the engine's side of the program's message box.
#include "core/mensajes.h"

#include <filesystem>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"

namespace vsp {

namespace {

// The reasons are written to follow a colon on the command line; in the box
// each stands as a sentence of its own.
std::string ConMayuscula(std::string texto) {
    if (!texto.empty() && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = static_cast<char>(texto[0] - 'a' + 'A');
    return texto;
}

}  // namespace

void MensajeBox(const std::string& titulo, const std::string& texto, int16_t lineas, int16_t tipo) {
    ProgramState& e = Estado();
    e.MensajeTipo1 = lineas;
    e.MensajeTipo2 = tipo;
    if (!avisos().Mensaje) return;
    const bool acepta = avisos().Mensaje(titulo, texto, lineas, tipo);
    if (EsPregunta(tipo)) e.RespuestaMensaje = acepta ? Verdadero : Falso;
}

void MensajeArchivo(const std::string& titulo, std::string texto, const std::string& ruta,
                    const std::string& motivo) {
    if (avisos().ErrorArchivo) return avisos().ErrorArchivo(ruta, motivo);
    int16_t lineas = 1;
    if (texto.find(" ha ocurrido") != std::string::npos) {
        texto += "\r\nArchivo: " + std::filesystem::path(ruta).filename().string();
        lineas = 2;
        if (!motivo.empty()) {
            texto += "\r\n" + ConMayuscula(motivo) + ".";
            lineas = 3;
        }
    }
    MensajeBox(titulo, texto, lineas, TipoError);
}

}  // namespace vsp
