// Coordinates and projection: angles and direction cosines, the chain from
// the celestial sphere to the chart and its inverse for the mouse, and the
// chart window with its visibility threshold.
#include "sky/proyeccion.h"

#include <cmath>

#include "core/avisos.h"
#include "core/constantes.h"

namespace vsp {

namespace {

// One plane rotation of the chain: (u, v) becomes (u cos + v sin, v cos - u sin).
// Each step is worked in double and stored in T, so the forward transform
// rounds to single between steps.
template <typename T>
void rotate(T& u, T& v, double cosAngle, double sinAngle) {
    const T newU = static_cast<T>(u * cosAngle + v * sinAngle);
    v = static_cast<T>(v * cosAngle - u * sinAngle);
    u = newU;
}

}  // namespace

// ---- Precession ---------------------------------------------------------------

// Turn by zeta about the pole, by theta towards the pole, then by z about the
// new pole: the same motion as turning the point's right ascension and
// declination through those angles, with the trigonometry done once per
// chart instead of once per star.
void MatrizPrecesion(double zeta, double theta, double z, double m[3][3]) {
    const double cz = std::cos(zeta), sz = std::sin(zeta);
    const double ct = std::cos(theta), st = std::sin(theta);
    const double cZ = std::cos(z), sZ = std::sin(z);
    // In the frame (X to right ascension 0, Y to 6h, Z to the pole).
    const double r[3][3] = {
        {cZ * ct * cz - sZ * sz, -cZ * ct * sz - sZ * cz, -cZ * st},
        {sZ * ct * cz + cZ * sz, -sZ * ct * sz + cZ * cz, -sZ * st},
        {st * cz, -st * sz, ct}};
    // The program's cosines are x = -Y, y = Z, z = X of that frame.
    const int fila[3] = {1, 2, 0};
    const double signo[3] = {-1, 1, 1};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = signo[i] * signo[j] * r[fila[i]][fila[j]];
}

void RotaCosenos(const double m[3][3], bool inversa, float& x, float& y, float& z) {
    const double a = x, b = y, c = z;
    const auto r = [&](int i, int j) { return inversa ? m[j][i] : m[i][j]; };
    x = static_cast<float>(r(0, 0) * a + r(0, 1) * b + r(0, 2) * c);
    y = static_cast<float>(r(1, 0) * a + r(1, 1) * b + r(1, 2) * c);
    z = static_cast<float>(r(2, 0) * a + r(2, 1) * b + r(2, 2) * c);
}

// ---- Angles and direction cosines -------------------------------------------

void AngulosDeCosenos(float x, float y, float z, double& a, double& b) {
    // |cos b| is taken from x and z rather than from b: single-precision
    // cosines are not exactly of unit length, and near a = 0 or pi the
    // arccos would turn that into errors of a minute of arc.
    const double cosB = std::sqrt(static_cast<double>(x) * x + static_cast<double>(z) * z);
    // At a pole the longitude is undefined; 0 keeps callers away from 0/0.
    if (std::fabs(y) >= 1 || cosB == 0) {
        b = y > 0 ? MedioPi : -MedioPi;
        a = 0;
        return;
    }
    b = arcSine(y);
    a = arcCosine(z / cosB);
    if (x > 0) a = DosPi - a;
}

// ---- Forward transform ------------------------------------------------------

Proyector Proyector::DesdeEstado(const ProgramState& e) {
    Proyector p;
    p.precesion = e.Precesion == Activado;
    if (p.precesion) MatrizPrecesion(e.PrecZeta, e.PrecTheta, e.PrecZ, p.precesionMatriz);
    p.cosS = std::cos(e.TiempoSidereo);
    p.sinS = std::sin(e.TiempoSidereo);
    p.cosLat = std::cos(e.Latitud);
    p.sinLat = std::sin(e.Latitud);
    p.cosD = std::cos(e.DireccionMenosPi);
    p.sinD = std::sin(e.DireccionMenosPi);
    p.cosE = std::cos(MedioPi - e.Elevacion);
    p.sinE = std::sin(MedioPi - e.Elevacion);
    return p;
}

void Proyector::Proyecta(float& cx, float& cy, float& cz, float& X, float& Y, float& Z) const {
    if (precesion) RotaCosenos(precesionMatriz, false, cx, cy, cz);
    // Hour-angle frame, then the horizon frame (x west, y north, z zenith).
    float hx = cx, hy = cy, hz = cz;
    rotate(hx, hz, cosS, sinS);
    rotate(hy, hz, cosLat, -sinLat);
    ProyectaHorizontal(hx, hy, hz, X, Y, Z);
}

void Proyector::ProyectaHorizontal(float hx, float hy, float hz, float& X, float& Y, float& Z) const {
    rotate(hx, hy, cosD, sinD);
    rotate(hy, hz, cosE, sinE);
    X = hx;
    Y = hy;
    Z = hz;
}

void AngulosEnCarta(float x, float y, float z, double& ar, double& dec) {
    const ProgramState& e = Estado();
    if (e.Precesion == Activado) {
        double m[3][3];
        MatrizPrecesion(e.PrecZeta, e.PrecTheta, e.PrecZ, m);
        RotaCosenos(m, false, x, y, z);
    }
    AngulosDeCosenos(x, y, z, ar, dec);
}

void ProyectaPunto(float x, float y, float z) {
    ProgramState& e = Estado();
    Proyector::DesdeEstado(e).Proyecta(x, y, z, e.VistaX, e.VistaY, e.VistaZ);
}

void ProyectaPuntoRef(float& x, float& y, float& z, float& X, float& Y, float& Z) {
    Proyector::DesdeEstado(Estado()).Proyecta(x, y, z, X, Y, Z);
}

void ProyectaHorizontal(float x, float y, float z) {
    ProgramState& e = Estado();
    Proyector::DesdeEstado(e).ProyectaHorizontal(x, y, z, e.VistaX, e.VistaY, e.VistaZ);
}

// ---- Inverse transform ------------------------------------------------------

void PuntoACoordenadas(float X, float Y, double& ar, double& dec, float& altitud, float& azimut) {
    const ProgramState& e = Estado();
    // Doubles do not trap on 0/0: every division below is guarded, and a
    // guard that fails means no sky point can be named there.
    const auto noSkyPoint = [&] {
        ar = SinPuntoCielo;
        dec = SinPuntoCielo;
    };
    double x = X, y = Y;
    const double rho2 = x * x + y * y;
    if (rho2 > 1) return noSkyPoint();
    double z = std::sqrt(1 - rho2);

    // Undo elevation and direction, back to the horizon frame.
    const double el = DosPi - (MedioPi - e.Elevacion);
    rotate(y, z, std::cos(el), std::sin(el));
    const double dir = DosPi - e.DireccionMenosPi;
    rotate(x, y, std::cos(dir), std::sin(dir));

    if (1 - z * z <= 0) return noSkyPoint();  // zenith or nadir
    altitud = static_cast<float>(arcSine(z));
    const double r = std::sqrt(x * x + y * y);
    if (r == 0) return noSkyPoint();
    double az = arcCosine(y / r);
    if (x > 0) az = DosPi - az;
    azimut = static_cast<float>(az);

    // Undo latitude and sidereal time, back to the equator of date.
    const double lat = DosPi - e.Latitud;
    rotate(y, z, std::cos(lat), -std::sin(lat));
    const double hour = DosPi - e.TiempoSidereo;
    rotate(x, z, std::cos(hour), std::sin(hour));

    if (1 - y * y <= 0) return noSkyPoint();
    const double d = arcSine(y);
    const double cosDec = std::fabs(std::cos(d));
    if (cosDec == 0) return noSkyPoint();
    double a = arcCosine(z / cosDec);
    if (x > 0) a = DosPi - a;
    ar = a;
    dec = d;
}

// ---- View, ecliptic and chart window ----------------------------------------

void CalculaDireccionMenosPi() {
    ProgramState& e = Estado();
    e.DireccionMenosPi = e.Direccion - Pi;
}

void FijaVentanaCielo() {
    ProgramState& e = Estado();
    // A damaged zoom must not divide by zero; only the window uses the
    // limited value, Zoom itself is left for its owner to mend.
    float zoom = e.Zoom;
    if (!(zoom >= 1)) zoom = 1;
    if (zoom > 15) zoom = 15;

    // The height is negative because chart y grows upwards; a mirrored image
    // (SentidoImagen other than 1) gets a negative width. The 4:3 window is
    // the least that is shown: a chart area of another shape shows more sky
    // along its longer side, at the same scale.
    const double sense = e.SentidoImagen == 1 ? 1.0 : -1.0;
    double alto = 2.6 / zoom, ancho = 3.4666667 / zoom;
    const double proporcion = e.ProporcionPantalla > 0 ? e.ProporcionPantalla : ancho / alto;
    if (proporcion > ancho / alto)
        ancho = alto * proporcion;
    else
        alto = ancho / proporcion;
    e.VentanaAlto = static_cast<float>(-alto);
    e.VentanaAncho = static_cast<float>(sense * ancho);
    e.VentanaIzquierda = -e.VentanaAncho / 2;
    e.VentanaArriba = -e.VentanaAlto / 2;

    // TelescopioX and TelescopioY are not touched: sky points keep their
    // chart coordinates at every zoom, so the circle stays on its sky point.

    // Points with VistaZ below this lie outside the circle through the
    // window's corners and cannot show.
    const double left = e.VentanaIzquierda, top = e.VentanaArriba;
    const double rest = 1 - left * left - top * top;
    e.ProfMinima = rest >= 0 ? static_cast<float>(std::sqrt(rest)) : 0.0f;

    if (e.PanelObjetos == Activado && avisos().Leyenda) avisos().Leyenda();
}

}  // namespace vsp
