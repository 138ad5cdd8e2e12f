// The shipped catalogues against independent references (J2000 places of
// bright stars and nebulae, the Sun from an accurate ephemeris), the list
// lines, and the load of missing, short, over-long and damaged files.
#include "catalog/catalogos.h"

#include "motor_nuevo.h"

#include <span>

#include "catalog/lector.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

constexpr double kGrado = 3.14159265358979323846 / 180;

class Catalogos : public MotorFresco<false> {
protected:
    void SetUp() override {
        MotorFresco::SetUp();
        avisos().Mensaje = [this](const std::string& titulo, const std::string& texto, int16_t lineas,
                                  int16_t tipo) {
            EXPECT_EQ(titulo, "Cargando datos iniciales");
            EXPECT_EQ(lineas, 1 + std::count(texto.begin(), texto.end(), '\n'));
            EXPECT_EQ(tipo, TipoError);
            mensajes.push_back(texto);
            return true;
        };
        FijaCarpetaPrograma(VESPERA_DATOS);
        CargaCatalogos();
    }

    std::vector<std::string> mensajes;
};

// Angle between a record's stored direction and a place given in degrees.
double separacion(const auto& o, double ar, double dec) {
    const double x = o.x, y = o.y, z = o.z;
    float rx, ry, rz;
    CosenosDirectores(ar * kGrado, dec * kGrado, rx, ry, rz);
    const double cruz = std::hypot(y * rz - z * ry, z * rx - x * rz, x * ry - y * rx);
    const double punto = x * rx + y * ry + z * rz;
    return std::atan2(cruz, punto);
}

TEST_F(Catalogos, BrightStarsAndNebulaeStandAtTheirJ2000Places) {
    const ProgramState& e = Estado();
    // J2000 places and magnitudes from python3-ephem 4.1.4 (ephem.star,
    // astrometric, epoch 2000).
    struct Ref { const char* nombre; double ar, dec, mag; } estrellas[] = {
        {"Sirius", 101.28715, -16.71612, -1.44},   {"Canopus", 95.98796, -52.69566, -0.62},
        {"Arcturus", 213.91530, 19.18241, -0.05},  {"Vega", 279.23474, 38.78369, 0.03},
        {"Rigel", 78.63447, -8.20164, 0.18},       {"Achernar", 24.42853, -57.23676, 0.45},
        {"Acrux", 186.64957, -63.09909, 0.77},     {"Antares", 247.35192, -26.43200, 1.06},
        {"Deneb", 310.35798, 45.28034, 1.25},      {"Polaris", 37.95451, 89.26411, 1.97}};
    const double minuto = kGrado / 60;
    for (const Ref& r : estrellas) {
        EXPECT_TRUE(std::any_of(e.Estrellas.begin(), e.Estrellas.begin() + 200, [&](const Estrella& s) {
            return separacion(s, r.ar, r.dec) < minuto && std::fabs(s.Magnitud - r.mag) < 0.3;
        })) << r.nombre;
    }
    // Messier objects, J2000 (M31 and M42 from their nuclei and the
    // Trapezium region; M45 the cluster's conventional centre, 3h47m +24 07').
    struct RefM { int m; double ar, dec; } nebulosas[] = {
        {31, 10.6847, 41.2690}, {42, 83.8221, -5.3911}, {45, 56.75, 24.1167}};
    for (const RefM& r : nebulosas)
        EXPECT_LT(separacion(e.Messier[r.m - 1], r.ar, r.dec), minuto) << "M" << r.m;
}

