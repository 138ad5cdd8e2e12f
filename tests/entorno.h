// Every test program starts in the same surroundings on any machine and for
// any user: a home, settings and runtime folder of its own, the C locale,
// only DejaVu's core fonts rendered with fixed settings, no printer and no
// sound server, and none of the user's Qt variables. The programs it starts
// inherit them. Without this, a printer set up on the machine, a Spanish
// locale or a user's font settings change what the tests see.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

extern char** environ;

namespace vsp {

// Call first in main(), before any library reads the environment. The
// folder it makes goes when the program ends.
inline void AislaEntorno() {
    namespace fs = std::filesystem;
    std::vector<std::string> qt;
    for (char** v = environ; *v; ++v)
        if (std::string(*v).starts_with("QT_")) qt.emplace_back(*v, std::string(*v).find('='));
    for (const std::string& nombre : qt) ::unsetenv(nombre.c_str());
    for (const char* nombre : {"LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY", "PRINTER", "LPDEST", "FONTCONFIG_PATH",
                               "VESPERA_CARPETA"})
        ::unsetenv(nombre);

    // Never destroyed, so that it is still there when the folder goes.
    static const fs::path& raiz = *[] {
        std::string plantilla = (fs::temp_directory_path() / "vespera-entorno-XXXXXX").string();
        if (!::mkdtemp(plantilla.data())) std::abort();
        std::atexit([] {
            std::error_code e;
            fs::remove_all(raiz, e);
        });
        return new fs::path(plantilla);
    }();
    const auto carpeta = [](const fs::path& p) {
        fs::create_directories(p);
        fs::permissions(p, fs::perms::owner_all);
        return p.string();
    };
    ::setenv("HOME", carpeta(raiz / "casa").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", carpeta(raiz / "casa" / ".config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", carpeta(raiz / "casa" / ".local" / "share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", carpeta(raiz / "casa" / ".cache").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", carpeta(raiz / "xdg").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", carpeta(raiz / "run").c_str(), 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("FONTCONFIG_FILE", VESPERA_PRUEBAS "/fuentes.conf", 1);
    // Sockets that do not exist: no printer, no sound device. CUPS's
    // client settings and printer options (client.conf, lpoptions) are read
    // from an empty folder, not the machine's /etc/cups.
    ::setenv("CUPS_SERVER", (raiz / "sin-cups").c_str(), 1);
    ::setenv("CUPS_SERVERROOT", carpeta(raiz / "cups").c_str(), 1);
    ::setenv("PULSE_SERVER", ("unix:" + (raiz / "sin-sonido").string()).c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The pictures of a dense screen are drawn at the scale CTest asks for.
    if (const char* escala = std::getenv("VESPERA_ESCALA")) ::setenv("QT_SCALE_FACTOR", escala, 1);
}

}  // namespace vsp
