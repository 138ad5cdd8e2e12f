// Place and view texts, and choosing a city.
#include "sky/localizacion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/texto.h"
#include "time/formatos.h"
#include "time/zonas.h"

namespace vsp {

int GradosEnteros(double radianes) {
    return static_cast<int>(std::nearbyint(radianes * GradosPorRadian));
}

std::string NombreDeRumbo(double direccion) {
    float a = static_cast<float>(direccion + Pi / 8);
    if (a >= static_cast<float>(DosPi)) a = 0;
    int k = static_cast<int>(static_cast<double>(a) * GradosPorRadian / 45) + 1;
    k = std::clamp(k, 1, 8);  // a damaged direction must not read outside the names
    return std::string("N NEE SES SWW NW").substr(2 * k - 2, 2);
}

void CalculaRumbo() { Estado().NombreRumbo = NombreDeRumbo(Estado().Direccion); }

std::string TextoDireccion() {
    ProgramState& e = Estado();
    CalculaRumbo();
    const int grados = GradosEnteros(e.Direccion);
    return e.NombreRumbo + " " + Formato(grados == 360 ? 0 : grados, "@@@") + "°";
}

void MuestraLocalizacion() {
    ProgramState& e = Estado();
    e.Tex_Longi = FormatoLongitud(e.Longitud);
    e.Tex_Lati = FormatoLatitud(e.Latitud);
    e.Tex_Zona = TextoZona(e.ZonaHoraria);
    e.Tex_Direc = TextoDireccion();
    e.Tex_Eleva = Formato(GradosEnteros(e.Elevacion), "@@") + "°";
    e.Tex_Zoom = Formato(e.Zoom, "#0.0");
    if (avisos().Localizacion) avisos().Localizacion();
}

void SeleccionaLocalidad(int16_t indice) {
    ProgramState& e = Estado();
    if (indice < 0 || indice >= NumLocalidades) {
        e.IndiceLocalidad = -1;
        return;
    }
    e.IndiceLocalidad = indice;
    const Localidad& l = e.Localidades[indice];
    e.Longitud = l.Longitud;
    e.Latitud = l.Latitud;
    e.Tex_Longi = FormatoLongitud(e.Longitud);
    e.Tex_Lati = FormatoLatitud(e.Latitud);
    if (!e.CargandoConfig) {
        // One hour for every 15 degrees, bands centred on the meridians.
        const int d = std::abs(e.LongitudGrados);
        float zona = static_cast<float>(static_cast<int>((d + 22.5) / 15) - 1);
        if (e.Longitud < Pi) zona = -zona;
        // Spain keeps Central European time, but for the Canary Islands, well
        // west of the peninsula.
        if (minusculas(midChars(l.Nombre, 16, 3)) == "esp") {
            zona = 1;
            if (l.Longitud > 0.19f && l.Longitud < 6.0f) zona = 0;
        }
        e.ZonaHoraria = zona;
        e.Tex_Zona = TextoZona(e.ZonaHoraria);
    }
    MuestraFechaHora();
}

}  // namespace vsp
