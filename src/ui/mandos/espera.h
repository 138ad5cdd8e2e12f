// The wait of every repeating control and animation, whose length follows
// the speed option, and the repeat of a held pad arrow or spin key. The
// program's events keep running through both.
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace vsp::ui {

// Seconds that Espera(n) lasts: ((100 - Velocidad) / 100) * (n / 100), with
// the speed held to 0..100; n is in hundredths of a second at full delay.
double DuracionEspera(int16_t n);

// Waits DuracionEspera(n) seconds on a monotonic clock, handling events
// meanwhile (a mouse release, a timer tick); returns at once at full speed.
void Espera(int16_t n);

// The repeat of a held key of `control`: BotonPulsado is set, then while it
// stays set (any mouse release on the pad or a spin clears it): `pulsa`
// (pressed picture, sound and one step), Espera(30), `suelta` (released
// picture), Espera(30), one turn of the event queue. So a short click makes
// exactly one step. It also ends when the control dies or its window is
// hidden. Returns whether the control is still alive.
bool RepiteMientrasPulsado(QWidget* control, const std::function<void()>& pulsa,
                           const std::function<void()>& suelta);

// Whether a loop of `control` may go on: the control lives and its window
// is shown (a window being closed ends the loops run from it).
bool SigueEnPantalla(const QWidget* control);

}  // namespace vsp::ui
