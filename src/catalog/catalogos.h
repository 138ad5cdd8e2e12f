// Loading the eleven catalogue files of the program folder into the tables
// of the program state, and building the dialogs' list lines from them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vsp {

// The eleven catalogue files, in the order they are read.
inline constexpr std::array<std::string_view, 11> FicherosCatalogo = {
    "VSPDATH.DAT", "VSPDATF.DAT", "VSPDATG.DAT", "VSPDATE.DAT", "VSPDATB.DAT", "VSPDAT3.DAT",
    "VSPDAT4.DAT", "VSPDAT5.DAT", "VSPDAT2.DAT", "VSPDAT1.DAT", "VSPDATD.DAT"};

// Reads one of them (a name of FicherosCatalogo) as CargaCatalogos does:
// its table, and its dialog list when it has one.
void CargaCatalogo(std::string_view nombre);

// The cities' time zones, a text file beside the catalogues.
inline constexpr std::string_view FicheroZonas = "VSPZONAS.TXT";

// Reads the cities' zones into ZonasLocalidades, after the cities: a zone
// goes to a city only under the city's own name. A missing file, or a line
// that is no index, name and zone name, gives the catalogues' message once;
// a city without a zone keeps the user's.
void CargaZonasLocalidades();

// Reads every catalogue file, in order, from CarpetaPrograma(), then the
// cities' zones. A file that is missing, short, over-long or damaged gives
// its message once and the load goes on; its missing or damaged records
// stay zero (a record whose direction cosines are all zero is never drawn).
void CargaCatalogos();

// The message text of a catalogue error number; `ruta` names the file.
std::string MensajeErrorCatalogo(int numero, const std::string& ruta);

}  // namespace vsp
