// Headless rendering: `vespera --render FILE.png [--config FILE.vpc]
// [--size WxH]` runs the program's start-up with the chart drawn into an
// image on Qt's offscreen platform, saves it and prints the location and
// time panel, one text a line. A FILE.jpg gets that image as JPEG, a
// FILE.svg the chart as vector drawing, a FILE.pdf the printed page, as the
// print dialog would print it, scaled from a chart of that size.
#include "app/sin_ventana.h"

#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <QSizeF>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "app/linea_ordenes.h"
#include "app/ortos_orden.h"
#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "impresion/impresora.h"
#include "programa/arranque.h"
#include "raster/exporta.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "ui/marco/marco.h"
#include "zonas/base_qt.h"

namespace vsp {

void PreparaArranqueSinVentana(bool& fallo) {
    // The program's messages, with their line breaks made plain, to stderr.
    avisos().Mensaje = [](const std::string& titulo, const std::string& texto, int16_t, int16_t) {
        std::string plano;
        for (char c : texto)
            if (c != '\r') plano += c;
        std::fprintf(stderr, "%s: %s\n", titulo.c_str(), plano.c_str());
        return false;  // nobody is there to accept a question
    };
    avisos().ErrorArchivo = [&fallo](const std::string& ruta, const std::string& motivo) {
        error("no se puede leer «" + ruta + "»: " + motivo + ".");
        fallo = true;
    };
    ui::LeePreferencias();
    InstalaBaseZonasDelSistema();
}

namespace {

constexpr const char* kHelp =
    "Uso: vespera [opciones]\n"
    "\n"
    "Sin opciones, VESPERA abre su ventana principal.\n"
    "\n"
    "  --render ARCHIVO.png   dibuja la carta en una imagen PNG sin abrir ninguna\n"
    "                         ventana y escribe en la salida estándar los once\n"
    "                         textos del panel de lugar y hora, uno por línea\n"
    "  --render ARCHIVO.jpg   lo mismo, en una imagen JPEG (también .jpeg)\n"
    "  --render ARCHIVO.svg   lo mismo, con la carta como dibujo vectorial SVG\n"
    "  --render ARCHIVO.pdf   lo mismo, con la página impresa en un PDF: la carta\n"
    "                         del tamaño en mm de la configuración y, si esta lo\n"
    "                         pide, la banda de datos de localización\n"
    "  --rise-set OBJETO      escribe el próximo orto, la culminación y el ocaso\n"
    "                         del objeto (un nombre, un código o un número\n"
    "                         Messier, como en la búsqueda) tras el instante de\n"
    "                         la configuración, en hora local, y para el Sol los\n"
    "                         crepúsculos civil, náutico y astronómico\n"
    "  --config ARCHIVO.vpc   con --render o --rise-set: parte de esta\n"
    "                         configuración en lugar de «Inicial.vpc»\n"
    "  --size ANCHOxALTO      con --render: tamaño de la imagen en píxeles, de 16\n"
    "                         a 8192 cada lado (1024x768 si no se indica); en un\n"
    "                         PDF, la pantalla de la que se escala la carta\n"
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "La extensión del nombre, en mayúsculas o minúsculas, elige el formato. El\n"
    "archivo solo sustituye al anterior cuando está completo.\n";

int render(const Options& o, int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    bool fallo = false;
    PreparaArranqueSinVentana(fallo);
    Estado().ProporcionPantalla = static_cast<float>(o.width) / static_cast<float>(o.height);
    // The start-up reads the catalogues and the configuration while Qt reads
    // its fonts: neither needs the other until the chart is drawn, once,
    // when both are done.
    std::thread arranque([&o] { ArrancaPrograma(o.config); });
    SuperficieQt superficie(QSize(o.width, o.height));
    arranque.join();
    ReiniciaAvisos();
    if (fallo) return 1;

    // The name's bytes go to the system as they were given: any name the
    // shell can pass names the file written.
    const QSize tamano(o.width, o.height);
    const FormatoCarta formato = *FormatoDe(o.salida);
    int err;
    if (formato == FormatoCarta::Pdf) {
        err = ImprimeEnPdf(o.salida, QSizeF(tamano));
    } else {
        // An image is drawn as the window draws it, with the user's image
        // quality; a drawing is made by the vector painter alone.
        const bool imagen = formato != FormatoCarta::Svg;
        if (imagen) {
            superficie.setSmooth(Estado().CalidadImagen != Desactivado);
            DibujaCielo(superficie);
        }
        err = ExportaCarta(o.salida, tamano, imagen ? &superficie.image() : nullptr);
    }
    if (err) {
        error("no se pudo escribir «" + o.salida + "»: " + TextoErrorSistema(err) + ".");
        return 1;
    }
    const TextosPanel& p = Estado().Panel;
    for (const std::string* t : {&p.Tex_Loca, &p.Tex_Longi, &p.Tex_Lati, &p.Tex_Direc, &p.Tex_Eleva, &p.Tex_Zoom,
                                 &p.Tex_FecUni, &p.Tex_HorUni, &p.Tex_FecLoc, &p.Tex_HorLoc, &p.Tex_FecJul})
        std::printf("%s\n", t->c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int EjecutaSinVentana(int argc, char** argv) {
    const std::optional<Options> o = parseOptions(argc, argv);
    if (!o) return 2;
    if (o->help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (!o->ortos.empty()) return OrdenOrtos(*o);
    // Everything is written and flushed by now: the process ends without
    // taking Qt down piece by piece, which would cost the command a tenth of
    // its time for nothing the user sees.
    std::_Exit(render(*o, argc, argv));
}

}  // namespace vsp
