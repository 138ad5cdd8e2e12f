"""Fixed-length records as the program reads them: little-endian 16-bit
integers, IEEE singles and doubles, and Windows-1252 text padded with spaces."""

import math
import struct


def texto(s, n):
    """A text field of n characters: cut or padded with spaces, in cp1252."""
    s = (s or "")[:n].ljust(n)
    return s.encode("cp1252")


def entero(v):
    return struct.pack("<h", int(v))


def simple(v):
    return struct.pack("<f", float(v))


def doble(v):
    return struct.pack("<d", float(v))


def redondea_simple(v):
    """The value a single-precision field will hold."""
    return struct.unpack("<f", struct.pack("<f", float(v)))[0]


def cosenos(ar_grados, dec_grados):
    """Direction cosines as the program stores them:
    x = -sin a |cos b|, y = sin b, z = cos a |cos b|, as three singles."""
    a = math.radians(ar_grados)
    b = math.radians(dec_grados)
    c = abs(math.cos(b))
    return simple(-math.sin(a) * c) + simple(math.sin(b)) + simple(math.cos(a) * c)


def escribe(ruta, registros, longitud):
    """Writes the records, checking that each has the file's record length."""
    for i, r in enumerate(registros):
        if len(r) != longitud:
            raise ValueError(f"{ruta}: record {i + 1} has {len(r)} bytes, not {longitud}")
    with open(ruta, "wb") as f:
        f.write(b"".join(registros))
