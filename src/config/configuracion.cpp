// Reading and writing configuration files.
//
// Line 1: Julian day, city index, longitude, latitude, direction, elevation,
//         zoom.
// Line 2: the description, in double quotes.
// Line 3: ten levels and label options, time kind, a reserved 0, animation
//         unit, "include animation", the 28 object check boxes.
// Line 4: print size, panels, clock, image sense, precession, telescope,
//         sound, telescope field, speed, time zone, daylight saving,
//         animation factor, real time, print data.
// Numbers use "." whatever the locale; lines end in CR LF.
#include "config/configuracion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <type_traits>
#include <vector>

#include "core/constantes.h"
#include "core/errores.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/mensajes.h"
#include "sky/localizacion.h"
#include "time/tiempo.h"

namespace vsp {

namespace {

constexpr const char* kInicial = "Inicial.vpc";
constexpr const char* kDeshacer = "Temporal.WRK";
// No configuration comes near this; anything longer is not one.
constexpr std::size_t kTamanoMaximo = 1 << 20;

// Every field of a configuration file, with the types the state gives them.
struct Configuracion {
    double DiaJuliano;
    int16_t Localidad;
    double Longitud, Latitud, Direccion, Elevacion;
    float Zoom;
    std::string Descripcion;
    int16_t NivelEstrellas, NivelConstel, NivelGalaxias, NivelNebPlanetarias, NivelNebDifusas,
        NivelCumAbiertos, NivelCumGlobulares, IdEstrellas, IdConstel, IdMessier, TipoTiempo,
        Reservado, UnidadAnima, IncluirAnima;
    std::array<int16_t, NumCasillasObjeto> Casillas;
    int16_t AnchoImpresion, AltoImpresion, PanelControl, PanelCursor, PanelLocalizacion,
        PanelObjetos, FormatoHora, SentidoImagen, Precesion, Telescopio, Sonido;
    double CampoTelescopio;
    int16_t Velocidad;
    float ZonaHoraria;
    int16_t HorarioVerano, FactorAnima, TiempoRealActivo, ImprimirDatos;
};

// Calls f(line, member) for every field, in file order (lines from 0).
template <class F>
void cadaCampo(F&& f) {
    using C = Configuracion;
    f(0, &C::DiaJuliano); f(0, &C::Localidad); f(0, &C::Longitud); f(0, &C::Latitud);
    f(0, &C::Direccion); f(0, &C::Elevacion); f(0, &C::Zoom);
    f(1, &C::Descripcion);
    for (auto m : {&C::NivelEstrellas, &C::NivelConstel, &C::NivelGalaxias, &C::NivelNebPlanetarias,
                   &C::NivelNebDifusas, &C::NivelCumAbiertos, &C::NivelCumGlobulares, &C::IdEstrellas,
                   &C::IdConstel, &C::IdMessier, &C::TipoTiempo, &C::Reservado, &C::UnidadAnima,
                   &C::IncluirAnima})
        f(2, m);
    f(2, &C::Casillas);
    for (auto m : {&C::AnchoImpresion, &C::AltoImpresion, &C::PanelControl, &C::PanelCursor,
                   &C::PanelLocalizacion, &C::PanelObjetos, &C::FormatoHora, &C::SentidoImagen,
                   &C::Precesion, &C::Telescopio, &C::Sonido})
        f(3, m);
    f(3, &C::CampoTelescopio); f(3, &C::Velocidad); f(3, &C::ZonaHoraria); f(3, &C::HorarioVerano);
    f(3, &C::FactorAnima); f(3, &C::TiempoRealActivo); f(3, &C::ImprimirDatos);
}

template <class T>
constexpr bool esCasillas = std::is_same_v<T, std::array<int16_t, NumCasillasObjeto>>;

// The built-in configuration, used when "Inicial.vpc" is missing: Málaga
// (city 95), looking south 45 degrees up.
const Configuracion& porDefecto() {
    static const Configuracion c = [] {
        Configuracion d{};
        d.DiaJuliano = 2482294.0;
        d.Localidad = 95;
        d.Longitud = 0.0829029977321625;
        d.Latitud = 0.640890002250671;
        d.Direccion = 3.1415926536;
        d.Elevacion = 0.785398852000001;
        d.Zoom = 2.0f;
        d.NivelEstrellas = 1; d.NivelConstel = 1;
        d.NivelGalaxias = 3; d.NivelNebPlanetarias = 1; d.NivelNebDifusas = 1;
        d.NivelCumAbiertos = 1; d.NivelCumGlobulares = 1;
        d.IdEstrellas = 1; d.IdConstel = 1; d.IdMessier = 1;
        d.TipoTiempo = 1;
        d.UnidadAnima = 3; d.FactorAnima = 1; d.TiempoRealActivo = 0; d.IncluirAnima = 0;
        d.Casillas = {1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1};
        d.HorarioVerano = 0;
        d.AnchoImpresion = 100; d.AltoImpresion = 50;
        d.PanelControl = 1; d.PanelCursor = 1; d.PanelLocalizacion = 1; d.PanelObjetos = 2;
        d.FormatoHora = 1; d.SentidoImagen = 2; d.Precesion = 2; d.Telescopio = 1; d.Sonido = 1;
        d.CampoTelescopio = 0.0523596;
        d.Velocidad = 50;
        d.ZonaHoraria = 0;
        d.ImprimirDatos = 0;
        return d;
    }();
    return c;
}

// The fields that go into their state variables as they are read, as
// f(configuration member, state member).
template <class F>
void cadaVariableDirecta(F&& f) {
    using C = Configuracion;
    using S = ProgramState;
    f(&C::DiaJuliano, &S::DiaJuliano); f(&C::Direccion, &S::Direccion);
    f(&C::Elevacion, &S::Elevacion); f(&C::Zoom, &S::Zoom);
    f(&C::Descripcion, &S::DescripcionConfig);
    f(&C::NivelEstrellas, &S::NivelEstrellas); f(&C::NivelConstel, &S::NivelConstel);
    f(&C::NivelGalaxias, &S::NivelGalaxias); f(&C::NivelNebPlanetarias, &S::NivelNebPlanetarias);
    f(&C::NivelNebDifusas, &S::NivelNebDifusas); f(&C::NivelCumAbiertos, &S::NivelCumAbiertos);
    f(&C::NivelCumGlobulares, &S::NivelCumGlobulares);
    f(&C::IdEstrellas, &S::IdEstrellas); f(&C::IdConstel, &S::IdConstel); f(&C::IdMessier, &S::IdMessier);
    f(&C::TipoTiempo, &S::TipoTiempo); f(&C::UnidadAnima, &S::UnidadAnima);
    f(&C::IncluirAnima, &S::IncluirAnima);
    f(&C::AnchoImpresion, &S::AnchoImpresion); f(&C::AltoImpresion, &S::AltoImpresion);
    f(&C::PanelControl, &S::PanelControl); f(&C::PanelCursor, &S::PanelCursor);
    f(&C::PanelLocalizacion, &S::PanelLocalizacion); f(&C::PanelObjetos, &S::PanelObjetos);
    f(&C::FormatoHora, &S::FormatoHora); f(&C::SentidoImagen, &S::SentidoImagen);
    f(&C::Precesion, &S::Precesion); f(&C::Telescopio, &S::Telescopio); f(&C::Sonido, &S::Sonido);
    f(&C::CampoTelescopio, &S::CampoTelescopio); f(&C::Velocidad, &S::Velocidad);
    f(&C::ZonaHoraria, &S::ZonaHoraria); f(&C::FactorAnima, &S::FactorAnima);
    f(&C::TiempoRealActivo, &S::TiempoRealActivo); f(&C::ImprimirDatos, &S::ImprimirDatos);
}

Configuracion desdeEstado(const ProgramState& e) {
    Configuracion c{};
    cadaVariableDirecta([&](auto mc, auto me) { c.*mc = e.*me; });
    // Applied after the reading: the city, its coordinates, the boxes and
    // the daylight box.
    c.Localidad = e.IndiceLocalidad;
    c.Longitud = e.Longitud;
    c.Latitud = e.Latitud;
    c.Casillas = e.Casillas;
    c.HorarioVerano = e.HorarioVerano;
    return c;
}

void copiaCamposDirectos(const Configuracion& c, ProgramState& e) {
    cadaVariableDirecta([&](auto mc, auto me) { e.*me = c.*mc; });
}

// ---- Reading -------------------------------------------------------------------

std::vector<std::string_view> partesEnLineas(std::string_view texto) {
    std::vector<std::string_view> lineas;
    while (!texto.empty() && lineas.size() < 4) {
        const std::size_t fin = texto.find_first_of("\r\n");
        lineas.push_back(texto.substr(0, fin));
        if (fin == std::string_view::npos) break;
        texto.remove_prefix(fin + (texto.compare(fin, 2, "\r\n") == 0 ? 2 : 1));
    }
    return lineas;
}

std::string_view sinBlancos(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Comma-separated fields; a field in double quotes is taken to the closing
// quote, commas and all.
std::vector<std::string_view> campos(std::string_view linea) {
    constexpr auto npos = std::string_view::npos;
    std::vector<std::string_view> r;
    std::size_t i = 0;
    while (true) {
        while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
        const bool citado = i < linea.size() && linea[i] == '"';
        const std::size_t cierre = citado ? linea.find('"', i + 1) : i;
        const std::size_t siguiente = cierre == npos ? npos : linea.find(',', cierre);
        if (citado)
            r.push_back(linea.substr(i + 1, cierre == npos ? npos : cierre - i - 1));
        else
            r.push_back(sinBlancos(linea.substr(i, siguiente == npos ? npos : siguiente - i)));
        if (siguiente == npos) break;
        i = siguiente + 1;
    }
    return r;
}

class Lector {
public:
    explicit Lector(std::string_view texto) {
        if (texto.starts_with("\xEF\xBB\xBF")) texto.remove_prefix(3);  // editors' UTF-8 mark
        for (std::string_view l : partesEnLineas(texto)) lineas_.push_back(campos(l));
    }

    int16_t error() const { return error_; }
    // Where the reading stopped and why, in words.
    const std::string& detalle() const { return detalle_; }

    void operator()(int linea, std::string& destino) {
        if (auto s = siguiente(linea)) destino = std::string(*s);
    }

    // An empty field reads as 0; a non-finite value takes the field's
    // default; a value that is no number stops the reading with 13, one too
    // large for its field with 6; one too small for a double is 0.
    template <class T>
    void numero(int linea, T& destino, T porDefecto) {
        auto s = siguiente(linea);
        if (!s) return;
        std::string_view t = *s;
        if (t.empty()) {
            destino = 0;
            return;
        }
        if (t.front() == '+') t.remove_prefix(1);
        double v = 0;
        const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        const bool completo = p == t.data() + t.size();
        if (ec == std::errc::result_out_of_range && completo) {
            const std::size_t exponente = t.find_first_of("eE");
            if (exponente == std::string_view::npos || t.substr(exponente + 1, 1) != "-")
                return falla(ErrDesbordamiento, *s, "es demasiado grande para este campo");
            v = 0;
        } else if (ec != std::errc() || !completo) {
            return falla(ErrNoEsNumero, *s, "no es un número");
        }
        if (!std::isfinite(v)) {
            destino = porDefecto;
            return;
        }
        if constexpr (std::is_same_v<T, int16_t>) {
            v = std::nearbyint(v);
            if (v < -32768 || v > 32767) return falla(ErrDesbordamiento, *s, "no cabe en este campo (-32768 a 32767)");
        } else if constexpr (std::is_same_v<T, float>) {
            if (std::fabs(v) > std::numeric_limits<float>::max())
                return falla(ErrDesbordamiento, *s, "es demasiado grande para este campo");
        }
        destino = static_cast<T>(v);
    }

private:
    // The next field of `linea`; none, with 62, when the line or the field
    // is missing.
    const std::string_view* siguiente(int linea) {
        if (error_) return nullptr;
        if (linea != linea_) {
            linea_ = linea;
            campo_ = 0;
        }
        if (static_cast<std::size_t>(linea) >= lineas_.size() || campo_ >= lineas_[linea].size()) {
            error_ = ErrFinDeFichero;
            detalle_ = donde(campo_ + 1) + ": falta, el archivo termina antes de tiempo";
            return nullptr;
        }
        return &lineas_[linea][campo_++];
    }

    std::string donde(std::size_t campo) const {
        return "línea " + std::to_string(linea_ + 1) + ", campo " + std::to_string(campo);
    }

    void falla(int16_t error, std::string_view campo, const char* motivo) {
        error_ = error;
        if (campo.size() > 24) {  // enough to recognise it, cut between characters
            std::size_t corte = 24;
            while (corte > 0 && (static_cast<unsigned char>(campo[corte]) & 0xC0) == 0x80) --corte;
            campo = campo.substr(0, corte);
        }
        detalle_ = donde(campo_) + ": «" + std::string(campo) + "» " + motivo;
    }

    std::vector<std::vector<std::string_view>> lineas_;
    int linea_ = -1;
    std::size_t campo_ = 0;
    int16_t error_ = 0;
    std::string detalle_;
};

// Reads what the text holds into `c` (fields not reached keep their value);
// `detalle` says where and why the reading stopped.
int16_t leeConfiguracion(std::string_view texto, Configuracion& c, std::string& detalle) {
    Lector lector(texto);
    const Configuracion& def = porDefecto();
    cadaCampo([&](int linea, auto m) {
        using T = std::remove_cvref_t<decltype(c.*m)>;
        if constexpr (std::is_same_v<T, std::string>) {
            lector(linea, c.*m);
        } else if constexpr (esCasillas<T>) {
            for (std::size_t i = 0; i < (c.*m).size(); ++i) lector.numero(linea, (c.*m)[i], (def.*m)[i]);
        } else {
            lector.numero(linea, c.*m, def.*m);
        }
    });
    detalle = lector.detalle();
    return lector.error();
}

// ---- Writing -------------------------------------------------------------------

template <class T>
std::string numeroTexto(T v) {
    // The shortest text that reads back as the same value, "." always.
    char buf[40];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, p) : std::string("0");
}

std::string escribeConfiguracion(const Configuracion& c) {
    std::string texto;
    int lineaActual = 0;
    const auto anade = [&](int linea, const std::string& valor) {
        if (linea != lineaActual) {
            texto += "\r\n";
            lineaActual = linea;
        } else if (!texto.empty()) {
            texto += ',';
        }
        texto += valor;
    };
    cadaCampo([&](int linea, auto m) {
        using T = std::remove_cvref_t<decltype(c.*m)>;
        if constexpr (std::is_same_v<T, std::string>) {
            // A double quote or a line break would end the field or the line.
            std::string d = c.*m;
            std::replace(d.begin(), d.end(), '"', '\'');
            std::replace(d.begin(), d.end(), '\r', ' ');
            std::replace(d.begin(), d.end(), '\n', ' ');
            anade(linea, '"' + d + '"');
        } else if constexpr (esCasillas<T>) {
            for (int16_t v : c.*m) anade(linea, numeroTexto(v));
        } else {
            anade(linea, numeroTexto(c.*m));
        }
    });
    return texto + "\r\n";
}

// ---- Valid ranges ----------------------------------------------------------------

double vuelta(double a) {
    a = std::fmod(a, DosPi);
    return a < 0 ? a + DosPi : a;
}

int16_t dos(int16_t v) { return v == 1 ? 1 : 2; }

// Brings every configurable value into the range of the dialog that sets
// it, so that no file can crash or corrupt the chart.
void limitaRangos(ProgramState& e) {
    e.DiaJuliano = std::clamp(e.DiaJuliano, DiaJulianoMinimo, DiaJulianoMaximo);
    if (e.IndiceLocalidad < -1 || e.IndiceLocalidad >= NumLocalidades) e.IndiceLocalidad = -1;
    e.Longitud = vuelta(e.Longitud);
    e.Latitud = std::clamp(e.Latitud, -MedioPi, MedioPi);
    e.Direccion = vuelta(e.Direccion);
    e.Elevacion = std::clamp(e.Elevacion, 0.0, MedioPi);
    e.Zoom = std::clamp(e.Zoom, 1.0f, 15.0f);
    const auto limita = [](int16_t& v, int16_t lo, int16_t hi) { v = std::clamp(v, lo, hi); };
    limita(e.NivelEstrellas, 0, 7);
    limita(e.NivelConstel, 0, 4);
    limita(e.NivelGalaxias, 1, 4);
    limita(e.NivelNebPlanetarias, 1, 2);
    limita(e.NivelNebDifusas, 1, 2);
    limita(e.NivelCumAbiertos, 1, 2);
    limita(e.NivelCumGlobulares, 1, 2);
    limita(e.IdEstrellas, 0, 2);
    limita(e.IdConstel, 0, 3);
    limita(e.IdMessier, 0, 2);
    limita(e.TipoTiempo, 0, 1);
    limita(e.UnidadAnima, 1, 12);
    limita(e.IncluirAnima, 0, 1);
    limita(e.FactorAnima, 1, 99);
    for (int16_t& c : e.Casillas) c = c ? 1 : 0;
    if (e.Casillas[Chk_ARDEC15]) e.Casillas[Chk_ARDEC30] = 0;  // one grid at a time
    limita(e.HorarioVerano, 0, 1);
    limita(e.AnchoImpresion, 10, ImpresionMaximaMm);
    limita(e.AltoImpresion, 10, ImpresionMaximaMm);
    for (int16_t* v : {&e.PanelControl, &e.PanelCursor, &e.PanelLocalizacion, &e.PanelObjetos,
                       &e.FormatoHora, &e.SentidoImagen, &e.Precesion, &e.Telescopio, &e.Sonido})
        *v = dos(*v);
    e.CampoTelescopio = std::clamp(e.CampoTelescopio, 0.0, CampoTelescopioMaximo);
    limita(e.Velocidad, 0, 100);
    e.ZonaHoraria = std::clamp(e.ZonaHoraria, -12.0f, 12.0f);
    limita(e.TiempoRealActivo, 0, 1);
    limita(e.ImprimirDatos, 0, 1);
}

// ---- Names ---------------------------------------------------------------------

bool igualSinMayusculas(std::string_view a, std::string_view b) { return minusculas(a) == minusculas(b); }

std::string rutaEnCarpeta(const std::string& nombre) {
    const std::string& carpeta = Estado().CarpetaTrabajo;
    const auto real = BuscaSinMayusculas(carpeta, nombre);
    return (std::filesystem::path(carpeta) / (real ? *real : nombre)).string();
}

// A name the program can use: not empty, no folder in it.
bool nombreValido(const std::string& n) {
    return !n.empty() && n.find('/') == std::string::npos && n.find('\0') == std::string::npos;
}

void avisaGuardado(int16_t error, const std::string& ruta, const std::string& motivo) {
    if (error == ErrDesbordamiento || error == ErrNoExiste) return;
    MensajeArchivo("Guardar configuración", MensajeErrorGuardado(error, ruta), ruta, motivo);
}

}  // namespace

namespace {

// The load ("CID") and save ("SID") messages share their forms.
std::string mensajeFichero(const char* familia, int16_t e, const std::string& ruta, bool nombre52) {
    const std::string error = std::string("ERROR ") + familia;
    switch (e) {
        case ErrNombreErroneo: return error + "64 : Nombre de archivo erróneo.";
        case ErrUnidad: return error + "68 : Unidad " + UnidadDe(ruta) + ": no preparada.";
        case ErrSendaNoExiste: return error + "76 : La senda no existe.";
        case ErrSinMemoria: return error + "07 : Insuficiente memoria.";
        case ErrNombreFichero:
            if (nombre52) return error + "52 : Nombre de archivo erróneo.";
            [[fallthrough]];
        default: return error + (e < 10 ? "0" : "") + std::to_string(e) + " ha ocurrido.";
    }
}

}  // namespace

std::string MensajeErrorCarga(int16_t e, const std::string& ruta) {
    if (e == ErrNoExiste) return "No existe un archivo con ese nombre.";
    return mensajeFichero("CID", e, ruta, false);
}

std::string MensajeErrorGuardado(int16_t e, const std::string& ruta) {
    return mensajeFichero("SID", e, ruta, true);
}

void CargaConfig(bool elegidaPorElUsuario) {
    ProgramState& e = Estado();
    e.CargandoConfig = Verdadero;
    e.EstadoArchivo = 0;
    const bool inicial = !elegidaPorElUsuario && igualSinMayusculas(e.NombreConfig, kInicial);

    // The initial file is read quietly over the built-in configuration: what
    // it lacks, or holds after an error, keeps its default, and a missing one
    // gives them all.
    Configuracion c = inicial ? porDefecto() : desdeEstado(e);
    const bool valido = nombreValido(e.NombreConfig);
    const std::string ruta = valido ? rutaEnCarpeta(e.NombreConfig) : e.NombreConfig;
    std::vector<uint8_t> bytes;
    std::string motivo;
    int16_t error = 0;
    // The undo point of this run comes from memory: its file may not have
    // been writable.
    if (e.NombreConfig == kDeshacer && !e.TextoDeshacer.empty())
        bytes.assign(e.TextoDeshacer.begin(), e.TextoDeshacer.end());
    else
        error = valido ? LeeFichero(ruta, bytes, kTamanoMaximo) : ErrNombreErroneo;
    if (error)
        motivo = MotivoError(error);
    else
        error = leeConfiguracion({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, c, motivo);
    // Any other file that cannot be read whole is not applied in part.
    if (error && !inicial) {
        e.EstadoArchivo = error;
        e.CargandoConfig = Falso;
        MensajeArchivo("Cargar configuración", MensajeErrorCarga(error, ruta), ruta, motivo);
        return;
    }
    copiaCamposDirectos(c, e);
    limitaRangos(e);

    // The city first (its handler would move the place), then the stored
    // coordinates, which win over the city's.
    const int16_t ciudad = (c.Localidad >= 0 && c.Localidad < NumLocalidades) ? c.Localidad : -1;
    if (ciudad != e.IndiceLocalidad) SeleccionaLocalidad(ciudad);
    e.Longitud = c.Longitud;
    e.Latitud = c.Latitud;

    // Only the boxes whose layers exist are restored; the others keep their
    // state.
    for (int i : {Chk_Sol, Chk_Luna, Chk_Plane1, Chk_Plane2, Chk_Plane3, Chk_Plane4, Chk_Plane5, Chk_Plane6,
                  Chk_Plane7, Chk_Plane8, Chk_Plane9,
                  Chk_Galax, Chk_NebPl, Chk_NebDi, Chk_ARDEC30, Chk_ARDEC15, Chk_Horiz, Chk_Eclip,
                  Chk_LuzDi, Chk_ViaLa, Chk_Messi, Chk_IdentiProfun})
        e.Casillas[i] = c.Casillas[i];
    e.HorarioVerano = c.HorarioVerano;
    e.TiempoRealActivo = 0;  // a load never starts real-time running
    limitaRangos(e);

    // The place is final: a city's zone may follow the time-zone database
    // from here on, which puts right a stored summer time wrong for the date.
    e.CargandoConfig = Falso;
    ActualizaTiempo();
    e.TelescopioRadio = e.CampoTelescopio / 2;
    e.EstadoArchivo = 0;
}

std::vector<std::string> ListaConfiguraciones() {
    std::vector<std::string> nombres;
    std::error_code ec;
    for (const auto& entrada : std::filesystem::directory_iterator(Estado().CarpetaTrabajo, ec)) {
        const std::string nombre = entrada.path().filename().string();
        if (entrada.is_regular_file(ec) && nombre.size() > 4 && minusculas(nombre.substr(nombre.size() - 4)) == ".vpc")
            nombres.push_back(nombre);
    }
    std::sort(nombres.begin(), nombres.end(), [](const std::string& a, const std::string& b) {
        const std::string ma = minusculas(a), mb = minusculas(b);
        return ma != mb ? ma < mb : a < b;
    });
    return nombres;
}

ResumenConfig LeeResumenConfig(const std::string& nombre) {
    ResumenConfig r;
    std::vector<uint8_t> bytes;
    r.error = nombreValido(nombre) ? LeeFichero(rutaEnCarpeta(nombre), bytes, kTamanoMaximo) : ErrNombreErroneo;
    if (r.error) return r;
    Lector lector(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    const Configuracion& def = porDefecto();
    Configuracion c = def;
    lector.numero(0, c.DiaJuliano, def.DiaJuliano);
    lector.numero(0, c.Localidad, def.Localidad);
    lector.numero(0, c.Longitud, def.Longitud);
    lector.numero(0, c.Latitud, def.Latitud);
    lector.numero(0, c.Direccion, def.Direccion);
    lector.numero(0, c.Elevacion, def.Elevacion);
    lector.numero(0, c.Zoom, def.Zoom);
    lector(1, c.Descripcion);
    r.error = lector.error();
    if (r.error) return r;
    r.DiaJuliano = std::clamp(c.DiaJuliano, DiaJulianoMinimo, DiaJulianoMaximo);
    r.Localidad = c.Localidad >= 0 && c.Localidad < NumLocalidades ? c.Localidad : -1;
    r.Longitud = vuelta(c.Longitud);
    r.Latitud = std::clamp(c.Latitud, -MedioPi, MedioPi);
    r.Direccion = vuelta(c.Direccion);
    r.Elevacion = std::clamp(c.Elevacion, 0.0, MedioPi);
    r.Zoom = std::clamp(c.Zoom, 1.0f, 15.0f);
    r.Descripcion = c.Descripcion;
    return r;
}

std::string TextoConfiguracion() { return escribeConfiguracion(desdeEstado(Estado())); }

void GuardaConfig() {
    ProgramState& e = Estado();
    e.EstadoArchivo = 0;
    e.RespuestaMensaje = Verdadero;

    const std::size_t punto = e.NombreConfig.find('.');
    if (punto == 0) {
        MensajeBox("Guardar configuración", "El archivo debe tener el formato:  nombre.vpc", 1, 1);
        e.EstadoArchivo = 1;
        return;
    }
    const std::string cola = e.NombreConfig.size() >= 4 ? minusculas(e.NombreConfig.substr(e.NombreConfig.size() - 4)) : "";
    if (cola != ".vpc" && cola != ".wrk")
        e.NombreConfig = e.NombreConfig.substr(0, punto) + ".vpc";
    if (e.GuardandoDeshacer) e.NombreConfig = kDeshacer;
    if (!nombreValido(e.NombreConfig) || e.NombreConfig == ".vpc") {
        avisaGuardado(ErrNombreFichero, e.NombreConfig, "");
        e.EstadoArchivo = ErrNombreFichero;
        return;
    }

    // Saving over a file whose name differs only in case replaces that file.
    const std::string ruta = rutaEnCarpeta(e.NombreConfig);
    if (!e.GuardandoDeshacer && BuscaSinMayusculas(e.CarpetaTrabajo, e.NombreConfig))
        MensajeBox("Guardar configuración",
                   "Ya existe un archivo con ese  nombre.  ¿Desea  actualizarlo con los nuevos "
                   "datos?.  Confirme  la  modificación pulsando el  Botón  Aceptar.   Para salir "
                   "sin modificarlo pulse el  Botón  Cancelar.",
                   4, 2);
    e.EstadoArchivo = 1;
    if (!e.RespuestaMensaje) return;
    const std::string texto = TextoConfiguracion();
    // The undo point is kept in memory as well: a folder that cannot be
    // written must not turn the undo button into an error. The file stays
    // for whatever reads it.
    if (e.GuardandoDeshacer) e.TextoDeshacer = texto;
    if (const int err = EscribeArchivo(ruta, texto)) {
        const int16_t error = NumeroErrorSistema(err, ruta);
        if (!e.GuardandoDeshacer) avisaGuardado(error, ruta, TextoErrorSistema(err));
        e.EstadoArchivo = error;
        return;
    }
    e.EstadoArchivo = 0;
}

}  // namespace vsp
