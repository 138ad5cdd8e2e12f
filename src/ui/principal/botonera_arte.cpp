// The button bar's pictures, from the program's SVG files (data/arte): a
// pale rounded face with a glyph on it, drawn at any size asked for.
#include "ui/marco/arte_marco.h"
#include "ui/principal/botonera.h"

namespace vsp::ui {

QPixmap ImagenBoton(Boton b, int lado) {
    if (b == Boton::Salir) {
        // The dialogs' own exit picture, shown at the size asked for.
        QPixmap salir = ImagenSalir();
        salir.setDevicePixelRatio(salir.devicePixelRatio() * salir.deviceIndependentSize().width() / lado);
        return salir;
    }
    static const char* const nombres[NumBotones] = {"boton-busca",    "boton-carga",    "boton-guarda",
                                                    "boton-hora",     "boton-imprime",  "boton-personal",
                                                    "boton-localiza", "boton-objetos",  nullptr,
                                                    "boton-ayuda"};
    return arte::Imagen(nombres[static_cast<int>(b)], {lado, lado});
}

QPixmap ImagenDeshacer() { return arte::Imagen("deshacer", {18, 18}); }

}  // namespace vsp::ui
