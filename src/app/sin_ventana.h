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

}  // namespace vsp
