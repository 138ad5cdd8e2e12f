// The chart on a recording surface: the order of the layers, what each layer
// draws and leaves out, label limits, the Moon's phases, the daylight sky,
// the star dot sizes, and damaged states. How whole charts look is held by
// the reference pictures (tests/ui/referencias).
#include "sky/dibujo.h"

#include "motor_nuevo.h"

#include <cstdio>
#include <map>
#include <set>

#include "sky/cuerpos.h"
#include "sky/muestra.h"
#include "sky/superficie_grabadora.h"

namespace vsp {
namespace {

using Op = Operacion;

class Dibujo : public MotorFresco<> {
protected:
    void SetUp() override {
        MotorFresco::SetUp();
        ProgramState& e = Estado();
        // Madrid at noon of 1 January 2025 (the Sun, the new Moon, Mercury and
        // Venus up), looking straight up, the top of the chart south.
        e.DiaJuliano = 2460677.0;
        e.Longitud = 3.7026 * RadianesPorGrado;
        e.Latitud = 40.4165 * RadianesPorGrado;
        e.Direccion = Pi;
        e.Elevacion = MedioPi;
        e.Zoom = 1;
        e.SentidoImagen = 1;
        e.Precesion = Desactivado;
        ActualizaTiempo();
        CalculaDireccionMenosPi();
        FijaVentanaCielo();
    }

    static void todo() {
        ProgramState& e = Estado();
        e.Casillas.fill(1);
        e.Casillas[Chk_ARDEC30] = e.Casillas[Chk_LuzDi] = 0;
        e.NivelEstrellas = 7;
        e.NivelConstel = e.NivelGalaxias = 4;
        e.IdEstrellas = e.IdConstel = e.NivelNebPlanetarias = e.NivelNebDifusas = 2;
        e.IdMessier = 1;
    }

