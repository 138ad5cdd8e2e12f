// CentraPunto and its undo.
#include "programa/centrado.h"

#include <cmath>

#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/mensajes.h"
#include "programa/arranque.h"
#include "sky/localizacion.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp {

void CentraPunto() {
    ProgramState& e = Estado();
    if (e.ClicDec < e.Latitud - MedioPi || e.ClicDec > e.Latitud + MedioPi) {
        MensajeBox("Buscar Objetos",
                   "Ese punto  se  encuentra bajo  el  horizonte  y  no  es  visible desde la "
                   "Latitud actual",
                   2, 1);
        return;
    }
    if (avisos().BorraTelescopio) avisos().BorraTelescopio();

    e.GuardandoDeshacer = Verdadero;
    GuardaConfig();

    // The point reaches the meridian when the sidereal time equals its right
    // ascension: move forward by that fraction of a turn of the sky, which
    // takes a sidereal day, a little less than a solar one.
    const double sidereo = e.TiempoSidereo;  // 0 .. 2pi
    if (sidereo > e.ClicAR) e.ClicAR += DosPi;
    const double dias = (e.ClicAR - sidereo) / DosPi * DiaSidereo;
    e.DiaJuliano += dias;
    if (e.CentrarLuna) {
        e.CentrarLuna = Falso;
        e.DiaJuliano += dias * 0.20071286398 / DosPi;  // the Moon moves on meanwhile
    }
    e.DiaJuliano = std::min(e.DiaJuliano, DiaJulianoMaximo);
    ActualizaTiempo();

    e.Elevacion = e.ClicDec - e.Latitud + MedioPi;
    if (e.Elevacion > MedioPi) e.Elevacion = Pi - e.Elevacion;
    e.Direccion = e.ClicDec < e.Latitud ? Pi : 0;
    CalculaDireccionMenosPi();
    MuestraLocalizacion();
    if (avisos().Redibujo) avisos().Redibujo();

    e.GuardandoDeshacer = Falso;
    e.CentradoHecho = Verdadero;
}

void EmpiezaArrastre() {
    ProgramState& e = Estado();
    if (avisos().BorraTelescopio) avisos().BorraTelescopio();
    e.GuardandoDeshacer = Verdadero;
    GuardaConfig();
}

void TerminaArrastre() {
    ProgramState& e = Estado();
    e.GuardandoDeshacer = Falso;
    e.CentradoHecho = Verdadero;
}

void DeshazCentrado() {
    ProgramState& e = Estado();
    e.NombreConfig = "Temporal.WRK";
    CargaConfig();
    AplicaEstado();
}

}  // namespace vsp
