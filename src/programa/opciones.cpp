// The objects dialog's boxes and the personalisation options.
#include "programa/opciones.h"

#include "core/avisos.h"
#include "core/constantes.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"
#include "time/tiempo.h"

namespace vsp {

const Opcion Opciones[NumOpciones + 1] = {
    {"", nullptr, {"", ""}},
    {"Panel de control", &ProgramState::PanelControl, {"Visible", "Oculto"}},
    {"Panel de cursor", &ProgramState::PanelCursor, {"Visible", "Oculto"}},
    {"Panel de localización", &ProgramState::PanelLocalizacion, {"Visible", "Oculto"}},
    {"Panel de objetos", &ProgramState::PanelObjetos, {"Visible", "Oculto"}},
    {"Formato de hora", &ProgramState::FormatoHora, {"Formato 24 horas", "Formato AM/PM"}},
    {"Imagen en pantalla", &ProgramState::SentidoImagen, {"Sentido directo", "Sentido inverso"}},
    {"Precesión", &ProgramState::Precesion, {"Activada", "Desactivada"}},
    {"Telescopio", &ProgramState::Telescopio, {"Activado", "Desactivado"}},
    {"Sonido", &ProgramState::Sonido, {"Activado", "Desactivado"}},
    {"Calidad de imagen", &ProgramState::CalidadImagen, {"Suavizada", "Sencilla"}},
};

const char* TextoOpcion(int indice) {
    if (indice < 1 || indice > NumOpciones) return "";
    const Opcion& o = Opciones[indice];
    return o.textos[Estado().*o.valor == Desactivado ? 1 : 0];
}

void CambiaOpcion(int indice) {
    if (indice < 1 || indice > NumOpciones) return;
    ProgramState& e = Estado();
    int16_t& valor = e.*Opciones[indice].valor;
    valor = valor == Activado ? Desactivado : Activado;
    Avisos& a = avisos();
    switch (indice) {
    case 1: case 2: case 3: case 4:  // the panels
        if (a.Ventanas) a.Ventanas();
        break;
    case 5:  // the clock: every time text again
        ActualizaPanel();
        MuestraFechaHora();
        break;
    case 6:  // the image's sense: at once
        FijaVentanaCielo();
        if (a.Redibujo) a.Redibujo();
        break;
    case 10:  // the image's quality: at once
        if (a.Redibujo) a.Redibujo();
        break;
    case 7:  // precession: the angles now, the chart on closing
        ActualizaTiempo();
        e.CambiosPendientes = Verdadero;
        break;
    case 8:  // the telescope: off erases the circle; on waits for a right click
        if (valor == Desactivado) {
            if (a.BorraTelescopio) a.BorraTelescopio();
        } else {
            e.TelescopioVisible = Falso;
        }
        break;
    default: break;  // the sound: PlaySonido reads the option itself
    }
}

void MarcaCasilla(int casilla, bool marcada) {
    if (casilla < 0 || casilla >= NumCasillasObjeto) return;
    ProgramState& e = Estado();
    e.Casillas[static_cast<std::size_t>(casilla)] = marcada ? 1 : 0;
    if (marcada && casilla == Chk_ARDEC15) e.Casillas[Chk_ARDEC30] = 0;
    if (marcada && casilla == Chk_ARDEC30) e.Casillas[Chk_ARDEC15] = 0;
    e.CambiosPendientes = Verdadero;
}

}  // namespace vsp