// Every record carries its place twice, as angles for the listings and as a
// direction for the chart: the two must be the same place.
TEST_F(Catalogos, EveryRecordsAnglesAndDirectionAreOnePlace) {
    const ProgramState& e = Estado();
    const double minuto = kGrado / 60;
    const auto comprueba = [&](const auto& tabla, const char* nombre) {
        int vistos = 0;
        for (const auto& o : tabla) {
            if (o.x == 0 && o.y == 0 && o.z == 0) continue;
            ++vistos;
            ASSERT_LT(separacion(o, o.AR / kGrado, o.Dec / kGrado), minuto) << nombre << " " << vistos;
        }
        EXPECT_GT(vistos, 80) << nombre;
    };
    comprueba(e.Messier, "Messier");
    comprueba(e.Galaxias, "galaxies");
    comprueba(e.NebPlanetarias, "planetary nebulae");
    comprueba(e.NebDifusas, "diffuse nebulae");
    comprueba(std::span(e.EstrellasNombre).first(NumEstrellasNombre), "named stars");
    // Names in their three languages: Orion is constellation 59.
    const Constelacion& orion = e.Constelaciones[59];
    EXPECT_EQ(std::tuple(orion.Nivel, orion.Abreviatura, orion.NombreLatino, orion.Genitivo,
                         orion.NombreCastellano),
              std::tuple(1, "Ori", padRight("Orion", 20), padRight("Orionis", 20), padRight("Orión", 20)));
}

// The dots of each star level end on a step of the catalogue's magnitudes,
// and the named stars labelled at that level end with them.
TEST_F(Catalogos, StarLevelsEndOnAStepOfMagnitudeAndTheirLabelsWithThem) {
    const ProgramState& e = Estado();
    // The faintest magnitude of each level and the first one past it. Levels
    // 4 to 6 end among stars of equal magnitude.
    const float ultima[8] = {0, 0.98f, 2.04f, 3.10f, 4.47f, 5.5f, 6.52f, 7.54f};
    const float siguiente[7] = {0, 1.06f, 2.05f, 3.11f, 4.47f, 5.5f, 6.52f};
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(::testing::Message() << "level " << k);
        const int c = e.CortesEstrellas[k], n = e.CortesEstrellasNombre[k];
        EXPECT_FLOAT_EQ(e.Estrellas[c].Magnitud, ultima[k]);
        EXPECT_LE(e.EstrellasNombre[n].Magnitud, e.Estrellas[c].Magnitud);
        if (k == 7) {
            EXPECT_EQ(c, NumEstrellas - 1);
            EXPECT_EQ(n, NumEstrellasNombre - 1);
            break;
        }
        EXPECT_FLOAT_EQ(e.Estrellas[c + 1].Magnitud, siguiente[k]);
        EXPECT_GE(e.EstrellasNombre[n + 1].Magnitud, e.Estrellas[c].Magnitud);
    }
    for (int i = 1; i < NumEstrellas; ++i) ASSERT_LE(e.Estrellas[i - 1].Magnitud, e.Estrellas[i].Magnitud) << i;
    for (int i = 1; i < NumEstrellasNombre; ++i)
        ASSERT_LE(e.EstrellasNombre[i - 1].Magnitud, e.EstrellasNombre[i].Magnitud) << i;
}

TEST_F(Catalogos, CitiesPutMalagaAt95AndTheSpanishCapitalsAreThere) {
    const ProgramState& e = Estado();
    ASSERT_EQ(e.Cbo_Localidad.size(), 178u);
    EXPECT_EQ(e.Cbo_Localidad[95].substr(0, 7), "Málaga");
    for (const std::string& c : e.Cbo_Localidad) EXPECT_EQ(utf8Length(c), 20u) << c;
    EXPECT_NEAR(e.Localidades[95].Latitud / kGrado, 36.72, 0.05);
    EXPECT_NEAR(e.Localidades[95].Longitud / kGrado, 4.42, 0.05);  // west
    for (const char* c : {"A Coruña", "Ávila", "Cáceres", "Ceuta", "Las Palmas G.C.", "Madrid", "Melilla",
                          "Palma Mallorca", "S.C. Tenerife", "San Sebastián", "Vitoria-Gasteiz", "Zaragoza"})
        EXPECT_EQ(std::count(e.Cbo_Localidad.begin(), e.Cbo_Localidad.end(), padRight(c, 15) + " ESP "), 1) << c;
}

