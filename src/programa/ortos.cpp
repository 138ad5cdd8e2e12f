// Rise, culmination and set, and the Sun's twilights. The object's place is
// taken once a day over the coming days (once for a star) and read between
// the samples by Lagrange's four-point formula; its altitude and hour angle
// are followed on a ten-minute grid, and each crossing found there is
// narrowed by halving on the interpolated track.
#include "programa/ortos.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/constantes.h"
#include "core/estado.h"
#include "programa/busqueda.h"
#include "sky/proyeccion.h"
#include "time/calendario.h"
#include "time/efemerides.h"
#include "time/formatos.h"
#include "time/lugares.h"
#include "time/zonas.h"

namespace vsp {

namespace {

constexpr double PiExacto = std::numbers::pi;
constexpr double Grado = PiExacto / 180;

// The horizon the centre of a point of light crosses at rise and set: the
// refraction there, 34', taken as fixed.
constexpr double RefraccionHorizonte = 34.0 / 60 * Grado;
constexpr double SemidiametroSolUnaUA = 959.63 / 3600 * Grado;
constexpr double RadioLunaUA = 1737.4 / 149597870.7;

// Events are looked for over the coming two days (the twilight's end up to
// half a day more); whether the object crosses the horizon at all, over the
// coming day, a lunar day for the Moon.
constexpr double Busqueda = 2.0;
constexpr double Ventana = 2.5;
constexpr double DiaSolar = 1.0;
constexpr double DiaLunar = 1.0 + 50.0 / 1440;
constexpr double Rejilla = 10.0 / 1440;

// The bodies' places are taken a day apart and read between by Lagrange's
// formula on their geocentric vectors, which curve gently: within 15" for
// the Moon, far less for the others. The topocentric places the theories
// give are made geocentric first (the observer's own turn with the Earth
// would not interpolate at that step) and topocentric again at each instant.
constexpr double PasoMuestras = 1.0;
constexpr double RadioEcuatorialUA = 6378.14 / 149597870.7;
constexpr double AchatamientoTierra = 1 / 298.257;

// A direction on the equator of date (x to the equinox, z to the pole) and
// the distance, AU (0 for a star); a body's samples hold its geocentric
// vector instead.
struct Punto {
    double x = 0, y = 0, z = 1, distancia = 0;
};

// Greenwich mean sidereal time, rad (IAU 1982, as Meeus gives it): the
// places are of date, and the equation of the equinoxes, at most 1.2 s,
// does not show in minutes.
double sidereoGreenwich(double jd) {
    const double d = jd - 2451545.0, t = d / 36525;
    const double grados = 280.46061837 + 360.98564736629 * d + t * t * (0.000387933 - t / 38710000);
    return std::fmod(grados, 360.0) * Grado;
}

// The observer's geocentric place on the equator of date, AU.
struct Observador {
    double rcos, rsen, longitud;
    Observador(double latitud, double longitudEste) : longitud(longitudEste) {
        const double u = std::atan((1 - AchatamientoTierra) * std::tan(latitud));
        rcos = RadioEcuatorialUA * std::cos(u);
        rsen = RadioEcuatorialUA * (1 - AchatamientoTierra) * std::sin(u);
    }
    void en(double t, double& x, double& y, double& z) const {
        const double s = sidereoGreenwich(t) + longitud;
        x = rcos * std::cos(s), y = rcos * std::sin(s), z = rsen;
    }
};

// The object's place along the coming days.
class Pista {
public:
    Pista(const ObjetoOrto& o, double dia, double latitud, double longitudEste)
        : cuerpo_(o.cuerpo), observador_(latitud, longitudEste) {
        if (cuerpo_ == 0) {
            // The catalogue's place carried to the equinox of the date, as
            // the chart carries it with precession on; two days do not move it.
            double zeta, theta, z;
            AngulosPrecesion(dia, zeta, theta, z);
            double m[3][3];
            MatrizPrecesion(zeta, theta, z, m);
            float x = o.x, y = o.y, zz = o.z;
            RotaCosenos(m, false, x, y, zz);
            // The program's cosines are x = -sin a cos b, y = sin b, z = cos a cos b.
            fijo_ = {zz, -x, y, 0};
            fin_ = dia + Ventana;
            return;
        }
        paso_ = PasoMuestras;
        inicio_ = dia - paso_;
        // Only the Sun's twilights look past the two days: every other body
        // is spared a sample, a sixth of the Moon's cost.
        const double ventana = cuerpo_ == CuerpoSol ? Ventana : Busqueda;
        const int n = static_cast<int>(std::ceil(ventana / paso_)) + 3;
        for (int i = 0; i < n; ++i) {
            Lugar l;
            // Always the place of date: the horizon is that of the date,
            // whatever frame the chart is drawn in.
            if (!LugarCuerpo(cuerpo_, inicio_ + i * paso_, latitud, longitudEste, true, l)) break;
            const double r = l.distancia * std::cos(l.dec);
            double x, y, z;
            observador_.en(inicio_ + i * paso_, x, y, z);
            muestras_.push_back(
                {r * std::cos(l.ar) + x, r * std::sin(l.ar) + y, l.distancia * std::sin(l.dec) + z, 0});
        }
        // The last stretch needs a sample beyond it (the end of the
        // theories' range, or Pluto's series, may cut the track short).
        fin_ = muestras_.size() >= 4 ? inicio_ + static_cast<double>(muestras_.size() - 2) * paso_ : dia;
    }