    SuperficieGrabadora s;
};

// Index of the first operation of that kind from `desde` on for which `f`
// holds, or the count of operations.
template <class F>
std::size_t primera(const std::vector<Op>& ops, Op::Tipo tipo, F f, std::size_t desde = 0) {
    const auto es = [&](const Op& o) { return o.tipo == tipo && f(o); };
    return std::find_if(ops.begin() + desde, ops.end(), es) - ops.begin();
}

TEST_F(Dibujo, LayersAreDrawnInTheirOrder) {
    todo();
    Estado().TelescopioVisible = -1;
    Estado().TelescopioRadio = 0.01;
    s.setDrawWidth(3);  // as the last chart may have left it
    DibujaCielo(s);
    const auto& ops = s.operaciones;
    EXPECT_EQ(s.de(Op::Linea).at(0).ancho, 1);
    auto tinta = [&](Color c) { return primera(ops, Op::Tinta, [=](const Op& o) { return o.color == c; }); };
    const auto texto = [&](auto es) { return primera(ops, Op::Texto, es); };
    const std::size_t orden[] = {
        tinta(Rgb(128, 0, 128)),  // 15 degree grid
        tinta(Rgb(128, 128, 0)),  // horizon
        tinta(Rgb(0, 128, 128)),  // ecliptic
        tinta(Rgb(0, 255, 255)),  // constellations
        // the stars, which set their dot size at their first
        primera(ops, Op::Ancho, [](const Op&) { return true; }, tinta(Rgb(0, 255, 255))),
        texto([](const Op& o) { return o.texto.starts_with(" M"); }),
        tinta(Rgb(0, 0, 255)),  // Milky Way
        texto([](const Op& o) { return o.texto == "MER"; }),
        primera(ops, Op::Circulo, [](const Op& o) { return o.color == Rgb(255, 255, 0); }),  // Sun, yellow
        texto([](const Op& o) { return o.texto == "LUN"; })};
    for (std::size_t i = 0; i < std::size(orden); ++i) ASSERT_LT(orden[i], ops.size()) << "layer " << i;
    for (std::size_t i = 1; i < std::size(orden); ++i) EXPECT_LT(orden[i - 1], orden[i]) << "layer " << i;
    const Op& telescopio = ops.at(ops.size() - 2);  // last, yellow like the Sun
    EXPECT_EQ(telescopio.tipo, Op::Circulo);
    EXPECT_EQ(telescopio.color, Rgb(255, 255, 0));
    EXPECT_EQ(ops.back().tipo, Op::Refresca);
}

// The first entry of every labelled table overhead, at the lowest levels:
// drawn, and its label written where it stands; and no name of a star past
// the level asked.
TEST_F(Dibujo, LabelsAreWrittenAtTheirPlacesAndStayWithinTheirLevels) {
    ProgramState& e = Estado();
    e.Casillas.fill(0);
    e.NivelConstel = 1;
    e.IdEstrellas = 2;
    e.IdConstel = 3;
    e.Precesion = Activado;
    EstrellaNombre& sirio = e.EstrellasNombre[0];  // overhead, Orion beside it
    CosenosDirectores(e.TiempoSidereo, e.Latitud, sirio.x, sirio.y, sirio.z);
    Constelacion& c = e.Constelaciones[59];  // of level 1
    CosenosDirectores(e.TiempoSidereo + 0.01, e.Latitud, c.x, c.y, c.z);
    EXPECT_EQ(sirio.Nombre, "Sirio     ");
    std::set<std::string> permitidos;
    for (const Constelacion& k : e.Constelaciones)
        if (k.Nivel == 1) permitidos.insert(k.NombreLatino);
    for (int16_t nivel : {1, 2}) {
        SCOPED_TRACE(nivel);
        e.NivelEstrellas = nivel;
        for (int i = 0; i <= e.CortesEstrellasNombre[nivel]; ++i)
            permitidos.insert(e.EstrellasNombre[i].Nombre);
        SuperficieGrabadora una;
        DibujaCielo(una);
        EXPECT_FALSE(una.de(Op::Linea).empty()) << "the figures of level 1";
        const auto& ops = una.operaciones;
        const auto rotulo = [&](const std::string& nombre, float x, float y, float z) {
            SCOPED_TRACE(nombre);
            const std::size_t t = primera(ops, Op::Texto, [&](const Op& o) { return o.texto == nombre; });
            ASSERT_LT(t, ops.size());
            ProyectaPuntoRef(x, y, z, x, y, z);
            ASSERT_EQ(ops[t - 1].tipo, Op::Mueve);
            EXPECT_NEAR(ops[t - 1].a, x, 1e-6);
            EXPECT_NEAR(ops[t - 1].b, y, 1e-6);
        };
        rotulo(sirio.Nombre, sirio.x, sirio.y, sirio.z);
        rotulo(c.NombreLatino, c.x, c.y, c.z);
        for (const Op& t : una.de(Op::Texto)) {
            EXPECT_TRUE(permitidos.count(t.texto)) << t.texto;
            EXPECT_TRUE(t.texto != sirio.Nombre || t.tinta == Rgb(255, 255, 255)) << "star names in white";
        }
    }
}

// The legend beside the chart: the star dots as the chart draws stars of
// magnitude -1 to 7 and of the three kinds, the deep-sky symbols at their
// chart sizes, each on its row with its caption beside it.
TEST_F(Dibujo, TheLegendShowsTheSymbolsAtTheChartsSizes) {
    ProgramState& e = Estado();
    e.Zoom = 15;
    FijaVentanaCielo();
    std::vector<std::string> filas;
    for (int k = 1; k <= NumTextosLeyenda; ++k)
        filas.push_back(e.TextosLeyenda[k] = "fila " + std::to_string(k));
    const double alto = 560, h = alto / 28, x = 1.8 * h;
    DibujaMuestra(s, 120, alto, 600);
    // One symbol a row, drawn top to bottom and centred on the column; row 26
    // holds the pulsar's cross, of lines.
    int fila = 0;
    for (const Op& o : s.operaciones) {
        if (o.tipo != Op::Punto && o.tipo != Op::Circulo && o.tipo != Op::Caja) continue;
        fila += fila == 25 ? 2 : 1;
        EXPECT_DOUBLE_EQ(o.tipo == Op::Caja ? (o.b + o.d) / 2 : o.b, fila * h) << fila;
        EXPECT_DOUBLE_EQ(o.tipo == Op::Caja ? (o.a + o.c) / 2 : o.a, x) << fila;
    }
    EXPECT_EQ(fila, 27);
    const auto puntos = s.de(Op::Punto);
    ASSERT_EQ(puntos.size(), 13u);
    const int anchos[] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 6, 6, 6, 6};  // (7 - m) 0.07 zoom + 1, rounded
    for (std::size_t k = 0; k < puntos.size(); ++k) {
        EXPECT_EQ(puntos[k].ancho, anchos[k]) << k;
        EXPECT_EQ(puntos[k].tinta, k < 12 ? static_cast<Color>(e.ColoresEstrella[std::max<int>(0, k - 8)])
                                          : Rgb(255, 0, 255)) << k;
    }
    // Chart units to legend pixels as on the chart: 600 pixels for the window's height.
    auto pixeles = [&](double u) { return std::clamp(u * 600 / std::abs(e.VentanaAlto), 1.0, 0.45 * h); };
    const auto circulos = s.de(Op::Circulo);
    ASSERT_EQ(circulos.size(), 9u);  // four galaxies, four clusters, the black hole
    for (int c = 1; c <= 4; ++c) {
        EXPECT_NEAR(circulos[c - 1].c, pixeles(0.0015 * (7 - c)), 1e-9) << c;
        EXPECT_DOUBLE_EQ(circulos[c - 1].d, 0.6) << "galaxies are ellipses";
    }
    EXPECT_EQ(circulos[0].color, Rgb(255, 255, 255));
    EXPECT_NEAR(circulos[4].c, pixeles(0.006), 1e-9) << "open cluster of class 1";
    EXPECT_EQ(circulos[8].ancho, 1);
    const auto cajas = s.de(Op::Caja);
    ASSERT_EQ(cajas.size(), 4u);  // two classes of each kind of nebula
    EXPECT_NEAR(cajas[0].c - cajas[0].a, 2 * pixeles(0.0045), 1e-9);
    EXPECT_EQ(cajas[0].tinta, Rgb(0, 128, 128));
    EXPECT_EQ(s.textos(), filas);
    for (const Op& t : s.de(Op::Texto)) EXPECT_EQ(t.tinta, Rgb(214, 220, 232));
    // Every line is one pixel wide; the pulsar's cross is one line across
    // and one up, centred on its row.
    std::vector<Op> cruz;
    for (const Op& l : s.de(Op::Linea)) {
        EXPECT_EQ(l.ancho, 1);
        if (std::abs((l.b + l.d) / 2 - 26 * h) < h / 2) cruz.push_back(l);
    }
    ASSERT_EQ(cruz.size(), 2u);
    for (const Op& l : cruz) {
        EXPECT_DOUBLE_EQ((l.a + l.c) / 2, x);
        EXPECT_DOUBLE_EQ((l.b + l.d) / 2, 26 * h);
        EXPECT_NEAR(std::hypot(l.c - l.a, l.d - l.b), 0.6 * h, 1e-9);
    }
    EXPECT_NE(cruz[0].a == cruz[0].c, cruz[1].a == cruz[1].c);
    // Each caption on its symbol's row.
    const auto mueve = s.de(Op::Mueve);
    ASSERT_FALSE(mueve.empty());
    EXPECT_DOUBLE_EQ(mueve.back().b, NumTextosLeyenda * h - h / 2);
    EXPECT_DOUBLE_EQ(mueve.back().a, 3.4 * h);
}

// The polylines a layer drew: each starts at a dot or a move and goes on
// through its lines; a vertex keeps whether it lies in front of the
// observer (a dot, or the end of a visible line).
struct Vertice {
    double x, y;
    bool visible;
};
std::vector<std::vector<Vertice>> polilineas(const SuperficieGrabadora& s) {
    std::vector<std::vector<Vertice>> r;
    for (const Op& o : s.operaciones) {
        if (o.tipo == Op::Punto || o.tipo == Op::Mueve)
            r.push_back({{o.a, o.b, o.tipo == Op::Punto}});
        else if (o.tipo == Op::LineaA && !r.empty())
            r.back().push_back({o.a, o.b, o.estilo == EstiloSolido});
    }
    return r;
}

// The grids are drawn afresh for every chart at the view's places, in the
// date's frame, precession or not: every line either a meridian (pole to
// pole at a multiple of the step in right ascension) or a parallel (a
// whole circle at a multiple of the step in declination).
TEST_F(Dibujo, TheGridsFollowTheView) {
    ProgramState& e = Estado();
    e.Elevacion = 0.2;
    e.Precesion = Activado;
    const struct { void (*dibuja)(Superficie&); int paso; } rejillas[] = {{DibujaRejilla15, 15}, {DibujaRejilla30, 30}};
    for (const auto& r : rejillas)
        for (double sidereo : {1.0, 2.5}) {
            e.TiempoSidereo = sidereo;
            SuperficieGrabadora una;
            r.dibuja(una);
            const auto lineas = polilineas(una);
            ASSERT_EQ(lineas.size(), static_cast<std::size_t>(360 / r.paso + 180 / r.paso - 1));
            const double paso = r.paso * RadianesPorGrado;
            const auto enRejilla = [&](double angulo) {
                return std::abs(std::remainder(angulo, paso)) < 2e-4;
            };
            int comprobados = 0;
            for (std::size_t l = 0; l < lineas.size(); ++l) {
                const bool meridiano = l < static_cast<std::size_t>(360 / r.paso);
                for (const Vertice& v : lineas[l]) {
                    if (std::hypot(v.x, v.y) > 0.99) continue;  // too near the limb to read back
                    double ar, dec;
                    float alt, az;
                    PuntoACoordenadas(static_cast<float>(v.x), static_cast<float>(v.y), ar, dec, alt, az);
                    if (!v.visible) continue;  // only the front hemisphere reads back
                    if (ar == SinPuntoCielo) continue;
                    if (meridiano && std::abs(dec) < 1.5) {
                        EXPECT_TRUE(enRejilla(ar)) << r.paso << " meridian " << l << " ra " << ar;
                    } else if (!meridiano) {
                        EXPECT_TRUE(enRejilla(dec)) << r.paso << " parallel " << l << " dec " << dec;
                    }
                    ++comprobados;
                }
            }
            EXPECT_GT(comprobados, 100);
        }
}

// The largest turn, in degrees, between consecutive visible segments of the
// polylines, counting only segments within the window and within 0.7 of the
// centre: nearer the limb a circle seen edge-on truly turns sharply.
double mayorQuiebro(const SuperficieGrabadora& s, double semiancho, double semialto) {
    double mayor = 0;
    const auto dentro = [&](const Vertice& v) {
        return std::abs(v.x) < semiancho && std::abs(v.y) < semialto && std::hypot(v.x, v.y) < 0.7;
    };
    for (const auto& l : polilineas(s))
        for (std::size_t i = 2; i < l.size(); ++i) {
            const Vertice &a = l[i - 2], &b = l[i - 1], &c = l[i];
            if (!b.visible || !c.visible || !dentro(a) || !dentro(b) || !dentro(c)) continue;
            const double giro = std::atan2((b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x),
                                           (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y));
            mayor = std::max(mayor, std::abs(giro) * GradosPorRadian);
        }
    return mayor;
}

// The grids' circles and the ecliptic are smooth curves at every zoom: no
// corner at the meridians, consecutive chords within the window turning by
// less than a degree at the largest zoom (a grid of straight chords
// between its crossings turned by 15 or 30 degrees at each).
TEST_F(Dibujo, TheGridCirclesAndTheEclipticHaveNoCorners) {
    ProgramState& e = Estado();
    const struct { void (*dibuja)(Superficie&); const char* nombre; } capas[] = {
        {DibujaRejilla15, "15"}, {DibujaRejilla30, "30"}, {DibujaEcliptica, "ecliptic"}};
    const struct { double zoom, quiebro; } zooms[] = {{1, 5}, {4, 2.5}, {15, 1}};
    std::map<double, double> peor;
    for (const auto [zoom, maximo] : zooms)
        for (double elevacion : {MedioPi, 0.9, 0.3}) {
            e.Zoom = static_cast<float>(zoom);
            e.Elevacion = elevacion;
            FijaVentanaCielo();
            for (const auto& c : capas) {
                SuperficieGrabadora una;
                una.setWindow(e.VentanaIzquierda, e.VentanaArriba, e.VentanaAncho, e.VentanaAlto);
                c.dibuja(una);
                const double quiebro = mayorQuiebro(una, std::abs(e.VentanaAncho) / 2, std::abs(e.VentanaAlto) / 2);
                EXPECT_LT(quiebro, maximo) << c.nombre << " at zoom " << zoom << ", elevation " << elevacion;
                peor[zoom] = std::max(peor[zoom], quiebro);
            }
        }
    for (const auto& [zoom, quiebro] : peor) std::printf("zoom %g: chords turn by at most %.2f degrees\n", zoom, quiebro);
}

// The ecliptic is the great circle the Sun runs along: the Sun's centre
// lies on the drawn line at every date and zoom, with precession on (the
// ecliptic of date) and off (J2000's, the stars' frame).
TEST_F(Dibujo, TheSunStandsOnTheEcliptic) {
    ProgramState& e = Estado();
    e.Elevacion = MedioPi;
    double peor = 0;
    for (int precesion : {Desactivado, Activado})
        for (double dia : {2451545.0, 2455000.3, 2460847.6, 2462000.9, 2469000.2, 2447800.5})
            for (double zoom : {1.0, 15.0}) {
                e.Precesion = precesion;
                e.DiaJuliano = dia;
                ActualizaTiempo();
                CalculaSol();
                // Centre the chart on the Sun.
                float x, y, z;
                CosenosEnCarta(e.ElementosPlanetas[CuerpoSol], x, y, z);
                double ar, dec;
                AngulosDeCosenos(x, y, z, ar, dec);
                e.TiempoSidereo = ar;
                e.Latitud = dec;
                e.Zoom = static_cast<float>(zoom);
                FijaVentanaCielo();
                CalculaSol();
                const CuerpoSolar& sol = e.ElementosPlanetas[CuerpoSol];
                SuperficieGrabadora una;
                una.setWindow(e.VentanaIzquierda, e.VentanaArriba, e.VentanaAncho, e.VentanaAlto);
                DibujaEcliptica(una);
                double distancia = 1e9;
                for (const auto& l : polilineas(una))
                    for (std::size_t i = 1; i < l.size(); ++i) {
                        if (!l[i].visible) continue;
                        const double ax = l[i - 1].x, ay = l[i - 1].y, bx = l[i].x, by = l[i].y;
                        const double dx = bx - ax, dy = by - ay, largo2 = dx * dx + dy * dy;
                        const double t = largo2 > 0 ? std::clamp(((sol.X - ax) * dx + (sol.Y - ay) * dy) / largo2, 0.0, 1.0) : 0;
                        distancia = std::min(distancia, std::hypot(sol.X - ax - t * dx, sol.Y - ay - t * dy));
                    }
                // Chart units are radians at the chart's centre.
                const double grados = distancia * GradosPorRadian;
                peor = std::max(peor, grados);
                EXPECT_LT(grados, 0.02) << "day " << dia << ", precession " << precesion << ", zoom " << zoom;
            }
    std::printf("the Sun strays from the drawn ecliptic by at most %.4f degrees\n", peor);
}

// The obliquity the ecliptic is drawn with: J2000's with precession off,
// the mean obliquity of date with it on.
TEST_F(Dibujo, TheEclipticTakesTheObliquityOfItsFrame) {
    ProgramState& e = Estado();
    const struct { int precesion; double dia, grados; } casos[] = {
        {Desactivado, 2488070.5, 23.4392911}, {Activado, 2451545.0, 23.4392911},
        {Activado, 2488070.5, 23.4262889}, {Activado, 2415020.5, 23.4522929}};
    for (const auto& c : casos) {
        e.Precesion = c.precesion;
        e.DiaJuliano = c.dia;
        EXPECT_NEAR(OblicuidadEcliptica(e) * GradosPorRadian, c.grados, 2e-6) << c.dia;
    }
}

TEST_F(Dibujo, DeepSkyLabels) {
    ProgramState& e = Estado();
    // M102 straight overhead: drawn, never labelled.
    CosenosDirectores(e.TiempoSidereo, e.Latitud, e.Messier[101].x, e.Messier[101].y, e.Messier[101].z);
    e.IdMessier = 1;
    DibujaMessier(s);
    const auto textos = s.textos();
    EXPECT_EQ(std::count(textos.begin(), textos.end(), " M102"), 0);
    const auto& ops = s.operaciones;
    EXPECT_LT(primera(ops, Op::Circulo, [](const Op& o) { return std::hypot(o.a, o.b) < 1e-5; }), ops.size());
    // Galaxies and nebulae are named only when asked; a damaged class past
    // the last draws the last size. The first of each catalogue is drawn,
    // a nebula as a square of its class's size.
    e.NivelGalaxias = 4;
    e.NivelNebDifusas = 2;
    CosenosDirectores(e.TiempoSidereo, e.Latitud, e.Galaxias[0].x, e.Galaxias[0].y, e.Galaxias[0].z);
    CosenosDirectores(e.TiempoSidereo, e.Latitud, e.NebDifusas[0].x, e.NebDifusas[0].y, e.NebDifusas[0].z);
    e.NebDifusas[0].Clase = 1;
    e.Galaxias[0].Clase = 9;
    for (int16_t nombres : {0, 1}) {
        e.Casillas[Chk_IdentiProfun] = nombres;
        SuperficieGrabadora una;
        DibujaGalaxias(una);
        DibujaNebDifusas(una);
        const Op caja = una.de(Op::Caja).at(0);
        EXPECT_NEAR(caja.c - caja.a, 0.009, 1e-7) << "the first diffuse nebula, of class 1, overhead";
        EXPECT_NEAR(caja.a + caja.c, 0, 1e-5);
        EXPECT_NEAR(una.de(Op::Circulo).at(0).c, 0.0045, 1e-9);
        EXPECT_EQ(una.textos().empty(), nombres == 0);
    }
}

// The size is a box's side or a circle's radius.
TEST_F(Dibujo, MessierSymbolsTakeTheirTypesColourAndASizeByTheMagnitudeText) {
    ProgramState& e = Estado();
    const Color blanco = Rgb(255, 255, 255), gris = Rgb(192, 192, 192);
    struct Caso { const char* tipo; const char* mag; Op::Tipo op; double tamano; Color color; } casos[] = {
        {"3", " 3.9", Op::Caja, 0.009, gris}, {"4", " 4.0", Op::Caja, 0.006, Rgb(0, 128, 128)},
        {"2", " 1.5", Op::Circulo, 0.009, blanco}, {"2", " 2.0", Op::Circulo, 0.0075, blanco},
        {"2", " 8.0", Op::Circulo, 0.0045, blanco}, {"5", " 3.0", Op::Circulo, 0.006, Rgb(0, 128, 0)},
        {"6", " 5.6", Op::Circulo, 0.003, gris}, {"1", " 8.4", Op::Punto, 0, Rgb(255, 0, 0)}};
    for (ObjetoMessier& m : e.Messier) m.x = m.y = m.z = 0;  // only the test object
    ObjetoMessier& m = e.Messier[0];
    CosenosDirectores(e.TiempoSidereo, e.Latitud, m.x, m.y, m.z);
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.tipo << c.mag);
        m.Tipo = c.tipo;
        m.Magnitud = c.mag;
        SuperficieGrabadora una;
        DibujaMessier(una);
        const auto ops = una.de(c.op);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_NEAR(c.op == Op::Caja ? ops[0].c - ops[0].a : ops[0].c, c.tamano, 1e-6);
        EXPECT_EQ(c.op == Op::Punto ? ops[0].tinta : ops[0].color, c.color);
    }
}

