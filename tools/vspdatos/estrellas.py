"""The star files: VSPDAT1.DAT (all stars) and VSPDAT2.DAT (stars with a code
and a name), built from the Hipparcos stars of d3-celestial (stars.14.json)
and its designations and proper names (starnames.json).

VSPDAT1.DAT holds the 26 520 brightest stars, brightest first, so that each
magnitude level of the chart is a prefix of the table; each carries a colour
class (variable, multiple, both or ordinary).  VSPDAT2.DAT holds 2 583 of
those stars that have a Bayer, Flamsteed or variable-star designation or a
proper name, with an 8-character code and a 10-character name, chosen so
that the prefix labelled at each level ends near the magnitude where that
level's stars end, and so that the search dialog's star list (at most 1 483
lines) holds every lettered star of the file and every star to magnitude 3.
"""

import math
import os
import re
import unicodedata

from . import fuentes
from .registros import cosenos, entero, escribe, simple, texto

NUM_ESTRELLAS = 26520
NUM_NOMBRADAS = 2583

# Last index (0-based, inclusive) of each of the seven magnitude levels, in
# the star table and in the named-star table: the program's fixed cut-offs.
CORTES_ESTRELLAS = (14, 51, 189, 874, 2836, 9063, 26519)
CORTES_NOMBRADAS = (14, 51, 188, 813, 1987, 2301, 2582)
# Levels whose stars are all named when they have any designation, so that
# every bright star (to magnitude 3.1) can be found and labelled.
NIVELES_COMPLETOS = 3

# The search dialog lists a named star whose magnitude is at most 3.0 or
# whose code is a letter code, and holds at most this many lines.
MAX_LISTADAS = 1483
MAG_LISTADA = 3.0

# Another Hipparcos star this close makes a star "multiple" (arcseconds).
RADIO_MULTIPLE = 60.0

CLASE_VARIABLE = 1
CLASE_MULTIPLE = 2

GRIEGAS = {
    "α": "Alf", "β": "Bet", "γ": "Gam", "δ": "Del", "ε": "Eps", "ζ": "Zet",
    "η": "Eta", "θ": "The", "ι": "Iot", "κ": "Kap", "λ": "Lam", "μ": "Mu",
    "ν": "Nu", "ξ": "Xi", "ο": "Omi", "π": "Pi", "ρ": "Rho", "σ": "Sig",
    "τ": "Tau", "υ": "Ups", "φ": "Phi", "χ": "Chi", "ψ": "Psi", "ω": "Ome",
}

