#!/usr/bin/env python3
"""Reference local times for the tests, from Python's own reading of the
time-zone database (zoneinfo), independent of Qt's.

    python3 tools/referencias_zonas.py > tests/time/zonas_referencia.txt

For each city of data/VSPZONAS.TXT, four instants drawn with a fixed seed
from 1975-2024 (past dates, so that a later tzdata's new rules do not move
them): the city's index, the instant in seconds since 1970, the offset from
UT in minutes and 1 when the database counts summer time (a positive DST).
"""

import os
import random
from datetime import datetime, timezone
from zoneinfo import ZoneInfo

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

DESDE = int(datetime(1975, 1, 1, tzinfo=timezone.utc).timestamp())
HASTA = int(datetime(2025, 1, 1, tzinfo=timezone.utc).timestamp())


def main():
    azar = random.Random(24)
    print("# index  seconds since 1970  offset (min)  summer time")
    with open(os.path.join(RAIZ, "data", "VSPZONAS.TXT"), encoding="utf-8") as f:
        for linea in f:
            if linea.startswith("#"):
                continue
            indice, _, zona = linea.rstrip("\n").split("\t")
            for _ in range(4):
                t = azar.randrange(DESDE, HASTA)
                local = datetime.fromtimestamp(t, tz=timezone.utc).astimezone(ZoneInfo(zona))
                verano = 1 if local.dst().total_seconds() > 0 else 0
                print(indice, t, int(local.utcoffset().total_seconds() // 60), verano)


if __name__ == "__main__":
    main()
