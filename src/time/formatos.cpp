// Number patterns, angles, dates and times as text.
#include "time/formatos.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "time/calendario.h"
#include "time/zonas.h"
#include "time/tiempo.h"

namespace vsp {

namespace {

std::string& separador() {
    static std::string s = ".";
    return s;
}

std::vector<std::string_view> splitSections(std::string_view patron) {
    std::vector<std::string_view> secciones;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i <= patron.size(); ++i) {
        if (i == patron.size() || patron[i] == ';') {
            secciones.push_back(patron.substr(inicio, i - inicio));
            inicio = i + 1;
        }
    }
    return secciones;
}

bool isDigitPlace(char c) { return c == '0' || c == '#' || c == '.'; }

// The plain text of a value, as "@" patterns show it.
std::string plainText(double valor) {
    char buf[40];
    // Whole numbers (the catalogues' listings are full of them) skip printf.
    if (valor == std::trunc(valor) && std::fabs(valor) < 1e15)
        return std::to_string(static_cast<long long>(valor));
    std::snprintf(buf, sizeof buf, "%.15g", valor);
    std::string s = buf;
    if (auto p = s.find('.'); p != std::string::npos) s.replace(p, 1, separador());
    return s;
}

// The digits of a value that is not negative, rounded half away from zero to
// `decimales` places as its decimal text of `cifras` significant digits
// reads: 14.95 gives 15.0, as the user who typed it expects, not the 14.9 of
// the binary value 14.9499... Leading zeros of the integer part are dropped.
void roundDecimal(double valor, int cifras, int decimales, std::string& enteros,
                  std::string& fraccion) {
    // Whole numbers, most of what the program formats, need no rounding.
    if (valor == std::trunc(valor) && valor < 1e15) {
        enteros = valor == 0 ? "" : std::to_string(static_cast<long long>(valor));
        fraccion.assign(static_cast<std::size_t>(decimales), '0');
        return;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", cifras - 1, valor);
    std::string digitos;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digitos += *p;
    int punto = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;  // digits before the point
    if (punto < 0) {
        digitos.insert(0, static_cast<std::size_t>(-punto), '0');
        punto = 0;
    }
    const std::size_t guardar = static_cast<std::size_t>(punto + decimales);
    if (guardar < digitos.size()) {
        const bool sube = digitos[guardar] >= '5';
        digitos.resize(guardar);
        for (std::size_t i = digitos.size(); sube; --i) {
            if (i == 0) {
                digitos.insert(digitos.begin(), '1');
                ++punto;
                break;
            }
            if (digitos[i - 1] != '9') {
                ++digitos[i - 1];
                break;
            }
            digitos[i - 1] = '0';
        }
    } else {
        digitos.append(guardar - digitos.size(), '0');
    }
    enteros = digitos.substr(0, static_cast<std::size_t>(punto));
    enteros.erase(0, std::min(enteros.find_first_not_of('0'), enteros.size()));
    fraccion = digitos.substr(static_cast<std::size_t>(punto));
}

// One section of a numeric pattern applied to a value that is not negative.
std::string formatSection(double valor, std::string_view seccion, int cifras) {
    std::size_t primero = 0;
    while (primero < seccion.size() && !isDigitPlace(seccion[primero])) ++primero;
    std::size_t ultimo = seccion.size();
    while (ultimo > primero && !isDigitPlace(seccion[ultimo - 1])) --ultimo;
    const std::string_view prefijo = seccion.substr(0, primero);
    const std::string_view nucleo = seccion.substr(primero, ultimo - primero);
    const std::string_view sufijo = seccion.substr(ultimo);

    const std::size_t punto = nucleo.find('.');
    const std::string_view entera = nucleo.substr(0, punto);
    const std::string_view fraccion =
        punto == std::string_view::npos ? std::string_view{} : nucleo.substr(punto + 1);
    int minEnteros = 0, minDecimales = 0, maxDecimales = 0;
    for (char c : entera) minEnteros += c == '0';
    for (char c : fraccion) {
        minDecimales += c == '0';
        maxDecimales += c == '0' || c == '#';
    }

    std::string digitosEnteros, digitosDecimales;
    roundDecimal(valor, cifras, maxDecimales, digitosEnteros, digitosDecimales);
    if (digitosEnteros.size() < static_cast<std::size_t>(minEnteros))
        digitosEnteros.insert(0, minEnteros - digitosEnteros.size(), '0');
    while (digitosDecimales.size() > static_cast<std::size_t>(minDecimales) &&
           digitosDecimales.back() == '0')
        digitosDecimales.pop_back();

    std::string texto(prefijo);
    texto += digitosEnteros;
    if (!digitosDecimales.empty()) texto += separador() + digitosDecimales;
    texto += sufijo;
    return texto;
}

// Degrees, minutes and seconds of an angle, seconds cut. The 5e-7 radian
// added keeps whole values from showing one second less.
struct GradosMinutosSegundos {
    int grados, minutos, segundos;
};

GradosMinutosSegundos descomponeGrados(double radianes) {
    double d = (std::fabs(radianes) + 5e-7) * GradosPorRadian;
    if (d >= 360) d -= 360;
    const double g = std::floor(d);
    const double m = std::floor((d - g) * 60);
    const double s = std::floor((d - g - m / 60) * 3600);
    // m / 60 is inexact: keep a value a hair below a whole minute from
    // showing as -1 seconds.
    return {static_cast<int>(g), static_cast<int>(m), std::clamp(static_cast<int>(s), 0, 59)};
}

}  // namespace

void FijaSeparadorDecimal(std::string s) { separador() = std::move(s); }

const std::string& SeparadorDecimal() { return separador(); }

std::string Formato(double valor, std::string_view patron, int cifras) {
    if (!std::isfinite(valor)) return {};
    if (patron.find('@') != std::string_view::npos) {
        const std::size_t ancho = std::count(patron.begin(), patron.end(), '@');
        std::string texto(patron.substr(0, patron.find('@')));
        texto += padLeft(plainText(valor), ancho);
        texto += patron.substr(patron.rfind('@') + 1);
        return texto;
    }
    const auto secciones = splitSections(patron);
    if (valor < 0 && secciones.size() > 1) return formatSection(-valor, secciones[1], cifras);
    if (valor < 0) {
        // The sign goes right before the digits, after any leading text.
        std::string texto = formatSection(-valor, secciones[0], cifras);
        std::size_t i = 0;
        while (i < texto.size() && texto[i] == ' ') ++i;
        texto.insert(i, "-");
        return texto;
    }
    return formatSection(valor, secciones[0], cifras);
}

std::string FormatoGrados(double x) {
    const auto [g, m, s] = descomponeGrados(x);
    std::string texto = x < 0 ? "-" : "";
    texto += Formato(g, "@@@") + "°" + Formato(m, " 00") + "'" + Formato(s, " 00") + "\"";
    return texto;
}

std::string FormatoHoras(float x) {
    // Single precision throughout, as the angle comes in.
    const float grados = static_cast<float>(static_cast<double>(x) * GradosPorRadian);
    float h = std::floor(grados / 15.0f);
    float m = std::floor((grados - 15.0f * h) * 4.0f);
    float s = std::nearbyint((grados - 15.0f * h - m / 4.0f) * 240.0f);
    if (s > 59) {
        s = 0;
        m += 1;
    }
    if (m > 59) {
        m = 0;
        h += 1;
    }
    if (h > 23) h = 0;
    return Formato(h, "@@@") + "h" + Formato(m, " 00") + "m" + Formato(s, " 00") + "s";
}

std::string FormatoLatitud(double x) {
    // Latitudes never reach 100 degrees: the hundreds place is dropped.
    return rightChars(FormatoGrados(std::fabs(x)), 11) + (x >= 0 ? " N" : " S");
}

std::string FormatoLongitud(double x) {
    const char* sufijo = " O";
    if (x > Pi) {
        x = DosPi - x;
        sufijo = " E";
    }
    Estado().LongitudGrados = static_cast<int16_t>(descomponeGrados(x).grados);
    return FormatoGrados(x) + sufijo;
}

void FormatoFechaHora(double diaJuliano) {
    ProgramState& e = Estado();
    CalculaFecha(diaJuliano);
    e.TextoFecha = Formato(e.FechaDia, "00") + " / " + Formato(e.FechaMes, "00") + " / " +
                   Formato(e.FechaAno, "@@@@@");
    if (e.FormatoHora == 1) {
        e.TextoHora = Formato(e.FechaHora, "00") + ":" + Formato(e.FechaMinuto, "00");
    } else {
        // The hour after noon shows as 00: 12:30 is "00:30 PM".
        int h = e.FechaHora;
        const char* sufijo = " AM";
        if (h > 11) {
            h -= 12;
            sufijo = " PM";
        }
        e.TextoHora = Formato(h, "00") + ":" + Formato(e.FechaMinuto, "00") + sufijo;
    }
}

void MuestraFechaHora() {
    ProgramState& e = Estado();
    // Every change of the time, the place or the situation rewrites the
    // fields: the database's zone for the new instant first.
    AplicaHoraAutomatica();
    e.ActualizandoHora = Verdadero;
    CamposFechaHora campos;
    const double dias[2] = {e.DiaJuliano, DiaJulianoLocal()};
    for (int i = 0; i < 2; ++i) {
        FormatoFechaHora(dias[i]);
        campos.Tex_Hora[i] = e.TextoHora;
        campos.Tex_FecDia[i] = Formato(e.FechaDia, "00");
        campos.Tex_FecMes[i] = Formato(e.FechaMes, "00");
        campos.Tex_FecAno[i] = Formato(e.FechaAno, "#####");
    }
    campos.Tex_FecJul = Formato(e.DiaJuliano, "#######0.000000");
    campos.Tex_Zona = TextoZona(e.ZonaHoraria);
    campos.HorarioVerano = e.HorarioVerano;
    campos.Regla = TextoReglaHoraria();
    if (avisos().FechaHora) avisos().FechaHora(campos);
    e.ActualizandoHora = Falso;
}

TextosPanelFecha TextosFechaPanel() {
    ProgramState& e = Estado();
    TextosPanelFecha t;
    FormatoFechaHora(e.DiaJuliano);
    t.Tex_FecUni = "T.U. = " + e.TextoFecha;
    t.Tex_HorUni = e.TextoHora;
    FormatoFechaHora(DiaJulianoLocal());
    t.Tex_FecLoc = "F.L. = " + e.TextoFecha;
    t.Tex_HorLoc = e.TextoHora;
    t.Tex_FecJul = "D.J. = " + Formato(e.DiaJuliano, "#######0.000000");
    return t;
}

}  // namespace vsp
