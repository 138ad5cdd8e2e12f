"""The constellation files: VSPDATE.DAT (the 88 constellations) and
VSPDATB.DAT (the 873 vertices of their figures), built from d3-celestial:
constellations.json (names, ranks, label points, view centres),
constellations.lines.json (the figures), constellations.bounds.json (the IAU
boundaries, for the visibility text) and stars.6.json (to know the brightest
stars of the figures).

The chart draws constellation level k as the first 190, 530, 753 or all 873
figure vertices, and names only the constellations of level <= k.  So the
figures are stored level by level, each constellation's polylines together,
and every level ends exactly at the end of a figure.  The source figures have
893 vertices.  Polylines that continue one another are joined, which saves
3; the rest of the surplus is absorbed by leaving out a few interior stars
that lie almost exactly on the straight line between their neighbours (the
drawn line still passes within a few arcminutes of them), never one of the
brightest.  A level that is short is padded with its last vertex repeated
(a zero-length line).
"""

import math
import os
import unicodedata

from . import fuentes
from .registros import cosenos, entero, escribe, simple, texto

NUM_CONSTELACIONES = 88
NUM_VERTICES = 873

# Vertices drawn at constellation levels 1..4 (the program draws the
# records 0..189, 0..529, 0..752 and 0..872).
VERTICES_POR_NIVEL = (190, 530, 753, 873)

# The constellations of each level.  Level 1 holds the best-known figures of
# both hemispheres (most of the source's rank 1, with the famous rank 2
# figures of Ursa Minor, Lyra and Crux); level 2 the rest of rank 1 with
# Canis Minor, the large rank 2 figures and most of the zodiac; level 3 the
# remaining rank 2 figures (Cancer, the faintest of the zodiac, among them)
# and the better-known rank 3 ones; level 4 the faintest: Equuleus and the
# modern southern constellations.  The split also puts the stars that must
# be left out where they lie closest to their lines (see thin_level).
NIVELES = (
    ("Aql", "Aur", "Boo", "CMa", "Cas", "Cru", "Cyg", "Gem", "Leo", "Lyr",
     "Ori", "Sco", "Tau", "UMa", "UMi"),
    ("And", "Aqr", "Ari", "CMi", "Cap", "Car", "Cen", "Cep", "Cet", "CrB",
     "Dra", "Eri", "Her", "Lib", "Oph", "Peg", "Per", "Psc", "Sgr", "Vel",
     "Vir"),
    ("CVn", "Cam", "Cnc", "Col", "Com", "CrA", "Crt", "Crv", "Del", "Gru",
     "Hya", "LMi", "Lac", "Lep", "Lup", "Lyn", "Mon", "Pav", "Phe", "PsA",
     "Pup", "Ser", "Sct", "Sge", "Tri", "TrA", "Vul"),
    ("Ant", "Aps", "Ara", "Cae", "Cha", "Cir", "Dor", "Equ", "For", "Hor",
     "Hyi", "Ind", "Men", "Mic", "Mus", "Nor", "Oct", "Pic", "Pyx", "Ret",
     "Scl", "Sex", "Tel", "Tuc", "Vol"),
)

# A star may be left out of a figure only when the line between its
# neighbours passes this close to it (degrees: 6 arcminutes, a fifth of the
# Moon's width, so the line still runs through the star's dot); the build
# fails otherwise.
DESVIO_MAXIMO = 0.1

# Stars brighter than this magnitude are always kept as figure vertices.
MAGNITUD_FIJA = 2.0
COS_MINUTO = math.cos(math.radians(1.0 / 60.0))

# Corrections to the source's names: Serpens is stored there as its two
# halves; the IAU name of CrA is Corona Australis; the genitive of Crux is
# Crucis; Carina and Octans have usual Castilian names.
LATINO = {"Ser": "Serpens", "CrA": "Corona Australis"}
GENITIVO = {"CrA": "Coronae Australis", "Cru": "Crucis"}
CASTELLANO = {"Car": "Quilla", "Oct": "Octante", "Dor": "Pez Dorado"}


# ---------------------------------------------------------------- sources

