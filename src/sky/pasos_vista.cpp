// The six view steps of the control pad and the dialog texts they keep.
#include "sky/pasos_vista.h"

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "sky/localizacion.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"

namespace vsp {

namespace {

// One degree as the program has always counted it: a 360th of its 2 pi.
constexpr double UnGrado = DosPi / 360;
constexpr float PasoZoom = 0.5f;
// Many one-degree steps gather rounding errors of a few ulps. A direction
// within this of 0 or 360 degrees is taken as that end, so that both ends
// are reached as the steps intend and neither is skipped.
constexpr double Holgura = 1e-9;

void textoDireccion() { Estado().Tex_Direc = TextoDireccion(); }

void textoElevacion() {
    ProgramState& e = Estado();
    e.Tex_Eleva = Formato(GradosEnteros(e.Elevacion), "@@") + "°";
}

void textoZoom() {
    ProgramState& e = Estado();
    e.Tex_Zoom = Formato(e.Zoom, "#0.0");
}

}  // namespace

void DireccionMenos() {
    ProgramState& e = Estado();
    e.Direccion -= UnGrado;
    if (e.Direccion < -Holgura)
        e.Direccion = DosPi - UnGrado;
    else if (e.Direccion < 0)
        e.Direccion = 0;
    CalculaDireccionMenosPi();
    textoDireccion();
}

void DireccionMas() {
    ProgramState& e = Estado();
    e.Direccion += UnGrado;
    if (e.Direccion > DosPi + Holgura)
        e.Direccion = UnGrado;
    else if (e.Direccion > DosPi)
        e.Direccion = DosPi;
    CalculaDireccionMenosPi();
    textoDireccion();
}

void ElevacionMenos() {
    ProgramState& e = Estado();
    e.Elevacion -= UnGrado;
    if (e.Elevacion < 0) e.Elevacion = 0;
    textoElevacion();
}

void ElevacionMas() {
    ProgramState& e = Estado();
    e.Elevacion += UnGrado;
    if (e.Elevacion > MedioPi) e.Elevacion = MedioPi;
    textoElevacion();
}

void ZoomMenos() {
    ProgramState& e = Estado();
    e.Zoom -= PasoZoom;
    if (e.Zoom < 1.0f) e.Zoom = 1.0f;
    textoZoom();
}

bool ArrastraVista(float x, float y, double altitud, double azimut) {
    ProgramState& e = Estado();
    double ar, dec;
    float alt, az;
    PuntoACoordenadas(x, y, ar, dec, alt, az);
    if (ar == SinPuntoCielo && dec == SinPuntoCielo) return false;
    // The point under the pointer is where the grabbed one should be: turn
    // by the difference. Each move of the mouse brings it closer.
    const double giro = std::remainder(azimut - az, DosPi);
    e.Direccion = std::fmod(e.Direccion + giro + DosPi, DosPi);
    e.Elevacion = std::clamp(e.Elevacion + (altitud - alt), 0.0, MedioPi);
    CalculaDireccionMenosPi();
    textoDireccion();
    textoElevacion();
    return true;
}

void ZoomMas() {
    ProgramState& e = Estado();
    e.Zoom += PasoZoom;
    if (e.Zoom >= 15.0f) e.Zoom = 15.0f;
    textoZoom();
}

}  // namespace vsp
