// The search: categories, centring on an entry, and finding by name.
#include "programa/busqueda.h"

#include <algorithm>
#include <cmath>

#include "core/constantes.h"
#include "core/cosenos.h"
#include "core/estado.h"
#include "core/texto.h"
#include "programa/centrado.h"
#include "sky/cuerpos.h"
#include "sky/proyeccion.h"
#include "time/efemerides.h"

namespace vsp {

namespace {

constexpr const char* CabeceraProfundo = "   Código  Magn.     A. R.           DEC";
constexpr const char* CabeceraOtros = "    Código             A. R.           DEC";
constexpr const char* LeyendaCumulos = "Magnitudes ==>     1 : >10'     2 : <10' ";

enum { Solar, Messier, Constel, Estrellas, Galaxias, NebPlanetarias, NebDifusas };

}  // namespace

const Categoria Categorias[NumCategorias] = {
    {"Sistema Solar", "", "", true},
    {"Objetos Messier",
     "  Nro.  NGC       Tipo               Nombre        Mag.Vis.     A.R.         DEC", "", true},
    {"Constelaciones",
     "  Abrev.  Nombre latino         Genitivo              Nombre castellano     Visible", "", true},
    {"Estrellas", "   Código   A.R.     DEC.    Mag T   Nombre",
     "Tipo ==>   M : Múltiple     V : Variable     X : Múltiple variable", true},
    {"Galaxias", CabeceraProfundo, "Magnitudes ==>   1 : >30'    2 : >20'    3 : >10'    4 : <10'", true},
    {"Nebulosas Planetarias", CabeceraProfundo, "Magnitudes ==>     1 : >1'     2 : <1' ", true},
    {"Nebulosas Difusas", CabeceraProfundo, "Magnitudes ==>     1 : >10'     2 : <10' ", true},
    {"Cúmulos Abiertos", CabeceraProfundo, LeyendaCumulos, false},
    {"Cúmulos Globulares", CabeceraProfundo, LeyendaCumulos, false},
    {"Quásares", CabeceraOtros, "", false},
    {"Púlsares", CabeceraOtros, "", false},
    {"Agujeros Negros", "    Código            A. R.           DEC", "", false},
};

const char* const ExplicacionPlanetas[9] = {
    "-> Diámetro ecuatorial (Kms.)",
    "-> Masa con respecto a la Tierra",
    "-> Inclinación del ecuador con respecto a la órbita (Grados)",
    "-> Gravedad superficial con respecto a la Tierra",
    "-> Periodo sideral de rotación",
    "-> Semieje mayor de la órbita (U.A.)",
    "-> Excentricidad de la órbita",
    "-> Periodo sideral orbital (Dias)",
    "-> Periodo sinódico orbital (Dias)",
};

std::span<const std::string> FilasCategoria(int categoria) {
    const ProgramState& e = Estado();
    switch (categoria) {
    case Solar: return e.LineasPlanetas;
    case Messier: return e.Lst_Messi;
    case Constel: return e.Lst_Const;
    case Estrellas: return e.Lst_Estre;
    case Galaxias: return e.Lst_Galax;
    case NebPlanetarias: return e.Lst_NebPl;
    case NebDifusas: return e.Lst_NebDi;
    default: return {};
    }
}

namespace {

const ObjetoProfundo* profundo(int categoria, int fila) {
    const ProgramState& e = Estado();
    switch (categoria) {
    case Galaxias: return &e.Galaxias[static_cast<std::size_t>(fila)];
    case NebPlanetarias: return &e.NebPlanetarias[static_cast<std::size_t>(fila)];
    case NebDifusas: return &e.NebDifusas[static_cast<std::size_t>(fila)];
    default: return nullptr;
    }
}

const EstrellaNombre& estrellaDeFila(int fila) {
    const ProgramState& e = Estado();
    return e.EstrellasNombre[static_cast<std::size_t>(e.IndiceEstrellas[static_cast<std::size_t>(fila)])];
}

// The direction cosines of a row's object, in J2000 for the catalogues; the
// bodies are computed for the chart's instant, in the chart's frame.
bool cosenosDeFila(int categoria, int fila, float& x, float& y, float& z, bool& carta) {
    ProgramState& e = Estado();
    carta = false;
    switch (categoria) {
    case Solar: {
        const int k = fila + 1;
        // We stand on the Earth; Pluto has no place outside its series' years.
        if (!TieneLugar(k)) return false;
        if (k == CuerpoSol) CalculaSol();
        else if (k == CuerpoLuna) CalculaLuna();
        else CalculaPlaneta(k);
        CosenosEnCarta(e.ElementosPlanetas[static_cast<std::size_t>(k)], x, y, z);
        carta = true;
        break;
    }
    case Messier: {
        const ObjetoMessier& m = e.Messier[static_cast<std::size_t>(fila)];
        x = m.x, y = m.y, z = m.z;
        break;
    }
    case Constel: {
        const Constelacion& c = e.Constelaciones[static_cast<std::size_t>(fila)];
        CosenosDirectores(c.AR, c.Dec, x, y, z);
        if (trimSpaces(c.Abreviatura).empty()) return false;  // a damaged record
        break;
    }
    case Estrellas: {
        const EstrellaNombre& s = estrellaDeFila(fila);
        x = s.x, y = s.y, z = s.z;
        break;
    }
    default: {
        const ObjetoProfundo* o = profundo(categoria, fila);
        x = o->x, y = o->y, z = o->z;
    }
    }
    // A damaged record has no direction.
    return x * x + y * y + z * z > 0.5f;
}

// The Sun and the planets move on while the sky turns to them: their place
// at the instant of their culmination, found in a few steps from their place
// now. (The Moon keeps the centring's own allowance for its motion.)
void lugarAlCulminar(int k, double& ar, double& dec) {
    ProgramState& e = Estado();
    const double ahora = e.DiaJuliano, sidereo = e.TiempoSidereo;
    for (int paso = 0; paso < 3; ++paso) {
        double giro = ar - sidereo;
        giro -= std::floor(giro / DosPi) * DosPi;
        e.DiaJuliano = std::min(ahora + giro / DosPi * DiaSidereo, DiaJulianoMaximo);
        CalculaTierra();
        k == CuerpoSol ? CalculaSol() : CalculaPlaneta(k);
        float x, y, z;
        CosenosEnCarta(e.ElementosPlanetas[static_cast<std::size_t>(k)], x, y, z);
        AngulosDeCosenos(x, y, z, ar, dec);
    }
    e.DiaJuliano = ahora;
    CalculaTierra();
}

}  // namespace

bool CentraEntrada(int categoria, int fila) {
    ProgramState& e = Estado();
    if (categoria < 0 || categoria >= NumCategorias || !Categorias[categoria].centrable) return false;
    if (fila < 0 || static_cast<std::size_t>(fila) >= FilasCategoria(categoria).size()) return false;
    float x = 0, y = 0, z = 0;
    bool carta = false;
    if (!cosenosDeFila(categoria, fila, x, y, z, carta)) return false;
    if (carta)
        AngulosDeCosenos(x, y, z, e.ClicAR, e.ClicDec);
    else
        AngulosEnCarta(x, y, z, e.ClicAR, e.ClicDec);
    if (categoria == Solar && fila + 1 != CuerpoLuna) lugarAlCulminar(fila + 1, e.ClicAR, e.ClicDec);
    e.CentrarLuna = categoria == Solar && fila + 1 == CuerpoLuna ? Verdadero : Falso;
    e.CentradoHecho = Falso;
    CentraPunto();
    e.CentrarLuna = Falso;  // also when the point was refused
    return e.CentradoHecho != Falso;
}

bool ObjetoDeEntrada(int categoria, int fila, ObjetoOrto& o) {
    if (categoria < 0 || categoria >= NumCategorias || !Categorias[categoria].centrable) return false;
    if (fila < 0 || static_cast<std::size_t>(fila) >= FilasCategoria(categoria).size()) return false;
    o = {};
    if (categoria == Solar) {
        o.cuerpo = fila + 1;
        return TieneLugar(o.cuerpo);
    }
    bool carta = false;
    return cosenosDeFila(categoria, fila, o.x, o.y, o.z, carta);
}

// ---- Finding by name ----------------------------------------------------------

namespace {

std::string sinBlancos(std::string s) {
    std::erase(s, ' ');
    return s;
}

// The names and codes an entry answers to.
std::vector<std::string> claves(int categoria, int fila) {
    const ProgramState& e = Estado();
    const auto f = static_cast<std::size_t>(fila);
    switch (categoria) {
    case Solar: {
        const std::string& l = e.LineasPlanetas[f];
        return {l.substr(0, l.find(' '))};
    }
    case Messier: {
        const ObjetoMessier& m = e.Messier[f];
        std::vector<std::string> r{"M" + std::to_string(fila + 1), m.Nombre, m.Designacion};
        const std::string d = trimSpaces(m.Designacion);
        if (!d.empty() && std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; }))
            r.push_back("NGC " + d);
        return r;
    }
    case Constel: {
        const Constelacion& c = e.Constelaciones[f];
        return {c.Abreviatura, c.NombreLatino, c.NombreCastellano, c.Genitivo};
    }
    case Estrellas: {
        const EstrellaNombre& s = estrellaDeFila(fila);
        return {s.Nombre, s.Codigo};
    }
    default: return {profundo(categoria, fila)->Designacion};
    }
}

}  // namespace

