// DibujaCielo: the layers in their order, the daylight background, the
// telescope circle and the location and time panel.
#include "sky/dibujo.h"

#include <algorithm>
#include <cmath>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "sky/cuerpos.h"
#include "sky/localizacion.h"
#include "sky/trazado.h"
#include "time/formatos.h"

namespace vsp {

void FijaEstiloTrazo(Superficie& s) {
    ProgramState& e = Estado();
    const int16_t estilo = e.VistaZ < 0 ? EstiloInvisible : EstiloSolido;
    if (estilo != e.EstiloTrazo) {
        e.EstiloTrazo = estilo;
        s.setLineStyle(estilo);
    }
}

Polilinea::Polilinea(Superficie& s) : s_(s) { Estado().EstiloTrazo = EstiloSolido; }

void Polilinea::empieza(const PuntoVista& v) {
    Estado().VistaZ = v.Z;
    FijaEstiloTrazo(s_);
    // A dot behind the observer would stand at a meaningless place.
    if (v.Z >= 0)
        s_.point(v.X, v.Y);
    else
        s_.moveTo(v.X, v.Y);
}

void Polilinea::sigue(const PuntoVista& v) {
    Estado().VistaZ = v.Z;
    FijaEstiloTrazo(s_);
    s_.lineTo(v.X, v.Y);
}

void Polilinea::termina() {
    Estado().EstiloTrazo = EstiloSolido;
    s_.setLineStyle(EstiloSolido);
}

void DibujaLuzDiurna(Superficie& s) {
    ProgramState& e = Estado();
    // Looking at the zenith, the Sun's depth is the sine of its altitude.
    const double elevacion = e.Elevacion;
    e.Elevacion = MedioPi;
    CalculaSol();
    e.Elevacion = elevacion;
    const float h = e.ElementosPlanetas[CuerpoSol].Z;
    if (h > -0.15f) {
        const double nivel = std::min(std::nearbyint(h * 640.0 + 192), 192.0);
        s.setBackground(Rgb(0, 0, static_cast<int>(nivel)));
    }
}

void ActualizaPanel() {
    ProgramState& e = Estado();
    TextosPanel& p = e.Panel;
    const bool conCiudad = e.IndiceLocalidad >= 0 && e.IndiceLocalidad < static_cast<int>(e.Cbo_Localidad.size());
    p.Tex_Loca = conCiudad ? e.Cbo_Localidad[e.IndiceLocalidad] : std::string(20, ' ');
    p.Tex_Longi = FormatoLongitud(e.Longitud);
    p.Tex_Lati = FormatoLatitud(e.Latitud);
    CalculaRumbo();
    p.Tex_Direc = "Dirección = " + Formato(GradosEnteros(e.Direccion), "@@@") + "° " + e.NombreRumbo;
    p.Tex_Eleva = "Elevación = " + Formato(GradosEnteros(e.Elevacion), "@@") + "°";
    p.Tex_Zoom = "Zoom = " + Formato(e.Zoom, "#0.0");
    const TextosPanelFecha f = TextosFechaPanel();
    p.Tex_FecUni = f.Tex_FecUni;
    p.Tex_HorUni = f.Tex_HorUni;
    p.Tex_FecLoc = f.Tex_FecLoc;
    p.Tex_HorLoc = f.Tex_HorLoc;
    p.Tex_FecJul = f.Tex_FecJul;
    if (avisos().Panel) avisos().Panel();
}

void DibujaCielo(Superficie& s) {
    ProgramState& e = Estado();
    const auto& c = e.Casillas;
    s.setWindow(e.VentanaIzquierda, e.VentanaArriba, e.VentanaAncho, e.VentanaAlto);
    s.setDrawMode(ModoCopia);
    s.setFillStyle(RellenoTransparente);
    s.setForeground(Rgb(255, 255, 255));
    s.setDrawWidth(1);
    s.clear();
    s.setBackground(Rgb(0, 0, 0));

    if (c[Chk_LuzDi]) DibujaLuzDiurna(s);
    if (c[Chk_ARDEC15]) DibujaRejilla15(s);
    if (c[Chk_ARDEC30]) DibujaRejilla30(s);
    if (c[Chk_Horiz]) DibujaHorizonte(s);
    if (c[Chk_Eclip]) DibujaEcliptica(s);
    if (e.NivelConstel > 0) DibujaConstelaciones(s);
    if (e.NivelEstrellas > 0) DibujaEstrellas(s);
    if (c[Chk_Messi]) DibujaMessier(s);
    if (c[Chk_Galax]) DibujaGalaxias(s);
    if (c[Chk_NebPl]) DibujaNebPlanetarias(s);
    if (c[Chk_NebDi]) DibujaNebDifusas(s);
    if (c[Chk_ViaLa]) DibujaViaLactea(s);
    for (int p = 1; p <= 9; ++p) {
        // The Earth is never a planet of its own sky: computing it as one
        // would also spoil the Sun, which is taken from it.
        if (p == CuerpoTierra || !c[Chk_Plane(p)]) continue;
        CalculaPlaneta(p);
        DibujaCuerpo(s, p);
    }
    // The Moon's phase needs the Sun of this instant even when the Sun is
    // not drawn.
    if (c[Chk_Sol] || c[Chk_Luna]) CalculaSol();
    if (c[Chk_Sol]) DibujaCuerpo(s, CuerpoSol);
    if (c[Chk_Luna]) {
        CalculaLuna();
        DibujaCuerpo(s, CuerpoLuna);
    }

    ActualizaPanel();
    if (e.TelescopioVisible)
        s.circle(e.TelescopioX, e.TelescopioY, e.TelescopioRadio, Rgb(255, 255, 0));
    e.BotUndoVisible = e.GuardandoDeshacer ? Verdadero : Falso;
    s.refresh();
}

}  // namespace vsp