# Short forms of the names longer than the 10-character field that would
# read badly when simply cut (names of stars that are not chosen may be
# missing here: they are cut).  Articles are dropped, a last word is
# abbreviated with a period, and a few take their usual short name.
NOMBRES_CORTOS = {
    "Adfar Aldib": "Adfar Ald.",
    "Akfa Farkadain": "Akfa Fark.",
    "Al Kaff al Jidhmah": "Kaff Jidh.",
    "Al Kalb al Rai": "Kalb Rai",
    "Al Minlear al Asad": "Minlear",
    "Al Sharasif": "Sharasif",
    "Al Thalimain Posterior": "Thal. Pos.",
    "Al Thalimain Prior": "Thal. Pri.",
    "Alula Australis": "Alula Aus.",
    "Alula Borealis": "Alula Bor.",
    "Anwa Farkadain": "Anwa Fark.",
    "Arkab Posterior": "Arkab Pos.",
    "Arkab Prior": "Arkab Pri.",
    "Arsh al Jauzah": "Arsh Jauz.",
    "Asellus Australis": "Asel. Aus.",
    "Asellus Borealis": "Asel. Bor.",
    "Asellus Primus": "Asel. Pri.",
    "Asellus Secundus": "Asel. Sec.",
    "Asellus Tertius": "Asel. Ter.",
    "Aulad Alnathlat": "Aulad Aln.",
    "Baten Kaitos": "Baten Kai.",
    "Dabih Minor": "Dabih Min.",
    "Deneb Algedi": "Deneb Alg.",
    "Deneb Kaitos Shemali": "Kaitos Sh.",
    "Deneb al Okab Borealis": "Deneb Okab",
    "Doble Doble": "DobleDoble",
    "Estrella Polar": "Polar",
    "Estrella de Becklin": "Becklin",
    "Estrella variable de helio de Bidelman": "Bidelman",
    "Fum al Faras": "Fum Faras",
    "Fumalsamakah": "Fumalsam.",
    "Gorgonea Quarta": "Gorg. Qua.",
    "Gorgonea Secunda": "Gorg. Sec.",
    "Gorgonea Tertia": "Gorg. Ter.",
    "Jabhat Acrabi": "Jabhat Ac.",
    "Kaffaljidhma": "Kaffaljid.",
    "Kaus Australis": "Kaus Aust.",
    "Kaus Borealis": "Kaus Bor.",
    "Kornephoros": "Kornephor.",
    "Kursi al Jabbar": "Kursi Jab.",
    "Kursi al Jauzah": "Kursi Jau.",
    "La Estrella Rubí": "Rubí",
    "La Estrella de Garnet": "Granate",
    "Lalande 21185": "Lal. 21185",
    "Lilii Borea": "Lilii Bor.",
    "Miaplacidus": "Miaplacid.",
    "Misam al Thurayya": "Misam Thu.",
    "Mizan Batil": "Mizan Bat.",
    "Namalsadirah": "Namalsad.",
    "Nasak Shamiya": "Nasak Sham",
    "Nasak Yamani": "Nasak Yam.",
    "Nasr Alwaki": "Nasr Alwa.",
    "Pherkad Minor": "Pherkad M.",
    "Polaris Australis": "Polar Sur",
    "Polaris Galacticus Borealis": "Polo Gal.N",
    "Prima Giedi": "Giedi Pri.",
    "Prima Hyadum": "Hyadum I",
    "Revenant del Cisne": "Revenant",
    "Rigil Kentaurus": "Rigil Kent",
    "Rijl al Awwa": "Rijl Awwa",
    "Sadr al Kaitos": "Sadr Kait.",
    "Saif al Jabbar": "Saif Jabb.",
    "Secunda Hyadum": "Hyadum II",
    "Suudalnujum": "Suudalnuj.",
    "Taiyangshou": "Taiyangsh.",
    "Tania Australis": "Tania Aus.",
    "Tania Borealis": "Tania Bor.",
    "Vindemiatrix": "Vindemiat.",
    "Yed Posterior": "Yed Post.",
    "Zuben Elakribi": "Zub. Elak.",
    "Zuben Hakrabi": "Zub. Hakr.",
    "Zubenelgenubi": "Zubenelg.",
    "Zubenelhakrabi": "Zubenelh.",
    "Zubeneschamali": "Zubenesch.",
}

# Selection priority of a named star by its best designation: a Greek
# letter; a Flamsteed number or a Roman letter (the brighter first among
# them); only a proper name; only a variable-star designation.
GRIEGA, NUMERO_O_LETRA, NOMBRE, VARIABLE = range(4)


# --- reading the sources ---------------------------------------------------

def read_stars(datos):
    """All Hipparcos stars as (magnitude, hip, ra_deg, dec_deg), brightest
    first; equal magnitudes in Hipparcos order so the order is stable."""
    estrellas = []
    for f in fuentes.lee_json(datos, "stars.14.json")["features"]:
        lon, lat = f["geometry"]["coordinates"]
        estrellas.append((float(f["properties"]["mag"]), int(f["id"]), lon % 360.0, float(lat)))
    estrellas.sort(key=lambda e: (e[0], e[1]))
    return estrellas


def read_names(datos):
    """starnames.json keyed by Hipparcos number."""
    return {int(hip): v for hip, v in fuentes.lee_json(datos, "starnames.json").items()}


