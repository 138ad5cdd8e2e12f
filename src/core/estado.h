// The program state: every variable that more than one part of VESPERA
// reads or writes, in one flat struct with one process-wide instance.
// Integer fields are 16-bit, Single fields float, flags True = -1.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/registros.h"

namespace vsp {

// Positions of the objects dialog's 28 check boxes, in the order in which a
// configuration file stores them.
enum CasillaObjeto : int {
    Chk_Sol, Chk_Luna,
    Chk_Plane1, Chk_Plane2, Chk_Plane3, Chk_Plane4, Chk_Plane5,
    Chk_Plane6, Chk_Plane7, Chk_Plane8, Chk_Plane9,
    Chk_Galax, Chk_NebPl, Chk_NebDi, Chk_CumAb, Chk_CumGl,
    Chk_Quasa, Chk_Pulsa, Chk_Aguje,
    Chk_ARDEC30, Chk_ARDEC15, Chk_Horiz, Chk_Eclip, Chk_LimCo,
    Chk_LuzDi, Chk_ViaLa, Chk_Messi, Chk_IdentiProfun,
    NumCasillasObjeto
};

// The main window's location and time panel, as ActualizaPanel writes it.
struct TextosPanel {
    std::string Tex_Loca, Tex_Longi, Tex_Lati, Tex_Direc, Tex_Eleva, Tex_Zoom;
    std::string Tex_FecUni, Tex_HorUni, Tex_FecLoc, Tex_HorLoc, Tex_FecJul;
};

// Chk_Plane(1) .. Chk_Plane(9): Mercurio .. Pluton.
constexpr int Chk_Plane(int planeta) { return Chk_Plane1 + planeta - 1; }

// Table sizes.
inline constexpr int NumLocalidades = 178;
inline constexpr int NumCuerpos = 11;             // entries 1..11
inline constexpr int NumMessier = 109;
inline constexpr int NumConstelaciones = 88;
inline constexpr int NumLineasConst = 873;
inline constexpr int NumGalaxias = 1234;
inline constexpr int NumNebPlanetarias = 142;
inline constexpr int NumNebDifusas = 174;
inline constexpr int NumEstrellasNombre = 2583;
inline constexpr int CapacidadEstrellasNombre = 2586;
inline constexpr int MaxIndiceEstrellas = 1483;
inline constexpr int NumEstrellas = 26520;
inline constexpr int CapacidadEstrellas = 26527;
inline constexpr int NumViaLactea = 900;
inline constexpr int MaxRejillaAD15 = 325;
inline constexpr int MaxRejillaAD30 = 91;
inline constexpr int MaxEcliptica = 61;
inline constexpr int MaxCirculoUnidad = 73;
inline constexpr int NumUnidades = 12;
inline constexpr int NumLineasPlanetas = 11;
inline constexpr int NumTextosLeyenda = 27;

// Body indices of the solar-system table.
inline constexpr int CuerpoTierra = 3;
inline constexpr int CuerpoSol = 10;
inline constexpr int CuerpoLuna = 11;

struct ProgramState {
    // ---- Time --------------------------------------------------------------
    double  DiaJuliano = 0;        // Julian day of UT shown; -0.5 .. 4642999.499
    int16_t TipoTiempo = 0;        // time-step kind: 1 solar, 0 sidereal
    float   ZonaHoraria = 0;       // time zone, hours east of Greenwich, -12 .. 12
    int16_t HorarioVerano = 0;     // daylight-saving box: 0 or 1 (hours added)
    int16_t HoraLocalAutomatica = -1;  // flag: a listed city's zone and summer time follow the time-zone database
    double  TiempoSidereo = 0;     // local sidereal time, rad, 0 .. 2pi
    double  PrecZeta = 0;          // precession angle zeta, rad
    double  PrecTheta = 0;         // precession angle theta, rad
    double  PrecZ = 0;             // precession angle z, rad
    int16_t TiempoEstable = -1;    // flag: True except while the program steps the time

