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


def paquete_npm(cache, paquete, tarball, sha256, nombre):
    """Folder where the npm package is unpacked (its files under package/),
    fetched with `npm pack` into the cache and checked against its SHA-256
    the first time."""
    destino = os.path.join(cache, nombre)
    if os.path.isdir(os.path.join(destino, "package")):
        return destino
    os.makedirs(cache, exist_ok=True)
    tgz = os.path.join(cache, tarball)
    if not os.path.exists(tgz):
        subprocess.run(["npm", "pack", paquete, "--silent"], cwd=cache, check=True,
                       stdout=subprocess.DEVNULL)
    with open(tgz, "rb") as f:
        suma = hashlib.sha256(f.read()).hexdigest()
    if suma != sha256:
        raise RuntimeError(f"{tgz}: sha256 {suma}, expected {sha256}")
    with tarfile.open(tgz) as t:
        try:
            t.extractall(destino, filter="data")
        except TypeError:  # Python without extraction filters
            t.extractall(destino)
    return destino


def carpeta_datos(cache):
    """Folder holding the package's data/ files, fetching them when missing."""
    return os.path.join(paquete_npm(cache, PAQUETE, TARBALL, SHA256, "d3-celestial"), "package", "data")


def lee_json(datos, nombre):
    with open(os.path.join(datos, nombre), encoding="utf-8") as f:
        return json.load(f)
