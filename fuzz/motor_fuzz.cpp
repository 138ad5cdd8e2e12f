// The fresh engine of every harness, made once and copied over the state
// before each input: a new state each time would cost a megabyte's page
// faults. This file is built without coverage feedback, which would
// otherwise trace every one of the state's thousands of strings copied.
#include "comun.h"

#include "catalog/catalogos.h"
#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/tablas.h"

namespace vsp {

void MotorFuzz() {
    static const ProgramState inicial = [] {
        ReiniciaEstado();
        CreaTablas();
        FijaCarpetaPrograma(VESPERA_DATOS);
        CargaCatalogo("VSPDATH.DAT");
        ProgramState& e = Estado();
        e.CarpetaTrabajo = CarpetaFuzz();
        e.NombreConfig = "Inicial.vpc";
        CargaConfig();
        return e;
    }();
    ReiniciaAvisos();
    Estado() = inicial;
}

}  // namespace vsp