    // ---- Place and view ----------------------------------------------------
    int16_t IndiceLocalidad = -1;  // selected city, 0..177, -1 none
    double  Longitud = 0;          // rad, 0 .. 2pi westward (east = 2pi - lambda)
    double  Latitud = 0;           // rad, north positive
    double  Direccion = 0;         // azimuth of the chart centre, rad, 0 = north
    double  Elevacion = 0;         // altitude of the chart centre, rad
    float   Zoom = 0;              // magnification 1.0 .. 15.0
    double  DireccionMenosPi = 0;  // Direccion - pi

    // ---- Objects shown -----------------------------------------------------
    int16_t NivelEstrellas = 0;       // star level 0..7 (0 = no stars)
    int16_t NivelConstel = 0;         // constellation level 0..4 (0 = none)
    int16_t NivelGalaxias = 0;        // 1..4
    int16_t NivelNebPlanetarias = 0;  // 1..2
    int16_t NivelNebDifusas = 0;      // 1..2
    int16_t NivelCumAbiertos = 0;     // stored and restored only
    int16_t NivelCumGlobulares = 0;   // stored and restored only
    int16_t IdEstrellas = 0;          // star labels: 0 none, 1 code, 2 name
    int16_t IdConstel = 0;            // 0 none, 1 abbreviation, 2 Castilian, 3 Latin
    int16_t IdMessier = 0;            // 0 none, 1 number, 2 name
    std::array<int16_t, NumCasillasObjeto> Casillas{};  // check boxes, 0/1, CasillaObjeto order

    // ---- Personal options (1 = on, 2 = off unless stated) -----------------
    int16_t PanelControl = 0;       // control pad shown
    int16_t PanelCursor = 0;        // cursor read-out shown
    int16_t PanelLocalizacion = 0;  // place and time panel shown
    int16_t PanelObjetos = 0;       // objects legend shown
    int16_t FormatoHora = 0;        // 1 = 24-hour clock, otherwise AM/PM
    int16_t SentidoImagen = 0;      // 1 = direct, otherwise mirrored
    int16_t Precesion = 0;          // 1 = apply precession
    int16_t Telescopio = 0;         // telescope circle option
    int16_t Sonido = 0;             // sounds on
    double  CampoTelescopio = 0;    // telescope field diameter, rad, 0 .. 30 deg
    int16_t Velocidad = 0;          // repeat and animation speed, 0..100
    int16_t CalidadImagen = 1;      // 1 smooth drawing, 2 plain; a user preference, not in configurations

    // ---- Animation ---------------------------------------------------------
    int16_t UnidadAnima = 0;        // animation unit 1..12 (TablaUnidades)
    int16_t FactorAnima = 0;        // units per step, 1..99
    int16_t TiempoRealActivo = 0;   // real-time running, 1 = on
    int16_t IncluirAnima = 0;       // "Incluir animación" box, 0/1
    double  PasoTiempo = 0;         // signed step length, days (units 1..9)
    int16_t ContadorTiempoReal = 0; // real-time ticks since the last minute step

    // ---- Printing ----------------------------------------------------------
    int16_t AnchoImpresion = 0;     // printed chart width, mm
    int16_t AltoImpresion = 0;      // printed chart height, mm
    int16_t ImprimirDatos = 0;      // print the data strip, 0/1
    int16_t AnchoMaximoMm = 0;      // printable page width, mm, from the printer; 0 unknown
    int16_t AltoMaximoMm = 0;       // printable page height, mm; 0 unknown

    // ---- Files and configurations -----------------------------------------
    std::string CarpetaTrabajo;     // working folder for configurations
    std::string NombreConfig;       // configuration file to load or save
    std::string DescripcionConfig;  // free-text description (line 2)
    int16_t EstadoArchivo = 0;      // last load/save: 0 ok, else error number
    int16_t CargandoConfig = 0;     // flag: a configuration is being loaded
    int16_t GuardandoDeshacer = 0;  // flag: a centring saves the undo point
    std::string TextoDeshacer;      // the last undo point as its file's text, kept in memory too
    int16_t ModoCargaGuar = 0;      // load/save dialog mode: 1 load, else save

