"""The source catalogues: the data folder of the npm package d3-celestial
0.7.35 (BSD-3 licence), fetched once with `npm pack` into a cache folder."""

import hashlib
import json
import os
import subprocess
import tarfile

PAQUETE = "d3-celestial@0.7.35"
TARBALL = "d3-celestial-0.7.35.tgz"
# Integrity of the published tarball, so that a rebuild reads the same bytes.
SHA256 = "490796718c201e15f38c324bda5458fc4de22519313093bf261b628185eaae81"


def carpeta_datos(cache):
    """Folder holding the package's data/ files, fetching them when missing."""
    destino = os.path.join(cache, "d3-celestial")
    datos = os.path.join(destino, "package", "data")
    if os.path.isdir(datos):
        return datos
    os.makedirs(cache, exist_ok=True)
    tgz = os.path.join(cache, TARBALL)
    if not os.path.exists(tgz):
        subprocess.run(["npm", "pack", PAQUETE, "--silent"], cwd=cache, check=True,
                       stdout=subprocess.DEVNULL)
    with open(tgz, "rb") as f:
        suma = hashlib.sha256(f.read()).hexdigest()
    if suma != SHA256:
        raise RuntimeError(f"{tgz}: sha256 {suma}, expected {SHA256}")
    with tarfile.open(tgz) as t:
        try:
            t.extractall(destino, filter="data")
        except TypeError:  # Python without extraction filters
            t.extractall(destino)
    return datos


def lee_json(datos, nombre):
    with open(os.path.join(datos, nombre), encoding="utf-8") as f:
        return json.load(f)
