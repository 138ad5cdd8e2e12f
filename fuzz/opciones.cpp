// The command line of `vespera` as any list of arguments (the input split at
// its NUL bytes). Accepted options must name a file to draw in a known
// format and a size within 16..8192 pixels a side, or an object for
// --rise-set with neither; refused ones must be refused, not crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/linea_ordenes.h"
#include "core/ficheros.h"
#include "comun.h"

using namespace vsp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    std::vector<std::string> argumentos{"vespera"};
    std::string actual;
    for (std::size_t i = 0; i < tamano; ++i) {
        if (datos[i] == 0) {
            argumentos.push_back(actual);
            actual.clear();
        } else {
            actual += static_cast<char>(datos[i]);
        }
    }
    if (!actual.empty()) argumentos.push_back(actual);
    std::vector<char*> argv;
    for (std::string& a : argumentos) argv.push_back(a.data());
    argv.push_back(nullptr);

    const std::optional<Options> o = parseOptions(static_cast<int>(argumentos.size()), argv.data());
    if (o && !o->help && !o->ortos.empty()) {
        if (!o->salida.empty()) Incumple("--rise-set aceptado con --render", 0);
        if (o->size) Incumple("--rise-set aceptado con --size", 0);
    } else if (o && !o->help) {
        if (o->salida.empty()) Incumple("--render sin archivo aceptado", 0);
        if (!FormatoDe(o->salida)) Incumple("--render de formato desconocido aceptado", 0);
        CompruebaRango("ancho", o->width, 16, 8192);
        CompruebaRango("alto", o->height, 16, 8192);
        if (!o->size && (o->width != 1024 || o->height != 768)) Incumple("tamaño sin --size", o->width);
    }
    return 0;
}
