// Every engine test starts from a fresh program state: the constant tables
// built and, when asked, the shipped catalogues loaded.
#pragma once

#include "catalog/catalogos.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"

namespace vsp {

inline void MotorNuevo(bool conCatalogos = true) {
    ReiniciaEstado();
    ReiniciaAvisos();
    CreaTablas();
    if (!conCatalogos) return;
    FijaCarpetaPrograma(VESPERA_DATOS);
    CargaCatalogos();
}

}  // namespace vsp
