// The observer's place and the view as the location dialog shows them: the
// city list's selection rule, the dialog's texts and the compass point.
#pragma once

#include <cstdint>
#include <string>

namespace vsp {

// Radians to whole degrees, halves to even, as every degree field shows them.
int GradosEnteros(double radianes);

// The compass point of a direction (radians from north): "N ", "NE", ... "NW".
std::string NombreDeRumbo(double direccion);

// NombreRumbo := the compass point of Direccion.
void CalculaRumbo();

// The direction box's text: compass point and whole degrees ("NE  45°"),
// a full turn shown as 0. Also sets NombreRumbo.
std::string TextoDireccion();

// Writes the place and view into the location dialog's texts and asks the
// dialog to redraw its dials.
void MuestraLocalizacion();

// The effect of choosing city i of the list: the place becomes the city's;
// unless a configuration is being loaded, the time zone follows from the
// longitude (Spain +1, the Canary Islands 0); the date fields are rewritten.
// An index outside the list clears the selection and changes nothing else.
void SeleccionaLocalidad(int16_t indice);

}  // namespace vsp
