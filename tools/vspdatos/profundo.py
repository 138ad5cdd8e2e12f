"""Builds the deep-sky catalogues from d3-celestial's data:

- VSPDATG.DAT, the Messier objects M1..M109 (66-byte records), from
  messier.json (star clusters at the positions of dsos.14.json);
- VSPDAT3.DAT (1 234 galaxies), VSPDAT4.DAT (142 planetary nebulae) and
  VSPDAT5.DAT (174 diffuse nebulae), 28-byte records, from dsos.14.json.

Each deep-sky file holds the brightest objects of its kind that have a
measured size, sorted by size class (the class that sizes the symbol and
whose levels are prefixes of the table) and, within a class, from the
largest to the smallest. Objects without a size are left out: they would
all fall in the smallest class, and among the galaxies they are mostly
survey entries behind the Milky Way whose magnitudes are not visual ones.
"""

import math
import os
import re
from dataclasses import dataclass

from . import fuentes
from .registros import cosenos, entero, escribe, simple, texto

# ---------------------------------------------------------------------------
# Messier objects

ARCHIVO_MESSIER = "VSPDATG.DAT"
LONGITUD_MESSIER = 66
NUMERO_MESSIER = 109  # M1..M109; the source's M110 is left out

# Type code (drawing symbol) and type text by the source's object type.
# Galaxies are refined by their morphology (see tipo_galaxia).
TIPOS_MESSIER = {
    "gc": ("6", "Cúmulo globular"),
    "oc": ("5", "Cúmulo abierto"),
    "pn": ("4", "Nebulosa planetaria"),
    "snr": ("3", "Resto de supernova"),
    "sfr": ("3", "Nebulosa de emisión"),
    "en": ("3", "Nebulosa de emisión"),
    "bn": ("3", "Nebulosa de emisión"),
    "rn": ("3", "Neb. de reflexión"),
}

# The source gives M24, M40 and M73 only the type "pos" (a position).
TIPOS_POSICION = {
    "M24": ("1", "Nube estelar"),
    "M40": ("1", "Estrella doble"),
    "M73": ("1", "Asterismo"),
}

# Designations for objects that have no NGC or IC number in the source:
# M24 is IC 4715 (the star cloud), M40 is Winnecke 4, M45 is Melotte 22.
DESIGNACIONES_MESSIER = {
    "M24": "IC4715",
    "M40": "WNC 4",
    "M45": "Mel 22",
}

# Usual Spanish names, at most 15 characters; objects not listed have none.
# M102 is taken, as in the source, to be NGC 5866 (the Spindle galaxy); the
# program neither labels nor fully lists it, as its identity is disputed.
NOMBRES_MESSIER = {
    "M1": "Cangrejo",
    "M6": "Mariposa",
    "M7": "Ptolomeo",
    "M8": "Laguna",
    "M11": "Pato Salvaje",
    "M13": "Hércules",
    "M16": "Águila",
    "M17": "Omega",
    "M20": "Trífida",
    "M24": "Nube Sagitario",
    "M27": "Haltera",
    "M31": "Andrómeda",
    "M33": "Triángulo",
    "M40": "Winnecke 4",
    "M42": "Orión",
    "M43": "De Mairan",
    "M44": "Pesebre",
    "M45": "Pléyades",
    "M51": "Remolino",
    "M57": "Anillo",
    "M63": "Girasol",
    "M64": "Ojo Negro",
    "M76": "Pequeña Haltera",
    "M81": "Bode",
    "M82": "Cigarro",
    "M83": "Molinillo Sur",
    "M87": "Virgo A",
    "M97": "Búho",
    "M101": "Molinete",
    "M102": "Huso",
    "M104": "Sombrero",
}


def numero_messier(rasgo):
    return int(rasgo["id"][1:])


def tipo_galaxia(tipo, morfologia):
    """Type text of a Messier galaxy. The morphology decides where the
    source's coarse type disagrees with it (M85, M86 and M102 are lenticular,
    M82 irregular, M87 elliptical)."""
    if re.search(r"S0|\)0", morfologia):
        return "Galaxia lenticular"
    if morfologia.startswith("I"):
        return "Galaxia irregular"
    if re.match(r"c?[ED]", morfologia):
        return "Galaxia elíptica"
    return {"e": "Galaxia elíptica", "i": "Galaxia irregular",
            "s0": "Galaxia lenticular"}.get(tipo, "Galaxia espiral")


def tipo_messier(rasgo):
    """(type code, type text) of a Messier object."""
    p = rasgo["properties"]
    if rasgo["id"] in TIPOS_POSICION:
        return TIPOS_POSICION[rasgo["id"]]
    if p["type"] in TIPOS_MESSIER:
        return TIPOS_MESSIER[p["type"]]
    if p["type"] in TIPOS_GALAXIA:
        return "2", tipo_galaxia(p["type"], p["cl"])
    raise ValueError(f"{rasgo['id']}: unknown type {p['type']!r}")


