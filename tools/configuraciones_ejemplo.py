#!/usr/bin/env python3
"""Writes the eight sample configurations that VESPERA ships in data/.

    python3 tools/configuraciones_ejemplo.py [--salida DIR]

Each sample is one observing situation, described below in MUESTRAS as a
readable table of settings: the place (a city of the program's list, looked
up by name in data/VSPDATH.DAT, or coordinates), the local civil time, the
view, what is shown and the animation that goes with it.  The script turns
each entry into the four-line ".vpc" text the program loads and writes the
file; the same table always gives the same bytes.

The sky values quoted in the comments (altitudes and azimuths, times of
maximum, separations) were computed with PyEphem 4.1 for the same place and
instant, geometric (without refraction, as the chart draws the sky), and
with the program's own Sun, Moon and planet formulas, which agree to within
the tenths of a degree quoted.

File format, one line each, CR LF at the end of every line, numbers with a
"." and no thousands separator, text in double quotes, UTF-8:
    1. Julian day (UT), city index, longitude (radians, westward 0..2*pi),
       latitude, view direction (azimuth from north through east),
       view elevation, zoom;
    2. the description;
    3. 42 whole numbers: levels, label options, time kind, a reserved 0,
       animation unit, "include animation", the 28 object check boxes;
    4. 18 values: print size, panels, clock, image sense, precession,
       telescope, sound, telescope field, speed, time zone, daylight saving,
       animation factor, real time, print data.
Numbers are written in their shortest exact form (a double as the shortest
text that reads back the same double, a single likewise), the way the
program itself saves them, so loading a sample and saving it again gives
the same text.
"""

import argparse
import math
import os
import struct

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FICHERO_LOCALIDADES = os.path.join(RAIZ, "data", "VSPDATH.DAT")

# --- the program's constants -------------------------------------------------

DOS_PI = 6.2831853072
# Radians per degree and per second of arc, as the location dialog converts
# what the user types: a sample value is what typing it there would give.
RADIANES_GRADO = 0.01745329252
RADIANES_SEGUNDO = 4.8481368e-6

# --- codes of the file ----------------------------------------------------------

# Label options.
NO_IDENTIFICAR, CODIGO, NOMBRE = 0, 1, 2          # stars and Messier objects
ABREVIATURA, CASTELLANO, LATIN = 1, 2, 3         # constellations (0 = none)

# Time kind of the date dialog's steps.
SIDEREO, SOLAR = 0, 1

# Animation units.
MINUTO, HORA, DIA_SIDEREO, MES_SIDEREO, ANO_SIDEREO = 1, 2, 3, 4, 5
SIGLO_SIDEREO, MILENIO_SIDEREO, DIA_SOLAR, MES_SOLAR = 6, 7, 8, 9
ANO_SOLAR, SIGLO_SOLAR, MILENIO_SOLAR = 10, 11, 12

# Two-way options.
SI, NO = 1, 2

# The 28 check boxes of the objects dialog, in file order.
CASILLAS = (
    "Sol", "Luna", "Mercurio", "Venus", "Tierra", "Marte", "Júpiter", "Saturno",
    "Urano", "Neptuno", "Plutón", "Galaxias", "NebPlanetarias", "NebDifusas",
    "CumAbiertos", "CumGlobulares", "Quasares", "Pulsares", "AgujerosNegros",
    "ARDEC30", "ARDEC15", "Horizonte", "Ecliptica", "LimitesConstel",
    "LuzDiurna", "ViaLactea", "Messier", "IdentificarProfundo",
)
# Layers the program shows disabled: a sample never ticks them.
CASILLAS_INACTIVAS = {"Tierra", "CumAbiertos", "CumGlobulares", "Quasares",
                      "Pulsares", "AgujerosNegros", "LimitesConstel"}
# Saturn to Pluto are not drawn and a load leaves their boxes as they are;
# they are written ticked, as the program's built-in configuration has them.
PLANETAS_EXTERIORES = ("Saturno", "Urano", "Neptuno", "Plutón")
CUERPOS = ("Sol", "Luna", "Mercurio", "Venus", "Marte", "Júpiter") + PLANETAS_EXTERIORES

