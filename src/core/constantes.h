// The program's own numeric constants. VESPERA has always used these rounded
// literals for pi; the tables, the sidereal time and the projection are built
// on them, so they are used everywhere instead of the machine's full pi.
#pragma once

#include <cstdint>

namespace vsp {

inline constexpr double Pi = 3.1415926536;
inline constexpr double DosPi = 6.2831853072;
inline constexpr double MedioPi = 1.5707963268;

inline constexpr double GradosPorRadian = 57.29577951289617;
inline constexpr double RadianesPorGrado = 0.01745329252;
inline constexpr double RadianesPorSegundoArco = 4.848136811111111e-6;

// The widest telescope field, 30 degrees, as a diameter in radians.
inline constexpr double CampoTelescopioMaximo = 0.5235987756;
// The largest printed chart side a configuration keeps, mm; the print dialog
// holds an unknown page to it too, so what it accepts can be saved and read.
inline constexpr int ImpresionMaximaMm = 2000;

// One turn of the sky (a sidereal day) in solar days.
inline constexpr double DiaSidereo = 0.9972695664235;

// Flags hold True = -1 and False = 0, as the configuration files and the
// dialogs expect.
inline constexpr int16_t Verdadero = -1;
inline constexpr int16_t Falso = 0;

// Two-way options: 1 = on (shown), 2 = off (hidden).
inline constexpr int16_t Activado = 1;
inline constexpr int16_t Desactivado = 2;

// The range of instants the calendar handles: 1 January 4713 B.C. 00:00 to
// 31 December 7999 23:59 (Julian days of universal time).
inline constexpr double DiaJulianoMinimo = -0.5;
inline constexpr double DiaJulianoMaximo = 4642999.499;

}  // namespace vsp
