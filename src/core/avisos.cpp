// The engine's notification hooks.
#include "core/avisos.h"

namespace vsp {

Avisos& avisos() {
    static Avisos a;
    return a;
}

void ReiniciaAvisos() { avisos() = Avisos{}; }

}  // namespace vsp
