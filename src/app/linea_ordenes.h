// The command line's options, read without Qt, so that the reader can be
// exercised on its own (fuzz/opciones.cpp) as well as by the program.
#pragma once

#include <optional>
#include <string>

namespace vsp {

struct Options {
    bool help = false;
    std::string salida;  // --render: the file's name, its bytes as given
    std::string config;  // --config
    std::string ortos;   // --rise-set: the object, as the search box takes it
    std::optional<std::string> size;
    int width = 1024, height = 768;
};

// "vespera: " and the text, on standard error.
void error(const std::string& texto);

// The options (--render or --rise-set, --config, --size, --help), or nothing
// after telling on standard error what is wrong with them: an unknown
// option, one given twice, a missing value, --render and --rise-set
// together, a size out of range or without --render, or a --render file of
// no known format.
std::optional<Options> parseOptions(int argc, char** argv);

}  // namespace vsp