    bool valida() const { return cuerpo_ == 0 || muestras_.size() >= 4; }
    double fin() const { return fin_; }
    int cuerpo() const { return cuerpo_; }

    Punto en(double t) const {
        if (cuerpo_ == 0) return fijo_;
        const int n = static_cast<int>(muestras_.size());
        const int b = std::clamp(static_cast<int>(std::floor((t - inicio_) / paso_)) - 1, 0, n - 4);
        const double s = (t - inicio_) / paso_ - b;
        const double w[4] = {-(s - 1) * (s - 2) * (s - 3) / 6, s * (s - 2) * (s - 3) / 2, -s * (s - 1) * (s - 3) / 2,
                             s * (s - 1) * (s - 2) / 6};
        Punto p{0, 0, 0, 0};
        observador_.en(t, p.x, p.y, p.z);
        p.x = -p.x, p.y = -p.y, p.z = -p.z;
        for (int i = 0; i < 4; ++i) {
            const Punto& m = muestras_[static_cast<std::size_t>(b + i)];
            p.x += w[i] * m.x;
            p.y += w[i] * m.y;
            p.z += w[i] * m.z;
        }
        p.distancia = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
        p.x /= p.distancia, p.y /= p.distancia, p.z /= p.distancia;
        return p;
    }

private:
    int cuerpo_ = 0;
    Observador observador_;
    Punto fijo_;
    double inicio_ = 0, paso_ = 1, fin_ = 0;
    std::vector<Punto> muestras_;
};

// Where a place stands in the observer's sky at an instant.
class Cielo {
public:
    Cielo(const Pista& pista, double latitud, double longitudEste)
        : pista_(pista), senLat_(std::sin(latitud)), cosLat_(std::cos(latitud)), longitud_(longitudEste) {}

    // The centre's altitude without refraction, rad.
    double altura(double t) const { return altura(pista_.en(t), t); }
    // How far the centre stands above the altitude at which the object
    // rises and sets, rad: one place for both.
    double sobreHorizonte(double t) const {
        const Punto p = pista_.en(t);
        return altura(p, t) - horizonte(p);
    }
    // The hour angle, rad, in (-pi, pi].
    double horario(double t) const {
        const Punto p = pista_.en(t);
        const double s = sidereoGreenwich(t) + longitud_;
        return std::atan2(p.x * std::sin(s) - p.y * std::cos(s), p.x * std::cos(s) + p.y * std::sin(s));
    }
    // Azimuth from north through east, rad, 0..2pi.
    double acimut(double t) const {
        const Punto p = pista_.en(t);
        const double s = sidereoGreenwich(t) + longitud_;
        const double senH = p.x * std::sin(s) - p.y * std::cos(s);
        const double a = std::atan2(-senH, p.z * cosLat_ - cosHorario(p, t) * senLat_);
        return a < 0 ? a + 2 * PiExacto : a;
    }

private:
    // The altitude of the centre at which the object rises and sets: the
    // upper limb of the Sun and the Moon.
    double horizonte(const Punto& p) const {
        const int c = pista_.cuerpo();
        if (c != CuerpoSol && c != CuerpoLuna) return -RefraccionHorizonte;
        const double d = p.distancia;
        return -RefraccionHorizonte - (c == CuerpoSol ? SemidiametroSolUnaUA / d : std::asin(RadioLunaUA / d));
    }

