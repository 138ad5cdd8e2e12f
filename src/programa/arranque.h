// Start-up: the working folder, the sequence from the first statement to the
// first chart, and pushing a loaded state into the windows.
#pragma once

#include <functional>
#include <string>

namespace vsp {

// Whether a file can be created (and removed again) in a folder.
using PruebaEscritura = std::function<bool(const std::string& carpeta)>;
bool CarpetaEscribible(const std::string& carpeta);

// The working folder for configurations: the program folder when a file can
// be created there, otherwise the per-user folder ($XDG_DATA_HOME/vespera,
// by default ~/.local/share/vespera), created when missing and given the
// eight sample configurations the first time (never again once it holds
// "INICIAL.VPC", so the user's files are kept).
void PreparaCarpeta(const PruebaEscritura& escribible = CarpetaEscribible);

// The eight sample configurations that ship with the program.
extern const char* const ConfiguracionesEjemplo[8];

// After every configuration load and undo: the animation step, the place
// and time, the windows (through the Ventanas notification), the chart
// window and the redraw (through Redibujo).
void AplicaEstado();

// The start-up sequence without windows: speed 60, working folder, tables,
// catalogues, "Inicial.vpc" and AplicaEstado. Every step runs even if an
// earlier one failed. The windows attach to the notifications first.
// Given a configuration file's path, that file is loaded instead of
// "Inicial.vpc", as the user's choice whatever its name (a missing or
// damaged one is reported), and its folder becomes the working folder.
void ArrancaPrograma(const std::string& configuracion = {});

}  // namespace vsp
