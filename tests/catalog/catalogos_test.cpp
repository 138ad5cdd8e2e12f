// The shipped catalogues against independent references (J2000 places of
// bright stars and nebulae, the Sun from an accurate ephemeris), the list
// lines, and the load of missing, short, over-long and damaged files.
#include "catalog/catalogos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <span>

#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/estado.h"
#include "core/tablas.h"
#include "core/texto.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

constexpr double kGrado = 3.14159265358979323846 / 180;

const std::map<std::string, std::size_t> kTamanos = {
    {"VSPDATH.DAT", 178 * 28},   {"VSPDATF.DAT", 12 * 107},   {"VSPDATG.DAT", 109 * 66},
    {"VSPDATE.DAT", 88 * 94},    {"VSPDATB.DAT", 873 * 14},   {"VSPDAT3.DAT", 1234 * 28},
    {"VSPDAT4.DAT", 142 * 28},   {"VSPDAT5.DAT", 174 * 28},   {"VSPDAT2.DAT", 2583 * 44},
    {"VSPDAT1.DAT", 26520 * 18}, {"VSPDATD.DAT", 900 * 12}};

class Catalogos : public ::testing::Test {
protected:
    void SetUp() override {
        ReiniciaEstado();
        ReiniciaAvisos();
        CreaTablas();
        avisos().Mensaje = [this](const std::string& titulo, const std::string& texto, int16_t lineas,
                                  int16_t tipo) {
            EXPECT_EQ(titulo, "Cargando datos iniciales");
            EXPECT_EQ(lineas, texto.find('\n') == std::string::npos ? 1 : 2);
            EXPECT_EQ(tipo, 1);
            mensajes.push_back(texto);
            return true;
        };
        FijaCarpetaPrograma(VESPERA_DATOS);
    }
    void TearDown() override { ReiniciaAvisos(); }

    std::vector<std::string> mensajes;
};

// Angle between a stored direction and a place given in degrees.
double separacion(float x, float y, float z, double ar, double dec) {
    float rx, ry, rz;
    CosenosDirectores(ar * kGrado, dec * kGrado, rx, ry, rz);
    const double punto = double(x) * rx + double(y) * ry + double(z) * rz;
    const double cruz = std::hypot(double(y) * rz - double(z) * ry, double(z) * rx - double(x) * rz,
                                   double(x) * ry - double(y) * rx);
    return std::atan2(cruz, punto);
}

TEST_F(Catalogos, TheElevenFilesHaveTheirSizesAndLoadSilently) {
    for (const auto& [nombre, tamano] : kTamanos)
        EXPECT_EQ(fs::file_size(fs::path(VESPERA_DATOS) / nombre), tamano) << nombre;
    CargaCatalogos();
    EXPECT_TRUE(mensajes.empty()) << mensajes.front();
}

TEST_F(Catalogos, BrightStarsAndNebulaeStandAtTheirJ2000Places) {
    CargaCatalogos();
    const ProgramState& e = Estado();
    // J2000 places and magnitudes from python3-ephem 4.1.4 (ephem.star,
    // astrometric, epoch 2000).
    struct Ref { const char* nombre; double ar, dec, mag; } estrellas[] = {
        {"Sirius", 101.28715, -16.71612, -1.44},   {"Canopus", 95.98796, -52.69566, -0.62},
        {"Arcturus", 213.91530, 19.18241, -0.05},  {"Vega", 279.23474, 38.78369, 0.03},
        {"Capella", 79.17233, 45.99799, 0.08},     {"Rigel", 78.63447, -8.20164, 0.18},
        {"Procyon", 114.82549, 5.22499, 0.40},     {"Betelgeuse", 88.79294, 7.40706, 0.45},
        {"Achernar", 24.42853, -57.23676, 0.45},   {"Hadar", 210.95585, -60.37304, 0.61},
        {"Altair", 297.69583, 8.86832, 0.76},      {"Acrux", 186.64957, -63.09909, 0.77},
        {"Aldebaran", 68.98016, 16.50930, 0.87},   {"Spica", 201.29825, -11.16132, 0.98},
        {"Antares", 247.35192, -26.43200, 1.06},   {"Pollux", 116.32896, 28.02620, 1.16},
        {"Fomalhaut", 344.41269, -29.62224, 1.17}, {"Deneb", 310.35798, 45.28034, 1.25},
        {"Mimosa", 191.93026, -59.68876, 1.25},    {"Regulus", 152.09296, 11.96721, 1.36},
        {"Polaris", 37.95451, 89.26411, 1.97},     {"Alnilam", 84.05339, -1.20192, 1.69}};
    const double minuto = kGrado / 60;
    EXPECT_LT(separacion(e.Estrellas[0].x, e.Estrellas[0].y, e.Estrellas[0].z, 101.28715, -16.71612),
              minuto) << "star 0 is Sirius";
    for (const Ref& r : estrellas) {
        bool encontrada = false;
        for (int i = 0; i < 200 && !encontrada; ++i) {
            const Estrella& s = e.Estrellas[i];
            encontrada = separacion(s.x, s.y, s.z, r.ar, r.dec) < minuto &&
                         std::fabs(s.Magnitud - r.mag) < 0.3;
        }
        EXPECT_TRUE(encontrada) << r.nombre;
    }
    // Messier objects, J2000 (M31 and M42 from their nuclei and the
    // Trapezium region; M45 the cluster's conventional centre, 3h47m +24 07').
    struct RefM { int m; double ar, dec; } nebulosas[] = {
        {31, 10.6847, 41.2690}, {42, 83.8221, -5.3911}, {45, 56.75, 24.1167}};
    for (const RefM& r : nebulosas) {
        const ObjetoMessier& o = e.Messier[r.m - 1];
        EXPECT_LT(separacion(o.x, o.y, o.z, r.ar, r.dec), minuto) << "M" << r.m;
        EXPECT_NEAR(o.AR / kGrado, r.ar, 1.0 / 60 / std::cos(r.dec * kGrado)) << "M" << r.m;
        EXPECT_NEAR(o.Dec / kGrado, r.dec, 1.0 / 60) << "M" << r.m;
    }
}

