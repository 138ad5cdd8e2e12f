// What the user types into the location dialog, read into the state: the
// latitude and longitude boxes, which are typed over rather than edited,
// and the direction, elevation and zoom boxes; and the personalisation
// dialog's telescope field, typed over in the same way. A reading never refuses with
// a message: a wrong character is undone and a number out of range clamped.
#pragma once

#include <string>
#include <string_view>

namespace vsp {

// An overtype box after one change: the text it shows and its cursor.
struct Sobrescrito {
    std::string texto;
    int cursor = 0;
};

// The latitude box "40° 25' 00\" N" after a change (`texto`, with the cursor
// where the change left it). One character typed over a digit, or N or S
// over the letter, replaces it: degrees above 90 become 90, minutes and
// seconds above 59 become 59, at 90 degrees they become 00; Latitud and
// Tex_Lati follow and the cursor moves on past the separators. Any other
// change (a separator typed over, a deletion, a paste) is undone.
Sobrescrito TecleaLatitud(std::string_view texto, int cursor);

// The longitude box "  3° 42' 13\" O" in the same way, degrees up to 180 and
// the letters E and O (W is taken as O); 0 degrees east is stored as 0.
Sobrescrito TecleaLongitud(std::string_view texto, int cursor);

// The personalisation dialog's telescope field "05° 30'": degrees up to 30
// (30 forces 00'), minutes up to 59, digits only. CampoTelescopio (the
// field's diameter) and TelescopioRadio follow, and the circle on the chart
// is erased.
Sobrescrito TecleaCampoTelescopio(std::string_view texto, int cursor);
// The field's text from the state: the first 7 characters of the latitude
// text of CampoTelescopio.
std::string TextoCampoTelescopio();

// The direction box: a number of degrees 0..359 wherever it stands ("200",
// "200 NE", the box's own "S  180°"), or else a compass point alone ("NE" is
// 45, "O" or "W" 270); nothing readable is north. Direccion, Tex_Direc and
// the compass point follow.
void LeeDireccion(std::string_view texto);

// The elevation box: whole degrees 0..90 into Elevacion and Tex_Eleva.
void LeeElevacion(std::string_view texto);

// The zoom box: halves from 1 to 15 ("7.3" is 7.0, "0.5" is 1.0) into Zoom
// and Tex_Zoom.
void LeeZoom(std::string_view texto);

}  // namespace vsp