// The lit part is the half disc towards the Sun and half an ellipse across
// the terminator: its area is the lit fraction (1 - cos elongation) / 2 of
// the disc, its bright side faces the Sun on the chart, whichever way the
// chart is turned; new Moon a dark disc (and within Danjon's limit, 7
// degrees from the Sun, where no crescent is ever seen), full Moon a whole
// bright one.
TEST_F(Dibujo, TheMoonShowsItsPhaseByTheTrueTerminator) {
    ProgramState& e = Estado();
    CuerpoSolar& luna = e.ElementosPlanetas[CuerpoLuna];
    CuerpoSolar& sol = e.ElementosPlanetas[CuerpoSol];
    const double radio = e.RadiosCuerpos[CuerpoLuna];
    const Color blanco = static_cast<Color>(e.ColoresCuerpos[CuerpoLuna]);
    e.Precesion = Activado;  // the places as given, of date
    for (double direccion : {Pi, 0.7, 4.0})
        for (double grados : {0.0, 6.0, 10.0, 28.0, 90.0, 130.0, 180.0, 230.0, 300.0, 353.0}) {
            e.Direccion = direccion;
            CalculaDireccionMenosPi();
            luna.AR = 1.0 + grados * RadianesPorGrado;
            luna.Dec = e.Latitud;
            sol.AR = 1.0;
            // On the Moon's parallel near conjunction (6 and 353 degrees
            // of right ascension are within Danjon's limit there, 10 just
            // beyond), exactly opposite at 180, elsewhere off that parallel.
            const bool cerca = grados < 15 || grados > 345;
            sol.Dec = cerca ? luna.Dec : grados == 180 ? -luna.Dec : 0.3;
            e.TiempoSidereo = luna.AR;  // the Moon overhead, at the chart's centre
            // The elongation by the spherical law of cosines.
            const double cosE = std::sin(sol.Dec) * std::sin(luna.Dec) +
                                std::cos(sol.Dec) * std::cos(luna.Dec) * std::cos(luna.AR - sol.AR);
            const double k = (1 - cosE) / 2;
            SuperficieGrabadora una;
            DibujaCuerpo(una, CuerpoLuna);
            const auto circulos = una.de(Op::Circulo);
            const auto poligonos = una.de(Op::Poligono);
            ASSERT_GE(circulos.size(), 1u);
            EXPECT_EQ(circulos[0].color, Rgb(128, 128, 128));  // the dark disc's outline
            EXPECT_NEAR(circulos[0].c, radio, 1e-9);
            if (k < 0.0037) {
                EXPECT_EQ(circulos.size(), 1u);
                EXPECT_TRUE(poligonos.empty());
                continue;
            }
            if (grados == 180) {  // full: the whole disc lit
                ASSERT_EQ(circulos.size(), 2u);
                EXPECT_EQ(circulos[1].color, blanco);
                EXPECT_TRUE(poligonos.empty());
                continue;
            }
            ASSERT_EQ(poligonos.size(), 1u) << grados;
            EXPECT_EQ(poligonos[0].color, blanco);
            // Area and centroid by the shoelace formula.
            const auto& v = poligonos[0].puntos;
            double area = 0, cx = 0, cy = 0;
            for (std::size_t i = 0; i < v.size(); ++i) {
                const PuntoCarta a = v[i], b = v[(i + 1) % v.size()];
                const double cruz = a.x * b.y - b.x * a.y;
                area += cruz / 2;
                cx += (a.x + b.x) * cruz / 6;
                cy += (a.y + b.y) * cruz / 6;
            }
            EXPECT_NEAR(std::abs(area) / (Pi * radio * radio), k, 2e-3) << grados;
            for (const PuntoCarta& p : v) EXPECT_LE(std::hypot(p.x - circulos[0].a, p.y - circulos[0].b), radio * (1 + 1e-9));
            // The Sun on the chart, seen from the centre: a great circle
            // through the centre is a straight line there.
            float sx, sy, sz, X, Y, Z;
            CosenosEnCarta(sol, sx, sy, sz);
            Proyector p = Proyector::DesdeEstado(e);
            p.precesion = false;
            p.Proyecta(sx, sy, sz, X, Y, Z);
            const double haciaSol = std::atan2(Y - circulos[0].b, X - circulos[0].a);
            const double haciaLuz = std::atan2(cy / area - circulos[0].b, cx / area - circulos[0].a);
            EXPECT_NEAR(std::remainder(haciaLuz - haciaSol, DosPi), 0, 1e-3) << grados << " at " << direccion;
        }
    // Behind the observer: nothing, not even the label.
    e.TiempoSidereo = luna.AR + Pi;
    luna.Dec = -e.Latitud;
    SuperficieGrabadora detras;
    DibujaCuerpo(detras, CuerpoLuna);
    EXPECT_TRUE(detras.operaciones.empty());
}