// The rows the search dialog's reference pictures do not show; its own tests
// count the rows of every listing.
TEST_F(Catalogos, ListLinesKeepTheirColumns) {
    const ProgramState& e = Estado();
    ASSERT_EQ(e.Lst_Messi.size(), 109u);
    EXPECT_EQ(e.Lst_Messi[0], "  1 1952    Resto de supernova    Cangrejo          8.4"
                              "    5h 34m 30s   22° 01' 00\"");
    EXPECT_EQ(e.Lst_Messi[101], "102 5866    Galaxia lenticular  ");  // no name, place or magnitude
    EXPECT_EQ(e.Lst_Const[0], " And   Andromeda             Andromedae            Andrómeda"
                              "              90N a 68S");  // the last, Andromeda's visibility
}

TEST_F(Catalogos, StarListingHoldsEveryBayerStarAndEveryStarToMagnitude3) {
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
    EXPECT_LE(k, MaxIndiceEstrellas);
    EXPECT_EQ(e.Lst_Estre.size(), static_cast<std::size_t>(k));
    CargaCatalogos();
    EXPECT_EQ(e.Lst_Estre.size(), static_cast<std::size_t>(k)) << "loaded again, listed once";
    // Hours without their first blank, the declination's sign (or a blank),
    // degrees and minutes, the kind tag.
    EXPECT_EQ(e.Lst_Estre[0], "Alf CMa   6h 45m 09s - 16° 42' -1.4 M Sirio     ");
    const auto arturo = std::find_if(e.Lst_Estre.begin(), e.Lst_Estre.end(),
                                     [](const std::string& l) { return l.find("Arturo") != std::string::npos; });
    ASSERT_NE(arturo, e.Lst_Estre.end());
    EXPECT_EQ(arturo->substr(20, 12), "   19° 10' ") << *arturo;
}

// ---- Damaged installations ---------------------------------------------------

class CatalogosDanados : public Catalogos {
protected:
    void SetUp() override {
        Catalogos::SetUp();
        carpeta = CarpetaDePrueba();
        for (const auto& f : fs::directory_iterator(VESPERA_DATOS))
            if (f.path().extension() == ".DAT" || f.path().filename() == FicheroZonas)
                fs::copy_file(f.path(), carpeta / f.path().filename());
        FijaCarpetaPrograma(carpeta.string());
    }
    void TearDown() override {
        fs::remove_all(carpeta);
        Catalogos::TearDown();
    }
    std::vector<std::string> recarga() {  // the messages a new load gives
        mensajes.clear();
        CargaCatalogos();
        return mensajes;
    }
    fs::path carpeta;
};

TEST_F(CatalogosDanados, AMissingFolderOrFileIsReportedOnceAndTheRestLoads) {
    FijaCarpetaPrograma((carpeta / "no-existe").string());
    EXPECT_EQ(recarga(), std::vector<std::string>(12, "ERROR CTA76: La senda no existe"));
    EXPECT_TRUE(Estado().Cbo_Localidad.empty());

    FijaCarpetaPrograma(carpeta.string());
    fs::remove(carpeta / "VSPDATG.DAT");
    EXPECT_EQ(recarga(), std::vector<std::string>{"ERROR CTA53: No existe el fichero"});
    EXPECT_TRUE(Estado().Lst_Messi.empty());
    EXPECT_EQ(Estado().Messier[0].x, 0.0f);
    EXPECT_EQ(Estado().Lst_Const.size(), 88u);
}