def cp1252(s):
    """Text folded to what the files can hold: compatibility forms (the
    source uses U+2005 spaces) and, failing that, letters without accents."""
    s = unicodedata.normalize("NFKC", s)
    try:
        s.encode("cp1252")
        return s
    except UnicodeEncodeError:
        plano = unicodedata.normalize("NFKD", s)
        return "".join(c for c in plano if c.encode("cp1252", "ignore"))


def read_constellations(datos):
    """{abbreviation: properties and label point}; the two halves of Serpens
    become one entry labelled at its head (Serpens Caput, the first)."""
    resultado = {}
    for f in fuentes.lee_json(datos, "constellations.json")["features"]:
        if f["id"] not in resultado:
            entrada = dict(f["properties"])
            entrada["etiqueta"] = tuple(f["geometry"]["coordinates"])
            resultado[f["id"]] = entrada
    return resultado


def read_figures(datos):
    """{abbreviation: [polyline, ...]}, each polyline a list of (lon, lat)
    points in source order; both Serpens features go into one figure."""
    figuras = {}
    for f in fuentes.lee_json(datos, "constellations.lines.json")["features"]:
        lineas = [[tuple(p) for p in linea] for linea in f["geometry"]["coordinates"]]
        figuras.setdefault(f["id"], []).extend(lineas)
    return figuras


def read_declination_ranges(datos):
    """{abbreviation: (lowest, highest declination)} of the IAU boundary.
    Boundaries run along parallels and hour circles, so the extremes are at
    vertices, except for a boundary that goes round a pole."""
    rangos = {}
    for f in fuentes.lee_json(datos, "constellations.bounds.json")["features"]:
        anillo = f["geometry"]["coordinates"][0]
        lats = [p[1] for p in anillo]
        dmin, dmax = min(lats), max(lats)
        if encloses_pole(anillo):
            if dmin > 0:
                dmax = 90.0
            else:
                dmin = -90.0
        if f["id"] in rangos:  # the other half of Serpens
            dmin = min(dmin, rangos[f["id"]][0])
            dmax = max(dmax, rangos[f["id"]][1])
        rangos[f["id"]] = (dmin, dmax)
    return rangos


def read_bright_stars(datos):
    """Unit vectors of the stars brighter than MAGNITUD_FIJA."""
    return [unit_vector(f["geometry"]["coordinates"])
            for f in fuentes.lee_json(datos, "stars.6.json")["features"]
            if f["properties"]["mag"] < MAGNITUD_FIJA]


def is_bright(p, brillantes):
    """True when a bright star lies within an arcminute of point p (the
    figures use the star catalogue's own positions, but a vertex of a close
    pair such as Alpha Centauri may sit on the other component)."""
    v = unit_vector(p)
    return any(dot(v, b) > COS_MINUTO for b in brillantes)


def encloses_pole(anillo):
    """True when the closed ring winds once round a pole (its longitude
    steps add up to a full turn instead of to zero)."""
    giro = 0.0
    for (a, _), (b, _) in zip(anillo, anillo[1:]):
        giro += (b - a + 180.0) % 360.0 - 180.0
    return abs(giro) > 180.0


# ------------------------------------------------------- figure polylines

def join_polylines(lineas):
    """Joins polylines that continue one another, so that the shared star is
    stored once: the end of one is the start of the next (after reversing
    one if needed), or one ends on a star of a closed polyline, which can
    start anywhere and is turned to start there."""
    lineas = [list(l) for l in lineas]
    unidas = True
    while unidas:
        unidas = False
        for i in range(len(lineas)):
            for j in range(i + 1, len(lineas)):
                union = join_pair(lineas[i], lineas[j])
                if union is not None:
                    lineas[i] = union
                    del lineas[j]
                    unidas = True
                    break
            if unidas:
                break
    return lineas


