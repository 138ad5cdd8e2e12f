// The single instance of the program state.
#include "core/estado.h"

#include <memory>

namespace vsp {

namespace {
// Held on the heap: the catalogue tables make the state about a megabyte.
std::unique_ptr<ProgramState>& instancia() {
    static auto estado = std::make_unique<ProgramState>();
    return estado;
}
}  // namespace

ProgramState& Estado() { return *instancia(); }

void ReiniciaEstado() { instancia() = std::make_unique<ProgramState>(); }

}  // namespace vsp