// The Moon's phase takes the Sun of this instant even when the Sun is not
// drawn; a ticked Earth box never moves the Sun.
TEST_F(Dibujo, TheBodiesTakeTheSunOfThisInstant) {
    ProgramState& e = Estado();
    e.Casillas.fill(0);
    e.Casillas[Chk_Luna] = 1;
    e.ElementosPlanetas[CuerpoSol].AR = 99;  // stale
    DibujaCielo(s);
    const double ar = e.ElementosPlanetas[CuerpoSol].AR;
    CalculaSol();
    EXPECT_EQ(ar, e.ElementosPlanetas[CuerpoSol].AR);
    e.Casillas[Chk_Sol] = e.Casillas[Chk_Plane(3)] = 1;
    SuperficieGrabadora otra;
    DibujaCielo(otra);
    EXPECT_EQ(e.ElementosPlanetas[CuerpoSol].AR, ar);
    EXPECT_EQ(otra.textos(), (std::vector<std::string>{"SOL", "LUN"}));
}

TEST_F(Dibujo, DaylightFollowsTheSunsAltitude) {
    ProgramState& e = Estado();
    e.DiaJuliano = 2451545.0;  // J2000: the stars' frame and the date's agree
    e.Latitud = 0;
    e.Elevacion = 0.3;
    e.Casillas.fill(0);
    e.Casillas[Chk_LuzDi] = 1;
    CalculaSol();  // where the Sun is at that instant
    const double ar = e.ElementosPlanetas[CuerpoSol].AR, dec = e.ElementosPlanetas[CuerpoSol].Dec;
    // Just past the edge of the twilight (-0.15), which a float may reach
    // from either side.
    const struct { double seno; Color fondo; } casos[] = {
        {0, Rgb(0, 0, 192)}, {-0.1, Rgb(0, 0, 128)}, {0.5, Rgb(0, 0, 192)}, {-0.1501, Rgb(0, 0, 0)}, {-0.5, Rgb(0, 0, 0)}};
    for (const auto& c : casos) {
        // At the equator sin(altitude) = cos(declination) cos(hour angle).
        e.TiempoSidereo = ar + std::acos(c.seno / std::cos(dec));
        DibujaCielo(s);  // on one surface: a night after a day is black again
        EXPECT_EQ(s.fondo, c.fondo) << c.seno;
    }
    EXPECT_EQ(e.Elevacion, 0.3);  // restored
}