TEST_F(Catalogos, LevelPrefixesEndNearTheirMagnitudes) {
    CargaCatalogos();
    const ProgramState& e = Estado();
    const double limites[8] = {0, 1.0, 2.0, 3.1, 4.5, 5.5, 6.5, 7.5};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_NEAR(e.Estrellas[e.CortesEstrellas[k]].Magnitud, limites[k], 0.15) << "level " << k;
        EXPECT_NEAR(e.EstrellasNombre[e.CortesEstrellasNombre[k]].Magnitud, limites[k], 0.3)
            << "named level " << k;
    }
    for (int i = 1; i < NumEstrellas; ++i)
        ASSERT_LE(e.Estrellas[i - 1].Magnitud, e.Estrellas[i].Magnitud) << i;
    for (int i = 1; i < NumEstrellasNombre; ++i)
        ASSERT_LE(e.EstrellasNombre[i - 1].Magnitud, e.EstrellasNombre[i].Magnitud) << i;
}

TEST_F(Catalogos, CitiesPutMalagaAt95AndEverySpanishCapitalIsThere) {
    CargaCatalogos();
    const ProgramState& e = Estado();
    ASSERT_EQ(e.Cbo_Localidad.size(), 178u);
    EXPECT_EQ(e.Cbo_Localidad[95].substr(0, 7), "Málaga");
    for (const std::string& c : e.Cbo_Localidad) EXPECT_EQ(utf8Length(c), 20u) << c;
    const Localidad& malaga = e.Localidades[95];
    EXPECT_NEAR(malaga.Latitud / kGrado, 36.72, 0.05);
    EXPECT_NEAR(malaga.Longitud / kGrado, 4.42, 0.05);  // west
    // The fifty provincial capitals, Ceuta and Melilla, as the list shows them.
    const char* capitales[] = {
        "A Coruña", "Albacete", "Alicante", "Almería", "Ávila", "Badajoz", "Barcelona", "Bilbao",
        "Burgos", "Cáceres", "Cádiz", "Castellón", "Ceuta", "Ciudad Real", "Córdoba", "Cuenca",
        "Girona", "Granada", "Guadalajara", "Huelva", "Huesca", "Jaén", "Las Palmas G.C.", "León",
        "Lleida", "Logroño", "Lugo", "Madrid", "Málaga", "Melilla", "Murcia", "Ourense", "Oviedo",
        "Palencia", "Palma Mallorca", "Pamplona", "Pontevedra", "S.C. Tenerife", "Salamanca",
        "San Sebastián", "Santander", "Segovia", "Sevilla", "Soria", "Tarragona", "Teruel", "Toledo",
        "Valencia", "Valladolid", "Vitoria-Gasteiz", "Zamora", "Zaragoza"};
    for (const char* c : capitales) {
        const std::string campo = padRight(c, 15) + " ESP ";
        EXPECT_EQ(std::count(e.Cbo_Localidad.begin(), e.Cbo_Localidad.end(), campo), 1) << c;
    }
}

