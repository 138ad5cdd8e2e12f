// What the harnesses share: a scratch folder, a fresh engine with the
// built-in situation, and what must hold after any input: each value the
// configuration files and the dialogs can set lies within the range its
// dialog allows, and nothing is NaN or infinite. A broken invariant stops
// the run with the field's name, as a crash would.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "core/constantes.h"
#include "core/estado.h"

namespace vsp {

// A folder of this process's own under /dev/shm (memory) or else /tmp,
// removed when the run ends without a crash.
inline const std::string& CarpetaFuzz() {
    // Never destroyed, so that it outlives the removal at exit.
    static const std::string& carpeta = *[] {
        auto* plantilla = new std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        *plantilla += "/vespera-fuzz-XXXXXX";
        if (!mkdtemp(plantilla->data())) std::abort();
        std::atexit([] { std::filesystem::remove_all(CarpetaFuzz()); });
        return plantilla;
    }();
    return carpeta;
}

inline void EscribeFuzz(const std::string& nombre, std::string_view bytes) {
    std::ofstream(CarpetaFuzz() + "/" + nombre, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// A fresh engine with the shipped city list and the built-in situation, as
// from a missing "Inicial.vpc" (motor_fuzz.cpp).
void MotorFuzz();

[[noreturn]] inline void Incumple(const char* que, double valor) {
    std::fprintf(stderr, "invariante roto: %s = %.17g\n", que, valor);
    std::abort();
}

// Also false for NaN.
inline void CompruebaRango(const char* que, double v, double minimo, double maximo) {
    if (!(v >= minimo && v <= maximo)) Incumple(que, v);
}

inline void CompruebaFinito(const char* que, double v) {
    if (!std::isfinite(v)) Incumple(que, v);
}

#define VSP_RANGO(campo, minimo, maximo) CompruebaRango(#campo, e.campo, minimo, maximo)

// The state a configuration load or a typed field leaves.
inline void CompruebaEstado() {
    const ProgramState& e = Estado();
    VSP_RANGO(DiaJuliano, DiaJulianoMinimo, DiaJulianoMaximo);
    VSP_RANGO(ZonaHoraria, -12, 12);
    VSP_RANGO(HorarioVerano, 0, 1);
    VSP_RANGO(IndiceLocalidad, -1, NumLocalidades - 1);
    VSP_RANGO(Longitud, 0, DosPi);
    VSP_RANGO(Latitud, -MedioPi, MedioPi);
    VSP_RANGO(Direccion, 0, DosPi);
    VSP_RANGO(Elevacion, 0, MedioPi);
    VSP_RANGO(Zoom, 1, 15);
    VSP_RANGO(NivelEstrellas, 0, 7);
    VSP_RANGO(NivelConstel, 0, 4);
    VSP_RANGO(NivelGalaxias, 1, 4);
    VSP_RANGO(NivelNebPlanetarias, 1, 2);
    VSP_RANGO(NivelNebDifusas, 1, 2);
    VSP_RANGO(NivelCumAbiertos, 1, 2);
    VSP_RANGO(NivelCumGlobulares, 1, 2);
    VSP_RANGO(IdEstrellas, 0, 2);
    VSP_RANGO(IdConstel, 0, 3);
    VSP_RANGO(IdMessier, 0, 2);
    VSP_RANGO(TipoTiempo, 0, 1);
    for (int16_t casilla : e.Casillas) CompruebaRango("Casillas[]", casilla, 0, 1);
    VSP_RANGO(PanelControl, 1, 2);
    VSP_RANGO(PanelCursor, 1, 2);
    VSP_RANGO(PanelLocalizacion, 1, 2);
    VSP_RANGO(PanelObjetos, 1, 2);
    VSP_RANGO(FormatoHora, 1, 2);
    VSP_RANGO(SentidoImagen, 1, 2);
    VSP_RANGO(Precesion, 1, 2);
    VSP_RANGO(Telescopio, 1, 2);
    VSP_RANGO(Sonido, 1, 2);
    VSP_RANGO(CampoTelescopio, 0, 0.5235987756);
    VSP_RANGO(TelescopioRadio, 0, 0.2617993878);
    VSP_RANGO(Velocidad, 0, 100);
    VSP_RANGO(UnidadAnima, 1, 12);
    VSP_RANGO(FactorAnima, 1, 99);
    VSP_RANGO(TiempoRealActivo, 0, 1);
    VSP_RANGO(IncluirAnima, 0, 1);
    VSP_RANGO(AnchoImpresion, 10, 32767);  // a file holds 10..2000, the dialog has no upper limit without a page
    VSP_RANGO(AltoImpresion, 10, 32767);
    VSP_RANGO(ImprimirDatos, 0, 1);
    VSP_RANGO(TiempoSidereo, 0, DosPi);
    // The last date shown is the local one, up to 13 hours beyond the calendar.
    VSP_RANGO(FechaAno, -4714, 8000);
    VSP_RANGO(FechaMes, 1, 12);
    VSP_RANGO(FechaDia, 1, 31);
    VSP_RANGO(FechaHora, 0, 24);
    VSP_RANGO(FechaMinuto, 0, 59);
    if (e.FechaAno == 0) Incumple("FechaAno", 0);
    for (double v : {e.DireccionMenosPi, e.PrecZeta, e.PrecTheta, e.PrecZ, e.PasoTiempo, e.SenoTierraMasPi,
                     e.CosenoTierraMasPi})
        CompruebaFinito("ángulo o paso derivado", v);
}

}  // namespace vsp