// The cities' zones: a line naming another city gives no zone, a damaged
// line is reported once, and every other city keeps its own.
TEST_F(CatalogosDanados, TheZonesFileGivesEachCityOnlyItsOwnZone) {
    const ProgramState& e = Estado();
    const int madrid = IndiceCiudad("Madrid"), tokio = IndiceCiudad("Tokio");
    EXPECT_EQ(e.ZonasLocalidades[madrid], "Europe/Madrid");
    EXPECT_EQ(e.ZonasLocalidades[IndiceCiudad("Las Palmas G.C.")], "Atlantic/Canary");
    EXPECT_EQ(e.ZonasLocalidades[IndiceCiudad("Nicosia")], "Asia/Nicosia");
    EXPECT_EQ(std::count(e.ZonasLocalidades.begin(), e.ZonasLocalidades.end(), ""), 0);

    std::string texto = ContenidoDe(carpeta / FicheroZonas);
    const auto reemplaza = [&](const std::string& de, const std::string& a) {
        const auto p = texto.find(de);
        ASSERT_NE(p, std::string::npos) << de;
        texto.replace(p, de.size(), a);
    };
    reemplaza("\tMadrid\t", "\tMadriz\t");                                    // another list's city
    reemplaza("Asia/Tokyo", "../../etc/passwd");                                // no zone name
    reemplaza("\tLondres\tEurope/London\n", "\tLondres\tEurope/London\r\n");  // a line ended on Windows
    EscribeContenido(carpeta / FicheroZonas, texto);
    EXPECT_EQ(recarga(), std::vector<std::string>{
                             "ERROR CTA13 ha ocurrido\r\nArchivo: VSPZONAS.TXT\r\nTiene datos dañados."});
    EXPECT_EQ(e.ZonasLocalidades[madrid], "");
    EXPECT_EQ(e.ZonasLocalidades[tokio], "");
    EXPECT_EQ(e.ZonasLocalidades[IndiceCiudad("Londres")], "Europe/London");
    EXPECT_EQ(std::count(e.ZonasLocalidades.begin(), e.ZonasLocalidades.end(), ""), 2);
}

TEST_F(CatalogosDanados, AShortFileLeavesItsLastRecordsBlank) {
    std::string b = ContenidoDe(carpeta / "VSPDATG.DAT");
    b.resize(50 * 66 + 30);  // 50 records and part of the 51st
    EscribeContenido(carpeta / "VSPDATG.DAT", b);
    EXPECT_EQ(recarga(), std::vector<std::string>{"ERROR CTA62 ha ocurrido\r\nArchivo: VSPDATG.DAT\r\nEl archivo está incompleto."});
    const ProgramState& e = Estado();
    EXPECT_NE(e.Messier[49].x, 0.0f);
    EXPECT_EQ(e.Messier[50].x, 0.0f);
    EXPECT_EQ(e.Messier[108].Nombre, std::string(15, ' '));
    ASSERT_EQ(e.Lst_Messi.size(), 109u);  // positions still match the table
    EXPECT_EQ(utf8Length(e.Lst_Messi[100]), utf8Length(e.Lst_Messi[0]));
}

TEST_F(CatalogosDanados, AnOverlongFileIsReportedAndItsRecordsKept) {
    std::string b = ContenidoDe(carpeta / "VSPDAT1.DAT");
    b.insert(b.end(), 18 * 3, '\x7f');
    EscribeContenido(carpeta / "VSPDAT1.DAT", b);
    EXPECT_EQ(recarga(), std::vector<std::string>{"ERROR CTA59 ha ocurrido\r\nArchivo: VSPDAT1.DAT\r\nTiene más bytes que sus registros."});
    EXPECT_NE(Estado().Estrellas[NumEstrellas - 1].z, 0.0f);
}

