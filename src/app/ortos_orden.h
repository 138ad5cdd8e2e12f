// `vespera --rise-set OBJECT`: the rise, culmination and set of an object
// (and the Sun's twilights) after the configuration's instant, as text,
// without a display.
#pragma once

#include "app/linea_ordenes.h"

namespace vsp {

// Loads the catalogues and the configuration as the program starts, finds
// the object as the search box finds it (the first entry that can be
// centred), prints one line per event and returns the exit code: 0 done,
// 1 an unreadable file, an object not found or one that has no rise (the
// Earth, Pluto outside its series' years).
int OrdenOrtos(const Options& o);

}  // namespace vsp
