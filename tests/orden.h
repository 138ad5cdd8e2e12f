// What a command writes to its standard output, for the tests that read
// files back with other programs (poppler's pdfinfo, pdftotext).
#pragma once

#include <cstdio>
#include <string>

namespace vsp {

inline std::string SalidaDe(const std::string& orden) {
    std::string texto;
    if (FILE* f = popen(orden.c_str(), "r")) {
        char trozo[4096];
        for (size_t n; (n = fread(trozo, 1, sizeof trozo, f)) > 0;) texto.append(trozo, n);
        pclose(f);
    }
    return texto;
}

}  // namespace vsp
