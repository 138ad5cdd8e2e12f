// Centring the view on a sky point: the time moves forward to the point's
// next culmination and the view turns north or south to its altitude, with
// the situation before saved as the undo point; a drag of the view saves
// one too.
#pragma once

namespace vsp {

// Centres on (ClicAR, ClicDec). A point that never rises at the current
// latitude is refused with a message and changes nothing.
void CentraPunto();

// Restores the situation saved by the last centring or drag ("Temporal.WRK").
void DeshazCentrado();

// A drag of the view: at its start the situation is saved as the undo
// point and the telescope circle erased; the redraws meanwhile and after
// show the undo button, as a centring's does.
void EmpiezaArrastre();
void TerminaArrastre();

}  // namespace vsp
