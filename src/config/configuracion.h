// Observing situations as configuration files (".vpc"): four text lines
// holding the time, the place and view, the objects shown, and the personal,
// animation and print options. The undo point of a centring is the same
// format under the name "Temporal.WRK".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vsp {

// Loads NombreConfig from the working folder (the name is matched without
// regard to case) into the state; the undo point "Temporal.WRK" comes from
// memory when a centring or drag of this run saved it. EstadoArchivo is 0
// or the error number. "Inicial.vpc" is read without a message over the
// built-in defaults, which keep what it lacks (all of them when it is
// missing), unless the user named the file on the command line: then it is
// a file like any other. Every value read is brought into its valid range.
void CargaConfig(bool elegidaPorElUsuario = false);

// Saves the state as NombreConfig (corrected to end in ".vpc", or
// "Temporal.WRK" while GuardandoDeshacer is set, kept in memory too and
// without a message when the file cannot be written), asking before
// replacing an existing file. The old file is only replaced once the new one is
// complete. EstadoArchivo is 0, 1 (refused or answered no) or an error.
void GuardaConfig();

// The four lines GuardaConfig writes for the current state.
std::string TextoConfiguracion();

// The configuration files of the working folder: the names whose extension
// is ".vpc" in any case, regular files only, sorted without regard to case.
std::vector<std::string> ListaConfiguraciones();

// What the load dialog shows of a file: its instant, city, place, view and
// description (the first two lines, brought into range), or the error
// number that stopped the reading before them.
struct ResumenConfig {
    int16_t error = 0;
    double DiaJuliano = 0;
    int16_t Localidad = -1;
    double Longitud = 0, Latitud = 0, Direccion = 0, Elevacion = 0;
    float Zoom = 1;
    std::string Descripcion;
};
ResumenConfig LeeResumenConfig(const std::string& nombre);

std::string MensajeErrorCarga(int16_t error, const std::string& ruta);
std::string MensajeErrorGuardado(int16_t error, const std::string& ruta);

}  // namespace vsp
