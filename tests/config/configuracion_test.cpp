// Configuration files: save and load round trips, the name rules, the
// overwrite question, the defaults, what a load restores and what it keeps,
// and damaged files that must never crash or corrupt.
#include "config/configuracion.h"

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

#include "motor_nuevo.h"

#include "core/ficheros.h"

namespace vsp {
namespace {

namespace fs = std::filesystem;

class Configuraciones : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo(false);
        FijaCarpetaPrograma(VESPERA_DATOS);
        avisos().Mensaje = [this](const std::string& titulo, const std::string& texto, int16_t, int16_t) {
            mensajes.push_back(titulo + ": " + texto);
            return true;
        };
        carpeta = CarpetaDePrueba();
        Estado().CarpetaTrabajo = carpeta.string();
    }
    void TearDown() override {
        FijaEscritorBytes(nullptr);
        ReiniciaAvisos();
        fs::remove_all(carpeta);
    }

    // Each gives the file state it leaves.
    static int16_t guarda(const std::string& nombre) {
        Estado().NombreConfig = nombre;
        GuardaConfig();
        return Estado().EstadoArchivo;
    }
    static int16_t carga(const std::string& nombre) {
        Estado().NombreConfig = nombre;
        CargaConfig();
        return Estado().EstadoArchivo;
    }
    std::vector<std::string> ficheros() {
        std::vector<std::string> r;
        for (const auto& f : fs::directory_iterator(carpeta)) r.push_back(f.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    }

    fs::path carpeta;
    std::vector<std::string> mensajes;
};

// A state with every configurable value random within its range.
void estadoAlAzar(std::mt19937& azar) {
    ProgramState& e = Estado();
    auto real = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    auto entero = [&](int a, int b) -> int16_t { return std::uniform_int_distribution<int>(a, b)(azar); };
    e.DiaJuliano = real(-0.5, 4642999.499);
    e.IndiceLocalidad = entero(-1, 177);
    e.Longitud = real(0, 6.28);
    e.Latitud = real(-1.57, 1.57);
    e.Direccion = real(0, 6.28);
    e.Elevacion = real(0, 1.57);
    e.Zoom = static_cast<float>(real(1, 15));
    e.DescripcionConfig = "Cielo, \"raro\"\r\nde Málaga " + std::to_string(entero(0, 999));
    using S = ProgramState;
    const struct { int16_t S::*campo; int a, b; } enteros[] = {
        {&S::NivelEstrellas, 0, 7}, {&S::NivelConstel, 0, 4},     {&S::NivelGalaxias, 1, 4},
        {&S::NivelNebPlanetarias, 1, 2}, {&S::NivelNebDifusas, 1, 2}, {&S::NivelCumAbiertos, 1, 2},
        {&S::NivelCumGlobulares, 1, 2}, {&S::IdEstrellas, 0, 2},  {&S::IdConstel, 0, 3},
        {&S::IdMessier, 0, 2},      {&S::TipoTiempo, 0, 1},       {&S::UnidadAnima, 1, 12},
        {&S::IncluirAnima, 0, 1},   {&S::AnchoImpresion, 100, 300}, {&S::AltoImpresion, 75, 225},
        {&S::Velocidad, 0, 100},    {&S::HorarioVerano, 0, 1},    {&S::FactorAnima, 1, 99},
        {&S::ImprimirDatos, 0, 1},  {&S::PanelControl, 1, 2},     {&S::PanelCursor, 1, 2},
        {&S::PanelLocalizacion, 1, 2}, {&S::PanelObjetos, 1, 2},  {&S::FormatoHora, 1, 2},
        {&S::SentidoImagen, 1, 2},  {&S::Precesion, 1, 2},        {&S::Telescopio, 1, 2}, {&S::Sonido, 1, 2}};
    for (const auto& c : enteros) e.*c.campo = entero(c.a, c.b);
    for (int16_t& c : e.Casillas) c = entero(0, 1);
    if (e.Casillas[Chk_ARDEC15]) e.Casillas[Chk_ARDEC30] = 0;
    e.CampoTelescopio = real(0, 0.52);
    e.ZonaHoraria = static_cast<float>(entero(-24, 24)) / 2;
}

TEST_F(Configuraciones, SavingThenLoadingRestoresEveryField) {
    std::mt19937 azar(61);
    for (int vuelta = 0; vuelta < 200; ++vuelta) {
        estadoAlAzar(azar);
        fs::remove(carpeta / "viaje.vpc");
        ASSERT_EQ(guarda("viaje"), 0);
        const ProgramState antes = Estado();
        const std::string texto = TextoConfiguracion();
        // The load dialog's summary of the file tells the same situation.
        const ResumenConfig r = LeeResumenConfig("viaje.vpc");
        ASSERT_EQ(r.error, 0);
        EXPECT_EQ(std::tuple(r.DiaJuliano, r.Localidad, r.Longitud, r.Latitud, r.Direccion, r.Elevacion, r.Zoom),
                  std::tuple(antes.DiaJuliano, antes.IndiceLocalidad, antes.Longitud, antes.Latitud, antes.Direccion,
                             antes.Elevacion, antes.Zoom));

        ReiniciaEstado();
        CreaTablas();
        Estado().CarpetaTrabajo = carpeta.string();
        Estado().Casillas = antes.Casillas;  // the boxes a load does not restore
        ASSERT_EQ(carga("VIAJE.vpc"), 0);
        const ProgramState& e = Estado();
        EXPECT_EQ(TextoConfiguracion(), texto);
        EXPECT_EQ(std::tuple(e.DiaJuliano, e.Zoom, e.ZonaHoraria, e.CampoTelescopio, e.TelescopioRadio),
                  std::tuple(antes.DiaJuliano, antes.Zoom, antes.ZonaHoraria, antes.CampoTelescopio,
                             antes.CampoTelescopio / 2));
        EXPECT_EQ(e.DescripcionConfig.find_first_of("\"\r\n"), std::string::npos);
        const double sidereo = e.TiempoSidereo;
        ActualizaTiempo();
        EXPECT_EQ(e.TiempoSidereo, sidereo) << "the load brings the sidereal time to the loaded instant";
    }
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(ficheros(), std::vector<std::string>{"viaje.vpc"});
}

TEST_F(Configuraciones, NamesAreCorrectedToVpcAndListedInAlphabeticalOrder) {
    struct Caso { const char* escrito; const char* guardado; } casos[] = {
        {"nombre", "nombre.vpc"}, {"nombre.txt", "nombre.vpc"}, {"a.b.vpc", "a.b.vpc"},
        {"a.b.c", "a.vpc"},       {"NOMBRE.VPC", "NOMBRE.VPC"}, {"Viaje.WRK", "Viaje.WRK"}};
    for (const auto& c : casos) {
        guarda(c.escrito);
        EXPECT_EQ(Estado().NombreConfig, c.guardado);
        EXPECT_TRUE(fs::exists(carpeta / c.guardado)) << c.escrito;
        fs::remove(carpeta / c.guardado);
    }
    EXPECT_EQ(guarda(".x"), 1);
    EXPECT_EQ(mensajes, std::vector<std::string>{
                            "Guardar configuración: El archivo debe tener el formato:  nombre.vpc"});
    EXPECT_EQ(guarda("sub/fuera"), 52);
    EXPECT_TRUE(ficheros().empty());
    for (const char* nombre : {"b.VPC", "a.vpc", "c.txt", "B.vpc"}) EscribeContenido(carpeta / nombre, "");
    EXPECT_EQ(ListaConfiguraciones(), (std::vector<std::string>{"a.vpc", "B.vpc", "b.VPC"}));
}

// A No to the question is the load dialog's to check, and the undo point,
// saved with no question, the centring's.
TEST_F(Configuraciones, ReplacingAFileOfAnotherCaseAsksFirstAndKeepsItsName) {
    EscribeContenido(carpeta / "Viaje.VPC", "viejo");
    EXPECT_EQ(guarda("VIAJE"), 0);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_NE(mensajes[0].find("¿Desea  actualizarlo"), std::string::npos);
    EXPECT_EQ(ficheros(), std::vector<std::string>{"Viaje.VPC"});
    EXPECT_EQ(ContenidoDe(carpeta / "Viaje.VPC"), TextoConfiguracion());
}

// A full disk, a write cut halfway, a file that cannot be closed or synced: the
// save reports it and the old file stays byte for byte, with no temporary beside it.
TEST_F(Configuraciones, AFailedWriteLeavesTheOldFileByteForByte) {
    guarda("viaje");
    const std::string antes = ContenidoDe(carpeta / "viaje.vpc");
    Estado().Zoom = 7;
    const struct { EscritorBytes escritor; int16_t error; const char* motivo; } casos[] = {
        {[](int, std::string_view) { return ENOSPC; }, 61, "No queda espacio en el dispositivo"},
        {[](int fd, std::string_view b) { return ::write(fd, b.data(), b.size() / 2) < 0 ? errno : EIO; }, 57,
         "Error de entrada/salida"},
        {[](int fd, std::string_view b) { return ::write(fd, b.data(), b.size()) < 0 || ::close(fd) != 0 ? errno : 0; }, 75,
         "Descriptor de fichero erróneo"},
        {[](int fd, std::string_view b) {  // whole, but on a descriptor that cannot be synced
             int tubo[2];
             if (::write(fd, b.data(), b.size()) < 0 || ::pipe(tubo) != 0) return errno;
             ::dup2(tubo[1], fd);
             ::close(tubo[0]);
             ::close(tubo[1]);
             return 0;
         }, 75, "Argumento inválido"},
    };
    for (const auto& c : casos) {
        mensajes.clear();
        FijaEscritorBytes(c.escritor);
        EXPECT_EQ(guarda("viaje"), c.error);
        EXPECT_EQ(mensajes.size(), 2u);  // the question, then the error
        EXPECT_EQ(mensajes.back(), "Guardar configuración: ERROR SID" + std::to_string(c.error) +
                                       " ha ocurrido.\r\nArchivo: viaje.vpc\r\n" + c.motivo + ".");
        EXPECT_EQ(ContenidoDe(carpeta / "viaje.vpc"), antes);
        EXPECT_EQ(ficheros(), std::vector<std::string>{"viaje.vpc"});
    }

    // The real writer, on a disk that lets no file grow past 16 bytes.
    FijaEscritorBytes(nullptr);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit corto{16, limite.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &corto);
    const int16_t error = guarda("viaje");
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_NE(error, 0);
    EXPECT_EQ(ContenidoDe(carpeta / "viaje.vpc"), antes);

    // A good write keeps the mode the file had.
    const auto modo = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(carpeta / "viaje.vpc", modo);
    EXPECT_EQ(guarda("viaje"), 0);
    EXPECT_EQ(fs::status(carpeta / "viaje.vpc").permissions(), modo);

    Estado().CarpetaTrabajo = (carpeta / "no-existe").string();
    EXPECT_EQ(guarda("otro"), 76);
    EXPECT_EQ(mensajes.back(), "Guardar configuración: ERROR SID76 : La senda no existe.");
}

// The built-in values of the third line, past its first two, and the fourth's.
const std::string kRestoPorDefecto =
    ",3,1,1,1,1,1,1,1,1,0,3,0,1,1,1,1,0,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,1,1,1,0,0,0,1,1\r\n"
    "100,50,1,1,1,2,1,2,2,1,1,0.0523596,50,0,0,1,0,0\r\n";

// "Inicial.vpc" is read silently over the defaults, not over the state: a missing
// one gives Málaga (city 95) looking south 45 degrees up at zoom 2, in 2084.
TEST_F(Configuraciones, AMissingOrShortInitialFileKeepsTheDefaultsForWhatItLacks) {
    ProgramState& e = Estado();
    CargaCatalogos();
    const std::string corto = "2451545,-1,0.1,0.7,3.14,0.5,3\r\n\"Corto\"\r\n2,1";
    const std::string situaciones[] = {
        "2482294,95,0.0829029977321625,0.640890002250671,3.1415926536,0.785398852000001,2\r\n\"\"\r\n1,1",
        corto};
    for (const std::string& queda : situaciones) {
        if (queda == corto) EscribeContenido(carpeta / "INICIAL.VPC", corto);
        e.Velocidad = 77;
        e.NivelEstrellas = 5;
        EXPECT_EQ(carga("Inicial.vpc"), 0);
        EXPECT_EQ(TextoConfiguracion(), queda + kRestoPorDefecto);
    }
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(Configuraciones, ALoadRestoresEveryPlanetAndNeverRealTime) {
    ProgramState& e = Estado();
    e.Casillas.fill(0);
    guarda("planetas");
    e.Casillas.fill(1);
    e.Casillas[Chk_ARDEC30] = 0;
    e.TiempoRealActivo = 1;
    EXPECT_EQ(carga("planetas.vpc"), 0);
    EXPECT_EQ(e.Casillas[Chk_Plane(5)], 0);  // Júpiter restored
    for (int p = 6; p <= 9; ++p) EXPECT_EQ(e.Casillas[Chk_Plane(p)], 0) << "planet " << p;  // Saturno..Plutón too
    EXPECT_EQ(e.Casillas[Chk_LimCo], 1);     // keeps its state
    EXPECT_EQ(e.Casillas[Chk_Quasa], 1);
    EXPECT_EQ(e.Casillas[Chk_Horiz], 0);
    EXPECT_EQ(e.TiempoRealActivo, 0);
    // Ticked, the planets beyond Jupiter come back ticked, and are written
    // back as they were read.
    e.Casillas.fill(0);
    for (int p = 6; p <= 9; ++p) e.Casillas[Chk_Plane(p)] = 1;
    guarda("exteriores");
    const std::string escrito = TextoConfiguracion();
    e.Casillas.fill(0);
    EXPECT_EQ(carga("exteriores.vpc"), 0);
    for (int p = 6; p <= 9; ++p) EXPECT_EQ(e.Casillas[Chk_Plane(p)], 1) << "planet " << p;
    EXPECT_EQ(TextoConfiguracion(), escrito);
}

// Numbers in every usual form, and values out of range, which are brought
// into the range of the dialog that sets them (a field that is not a number
// takes its default): the state they leave, written back.
TEST_F(Configuraciones, NumbersAreReadInEveryFormAndBroughtIntoRange) {
    struct Caso { const char* texto; const char* queda; } casos[] = {
        {"2.4515455E+06 , -2,.5, -0.25e0,1e-400,0.5, 2.5\r\n\"Una, dos\"\r\n"
         "7,4,0,2,2,2,2,2,3,2,0,0,12,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,1,1,1,1,1,1,1,1\r\n"
         "150 , 112,1,1,1,1,1,1,1,1,1,+5.2e-2,100,-3.5,1,0,0,1\r\n",
         "2451545.5,-1,0.5,-0.25,0,0.5,2.5\r\n\"Una, dos\"\r\n"
         "7,4,1,2,2,2,2,2,3,2,0,0,12,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,1,1,1,0,1,1,1,1\r\n"
         "150,112,1,1,1,1,1,1,1,1,1,0.052,100,-3.5,1,1,0,1\r\n"},
        {"1e300,178,7,9,-7,2,0\r\n\"x\"\r\n"
         "9,9,9,5,-1,3,0,7,8,-3,4,0,13,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"
         "-5,30000,0,3,7,-1,9,0,5,1,1,nan,,13,4,100,1,5\r\n",  // an empty field reads as 0
         "4642999.499,-1,0.7168146927999999,1.5707963268,5.5663706144,1.5707963268,1\r\n\"x\"\r\n"
         "7,4,4,2,1,2,1,2,3,0,1,0,12,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,1,1,1,0,1,1,1,1\r\n"
         "10,2000,2,2,2,2,2,2,2,1,1,0.0523596,0,12,1,99,0,1\r\n"}};
    for (const Caso& c : casos) {
        EscribeContenido(carpeta / "formas.vpc", c.texto);
        Estado().EstadoArchivo = 53;  // what a failed load before left
        EXPECT_EQ(carga("formas.vpc"), 0);
        EXPECT_EQ(TextoConfiguracion(), c.queda);
        EXPECT_EQ(LeeResumenConfig("formas.vpc").Localidad, Estado().IndiceLocalidad) << "the load dialog's summary";
    }
    EXPECT_TRUE(mensajes.empty());
}

// A file that cannot be read whole is reported and changes nothing; the
// command line gets the place and the reason in words instead.
TEST_F(Configuraciones, AFailedLoadIsReportedAndLeavesTheStateAsItWas) {
    const std::string antes = TextoConfiguracion();
    struct Caso { const char *nombre, *contenido; int16_t error; const char *mensaje, *motivo; } casos[] = {
        {"nada.vpc", nullptr, 53, "No existe un archivo con ese nombre.", "no existe"},
        {"texto.vpc", "2451545,1aaaaaaaaaaaaaaaaaaaaaañññ,0,0,0,0,2\r\n", 13,  // cut to 24 bytes, between characters
         "ERROR CID13 ha ocurrido.\r\nArchivo: texto.vpc\r\nLínea 1, campo 2: «1aaaaaaaaaaaaaaaaaaaaaa» no es un número.",
         "línea 1, campo 2: «1aaaaaaaaaaaaaaaaaaaaaa» no es un número"},
        {"grande.vpc", "2451545,99999,0,0,0,0,2\r\n", 6, "ERROR CID06 ha ocurrido.\r\nArchivo: grande.vpc\r\nLínea 1, campo 2: «99999» no cabe en este campo (-32768 a 32767).",
         "línea 1, campo 2: «99999» no cabe en este campo (-32768 a 32767)"},
        {"cortado.vpc", "2451545,3,0.1,0.7,3.14,0.5,3\r\n\"x\"\r\n2,1", 62,
         "ERROR CID62 ha ocurrido.\r\nArchivo: cortado.vpc\r\nLínea 3, campo 3: falta, el archivo termina antes de tiempo.",
         "línea 3, campo 3: falta, el archivo termina antes de tiempo"},
        {"carpeta.vpc", nullptr, 75, "ERROR CID75 ha ocurrido.\r\nArchivo: carpeta.vpc\r\nNo es un archivo normal o no se puede abrir.",
         "no es un archivo normal o no se puede abrir"},
    };
    fs::create_directory(carpeta / "carpeta.vpc");
    for (const Caso& c : casos) {
        mensajes.clear();
        if (c.contenido) EscribeContenido(carpeta / c.nombre, c.contenido);
        EXPECT_EQ(carga(c.nombre), c.error) << c.nombre;
        EXPECT_EQ(mensajes, std::vector<std::string>{std::string("Cargar configuración: ") + c.mensaje}) << c.nombre;
        EXPECT_EQ(TextoConfiguracion(), antes) << c.nombre;
        EXPECT_EQ(Estado().CargandoConfig, 0);

        std::string ruta, motivo;
        avisos().ErrorArchivo = [&](const std::string& r, const std::string& m) { ruta = r, motivo = m; };
        carga(c.nombre);
        avisos().ErrorArchivo = nullptr;
        EXPECT_EQ(ruta, (carpeta / c.nombre).string());
        EXPECT_EQ(motivo, c.motivo);
        EXPECT_EQ(mensajes.size(), 1u) << "no message box besides";
    }
}

}  // namespace
}  // namespace vsp
