// CargaCatalogos: the eleven data files into the program state's tables and
// the dialogs' list lines. Each file is read in one block and every field is
// decoded at its offset; nothing in a file can make the load fail or read
// outside a table.
#include "catalog/catalogos.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>
#include <vector>

#include "catalog/lector.h"
#include "core/carpetas.h"
#include "core/constantes.h"
#include "core/errores.h"
#include "core/ficheros.h"
#include "core/estado.h"
#include "core/mensajes.h"
#include "core/texto.h"
#include "time/formatos.h"

namespace vsp {

namespace {

void informa(int numero, const std::string& ruta) {
    if (numero == ErrDesbordamiento) return;  // never reported
    MensajeArchivo("Cargando datos iniciales", MensajeErrorCatalogo(numero, ruta), ruta, MotivoError(numero));
}

// A direction read from a file: three finite cosines of a unit vector. Zero
// vectors, garbage and NaN are not directions.
bool esDireccion(float x, float y, float z) {
    const double r2 = double(x) * x + double(y) * y + double(z) * z;
    return r2 > 0.98 && r2 < 1.02;
}

// A place in the sky or on the Earth: right ascension or westward
// longitude 0..2pi, declination or latitude within +-pi/2. Further out, or
// NaN, the record is damaged: its listing line would turn the angle into
// more degrees than an integer holds, and a city would carry the place out
// of range.
bool enRango(float angulo, float altura) {
    return angulo >= 0 && angulo <= static_cast<float>(DosPi) && std::fabs(altura) <= static_cast<float>(MedioPi);
}

// The direction cosines at `off`; false when they are no direction.
bool leeDireccion(const Registro& r, std::size_t off, float& x, float& y, float& z) {
    x = r.simple(off);
    y = r.simple(off + 4);
    z = r.simple(off + 8);
    return esDireccion(x, y, z);
}

// Reads one file of `registros` records of `longitud` bytes, handing record
// r (from 0) to `decodifica`, which returns false for a damaged record. The
// first `saltar` records of the file are not read. Returns false when the
// file could not be read at all.
bool cargaFichero(std::string_view nombre, std::size_t longitud, std::size_t saltar, std::size_t registros,
                  const std::function<bool(std::size_t, const Registro&)>& decodifica) {
    const std::string ruta = CarpetaPrograma() + "/" + std::string(nombre);
    std::vector<uint8_t> bytes;
    if (int error = LeeFichero(ruta, bytes)) {
        informa(error, ruta);
        return false;
    }
    const std::size_t esperado = (saltar + registros) * longitud;
    int aviso = 0;
    if (bytes.size() < esperado)
        aviso = ErrFinDeFichero;
    else if (bytes.size() > esperado)
        aviso = ErrLongitudRegistro;
    const std::size_t completos = std::min(bytes.size() / longitud, saltar + registros);
    for (std::size_t r = saltar; r < completos; ++r) {
        const Registro reg(std::span<const uint8_t>(bytes).subspan(r * longitud, longitud));
        if (!decodifica(r - saltar, reg) && !aviso) aviso = ErrNoEsNumero;
    }
    if (aviso) informa(aviso, ruta);
    return true;
}

// ---- Records -----------------------------------------------------------------

// Blank fixed-width texts for records that are missing or damaged, so that
// list lines keep their columns.
std::string blancos(std::size_t n) { return std::string(n, ' '); }

Localidad localidadVacia() { return {blancos(20), 0, 0}; }

ObjetoMessier messierVacio() {
    ObjetoMessier m;
    m.Tipo = blancos(1);
    m.Designacion = blancos(6);
    m.Magnitud = blancos(4);
    m.DescripcionTipo = blancos(20);
    m.Nombre = blancos(15);
    return m;
}

Constelacion constelacionVacia() {
    Constelacion c;
    c.Abreviatura = blancos(3);
    c.NombreLatino = c.Genitivo = c.NombreCastellano = blancos(20);
    c.Visibilidad = blancos(9);
    return c;
}

ObjetoProfundo profundoVacio() {
    ObjetoProfundo o;
    o.Designacion = blancos(6);
    return o;
}

EstrellaNombre estrellaNombreVacia() {
    EstrellaNombre s;
    s.Codigo = blancos(8);
    s.Nombre = blancos(10);
    return s;
}

bool leeLocalidad(const Registro& r, Localidad& l) {
    if (!enRango(r.simple(20), r.simple(24))) return false;
    l = {r.texto(0, 20), r.simple(20), r.simple(24)};
    return true;
}

bool leeCuerpo(const Registro& r, CuerpoSolar& c) {
    if (!r.doblesFinitos({3, 11, 19, 27, 35, 43, 51})) return false;
    c.Etiqueta = r.texto(0, 3);
    c.n = r.doble(3);
    c.L0 = r.doble(11);
    c.Perihelio = r.doble(19);
    c.Excentricidad = r.doble(27);
    c.SemiejeMayor = r.doble(35);
    c.Inclinacion = r.doble(43);
    c.Nodo = r.doble(51);
    // The result fields are recomputed before every use.
    return true;
}

bool leeMessier(const Registro& r, ObjetoMessier& m) {
    if (!enRango(r.simple(7), r.simple(11)) || !leeDireccion(r, 54, m.x, m.y, m.z)) return false;
    m.Tipo = r.texto(0, 1);
    m.Designacion = r.texto(1, 6);
    m.AR = r.simple(7);
    m.Dec = r.simple(11);
    m.Magnitud = r.texto(15, 4);
    m.DescripcionTipo = r.texto(19, 20);
    m.Nombre = r.texto(39, 15);
    return true;
}

bool leeConstelacion(const Registro& r, Constelacion& c) {
    if (!enRango(r.simple(74), r.simple(78)) || !leeDireccion(r, 82, c.x, c.y, c.z)) return false;
    c.Nivel = r.entero(0);
    c.Abreviatura = r.texto(2, 3);
    c.NombreLatino = r.texto(5, 20);
    c.Genitivo = r.texto(25, 20);
    c.NombreCastellano = r.texto(45, 20);
    c.Visibilidad = r.texto(65, 9);
    c.AR = r.simple(74);
    c.Dec = r.simple(78);
    return true;
}

bool leeVertice(const Registro& r, VerticeFigura& v) {
    v.Pluma = r.entero(0);
    return leeDireccion(r, 2, v.x, v.y, v.z);
}

bool leeProfundo(const Registro& r, ObjetoProfundo& o) {
    if (!enRango(r.simple(6), r.simple(10))) return false;
    o = {r.texto(0, 6), r.simple(6), r.simple(10), r.entero(14), 0, 0, 0};
    return leeDireccion(r, 16, o.x, o.y, o.z);
}

bool leeEstrellaNombre(const Registro& r, EstrellaNombre& s) {
    if (!enRango(r.simple(18), r.simple(22)) || !r.simplesFinitos({26})) return false;
    s = {r.texto(0, 8), r.texto(8, 10), r.simple(18), r.simple(22), r.simple(26), r.entero(30), 0, 0, 0};
    return leeDireccion(r, 32, s.x, s.y, s.z);
}

bool leeEstrella(const Registro& r, Estrella& s) {
    if (!r.simplesFinitos({0})) return false;
    s.Magnitud = r.simple(0);
    s.Clase = r.entero(4);
    return leeDireccion(r, 6, s.x, s.y, s.z);
}

bool leePuntoVia(const Registro& r, PuntoCielo& p) {
    return leeDireccion(r, 0, p.x, p.y, p.z);
}

// Decodes the file's records into the entries of `tabla`, one a record; a
// missing or damaged record leaves its entry as `vacio`.
template <class T, std::size_t E>
bool cargaTabla(std::string_view nombre, std::size_t longitud, std::size_t saltar, std::span<T, E> tabla,
                bool (*lee)(const Registro&, T&), const T& vacio = T{}) {
    std::fill(tabla.begin(), tabla.end(), vacio);
    return cargaFichero(nombre, longitud, saltar, tabla.size(), [&](std::size_t r, const Registro& reg) {
        return lee(reg, tabla[r]) || (tabla[r] = vacio, false);
    });
}

// ---- List lines --------------------------------------------------------------

std::string lineaMessier(int i, const ObjetoMessier& m) {
    std::string s = Formato(i + 1, "@@@") + " " + m.Designacion + "  " + m.DescripcionTipo;
    if (i + 1 == 102) return s;  // M102 has never had more than this
    return s + "  " + m.Nombre + "  " + m.Magnitud + "  " + FormatoHoras(m.AR) + "  " +
           FormatoGrados(m.Dec);
}

std::string lineaConstelacion(const Constelacion& c) {
    return " " + c.Abreviatura + "   " + c.NombreLatino + "  " + c.Genitivo + "  " +
           c.NombreCastellano + "   " + c.Visibilidad;
}

std::string lineaProfundo(const ObjetoProfundo& o) {
    return "  " + o.Designacion + "   " + std::to_string(o.Clase) + "   " + FormatoHoras(o.AR) +
           "    " + FormatoGrados(o.Dec);
}

// Named stars listed by the search: every star to magnitude 3.0 and every
// star whose code is a Bayer letter (neither two blanks nor a "V").
bool estrellaListada(const EstrellaNombre& s) {
    if (s.Magnitud <= 3.0f) return true;
    const bool flamsteedONombre = s.Codigo.compare(0, 2, "  ") == 0;
    const bool variable = !s.Codigo.empty() && (s.Codigo[0] == 'V' || s.Codigo[0] == 'v');
    return !flamsteedONombre && !variable;
}

std::string lineaEstrella(const EstrellaNombre& s) {
    static const char* const kEtiquetas[4] = {"  ", " V", " M", " X"};
    const char* tipo = (s.Tipo >= 1 && s.Tipo <= 3) ? kEtiquetas[s.Tipo] : kEtiquetas[0];
    // The declination's sign, or a blank, then its degrees and minutes with
    // their marks: nine characters for every star.
    const std::string dec = (s.Dec < 0 ? "-" : " ") + leftChars(FormatoGrados(std::fabs(s.Dec)), 8);
    return s.Codigo + " " + FormatoHoras(s.AR).substr(1) + " " + dec + " " + Formato(s.Magnitud, " 0.0;-0.0") +
           tipo + " " + s.Nombre;
}

// ---- One loader a file ---------------------------------------------------------

void cargaLocalidades(std::string_view nombre) {
    ProgramState& e = Estado();
    e.Cbo_Localidad.clear();
    if (cargaTabla(nombre, 28, 0, std::span(e.Localidades), leeLocalidad, localidadVacia()))
        for (const Localidad& l : e.Localidades) e.Cbo_Localidad.push_back(l.Nombre);
}

// Record 1 of the bodies' file is not used; entries 1..11 hold records 2..12.
void cargaCuerpos(std::string_view nombre) {
    cargaTabla(nombre, 107, 1, std::span(Estado().ElementosPlanetas).subspan(1), leeCuerpo);
}

void cargaMessier(std::string_view nombre) {
    ProgramState& e = Estado();
    e.Lst_Messi.clear();
    if (cargaTabla(nombre, 66, 0, std::span(e.Messier), leeMessier, messierVacio()))
        for (int i = 0; i < NumMessier; ++i) e.Lst_Messi.push_back(lineaMessier(i, e.Messier[i]));
}

void cargaConstelaciones(std::string_view nombre) {
    ProgramState& e = Estado();
    e.Lst_Const.clear();
    if (cargaTabla(nombre, 94, 0, std::span(e.Constelaciones), leeConstelacion, constelacionVacia()))
        for (const Constelacion& c : e.Constelaciones) e.Lst_Const.push_back(lineaConstelacion(c));
}

void cargaFiguras(std::string_view nombre) { cargaTabla(nombre, 14, 0, std::span(Estado().LineasConst), leeVertice); }

void cargaProfundo(std::string_view nombre, std::span<ObjetoProfundo> tabla, std::vector<std::string>& lista) {
    lista.clear();
    const ObjetoProfundo vacio = profundoVacio();
    if (!cargaTabla(nombre, 28, 0, tabla, leeProfundo, vacio)) return;
    // A short or damaged file leaves many records empty: their line is made once.
    const std::string lineaVacia = lineaProfundo(vacio);
    for (const ObjetoProfundo& o : tabla) lista.push_back(o == vacio ? lineaVacia : lineaProfundo(o));
}

void cargaEstrellasNombre(std::string_view nombre) {
    ProgramState& e = Estado();
    e.Lst_Estre.clear();
    e.NumIndiceEstrellas = 0;
    if (!cargaTabla(nombre, 44, 0, std::span(e.EstrellasNombre).first(NumEstrellasNombre),
                    leeEstrellaNombre, estrellaNombreVacia()))
        return;
    for (int i = 0; i < NumEstrellasNombre && e.NumIndiceEstrellas < MaxIndiceEstrellas; ++i) {
        const EstrellaNombre& s = e.EstrellasNombre[i];
        // A missing or damaged record has no direction and is no star.
        if (!esDireccion(s.x, s.y, s.z) || !estrellaListada(s)) continue;
        e.Lst_Estre.push_back(lineaEstrella(s));
        e.IndiceEstrellas[e.NumIndiceEstrellas++] = static_cast<int16_t>(i);
    }
}

void cargaEstrellas(std::string_view nombre) {
    cargaTabla(nombre, 18, 0, std::span(Estado().Estrellas).first(NumEstrellas), leeEstrella);
}

void cargaViaLactea(std::string_view nombre) { cargaTabla(nombre, 12, 0, std::span(Estado().ViaLactea), leePuntoVia); }

// The loaders in the order of FicherosCatalogo.
using Carga = void (*)(std::string_view nombre);
constexpr Carga kCargas[FicherosCatalogo.size()] = {
    cargaLocalidades, cargaCuerpos, cargaMessier, cargaConstelaciones, cargaFiguras,
    [](std::string_view n) { cargaProfundo(n, Estado().Galaxias, Estado().Lst_Galax); },
    [](std::string_view n) { cargaProfundo(n, Estado().NebPlanetarias, Estado().Lst_NebPl); },
    [](std::string_view n) { cargaProfundo(n, Estado().NebDifusas, Estado().Lst_NebDi); },
    cargaEstrellasNombre, cargaEstrellas, cargaViaLactea};

}  // namespace

std::string MensajeErrorCatalogo(int numero, const std::string& ruta) {
    switch (numero) {
        case ErrNoExiste: return "ERROR CTA53: No existe el fichero";
        case ErrUnidad:
            return "ERROR CTA68: Unidad " + UnidadDe(ruta) + ": no preparada";
        case ErrSendaNoExiste: return "ERROR CTA76: La senda no existe";
        case ErrSinMemoria: return "ERROR CTA07 : Insuficiente memoria";
        default: return "ERROR CTA" + std::to_string(numero) + " ha ocurrido";
    }
}

void CargaCatalogo(std::string_view nombre) {
    for (std::size_t i = 0; i < FicherosCatalogo.size(); ++i)
        if (FicherosCatalogo[i] == nombre) kCargas[i](nombre);
}

namespace {

// An IANA zone name: letters, digits and "/_+-", as the database names
// its zones; anything else cannot be one.
bool esNombreZona(std::string_view z) {
    if (z.empty() || z.size() > 64 || z.front() == '/' || z.find("..") != std::string_view::npos) return false;
    return std::all_of(z.begin(), z.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
               c == '+' || c == '-';
    });
}

// One line "index<TAB>name<TAB>zone": the zone goes to city `index` only if
// that city's name is the one the line gives, so that a city file from
// another list never takes a stranger's zone.
bool leeLineaZona(std::string_view linea, std::array<std::string, NumLocalidades>& zonas) {
    const std::size_t t1 = linea.find('\t');
    const std::size_t t2 = t1 == std::string_view::npos ? t1 : linea.find('\t', t1 + 1);
    if (t2 == std::string_view::npos) return false;
    const std::string_view indice = linea.substr(0, t1), nombre = linea.substr(t1 + 1, t2 - t1 - 1),
                           zona = linea.substr(t2 + 1);
    int i = 0;
    for (char c : indice) {
        if (c < '0' || c > '9' || (i = i * 10 + (c - '0')) >= NumLocalidades) return false;
    }
    if (indice.empty() || nombre.empty() || !esNombreZona(zona)) return false;
    const std::string& ciudad = Estado().Localidades[static_cast<std::size_t>(i)].Nombre;
    if (ciudad.compare(0, nombre.size(), nombre) != 0 || ciudad.size() <= nombre.size() || ciudad[nombre.size()] != ' ')
        return true;  // another list's city: no zone, and no damage either
    zonas[static_cast<std::size_t>(i)] = std::string(zona);
    return true;
}

}  // namespace

void CargaZonasLocalidades() {
    auto& zonas = Estado().ZonasLocalidades;
    zonas.fill({});
    const std::string ruta = CarpetaPrograma() + "/" + std::string(FicheroZonas);
    std::vector<uint8_t> bytes;
    if (int error = LeeFichero(ruta, bytes)) {
        informa(error, ruta);
        return;
    }
    std::string_view resto(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    bool danado = false;
    while (!resto.empty()) {
        const std::size_t fin = resto.find('\n');
        std::string_view linea = resto.substr(0, fin);
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
        if (linea.empty() || linea.front() == '#') continue;
        if (!leeLineaZona(linea, zonas)) danado = true;
    }
    if (danado) informa(ErrNoEsNumero, ruta);
}

void CargaCatalogos() {
    for (std::string_view nombre : FicherosCatalogo) CargaCatalogo(nombre);
    CargaZonasLocalidades();
}

}  // namespace vsp
