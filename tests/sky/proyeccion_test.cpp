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

// A direction uniform over the sphere: right ascension, declination.
std::pair<double, double> randomStar(std::mt19937& rng) {
    std::uniform_real_distribution<double> u(-1, 1), full(0, 2 * pi);
    const double dec = std::asin(u(rng));
    return {full(rng), dec};
}

// A star's altitude and azimuth (north through east) the textbook way, and
// their orthographic view from the chart centre.
struct Seen { double alt, az, X, Y, Z; };
Seen seen(const View& v, double ra, double dec) {
    const double H = v.sidereal - ra, sl = std::sin(v.latitude), cl = std::cos(v.latitude);
    const double alt = std::asin(sl * std::sin(dec) + cl * std::cos(dec) * std::cos(H));
    const double az =
        std::atan2(-std::cos(dec) * std::sin(H), std::sin(dec) * cl - std::cos(dec) * sl * std::cos(H));
    const double dA = az - v.direction, se = std::sin(v.elevation), ce = std::cos(v.elevation);
    return {alt, az, std::cos(alt) * std::sin(dA), std::sin(alt) * ce - std::cos(alt) * se * std::cos(dA),
            std::sin(alt) * se + std::cos(alt) * ce * std::cos(dA)};
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

// At the poles the longitude, undefined, is 0.
TEST_F(ProyeccionTest, AngulosDeCosenosInvertsCosenosDirectores) {
    std::mt19937 rng(12);
    for (int i = 0; i < 10000; ++i) {
        const auto [a, b] = randomStar(rng);
        float x, y, z;
        CosenosDirectores(a, b, x, y, z);
        double a2, b2;
        AngulosDeCosenos(x, y, z, a2, b2);
        ASSERT_NEAR(b2, b, 1e-6) << "a " << a << " b " << b;
        ASSERT_NEAR(angleDiff(a2, a) * std::cos(b), 0, 1e-6) << "a " << a << " b " << b;
        ASSERT_GE(a2, 0);
        ASSERT_LT(a2, 2 * pi);
    }
    const struct { float x, y, z; double a, b, margen; } ejes[] = {
        {-1, 0, 0, MedioPi, 0, 1e-9}, {0, 1, 0, 0, MedioPi, 0}, {0, -1, 0, 0, -MedioPi, 0}};
    for (const auto& c : ejes) {
        double a = -1, b = -1;
        AngulosDeCosenos(c.x, c.y, c.z, a, b);
        EXPECT_NEAR(a, c.a, c.margen) << c.y;
        EXPECT_EQ(b, c.b) << c.y;
    }
}

// ---- The transform and its inverse --------------------------------------------

// Over random views and stars, the chart point is the orthographic view of
// the star's altitude and azimuth, from its equatorial cosines and from its
// horizon ones (x west, y north, z zenith); over the visible hemisphere the
// cursor read-out gives the star's coordinates back.
TEST_F(ProyeccionTest, ProyectaPuntoIsTheViewOfTheSkyAndPuntoACoordenadasItsInverse) {
    std::mt19937 rng(14);
    const ProgramState& e = Estado();
    int inversas = 0;
    for (int i = 0; i < 300; ++i) {
        const View v = randomView(rng);
        setView(v);
        for (int j = 0; j < 60; ++j) {
            const auto [ra, dec] = randomStar(rng);
            const Seen s = seen(v, ra, dec);
            SCOPED_TRACE(::testing::Message() << "view " << i << " star " << j);
            const double ca = std::cos(s.alt);
            ProyectaHorizontal(-ca * std::sin(s.az), ca * std::cos(s.az), std::sin(s.alt));
            ASSERT_NEAR(e.VistaX, s.X, 1e-6);
            ASSERT_NEAR(e.VistaY, s.Y, 1e-6);
            ASSERT_NEAR(e.VistaZ, s.Z, 1e-6);
            float x, y, z;
            CosenosDirectores(ra, dec, x, y, z);
            ProyectaPunto(x, y, z);
            ASSERT_NEAR(e.VistaX, s.X, 1e-6);
            ASSERT_NEAR(e.VistaY, s.Y, 1e-6);
            ASSERT_NEAR(e.VistaZ, s.Z, 1e-6);
            if (e.VistaZ <= 0.05) continue;
            double ra2, dec2;
            float alt2, az2;
            PuntoACoordenadas(e.VistaX, e.VistaY, ra2, dec2, alt2, az2);
            // Longitudes as arcs on the sky, meaningful near the poles and the zenith.
            ASSERT_NEAR(dec2, dec, 1e-5);
            ASSERT_NEAR(angleDiff(ra2, ra) * std::cos(dec), 0, 1e-5);
            ASSERT_NEAR(alt2, s.alt, 1e-5);
            ASSERT_NEAR(angleDiff(az2, s.az) * std::cos(s.alt), 0, 1e-5);
            ++inversas;
        }
    }
    EXPECT_GT(inversas, 8000);
}

// Outside the unit circle; the centre straight up (cos(2pi) is exactly 1) and
// straight down; the top of the rim looking at the horizon.
TEST_F(ProyeccionTest, PuntoACoordenadasNamesNoSkyPointOutsideTheCircleOrAtZenithAndNadir) {
    const struct { double elevation; float X, Y; } cases[] = {
        {0.3, 0.8f, 0.7f}, {0.3, -1.5f, 0}, {MedioPi, 0, 0}, {-MedioPi, 0, 0}, {0, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.elevation << " " << c.X << " " << c.Y);
        setView({0.64, 1.3, 0.4, c.elevation});
        double ra = 0, dec = 0;
        float alt, az;
        PuntoACoordenadas(c.X, c.Y, ra, dec, alt, az);
        EXPECT_EQ(ra, SinPuntoCielo);
        EXPECT_EQ(dec, SinPuntoCielo);
        EXPECT_FALSE(ArrastraVista(c.X, c.Y, 0.1, 0.2)) << "a drag there turns nothing";
    }
}

// ---- Chart window ------------------------------------------------------------

// The window is 3.4666667 by 2.6 over the zoom, centred on (0, 0), its
// width negative in the mirrored image, so that east, right of the centre
// looking north, lies left of it there; a damaged zoom counts as the nearest
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

// Precession turns the sphere, however far the date: its matrix is a
// rotation (orthonormal, not a mirror), and the inverse turn undoes it.
TEST(Precesion, IsARotationAtAnyDateAndItsInverseUndoesIt) {
    for (const auto& [zeta, theta, z] : {std::tuple(0.66, 0.57, 0.67), std::tuple(-0.7, -0.6, -0.72),
                                         std::tuple(0.01, 0.009, 0.01)}) {
        double m[3][3];
        MatrizPrecesion(zeta, theta, z, m);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_NEAR(m[i][0] * m[j][0] + m[i][1] * m[j][1] + m[i][2] * m[j][2], i == j, 1e-12) << zeta;
        const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
        EXPECT_NEAR(det, 1, 1e-12) << zeta;
        float x = 0.36f, y = 0.48f, z3 = 0.8f;
        RotaCosenos(m, false, x, y, z3);
        EXPECT_GT(std::hypot(x - 0.36f, y - 0.48f, z3 - 0.8f), 1e-3) << zeta;
        RotaCosenos(m, true, x, y, z3);
        EXPECT_LE(std::max({std::abs(x - 0.36f), std::abs(y - 0.48f), std::abs(z3 - 0.8f)}), 1e-6) << zeta;
    }
}

}  // namespace
}  // namespace vsp
