// The objects legend on a recording surface: its 27 rows and captions, the
// star dots at the chart's widths for the zoom, and the deep-sky symbols at
// their chart size, kept inside their rows.
#include "sky/muestra.h"

#include <limits>
#include <set>

#include "sky/dibujo.h"
#include "motor_nuevo.h"
#include "sky/superficie_grabadora.h"

namespace vsp {
namespace {

using Op = Operacion;

// A legend 200 x 560 pixels: rows of 20 pixels, symbols at x = 36.
constexpr double kAncho = 200, kAlto = 560, kFila = 20, kX = 36;

class Muestra : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo(false);
        ponZoom(1);
    }
    // A 4:3 chart window for the zoom: 2.6 / zoom chart units high.
    static void ponZoom(float zoom) {
        Estado().Zoom = zoom;
        Estado().SentidoImagen = 1;
        FijaVentanaCielo();
    }
    // The legend next to a chart of 1300 pixels: 500 pixels a chart unit at zoom 1.
    SuperficieGrabadora dibuja() {
        SuperficieGrabadora s;
        DibujaMuestra(s, kAncho, kAlto, 1300);
        return s;
    }
};

TEST_F(Muestra, TwentySevenRowsWithTheirCaptions) {
    const SuperficieGrabadora s = dibuja();
    const Op& ventana = s.operaciones.front();
    ASSERT_EQ(ventana.tipo, Op::Ventana);
    EXPECT_EQ(ventana.c, kAncho);
    EXPECT_EQ(ventana.d, kAlto) << "y grows downwards, one pixel a unit";

    // Each caption is printed from (3.4 h, k h - h / 2), in order.
    int k = 0;
    for (size_t i = 1; i < s.operaciones.size(); ++i) {
        if (s.operaciones[i].tipo != Op::Texto) continue;
        ++k;
        const Op& mueve = s.operaciones[i - 1];
        ASSERT_EQ(mueve.tipo, Op::Mueve);
        EXPECT_DOUBLE_EQ(mueve.a, 3.4 * kFila);
        EXPECT_DOUBLE_EQ(mueve.b, k * kFila - kFila / 2) << "row " << k;
        EXPECT_EQ(s.operaciones[i].texto, Estado().TextosLeyenda[k]);
    }
    EXPECT_EQ(k, 27);
    EXPECT_EQ(Estado().TextosLeyenda[1], "Estrellas  M. -1");
    EXPECT_EQ(Estado().TextosLeyenda[27], "Agujeros Negros ");
    EXPECT_EQ(s.operaciones.back().tipo, Op::Refresca);
}

// Every row holds its symbol at its middle, and the star rows' dots have the
// width the chart gives a star of that magnitude at that zoom.
TEST_F(Muestra, EachRowShowsItsSymbolAtTheChartsSize) {
    for (float zoom : {1.0f, 5.0f, 15.0f}) {
        SCOPED_TRACE(::testing::Message() << "zoom " << zoom);
        ponZoom(zoom);
        const SuperficieGrabadora s = dibuja();
        std::set<int> filas;
        for (const Op& o : s.operaciones) {
            const bool dos = o.tipo == Op::Caja || o.tipo == Op::Linea;  // drawn between two points
            if (o.tipo != Op::Punto && o.tipo != Op::Circulo && !dos) continue;
            const double y = dos ? (o.b + o.d) / 2 : o.b;
            EXPECT_NEAR(y / kFila, std::round(y / kFila), 1e-9);
            filas.insert(static_cast<int>(std::lround(y / kFila)));
        }
        EXPECT_EQ(filas.size(), 27u);
        EXPECT_EQ(*filas.begin(), 1);
        EXPECT_EQ(*filas.rbegin(), 27);

        // The chart's star at the zenith, of magnitude -1 to 7.
        const auto puntos = s.de(Op::Punto);
        ProgramState& e = Estado();
        e.Elevacion = MedioPi;
        CalculaDireccionMenosPi();
        CosenosDirectores(e.TiempoSidereo, e.Latitud, e.Estrellas[0].x, e.Estrellas[0].y, e.Estrellas[0].z);
        e.NivelEstrellas = 1;
        for (int m = -1; m <= 7; ++m) {
            e.Estrellas[0].Magnitud = static_cast<float>(m);
            SuperficieGrabadora carta;
            DibujaEstrellas(carta);
            ASSERT_FALSE(carta.de(Op::Punto).empty());
            EXPECT_EQ(puntos[m + 1].ancho, carta.de(Op::Punto).front().ancho) << "magnitude " << m;
            EXPECT_EQ(puntos[m + 1].tinta, Rgb(255, 255, 255));
        }
        // Variable, multiple and variable-multiple stars: the magnitude-2 dot
        // in yellow, red and green.
        const Color colores[3] = {Rgb(255, 255, 0), Rgb(255, 0, 0), Rgb(0, 255, 0)};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(puntos[9 + k].ancho, puntos[3].ancho);
            EXPECT_EQ(puntos[9 + k].tinta, colores[k]);
        }
    }
    EXPECT_EQ(dibuja().de(Op::Punto)[0].ancho, 9) << "magnitude -1 at zoom 15";
}

