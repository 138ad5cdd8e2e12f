// Locating the program folder.
#include "core/carpetas.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vsp {

namespace {

std::string carpetaDelEjecutable() {
    if (const char* v = std::getenv("VESPERA_CARPETA"); v && *v) return v;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    // Found from the executable rather than from the install prefix, so that
    // an installed tree works wherever it is unpacked.
    const auto instalada = (exe.parent_path() / VESPERA_DATOS_DESDE_BIN).lexically_normal();
    if (std::filesystem::is_directory(instalada, ec)) return instalada.string();
    return exe.parent_path().string();
}

std::string& carpeta() {
    static std::string c = carpetaDelEjecutable();
    return c;
}

}  // namespace

const std::string& CarpetaPrograma() { return carpeta(); }

void FijaCarpetaPrograma(std::string c) {
    while (c.size() > 1 && c.back() == '/') c.pop_back();
    carpeta() = std::move(c);
}

}  // namespace vsp