def join_pair(a, b):
    """The single polyline drawing both a and b, or None."""
    if a[-1] == b[0]:
        return a + b[1:]
    if a[-1] == b[-1]:
        return a + b[-2::-1]
    if a[0] == b[-1]:
        return b + a[1:]
    if a[0] == b[0]:
        return b[::-1] + a[1:]
    for cerrada, otra in ((a, b), (b, a)):
        if cerrada[0] == cerrada[-1] and len(cerrada) > 2:
            for extremo in (otra[0], otra[-1]):
                if extremo in cerrada[1:-1]:
                    k = cerrada.index(extremo)
                    girada = cerrada[k:-1] + cerrada[:k + 1]
                    return join_pair(girada, otra)
    return None


def unit_vector(p):
    a, b = math.radians(p[0]), math.radians(p[1])
    return (math.cos(b) * math.cos(a), math.cos(b) * math.sin(a), math.sin(b))


def cross(u, v):
    return (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])


def dot(u, v):
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]


def distance_to_arc(p, a, c):
    """Angular distance (degrees) from point p to the great-circle arc a-c."""
    vp, va, vc = unit_vector(p), unit_vector(a), unit_vector(c)
    n = cross(va, vc)
    largo = math.sqrt(dot(n, n))
    if largo > 0:
        n = tuple(x / largo for x in n)
        if dot(cross(va, vp), n) > 0 and dot(cross(vp, vc), n) > 0:
            return math.degrees(math.asin(min(1.0, abs(dot(vp, n)))))
    return min(math.degrees(math.acos(max(-1.0, min(1.0, dot(vp, va))))),
               math.degrees(math.acos(max(-1.0, min(1.0, dot(vp, vc))))))


def thin_level(figuras, exceso, usos, fijas):
    """Leaves `exceso` stars out of the figures of one level: the interior
    stars closest to the line between their neighbours.  A star used by any
    other polyline (a junction, or a star shared with another constellation)
    is kept, and so are the stars in `fijas` (the brightest) and both
    neighbours of a star left out, so that the distance measured is that of
    the line actually drawn."""
    candidatos = []
    for abrev in sorted(figuras):
        for n, linea in enumerate(figuras[abrev]):
            for k in range(1, len(linea) - 1):
                if usos[linea[k]] == 1 and linea[k] not in fijas:
                    desvio = distance_to_arc(linea[k], linea[k - 1], linea[k + 1])
                    candidatos.append((round(desvio, 9), abrev, n, k))
    candidatos.sort()
    quitados = {}
    for desvio, abrev, n, k in candidatos:
        if len(quitados) == exceso:
            break
        if (abrev, n, k - 1) in quitados or (abrev, n, k + 1) in quitados:
            continue
        if desvio > DESVIO_MAXIMO:
            raise ValueError(f"level needs {exceso} stars left out; next is "
                             f"{abrev} at {desvio:.3f} degrees from its line")
        quitados[(abrev, n, k)] = desvio
    if len(quitados) < exceso:
        raise ValueError(f"cannot leave {exceso} stars out of a level")
    aclarado = {abrev: [[p for k, p in enumerate(linea) if (abrev, n, k) not in quitados]
                        for n, linea in enumerate(figuras[abrev])]
                for abrev in figuras}
    return aclarado, [(abrev, figuras[abrev][n][k], quitados[(abrev, n, k)])
                      for abrev, n, k in sorted(quitados)]


def star_uses(figuras):
    """How many times each star is a polyline vertex, over all figures."""
    usos = {}
    for lineas in figuras.values():
        for linea in lineas:
            for p in linea:
                usos[p] = usos.get(p, 0) + 1
    return usos


def figure_vertices(figuras, orden, fijas):
    """The vertex list: (pen flag, (lon, lat)) level by level, with each
    level thinned or padded to its fixed size.  Returns the vertices and a
    report per level: its constellations, its vertices before thinning, the
    stars left out (abbreviation, star, distance to the line) and the
    padding."""
    usos = star_uses(figuras)
    vertices = []
    informe = []
    for nivel, miembros in enumerate(NIVELES):
        del_nivel = {a: figuras[a] for a in miembros}
        tamano = VERTICES_POR_NIVEL[nivel] - len(vertices)
        total = sum(len(l) for ls in del_nivel.values() for l in ls)
        quitados = []
        if total > tamano:
            del_nivel, quitados = thin_level(del_nivel, total - tamano, usos, fijas)
        for abrev in orden:
            if abrev in del_nivel:
                for linea in del_nivel[abrev]:
                    vertices.append((1, linea[0]))
                    vertices.extend((0, p) for p in linea[1:])
        relleno = VERTICES_POR_NIVEL[nivel] - len(vertices)
        vertices.extend([(0, vertices[-1][1])] * relleno)
        informe.append({"constelaciones": [a for a in orden if a in del_nivel],
                        "vertices": total, "quitados": quitados, "relleno": relleno})
    return vertices, informe