    // ---- Message box and sound ---------------------------------------------
    std::string SaltoLinea;         // CR LF, used inside message texts
    int16_t MensajeTipo1 = 0;       // lineas of the last message box
    int16_t MensajeTipo2 = 0;       // tipo of the last message box
    int16_t RespuestaMensaje = 0;   // flag: the last question was accepted
    std::string SonidoDatos;        // bytes of the sound playing

    // ---- Main window -------------------------------------------------------
    int16_t BotonesActivos = 0;     // flag: the main window's buttons accept clicks
    int16_t BotonPulsado = 0;       // flag: a pad arrow or spin is held
    int16_t Animando = 0;           // flag: a pad animation runs
    double  TelescopioX = 0;        // telescope circle centre, chart units
    double  TelescopioY = 0;
    int16_t TelescopioVisible = 0;  // flag: the circle is on the chart
    double  TelescopioRadio = 0;    // circle radius, chart units
    double  ClicAR = 0;             // right ascension of the point to centre, rad
    double  ClicDec = 0;            // declination of the point to centre, rad
    float   CursorAltitud = 0;      // altitude under the cursor, rad
    float   CursorAzimut = 0;       // azimuth under the cursor, rad
    std::string NombreRumbo;        // compass point of the view, 2 characters
    int16_t CambiosPendientes = 0;  // flag: a dialog changed something to redraw
    int16_t CentrarLuna = 0;        // flag: the point to centre is the Moon
    int16_t CentradoHecho = 0;      // flag: the last centring moved the view
    int16_t BotUndoVisible = 0;     // flag: the undo button is shown
    TextosPanel Panel;              // location and time panel texts

    // ---- Projection scratch and chart window -------------------------------
    float   VistaX = 0;             // last projected point, chart units, right
    float   VistaY = 0;             // up
    float   VistaZ = 0;             // depth, > 0 in front of the observer
    float   ProfMinima = 0;         // least VistaZ that can fall in the window
    double  PuntoAR = 0;            // scratch right ascension, rad
    double  PuntoDec = 0;           // scratch declination, rad
    float   VentanaIzquierda = 0;   // chart window in chart units; y grows up,
    float   VentanaArriba = 0;      //   so the height is negative, and the width
    float   VentanaAncho = 0;       //   is negative when the image is mirrored
    float   VentanaAlto = 0;
    float   ProporcionPantalla = 0;  // width / height of the chart area in pixels; 0 = 4:3
    int16_t EstiloTrazo = 0;        // chart line style: 0 solid, 5 invisible
    float   UltMagEstrella = 0;     // star drawer's width cache
    float   UltClaseEstrella = 0;   // star drawer's colour cache

    // ---- Calendar and text results -----------------------------------------
    int16_t FechaAno = 0;           // last CalculaFecha: year, < 0 B.C., never 0
    int16_t FechaMes = 0;           // 1..12
    int16_t FechaDia = 0;           // 1..31
    int16_t FechaHora = 0;          // 0..24
    int16_t FechaMinuto = 0;        // 0..59
    std::string TextoFecha;         // last FormatoFechaHora: "15 / 03 /  2002"
    std::string TextoHora;          // "21:30" or "09:30 PM"
    int16_t LongitudGrados = 0;     // whole degrees of the last FormatoLongitud
    int16_t ActualizandoHora = 0;   // flag: the date fields are being rewritten

    // ---- Earth (shared by every planet) ------------------------------------
    double  SenoTierraMasPi = 0;    // sin(heliocentric longitude of Earth + pi)
    double  CosenoTierraMasPi = 0;  // cos(heliocentric longitude of Earth + pi)

