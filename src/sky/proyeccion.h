// Coordinates and projection: direction cosines, the chain from the celestial
// sphere to the chart (precession, sidereal time, latitude, view direction and
// elevation), the chart window and the inverse used under the mouse.
#pragma once

#include "core/angulos.h"
#include "core/cosenos.h"
#include "core/estado.h"

namespace vsp {

// The rotation of direction cosines those angles make (J2000 to the date);
// its transpose carries a place of date back to J2000.
void MatrizPrecesion(double zeta, double theta, double z, double m[3][3]);

// Direction cosines turned by that matrix (J2000 to the date), or by its
// transpose (the date back to J2000); results rounded to single.
void RotaCosenos(const double m[3][3], bool inversa, float& x, float& y, float& z);

// Inverse of CosenosDirectores: a in [0, 2pi), b in [-pi/2, pi/2].
void AngulosDeCosenos(float x, float y, float z, double& a, double& b);

// A catalogue point (J2000 direction cosines) as the chart places it, in
// right ascension and declination of the chart's frame: precessed to the
// date when precession is on. What a click on it reads, and what centring
// on it takes.
void AngulosEnCarta(float x, float y, float z, double& ar, double& dec);

// The sines and cosines one redraw needs, taken from the state once so that
// the per-point transform does no trigonometry of the view. Results are
// identical to those of the per-call procedures below.
struct Proyector {
    bool   precesion = false;
    double precesionMatriz[3][3] = {};                   // equinox of date from J2000
    double cosS = 1, sinS = 0;                           // sidereal time
    double cosLat = 1, sinLat = 0;                       // latitude
    double cosD = 1, sinD = 0;                           // Direccion - pi
    double cosE = 1, sinE = 0;                           // pi/2 - Elevacion

    static Proyector DesdeEstado(const ProgramState& e);

    // Equatorial direction cosines to view coordinates (X right, Y up,
    // Z towards the viewer's line of sight). With precession on, x, y, z
    // are replaced by their precessed values.
    void Proyecta(float& x, float& y, float& z, float& X, float& Y, float& Z) const;

    // Horizon-frame cosines (x west, y north, z zenith) to view coordinates.
    void ProyectaHorizontal(float x, float y, float z, float& X, float& Y, float& Z) const;
};

// Per-call forms reading the state; results in VistaX, VistaY, VistaZ.
void ProyectaPunto(float x, float y, float z);
// Results into X, Y, Z; with precession on, x, y, z become the precessed cosines.
void ProyectaPuntoRef(float& x, float& y, float& z, float& X, float& Y, float& Z);
void ProyectaHorizontal(float x, float y, float z);

// Chart point to right ascension and declination of the chart date (no
// precession undone) and altitude and azimuth. When no sky point lies there
// ar and dec are set to 99 (the altitude may already have been written).
void PuntoACoordenadas(float X, float Y, double& ar, double& dec, float& altitud, float& azimut);

inline constexpr double SinPuntoCielo = 99.0;

// Keeps DireccionMenosPi = Direccion - pi.
void CalculaDireccionMenosPi();

// Sets the 4:3 chart window for Zoom and SentidoImagen, and ProfMinima.
void FijaVentanaCielo();

}  // namespace vsp
