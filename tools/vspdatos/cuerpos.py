"""Builds VSPDATF.DAT, the solar-system bodies: 12 records of 107 bytes.

Record 1 is never read and is written as zeros. Records 2..12 hold, in order,
Mercurio, Venus, Tierra, Marte, Júpiter, Saturno, Urano, Neptuno, Plutón, Sol
and Luna: a 3-letter label, seven orbital elements as doubles (mean daily
motion n, mean longitude L0 at day count 0, longitude of perihelion,
eccentricity, semi-major axis, inclination, longitude of the ascending node)
and the result fields that the program overwrites (written as zeros).

The elements come from E. M. Standish's table "Keplerian Elements for
Approximate Positions of the Major Planets" (JPL Solar System Dynamics,
valid 1800-2050, mean ecliptic and equinox of J2000). The program turns a
mean longitude into an ecliptic longitude of date, so the mean motion is
referred to the moving equinox: the general precession in longitude is
added to the table's rate. The Sun and the Moon carry only their labels.
"""

import math
import os

from .registros import doble, escribe, simple, texto

ARCHIVO = "VSPDATF.DAT"
LONGITUD_REGISTRO = 107

# The program's day count is d = JD + 31739.5; J2000.0 (JD 2451545.0) is:
DIA_J2000 = 2451545.0 + 31739.5
# The program reduces angles with this value of 2*pi; L0 is reduced with it
# too, so that the program gets the table's L back exactly at J2000.
DOS_PI_PROGRAMA = 6.2831853072
# General precession in longitude, arcseconds per Julian century.
PRECESION_GENERAL = 5028.796
DIAS_POR_SIGLO = 36525.0

# Standish's table: a (AU), e, I, L, long. perihelion, long. node (degrees)
# at J2000, then their rates per Julian century. Only the rate of L is used:
# the other elements are kept at their J2000 values.
ELEMENTOS_JPL = {
    "MER": ((0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593),
            (0.00000037, 0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081)),
    "VEN": ((0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255),
            (0.00000390, -0.00004107, -0.00078890, 58517.81538729, 0.00268329, -0.27769418)),
    # Earth-Moon barycentre.
    "TIE": ((1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0),
            (0.00000562, -0.00004392, -0.01294668, 35999.37244981, 0.32327364, 0.0)),
    "MAR": ((1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891),
            (0.00001847, 0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343)),
    "JUP": ((5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909),
            (-0.00011607, -0.00013253, -0.00183714, 3034.74612775, 0.21252668, 0.20469106)),
    "SAT": ((9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448),
            (-0.00125060, -0.00050991, 0.00193609, 1222.49362201, -0.41897216, -0.28867794)),
    "URA": ((19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503),
            (-0.00196176, -0.00004397, -0.00242939, 428.48202785, 0.40805281, 0.04240589)),
    "NEP": ((30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574),
            (0.00026291, 0.00005105, 0.00035372, 218.45945325, -0.32241464, -0.00508664)),
    "PLU": ((39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684),
            (-0.00031596, 0.00005170, 0.00004818, 145.20780515, -0.04062942, -0.01183482)),
}

# The Earth's mean motion and mean longitude also drive the sidereal time,
# so they are fixed values rather than the barycentre's: one tropical year
# of 365.2422 days per turn, and the longitude that goes with it.
TIERRA_N = 6.2831853072 / 365.2422
TIERRA_L0 = 1.7055069534451661

# Entries 1..11 of the table, in the order the program reads them.
CUERPOS = ("MER", "VEN", "TIE", "MAR", "JUP", "SAT", "URA", "NEP", "PLU", "SOL", "LUN")


def elementos_planeta(etiqueta):
    """(n, L0, perihelion, e, a, i, node) of a planet, radians and AU."""
    (a, e, i, l, peri, nodo), (_, _, _, l_siglo, _, _) = ELEMENTOS_JPL[etiqueta]
    n = math.radians(l_siglo + PRECESION_GENERAL / 3600.0) / DIAS_POR_SIGLO
    l0 = reduce_programa(math.radians(l) - n * DIA_J2000)
    return (n, l0, math.radians(peri) % math.tau, e, a, math.radians(i),
            math.radians(nodo) % math.tau)


def elementos_tierra():
    """The Earth: fixed n and L0; e and perihelion of the barycentre; a = 1 and
    no inclination, since the ecliptic is its orbit."""
    (_, e, _, _, peri, _), _ = ELEMENTOS_JPL["TIE"]
    return (TIERRA_N, TIERRA_L0, math.radians(peri), e, 1.0, 0.0, 0.0)


def reduce_programa(x):
    """x reduced to [0, 2*pi) as the program reduces it."""
    return x - math.floor(x / DOS_PI_PROGRAMA) * DOS_PI_PROGRAMA


def elementos(etiqueta):
    if etiqueta == "TIE":
        return elementos_tierra()
    if etiqueta in ELEMENTOS_JPL:
        return elementos_planeta(etiqueta)
    return (0.0,) * 7  # Sun and Moon: computed by their own formulas


def registro(etiqueta):
    """Label, seven elements, then the result fields as zeros."""
    campos = [texto(etiqueta, 3)]
    campos += [doble(v) for v in elementos(etiqueta)]
    campos += [doble(0.0)] * 3 + [simple(0.0)] * 6
    return b"".join(campos)


def construye(salida):
    registros = [bytes(LONGITUD_REGISTRO)]  # record 1 is never read
    registros += [registro(c) for c in CUERPOS]
    escribe(os.path.join(salida, ARCHIVO), registros, LONGITUD_REGISTRO)
