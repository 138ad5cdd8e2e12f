// In-memory records of the eleven catalogue files. Each mirrors its file
// record field for field; text fields keep their fixed length in characters
// (UTF-8 here, Windows-1252 in the files), trailing spaces included.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

// A city of the location list; the country code stands at characters 17..19.
struct Localidad {
    std::string Nombre;   // 20 characters
    float Longitud = 0;   // radians, 0..2pi measured westward
    float Latitud = 0;    // radians, north positive
};

// A solar-system body: orbital elements (read) and results (computed).
struct CuerpoSolar {
    std::string Etiqueta;      // 3 characters: "MER", "SOL", "LUN"...
    double n = 0;              // mean daily motion, rad/day
    double L0 = 0;             // mean longitude at day count 0, rad
    double Perihelio = 0;      // longitude of perihelion, rad
    double Excentricidad = 0;
    double SemiejeMayor = 0;   // in units of the Earth's
    double Inclinacion = 0;    // to the ecliptic, rad
    double Nodo = 0;           // longitude of the ascending node, rad
    double LongitudGeo = 0;    // result: ecliptic longitude, rad
    double AR = 0;             // result: right ascension, rad
    double Dec = 0;            // result: declination, rad
    float x = 0, y = 0, z = 0; // result: direction cosines
    float X = 0, Y = 0, Z = 0; // result: view coordinates
};

struct ObjetoMessier {
    std::string Tipo;             // 1 character, "1".."6"
    std::string Designacion;      // 6 characters (NGC or IC number)
    float AR = 0, Dec = 0;        // radians
    std::string Magnitud;         // 4 characters
    std::string DescripcionTipo;  // 20 characters
    std::string Nombre;           // 15 characters
    float x = 0, y = 0, z = 0;
};

struct Constelacion {
    int16_t Nivel = 0;
    std::string Abreviatura;       // 3 characters
    std::string NombreLatino;      // 20 characters
    std::string Genitivo;          // 20 characters
    std::string NombreCastellano;  // 20 characters
    std::string Visibilidad;       // 9 characters, "90N a 56S"
    float AR = 0, Dec = 0;         // point the search centres on, radians
    float x = 0, y = 0, z = 0;     // label position
};

struct VerticeFigura {
    int16_t Pluma = 0;             // 0 = line from the previous vertex
    float x = 0, y = 0, z = 0;
};

// Galaxies, planetary nebulae and diffuse nebulae share one layout.
struct ObjetoProfundo {
    std::string Designacion;       // 6 characters
    float AR = 0, Dec = 0;         // radians
    int16_t Clase = 0;             // size class, 1 = largest
    float x = 0, y = 0, z = 0;
    bool operator==(const ObjetoProfundo&) const = default;
};

struct EstrellaNombre {
    std::string Codigo;            // 8 characters, "Alf CMa "
    std::string Nombre;            // 10 characters
    float AR = 0, Dec = 0;         // radians
    float Magnitud = 0;
    int16_t Tipo = 0;              // 1 variable, 2 multiple, 3 both
    float x = 0, y = 0, z = 0;
};

struct Estrella {
    float Magnitud = 0;
    int16_t Clase = 0;             // colour class 0..3
    float x = 0, y = 0, z = 0;
};

struct PuntoCielo {
    float x = 0, y = 0, z = 0;
};

// A point of the constant tables built at start-up (grids, ecliptic, horizon
// circle): its direction cosines and room for its last projection.
struct PuntoTabla {
    float x = 0, y = 0, z = 0;
    float X = 0, Y = 0, Z = 0;
};

}  // namespace vsp
