// The chart of each sample situation, as approved: drawn on the recording
// surface, every kind of operation is summed up (how many, where, in which
// colours and widths) with the texts printed, and the summary must be the
// one committed in tests/sky/aprobadas. Any drawer, table, catalogue or
// computation that moves a dot, a line or a label shows here, on every
// machine: the sums are of coordinates rounded to 1e-4 chart units.
// VESPERA_REFERENCIAS=escribe writes the summaries again after a change
// meant to be seen; read the difference before committing.
#include "motor_nuevo.h"

#include <cstdlib>
#include <map>
#include <set>

#include "programa/arranque.h"
#include "sky/dibujo.h"
#include "sky/superficie_grabadora.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

std::string resumen(const SuperficieGrabadora& s) {
    static const char* const nombres[] = {"ventana", "limpia", "fondo",  "tinta", "ancho", "estilo",
                                          "modo",    "estilo relleno", "color relleno", "punto", "mueve",
                                          "linea a", "linea", "caja", "circulo", "poligono", "texto", "refresca"};
    struct Suma { long long n = 0, coordenadas[5] = {}, colores = 0, anchos = 0; };
    std::map<int, Suma> sumas;
    std::set<std::string> textos;
    const auto canales = [](Color c) { return static_cast<long long>((c & 0xff) + (c >> 8 & 0xff) * 3 + (c >> 16 & 0xff) * 7); };
    for (const Operacion& o : s.operaciones) {
        Suma& t = sumas[o.tipo];
        ++t.n;
        const double v[5] = {o.a, o.b, o.c, o.d, o.e};
        for (int k = 0; k < 5; ++k) t.coordenadas[k] += std::llround(v[k] * 1e4);
        t.colores += canales(o.color) + canales(o.tinta) * 11;
        t.anchos += o.ancho + o.entero * 13 + o.estilo * 17;
        if (o.tipo == Operacion::Texto) textos.insert(o.texto);
    }
    std::string r;
    for (const auto& [tipo, t] : sumas) {
        r += std::string(nombres[tipo]) + ": " + std::to_string(t.n);
        for (long long c : t.coordenadas) r += " " + std::to_string(c);
        r += " colores " + std::to_string(t.colores) + " anchos " + std::to_string(t.anchos) + "\n";
    }
    for (const std::string& t : textos) r += "«" + t + "»\n";
    return r;
}

TEST(Cartas, EachSampleSituationDrawsItsApprovedChart) {
    const fs::path carpeta = fs::path(VESPERA_PRUEBAS) / "sky" / "aprobadas";
    const char* referencias = std::getenv("VESPERA_REFERENCIAS");
    const bool escribe = referencias && std::string_view(referencias) == "escribe";
    if (escribe) fs::create_directories(carpeta);
    for (const char* situacion : ConfiguracionesEjemplo) {
        MotorNuevo();
        ProgramState& e = Estado();
        e.CarpetaTrabajo = VESPERA_DATOS;
        e.NombreConfig = situacion;
        e.ProporcionPantalla = 4.0f / 3;
        CargaConfig(true);
        ASSERT_EQ(e.EstadoArchivo, 0) << situacion;
        AplicaEstado();
        SuperficieGrabadora s;
        DibujaCielo(s);
        const fs::path aprobado = carpeta / (std::string(situacion) + ".txt");
        if (escribe)
            EscribeContenido(aprobado, resumen(s));
        else
            EXPECT_EQ(resumen(s), ContenidoDe(aprobado)) << situacion;
    }
}

}  // namespace
}  // namespace vsp