TEST_F(Catalogos, ListLinesKeepTheirColumns) {
    CargaCatalogos();
    const ProgramState& e = Estado();
    ASSERT_EQ(e.Lst_Messi.size(), 109u);
    const ObjetoMessier& m1 = e.Messier[0];
    EXPECT_EQ(e.Lst_Messi[0], "  1 " + m1.Designacion + "  " + m1.DescripcionTipo + "  " + m1.Nombre +
                                  "  " + m1.Magnitud + "  " + FormatoHoras(m1.AR) + "  " +
                                  FormatoGrados(m1.Dec));
    EXPECT_EQ(e.Lst_Messi[101], "102 " + e.Messier[101].Designacion + "  " + e.Messier[101].DescripcionTipo);
    EXPECT_EQ(e.Lst_Const.size(), 88u);
    EXPECT_EQ(utf8Length(e.Lst_Const[0]), 1u + 3 + 3 + 20 + 2 + 20 + 2 + 20 + 3 + 9);
    EXPECT_EQ(e.Lst_Galax.size(), 1234u);
    EXPECT_EQ(e.Lst_NebPl.size(), 142u);
    EXPECT_EQ(e.Lst_NebDi.size(), 174u);
}

TEST_F(Catalogos, StarListingHoldsEveryBayerStarAndEveryStarToMagnitude3) {
    CargaCatalogos();
    const ProgramState& e = Estado();
    const auto listada = [](const EstrellaNombre& s) {
        return s.Magnitud <= 3.0f || (s.Codigo.substr(0, 2) != "  " && s.Codigo[0] != 'V');
    };
    int k = 0;
    for (int i = 0; i < NumEstrellasNombre; ++i) {
        const EstrellaNombre& s = e.EstrellasNombre[i];
        if (!listada(s)) continue;
        ASSERT_LT(k, e.NumIndiceEstrellas) << "listing truncated at star " << i;
        EXPECT_EQ(e.IndiceEstrellas[k], i);
        const std::string& linea = e.Lst_Estre[k];
        EXPECT_EQ(linea.substr(0, 8), s.Codigo);
        EXPECT_EQ(rightChars(linea, 10), s.Nombre);
        ++k;
    }
    EXPECT_EQ(k, e.NumIndiceEstrellas);
    EXPECT_EQ(static_cast<int>(e.Lst_Estre.size()), k);
    EXPECT_LE(k, MaxIndiceEstrellas);
    // Sirius: code, hours without their first blank, 8 characters of the
    // declination, " 0.0;-0.0" magnitude, kind tag and name.
    EXPECT_EQ(e.Lst_Estre[0].substr(8, 12), " " + FormatoHoras(e.EstrellasNombre[0].AR).substr(1));
    EXPECT_NE(e.Lst_Estre[0].find(" -1.4 M Sirio"), std::string::npos) << e.Lst_Estre[0];
}

// ---- Damaged installations ---------------------------------------------------

