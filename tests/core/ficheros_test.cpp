// A user's file replaced whole or not at all: through symbolic links, with
// the mode the user expects, the former bytes kept on any failure; and the
// chart formats told by the name's extension.
#include "core/ficheros.h"

#include <sys/stat.h>

#include <cerrno>

#include "../motor_nuevo.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

mode_t modo(const fs::path& p) {
    struct stat s;
    return ::stat(p.c_str(), &s) == 0 ? (s.st_mode & 07777) : 0;
}

std::vector<std::string> entradas(const fs::path& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta)) nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

class Ficheros : public ::testing::Test {
protected:
    void TearDown() override {
        FijaEscritorBytes(nullptr);
        ::umask(mascara_);
        fs::remove_all(dir);
    }
    const fs::path dir = CarpetaDePrueba();
    const mode_t mascara_ = ::umask(022);
};

TEST_F(Ficheros, ANewFileGetsTheUmasksModeAndAnExistingOneKeepsItsModeAndOwner) {
    for (const auto& [mascara, esperado] : {std::pair<mode_t, mode_t>{022, 0644}, {077, 0600}, {002, 0664}}) {
        ::umask(mascara);
        const fs::path p = dir / ("nuevo-" + std::to_string(mascara));
        ASSERT_EQ(EscribeArchivo(p, "uno"), 0);
        EXPECT_EQ(modo(p), esperado) << "umask " << std::oct << mascara;
    }
    ::umask(077);
    const fs::path compartido = dir / "compartido.vpc";
    ASSERT_EQ(EscribeArchivo(compartido, "uno"), 0);
    ::chmod(compartido.c_str(), 0664);
    ASSERT_EQ(EscribeArchivo(compartido, "dos"), 0);
    EXPECT_EQ(modo(compartido), 0664u);
    EXPECT_EQ(ContenidoDe(compartido), "dos");
    if (::geteuid() == 0) {  // only root may give a file away: it keeps its owner
        ASSERT_EQ(::chown(compartido.c_str(), 4321, 4321), 0);
        ASSERT_EQ(EscribeArchivo(compartido, "tres"), 0);
        struct stat s;
        ASSERT_EQ(::stat(compartido.c_str(), &s), 0);
        EXPECT_EQ(s.st_uid, 4321u);
        EXPECT_EQ(s.st_gid, 4321u);
    }
}

TEST_F(Ficheros, ASymbolicLinkIsWrittenThroughToTheFileItNames) {
    fs::create_directories(dir / "real");
    ASSERT_EQ(EscribeArchivo(dir / "real" / "carta.pdf", "antes"), 0);
    fs::create_symlink("real/carta.pdf", dir / "enlace.pdf");
    fs::create_symlink("enlace.pdf", dir / "enlace2.pdf");  // a chain of two
    fs::create_symlink("real/nueva.svg", dir / "colgante.svg");  // names a file not yet there

    ASSERT_EQ(EscribeArchivo(dir / "enlace2.pdf", "despues"), 0);
    ASSERT_EQ(EscribeArchivo(dir / "colgante.svg", "<svg/>"), 0);
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.pdf") && fs::is_symlink(dir / "enlace2.pdf") &&
                fs::is_symlink(dir / "colgante.svg"));
    EXPECT_EQ(ContenidoDe(dir / "real" / "carta.pdf"), "despues");
    EXPECT_EQ(ContenidoDe(dir / "real" / "nueva.svg"), "<svg/>");
    EXPECT_EQ(entradas(dir / "real"), (std::vector<std::string>{"carta.pdf", "nueva.svg"})) << "no temporary left";
}

TEST_F(Ficheros, AFailedWriteLeavesTheFormerBytesAndNoTemporaryFile) {
    const fs::path p = dir / "Inicial.vpc";
    ASSERT_EQ(EscribeArchivo(p, "la situación buena"), 0);
    for (int err : {ENOSPC, EFBIG, EIO}) {
        static int fallo;
        fallo = err;
        FijaEscritorBytes([](int, std::string_view) { return fallo; });
        EXPECT_EQ(EscribeArchivo(p, "a medias"), err);
        EXPECT_EQ(ContenidoDe(p), "la situación buena");
        EXPECT_EQ(entradas(dir), std::vector<std::string>{"Inicial.vpc"});
    }
    FijaEscritorBytes(nullptr);
    if (::geteuid() != 0) {  // root writes anywhere
        ::chmod(dir.c_str(), 0500);
        EXPECT_EQ(EscribeArchivo(p, "otra"), EACCES);
        ::chmod(dir.c_str(), 0700);
        EXPECT_EQ(ContenidoDe(p), "la situación buena");
    }
    EXPECT_EQ(EscribeArchivo(dir / "no-existe" / "x.png", "x"), ENOENT);
    EXPECT_EQ(EscribeArchivo("", "x"), ENOENT);
}

TEST(Motivos, TheSystemsReasonsAreSpanish) {
    EXPECT_EQ(TextoErrorSistema(ENOSPC), "No queda espacio en el dispositivo");
    EXPECT_EQ(TextoErrorSistema(EACCES), "Permiso denegado");
    EXPECT_EQ(TextoErrorSistema(EFBIG), "Fichero demasiado grande");
    EXPECT_EQ(TextoErrorSistema(12345), "Error del sistema número 12345");
}

TEST(FormatoCarta, TheChartsFormatIsTheExtensionsWithoutRegardToCase) {
    using F = FormatoCarta;
    for (const auto& [nombre, formato] : std::vector<std::pair<std::string, std::optional<F>>>{
             {"carta.png", F::Png}, {"CARTA.PNG", F::Png}, {"a.b/carta.JpEg", F::Jpeg}, {"c.jpg", F::Jpeg},
             {"c.Svg", F::Svg}, {"/tmp/c.pdf", F::Pdf}, {"carta", std::nullopt}, {"carta.png.bak", std::nullopt},
             {".png", std::nullopt}, {"dir.png/carta", std::nullopt}, {"carta.", std::nullopt},
             {"carta.bmp", std::nullopt}, {"carta.pngx", std::nullopt}})
        EXPECT_EQ(FormatoDe(nombre), formato) << nombre;
}

}  // namespace
}  // namespace vsp
