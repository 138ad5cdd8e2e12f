// The dialogs' spin controls: what one step does to each value.
#include "ui/mandos/spin_tabla.h"

#include <algorithm>
#include <string>

#include "core/avisos.h"
#include "core/constantes.h"
#include "programa/impresion.h"
#include "sky/localizacion.h"
#include "sky/pasos_vista.h"
#include "sky/proyeccion.h"
#include "sky/tecleo_localizacion.h"
#include "time/formatos.h"
#include "time/tiempo.h"
#include "time/zonas.h"
#include "ui/mandos/dial.h"

namespace vsp::ui {

namespace {

constexpr double UnMinuto = 0.0002908882086667;  // one minute of arc, rad
constexpr float UnMinutoSimple = 0.00029088822f;
constexpr double Treinta = 0.5235987756;          // 30 degrees, rad
// A longitude within this of 0 or 360 degrees after a step is that end:
// sums of minutes gather rounding errors, and 359 59' must lead to 0 00'.
constexpr double Holgura = 1e-9;

}  // namespace

AccionSpin SpinDireccion() {
    AccionSpin a;
    a.paso = [](int s) { s > 0 ? DireccionMas() : DireccionMenos(); };
    a.texto = [] { return Estado().Tex_Direc = TextoDireccion(); };
    a.extra = DibujaDialDireccion;
    a.alSoltar = CalculaDireccionMenosPi;
    return a;
}

AccionSpin SpinElevacion() {
    AccionSpin a;
    a.paso = [](int s) { s > 0 ? ElevacionMas() : ElevacionMenos(); };
    a.texto = [] { return Estado().Tex_Eleva; };
    a.extra = DibujaDialElevacion;
    return a;
}

AccionSpin SpinLatitud() {
    AccionSpin a;
    a.paso = [](int s) {
        ProgramState& e = Estado();
        e.Latitud = std::clamp(e.Latitud + s * UnMinuto, -MedioPi, MedioPi);
    };
    a.texto = [] {
        ProgramState& e = Estado();
        return e.Tex_Lati = FormatoLatitud(e.Latitud);
    };
    a.pruebaPixel = true;
    return a;
}

AccionSpin SpinLongitud() {
    AccionSpin a;
    a.paso = [](int s) {
        ProgramState& e = Estado();
        e.Longitud += s * UnMinuto;
        if (e.Longitud < -Holgura)
            e.Longitud = DosPi - UnMinuto;
        else if (e.Longitud < 0 || e.Longitud >= DosPi - Holgura)
            e.Longitud = 0;
    };
    a.texto = [] {
        ProgramState& e = Estado();
        return e.Tex_Longi = FormatoLongitud(e.Longitud);
    };
    a.pruebaPixel = true;
    return a;
}

AccionSpin SpinZona() {
    AccionSpin a;
    a.paso = [](int s) {
        ProgramState& e = Estado();
        PasaAHoraManual();  // a zone spun by hand is the user's
        e.ZonaHoraria = std::clamp(e.ZonaHoraria + s * 0.5f, -12.0f, 12.0f);
    };
    a.texto = [] {
        ProgramState& e = Estado();
        return e.Tex_Zona = TextoZona(e.ZonaHoraria);
    };
    a.extra = MuestraFechaHora;
    a.pruebaPixel = true;
    return a;
}

AccionSpin SpinZoom() {
    AccionSpin a;
    a.paso = [](int s) { s > 0 ? ZoomMas() : ZoomMenos(); };
    a.texto = [] { return Estado().Tex_Zoom; };
    a.extra = [] {
        DibujaDialZoom();
        DibujaDialElevacion();
        DibujaDialDireccion();
    };
    a.pruebaPixel = true;
    return a;
}

AccionSpin SpinTiempo(int k) {
    AccionSpin a;
    a.paso = [k](int s) {
        Estado().TiempoEstable = Falso;
        IncrementaTiempo(k, s);
    };
    a.alSoltar = [] { Estado().TiempoEstable = Verdadero; };
    return a;
}

AccionSpin SpinTelescopio() {
    AccionSpin a;
    a.paso = [](int s) {
        ProgramState& e = Estado();
        e.CampoTelescopio = std::clamp(e.CampoTelescopio + s * static_cast<double>(UnMinutoSimple), 0.0, Treinta);
    };
    a.texto = [] { return Estado().Tex_Teles = TextoCampoTelescopio(); };
    a.alSoltar = [] {
        if (avisos().BorraTelescopio) avisos().BorraTelescopio();
        ProgramState& e = Estado();
        e.TelescopioRadio = e.CampoTelescopio / 2;
    };
    a.pruebaPixel = true;
    return a;
}

AccionSpin ConSeguimiento(AccionSpin accion, std::function<void()> despues) {
    accion.extra = [previo = std::move(accion.extra), despues = std::move(despues)] {
        if (previo) previo();
        despues();
    };
    return accion;
}

AccionSpin SpinAnchoImpresion() {
    AccionSpin a;
    a.paso = PasoAnchoImpresion;
    a.texto = [] { return std::to_string(Estado().AnchoImpresion); };
    return a;
}

AccionSpin SpinAltoImpresion() {
    AccionSpin a;
    a.paso = PasoAltoImpresion;
    a.texto = [] { return std::to_string(Estado().AltoImpresion); };
    return a;
}

AccionSpin SpinEntero(int16_t ProgramState::*campo, int minimo, int maximo) {
    AccionSpin a;
    a.paso = [=](int s) {
        int16_t& v = Estado().*campo;
        v = static_cast<int16_t>(std::clamp(v + s, minimo, maximo));
    };
    a.texto = [=] { return std::to_string(Estado().*campo); };
    return a;
}

}  // namespace vsp::ui
