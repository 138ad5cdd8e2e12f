// Start-up and applying a state.
#include "programa/arranque.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "catalog/catalogos.h"
#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/tablas.h"
#include "sky/localizacion.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp {

namespace fs = std::filesystem;

const char* const ConfiguracionesEjemplo[8] = {
    "INICIAL.VPC",       "CONSTELACIONES.VPC", "ECLIPSE 1990.VPC", "MARTE RETRÓGRADO.VPC",
    "PLANETAS 1986.VPC", "PLÉYADES.VPC",       "SOL BISIESTO.VPC", "SOL DE MEDIANOCHE.VPC"};

namespace {

std::string carpetaDeUsuario() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return std::string(xdg) + "/vespera";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw ? pw->pw_dir : "/tmp";
    }
    return std::string(home) + "/.local/share/vespera";
}

// Runs one start-up step; a failure is skipped and start-up goes on.
template <class F>
void paso(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

}  // namespace

bool CarpetaEscribible(const std::string& carpeta) {
    const std::string prueba = carpeta + "/CSCD.WRK";
    const int fd = ::open(prueba.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(prueba.c_str());
    return true;
}

void PreparaCarpeta(const PruebaEscritura& escribible) {
    ProgramState& e = Estado();
    const std::string programa = CarpetaPrograma();
    e.CarpetaTrabajo = programa;
    if (escribible(programa)) return;

    const std::string usuario = carpetaDeUsuario();
    std::error_code ec;
    fs::create_directories(usuario, ec);
    if (!fs::is_directory(usuario, ec)) return;  // saves will report their own errors
    e.CarpetaTrabajo = usuario;
    if (BuscaSinMayusculas(usuario, "INICIAL.VPC")) return;
    for (const char* nombre : ConfiguracionesEjemplo)
        fs::copy_file(fs::path(programa) / nombre, fs::path(usuario) / nombre,
                      fs::copy_options::skip_existing, ec);
}

void AplicaEstado() {
    ProgramState& e = Estado();
    const int unidad = e.UnidadAnima;
    e.PasoTiempo = (unidad >= 0 && unidad <= NumUnidades ? e.TablaUnidades[unidad] : 0) * e.FactorAnima;
    MuestraLocalizacion();
    ActualizaTiempo();
    if (avisos().Ventanas) avisos().Ventanas();
    FijaVentanaCielo();
    CalculaDireccionMenosPi();
    if (avisos().Redibujo) avisos().Redibujo();
}

void ArrancaPrograma(const std::string& configuracion) {
    ProgramState& e = Estado();
    paso([&] { e.Velocidad = 60; });
    paso([&] { e.CarpetaTrabajo = CarpetaPrograma(); });
    paso([&] {
        if (configuracion.empty()) return PreparaCarpeta();
        const fs::path ruta = fs::absolute(configuracion);
        e.CarpetaTrabajo = ruta.parent_path().string();
    });
    paso([&] { e.SaltoLinea = "\r\n"; });
    paso([] {
        if (avisos().VentanaPrincipal) avisos().VentanaPrincipal();
    });
    paso([] { CreaTablas(); });
    paso([] { CargaCatalogos(); });
    paso([&] {
        e.NombreConfig = configuracion.empty() ? "Inicial.vpc" : fs::path(configuracion).filename().string();
        CargaConfig(!configuracion.empty());
    });
    paso([] { AplicaEstado(); });
}

}  // namespace vsp
