// Every engine test starts from a fresh program state: the constant tables
// built and, when asked, the shipped catalogues loaded.
#pragma once

#include "catalog/catalogos.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "core/texto.h"

#include <gtest/gtest.h>

#include <string>

namespace vsp {

inline void MotorNuevo(bool conCatalogos = true) {
    ReiniciaEstado();
    ReiniciaAvisos();
    CreaTablas();
    if (!conCatalogos) return;
    FijaCarpetaPrograma(VESPERA_DATOS);
    CargaCatalogos();
}

// The index of a city of the list by its name, as the list shows it.
inline int16_t IndiceCiudad(const std::string& nombre) {
    const ProgramState& e = Estado();
    for (int i = 0; i < NumLocalidades; ++i)
        if (trimSpaces(leftChars(e.Localidades[i].Nombre, 15)) == nombre) return static_cast<int16_t>(i);
    ADD_FAILURE() << nombre << " not in the city list";
    return 0;
}

}  // namespace vsp
