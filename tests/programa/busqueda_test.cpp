// Finding objects: centring on one entry of each category that can be
// centred lands that very entry in the middle of the chart (the star
// listing through its row-to-entry table, the bodies computed for the
// instant), and finding by name ignores case, accents and blanks.
#include "programa/busqueda.h"

#include "motor_nuevo.h"
#include "programa/centrado.h"
#include "sky/cuerpos.h"

namespace vsp {
namespace {

class Busqueda : public MotorEnCarpeta {
protected:
    void SetUp() override {
        MotorEnCarpeta::SetUp();
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.Latitud = 40.4 * RadianesPorGrado;
        e.Zoom = 15;
        e.Precesion = Activado;
        ActualizaTiempo();
        FijaVentanaCielo();
    }
};

// The table entry a row stands for, as direction cosines (J2000).
PuntoCielo entrada(int categoria, int f) {
    const ProgramState& e = Estado();
    const auto de = [](const auto& o) { return PuntoCielo{o.x, o.y, o.z}; };
    PuntoCielo p;
    switch (categoria) {
    case 1: return de(e.Messier[f]);
    case 2: CosenosDirectores(e.Constelaciones[f].AR, e.Constelaciones[f].Dec, p.x, p.y, p.z); return p;
    case 3: return de(e.EstrellasNombre[e.IndiceEstrellas[f]]);
    case 4: return de(e.Galaxias[f]);
    case 5: return de(e.NebPlanetarias[f]);
    default: return de(e.NebDifusas[f]);
    }
}

TEST_F(Busqueda, EachCategoryCentresTheEntryOfItsRowInTheMiddle) {
    ProgramState& e = Estado();
    const double pixel = std::fabs(e.VentanaAncho) / 1280;  // at zoom 15
    // A star of the listing whose row is not its entry in the table, and that rises here.
    int estrella = 0;
    while (e.IndiceEstrellas[estrella] == estrella ||
           e.EstrellasNombre[e.IndiceEstrellas[estrella]].Dec < -0.5f)
        ++estrella;
    struct Caso { int categoria, fila; const char* empieza; } casos[] = {  // and how the row starts
        {0, 3, "MARTE"}, {0, 5, "SATURNO"}, {0, 6, "URANO"}, {0, 7, "NEPTUNO"}, {0, 8, "PLUTON"},
        {0, 10, "LUNA"}, {1, 30, " 31 224"}, {2, 59, " Ori"},
        {3, estrella, ""}, {4, 0, "  LMC"}, {5, 100, ""},     {6, 100, ""}};
    int centrados = 0;
    for (const Caso& c : casos) {
        const std::string fila(FilasCategoria(c.categoria)[c.fila]);
        EXPECT_TRUE(fila.starts_with(c.empieza)) << fila;
        mensajes.clear();
        const double antes = e.DiaJuliano;
        if (!CentraEntrada(c.categoria, c.fila)) {
            ASSERT_EQ(mensajes.size(), 1u) << fila << ": refused, with the message";
            EXPECT_TRUE(mensajes[0].starts_with("Buscar Objetos: ")) << fila;
            continue;
        }
        ++centrados;
        EXPECT_TRUE(e.DiaJuliano >= antes && e.DiaJuliano < antes + 1) << fila << ": forward, within a day";
        float X, Y, Z;
        double tolerancia = pixel;
        if (c.categoria == 0) {
            // The body recomputed for the new instant, where the chart draws it.
            const int k = c.fila + 1;
            k == CuerpoLuna ? CalculaLuna() : CalculaPlaneta(k);
            float x, y, z;
            CosenosEnCarta(e.ElementosPlanetas[k], x, y, z);
            Proyector p = Proyector::DesdeEstado(e);
            p.precesion = false;
            p.Proyecta(x, y, z, X, Y, Z);
            // The Moon keeps the centring's own allowance for its motion: a few degrees out.
            if (k == CuerpoLuna) tolerancia = 5 * RadianesPorGrado;
        } else {
            PuntoCielo p = entrada(c.categoria, c.fila);
            ProyectaPuntoRef(p.x, p.y, p.z, X, Y, Z);  // precessed, as the chart does
        }
        EXPECT_GT(Z, 0) << fila;
        EXPECT_LT(std::hypot(X, Y), tolerancia) << fila;
    }
    EXPECT_GE(centrados, 10);
    EXPECT_FALSE(CentraEntrada(0, 2)) << "the Earth";
    EXPECT_FALSE(CentraEntrada(7, 0)) << "clusters are listed, not centred";
    EXPECT_FALSE(CentraEntrada(1, 109)) << "past the end";
    EXPECT_FALSE(CentraEntrada(0, 11)) << "one past the Solar System's rows";
    e.DiaJuliano = 2600000.5;  // A.D. 2406, past Pluto's series
    ActualizaTiempo();
    EXPECT_FALSE(CentraEntrada(0, 8)) << "Pluto, where it has no place";
}

TEST_F(Busqueda, FindingByNameIgnoresCaseAccentsAndBlanks) {
    // The first match's category and how its row starts, and the least count of matches.
    struct Caso { const char* texto; int categoria; const char* empieza; std::size_t minimo; } casos[] = {
        {"m31", 1, " 31 224", 1},   {"M 31", 1, " 31 224", 1},  {"ngc 7089", 1, "  2 7089", 1},
        {"orion", 1, " 42", 2},     {"ORIÓN", 1, " 42", 2},     {"júpiter", 0, "JUPITER", 1},
        {"luna", 0, "LUNA", 1},     {"Alf CMa", 3, "Alf CMa", 1}, {"sirio", 3, "Alf CMa", 1},
        {"mayor", 2, " CMa", 2},    {"pléy", 1, " 45", 1},      {"lmc", 4, "  LMC", 1},
    };
    for (const Caso& c : casos) {
        const auto r = BuscaTexto(c.texto);
        ASSERT_GE(r.size(), c.minimo) << c.texto;
        EXPECT_EQ(r[0].categoria, c.categoria) << c.texto;
        EXPECT_TRUE(FilasCategoria(r[0].categoria)[r[0].fila].starts_with(c.empieza)) << c.texto;
    }
    for (const char* nada : {"", "   ", "zzzz"}) EXPECT_TRUE(BuscaTexto(nada).empty()) << '"' << nada << '"';
    const auto soloConstelaciones = BuscaTexto("and", 2);
    ASSERT_FALSE(soloConstelaciones.empty());
    for (const Hallazgo& h : soloConstelaciones) EXPECT_EQ(h.categoria, 2);
}

// Centring on a point: the time moves forward to its culmination, the view
// turns north or south to its altitude, refused points change nothing, and
// the undo point restores the situation exactly.

namespace fs = std::filesystem;

class Centrado : public MotorEnCarpeta {
protected:
    void SetUp() override {
        MotorEnCarpeta::SetUp();
        ProgramState& e = Estado();
        e.DiaJuliano = 2460677.3;
        e.Latitud = 40 * RadianesPorGrado;
        e.Longitud = 3.7 * RadianesPorGrado;
        e.Zoom = 4;
        e.Elevacion = 0.3;
        e.Direccion = 2;
        e.FactorAnima = 1;
        e.UnidadAnima = 3;
        ActualizaTiempo();
        avisos().Redibujo = [this] {
            ++redibujos;
            EXPECT_EQ(Estado().GuardandoDeshacer, -1);  // the redraw shows the undo button
        };
        avisos().BorraTelescopio = [this] { ++borrados; };
    }
    static void centra(double ar, double dec) {
        Estado().ClicAR = ar;
        Estado().ClicDec = dec;
        CentraPunto();
    }