def designacion_messier(rasgo):
    """NGC objects by their number alone ("1952", "5194/5"), IC objects with
    their prefix ("IC4725"), the rest from DESIGNACIONES_MESSIER."""
    if rasgo["id"] in DESIGNACIONES_MESSIER:
        return DESIGNACIONES_MESSIER[rasgo["id"]]
    d = rasgo["properties"]["desig"]
    if d.startswith("NGC "):
        return d[4:]
    if d.startswith("IC "):
        return "IC" + d[3:]
    raise ValueError(f"{rasgo['id']}: no designation for {d!r}")


CUMULOS = {"oc", "gc"}

# Nebulae whose messier.json centre is the broad nebula's rather than the
# catalogued one (M42 is 3.9' from the Trapezium region's J2000 place);
# dsos.14.json has them within 0.6'.
NEBULOSAS_DE_DSOS = {"M16", "M42", "M43", "M78"}


def posicion_messier(rasgo, por_designacion):
    """Right ascension and declination, degrees. messier.json gives older
    centres for some star clusters (M44 is 19' off, M41 14', M67 13') and
    nebulae, so those take the position that dsos.14.json gives under the
    same NGC or IC number; everything else keeps messier.json's."""
    if rasgo["properties"]["type"] in CUMULOS or rasgo["id"] in NEBULOSAS_DE_DSOS:
        otro = por_designacion.get(rasgo["properties"]["desig"])
        if otro is not None:
            return ar_dec(otro)
    return ar_dec(rasgo)


def registro_messier(rasgo, por_designacion):
    codigo, tipo = tipo_messier(rasgo)
    designacion = designacion_messier(rasgo)
    if len(designacion) > 6:
        raise ValueError(f"{rasgo['id']}: designation {designacion!r} too long")
    ar, dec = posicion_messier(rasgo, por_designacion)
    return b"".join([
        texto(codigo, 1),
        texto(designacion, 6),
        simple(math.radians(ar)),
        simple(math.radians(dec)),
        texto("%4.1f" % float(rasgo["properties"]["mag"]), 4),
        texto(tipo, 20),
        texto(NOMBRES_MESSIER.get(rasgo["id"], ""), 15),
        cosenos(ar, dec),
    ])


def construye_messier(datos, objetos, salida):
    """objetos: the features of dsos.14.json, for the cluster positions."""
    rasgos = fuentes.lee_json(datos, "messier.json")["features"]
    rasgos = sorted(rasgos, key=numero_messier)
    rasgos = [r for r in rasgos if numero_messier(r) <= NUMERO_MESSIER]
    if [numero_messier(r) for r in rasgos] != list(range(1, NUMERO_MESSIER + 1)):
        raise ValueError("messier.json: M1..M109 not all present")
    por_designacion = {r["id"]: r for r in objetos}
    escribe(os.path.join(salida, ARCHIVO_MESSIER),
            [registro_messier(r, por_designacion) for r in rasgos], LONGITUD_MESSIER)


# ---------------------------------------------------------------------------
# Galaxies, planetary nebulae and diffuse nebulae

LONGITUD_PROFUNDO = 28

TIPOS_GALAXIA = frozenset({"g", "s", "s0", "sd", "i", "e"})  # "gg": galaxy cluster


@dataclass(frozen=True)
class Clase:
    """One deep-sky file: which source types, how many objects, the
    size-class thresholds (major axis in arcminutes, "greater than"), and
    the catalogues (id prefixes) and single objects left out."""
    archivo: str
    tipos: frozenset
    cantidad: int
    umbrales: tuple
    catalogos_excluidos: tuple = ()
    objetos_excluidos: tuple = ()


# Source entries whose catalogue contradicts their type are left out: Lynds
# dark nebulae (LDN) are dark clouds, PK and PN G objects planetary nebulae,
# PGC and UGC objects galaxies. Also left out one by one:
# - M 45, the Pleiades: an open cluster (its nebulosity is in the list as
#   NGC 1432, NGC 1435 and others);
# - PGC 3098715: a 0.5' object of magnitude 11.7 in the plane of the Milky
#   Way (l 260, b -8) with a supplementary PGC number, unlikely a bright
#   galaxy; its number does not fit the 6-character code either;
# - PK 007-06.2, a stellar planetary nebula of magnitude 13.2 whose code
#   would be that of the brighter PK 007-06.1.
GALAXIAS = Clase("VSPDAT3.DAT", TIPOS_GALAXIA, 1234, (30.0, 20.0, 10.0),
                 ("LDN ", "PK ", "PN G "), ("PGC 3098715",))
PLANETARIAS = Clase("VSPDAT4.DAT", frozenset({"pn"}), 142, (1.0,),
                    ("LDN ", "PGC ", "UGC "), ("PK 007-06.2",))
DIFUSAS = Clase("VSPDAT5.DAT", frozenset({"bn", "en", "rn", "sfr", "snr"}), 174, (10.0,),
                ("LDN ", "PK ", "PN G ", "PGC ", "UGC "), ("M 45",))