std::vector<Hallazgo> BuscaTexto(std::string_view texto, int categoria) {
    const std::string q = foldForSearch(texto);
    std::vector<Hallazgo> exactos, otros;
    if (q.empty()) return exactos;
    const std::string qJunto = sinBlancos(q);
    const std::string qPalabra = " " + q;
    const bool una = categoria >= 0 && categoria < NumCategorias;
    for (int k = una ? categoria : 0; k <= (una ? categoria : NumCategorias - 1); ++k) {
        const int filas = static_cast<int>(FilasCategoria(k).size());
        for (int fila = 0; fila < filas; ++fila) {
            bool halla = false, exacto = false;
            for (const std::string& clave : claves(k, fila)) {
                const std::string c = foldForSearch(clave);
                if (c.empty()) continue;
                const std::string cJunta = sinBlancos(c);
                if (cJunta == qJunto) {
                    exacto = true;
                    break;
                }
                halla = halla || c.starts_with(q) || c.find(qPalabra) != std::string::npos || cJunta.starts_with(qJunto);
            }
            if (exacto)
                exactos.push_back({k, fila});
            else if (halla)
                otros.push_back({k, fila});
        }
    }
    exactos.insert(exactos.end(), otros.begin(), otros.end());
    return exactos;
}

}  // namespace vsp
