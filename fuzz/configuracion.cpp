// A configuration file of any content, loaded the three ways the program
// reads one: as a situation the user chose (here the undo point, which
// comes from memory), as "Inicial.vpc" with the start-up's quiet rules, and
// as the load dialog's summary. After each the state must be within range; a refused file must
// leave the situation as it was, and an accepted one must save and load
// back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "comun.h"
#include "config/configuracion.h"

using namespace vsp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    const std::string texto(reinterpret_cast<const char*>(datos), tamano);
    MotorFuzz();
    ProgramState& e = Estado();
    const std::string antes = TextoConfiguracion();
    e.NombreConfig = "Temporal.WRK";
    e.TextoDeshacer = texto;
    CargaConfig();
    CompruebaEstado();
    const std::string despues = TextoConfiguracion();
    if (e.EstadoArchivo != 0 && despues != antes)
        Incumple("situación cambiada por un fichero rechazado", e.EstadoArchivo);
    if (e.EstadoArchivo == 0) {
        e.TextoDeshacer = despues;
        CargaConfig();
        if (e.EstadoArchivo != 0 || TextoConfiguracion() != despues)
            Incumple("situación que no se vuelve a leer igual", e.EstadoArchivo);
    }

    // The start-up's file over the situation just left, as the load dialog
    // would read a file of that name.
    EscribeFuzz("Inicial.vpc", texto);
    e.NombreConfig = "Inicial.vpc";
    CargaConfig();
    CompruebaEstado();

    const ResumenConfig r = LeeResumenConfig("Inicial.vpc");
    if (r.error == 0) {
        CompruebaRango("resumen DiaJuliano", r.DiaJuliano, DiaJulianoMinimo, DiaJulianoMaximo);
        CompruebaRango("resumen Localidad", r.Localidad, -1, NumLocalidades - 1);
        CompruebaRango("resumen Longitud", r.Longitud, 0, DosPi);
        CompruebaRango("resumen Latitud", r.Latitud, -MedioPi, MedioPi);
        CompruebaRango("resumen Direccion", r.Direccion, 0, DosPi);
        CompruebaRango("resumen Elevacion", r.Elevacion, 0, MedioPi);
        CompruebaRango("resumen Zoom", r.Zoom, 1, 15);
    }
    return 0;
}