def constellation_abbreviations(datos):
    feats = fuentes.lee_json(datos, "constellations.json")["features"]
    return {f["id"] for f in feats}


# --- colour class ------------------------------------------------------------

def unit_vector(ra_deg, dec_deg):
    """Unit vector in double precision, for distances only."""
    a, b = math.radians(ra_deg), math.radians(dec_deg)
    return (math.cos(a) * math.cos(b), math.sin(a) * math.cos(b), math.sin(b))


def stars_with_close_neighbour(todas, hips, radio_seg):
    """The Hipparcos numbers among `hips` that have another star of `todas`
    within radio_seg arcseconds.  Stars are binned in cubes of the unit
    sphere as large as the radius, so only 27 cubes are searched per star."""
    lado = math.radians(radio_seg / 3600.0)
    cos_radio = math.cos(lado)
    celdas = {}
    vectores = {}
    for _, hip, ra, dec in todas:
        v = unit_vector(ra, dec)
        vectores[hip] = v
        celdas.setdefault(tuple(int(math.floor(c / lado)) for c in v), []).append(hip)
    con_vecina = set()
    for hip in hips:
        v = vectores[hip]
        i, j, k = (int(math.floor(c / lado)) for c in v)
        for di in (-1, 0, 1):
            for dj in (-1, 0, 1):
                for dk in (-1, 0, 1):
                    for otra in celdas.get((i + di, j + dj, k + dk), ()):
                        w = vectores[otra]
                        if otra != hip and v[0] * w[0] + v[1] * w[1] + v[2] * w[2] >= cos_radio:
                            con_vecina.add(hip)
    return con_vecina


# Well-known variables that the source knows only by their Bayer letter, so
# that its variable-star field is empty: Mira, Algol, Betelgeuse, Antares, the
# prototype Cepheids, eclipsing binaries and bright irregulars that every
# observer's chart marks as variable. Hipparcos numbers.
VARIABLES_CON_LETRA = {
    10826,   # omicron Cet, Mira
    14576,   # beta Per, Algol
    27989,   # alpha Ori, Betelgeuse
    80763,   # alpha Sco, Antares
    110991,  # delta Cep
    97804,   # eta Aql
    92420,   # beta Lyr
    107259,  # mu Cep, the Garnet Star
    84345,   # alpha1 Her, Rasalgethi
    23416,   # epsilon Aur
    23453,   # zeta Aur
    34088,   # zeta Gem
    29655,   # eta Gem
    117863,  # rho Cas
    4427,    # gamma Cas
    18724,   # lambda Tau
    113881,  # beta Peg
    106032,  # beta Cep
    78401,   # delta Sco
    93015,   # kappa Pav
    26069,   # beta Dor
    73473,   # delta Lib
    5348,    # zeta Phe
    14354,   # rho Per
    112122,  # beta Gru
}


def is_variable(nombre):
    """A variable-star designation.  A few records hold a garbled "NSV n"
    with a number instead of a constellation; those are not trusted."""
    var = (nombre or {}).get("var") or ""
    return bool(var) and not var.startswith("NSV")


def has_gliese_component(nombre):
    """A Gliese-type designation naming a component, as "GJ 244A" or
    "NN 3222AB": the star is one member of a catalogued multiple system."""
    for campo in ("gl", "gliese"):
        if re.search(r"\d[A-D]{1,3}$", ((nombre or {}).get(campo) or "").strip()):
            return True
    return False


def colour_classes(estrellas, todas, nombres):
    """Colour class per Hipparcos number: 1 variable, 2 multiple, 3 both."""
    cercanas = stars_with_close_neighbour(todas, [e[1] for e in estrellas], RADIO_MULTIPLE)
    clases = {}
    for _, hip, _, _ in estrellas:
        nombre = nombres.get(hip)
        clase = CLASE_VARIABLE if is_variable(nombre) or hip in VARIABLES_CON_LETRA else 0
        if hip in cercanas or has_gliese_component(nombre):
            clase += CLASE_MULTIPLE
        clases[hip] = clase
    return clases


