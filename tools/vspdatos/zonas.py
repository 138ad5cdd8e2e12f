"""The cities' time zones, data/VSPZONAS.TXT, from data/fuentes/localidades.csv
and the time-zone boundaries of the npm package @photostructure/tz-lookup
11.7.0 (CC0; boundaries from timezone-boundary-builder, OpenStreetMap data),
run once with Node.js.

One line per city of VSPDATH.DAT, in the same order:
    index <TAB> name as the location dialog shows it <TAB> IANA zone name
after a few comment lines that begin with '#'.  The program checks each
line's index and name against the city file it loaded, so that a city file
built from another list never borrows another city's zone.
"""

import json
import os
import subprocess

from . import fuentes, localidades

PAQUETE = "@photostructure/tz-lookup@11.7.0"
TARBALL = "photostructure-tz-lookup-11.7.0.tgz"
SHA256 = "a6b0b3e9196be577694deca9424617421a967ff4de6405c5d61508a29293052b"

FICHERO = "VSPZONAS.TXT"

# Where a city's point falls on the wrong side of a boundary for the city the
# list means: Nicosia's point lies in the northern part of the divided city,
# but the list names the capital of the Republic of Cyprus, whose clocks
# never followed Famagusta's year at +3 (2016-2017).
CORRECCIONES = {("Nicosia", "CYP"): "Asia/Nicosia"}

# Reads [[lat, lon], ...] on stdin and writes the zone names as a JSON list.
BUSCA = """
const tz = require(process.argv[1]);
let entrada = "";
process.stdin.on("data", (d) => (entrada += d));
process.stdin.on("end", () => {
  const puntos = JSON.parse(entrada);
  process.stdout.write(JSON.stringify(puntos.map(([lat, lon]) => tz(lat, lon))));
});
"""


def construye(fuentes_dir, cache, salida):
    """Writes salida/VSPZONAS.TXT."""
    ciudades = localidades.sort_cities(localidades.read_cities(os.path.join(fuentes_dir, "localidades.csv")))
    modulo = os.path.abspath(os.path.join(fuentes.paquete_npm(cache, PAQUETE, TARBALL, SHA256, "tz-lookup"), "package", "tz.js"))
    puntos = [[c["latitud"], c["longitud"]] for c in ciudades]
    hecho = subprocess.run(["node", "-e", BUSCA, modulo], input=json.dumps(puntos), text=True,
                           capture_output=True, check=True)
    zonas = json.loads(hecho.stdout)
    if len(zonas) != len(ciudades) or not all(isinstance(z, str) and "/" in z for z in zonas):
        raise RuntimeError(f"{PAQUETE}: unexpected answer {hecho.stdout[:200]!r}")
    zonas = [CORRECCIONES.get((c["nombre"], c["pais"]), z) for c, z in zip(ciudades, zonas)]
    lineas = [
        "# VESPERA: the IANA time zone of each city of VSPDATH.DAT, in its order.",
        f"# Built by tools/construye_catalogos.py with {PAQUETE} (CC0);",
        "# boundaries: timezone-boundary-builder, (c) OpenStreetMap contributors, ODbL 1.0.",
    ]
    lineas += [f"{i}\t{c['nombre']}\t{z}" for i, (c, z) in enumerate(zip(ciudades, zonas))]
    with open(os.path.join(salida, FICHERO), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lineas) + "\n")