TEST_F(Muestra, DeepSkySymbolsKeepTheirChartSizeWithinTheirRows) {
    // 500 pixels a chart unit at zoom 1 (the window height is a Single, hence
    // the tolerance): a class-1 galaxy (0.009) has a
    // radius of 4.5 pixels, a class-4 one (0.0045) 2.25.
    SuperficieGrabadora s = dibuja();
    auto circulos = s.de(Op::Circulo);
    ASSERT_EQ(circulos.size(), 4u + 4u + 1u);  // galaxies, clusters, black hole
    const double radiosGalaxia[4] = {4.5, 3.75, 3.0, 2.25};
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(circulos[c].c, radiosGalaxia[c], 1e-6);
        EXPECT_DOUBLE_EQ(circulos[c].d, 0.6) << "galaxies are ellipses";
        EXPECT_DOUBLE_EQ(circulos[c].b, (13 + c) * kFila);
        EXPECT_EQ(circulos[c].color, Rgb(255, 255, 255));
    }
    // Open clusters in green, globular clusters in grey, 0.006 and 0.003.
    const struct { double r, y; Color color; } cumulos[4] = {{3.0, 21 * kFila, Rgb(0, 128, 0)},
                                                             {1.5, 22 * kFila, Rgb(0, 128, 0)},
                                                             {3.0, 23 * kFila, Rgb(192, 192, 192)},
                                                             {1.5, 24 * kFila, Rgb(192, 192, 192)}};
    const auto lineas = s.de(Op::Linea);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(circulos[4 + i].c, cumulos[i].r, 1e-6);
        EXPECT_DOUBLE_EQ(circulos[4 + i].b, cumulos[i].y);
        EXPECT_EQ(circulos[4 + i].color, cumulos[i].color);
        // ... each crossed by its horizontal diameter.
        EXPECT_NEAR(lineas[i].c - lineas[i].a, 2 * cumulos[i].r, 1e-6);
        EXPECT_DOUBLE_EQ(lineas[i].b, cumulos[i].y);
        EXPECT_DOUBLE_EQ(lineas[i].d, cumulos[i].y);
    }
    // Planetary nebulae in teal, diffuse ones in grey: half-sides 0.0045 and 0.003.
    const auto cajas = s.de(Op::Caja);
    ASSERT_EQ(cajas.size(), 4u);
    const Color colorCaja[4] = {Rgb(0, 128, 128), Rgb(0, 128, 128), Rgb(192, 192, 192), Rgb(192, 192, 192)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(cajas[i].c - cajas[i].a, 2 * (i % 2 ? 1.5 : 2.25), 1e-6);
        EXPECT_NEAR((cajas[i].b + cajas[i].d) / 2, (17 + i) * kFila, 1e-6);
        EXPECT_EQ(cajas[i].tinta, colorCaja[i]);
    }

    // At zoom 2 every symbol doubles on the chart, and in the legend as long
    // as it fits its row (at most 0.45 of a row: 9 pixels).
    ponZoom(2);
    s = dibuja();
    circulos = s.de(Op::Circulo);
    EXPECT_NEAR(circulos[0].c, 9.0, 1e-6);
    EXPECT_NEAR(circulos[3].c, 4.5, 1e-6);
    ponZoom(15);
    s = dibuja();
    for (const Op& c : s.de(Op::Circulo)) EXPECT_LE(c.c, 0.45 * kFila);
}

TEST_F(Muestra, ADamagedZoomOrWindowStillDrawsTheLegend) {
    for (float zoom : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
        Estado().Zoom = zoom;
        Estado().VentanaAlto = 0;  // no chart window yet
        const SuperficieGrabadora s = dibuja();
        EXPECT_EQ(s.de(Op::Punto).front().ancho, 2) << "drawn as at zoom 1";
        for (const Op& c : s.de(Op::Circulo)) {
            EXPECT_TRUE(std::isfinite(c.c));
            EXPECT_GE(c.c, 1.0) << "a symbol keeps at least a pixel";
        }
        EXPECT_EQ(s.textos().size(), 27u);
    }
}

}  // namespace
}  // namespace vsp