# ---------------------------------------------------------- constellations

def visibility_text(dmin, dmax):
    """The observer latitudes from which some part of the constellation
    rises: a point of declination d rises at latitude p when
    p - 90 < d < p + 90, so from 90 + dmax north down to 90 - dmin south
    (each at most 90), rounded to the nearest degree (refraction lifts
    objects by about half a degree, so the fraction means nothing)."""
    norte = min(90, math.floor(90.0 + dmax + 0.5))
    sur = min(90, math.floor(90.0 - dmin + 0.5))
    return f"{norte:2d}N a {sur:2d}S"


def latin_sort_key(abrev, props):
    nombre = LATINO.get(abrev, props["name"])
    plano = unicodedata.normalize("NFKD", nombre)
    return ("".join(c for c in plano if not unicodedata.combining(c)).casefold(), abrev)


def constellation_record(abrev, props, nivel, rango):
    latino = cp1252(LATINO.get(abrev, props["name"]))
    genitivo = cp1252(GENITIVO.get(abrev, props["gen"]))
    castellano = cp1252(CASTELLANO.get(abrev, props["es"]))
    for t in (latino, genitivo, castellano):
        if len(t) > 20:
            raise ValueError(f"{abrev}: name {t!r} longer than 20 characters")
    # The search centres on the source's view centre for the constellation,
    # chosen there to frame the whole figure.
    ar_centro = props["display"][0] % 360.0
    dec_centro = props["display"][1]
    ar_etiqueta = props["etiqueta"][0] % 360.0
    dec_etiqueta = props["etiqueta"][1]
    return (entero(nivel) + texto(abrev, 3) + texto(latino, 20) + texto(genitivo, 20)
            + texto(castellano, 20) + texto(visibility_text(*rango), 9)
            + simple(math.radians(ar_centro)) + simple(math.radians(dec_centro))
            + cosenos(ar_etiqueta, dec_etiqueta))


def vertex_record(pluma, punto):
    return entero(pluma) + cosenos(punto[0] % 360.0, punto[1])


# ---------------------------------------------------------------- builder

def construye(datos, salida):
    constelaciones = read_constellations(datos)
    figuras = {a: join_polylines(ls) for a, ls in sorted(read_figures(datos).items())}
    rangos = read_declination_ranges(datos)
    nivel_de = {a: n + 1 for n, miembros in enumerate(NIVELES) for a in miembros}
    if (sorted(nivel_de) != sorted(constelaciones) or len(constelaciones) != NUM_CONSTELACIONES
            or sum(len(m) for m in NIVELES) != NUM_CONSTELACIONES):
        raise ValueError("the level lists must name every constellation once")

    # Alphabetical by Latin name, both in the constellation file (the search
    # listing) and for the figures within a level.
    orden = sorted(constelaciones, key=lambda a: latin_sort_key(a, constelaciones[a]))

    brillantes = read_bright_stars(datos)
    fijas = {p for ls in figuras.values() for l in ls for p in l if is_bright(p, brillantes)}
    vertices, informe = figure_vertices(figuras, orden, fijas)
    if len(vertices) != NUM_VERTICES:
        raise ValueError(f"{len(vertices)} figure vertices, not {NUM_VERTICES}")

    escribe(os.path.join(salida, "VSPDATE.DAT"),
            [constellation_record(a, constelaciones[a], nivel_de[a], rangos[a]) for a in orden],
            94)
    escribe(os.path.join(salida, "VSPDATB.DAT"),
            [vertex_record(pluma, p) for pluma, p in vertices], 14)
    return informe
