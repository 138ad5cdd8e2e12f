// Loading the eleven catalogue files of the program folder into the tables
// of the program state, and building the dialogs' list lines from them.
#pragma once

#include <string>

namespace vsp {

// Reads every catalogue file, in order, from CarpetaPrograma(). A file that
// is missing, short, over-long or damaged gives its message once and the
// load goes on; its missing or damaged records stay zero (a record whose
// direction cosines are all zero is never drawn).
void CargaCatalogos();

// The message text of a catalogue error number; `ruta` names the file.
std::string MensajeErrorCatalogo(int numero, const std::string& ruta);

}  // namespace vsp
