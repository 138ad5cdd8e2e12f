// The program run with command-line options: drawing the chart of a
// configuration into a PNG file without any window, an object's rise and set
// as text, and the options' help.
#pragma once

namespace vsp {

// Reads the options (--render or --rise-set, --config, --size, --help), does
// what they ask and returns the exit code: 0 done, 1 a data file or the
// configuration could not be read, the chart not saved or the object not
// found, 2 the options are wrong. Messages go to standard error in Spanish,
// naming the file and the reason.
int EjecutaSinVentana(int argc, char** argv);

// What every command does before the start-up: the program's messages go
// to standard error, a data file or the configuration that cannot be read
// sets `fallo` (the command would answer for another sky: it gives the
// reason instead), and the user's preferences and the system's time-zone
// database are in place, as in the window.
void PreparaArranqueSinVentana(bool& fallo);

}  // namespace vsp
