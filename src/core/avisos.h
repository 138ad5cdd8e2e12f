// Notifications from the engine to whatever shows it. The engine computes and
// the windows display: when a procedure rewrites texts that live in a window
// (the date dialog's fields, the objects legend), it hands them over here.
// With nothing attached (tests, headless rendering) the calls do nothing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vsp {

// The date and time fields of the date dialog, row 0 universal time and
// row 1 local time, as MuestraFechaHora writes them.
struct CamposFechaHora {
    std::array<std::string, 2> Tex_Hora;
    std::array<std::string, 2> Tex_FecDia;
    std::array<std::string, 2> Tex_FecMes;
    std::array<std::string, 2> Tex_FecAno;
    std::string Tex_FecJul;
    // The zone and summer time in force, and which rule sets them.
    std::string Tex_Zona;
    int16_t HorarioVerano = 0;
    std::string Regla;
};

struct Avisos {
    // The date fields were rewritten (called while ActualizandoHora is True).
    std::function<void(const CamposFechaHora&)> FechaHora;
    // The location dialog's texts were rewritten: the dialog shows them, with
    // its map and dials.
    std::function<void()> Localizacion;
    // The chart window changed and the objects legend must be redrawn.
    std::function<void()> Leyenda;
    // The main window is shown (empty) while the catalogues load.
    std::function<void()> VentanaPrincipal;
    // A configuration was applied: the windows take the state (panels,
    // dialogs' options, the pad's caption, the legend).
    std::function<void()> Ventanas;
    // The state changed and the chart must be drawn again.
    std::function<void()> Redibujo;
    // The location and time panel's texts were rewritten.
    std::function<void()> Panel;
    // Erase the telescope circle from the chart (BorraTelescopio).
    std::function<void()> BorraTelescopio;
    // Shows a message (tipo 1) or asks a question (any other tipo) and
    // returns the answer: true accepts. The program's own box in the
    // windows; a recorder in tests; nothing headless.
    std::function<bool(const std::string& titulo, const std::string& texto, int16_t lineas,
                       int16_t tipo)>
        Mensaje;
    // A preference kept in the user's settings changed (the local time
    // went manual): the windows store it.
    std::function<void()> Preferencias;
    // A file could not be read or written: its path and why, in words.
    // Attached, it takes the place of the program's message (the command
    // line prints it); unattached, the message is shown.
    std::function<void(const std::string& ruta, const std::string& motivo)> ErrorArchivo;
};

Avisos& avisos();

// Detaches every notification.
void ReiniciaAvisos();

}  // namespace vsp
