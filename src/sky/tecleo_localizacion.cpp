// The location dialog's typed fields.
#include "sky/tecleo_localizacion.h"

#include <algorithm>
#include <array>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/texto.h"
#include "sky/localizacion.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"

namespace vsp {

namespace {

constexpr double RadianesPorSegundo = 4.8481368e-6;
constexpr double RadianesPorMinuto = 0.0002908882086667;  // the telescope spin's step

// The layout of an overtype box: g degree digits, "° ", two minute digits,
// "'", then for a place " ", two second digits, "\" " and the hemisphere
// letter.
struct Plantilla {
    int grados;                        // digits of the degrees
    int maximo;                        // most degrees
    std::string_view letras;           // hemisphere letters accepted; none: no seconds either
    std::string ProgramState::*texto;  // the box's text in the state
    std::string (*deEstado)();         // the text the state's value shows

    bool conSegundos() const { return !letras.empty(); }
    int minutos() const { return grados + 2; }
    int segundos() const { return grados + 6; }
    int letra() const { return conSegundos() ? grados + 10 : -1; }
    int largo() const { return conSegundos() ? grados + 11 : grados + 5; }
    bool esDigito(int i) const {
        return i < grados || i == minutos() || i == minutos() + 1 ||
               (conSegundos() && (i == segundos() || i == segundos() + 1));
    }
    // Where the cursor goes after position i was typed over.
    int siguiente(int i) const {
        for (int j = i + 1; j < largo(); ++j)
            if (esDigito(j) || j == letra()) return j;
        return largo();
    }
};

constexpr Plantilla Latitud{2, 90, "NS", &ProgramState::Tex_Lati, [] { return FormatoLatitud(Estado().Latitud); }};
constexpr Plantilla Longitud{3, 180, "EO", &ProgramState::Tex_Longi,
                             [] { return FormatoLongitud(Estado().Longitud); }};
constexpr Plantilla Telescopio{2, 30, "", &ProgramState::Tex_Teles, TextoCampoTelescopio};

int leeEntero(std::string_view texto) { return static_cast<int>(leadingNumber(texto)); }

// Writes `valor` over the characters [desde, desde + n) of `texto`.
std::string reemplaza(std::string_view texto, int desde, int n, std::string_view valor) {
    return leftChars(texto, static_cast<std::size_t>(desde)) + std::string(valor) +
           midChars(texto, static_cast<std::size_t>(desde + n), std::string::npos);
}

// The accepted text with its numbers held to their bounds, and its value in
// seconds of arc.
double acota(const Plantilla& p, std::string& texto) {
    int grados = leeEntero(midChars(texto, 0, static_cast<std::size_t>(p.grados)));
    if (grados > p.maximo) {
        grados = p.maximo;
        texto = reemplaza(texto, 0, p.grados, std::to_string(p.maximo));
    }
    int minutos = leeEntero(midChars(texto, static_cast<std::size_t>(p.minutos()), 2));
    int segundos = p.conSegundos() ? leeEntero(midChars(texto, static_cast<std::size_t>(p.segundos()), 2)) : 0;
    if (minutos > 59) minutos = 59;
    if (segundos > 59) segundos = 59;
    if (grados == p.maximo) minutos = segundos = 0;
    texto = reemplaza(texto, p.minutos(), 2, Formato(minutos, "00"));
    if (p.conSegundos()) texto = reemplaza(texto, p.segundos(), 2, Formato(segundos, "00"));
    return grados * 3600.0 + minutos * 60.0 + segundos;
}

// One change of an overtype box; `fija` stores the value from the letter
// and the seconds of arc typed.
template <class Fija>
Sobrescrito teclea(const Plantilla& p, std::string_view nuevo, int cursor, Fija fija) {
    ProgramState& e = Estado();
    const int largo = p.largo();
    if (utf8Length(e.*p.texto) != static_cast<std::size_t>(largo)) e.*p.texto = p.deEstado();
    const std::string anterior = e.*p.texto;
    // Refused: the text as it was, the cursor where the change left it (a
    // backspace moves it left, a typed character is taken back).
    const int tecleados = static_cast<int>(utf8Length(nuevo)) - largo;
    const auto deshaz = [&] { return Sobrescrito{anterior, std::clamp(cursor - std::max(tecleados, 0), 0, largo)}; };
    if (tecleados != 1) return deshaz();
    const int i = cursor - 1;
    if (i < 0 || i >= largo) return deshaz();
    std::string c = upperAscii(midChars(nuevo, static_cast<std::size_t>(i), 1));
    if (reemplaza(nuevo, i, 1, "") != anterior) return deshaz();  // not one character typed at the cursor

    if (p.esDigito(i)) {
        if (c.size() != 1 || c[0] < '0' || c[0] > '9') return deshaz();
    } else if (i == p.letra()) {
        if (p.letras == "EO" && c == "W") c = "O";
        if (c.size() != 1 || p.letras.find(c[0]) == std::string_view::npos) return deshaz();
    } else {
        return deshaz();  // a separator
    }

    std::string texto = reemplaza(anterior, i, 1, c);
    const double segundos = acota(p, texto);
    fija(midChars(texto, static_cast<std::size_t>(p.letra()), 1), segundos);
    e.*p.texto = texto;
    return {texto, p.siguiente(i)};
}

// The compass points of "N NEE SES SWW NW", k = 0..7; Spanish "O" is west.
int rumbo(std::string nombre) {
    if (nombre == "O") nombre = "W";
    if (nombre == "NO") nombre = "NW";
    if (nombre == "SO") nombre = "SW";
    static constexpr std::array<std::string_view, 8> Rumbos = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    for (int k = 0; k < 8; ++k)
        if (Rumbos[static_cast<std::size_t>(k)] == nombre) return k;
    return -1;
}

}  // namespace

Sobrescrito TecleaLatitud(std::string_view texto, int cursor) {
    return teclea(Latitud, texto, cursor, [](const std::string& letra, double segundos) {
        const double v = segundos * RadianesPorSegundo;
        Estado().Latitud = letra == "S" && v != 0 ? -v : v;
    });
}

std::string TextoCampoTelescopio() { return leftChars(FormatoLatitud(Estado().CampoTelescopio), 7); }

Sobrescrito TecleaCampoTelescopio(std::string_view texto, int cursor) {
    return teclea(Telescopio, texto, cursor, [](const std::string&, double segundos) {
        // The circle on the chart takes the new size when it is placed again.
        if (avisos().BorraTelescopio) avisos().BorraTelescopio();
        ProgramState& e = Estado();
        // 30 degrees in the spin's minutes overshoots the widest field by a
        // rounding, which a saved configuration would not keep.
        e.CampoTelescopio = std::min(segundos / 60 * RadianesPorMinuto, CampoTelescopioMaximo);
        e.TelescopioRadio = e.CampoTelescopio / 2;
    });
}

Sobrescrito TecleaLongitud(std::string_view texto, int cursor) {
    return teclea(Longitud, texto, cursor, [](const std::string& letra, double segundos) {
        const double v = segundos * RadianesPorSegundo;
        // Stored westward in [0, 2 pi): 0 degrees east is 0, not 2 pi.
        Estado().Longitud = letra == "O" || v == 0 ? v : DosPi - v;
    });
}

void LeeDireccion(std::string_view texto) {
    ProgramState& e = Estado();
    const std::string t = upperAscii(texto);
    // The number of degrees wherever it stands, so that the box's own text
    // ("S  180°") reads back as its value; without one, a compass point.
    const std::size_t cifra = t.find_first_of("0123456789");
    int grados = 0;
    if (cifra != std::string::npos) {
        const bool negativo = cifra > 0 && t[cifra - 1] == '-';
        grados = negativo ? 0 : static_cast<int>(std::min(leadingNumber(t.substr(cifra)), 359.0));
    } else {
        std::string letras;
        for (const char c : t)
            if (c >= 'A' && c <= 'Z') letras += c;
        grados = std::max(rumbo(letras), 0) * 45;
    }
    e.Direccion = grados * RadianesPorGrado;
    CalculaDireccionMenosPi();
    e.Tex_Direc = TextoDireccion();
}

void LeeElevacion(std::string_view texto) {
    ProgramState& e = Estado();
    const int grados = static_cast<int>(std::clamp(leadingNumber(texto), 0.0, 90.0));
    e.Elevacion = grados * RadianesPorGrado;
    e.Tex_Eleva = Formato(GradosEnteros(e.Elevacion), "@@") + "°";
}

void LeeZoom(std::string_view texto) {
    ProgramState& e = Estado();
    e.Zoom = static_cast<float>(std::clamp(leadingHalves(texto), 1.0, 15.0));
    e.Tex_Zoom = Formato(e.Zoom, "#0.0");
}

}  // namespace vsp
