// The program run with command-line options: drawing the chart of a
// configuration into a PNG file without any window, and the options' help.
#pragma once

namespace vsp {

// Reads the options (--render, --config, --size, --help), does what they ask
// and returns the exit code: 0 done, 1 the chart could not be made or
// saved, 2 the options are wrong. Messages go to standard error in Spanish.
int EjecutaSinVentana(int argc, char** argv);

}  // namespace vsp