# Settings every sample shares unless its entry says otherwise.
COMUNES = {
    "nivel_galaxias": 3, "nivel_neb_planetarias": 1, "nivel_neb_difusas": 1,
    "nivel_cum_abiertos": 1, "nivel_cum_globulares": 1,
    "id_messier": CODIGO,
    "tiempo": SOLAR,
    # Without animation the date dialog's unit stays the sidereal day.
    "animacion": (DIA_SIDEREO, 1), "incluir_animacion": 0,
    # A4 landscape chart, 4:3 as the print dialog keeps it, with the data.
    "ancho_impresion": 180, "alto_impresion": 135, "imprimir_datos": 1,
    "panel_control": SI, "panel_cursor": SI, "panel_localizacion": SI, "panel_objetos": NO,
    "formato_24_horas": SI, "sentido_directo": SI,
    # Precession on: the catalogue's J2000 stars are carried to the date's
    # equinox, where the Sun, Moon and planets are computed.
    "precesion": SI,
    "telescopio": SI, "campo_telescopio_minutos": 180, "sonido": SI,
    "velocidad": 50,
}

MUESTRAS = [
    {
        # The first chart the program shows: a dark summer sky from Malaga
        # with the Milky Way rising from Scorpius and Sagittarius in the
        # south to Aquila high in the south-east.  24 August 2025 is the day
        # after new moon, so the Moon is down (-16.5 degrees).  At 21:00 UT
        # the Sun is at -23.2 degrees (full darkness), Nunki crosses the
        # meridian at 27.0 degrees, Kaus Australis is at 186.5/18.6
        # (azimuth/altitude), Antares at 213.8/18.2, Altair at 151.9/59.4;
        # Saturn is rising in the east (99.2/8.8), outside the view.
        "archivo": "INICIAL.VPC",
        "descripcion": "Noche de verano en Málaga: la Vía Láctea de Escorpión y Sagitario "
                       "al Águila, mirando al sur",
        "ciudad": "Málaga",
        "hora_local": (2025, 8, 24, 23, 0), "zona": 1, "verano": 1,
        "direccion": 175, "elevacion": 35, "zoom": 2,
        # Stars to magnitude 5.5 unlabelled: the constellations' names
        # carry the chart, and the star names are a click away.
        "nivel_estrellas": 5, "id_estrellas": NO_IDENTIFICAR,
        "nivel_constelaciones": 4, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica", "ViaLactea", "Messier"),
    },
    {
        # For learning the constellations: every figure (level 4) with its
        # Castilian name and the named stars to magnitude 5.5, around Orion
        # in a February evening from Madrid, with the objects legend shown.
        # At 20:00 UT on 15 February 2026 Alnilam (Orion's belt) is at
        # 176.6/48.3, Sirius 158.4/30.0, Aldebaran 208.6/63.7, Procyon
        # 131.1/43.9, and Jupiter, in Gemini, 122.0/62.4.  The Sun is at
        # -25.3 and the Moon, two days before new, well below the horizon.
        "archivo": "CONSTELACIONES.VPC",
        "descripcion": "Para aprender las constelaciones: el cielo de invierno alrededor "
                       "de Orión desde Madrid",
        "ciudad": "Madrid",
        "hora_local": (2026, 2, 15, 21, 0), "zona": 1, "verano": 0,
        "direccion": 170, "elevacion": 45, "zoom": 1.5,
        "nivel_estrellas": 5, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 4, "id_constel": CASTELLANO,
        "id_messier": NOMBRE,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica", "ViaLactea", "Messier"),
        "panel_objetos": SI,
    },
    {
        # The total solar eclipse of 22 July 1990 at sunrise in Helsinki
        # (Finnish summer time, UT+3).  The least Sun-Moon separation seen
        # from Helsinki, searched minute by minute, is 0.16' at 01:53 UT:
        # the Moon (radius 16.2') covers the Sun (15.7').  The Sun is then
        # at 47.3/0.7, just above the north-eastern horizon (it rose at
        # 01:45 UT).  The program's own Sun and Moon are at 48.1/1.0 and
        # 48.3/1.3.  Stepping one minute at a time shows the Moon sliding
        # off the rising Sun; the telescope circle is set to one degree.
        "archivo": "ECLIPSE 1990.VPC",
        "descripcion": "Eclipse total de Sol del 22 de julio de 1990 visto desde Helsinki "
                       "al amanecer",
        "ciudad": "Helsinki",
        "hora_local": (1990, 7, 22, 4, 53), "zona": 2, "verano": 1,
        "direccion": 47.3, "elevacion": 0.7, "zoom": 12,
        "nivel_estrellas": 3, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 2, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica"),
        "animacion": (MINUTO, 1), "incluir_animacion": 1,
        "campo_telescopio_minutos": 60,
    },
    {
        # Mars's retrograde loop of its 2003 opposition (28 August), in
        # Aquarius.  Mars stood still on 30 July (RA 22h56m) and again on
        # 29 September (22h16m); the sample starts four weeks before the
        # first stationary point, at 02:30 UT on 1 July 2003, from Valencia,
        # with Mars at 153.3/32.8 and the Sun at -18.8.  Each step is one
        # sidereal day, so the stars keep their place on the chart while
        # Mars moves: over the 125 steps to 2 November (the loop closed and
        # Mars past its start) Mars keeps within azimuths 147.6-159.4 and
        # altitudes 30.4-34.9 (the program's own Mars, 150.2-162.2 and
        # 31.1-35.1), and the clock moves back to 18:18 UT on 2 November
        # with the Sun at -15.7: every step is a night sky.
        "archivo": "MARTE RETRÓGRADO.VPC",
        "descripcion": "Bucle retrógrado de Marte en Acuario en 2003 desde Valencia: anime "
                       "por días siderales",
        "ciudad": "Valencia",
        "hora_local": (2003, 7, 1, 4, 30), "zona": 1, "verano": 1,
        "direccion": 153.5, "elevacion": 32.5, "zoom": 5,
        "nivel_estrellas": 6, "id_estrellas": CODIGO,
        "nivel_constelaciones": 3, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica", "Messier"),
        "tiempo": SIDEREO,
        "animacion": (DIA_SIDEREO, 1), "incluir_animacion": 1,
    },
    {
        # The finest gathering of 1986 seen from Spain (searched over the
        # year's mornings and evenings): before dawn on 29 November 1986 the
        # crescent Moon (10% lit) stands 2.5 degrees from Venus (magnitude
        # -4.4, near its greatest brilliance) with Mercury, at its greatest
        # western elongation (20.2 degrees), below them.  From Seville at
        # 06:15 UT (07:15 CET), Sun at -12.3: Moon 123.6/16.7, Venus
        # 121.0/16.5, Mercury 114.2/6.9 (the program's own positions agree
        # within 1.2 degrees).  Stepping one solar day at a time from 27 to
        # 30 November shows the Moon passing Venus and Mercury.
        "archivo": "PLANETAS 1986.VPC",
        "descripcion": "Luna, Venus y Mercurio juntos antes del amanecer del 29 de noviembre "
                       "de 1986 desde Sevilla",
        "ciudad": "Sevilla",
        "hora_local": (1986, 11, 29, 7, 15), "zona": 1, "verano": 0,
        "direccion": 119, "elevacion": 12, "zoom": 4,
        "nivel_estrellas": 4, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 2, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica"),
        "animacion": (DIA_SOLAR, 1), "incluir_animacion": 1,
    },
    {
        # The Pleiades (M45, J2000 3h47m +24 07') near the meridian on a
        # January evening from Granada: at 20:00 UT on 18 January 2026 M45
        # is at 169.9/76.8.  It is new moon (the Moon at -32.6), the Sun at
        # -30.8.  Every star to magnitude 7.5 with its name (Alcíone, Atlas,
        # Electra, Maia, Mérope, Taygeta, Pléyone, Celeno, Astérope), the
        # Messier label and the diffuse nebulae, which include the Merope
        # nebula NGC 1435.  The two-degree telescope circle is a pair of
        # binoculars' field.
        "archivo": "PLÉYADES.VPC",
        "descripcion": "Las Pléyades (M45) en lo alto una noche de enero desde Granada",
        "ciudad": "Granada",
        "hora_local": (2026, 1, 18, 21, 0), "zona": 1, "verano": 0,
        "direccion": 170, "elevacion": 76.8, "zoom": 12,
        "nivel_estrellas": 7, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 1, "id_constel": CASTELLANO,
        "id_messier": NOMBRE,
        "casillas": CUERPOS + ("Ecliptica", "NebDifusas", "Messier", "IdentificarProfundo"),
        "campo_telescopio_minutos": 120,
    },
    {
        # The Sun on 29 February 2024 at true noon in Zaragoza: it crosses
        # the meridian at 12:15:54 UT, so at 12:16 UT (13:16 CET) it is at
        # 180.0/40.7, in Aquarius.  With the daylight background, the
        # ecliptic and the 15-degree grid.  One solar year per step: the
        # program carries 29 February into a common year as 1 March, so the
        # steps give 1 March 2025, 2026, 2027, 2028...  and the Sun comes
        # back to nearly the same place: its ecliptic longitude, 340.07
        # degrees on 29 February 2024, is 340.82, 340.56, 340.30 and 341.05
        # on those four days, and the Sun stays within the view every year.
        "archivo": "SOL BISIESTO.VPC",
        "descripcion": "El Sol al mediodía del 29 de febrero de 2024 desde Zaragoza: anime "
                       "por años solares",
        "ciudad": "Zaragoza",
        "hora_local": (2024, 2, 29, 13, 16), "zona": 1, "verano": 0,
        "direccion": 180, "elevacion": 40.7, "zoom": 6,
        "nivel_estrellas": 3, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 2, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("ARDEC15", "Horizonte", "Ecliptica", "LuzDiurna"),
        "animacion": (ANO_SOLAR, 1), "incluir_animacion": 1,
    },
    {
        # The midnight Sun at North Cape (Nordkapp, the globe monument at
        # 71 10'21" N, 25 47'04" E; not in the city list) at midnight of the
        # June solstice 2025, Norwegian summer time (UT+2): 00:00 on
        # 21 June is 22:00 UT on 20 June, and the Sun is at 355.7/4.7 (its
        # lowest, 4.6 degrees, at 22:19 UT).  Stepping one hour at a time
        # the Sun circles the sky and never sets, under the daylight
        # background the chart keeps all night.
        "archivo": "SOL DE MEDIANOCHE.VPC",
        "descripcion": "Sol de medianoche en el Cabo Norte (Noruega) en el solsticio de "
                       "junio de 2025",
        "lugar": {"latitud": (71, 10, 21, "N"), "longitud": (25, 47, 4, "E")},
        "hora_local": (2025, 6, 21, 0, 0), "zona": 1, "verano": 1,
        "direccion": 356, "elevacion": 20, "zoom": 1.5,
        "nivel_estrellas": 2, "id_estrellas": NOMBRE,
        "nivel_constelaciones": 1, "id_constel": CASTELLANO,
        "casillas": CUERPOS + ("Horizonte", "Ecliptica", "LuzDiurna"),
        "animacion": (HORA, 1), "incluir_animacion": 1,
    },
]


