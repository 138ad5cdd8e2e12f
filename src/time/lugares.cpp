// The only file that speaks to libnova: every place the program shows comes
// through here, so that the chart, the listing and the search agree. Of
// libnova we take the series (VSOP87, ELP2000-82B, Pluto's) and the
// nutation; the time scale and the precession are our own, as libnova's
// TT - UT and precession part from the record by minutes of arc far from
// J2000.
#include "time/lugares.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/nutation.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <array>
#include <cmath>
#include <initializer_list>

namespace vsp {

namespace {

constexpr double PiL = 3.14159265358979323846;
constexpr double Rad = PiL / 180;
constexpr double J2000 = 2451545.0;
constexpr double EpsJ2000 = 23.4392911 * Rad;  // mean obliquity of J2000
constexpr double DiasLuz = 0.0057755183;         // days light takes over one AU
constexpr double RadioEcuatorialUA = 6378.14 / 149597870.7;
constexpr double AchatamientoTierra = 1 / 298.257;
// The theories are not asked outside these (4714 B.C. to 8000 A.D.), where
// the program has no dates anyway.
constexpr double DiaMinimo = -1.0, DiaMaximo = 4643000.0;

double poli(double t, std::initializer_list<double> c) {
    double s = 0;
    for (auto it = c.end(); it != c.begin();) s = s * t + *--it;
    return s;
}

struct Vector {
    double x, y, z;
};

Vector desdeEsfericas(double lon, double lat, double r) {
    return {r * std::cos(lat) * std::cos(lon), r * std::cos(lat) * std::sin(lon), r * std::sin(lat)};
}

void aEsfericas(const Vector& v, double& lon, double& lat, double& r) {
    r = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    lon = std::atan2(v.y, v.x);
    if (lon < 0) lon += 2 * PiL;
    lat = r > 0 ? std::asin(v.z / r) : 0;
}

// Ecliptic to equatorial of the same equinox, obliquity eps.
Vector eclipticaAEcuatorial(const Vector& v, double eps) {
    const double c = std::cos(eps), s = std::sin(eps);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

bool helio(int cuerpo, double jde, ln_helio_posn& h) {
    switch (cuerpo) {
    case 1: ln_get_mercury_helio_coords(jde, &h); return true;
    case 2: ln_get_venus_helio_coords(jde, &h); return true;
    case 3: ln_get_earth_helio_coords(jde, &h); return true;
    case 4: ln_get_mars_helio_coords(jde, &h); return true;
    case 5: ln_get_jupiter_helio_coords(jde, &h); return true;
    case 6: ln_get_saturn_helio_coords(jde, &h); return true;
    case 7: ln_get_uranus_helio_coords(jde, &h); return true;
    case 8: ln_get_neptune_helio_coords(jde, &h); return true;
    case 9: ln_get_pluto_helio_coords(jde, &h); return true;
    default: return false;
    }
}

Vector rectangular(const ln_helio_posn& h) { return desdeEsfericas(h.L * Rad, h.B * Rad, h.R); }

// A planet's (or the Earth's) heliocentric place at a day of TT, from its
// series.
Vector helioExacto(int cuerpo, double jde) {
    ln_helio_posn h{};
    helio(cuerpo, jde, h);
    return rectangular(h);
}

// The same, for an animation stepping by minutes or hours: the series are
// evaluated at whole days and a place between them is taken from the four
// days around it (Lagrange), within 0.1" for Mercury and far less for the
// others, so that each series is evaluated about once per simulated day
// instead of once per frame.
Vector helioInterpolado(int cuerpo, double jde) {
    struct Muestras {
        double primero = std::nan("");  // the first sample's day
        std::array<Vector, 4> v{};
    };
    thread_local std::array<Muestras, 10> memoria;
    Muestras& m = memoria[static_cast<std::size_t>(cuerpo)];
    const double primero = std::floor(jde) - 1;
    if (primero != m.primero) {
        std::array<Vector, 4> v;
        for (int i = 0; i < 4; ++i) {
            const double desplazado = primero + i - m.primero;  // its index among the samples kept
            v[static_cast<std::size_t>(i)] = desplazado >= 0 && desplazado <= 3
                                                 ? m.v[static_cast<std::size_t>(desplazado)]
                                                 : helioExacto(cuerpo, primero + i);
        }
        m.v = v;
        m.primero = primero;
    }
    // Lagrange's weights for the days -1, 0, 1, 2 about t in [0, 1).
    const double t = jde - primero - 1;
    const double w[4] = {-t * (t - 1) * (t - 2) / 6, (t + 1) * (t - 1) * (t - 2) / 2, -(t + 1) * t * (t - 2) / 2,
                         (t + 1) * t * (t - 1) / 6};
    Vector r{0, 0, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        r.x += w[i] * m.v[i].x;
        r.y += w[i] * m.v[i].y;
        r.z += w[i] * m.v[i].z;
    }
    return r;
}

// A step an animation takes between frames, short enough that the four days
// around an instant serve many frames.
constexpr double PasoCorto = 0.5;

// The Earth's place, asked by every body of an instant: kept for the last
// instant asked, in the form libnova gives it (degrees and AU).
const ln_helio_posn& tierraEn(double jde) {
    thread_local double dia = std::nan("");
    thread_local ln_helio_posn h{};
    if (jde != dia) {
        const Vector v = std::abs(jde - dia) <= PasoCorto ? helioInterpolado(3, jde) : helioExacto(3, jde);
        double lon, lat, r;
        aEsfericas(v, lon, lat, r);
        h = {lon / Rad, lat / Rad, r};
        dia = jde;
    }
    return h;
}

// The nutation, the same for every body of an instant.
const ln_nutation& nutacionEn(double jde) {
    thread_local double dia = std::nan("");
    thread_local ln_nutation n{};
    if (jde != dia) {
        ln_get_nutation(jde, &n);
        dia = jde;
    }
    return n;
}

// The annual aberration in ecliptic coordinates (Meeus, Astronomical
// Algorithms, 23.2), with the Sun's true longitude.
void aberracion(double jde, double& lambda, double& beta) {
    const double T = (jde - J2000) / 36525;
    const double k = 20.49552 / 3600 * Rad;
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T;
    const double pi = (102.93735 + 1.71946 * T + 0.00046 * T * T) * Rad;
    const ln_helio_posn& tierra = tierraEn(jde);
    // From J2000 to the equinox of date by the general precession.
    const double sol = (tierra.L + 180 + 1.396971 * T) * Rad;
    lambda += (-k * std::cos(sol - lambda) + e * k * std::cos(pi - lambda)) / std::cos(beta);
    beta += -k * std::sin(beta) * (std::sin(sol - lambda) - e * std::sin(pi - lambda));
}

// The observer's geocentric place (AU) in the equatorial frame of date, from
// the Greenwich apparent sidereal time.
Vector observador(double jdUT, double latitud, double longitudEste) {
    const double u = std::atan((1 - AchatamientoTierra) * std::tan(latitud));
    const double rcos = std::cos(u), rsin = (1 - AchatamientoTierra) * std::sin(u);
    // Greenwich's apparent sidereal time carries a nutation series of its
    // own: worked out once per instant, not once per body.
    thread_local double dia = std::nan("");
    thread_local double tsg = 0;
    if (jdUT != dia) {
        tsg = ln_get_apparent_sidereal_time(jdUT) * 15 * Rad;
        dia = jdUT;
    }
    const double tsl = tsg + longitudEste;
    return {RadioEcuatorialUA * rcos * std::cos(tsl), RadioEcuatorialUA * rcos * std::sin(tsl),
            RadioEcuatorialUA * rsin};
}

struct Consulta {
    int cuerpo = -1;
    double dia = 0, latitud = 0, longitud = 0;
    bool deFecha = false, valido = false;
    Lugar lugar;
};

// Each planet's distance at the last instant it was placed, whose light time
// serves the next instant near it.
struct Distancia {
    double dia = -1e9, ua = 0;
};
thread_local std::array<Distancia, 12> distancias;

// The last answer for each body: the redraw and the search ask again for the
// same instant many times, and the Moon's series is long.
thread_local std::array<Consulta, 12> memoria;

// Precession between the mean equator of J2000 and that of a Julian day of
// TT, by the IAU 1976 angles (Lieske 1977) rather than libnova's own, which
// drifts by minutes of arc within a thousand years of J2000.
Vector precesa(const Vector& v, double jde, bool haciaFecha) {
    const double t = (jde - J2000) / 36525;
    const double seg = Rad / 3600;
    const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * seg;
    const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * seg;
    const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * seg;
    const double cz = std::cos(zeta), sz = std::sin(zeta), cZ = std::cos(z), sZ = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta);
    const double m[3][3] = {{cz * cZ * ct - sz * sZ, -sz * cZ * ct - cz * sZ, -cZ * st},
                            {cz * sZ * ct + sz * cZ, -sz * sZ * ct + cz * cZ, -sZ * st},
                            {cz * st, -sz * st, ct}};
    if (haciaFecha)
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z, m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
            m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
}

bool calcula(int cuerpo, double jd, double latitud, double longitudEste, bool deFecha, Lugar& l) {
    const double jde = jd + DeltaT(jd) / 86400;
    // libnova's series are referred to the ecliptic and equinox of J2000.
    Vector g{};
    if (cuerpo == 11) {
        ln_rect_posn luna{};
        // The terms under libnova's cut-off of 1e-9 left out: at most 2.3"
        // from the whole series over the program's dates, in a quarter of
        // its time.
        ln_get_lunar_geo_posn(jde, &luna, 1e-9);
        const double km = 149597870.7;
        g = {luna.X / km, luna.Y / km, luna.Z / km};
    } else {
        const Vector tierra = rectangular(tierraEn(jde));
        g = {-tierra.x, -tierra.y, -tierra.z};
        if (cuerpo != 10) {
            // The planet where it was when the light we see left it. The light
            // time comes from its distance at the instant asked before when
            // that was within two days (the animation's frames): the distance
            // moves by at most 0.04 AU, the light time by 20 s, Mercury by 3".
            // Otherwise a first pass finds the distance; a third would move
            // the light time by well under a second.
            const Distancia& antes = distancias[static_cast<std::size_t>(cuerpo)];
            const bool cerca = std::abs(jde - antes.dia) < 2;
            double tau = cerca ? DiasLuz * antes.ua : 0;
            for (int i = cerca ? 1 : 0; i < 2; ++i) {
                const Vector v = cerca && std::abs(jde - antes.dia) <= PasoCorto ? helioInterpolado(cuerpo, jde - tau)
                                                                                 : helioExacto(cuerpo, jde - tau);
                g = {v.x - tierra.x, v.y - tierra.y, v.z - tierra.z};
                tau = DiasLuz * std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
            }
            distancias[static_cast<std::size_t>(cuerpo)] = {jde, tau / DiasLuz};
        }
    }
    if (!std::isfinite(g.x) || !std::isfinite(g.y) || !std::isfinite(g.z)) return false;
    g = eclipticaAEcuatorial(g, EpsJ2000);
    Vector o = observador(jd, latitud, longitudEste);
    Vector v{};
    double eps = EpsJ2000;
    if (deFecha) {
        const ln_nutation& nut = nutacionEn(jde);
        const double epsVerdadera = nut.ecliptic * Rad;
        const double epsMedia = epsVerdadera - nut.obliquity * Rad;
        // Mean ecliptic of date, where the aberration and the nutation in
        // longitude are added, then the true equator of date.
        const Vector m = precesa(g, jde, true);
        double lambda, beta, dist;
        aEsfericas({m.x, std::cos(epsMedia) * m.y + std::sin(epsMedia) * m.z,
                    -std::sin(epsMedia) * m.y + std::cos(epsMedia) * m.z},
                   lambda, beta, dist);
        // The Moon's light time and aberration nearly cancel: its place of
        // date is its geometric one.
        if (cuerpo != 11) aberracion(jde, lambda, beta);
        lambda += nut.longitude * Rad;
        v = eclipticaAEcuatorial(desdeEsfericas(lambda, beta, dist), epsVerdadera);
        eps = epsVerdadera;
    } else {
        // The observer, on the equator of date, carried back to J2000.
        o = precesa(o, jde, false);
        v = g;
    }
    v = {v.x - o.x, v.y - o.y, v.z - o.z};
    double ar, dec, r;
    aEsfericas(v, ar, dec, r);
    // The ecliptic longitude of the same place and frame.
    const double lon = std::atan2(std::sin(ar) * std::cos(eps) + std::tan(dec) * std::sin(eps), std::cos(ar));
    l.ar = ar;
    l.dec = dec;
    l.longitud = lon < 0 ? lon + 2 * PiL : lon;
    l.distancia = r;
    return std::isfinite(ar) && std::isfinite(dec) && r > 0;
}

}  // namespace

double DeltaT(double jd) {
    const double y = 2000 + (jd - J2000) / 365.25;
    const double parabola = -20 + 32 * std::pow((y - 1820) / 100, 2);
    if (y < -500 || y >= 2150) return parabola;
    if (y < 500)
        return poli(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
    if (y < 1600)
        return poli((y - 1000) / 100,
                    {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
    if (y < 1700) return poli(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
    if (y < 1800) return poli(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
    if (y < 1860)
        return poli(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                               0.000000000875});
    if (y < 1900) return poli(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    if (y < 1920) return poli(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941) return poli(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961) return poli(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986) return poli(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return poli(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050) return poli(y - 2000, {62.92, 0.32217, 0.005589});
    return parabola - 0.5628 * (2150 - y);
}

bool LugarCuerpo(int cuerpo, double jd, double latitud, double longitudEste, bool deFecha, Lugar& l) {
    if (cuerpo < 1 || cuerpo > 11 || cuerpo == 3) return false;
    if (!(jd >= DiaMinimo && jd <= DiaMaximo) || !(std::abs(latitud) <= PiL / 2 + 1e-9) ||
        !std::isfinite(longitudEste))
        return false;
    if (cuerpo == 9 && (jd < PlutonDesde || jd > PlutonHasta)) return false;
    Consulta& c = memoria[static_cast<std::size_t>(cuerpo)];
    if (c.cuerpo != cuerpo || c.dia != jd || c.latitud != latitud || c.longitud != longitudEste ||
        c.deFecha != deFecha) {
        c.cuerpo = cuerpo, c.dia = jd, c.latitud = latitud, c.longitud = longitudEste, c.deFecha = deFecha;
        c.valido = calcula(cuerpo, jd, latitud, longitudEste, deFecha, c.lugar);
    }
    if (c.valido) l = c.lugar;
    return c.valido;
}

double LongitudTierra(double jd) {
    if (!(jd >= DiaMinimo && jd <= DiaMaximo)) return 0;
    const double jde = jd + DeltaT(jd) / 86400;
    const ln_helio_posn& h = tierraEn(jde);
    // From the equinox of J2000 to that of date, by the general precession.
    const double l = std::fmod((h.L + 1.396971 * (jde - J2000) / 36525) * Rad, 2 * PiL);
    return l < 0 ? l + 2 * PiL : l;
}

}  // namespace vsp
