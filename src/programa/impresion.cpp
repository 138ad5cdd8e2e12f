// The print sizes and the data strip's texts.
#include "programa/impresion.h"

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "sky/localizacion.h"
#include "time/formatos.h"
#include "time/tiempo.h"

namespace vsp {

namespace {

int16_t limita(double mm, int minimo, int16_t maximo) {
    double v = std::max(std::trunc(mm), static_cast<double>(minimo));
    return static_cast<int16_t>(std::min(v, static_cast<double>(maximo > 0 ? maximo : ImpresionMaximaMm)));
}

void fijaAncho(double mm) {
    ProgramState& e = Estado();
    e.AnchoImpresion = LimitaAnchoImpresion(mm);
    e.AltoImpresion = LimitaAltoImpresion(AltoProporcional(e.AnchoImpresion));
}

// "T.U. =  15 / 03 /  2002  -  21:30" for a Julian day.
std::string fechaHora(const char* rotulo, double dia) {
    ProgramState& e = Estado();
    FormatoFechaHora(dia);
    std::string hora = e.TextoHora;
    if (e.FormatoHora != 1 && !hora.empty()) hora.pop_back();
    return std::string(rotulo) + "  " + e.TextoFecha + "  -  " + hora;
}

}  // namespace

int16_t LimitaAnchoImpresion(double mm) { return limita(mm, AnchoMinimoImpresion, Estado().AnchoMaximoMm); }

int16_t LimitaAltoImpresion(double mm) { return limita(mm, AltoMinimoImpresion, Estado().AltoMaximoMm); }

int AltoProporcional(int ancho) { return ancho * 6 / 8; }

void LeeAnchoImpresion(std::string_view texto) { fijaAncho(leadingNumber(texto)); }

void LeeAltoImpresion(std::string_view texto) { Estado().AltoImpresion = LimitaAltoImpresion(leadingNumber(texto)); }

void PasoAnchoImpresion(int sentido) {
    fijaAncho(Estado().AnchoImpresion + sentido * PasoImpresionMm);
}

void PasoAltoImpresion(int sentido) {
    ProgramState& e = Estado();
    e.AltoImpresion = LimitaAltoImpresion(e.AltoImpresion + sentido * PasoImpresionMm);
}

void PreparaImpresion() { fijaAncho(Estado().AnchoImpresion); }

std::array<TextoTira, 9> TextosTira() {
    ProgramState& e = Estado();
    const bool conCiudad = e.IndiceLocalidad >= 0 && e.IndiceLocalidad < static_cast<int>(e.Cbo_Localidad.size());
    CalculaRumbo();
    return {{
        {3, 2, 114, conCiudad ? trimSpaces(e.Cbo_Localidad[e.IndiceLocalidad]) : std::string()},
        {119, 2, 280, fechaHora("T.U. =", e.DiaJuliano)},
        {285, 2, 444, fechaHora("F.L. =", DiaJulianoLocal())},
        {449, 2, AnchoTira - 1, "F.J. =  " + Formato(e.DiaJuliano, "#######0.000000")},
        {3, 20, 141, "Longitud: " + trimSpaces(FormatoLongitud(e.Longitud))},
        {146, 20, 264, "Latitud: " + trimSpaces(FormatoLatitud(e.Latitud))},
        {269, 20, 369,
         "Dirección: " + Formato(GradosEnteros(e.Direccion), "@@@") + "° " + trimSpaces(e.NombreRumbo)},
        {374, 20, 464, "Elevación: " + Formato(GradosEnteros(e.Elevacion), "@@") + "°"},
        {469, 20, AnchoTira - 1, "Zoom: " + Formato(e.Zoom, "#0.0")},
    }};
}

}  // namespace vsp
