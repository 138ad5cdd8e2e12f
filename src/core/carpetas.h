// The program folder: where the catalogues, the help and the sample
// configurations ship, beside the executable.
#pragma once

#include <string>

namespace vsp {

// The folder of the running executable, unless VESPERA_CARPETA names
// another (an install that keeps its data apart) or FijaCarpetaPrograma was
// called (tests). No trailing slash.
const std::string& CarpetaPrograma();

void FijaCarpetaPrograma(std::string carpeta);

}  // namespace vsp