# --- places ----------------------------------------------------------------------

def read_cities(ruta):
    """{name: (index, longitude, latitude)} from the city file, whose record
    order is the index the location dialog's list and the file use."""
    with open(ruta, "rb") as f:
        datos = f.read()
    if len(datos) % 28:
        raise ValueError(f"{ruta}: not a whole number of 28-byte records")
    ciudades = {}
    for indice in range(len(datos) // 28):
        registro = datos[indice * 28:(indice + 1) * 28]
        nombre = registro[:15].decode("cp1252").rstrip()
        longitud, latitud = struct.unpack("<ff", registro[20:28])
        ciudades[nombre] = (indice, longitud, latitud)
    return ciudades


def radians_from_dms(grados, minutos, segundos):
    """An angle typed in the location dialog as degrees, minutes, seconds."""
    return (grados * 3600 + minutos * 60 + segundos) * RADIANES_SEGUNDO


def place(muestra, ciudades):
    """(city index, longitude, latitude): a listed city keeps its stored
    single-precision coordinates, so the file matches what choosing the city
    gives; any other place has index -1 and its typed coordinates."""
    if "ciudad" in muestra:
        return ciudades[muestra["ciudad"]]
    lat_g, lat_m, lat_s, hemisferio = muestra["lugar"]["latitud"]
    lon_g, lon_m, lon_s, lado = muestra["lugar"]["longitud"]
    latitud = radians_from_dms(lat_g, lat_m, lat_s) * (1 if hemisferio == "N" else -1)
    # Longitudes are held westward: east longitude l is 2*pi - l.
    longitud = radians_from_dms(lon_g, lon_m, lon_s)
    if lado == "E":
        longitud = DOS_PI - longitud
    return -1, longitud, latitud


# --- time ------------------------------------------------------------------------

def day_number(ano, mes, dia):
    """Julian day number (the day starting at noon) of a Gregorian date."""
    if (ano, mes, dia) < (1582, 10, 15):
        raise ValueError("the samples use Gregorian dates only")
    a = (14 - mes) // 12
    y = ano + 4800 - a
    m = mes + 12 * a - 3
    return dia + (153 * m + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045


def julian_day_ut(hora_local, zona, verano):
    """Julian day of UT of a local civil time, to the whole minute: the
    Julian day of 0h UT of the UT date plus the minutes since then / 1440."""
    ano, mes, dia, hora, minuto = hora_local
    minutos = hora * 60 + minuto - round((zona + verano) * 60)
    dia_juliano = day_number(ano, mes, dia) + minutos // 1440
    return (dia_juliano - 0.5) + (minutos % 1440) / 1440


# --- numbers as the program writes them ------------------------------------------------

def text_double(v):
    """Shortest text that reads back as the same double; no ".0" on whole
    numbers."""
    t = repr(float(v))
    return t[:-2] if t.endswith(".0") else t


def text_single(v):
    """Shortest text that reads back as the same single."""
    simple = struct.unpack("<f", struct.pack("<f", v))[0]
    for digitos in range(1, 10):
        t = f"{simple:.{digitos}g}"
        if struct.unpack("<f", struct.pack("<f", float(t)))[0] == simple:
            return text_double(float(t)) if "e" not in t else t
    raise AssertionError(v)


# --- the four lines ----------------------------------------------------------------------

def settings(muestra):
    """The sample's entry over the common settings, checked."""
    c = dict(COMUNES)
    c.update(muestra)
    check(c)
    return c


def check(c):
    casillas = set(c["casillas"])
    desconocidas = casillas - set(CASILLAS)
    if desconocidas:
        raise ValueError(f"{c['archivo']}: unknown check boxes {sorted(desconocidas)}")
    if casillas & CASILLAS_INACTIVAS:
        raise ValueError(f"{c['archivo']}: disabled layers ticked")
    if {"ARDEC15", "ARDEC30"} <= casillas:
        raise ValueError(f"{c['archivo']}: only one grid can be shown")
    limites = {
        "nivel_estrellas": (0, 7), "nivel_constelaciones": (0, 4), "nivel_galaxias": (1, 4),
        "nivel_neb_planetarias": (1, 2), "nivel_neb_difusas": (1, 2),
        "nivel_cum_abiertos": (1, 2), "nivel_cum_globulares": (1, 2),
        "id_estrellas": (0, 2), "id_constel": (0, 3), "id_messier": (0, 2),
        "direccion": (0, 360), "elevacion": (0, 90), "zoom": (1, 15), "zona": (-12, 12),
        "verano": (0, 1), "velocidad": (0, 100), "campo_telescopio_minutos": (0, 1800),
        "ancho_impresion": (100, 9999), "alto_impresion": (75, 9999),
    }
    for clave, (minimo, maximo) in limites.items():
        if not minimo <= c[clave] <= maximo:
            raise ValueError(f"{c['archivo']}: {clave} = {c[clave]} outside {minimo}..{maximo}")
    if c["alto_impresion"] != c["ancho_impresion"] * 6 // 8:
        raise ValueError(f"{c['archivo']}: the print dialog keeps the chart 4:3")
    unidad, factor = c["animacion"]
    if not (1 <= unidad <= 12 and 1 <= factor <= 99):
        raise ValueError(f"{c['archivo']}: animation {c['animacion']}")
    if (c["zona"] * 2) % 1:
        raise ValueError(f"{c['archivo']}: the time zone goes in half hours")
    if '"' in c["descripcion"]:
        raise ValueError(f"{c['archivo']}: a double quote cannot be stored in the description")


def view_radians(grados):
    """A view angle in radians as the location dialog converts whole or
    decimal degrees, rounded to 1e-12 radians so that the product's last
    binary digit does not show in the file."""
    return round(grados * RADIANES_GRADO, 12)


def line_place_and_view(c, ciudades):
    indice, longitud, latitud = place(c, ciudades)
    return [
        text_double(julian_day_ut(c["hora_local"], c["zona"], c["verano"])),
        str(indice),
        text_double(longitud),
        text_double(latitud),
        text_double(view_radians(c["direccion"])),
        text_double(view_radians(c["elevacion"])),
        text_single(c["zoom"]),
    ]


def line_objects(c):
    unidad, _ = c["animacion"]
    marcadas = set(c["casillas"])
    valores = [
        c["nivel_estrellas"], c["nivel_constelaciones"], c["nivel_galaxias"],
        c["nivel_neb_planetarias"], c["nivel_neb_difusas"], c["nivel_cum_abiertos"],
        c["nivel_cum_globulares"], c["id_estrellas"], c["id_constel"], c["id_messier"],
        c["tiempo"], 0, unidad, c["incluir_animacion"],
    ] + [1 if nombre in marcadas else 0 for nombre in CASILLAS]
    return [str(v) for v in valores]


def line_options(c):
    _, factor = c["animacion"]
    campo = math.radians(c["campo_telescopio_minutos"] / 60)
    return [str(v) for v in (
        c["ancho_impresion"], c["alto_impresion"], c["panel_control"], c["panel_cursor"],
        c["panel_localizacion"], c["panel_objetos"], c["formato_24_horas"],
        c["sentido_directo"], c["precesion"], c["telescopio"], c["sonido"],
    )] + [
        text_double(campo), str(c["velocidad"]), text_single(c["zona"]), str(c["verano"]),
        # Real-time running is always off in a file the user loads.
        str(factor), "0", str(c["imprimir_datos"]),
    ]


def configuration_text(muestra, ciudades):
    c = settings(muestra)
    lineas = [
        ",".join(line_place_and_view(c, ciudades)),
        '"' + c["descripcion"] + '"',
        ",".join(line_objects(c)),
        ",".join(line_options(c)),
    ]
    return "".join(linea + "\r\n" for linea in lineas)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--salida", default=os.path.join(RAIZ, "data"))
    args = p.parse_args()
    ciudades = read_cities(FICHERO_LOCALIDADES)
    os.makedirs(args.salida, exist_ok=True)
    for muestra in MUESTRAS:
        texto = configuration_text(muestra, ciudades)
        with open(os.path.join(args.salida, muestra["archivo"]), "wb") as f:
            f.write(texto.encode("utf-8"))


if __name__ == "__main__":
    main()