TEST_F(Dibujo, ADamagedStateNeverReadsOutsideATable) {
    ProgramState& e = Estado();
    todo();
    for (int16_t nivel : {int16_t(-3), int16_t(0), int16_t(9), int16_t(32767)}) {
        e.NivelEstrellas = e.NivelConstel = e.NivelGalaxias = e.NivelNebPlanetarias = e.NivelNebDifusas = nivel;
        e.IdEstrellas = e.IdConstel = e.IdMessier = nivel;
        e.Estrellas[3].Clase = nivel;
        SuperficieGrabadora una;
        DibujaCielo(una);
        EXPECT_EQ(una.operaciones.back().tipo, Op::Refresca);
    }
    SuperficieGrabadora ninguno;
    for (int cuerpo : {-1, 0, NumCuerpos + 1}) DibujaCuerpo(ninguno, cuerpo);
    EXPECT_TRUE(ninguno.operaciones.empty()) << "no body of that number";
    const double sol = e.ElementosPlanetas[CuerpoSol].AR;
    for (int cuerpo : {0, CuerpoTierra, CuerpoSol}) CalculaPlaneta(cuerpo);
    EXPECT_EQ(e.ElementosPlanetas[CuerpoSol].AR, sol) << "no planet of those numbers";
}

}  // namespace
}  // namespace vsp
