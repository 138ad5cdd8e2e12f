// Centring the view on a sky point: the time moves forward to the point's
// next culmination and the view turns north or south to its altitude, with
// the situation before saved as the undo point.
#pragma once

namespace vsp {

// Centres on (ClicAR, ClicDec). A point that never rises at the current
// latitude is refused with a message and changes nothing.
void CentraPunto();

// Restores the situation saved by the last centring ("Temporal.WRK").
void DeshazCentrado();

}  // namespace vsp
