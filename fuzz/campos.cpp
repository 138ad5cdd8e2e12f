// What a user can type into the dialogs' fields, read by the engine's
// functions that the widgets call. The first byte chooses the field, the
// second the circumstances (clock format, daylight saving, row, whether the
// time is being stepped, the printer's page), the third the cursor of an
// overtype box; the rest is the text. Overtype boxes get either that text
// as it stands or their own text with its first character typed at the
// cursor, as a key press would leave it.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "comun.h"
#include "core/texto.h"
#include "programa/impresion.h"
#include "sky/tecleo_localizacion.h"
#include "time/formatos.h"
#include "time/tecleo_fecha.h"

using namespace vsp;

namespace {

// The date row's four fields, one a line of the text.
FilaFecha fila(std::string_view texto) {
    std::array<std::string, 4> campos;
    std::size_t k = 0;
    for (const char c : texto) {
        if (c == '\n' && k < 3)
            ++k;
        else
            campos[k] += c;
    }
    return {campos[0], campos[1], campos[2], campos[3]};
}

// The box's text with `tecla` typed in at the cursor.
std::string tecleado(const std::string& caja, int cursor, std::string_view tecla) {
    const std::size_t antes = static_cast<std::size_t>(std::clamp(cursor - 1, 0, static_cast<int>(utf8Length(caja))));
    return leftChars(caja, antes) + leftChars(tecla, 1) + midChars(caja, antes, std::string::npos);
}

template <class Teclea>
void overtype(Teclea teclea, std::string ProgramState::*caja, std::size_t largo, bool tecla, int cursor,
              std::string_view texto) {
    ProgramState& e = Estado();
    const Sobrescrito s = teclea(tecla ? tecleado(e.*caja, cursor, texto) : std::string(texto), cursor);
    if (utf8Length(s.texto) != largo) Incumple("largo de la caja", static_cast<double>(utf8Length(s.texto)));
    CompruebaRango("cursor de la caja", s.cursor, 0, static_cast<double>(largo));
    if (!(e.*caja).empty() && e.*caja != s.texto) Incumple("caja distinta de su estado", 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    if (tamano < 3) return 0;
    const uint8_t campo = datos[0], opciones = datos[1];
    const int cursor = static_cast<int8_t>(datos[2]);
    const std::string_view texto(reinterpret_cast<const char*>(datos + 3), tamano - 3);

    MotorFuzz();
    ProgramState& e = Estado();
    e.FormatoHora = opciones & 1 ? 2 : 1;
    e.HorarioVerano = opciones & 2 ? 1 : 0;
    const int filaFecha = opciones & 4 ? FilaLocal : FilaUniversal;
    e.TiempoEstable = opciones & 8 ? Falso : Verdadero;
    static constexpr int16_t kPaginas[4] = {0, 50, 190, 277};  // mm; 0 unknown
    e.AnchoMaximoMm = kPaginas[(opciones >> 4) & 3];
    e.AltoMaximoMm = kPaginas[(opciones >> 6) & 3];
    const bool tecla = opciones & 16;
    e.Tex_Lati = FormatoLatitud(e.Latitud);
    e.Tex_Longi = FormatoLongitud(e.Longitud);
    e.Tex_Teles = TextoCampoTelescopio();

    switch (campo % 10) {
        case 0: overtype(TecleaLatitud, &ProgramState::Tex_Lati, 13, tecla, cursor, texto); break;
        case 1: overtype(TecleaLongitud, &ProgramState::Tex_Longi, 14, tecla, cursor, texto); break;
        case 2: overtype(TecleaCampoTelescopio, &ProgramState::Tex_Teles, 7, tecla, cursor, texto); break;
        case 3: CambiaZona(texto); break;
        case 4: LeeDireccion(texto); break;
        case 5: LeeElevacion(texto); break;
        case 6: LeeZoom(texto); break;
        case 7: LeeCampoFecha(filaFecha, fila(texto)); break;
        case 8: LeeCampoHora(filaFecha, fila(texto)); break;
        case 9: {
            // The height typed alone is checked alone: the width is limited
            // again only when printing. A page smaller than the least size wins.
            const auto dentro = [](const char* que, int16_t v, int minimo, int16_t pagina) {
                if (pagina > 0)
                    CompruebaRango(que, v, std::min<int>(minimo, pagina), pagina);
                else
                    CompruebaRango(que, v, minimo, 32767);
            };
            if (opciones & 8) {
                LeeAltoImpresion(texto);
            } else {
                LeeAnchoImpresion(texto);
                dentro("AnchoImpresion", e.AnchoImpresion, AnchoMinimoImpresion, e.AnchoMaximoMm);
            }
            dentro("AltoImpresion", e.AltoImpresion, AltoMinimoImpresion, e.AltoMaximoMm);
            break;
        }
    }
    CompruebaEstado();
    return 0;
}