// Not-a-number and angles no sky or Earth holds, written into one field of a
// record: each file gives its message once and leaves the record empty
// instead of listing it.
TEST_F(CatalogosDanados, ARecordWithNaNOrAnAngleOutOfRangeIsLeftEmpty) {
    // The bytes of a field, little-endian as the files.
    const auto simple = [](float v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    const auto doble = [](double v) { return std::string(reinterpret_cast<const char*>(&v), 8); };
    const double nan = std::nan("");
    using P = const ProgramState&;
    struct Caso { std::string fichero; std::size_t desplazamiento; std::string bytes; bool (*vacio)(P); };
    const Caso casos[] = {
        {"VSPDATH.DAT", 24, simple(7.97e23), [](P p) { return p.Localidades[0].Nombre == padRight("", 20); }},
        {"VSPDATH.DAT", 20, simple(-0.1), [](P p) { return p.Localidades[0].Nombre.front() == ' '; }},
        {"VSPDATG.DAT", 7, simple(-2.86e14), [](P p) { return p.Messier[0].x == 0; }},
        {"VSPDATE.DAT", 74, simple(6.6e28), [](P p) { return p.Constelaciones[0].x == 0; }},
        {"VSPDAT3.DAT", 6, simple(-22.6), [](P p) { return p.Galaxias[0].x == 0; }},
        {"VSPDAT2.DAT", 22, simple(4.9e21), [](P p) { return p.EstrellasNombre[0].x == 0; }},
        {"VSPDAT2.DAT", 26, simple(nan),  // Sirius's magnitude: nor listed
         [](P p) { return p.EstrellasNombre[0].Codigo == std::string(8, ' ') && p.IndiceEstrellas[0] != 0; }},
        {"VSPDAT2.DAT", 44 + 36, simple(nan), [](P p) { return p.EstrellasNombre[1].x == 0; }},
        {"VSPDAT1.DAT", 5 * 18, simple(nan),
         [](P p) { return p.Estrellas[5].Magnitud == 0 && p.Estrellas[5].z == 0; }},
        {"VSPDAT1.DAT", 5 * 18 + 10, simple(nan), [](P p) { return p.Estrellas[5].x == 0; }},
        {"VSPDATF.DAT", 107 + 51, doble(nan), [](P p) { return p.ElementosPlanetas[1].n == 0; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(::testing::Message() << c.fichero << " at " << c.desplazamiento);
        const std::string original = ContenidoDe(carpeta / c.fichero);
        std::string b = original;
        EscribeContenido(carpeta / c.fichero, b.replace(c.desplazamiento, c.bytes.size(), c.bytes));
        EXPECT_EQ(recarga(), std::vector<std::string>{"ERROR CTA13 ha ocurrido\r\nArchivo: " + c.fichero + "\r\nTiene datos dañados."});
        EXPECT_TRUE(c.vacio(Estado()));
        EscribeContenido(carpeta / c.fichero, original);
    }
}

TEST_F(CatalogosDanados, AFileThatCannotBeReadGivesItsErrorNumber) {
    fs::remove(carpeta / "VSPDATH.DAT");
    fs::create_directory(carpeta / "VSPDATH.DAT");
    EXPECT_EQ(recarga(), std::vector<std::string>{"ERROR CTA75 ha ocurrido\r\nArchivo: VSPDATH.DAT\r\nNo es un archivo normal o no se puede abrir."});
    EXPECT_TRUE(Estado().Cbo_Localidad.empty());
}

// Record fields: little-endian numbers at any offset and Windows-1252 text.

TEST(Lector, DecodesLittleEndianFieldsAtOddOffsets) {
    // An int16 at 1, a float at 3, a double at 7: no alignment anywhere.
    const std::vector<uint8_t> b = {0xAA, 0xFE, 0xFF, 0x00, 0x00, 0xC0, 0xBF, 0x00,
                                    0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x7F};
    const Registro r(b);
    EXPECT_EQ(r.entero(1), -2);
    EXPECT_EQ(r.simple(3), -1.5f);
    EXPECT_TRUE(std::isinf(r.doble(7)));
    EXPECT_FALSE(r.doblesFinitos({7}));
    EXPECT_TRUE(r.simplesFinitos({3}));
}

TEST(Lector, TextKeepsOneCharacterPerByte) {
    const std::vector<uint8_t> b = {'M', 0xE1, 'l', 'a', 'g', 'a', 0x80, 0x00, 0x81, 0xD1};
    EXPECT_EQ(cp1252AUtf8(b), "Málaga€ \xEF\xBF\xBDÑ");
    EXPECT_EQ(Registro(b).texto(1, 1), "á");
}

}  // namespace
}  // namespace vsp