    // ---- Constant tables (CreaTablas) --------------------------------------
    std::array<PuntoTabla, MaxRejillaAD15 + 1> RejillaAD15{};  // 15 deg grid, 1..
    std::array<PuntoTabla, MaxRejillaAD30 + 1> RejillaAD30{};  // 30 deg grid, 1..
    std::array<PuntoTabla, MaxEcliptica> Ecliptica{};          // 0..60
    std::array<PuntoTabla, MaxCirculoUnidad> CirculoUnidad{};  // horizon, 0..72
    int16_t PuntosRejillaAD15 = 0;  // points the grid loops produced
    int16_t PuntosRejillaAD30 = 0;
    int16_t PuntosEcliptica = 0;
    int16_t PuntosCirculoUnidad = 0;
    std::array<std::array<int16_t, 13>, 2> TablaMeses{};       // [leap][month 1..12]
    std::array<std::array<double, 8>, 2> TablaIncrementos{};   // [solar][unit 1..7], days
    std::array<double, NumUnidades + 1> TablaUnidades{};       // 1..12
    std::array<std::string, NumUnidades + 1> NombreUnidad;     // 1..12, singular
    std::array<std::string, NumUnidades + 1> NombreUnidades;   // 1..12, plural
    std::array<int16_t, 8> CortesEstrellas{};                  // last index per level 1..7
    std::array<int16_t, 8> CortesEstrellasNombre{};
    std::array<int16_t, 5> CortesGalaxias{};
    std::array<int16_t, 3> CortesNebPlanetarias{};
    std::array<int16_t, 3> CortesNebDifusas{};
    std::array<int16_t, 3> CortesCumAbiertos{};
    std::array<int16_t, 3> CortesCumGlobulares{};
    std::array<int16_t, 5> CortesLineasConst{};
    std::array<int32_t, 4> ColoresEstrella{};                  // 0xBBGGRR by colour class
    std::array<double, NumCuerpos + 1> ColoresCuerpos{};       // 0xBBGGRR, bodies 1..11
    std::array<float, NumCuerpos + 1> RadiosCuerpos{};         // disc radius, chart units
    std::array<std::string, NumTextosLeyenda + 1> TextosLeyenda;  // 1..27, 16 characters
    std::array<std::string, NumLineasPlanetas> LineasPlanetas;    // search dialog's planet list

    // ---- Catalogue tables (CargaCatalogos) ---------------------------------
    std::array<Localidad, NumLocalidades> Localidades;
    std::array<std::string, NumLocalidades> ZonasLocalidades;  // IANA zone of each city, "" unknown
    std::array<CuerpoSolar, NumCuerpos + 1> ElementosPlanetas;  // 1..11
    std::array<ObjetoMessier, NumMessier> Messier;
    std::array<Constelacion, NumConstelaciones> Constelaciones;
    std::array<VerticeFigura, NumLineasConst> LineasConst{};
    std::array<ObjetoProfundo, NumGalaxias> Galaxias;
    std::array<ObjetoProfundo, NumNebPlanetarias> NebPlanetarias;
    std::array<ObjetoProfundo, NumNebDifusas> NebDifusas;
    std::array<EstrellaNombre, CapacidadEstrellasNombre> EstrellasNombre;
    std::array<int16_t, MaxIndiceEstrellas> IndiceEstrellas{};
    int16_t NumIndiceEstrellas = 0;  // lines of the search dialog's star list
    std::array<Estrella, CapacidadEstrellas> Estrellas{};
    std::array<PuntoCielo, NumViaLactea> ViaLactea{};

    // ---- Typed dialog texts (the pad, a load and a centring write them) -----
    std::string Tex_Longi;           // "  3° 42' 13\" O"
    std::string Tex_Lati;            // "40° 25' 00\" N"
    std::string Tex_Zona;            // "#0.0"; the date dialog's zone field too
    std::string Tex_Direc;           // "S  180°"
    std::string Tex_Eleva;           // "45°"
    std::string Tex_Zoom;            // "#0.0"
    std::string Tex_Teles;           // personalisation dialog's field: "05° 30'"

    // ---- Dialog lists filled with the catalogues ---------------------------
    std::vector<std::string> Cbo_Localidad;  // location dialog's cities, by table index
    std::vector<std::string> Lst_Messi;      // search dialog's listings, one line an entry
    std::vector<std::string> Lst_Const;
    std::vector<std::string> Lst_Galax;
    std::vector<std::string> Lst_NebPl;
    std::vector<std::string> Lst_NebDi;
    std::vector<std::string> Lst_Estre;      // at most 1483 lines, see IndiceEstrellas
};

// The process-wide state.
ProgramState& Estado();

// Replaces the state with a fresh one, as at process start (tests use it).
void ReiniciaEstado();

}  // namespace vsp
