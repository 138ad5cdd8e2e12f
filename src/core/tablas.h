// The constant tables built once at start-up.
#pragma once

namespace vsp {

// Fills the grids, ecliptic, horizon circle, month and unit tables, unit
// names, level cut-offs, colours, radii, legend texts and planet-list lines.
void CreaTablas();

}  // namespace vsp
