// One catalogue file, or the cities' zones, of any content (the file named
// by FICHERO at build time, one harness a file), read by the program's
// loader from a program folder of its own. Afterwards each entry of its table must be a valid
// record (finite numbers in range, a unit direction, texts of their fixed
// length) or the empty one, and its dialog list must have a line an entry.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/catalogos.h"
#include "comun.h"
#include "core/carpetas.h"
#include "core/texto.h"

using namespace vsp;

namespace {

constexpr double kHolgura = 1e-3;  // the files store single-precision radians

void compruebaTexto(const char* que, const std::string& texto, std::size_t caracteres) {
    if (utf8Length(texto) != caracteres) Incumple(que, static_cast<double>(utf8Length(texto)));
}

// A unit vector, or the zero of a missing or damaged record.
void compruebaDireccion(const char* que, float x, float y, float z) {
    const double r2 = double(x) * x + double(y) * y + double(z) * z;
    if (!(r2 == 0 || (r2 > 0.98 && r2 < 1.02))) Incumple(que, r2);
}

// A record's place: right ascension and declination in range, and its
// direction a unit vector or the zero of an empty record.
template <class R>
void compruebaLugar(const char* que, const R& r) {
    CompruebaRango(que, r.AR, -kHolgura, DosPi + kHolgura);
    CompruebaRango(que, r.Dec, -MedioPi - kHolgura, MedioPi + kHolgura);
    compruebaDireccion(que, r.x, r.y, r.z);
}

void compruebaLista(const char* que, const std::vector<std::string>& lista, std::size_t lineas) {
    if (lista.size() != lineas) Incumple(que, static_cast<double>(lista.size()));
}

void compruebaProfundo(std::span<const ObjetoProfundo> tabla, const std::vector<std::string>& lista) {
    for (const ObjetoProfundo& o : tabla) {
        compruebaTexto("designación", o.Designacion, 6);
        compruebaLugar("lugar de objeto profundo", o);
    }
    compruebaLista("líneas de objetos profundos", lista, tabla.size());
}

// Only the first `n` entries are checked of the large tables: no file of
// the input's size reaches further, and the rest are filled as empty.
template <class T, std::size_t N>
std::span<const T> primeros(const std::array<T, N>& tabla, std::size_t n, std::size_t usados = N) {
    return std::span(tabla).first(std::min(n, usados));
}

void compruebaTabla(std::string_view fichero, std::size_t n) {
    const ProgramState& e = Estado();
    if (fichero == "VSPDATH.DAT") {
        for (const Localidad& l : e.Localidades) {
            compruebaTexto("nombre de localidad", l.Nombre, 20);
            CompruebaRango("longitud de localidad", l.Longitud, 0, DosPi + kHolgura);
            CompruebaRango("latitud de localidad", l.Latitud, -MedioPi - kHolgura, MedioPi + kHolgura);
        }
        compruebaLista("lista de localidades", e.Cbo_Localidad, NumLocalidades);
    } else if (fichero == "VSPDATF.DAT") {
        for (int i = 1; i <= NumCuerpos; ++i) {
            const CuerpoSolar& c = e.ElementosPlanetas[i];
            for (double v : {c.n, c.L0, c.Perihelio, c.Excentricidad, c.SemiejeMayor, c.Inclinacion, c.Nodo})
                CompruebaFinito("elemento orbital", v);
        }
    } else if (fichero == "VSPDATG.DAT") {
        for (const ObjetoMessier& m : e.Messier) {
            compruebaTexto("tipo Messier", m.Tipo, 1);
            compruebaTexto("designación Messier", m.Designacion, 6);
            compruebaTexto("magnitud Messier", m.Magnitud, 4);
            compruebaTexto("descripción Messier", m.DescripcionTipo, 20);
            compruebaTexto("nombre Messier", m.Nombre, 15);
            compruebaLugar("lugar Messier", m);
        }
        compruebaLista("lista Messier", e.Lst_Messi, NumMessier);
    } else if (fichero == "VSPDATE.DAT") {
        for (const Constelacion& c : e.Constelaciones) {
            compruebaTexto("abreviatura", c.Abreviatura, 3);
            compruebaTexto("nombre latino", c.NombreLatino, 20);
            compruebaTexto("genitivo", c.Genitivo, 20);
            compruebaTexto("nombre castellano", c.NombreCastellano, 20);
            compruebaTexto("visibilidad", c.Visibilidad, 9);
            compruebaLugar("lugar de constelación", c);
        }
        compruebaLista("lista de constelaciones", e.Lst_Const, NumConstelaciones);
    } else if (fichero == "VSPDATB.DAT") {
        for (const VerticeFigura& v : primeros(e.LineasConst, n)) compruebaDireccion("vértice", v.x, v.y, v.z);
    } else if (fichero == "VSPDAT3.DAT") {
        compruebaProfundo(e.Galaxias, e.Lst_Galax);
    } else if (fichero == "VSPDAT4.DAT") {
        compruebaProfundo(e.NebPlanetarias, e.Lst_NebPl);
    } else if (fichero == "VSPDAT5.DAT") {
        compruebaProfundo(e.NebDifusas, e.Lst_NebDi);
    } else if (fichero == "VSPDAT2.DAT") {
        for (const EstrellaNombre& s : primeros(e.EstrellasNombre, n, NumEstrellasNombre)) {
            compruebaTexto("código de estrella", s.Codigo, 8);
            compruebaTexto("nombre de estrella", s.Nombre, 10);
            compruebaLugar("lugar de estrella", s);
            CompruebaFinito("magnitud de estrella", s.Magnitud);
        }
        CompruebaRango("líneas de estrellas", e.NumIndiceEstrellas, 0, MaxIndiceEstrellas);
        compruebaLista("lista de estrellas", e.Lst_Estre, static_cast<std::size_t>(e.NumIndiceEstrellas));
        for (int i = 0; i < e.NumIndiceEstrellas; ++i)
            CompruebaRango("índice de estrella", e.IndiceEstrellas[i], 0, NumEstrellasNombre - 1);
    } else if (fichero == "VSPDAT1.DAT") {
        for (const Estrella& s : primeros(e.Estrellas, n, NumEstrellas)) {
            CompruebaFinito("magnitud", s.Magnitud);
            compruebaDireccion("dirección de estrella", s.x, s.y, s.z);
        }
    } else if (fichero == "VSPDATD.DAT") {
        for (const PuntoCielo& p : e.ViaLactea) compruebaDireccion("punto de la Vía Láctea", p.x, p.y, p.z);
    } else if (fichero == FicheroZonas) {
        // A zone's name goes to the system's database as it stands: nothing
        // but the characters of zone names, never a path out of its folder.
        for (const std::string& z : e.ZonasLocalidades) {
            const bool nombre = z.size() <= 64 && z.find("..") == std::string::npos && (z.empty() || z[0] != '/') &&
                                z.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/_+-") ==
                                    std::string::npos;
            if (!nombre) Incumple("nombre de zona", static_cast<double>(z.size()));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    static const bool preparado = [] {
        // The zones are given to the shipped cities, by their names.
        FijaCarpetaPrograma(VESPERA_DATOS);
        CargaCatalogo("VSPDATH.DAT");
        FijaCarpetaPrograma(CarpetaFuzz());
        return true;
    }();
    (void)preparado;
    EscribeFuzz(FICHERO, std::string_view(reinterpret_cast<const char*>(datos), tamano));
    if (std::string_view(FICHERO) == FicheroZonas)
        CargaZonasLocalidades();
    else
        CargaCatalogo(FICHERO);
    compruebaTabla(FICHERO, tamano / 12 + 2);  // 12 bytes: the shortest record
    return 0;
}
