// The program folder: where the catalogues, the help and the sample
// configurations are read from.
#pragma once

#include <string>

namespace vsp {

// The data folder of an installed copy (share/vespera beside the bin folder
// of the running executable) when there is one, otherwise the executable's
// own folder, where the build tree keeps them; VESPERA_CARPETA names another,
// and FijaCarpetaPrograma replaces it (tests). No trailing slash.
const std::string& CarpetaPrograma();

void FijaCarpetaPrograma(std::string carpeta);

}  // namespace vsp