    int redibujos = 0, borrados = 0;
};

TEST_F(Centrado, APointThatNeverRisesIsRefusedAndNothingChanges) {
    ProgramState& e = Estado();
    const std::string antes = TextoConfiguracion();
    centra(1.0, -60 * RadianesPorGrado);
    EXPECT_EQ(mensajes, std::vector<std::string>{
                            "Buscar Objetos: Ese punto  se  encuentra bajo  el  horizonte  y  no  es  "
                            "visible desde la Latitud actual"});
    EXPECT_EQ(TextoConfiguracion(), antes);
    EXPECT_EQ(e.CentradoHecho, 0);
    EXPECT_EQ(redibujos + borrados, 0);
    EXPECT_FALSE(fs::exists(carpeta / "Temporal.WRK"));
}

TEST_F(Centrado, TimeMovesForwardByLessThanADayAndTheViewTurnsNorthOrSouthToPutThePointInTheMiddle) {
    ProgramState& e = Estado();
    // Within a pixel of the centre of a 1280-pixel-wide chart at zoom 15.
    e.Zoom = 15;
    e.Precesion = 2;
    FijaVentanaCielo();
    const double pixel = std::fabs(e.VentanaAncho) / 1280;
    std::mt19937 azar(55);
    std::uniform_real_distribution<double> ar(0, DosPi), sd(-0.6, 0.99);
    for (int i = 0; i < 300; ++i) {
        const double antes = e.DiaJuliano;
        const double a = ar(azar), d = std::asin(sd(azar));
        centra(a, d);
        ASSERT_GE(e.DiaJuliano, antes);
        ASSERT_LT(e.DiaJuliano - antes, 1.0);
        float x, y, z;
        CosenosDirectores(a, d, x, y, z);
        ProyectaPunto(x, y, z);
        ASSERT_LT(std::hypot(e.VistaX, e.VistaY), pixel) << i;
        ASSERT_TRUE(e.Direccion == 0 || e.Direccion == Pi) << "north or south, to the culmination";
        ASSERT_EQ(e.CentradoHecho, -1);
        ASSERT_EQ(e.GuardandoDeshacer, 0);
    }
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(redibujos, 300);
    EXPECT_EQ(borrados, 300);
    // A point on the meridian now leaves the time as it is.
    const double ahora = e.DiaJuliano;
    centra(e.TiempoSidereo, 0.2);
    EXPECT_NEAR(e.DiaJuliano, ahora, 1e-9);
}

TEST_F(Centrado, UndoRestoresTheSituationBeforeTheCentringEvenWhenItsFileCannotBeWritten) {
    ProgramState& e = Estado();
    avisos().Redibujo = nullptr;
    for (const bool escribible : {true, false}) {
        if (!escribible) e.CarpetaTrabajo = (carpeta / "no-existe").string();
        const std::string antes = TextoConfiguracion();
        centra(4.0, 0.5);
        EXPECT_NE(TextoConfiguracion(), antes);
        EXPECT_EQ(fs::exists(carpeta / "Temporal.WRK"), true) << "kept from the first centring";
        DeshazCentrado();
        EXPECT_EQ(e.EstadoArchivo, 0) << escribible;
        EXPECT_EQ(TextoConfiguracion(), antes) << escribible;
    }
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

}  // namespace
}  // namespace vsp