class CatalogosDanados : public Catalogos {
protected:
    void SetUp() override {
        Catalogos::SetUp();
        carpeta = fs::temp_directory_path() /
                  ("vespera-catalogos-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(carpeta);
        fs::create_directories(carpeta);
        for (const auto& [nombre, tamano] : kTamanos)
            fs::copy_file(fs::path(VESPERA_DATOS) / nombre, carpeta / nombre);
        FijaCarpetaPrograma(carpeta.string());
    }
    void TearDown() override {
        fs::remove_all(carpeta);
        Catalogos::TearDown();
    }
    std::vector<char> lee(const std::string& nombre) {
        std::ifstream f(carpeta / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    void escribe(const std::string& nombre, const std::vector<char>& bytes) {
        std::ofstream(carpeta / nombre, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path carpeta;
};

TEST_F(CatalogosDanados, AMissingFolderOrFileIsReportedOnceAndTheRestLoads) {
    FijaCarpetaPrograma((carpeta / "no-existe").string());
    CargaCatalogos();
    EXPECT_EQ(mensajes, std::vector<std::string>(11, "ERROR CTA76: La senda no existe"));
    EXPECT_TRUE(Estado().Cbo_Localidad.empty());

    mensajes.clear();
    FijaCarpetaPrograma(carpeta.string());
    fs::remove(carpeta / "VSPDATG.DAT");
    CargaCatalogos();
    EXPECT_EQ(mensajes, std::vector<std::string>{"ERROR CTA53: No existe el fichero"});
    EXPECT_TRUE(Estado().Lst_Messi.empty());
    EXPECT_EQ(Estado().Messier[0].x, 0.0f);
    EXPECT_EQ(Estado().Lst_Const.size(), 88u);
}

TEST_F(CatalogosDanados, AShortFileLeavesItsLastRecordsBlank) {
    std::vector<char> b = lee("VSPDATG.DAT");
    b.resize(50 * 66 + 30);  // 50 records and part of the 51st
    escribe("VSPDATG.DAT", b);
    CargaCatalogos();
    EXPECT_EQ(mensajes, std::vector<std::string>{"ERROR CTA62 ha ocurrido\r\nArchivo: VSPDATG.DAT"});
    const ProgramState& e = Estado();
    EXPECT_NE(e.Messier[49].x, 0.0f);
    EXPECT_EQ(e.Messier[50].x, 0.0f);
    EXPECT_EQ(e.Messier[108].Nombre, std::string(15, ' '));
    ASSERT_EQ(e.Lst_Messi.size(), 109u);  // positions still match the table
    EXPECT_EQ(utf8Length(e.Lst_Messi[100]), utf8Length(e.Lst_Messi[0]));
}

TEST_F(CatalogosDanados, AnOverlongFileIsReportedAndItsRecordsKept) {
    std::vector<char> b = lee("VSPDAT1.DAT");
    b.insert(b.end(), 18 * 3, '\x7f');
    escribe("VSPDAT1.DAT", b);
    CargaCatalogos();
    EXPECT_EQ(mensajes, std::vector<std::string>{"ERROR CTA59 ha ocurrido\r\nArchivo: VSPDAT1.DAT"});
    EXPECT_NE(Estado().Estrellas[NumEstrellas - 1].z, 0.0f);
}

TEST_F(CatalogosDanados, ARecordHoldingNaNIsLeftZeroAndNeverListed) {
    const char nan[4] = {'\0', '\0', '\xc0', '\x7f'};
    std::vector<char> estrellas = lee("VSPDAT1.DAT");
    std::copy(nan, nan + 4, estrellas.begin() + 5 * 18 + 10);  // y of star 5
    escribe("VSPDAT1.DAT", estrellas);
    std::vector<char> nombradas = lee("VSPDAT2.DAT");
    std::copy(nan, nan + 4, nombradas.begin() + 26);  // magnitude of Sirius
    std::copy(nan, nan + 4, nombradas.begin() + 44 + 36);  // y of the second star
    escribe("VSPDAT2.DAT", nombradas);
    CargaCatalogos();
    EXPECT_EQ(mensajes, (std::vector<std::string>{"ERROR CTA13 ha ocurrido\r\nArchivo: VSPDAT2.DAT",
                                                  "ERROR CTA13 ha ocurrido\r\nArchivo: VSPDAT1.DAT"}));
    const ProgramState& e = Estado();
    EXPECT_EQ(e.Estrellas[5].x, 0.0f);
    EXPECT_EQ(e.Estrellas[5].y, 0.0f);
    EXPECT_EQ(e.Estrellas[5].z, 0.0f);
    EXPECT_EQ(e.Estrellas[5].Magnitud, 0.0f);
    EXPECT_EQ(e.EstrellasNombre[0].Codigo, std::string(8, ' '));
    EXPECT_GE(e.IndiceEstrellas[0], 2);
}

// Angles no sky or Earth holds, written into the first record: each file
// gives its message once and leaves the record empty instead of listing it.
TEST_F(CatalogosDanados, ARecordWithAnAngleOutOfRangeIsLeftEmpty) {
    const ProgramState& e = Estado();
    struct Caso {
        const char* fichero;
        std::size_t desplazamiento;  // of the angle in the record
        float valor;
        bool (*vacio)(const ProgramState&);
    } casos[] = {
        {"VSPDATH.DAT", 24, 7.97e23f, [](const ProgramState& p) { return p.Localidades[0].Nombre.front() == ' '; }},
        {"VSPDATH.DAT", 20, -0.1f, [](const ProgramState& p) { return p.Localidades[0].Nombre.front() == ' '; }},
        {"VSPDATG.DAT", 7, -2.86e14f, [](const ProgramState& p) { return p.Messier[0].x == 0; }},
        {"VSPDATE.DAT", 74, 6.6e28f, [](const ProgramState& p) { return p.Constelaciones[0].x == 0; }},
        {"VSPDAT3.DAT", 6, -22.6f, [](const ProgramState& p) { return p.Galaxias[0].x == 0; }},
        {"VSPDAT2.DAT", 22, 4.9e21f, [](const ProgramState& p) { return p.EstrellasNombre[0].x == 0; }},
    };
    for (const Caso& c : casos) {
        const std::vector<char> original = lee(c.fichero);
        std::vector<char> b = original;
        std::memcpy(b.data() + c.desplazamiento, &c.valor, 4);  // little-endian, as the files
        escribe(c.fichero, b);
        mensajes.clear();
        CargaCatalogos();
        EXPECT_EQ(mensajes, std::vector<std::string>{"ERROR CTA13 ha ocurrido\r\nArchivo: " + std::string(c.fichero)});
        EXPECT_TRUE(c.vacio(e)) << c.fichero << " at " << c.desplazamiento;
        escribe(c.fichero, original);
    }
}

TEST_F(CatalogosDanados, AFileThatCannotBeReadGivesItsErrorNumber) {
    fs::remove(carpeta / "VSPDATH.DAT");
    fs::create_directory(carpeta / "VSPDATH.DAT");
    CargaCatalogos();
    EXPECT_EQ(mensajes, std::vector<std::string>{"ERROR CTA75 ha ocurrido\r\nArchivo: VSPDATH.DAT"});
    EXPECT_TRUE(Estado().Cbo_Localidad.empty());
}

// Many thousand damaged files: cut, overwritten, extended, with NaN and
// infinities sown into them. The load never fails, gives at most one
// message for the file, and leaves every record either zero or a direction.
TEST_F(CatalogosDanados, RandomlyDamagedFilesNeverBreakTheLoad) {
    std::map<std::string, std::vector<char>> originales;
    for (const auto& [nombre, tamano] : kTamanos) {
        originales[nombre] = lee(nombre);
        fs::remove(carpeta / nombre);
    }
    std::mt19937 azar(3110);
    const auto esDireccionOCero = [](float x, float y, float z) {
        const double r2 = double(x) * x + double(y) * y + double(z) * z;
        return r2 == 0 || std::fabs(r2 - 1) < 0.03;
    };
    std::vector<std::string> nombres;
    for (const auto& [nombre, tamano] : kTamanos) nombres.push_back(nombre);
    for (int vuelta = 0; vuelta < 2500; ++vuelta) {
        const std::string& nombre = nombres[azar() % nombres.size()];
        std::vector<char> b = originales[nombre];
        switch (azar() % 4) {
            case 0: b.resize(azar() % (b.size() + 1)); break;
            case 1: b.resize(b.size() + azar() % 100, static_cast<char>(azar())); break;
            default: break;
        }
        const int danos = 1 + static_cast<int>(azar() % 40);
        for (int d = 0; d < danos && !b.empty(); ++d) {
            const std::size_t p = azar() % b.size();
            static const char kRaros[3][4] = {{0, 0, '\xc0', '\x7f'}, {0, 0, '\x80', '\x7f'}, {0, 0, '\x80', '\xff'}};
            const char* raro = kRaros[azar() % 3];
            if (azar() % 3 == 0 && p + 4 <= b.size())
                std::copy(raro, raro + 4, b.begin() + p);
            else
                b[p] = static_cast<char>(azar());
        }
        escribe(nombre, b);
        mensajes.clear();
        CargaCatalogos();
        fs::remove(carpeta / nombre);

        // Ten messages for the missing files and at most one for this one.
        ASSERT_TRUE(mensajes.size() == 10 || mensajes.size() == 11) << nombre;
        const ProgramState& e = Estado();
        for (const Estrella& s : e.Estrellas)
            ASSERT_TRUE(esDireccionOCero(s.x, s.y, s.z) && std::isfinite(s.Magnitud));
        for (const EstrellaNombre& s : std::span(e.EstrellasNombre).first(NumEstrellasNombre))
            ASSERT_TRUE(esDireccionOCero(s.x, s.y, s.z) && std::isfinite(s.Magnitud) &&
                        utf8Length(s.Codigo) == 8 && utf8Length(s.Nombre) == 10);
        for (const VerticeFigura& v : e.LineasConst) ASSERT_TRUE(esDireccionOCero(v.x, v.y, v.z));
        for (const PuntoCielo& p : e.ViaLactea) ASSERT_TRUE(esDireccionOCero(p.x, p.y, p.z));
        for (const ObjetoProfundo& o : e.Galaxias) ASSERT_TRUE(esDireccionOCero(o.x, o.y, o.z));
        for (int k = 0; k < e.NumIndiceEstrellas; ++k)
            ASSERT_TRUE(e.IndiceEstrellas[k] >= 0 && e.IndiceEstrellas[k] < NumEstrellasNombre);
        for (int i = 1; i <= NumCuerpos; ++i)
            ASSERT_TRUE(std::isfinite(e.ElementosPlanetas[i].n) && std::isfinite(e.ElementosPlanetas[i].L0));
        ASSERT_LE(e.Lst_Estre.size(), static_cast<std::size_t>(MaxIndiceEstrellas));
    }
}

}  // namespace
}  // namespace vsp
