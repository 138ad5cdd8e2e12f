// Tests of the coordinates and projection: the transform and its inverse over
// random views checked against plain spherical astronomy, and the chart
// window. Precession is checked on real stars in cuerpos_test.
#include "sky/proyeccion.h"

#include "motor_nuevo.h"

#include <numbers>

#include "sky/pasos_vista.h"

namespace vsp {
namespace {

constexpr double pi = std::numbers::pi;

// a - b brought into (-pi, pi], so that 0 and 2pi compare equal.
double angleDiff(double a, double b) { return std::remainder(a - b, 2 * pi); }

struct View { double latitude, sidereal, direction, elevation; };

void setView(const View& v) {
    ProgramState& e = Estado();
    e.Latitud = v.latitude;
    e.TiempoSidereo = v.sidereal;
    e.Direccion = v.direction;
    e.Elevacion = v.elevation;
    CalculaDireccionMenosPi();
}

View randomView(std::mt19937& rng) {
    std::uniform_real_distribution<double> half(-1.5, 1.5), full(0, 2 * pi);
    return {half(rng), full(rng), full(rng), half(rng)};
}

// A direction uniform over the sphere, as right ascension and declination.
void randomStar(std::mt19937& rng, double& ra, double& dec) {
    std::uniform_real_distribution<double> u(-1, 1), full(0, 2 * pi);
    dec = std::asin(u(rng));
    ra = full(rng);
}

// Altitude and azimuth (north through east) of a star, the textbook way.
void horizontal(const View& v, double ra, double dec, double& alt, double& az) {
    const double H = v.sidereal - ra;
    alt = std::asin(std::sin(v.latitude) * std::sin(dec) +
                    std::cos(v.latitude) * std::cos(dec) * std::cos(H));
    az = std::atan2(-std::cos(dec) * std::sin(H),
                    std::sin(dec) * std::cos(v.latitude) - std::cos(dec) * std::sin(v.latitude) * std::cos(H));
}

// Orthographic view of (az, alt) from a centre at (direction, elevation).
void orthographic(double az, double alt, double direction, double elevation, double& X, double& Y,
                  double& Z) {
    const double dA = az - direction;
    X = std::cos(alt) * std::sin(dA);
    Y = std::sin(alt) * std::cos(elevation) - std::cos(alt) * std::sin(elevation) * std::cos(dA);
    Z = std::sin(alt) * std::sin(elevation) + std::cos(alt) * std::cos(elevation) * std::cos(dA);
}

using ProyeccionTest = MotorFresco<false>;

// ---- Angles and direction cosines -------------------------------------------

TEST_F(ProyeccionTest, ArcoTangenteGivesTheAngleInEachQuadrantAndOnTheAxes) {
    struct Case { double y, x, expected; };
    const Case cases[] = {
        {1, 1, pi / 4},      {1, -1, 3 * pi / 4}, {-1, -1, 5 * pi / 4}, {-1, 1, 7 * pi / 4},
        {1, 0, pi / 2},      {-1, 0, 3 * pi / 2}, {0, 0, 0},            {0, 1, 0},
        {0, -1, pi},         {-2e-300, 0, 3 * pi / 2},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ArcoTangente(c.y, c.x), c.expected, 1e-9) << "y " << c.y << " x " << c.x;
}

TEST_F(ProyeccionTest, AngulosDeCosenosInvertsCosenosDirectores) {
    std::mt19937 rng(12);
    for (int i = 0; i < 10000; ++i) {
        double a, b;
        randomStar(rng, a, b);
        float x, y, z;
        CosenosDirectores(a, b, x, y, z);
        double a2, b2;
        AngulosDeCosenos(x, y, z, a2, b2);
        ASSERT_NEAR(b2, b, 1e-6) << "a " << a << " b " << b;
        ASSERT_NEAR(angleDiff(a2, a) * std::cos(b), 0, 1e-6) << "a " << a << " b " << b;
        ASSERT_GE(a2, 0);
        ASSERT_LT(a2, 2 * pi);
    }
    double a = -1, b = -1;
    AngulosDeCosenos(-1, 0, 0, a, b);  // on the equator, six hours east
    EXPECT_NEAR(a, MedioPi, 1e-9);
    EXPECT_EQ(b, 0);
    for (float polo : {1.0f, -1.0f}) {  // longitude 0 where it has none
        a = -1, b = 0;
        AngulosDeCosenos(0, polo, 0, a, b);
        EXPECT_EQ(b, polo * MedioPi);
        EXPECT_EQ(a, 0);
    }
}

// ---- The transform and its inverse --------------------------------------------

// Over random views and stars, the chart point is the orthographic view of
// the star's altitude and azimuth, and over the visible hemisphere the
// cursor read-out gives the star's coordinates back.
TEST_F(ProyeccionTest, ProyectaPuntoIsTheViewOfTheSkyAndPuntoACoordenadasItsInverse) {
    std::mt19937 rng(14);
    const ProgramState& e = Estado();
    int inversas = 0;
    for (int i = 0; i < 300; ++i) {
        const View v = randomView(rng);
        setView(v);
        for (int j = 0; j < 60; ++j) {
            double ra, dec, alt, az, X, Y, Z;
            randomStar(rng, ra, dec);
            horizontal(v, ra, dec, alt, az);
            orthographic(az, alt, v.direction, v.elevation, X, Y, Z);
            float x, y, z;
            CosenosDirectores(ra, dec, x, y, z);
            ProyectaPunto(x, y, z);
            SCOPED_TRACE(::testing::Message() << "view " << i << " star " << j);
            ASSERT_NEAR(e.VistaX, X, 1e-6);
            ASSERT_NEAR(e.VistaY, Y, 1e-6);
            ASSERT_NEAR(e.VistaZ, Z, 1e-6);
            if (e.VistaZ <= 0.05) continue;
            double ra2, dec2;
            float alt2, az2;
            PuntoACoordenadas(e.VistaX, e.VistaY, ra2, dec2, alt2, az2);
            // Longitudes as arcs on the sky, meaningful near the poles and the zenith.
            ASSERT_NEAR(dec2, dec, 1e-5);
            ASSERT_NEAR(angleDiff(ra2, ra) * std::cos(dec), 0, 1e-5);
            ASSERT_NEAR(alt2, alt, 1e-5);
            ASSERT_NEAR(angleDiff(az2, az) * std::cos(alt), 0, 1e-5);
            ++inversas;
        }
    }
    EXPECT_GT(inversas, 8000);
}

TEST_F(ProyeccionTest, PuntoACoordenadasNamesNoSkyPointOutsideTheCircleOrAtZenithAndNadir) {
    struct Case { double elevation; float X, Y; };
    const Case cases[] = {
        {0.3, 0.8f, 0.7f},        // outside the unit circle
        {0.3, -1.5f, 0},
        {MedioPi, 0, 0},          // centre straight up: cos(2pi) is exactly 1
        {-MedioPi, 0, 0},         // straight down
        {0, 0, 1},                // top of the rim looking at the horizon
    };
    for (const Case& c : cases) {
        setView({0.64, 1.3, 0.4, c.elevation});
        double ra = 0, dec = 0;
        float alt, az;
        PuntoACoordenadas(c.X, c.Y, ra, dec, alt, az);
        EXPECT_EQ(ra, SinPuntoCielo) << c.elevation << " " << c.X << " " << c.Y;
        EXPECT_EQ(dec, SinPuntoCielo) << c.elevation << " " << c.X << " " << c.Y;
        EXPECT_FALSE(ArrastraVista(c.X, c.Y, 0.1, 0.2)) << "a drag there turns nothing";
    }
}

// ---- Chart window ------------------------------------------------------------

// The window is 3.4666667 by 2.6 over the zoom, centred on (0, 0), its
// width negative in the mirrored image; a damaged zoom counts as the nearest
// limit and is left for its owner to mend. The corner lies at radius
// 2.1666667 / zoom; inside the sphere its depth is sqrt(1 - r^2).
TEST_F(ProyeccionTest, TheWindowFollowsTheZoomAndProfMinimaIsTheDepthOfItsCorner) {
    struct Case { float zoom, usedAs, depth; int16_t sense; };
    const Case cases[] = {{1, 1, 0, 2},          {1.5f, 1.5f, 0, 1}, {2, 2, 0, 1}, {2.16f, 2.16f, 0, 2}, {3, 3, 0.6916611f, 1},
                          {15, 15, 0.98951f, 2}, {0, 1, 0, 1},  {-3, 1, 0, 2},           {std::nanf(""), 1, 0, 1},
                          {40, 15, 0.98951f, 2}};
    ProgramState& e = Estado();
    for (const Case& c : cases) {
        e.Zoom = c.zoom;
        e.SentidoImagen = c.sense;
        FijaVentanaCielo();
        EXPECT_NEAR(e.ProfMinima, c.depth, 1e-5) << c.zoom;
        EXPECT_NEAR(e.VentanaAlto, -2.6 / c.usedAs, 1e-6) << c.zoom;
        EXPECT_NEAR(e.VentanaAncho, (c.sense == 1 ? 3.4666667 : -3.4666667) / c.usedAs, 1e-6) << c.zoom;
        EXPECT_FLOAT_EQ(e.VentanaIzquierda, -e.VentanaAncho / 2);
        EXPECT_FLOAT_EQ(e.VentanaArriba, -e.VentanaAlto / 2);
        EXPECT_TRUE(c.zoom == e.Zoom || std::isnan(e.Zoom)) << c.zoom;
    }
    int leyendas = 0;  // the legend follows the zoom only when it is shown
    avisos().Leyenda = [&] { ++leyendas; };
    e.PanelObjetos = Desactivado;
    FijaVentanaCielo();
    e.PanelObjetos = Activado;
    FijaVentanaCielo();
    EXPECT_EQ(leyendas, 1);
}

TEST_F(ProyeccionTest, EastIsRightLookingNorthAndLeftInTheMirroredImage) {
    ProgramState& e = Estado();
    setView({0.64, 0, 0, 0});
    e.Zoom = 1;
    ProyectaHorizontal(-1, 0, 0);  // east point of the horizon
    EXPECT_NEAR(e.VistaX, 1, 1e-6);
    // Fraction of the chart width from the left edge where the point lands.
    const auto across = [&] { return (e.VistaX - e.VentanaIzquierda) / e.VentanaAncho; };
    e.SentidoImagen = 1;
    FijaVentanaCielo();
    EXPECT_NEAR(across(), 0.5 + 1 / 3.4666667, 1e-6);
    e.SentidoImagen = 2;
    FijaVentanaCielo();
    EXPECT_NEAR(across(), 0.5 - 1 / 3.4666667, 1e-6);
}

// Precession turns the sphere, however far the date: its matrix is a
// rotation (orthonormal, not a mirror), and the inverse turn undoes it.
TEST(Precesion, IsARotationAtAnyDateAndItsInverseUndoesIt) {
    for (const auto& [zeta, theta, z] : {std::tuple(0.66, 0.57, 0.67), std::tuple(-0.7, -0.6, -0.72), std::tuple(0.01, 0.009, 0.01)}) {
        double m[3][3];
        MatrizPrecesion(zeta, theta, z, m);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_NEAR(m[i][0] * m[j][0] + m[i][1] * m[j][1] + m[i][2] * m[j][2], i == j, 1e-12) << zeta;
        const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
        EXPECT_NEAR(det, 1, 1e-12) << zeta;
        float x = 0.36f, y = 0.48f, z3 = 0.8f;
        RotaCosenos(m, false, x, y, z3);
        EXPECT_GT(std::hypot(x - 0.36f, y - 0.48f, z3 - 0.8f), 1e-3) << zeta;
        RotaCosenos(m, true, x, y, z3);
        EXPECT_NEAR(x, 0.36f, 1e-6);
        EXPECT_NEAR(y, 0.48f, 1e-6);
        EXPECT_NEAR(z3, 0.8f, 1e-6);
    }
}

}  // namespace
}  // namespace vsp