MAGNITUD_DESCONOCIDA = 999.0


def magnitud(rasgo):
    return float(rasgo["properties"]["mag"])


def eje_mayor(rasgo):
    """Major axis in arcminutes from "AxB" or "A"; None without a size."""
    dim = rasgo["properties"]["dim"].strip()
    if not dim:
        return None
    return max(float(v) for v in dim.split("x"))


def clase_tamano(eje, umbrales):
    """1 above the first threshold, 2 above the second, ...; an object
    without a size gets the smallest class."""
    if eje is not None:
        for i, u in enumerate(umbrales):
            if eje > u:
                return i + 1
    return len(umbrales) + 1


def excluido(rasgo, clase):
    return (rasgo["id"].startswith(clase.catalogos_excluidos)
            or rasgo["id"] in clase.objetos_excluidos)


def es_ngc_ic(rasgo):
    return rasgo["id"].startswith(("NGC ", "IC "))


def orden_seleccion(rasgo):
    """Brightest first. Objects of unknown magnitude come after all the
    others: NGC and IC objects first, then the largest."""
    m = magnitud(rasgo)
    if m < MAGNITUD_DESCONOCIDA:
        return (0, 0, m, rasgo["id"])
    return (1, 0 if es_ngc_ic(rasgo) else 1, -eje_mayor(rasgo), rasgo["id"])


def selecciona(rasgos, clase):
    """The clase.cantidad objects of the kind that have a measured size,
    in table order: by size class, then from the largest major axis, then
    by magnitude and code."""
    candidatos = [r for r in rasgos
                  if r["properties"]["type"] in clase.tipos
                  and eje_mayor(r) is not None
                  and not excluido(r, clase)]
    candidatos.sort(key=orden_seleccion)
    elegidos = candidatos[:clase.cantidad]
    if len(elegidos) != clase.cantidad:
        raise ValueError(f"{clase.archivo}: only {len(elegidos)} objects")
    elegidos.sort(key=lambda r: (clase_tamano(eje_mayor(r), clase.umbrales),
                                 -eje_mayor(r), magnitud(r), codigo(r)))
    return elegidos


# Catalogue prefixes and the shorter forms used when the code is too long.
PREFIJOS = (
    ("NGC ", "N", "N"),
    ("IC ", "IC", "I"),
    ("PGC ", "PGC", "P"),
    ("UGC ", "UGC", "U"),
    ("ESO ", "ESO", ""),  # "515-16": field and number
    ("Ced ", "Ced", "Cd"),
    ("VdB ", "VdB", "VdB"),
    ("Sh2 ", "Sh", "Sh"),  # Sharpless 2-79 is "Sh79", not "Sh279"
    ("M ", "M", "M"),
    ("C ", "C", "C"),
)
# Galactic designations (PK lll+bb.n, PN G lll.l+bb.b, SNR G lll.l+bb.b)
# become the whole degrees of longitude and latitude: "308-12".
GALACTICA = re.compile(r"^(?:PK|PN G|SNR G) (\d{3})(?:\.\d)?([+-]\d{2})")


def codigo(rasgo):
    """The 6-character code of the search listing."""
    ident = rasgo["id"]
    desig = rasgo["properties"]["desig"]
    if desig in ("LMC", "SMC"):  # the Magellanic Clouds by their names
        return desig
    g = GALACTICA.match(ident)
    if g:
        return g.group(1) + g.group(2)
    for prefijo, largo, corto in PREFIJOS:
        if ident.startswith(prefijo):
            numero = ident[len(prefijo):].replace(" ", "")
            for forma in (largo + numero, corto + numero):
                if len(forma) <= 6:
                    return forma
    raise ValueError(f"no 6-character code for {ident!r}")


def ar_dec(rasgo):
    """Right ascension 0..360 and declination, degrees (J2000)."""
    lon, lat = rasgo["geometry"]["coordinates"]
    return lon % 360.0, lat


def registro_profundo(rasgo, clase):
    ar, dec = ar_dec(rasgo)
    return b"".join([
        texto(codigo(rasgo), 6),
        simple(math.radians(ar)),
        simple(math.radians(dec)),
        entero(clase_tamano(eje_mayor(rasgo), clase.umbrales)),
        cosenos(ar, dec),
    ])


def construye_clase(rasgos, clase, salida):
    elegidos = selecciona(rasgos, clase)
    codigos = [codigo(r) for r in elegidos]
    if len(set(codigos)) != len(codigos):
        raise ValueError(f"{clase.archivo}: repeated codes")
    escribe(os.path.join(salida, clase.archivo),
            [registro_profundo(r, clase) for r in elegidos], LONGITUD_PROFUNDO)


def construye(datos, salida):
    rasgos = fuentes.lee_json(datos, "dsos.14.json")["features"]
    construye_messier(datos, rasgos, salida)
    for clase in (GALAXIAS, PLANETARIAS, DIFUSAS):
        construye_clase(rasgos, clase, salida)