# --- codes and names ---------------------------------------------------------

def bayer_code(bayer, constelacion):
    """"Alf CMa ", "Alf2Lib ": Greek letter, component digit, constellation."""
    m = re.fullmatch(r"([α-ω])(\d?)", bayer or "")
    if not m or m.group(1) not in GRIEGAS:
        return None
    return GRIEGAS[m.group(1)].ljust(3) + (m.group(2) or " ") + constelacion + " "


def roman_code(letra, constelacion):
    """"b   Vel ", "c1  Cen ", "L2  Pup ": the Roman letters of Bayer and
    Lacaille, laid out as the Greek ones.  The letter v is left out: the
    search listing would take its code for a variable star's."""
    m = re.fullmatch(r"([A-Za-z])(\d?)", letra or "")
    if not m or m.group(1) in "vV":
        return None
    return m.group(1).ljust(3) + (m.group(2) or " ") + constelacion + " "


def flamsteed_code(flam, constelacion):
    """"  61 Cyg", "  111Tau"."""
    if not (flam or "").isdigit():
        return None
    return "  " + str(int(flam)).ljust(3) + constelacion


def variable_code(var, constelacion):
    """"V R  And", "V RR Lyr", "V645 Cen", "V1339Cyg".  Only the variable
    catalogue's own forms: other letters in that field are Bayer letters."""
    var = var or ""
    if re.fullmatch(r"V\d{1,4}", var):
        return "V" + str(int(var[1:])).ljust(4) + constelacion
    # R..Z, then RR..ZZ and AA..QZ: the letters run without J.
    if re.fullmatch(r"[R-Z]|[A-IK-Z]{2}", var):
        return "V " + var.ljust(3) + constelacion
    return None


def to_cp1252(s):
    """Keeps what Windows-1252 can show; other letters lose their accents."""
    salida = []
    for ch in s:
        try:
            ch.encode("cp1252")
            salida.append(ch)
        except UnicodeEncodeError:
            base = unicodedata.normalize("NFKD", ch)
            salida.append("".join(c for c in base if c.encode("cp1252", "ignore")))
    return "".join(salida)


def display_name(nombre):
    """The Spanish name when there is one, else the proper name, in its
    short form when it has one, cut to 10 characters."""
    s = (nombre.get("es") or nombre.get("name") or "").strip()
    s = NOMBRES_CORTOS.get(s, s)
    return to_cp1252(s)[:10]


def has_proper_name(nombre):
    return bool((nombre.get("es") or nombre.get("name") or "").strip())


def possible_codes(nombre, constelacion):
    """The codes a star can take, best first, each with its priority:
    Greek Bayer letter, Flamsteed number, Roman letter, variable."""
    if not constelacion:
        return []
    # A Roman letter sometimes sits in the variable field ("L2" Pup): take
    # that field when there is no Bayer letter and it is no variable's form.
    romana = nombre.get("bayer")
    if not romana and not variable_code(nombre.get("var"), constelacion):
        romana = nombre.get("var")
    codigos = [(GRIEGA, bayer_code(nombre.get("bayer"), constelacion)),
               (NUMERO_O_LETRA, flamsteed_code(nombre.get("flam"), constelacion)),
               (NUMERO_O_LETRA, roman_code(romana, constelacion)),
               (VARIABLE, variable_code(nombre.get("var"), constelacion))]
    return [(prioridad, codigo) for prioridad, codigo in codigos if codigo]


