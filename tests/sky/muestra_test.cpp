// The objects legend on a recording surface: its 27 rows and captions, and
// the star dots at the chart's widths for the zoom, kept inside their rows.
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
            // Whole, not cut by the legend's left edge.
            EXPECT_GE(dos ? std::min(o.a, o.c) : o.a - (o.tipo == Op::Circulo ? o.c : o.ancho / 2.0), 0) << y;
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

}  // namespace
}  // namespace vsp
