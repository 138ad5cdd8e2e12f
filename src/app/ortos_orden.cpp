// The rise and set of an object for scripts: the start-up without windows,
// the search by text, and the same lines the search dialog shows.
#include "app/ortos_orden.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/sin_ventana.h"
#include "core/avisos.h"
#include "core/estado.h"
#include "programa/arranque.h"
#include "programa/busqueda.h"
#include "programa/ortos.h"

namespace vsp {

int OrdenOrtos(const Options& o) {
    bool fallo = false;
    PreparaArranqueSinVentana(fallo);
    ArrancaPrograma(o.config);
    ReiniciaAvisos();
    if (fallo) return 1;

    const std::vector<Hallazgo> hallados = BuscaTexto(o.ortos);
    const Hallazgo* h = nullptr;
    for (const Hallazgo& x : hallados)
        if (Categorias[x.categoria].centrable) {
            h = &x;
            break;
        }
    if (!h) {
        error("no se encuentra «" + o.ortos + "».");
        return 1;
    }
    const int cuerpo = h->categoria == 0 ? h->fila + 1 : 0;
    if (cuerpo == CuerpoTierra) {
        error("la Tierra no sale ni se pone: es desde donde se mira el cielo.");
        return 1;
    }
    const std::vector<std::string> lineas = OrtosDeEntrada(h->categoria, h->fila);
    if (lineas.empty()) {
        error(cuerpo == 9 ? "Plutón solo tiene lugar de 1885 a 2099 d. C.: la serie de sus posiciones no vale "
                            "en la fecha de la configuración."
                          : "«" + o.ortos + "» no tiene lugar en el cielo de la configuración.");
        return 1;
    }
    for (const std::string& l : lineas) std::printf("%s\n", l.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace vsp
