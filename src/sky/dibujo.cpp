// DibujaCielo and the panel.
#include "sky/dibujo.h"

namespace vsp {

void DibujaCielo(Superficie& s) {
    s.clear();
    s.refresh();
}

}  // namespace vsp