    double altura(const Punto& p, double t) const {
        return std::asin(std::clamp(senLat_ * p.z + cosLat_ * cosHorario(p, t), -1.0, 1.0));
    }
    double cosHorario(const Punto& p, double t) const {
        const double s = sidereoGreenwich(t) + longitud_;
        return p.x * std::cos(s) + p.y * std::sin(s);
    }
    const Pista& pista_;
    double senLat_, cosLat_, longitud_;
};

// One function followed on the grid from the chart's instant on.
struct Serie {
    double inicio = 0;
    std::vector<double> valores;  // at inicio + j * Rejilla
    double instante(std::size_t j) const { return inicio + static_cast<double>(j) * Rejilla; }
};

template <class F>
Serie sigue(double inicio, double fin, const F& f) {
    Serie s{inicio, {}};
    for (std::size_t j = 0; s.instante(j) <= fin; ++j) s.valores.push_back(f(s.instante(j)));
    return s;
}

// The first crossing of f through zero, upwards or downwards, in a grid step
// beginning at or after `desde` and before `hasta`, narrowed by halving to a
// fraction of a second.
template <class F>
std::optional<double> cruce(const Serie& s, const F& f, double desde, double hasta, bool subida) {
    for (std::size_t j = 0; j + 1 < s.valores.size() && s.instante(j) < hasta; ++j) {
        if (s.instante(j + 1) <= desde) continue;
        const double a = s.valores[j], b = s.valores[j + 1];
        if (subida ? !(a < 0 && b >= 0) : !(a >= 0 && b < 0)) continue;
        double ta = std::max(s.instante(j), desde), tb = s.instante(j + 1), fa = f(ta);
        if ((fa < 0) == (b < 0)) continue;  // the crossing was before `desde`
        for (int i = 0; i < 22; ++i) {
            const double tm = (ta + tb) / 2, fm = f(tm);
            if ((fm < 0) == (fa < 0))
                ta = tm, fa = fm;
            else
                tb = tm;
        }
        const double t = (ta + tb) / 2;
        if (t < hasta) return t;
        return std::nullopt;
    }
    return std::nullopt;
}

// Whether f changes sign on the grid before `hasta`.
bool cruza(const Serie& s, double hasta) {
    for (std::size_t j = 0; j + 1 < s.valores.size() && s.instante(j + 1) <= hasta; ++j)
        if ((s.valores[j] < 0) != (s.valores[j + 1] < 0)) return true;
    return false;
}

// Apparent altitude from the true one with the standard refraction of
// Bennett's formula, which takes the apparent altitude: solved by a few
// substitutions. Below two degrees under the horizon nothing is seen.
double refractada(double h) {
    if (h < -2 * Grado) return h;
    double a = h;
    for (int i = 0; i < 4; ++i) {
        const double g = a / Grado;
        a = h + 1 / std::tan((g + 7.31 / (g + 4.4)) * Grado) / 60 * Grado;
    }
    return a;
}

}  // namespace

Ortos CalculaOrtos(const ObjetoOrto& objeto, double dia, double latitud, double longitudEste) {
    Ortos r;
    if (objeto.cuerpo == CuerpoTierra || objeto.cuerpo < 0 || objeto.cuerpo > NumCuerpos) return r;
    if (!(std::abs(latitud) <= MedioPi) || !std::isfinite(dia) || !std::isfinite(longitudEste)) return r;
    const Pista pista(objeto, dia, latitud, longitudEste);
    if (!pista.valida()) return r;
    r.valido = true;
    r.sol = objeto.cuerpo == CuerpoSol;
    const Cielo cielo(pista, latitud, longitudEste);
    // Nothing after the calendar's end can be told.
    const double fin = std::min(pista.fin(), DiaJulianoMaximo);
    const double hasta = std::min(dia + Busqueda, fin);
    const double dias = objeto.cuerpo == CuerpoLuna ? DiaLunar : DiaSolar;

    const auto sobre = [&](double t) { return cielo.sobreHorizonte(t); };
    const auto horario = [&](double t) { return cielo.horario(t); };
    const Serie alturas = sigue(dia, fin, sobre);
    const Serie horarios = sigue(dia, fin, horario);

    if (const auto t = cruce(horarios, horario, dia, hasta, true))
        r.culminacion = Suceso{*t, refractada(cielo.altura(*t))};
    // Near the calendar's end there may be no whole day left to judge by.
    if (dia + dias <= fin && !cruza(alturas, dia + dias))
        r.curso = !alturas.valores.empty() && alturas.valores[0] >= 0 ? Curso::SiempreSobre : Curso::NuncaSale;
    if (r.curso == Curso::SaleYSePone) {
        if (const auto t = cruce(alturas, sobre, dia, hasta, true)) r.orto = Suceso{*t, cielo.acimut(*t)};
        if (const auto t = cruce(alturas, sobre, dia, hasta, false)) r.ocaso = Suceso{*t, cielo.acimut(*t)};
    } else if (r.curso == Curso::NuncaSale) {
        r.culminacion.reset();
    }

    if (!r.sol) return r;
    for (int k = 0; k < 3; ++k) {
        const double nivel = -GradosCrepusculo[k] * Grado;
        const auto claro = [&](double t) { return cielo.altura(t) - nivel; };
        const Serie s = sigue(dia, fin, claro);
        TramoCrepusculo& c = r.crepusculos[k];
        if (dia + DiaSolar <= fin && !cruza(s, dia + DiaSolar)) {
            c.tipo = !s.valores.empty() && s.valores[0] >= 0 ? Crepusculo::TodaLaNoche : Crepusculo::NoHay;
            continue;
        }
        c.inicio = cruce(s, claro, dia, hasta, true);
        if (c.inicio) c.fin = cruce(s, claro, *c.inicio, fin, false);
    }
    return r;
}

// ---- The lines ---------------------------------------------------------------

namespace {

// Local date and time of an instant, to the nearest minute:
// "dd/mm/aaaa hh:mm", or "hh:mm" alone.
std::string local(double diaUT, bool conFecha) {
    ProgramState& e = Estado();
    double dia = diaUT + HorasLocales(diaUT) / 24;
    dia = std::clamp(std::floor(dia * 1440 + 0.5) / 1440, DiaJulianoMinimo, DiaJulianoMaximo);
    // The calendar leaves its results in the state, where the date dialog
    // reads them: they are put back.
    const auto ano = e.FechaAno, mes = e.FechaMes, d = e.FechaDia, hora = e.FechaHora, minuto = e.FechaMinuto;
    CalculaFecha(dia);
    std::string t =
        Formato(static_cast<int>(e.FechaHora), "00") + ":" + Formato(static_cast<int>(e.FechaMinuto), "00");
    if (conFecha)
        t = Formato(static_cast<int>(e.FechaDia), "00") + "/" + Formato(static_cast<int>(e.FechaMes), "00") + "/" +
            Formato(static_cast<int>(e.FechaAno), "#####") + " " + t;
    e.FechaAno = ano, e.FechaMes = mes, e.FechaDia = d, e.FechaHora = hora, e.FechaMinuto = minuto;
    return t;
}

std::string gradosEnteros(double rad, const char* formato, bool vuelta) {
    long g = std::lround(rad / Grado);
    if (vuelta) g = ((g % 360) + 360) % 360;
    char texto[16];
    std::snprintf(texto, sizeof texto, formato, g < 0 ? "-" : "", std::labs(g));
    return texto;
}

}  // namespace

std::vector<std::string> LineasOrtos(const Ortos& o) {
    std::vector<std::string> l;
    if (!o.valido) return l;
    const auto culminacion = [&] {
        if (o.culminacion)
            l.push_back("Culminación " + local(o.culminacion->dia, true) + " altura " +
                        gradosEnteros(o.culminacion->angulo, "%s%02ld°", false));
    };
    switch (o.curso) {
    case Curso::NuncaSale: l.emplace_back("Nunca sale"); break;
    case Curso::SiempreSobre:
        l.emplace_back("Siempre sobre el horizonte");
        culminacion();
        break;
    case Curso::SaleYSePone:
        if (o.orto)
            l.push_back("Orto " + local(o.orto->dia, true) + " acimut " +
                        gradosEnteros(o.orto->angulo, "%s%03ld°", true));
        culminacion();
        if (o.ocaso)
            l.push_back("Ocaso " + local(o.ocaso->dia, true) + " acimut " +
                        gradosEnteros(o.ocaso->angulo, "%s%03ld°", true));
        break;
    }
    if (!o.sol) return l;
    static const char* const nombres[3] = {"civil", "náutico", "astronómico"};
    for (int k = 0; k < 3; ++k) {
        const TramoCrepusculo& c = o.crepusculos[k];
        const std::string nombre = std::string("Crepúsculo ") + nombres[k];
        if (c.tipo == Crepusculo::TodaLaNoche)
            l.push_back(nombre + ": toda la noche");
        else if (c.tipo == Crepusculo::NoHay)
            l.push_back(nombre + ": no hay");
        else if (c.inicio && c.fin)  // an end beyond the search is left untold
            l.push_back(nombre + " " + local(*c.inicio, true) + " – " + local(*c.fin, false));
    }
    return l;
}

std::vector<std::string> OrtosDeEntrada(int categoria, int fila) {
    const ProgramState& e = Estado();
    ObjetoOrto o;
    if (!ObjetoDeEntrada(categoria, fila, o)) return {};
    return LineasOrtos(CalculaOrtos(o, e.DiaJuliano, e.Latitud, DosPi - e.Longitud));
}

}  // namespace vsp
