"""The city file VSPDATH.DAT, built from data/fuentes/localidades.csv.

The CSV is the single source: 178 cities with the name exactly as the
location dialog shows it (at most 15 characters), the ISO 3166-1 alpha-3
country code, the latitude and longitude in decimal degrees (north and east
positive, 4 decimals, taken from GeoNames) and the GeoNames id the
coordinates were checked against.  The builder needs no network.

Each record has 28 bytes:
    0  text 20  name: characters 1..15 the city, 16 a blank, 17..19 the
                country code, 20 a blank
    20 single   longitude in radians, 0..2*pi measured westward
    24 single   latitude in radians, north positive

The records are sorted by name in Spanish alphabetical order.  The program's
built-in configuration selects city 95 and stands near Malaga, so the build
fails unless Malaga lands at index 95.
"""

import csv
import os
import unicodedata

from .registros import escribe, simple, texto

FICHERO = "VSPDATH.DAT"
LONGITUD_REGISTRO = 28
NUM_LOCALIDADES = 178

# The program's own constants, so that a stored angle converts back to the
# same degrees the program shows.
PI = 3.1415926536
DOS_PI = 6.2831853072

LARGO_NOMBRE = 15
COLUMNAS = ["nombre", "pais", "latitud", "longitud", "geonameid"]

# The city the built-in configuration selects by index.
INDICE_MALAGA = 95
MALAGA = ("Málaga", "ESP")


def construye(fuentes, salida):
    """Writes salida/VSPDATH.DAT from fuentes/localidades.csv."""
    ciudades = sort_cities(read_cities(os.path.join(fuentes, "localidades.csv")))
    check_default_city(ciudades)
    escribe(os.path.join(salida, FICHERO), [record(c) for c in ciudades], LONGITUD_REGISTRO)


# --- reading the list --------------------------------------------------------

def read_cities(ruta):
    """The CSV rows as dicts with typed values, validated one by one."""
    with open(ruta, encoding="utf-8", newline="") as f:
        filas = list(csv.reader(f))
    if not filas or filas[0] != COLUMNAS:
        raise ValueError(f"{ruta}: header must be {','.join(COLUMNAS)}")
    ciudades = [parse_row(ruta, n, fila) for n, fila in enumerate(filas[1:], start=2)]
    if len(ciudades) != NUM_LOCALIDADES:
        raise ValueError(f"{ruta}: {len(ciudades)} cities, the program reads {NUM_LOCALIDADES}")
    check_unique(ruta, ciudades)
    return ciudades


def parse_row(ruta, linea, fila):
    if len(fila) != len(COLUMNAS):
        raise ValueError(f"{ruta}:{linea}: {len(fila)} columns, expected {len(COLUMNAS)}")
    nombre, pais, lat, lon, geonameid = (v.strip() for v in fila)
    ciudad = {"nombre": nombre, "pais": pais, "latitud": float(lat),
              "longitud": float(lon), "geonameid": int(geonameid)}
    problema = row_problem(ciudad)
    if problema:
        raise ValueError(f"{ruta}:{linea}: {nombre}: {problema}")
    return ciudad


def row_problem(c):
    """What is wrong with a city, or None."""
    if not c["nombre"] or len(c["nombre"]) > LARGO_NOMBRE:
        return f"the name must have 1 to {LARGO_NOMBRE} characters (the CSV holds the shown name)"
    try:
        c["nombre"].encode("cp1252")
    except UnicodeEncodeError:
        return "the name is not representable in cp1252"
    if len(c["pais"]) != 3 or not c["pais"].isascii() or not c["pais"].isupper():
        return "the country must be an upper-case ISO alpha-3 code"
    if not -90.0 <= c["latitud"] <= 90.0:
        return "latitude out of range"
    if not -180.0 <= c["longitud"] <= 180.0:
        return "longitude out of range"
    return None


def check_unique(ruta, ciudades):
    vistas = set()
    for c in ciudades:
        clave = (c["nombre"], c["pais"])
        if clave in vistas:
            raise ValueError(f"{ruta}: {c['nombre']} ({c['pais']}) appears twice")
        vistas.add(clave)


# --- order -------------------------------------------------------------------

def spanish_key(nombre):
    """Sort key in Spanish alphabetical order: case and accents ignored
    (Á as A, Ü as U), Ñ a letter of its own between N and O; blanks and
    punctuation before digits, digits before letters, so "San José" comes
    before "Santander"."""
    clave = []
    for ch in nombre.lower():
        if ch == "ñ":
            clave.append((2, ord("n"), 1))
            continue
        base = unicodedata.normalize("NFD", ch)[0]
        if base.isalpha():
            clave.append((2, ord(base), 0))
        elif base.isdigit():
            clave.append((1, ord(base), 0))
        else:
            clave.append((0, ord(base), 0))
    return clave


def sort_cities(ciudades):
    """Sorted by shown name; equal names (the same name in two countries) by
    country code, then by the exact spelling and the GeoNames id, so the
    order never depends on the CSV's order."""
    return sorted(ciudades, key=lambda c: (spanish_key(c["nombre"]), c["pais"],
                                           c["nombre"], c["geonameid"]))


def check_default_city(ciudades):
    """The built-in configuration selects city 95 near Malaga."""
    claves = [(c["nombre"], c["pais"]) for c in ciudades]
    if MALAGA not in claves:
        raise ValueError("Málaga (ESP) is missing from the city list")
    indice = claves.index(MALAGA)
    if indice != INDICE_MALAGA:
        raise ValueError(f"Málaga sorts at index {indice}, the default configuration "
                         f"selects {INDICE_MALAGA}: {indice} names sort before it, "
                         f"{INDICE_MALAGA} must")


# --- records -----------------------------------------------------------------

def radians(grados):
    return grados * PI / 180.0


def stored_longitude(grados_este):
    """The program measures longitude westward in 0..2*pi: a west longitude
    is kept as it is, an east longitude lambda becomes 2*pi - lambda."""
    r = radians(grados_este)
    return DOS_PI - r if r > 0.0 else -r


def name_field(c):
    """20 characters: name in 1..15, blank, country code in 17..19, blank."""
    return c["nombre"].ljust(LARGO_NOMBRE) + " " + c["pais"] + " "


def record(c):
    return (texto(name_field(c), 20)
            + simple(stored_longitude(c["longitud"]))
            + simple(radians(c["latitud"])))
