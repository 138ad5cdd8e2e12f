// `vespera --render` run as a user runs it, with no display: the PNG, the
// printed page in PDF and the panel it writes, the chart's content in two
// situations, and how it fails: hostile files and options.
#include <gtest/gtest.h>

#include "../motor_nuevo.h"
#include "../orden.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <set>
#include <sstream>

#include "impresion/carta_impresa.h"
#include "impresion/impresora.h"
#include "programa/arranque.h"
#include "programa/impresion.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& s) { return "'" + s + "'"; }  // no quotes in these paths
QImage imagen(const fs::path& p) { return QImage(QString::fromStdString(p.string())); }

struct Ejecucion { int exitCode; std::string out, err; };

class Render : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(dir); }

    // The program with these arguments, without a display or a chosen Qt
    // platform, from a folder of its own; a run that hangs is cut short.
    Ejecucion vespera(const std::string& args) {
        const std::string cmd = "cd " + quoted(dir.string()) +
                                " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 " +
                                quoted(VESPERA_PROGRAMA) + " " + args + " >salida.txt 2>errores.txt";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ContenidoDe(dir / "salida.txt"),
                ContenidoDe(dir / "errores.txt")};
    }
    Ejecucion render(const std::string& args = "") { return vespera("--render carta.png " + args); }

    // A fresh engine started on the shipped initial situation, which the
    // tests move and save as a situation of their own.
    static void situacionInicial() {
        ReiniciaEstado();
        FijaCarpetaPrograma(VESPERA_DATOS);
        ArrancaPrograma(std::string(VESPERA_DATOS) + "/INICIAL.VPC");
    }

    // The program run straight from here, each argument's bytes as given,
    // with a file-size limit (SIGXFSZ ignored, so that a write
    // past it fails as on a full disk) and no display.
    Ejecucion ejecuta(const std::vector<std::string>& args, rlim_t limite = RLIM_INFINITY) {
        const pid_t hijo = ::fork();
        if (hijo == 0) {
            if (::chdir(dir.c_str()) != 0) ::_exit(126);
            const int out = ::open("salida.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = ::open("errores.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(err, 2);
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{limite, limite};
            ::setrlimit(RLIMIT_FSIZE, &r);
            for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(v);
            ::alarm(60);
            std::vector<char*> argv{const_cast<char*>(VESPERA_PROGRAMA)};
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(VESPERA_PROGRAMA, argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(hijo, &status, 0);
        const Ejecucion r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ContenidoDe(dir / "salida.txt"),
                          ContenidoDe(dir / "errores.txt")};
        fs::remove(dir / "salida.txt");
        fs::remove(dir / "errores.txt");
        return r;
    }

    // What the folder holds, by name.
    std::set<std::string> entradas() const {
        std::set<std::string> nombres;
        for (const auto& e : fs::directory_iterator(dir)) nombres.insert(e.path().filename().string());
        return nombres;
    }

    const fs::path dir = CarpetaDePrueba(), png = dir / "carta.png";
};

// By default a 1024 x 768 picture and the eleven panel texts.
TEST_F(Render, WritesAPngOfTheSizeAskedAndTheElevenPanelTexts) {
    const Ejecucion r = render();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(imagen(png).size(), QSize(1024, 768));
    std::istringstream out(r.out);
    std::vector<std::string> panel;
    for (std::string l; std::getline(out, l);) panel.push_back(l);
    ASSERT_EQ(panel.size(), 11u) << r.out;
    EXPECT_TRUE(panel[3].starts_with("Dirección = ") && panel[5].starts_with("Zoom = ") &&
                panel[10].starts_with("D.J. = ")) << r.out;
}

// Every failure names what failed and why: 1 when the chart cannot be made
// as asked, 2 when the options are wrong.
TEST_F(Render, FailuresExitWithTheirReason) {
    const auto config = [this](const char* nombre) {
        return "--render carta.png --config " + quoted((dir / nombre).string());
    };
    std::ofstream(dir / "ciudad.vpc") << "2451545,40000,0,0,0,0,2\r\n";
    fs::create_directories(dir / "corto");
    std::ofstream(dir / "corto" / "Inicial.vpc") << "2451545\r\n";
    ASSERT_EQ(::mkfifo((dir / "fifo.vpc").c_str(), 0600), 0);
    struct Caso { std::string args; int exitCode; std::string message; };
    std::vector<Caso> casos = {
        {config("NADA.VPC"), 1,
         "vespera: no se puede leer «" + (dir / "NADA.VPC").string() + "»: no existe.\n"},
        {config("ciudad.vpc"), 1, "ciudad.vpc»: línea 1, campo 2: «40000» no cabe"},
        {config("fifo.vpc"), 1, "fifo.vpc»: no es un archivo normal"},
        // Named by the user, an initial file is no longer read quietly.
        {config("corto/Inicial.vpc"), 1, "campo 2: falta, el archivo termina antes de tiempo"},
        {"--render " + quoted((dir / "no-existe/carta.png").string()), 1,
         "no se pudo escribir «" + (dir / "no-existe/carta.png").string() + "»: No existe el fichero o el directorio.\n"},
        {"--render carta.png --config=", 2, "vespera: falta el valor de --config.\n"},
        {"--renderizar carta.png", 2, "opción desconocida «--renderizar»"},
        {"--render carta.png --render otra.png", 2, "la opción --render se ha indicado dos veces"},
        {"--render carta.png --size 800x600 --size=800x600", 2, "la opción --size se ha indicado dos veces"},
    };
    for (const std::string size : {"8x600", "800x9000", "800", "ochox600", "800x600x2"})
        casos.push_back({"--render carta.png --size " + size, 2, "tamaño no válido «" + size + "»"});
    // A name whose format is not known would get data of another format.
    for (const std::string nombre : {"carta.bmp", "carta", "carta.png.bak", ".png"})
        casos.push_back({"--render " + nombre, 2,
                         "no se conoce el formato de «" + nombre + "»: el nombre debe terminar en .png, .jpg, .jpeg, .svg o .pdf."});
    for (const Caso& c : casos) {
        const Ejecucion r = vespera(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args << ": no panel without a chart";
        EXPECT_FALSE(fs::exists(png)) << c.args;
    }
}

// `--rise-set` from a situation of its own: Madrid on 8 December 2026 at
// 00:00 UT, an hour east of Greenwich; the Sun's lines are those the
// engine's tests hold to PyEphem. What it cannot find or has no rise is
// named on standard error (exit 1); with --render it is an option error.
TEST_F(Render, RiseSetPrintsTheEventsOrSaysWhyNot) {
    situacionInicial();
    ProgramState& e = Estado();
    e.DiaJuliano = 2461382.5;
    e.Latitud = 40.4168 * RadianesPorGrado;
    e.Longitud = 3.7038 * RadianesPorGrado;
    e.ZonaHoraria = 1;
    e.HorarioVerano = 0;
    std::ofstream(dir / "MADRID.VPC") << TextoConfiguracion();
    const Ejecucion r = vespera("--rise-set Sol --config MADRID.VPC");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Orto 08/12/2026 08:25 acimut 120°\n"
                     "Culminación 08/12/2026 13:07 altura 27°\n"
                     "Ocaso 08/12/2026 17:48 acimut 240°\n"
                     "Crepúsculo civil 08/12/2026 07:55 – 18:19\n"
                     "Crepúsculo náutico 08/12/2026 07:20 – 18:53\n"
                     "Crepúsculo astronómico 08/12/2026 06:47 – 19:26\n");
    const Ejecucion polar = vespera("--rise-set 'alf UMi' --config=MADRID.VPC");
    EXPECT_TRUE(polar.out.starts_with("Siempre sobre el horizonte\nCulminación 08/12/2026 ")) << polar.out;

    struct Caso { std::string args; int exitCode; std::string message; };
    const Caso casos[] = {
        {"--rise-set Xyz --config MADRID.VPC", 1, "vespera: no se encuentra «Xyz».\n"},
        {"--rise-set Tierra --config MADRID.VPC", 1, "vespera: la Tierra no sale ni se pone"},
        {"--rise-set Sol --render carta.png", 2, "vespera: --render no vale con --rise-set.\n"},
        {"--rise-set Sol --rise-set Luna", 2, "la opción --rise-set se ha indicado dos veces"},
        {"--rise-set Sol --config NADA.VPC", 1, "NADA.VPC»: no existe."},
    };
    for (const Caso& c : casos) {
        const Ejecucion f = vespera(c.args);
        EXPECT_EQ(f.exitCode, c.exitCode) << c.args;
        EXPECT_NE(f.err.find(c.message), std::string::npos) << c.args << ": " << f.err;
        EXPECT_EQ(f.out, "") << c.args;
    }
}

// Each name's extension, in any case, chooses the format of what is written;
// the panel is the same whatever the format.
TEST_F(Render, EachExtensionWritesItsOwnFormat) {
    std::set<std::string> paneles;
    for (const auto& [nombre, firma] : std::vector<std::pair<std::string, std::string>>{
             {"CARTA.PNG", "\x89PNG\r\n"}, {"carta.jpg", "\xff\xd8\xff"}, {"carta.JPEG", "\xff\xd8\xff"},
             {"carta.Svg", "<?xml"}, {"carta.pdf", "%PDF-"}}) {
        const Ejecucion r = ejecuta({"--render", nombre, "--size", "320x240"});
        ASSERT_EQ(r.exitCode, 0) << nombre << ": " << r.err;
        EXPECT_TRUE(ContenidoDe(dir / nombre).starts_with(firma)) << nombre;
        paneles.insert(r.out);
    }
    EXPECT_EQ(paneles.size(), 1u);
    EXPECT_EQ(imagen(dir / "carta.jpg").size(), QSize(320, 240));
}

// A write that fails half way (here a file-size limit, as a full disk would)
// leaves the former file byte for byte, no temporary beside it, and says
// why with the file's name.
TEST_F(Render, AFailedWriteKeepsTheFormerFileForEveryFormat) {
    const std::string anterior = "lo que había antes\n";
    for (const std::string nombre : {"carta.png", "carta.jpg", "carta.svg", "carta.pdf"}) {
        std::ofstream(dir / nombre) << anterior;
        const Ejecucion r = ejecuta({"--render", nombre}, 4096);
        EXPECT_EQ(r.exitCode, 1) << nombre;
        // (fontconfig may say first that it could not write its cache)
        EXPECT_TRUE(r.err.ends_with("vespera: no se pudo escribir «" + nombre + "»: Fichero demasiado grande.\n"))
            << r.err;
        EXPECT_EQ(r.out, "") << "no panel without a chart";
        EXPECT_EQ(ContenidoDe(dir / nombre), anterior) << nombre;
        EXPECT_EQ(entradas(), std::set<std::string>{nombre});
        fs::remove(dir / nombre);
    }
}

// A name's bytes need not be UTF-8: they name the file written and the
// configuration read.
TEST_F(Render, ANameThatIsNotUtf8NamesTheFileItself) {
    const std::string latino = "situaci\xf3n.vpc", salida = "carta\xff.png";
    fs::copy_file(fs::path(VESPERA_DATOS) / "INICIAL.VPC", dir / latino);
    const Ejecucion r = ejecuta({"--render", salida, "--config", latino, "--size", "64x48"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(entradas(), (std::set<std::string>{latino, salida}));
    EXPECT_TRUE(ContenidoDe(dir / salida).starts_with("\x89PNG"));
}

// The PNG is drawn with the user's image quality, as the window is: smooth
// unless the preferences say "sencilla", the lines' edges blending into the
// sky in tones of their own.
TEST_F(Render, ThePngIsSmoothUnlessTheUserPrefersItPlain) {
    situacionInicial();
    // Lines only: the 30° grid and the horizon.
    Estado().Casillas.fill(0);
    Estado().Casillas[Chk_ARDEC30] = Estado().Casillas[Chk_Horiz] = 1;
    Estado().NivelEstrellas = Estado().NivelConstel = 0;
    std::ofstream(dir / "lineas.vpc") << TextoConfiguracion();
    const std::string ajustes = std::getenv("XDG_CONFIG_HOME");
    ::setenv("XDG_CONFIG_HOME", (dir / "ajustes").c_str(), 1);
    const auto tonos = [this](const char* calidad) {
        if (calidad) {
            fs::create_directories(dir / "ajustes" / "VESPERA");
            std::ofstream(dir / "ajustes" / "VESPERA" / "vespera.ini") << "[imagen]\ncalidad=" << calidad << "\n";
        }
        EXPECT_EQ(ejecuta({"--render", "lineas.png", "--config", "lineas.vpc", "--size", "400x300"}).exitCode, 0);
        const QImage im = imagen(dir / "lineas.png");
        std::set<QRgb> vistos;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) vistos.insert(im.pixel(x, y));
        return vistos.size();
    };
    const std::size_t porDefecto = tonos(nullptr), duros = tonos("sencilla"), suaves = tonos("suavizada");
    ::setenv("XDG_CONFIG_HOME", ajustes.c_str(), 1);
    // Plain, only the labels' letters have tones between their colour and black.
    EXPECT_GT(suaves, 2 * duros);
    EXPECT_EQ(porDefecto, suaves);
}

TEST_F(Render, SiriusIsDrawnWhereTheProjectionPutsItOnTheScreenAndOnThePrintedPage) {
    // The initial situation moved to the first minutes of 2025, when Sirius
    // crosses the meridian of Malaga, looking south; only the brightest
    // stars, without labels, so that nothing else lands on it; printed at
    // 200 x 150 mm with the data strip.
    situacionInicial();
    ProgramState& e = Estado();
    e.DiaJuliano = 2460676.515;
    e.HorarioVerano = 0;  // winter, as the program's time-zone database has it at Malaga
    e.Direccion = Pi;
    e.Zoom = 1;
    e.Casillas.fill(0);
    e.NivelConstel = e.IdEstrellas = 0;
    e.NivelEstrellas = 1;
    e.AnchoImpresion = 200;
    e.ImprimirDatos = 1;
    const fs::path config = dir / "SIRIO.VPC";
    std::ofstream(config) << TextoConfiguracion();
    const std::string opciones = " --size 800x600 --config " + quoted(config.string());
    const Ejecucion r = render(opciones), rPdf = vespera("--render carta.pdf" + opciones);
    ASSERT_TRUE(r.exitCode == 0 && rPdf.exitCode == 0) << r.err << rPdf.err;
    EXPECT_EQ(rPdf.out, r.out);
    ASSERT_EQ(imagen(png).size(), QSize(800, 600)) << "--size honoured";

    // The same situation here, and Sirius (J2000: 6h 45m 08.9s, -16 42' 58")
    // through the projection into the same window.
    ReiniciaEstado();
    Estado().ProporcionPantalla = 800.0f / 600;
    ArrancaPrograma(config.string());
    float cx, cy, cz;
    CosenosDirectores((6 + 45 / 60.0 + 8.9 / 3600) * 15 * RadianesPorGrado,
                      -(16 + 42 / 60.0 + 58 / 3600.0) * RadianesPorGrado, cx, cy, cz);
    ProyectaPunto(cx, cy, cz);
    const ProgramState& v = Estado();
    const double fx = (v.VistaX - v.VentanaIzquierda) / v.VentanaAncho;  // 0..1 across the chart
    const double fy = (v.VistaY - v.VentanaArriba) / v.VentanaAlto;
    ASSERT_TRUE(v.VistaZ > 0 && QRectF(0.1, 0.1, 0.8, 0.8).contains(fx, fy)) << fx << ", " << fy;
    // A square page drawn here gives the screen its window back.
    const auto ventana = [&v] { return std::tuple(v.VentanaIzquierda, v.VentanaArriba, v.VentanaAncho, v.VentanaAlto); };
    const auto antes = ventana();
    CartaImpresa(QSize(300, 300), 100, QSizeF());
    EXPECT_EQ(ventana(), antes);
    // The image quality reaches the page: smooth, the bright stars' rims
    // blend into tones of their own besides the stars' colours.
    const auto tonos = [](int16_t calidad) {
        Estado().CalidadImagen = calidad;
        const QImage pagina = CartaImpresa(QSize(300, 300), 100, QSizeF());
        std::set<QRgb> vistos;
        for (int y = 0; y < pagina.height(); ++y)
            for (int x = 0; x < pagina.width(); ++x) vistos.insert(pagina.pixel(x, y));
        return vistos.size();
    };
    const std::size_t suaves = tonos(Activado), duros = tonos(Desactivado);
    EXPECT_GT(suaves, duros);
    Estado().CalidadImagen = Activado;

    // On the black sky round that point, Sirius is the one dot, centred on
    // it: pixels of the screen image, then of the page at 100 dpi.
    auto dotNear = [](const QImage& im, double px, double py, int radio, int maximo) {
        double sumX = 0, sumY = 0;
        int lit = 0;
        for (int y = static_cast<int>(py) - radio; y <= static_cast<int>(py) + radio; ++y)
            for (int x = static_cast<int>(px) - radio; x <= static_cast<int>(px) + radio; ++x)
                if (qGray(im.pixel(x, y)) > 64) sumX += x + 0.5, sumY += y + 0.5, ++lit;
        EXPECT_TRUE(lit > 0 && lit <= maximo) << lit << " pixels lit near " << px << ", " << py;
        EXPECT_NEAR(sumX / std::max(lit, 1), px, 1.0);
        EXPECT_NEAR(sumY / std::max(lit, 1), py, 1.0);
    };
    dotNear(imagen(png), fx * 800, fy * 600, 8, 16);

    // The page: the default printer's, or A4 without one; the chart 200 x 150
    // mm from the printable area's corner, Sirius on it where the screen
    // has it, the strip below after half its height, with the strip's texts.
    QPrinter impresora(QPrinter::HighResolution);
    EligeImpresora(impresora);
    const QRectF util = impresora.pageLayout().paintRect(QPageLayout::Millimeter);
    const QSize hoja = impresora.pageLayout().fullRect(QPageLayout::Point).size().toSize();
    const std::string pdf = quoted((dir / "carta.pdf").string());
    const std::string tamano = std::to_string(hoja.width()) + " x " + std::to_string(hoja.height());
    EXPECT_NE(SalidaDe("pdfinfo " + pdf).find("Page size:       " + tamano), std::string::npos);
    EXPECT_EQ(ContenidoDe(dir / "carta.pdf").find("/DCTDecode"), std::string::npos) << "no lossy image";
    ASSERT_EQ(std::system(("pdftoppm -r 100 -png -singlefile " + pdf + " " + quoted((dir / "pagina").string())).c_str()), 0);
    const QImage pagina = imagen(dir / "pagina.png");
    const double mm = 100 / 25.4;  // page pixels per millimetre
    QRect cielo;                   // the black of the chart
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            if (qGray(pagina.pixel(x, y)) < 16 && y < (util.top() + 151) * mm) cielo |= QRect(x, y, 1, 1);
    EXPECT_NEAR(cielo.left(), util.left() * mm, 1.5);
    EXPECT_NEAR(cielo.top(), util.top() * mm, 1.5);
    EXPECT_NEAR(cielo.width(), 200 * mm, 2);
    EXPECT_NEAR(cielo.height(), 150 * mm, 2);
    dotNear(pagina, (util.left() + fx * 200) * mm, (util.top() + fy * 150) * mm, 4, 30);
    const int filaTira = qRound((util.top() + 150) * mm + 18.0 / 96 * 100);  // top of its frame
    EXPECT_LT(qGray(pagina.pixel(cielo.left() + 100, filaTira)), 200);
    EXPECT_EQ(qGray(pagina.pixel(cielo.left() + 100, filaTira - 4)), 255);

    std::string texto = SalidaDe("pdftotext -layout " + pdf + " -");
    std::erase(texto, ' ');
    for (const TextoTira& t : TextosTira()) {
        std::string esperado = t.texto;
        std::erase(esperado, ' ');
        EXPECT_NE(texto.find(esperado), std::string::npos) << t.texto << " in\n" << texto;
    }
}

}  // namespace
}  // namespace vsp