def assign_designations(estrellas, nombres, abreviaturas):
    """Star-table index -> (priority, code, has a proper name) for every star
    that has a usable designation or a proper name.

    The source gives some designations to two stars (the components of a
    pair, and a few slips); a code goes to the brighter one, and the other
    falls back to its next designation.  A star with a proper name ranks as
    named even when its only code is a variable's; one with a name and no
    code gets a blank code."""
    usados = set()
    designaciones = {}
    for i, (_, hip, _, _) in enumerate(estrellas):
        nombre = nombres.get(hip)
        if not nombre:
            continue
        constelacion = nombre.get("c") if nombre.get("c") in abreviaturas else None
        libres = [pc for pc in possible_codes(nombre, constelacion) if pc[1] not in usados]
        nombrada = has_proper_name(nombre)
        if libres:
            prioridad, codigo = libres[0]
            usados.add(codigo)
        elif nombrada:
            prioridad, codigo = NOMBRE, " " * 8
        else:
            continue
        if prioridad == VARIABLE and nombrada:
            prioridad = NOMBRE
        designaciones[i] = (prioridad, codigo, nombrada)
    return designaciones


# --- selection of the named stars -----------------------------------------------

def is_listed(codigo, magnitud):
    """The search dialog's rule: bright, or a code of Bayer's kind (neither
    two blanks, as Flamsteed numbers and bare names, nor a variable's V)."""
    return magnitud <= MAG_LISTADA or (codigo[:2] != "  " and codigo[0].upper() != "V")


def select_named(estrellas, designaciones):
    """Indices in the star table of the stars to name.

    Level by level (the star table's levels), the first NIVELES_COMPLETOS
    levels take every designated star; each later level takes as many as
    bring the named table to its own cut-off, by the priority of their
    designation (GRIEGA first); within each priority, stars with a proper
    name first (so that Mira is not lost), then brighter first.  Letter
    codes are limited so that the search listing (letter codes and every
    star to magnitude 3.0) fits in its MAX_LISTADAS lines."""
    elegidas = []
    listadas = 0
    desde = 0
    for nivel, (corte, corte_nombres) in enumerate(zip(CORTES_ESTRELLAS, CORTES_NOMBRADAS)):
        candidatas = [i for i in range(desde, corte + 1) if designaciones.get(i)]
        if nivel >= NIVELES_COMPLETOS:
            candidatas.sort(key=lambda i: (designaciones[i][0], not designaciones[i][2], i))
        cupo = len(candidatas) if nivel < NIVELES_COMPLETOS else corte_nombres + 1 - len(elegidas)
        del_nivel = []
        for i in candidatas:
            if len(del_nivel) >= cupo:
                break
            se_lista = is_listed(designaciones[i][1], estrellas[i][0])
            if se_lista and listadas >= MAX_LISTADAS:
                continue
            listadas += se_lista
            del_nivel.append(i)
        elegidas.extend(sorted(del_nivel))
        desde = corte + 1
    if len(elegidas) != NUM_NOMBRADAS:
        raise RuntimeError(f"{len(elegidas)} named stars chosen, not {NUM_NOMBRADAS}")
    return elegidas


# --- records -----------------------------------------------------------------------

def star_record(estrella, clase):
    mag, _, ra, dec = estrella
    return simple(mag) + entero(clase) + cosenos(ra, dec)


def named_record(estrella, clase, codigo, nombre):
    mag, _, ra, dec = estrella
    return (texto(codigo, 8) + texto(nombre, 10) + simple(math.radians(ra))
            + simple(math.radians(dec)) + simple(mag) + entero(clase) + cosenos(ra, dec))


def construye(datos, salida):
    todas = read_stars(datos)
    estrellas = todas[:NUM_ESTRELLAS]
    nombres = read_names(datos)
    abreviaturas = constellation_abbreviations(datos)
    clases = colour_classes(estrellas, todas, nombres)

    escribe(os.path.join(salida, "VSPDAT1.DAT"),
            [star_record(e, clases[e[1]]) for e in estrellas], 18)

    designaciones = assign_designations(estrellas, nombres, abreviaturas)
    registros = []
    for i in select_named(estrellas, designaciones):
        e = estrellas[i]
        registros.append(named_record(e, clases[e[1]], designaciones[i][1], display_name(nombres[e[1]])))
    escribe(os.path.join(salida, "VSPDAT2.DAT"), registros, 44)
