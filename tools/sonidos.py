#!/usr/bin/env python3
"""Synthesises the program's six feedback sounds (ids 4 to 9) as small WAV
files in data/sonidos/, compiled into the windows library as resources.

Each sound is a few sine partials under a short attack and an exponential
decay, so that they stay soft and never click at their ends. The output is
deterministic: running the script again rewrites the same bytes.

    python3 tools/sonidos.py
"""

import math
import pathlib
import struct
import wave

FRECUENCIA_MUESTREO = 22050
CARPETA = pathlib.Path(__file__).resolve().parent.parent / "data" / "sonidos"


def nota(inicio, duracion, frecuencia, amplitud, caida, parciales=((1.0, 1.0),),
         ataque=0.003, barrido=0.0):
    """One note: `parciales` are (frequency multiple, relative amplitude);
    `caida` is the decay time constant in seconds; `barrido` glides the
    pitch linearly by that many hertz over the note."""
    return (inicio, duracion, frecuencia, amplitud, caida, parciales, ataque, barrido)


def sintetiza(duracion, notas):
    total = int(duracion * FRECUENCIA_MUESTREO)
    muestras = [0.0] * total
    for inicio, largo, frecuencia, amplitud, caida, parciales, ataque, barrido in notas:
        primera = int(inicio * FRECUENCIA_MUESTREO)
        cuantas = min(int(largo * FRECUENCIA_MUESTREO), total - primera)
        fase = 0.0
        for n in range(cuantas):
            t = n / FRECUENCIA_MUESTREO
            f = frecuencia + barrido * t / largo
            fase += 2.0 * math.pi * f / FRECUENCIA_MUESTREO
            envolvente = min(1.0, t / ataque) * math.exp(-t / caida)
            # The last 5 ms fade to silence whatever the decay has left.
            envolvente *= min(1.0, (largo - t) / 0.005)
            valor = sum(a * math.sin(m * fase) for m, a in parciales)
            muestras[primera + n] += amplitud * envolvente * valor
    return muestras


def escribe(id_sonido, muestras):
    datos = b"".join(
        struct.pack("<h", max(-32767, min(32767, round(m * 32767)))) for m in muestras)
    with wave.open(str(CARPETA / f"{id_sonido}.wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(FRECUENCIA_MUESTREO)
        w.writeframes(datos)


CAMPANA = ((1.0, 1.0), (2.0, 0.35), (3.01, 0.12), (4.2, 0.05))

SONIDOS = {
    # A soft click for every step of the pad and the spin controls.
    4: sintetiza(0.030, [nota(0, 0.030, 1900, 0.30, 0.005, ((1.0, 1.0), (1.5, 0.3)))]),
    # Closing or accepting a dialog: a rising two-note chime (G5, C6).
    5: sintetiza(0.42, [nota(0, 0.16, 784.0, 0.28, 0.09, CAMPANA),
                        nota(0.09, 0.33, 1046.5, 0.30, 0.12, CAMPANA)]),
    # The two halves of a toggle: a low tick when the knob goes down...
    6: sintetiza(0.050, [nota(0, 0.050, 620, 0.32, 0.012, ((1.0, 1.0), (2.0, 0.25)),
                              barrido=120)]),
    # ... and a brighter one when it comes back up.
    7: sintetiza(0.060, [nota(0, 0.060, 980, 0.30, 0.014, ((1.0, 1.0), (2.0, 0.25)),
                              barrido=180)]),
    # A gentle arpeggio (C5, E5, G5, C6), kept with the others though
    # nothing plays it today.
    8: sintetiza(1.25, [nota(0.00, 1.25, 523.25, 0.16, 0.35, CAMPANA),
                        nota(0.12, 1.13, 659.25, 0.15, 0.35, CAMPANA),
                        nota(0.24, 1.01, 783.99, 0.15, 0.35, CAMPANA),
                        nota(0.36, 0.89, 1046.50, 0.16, 0.40, CAMPANA)]),
    # A button press: a short bright blip over a soft thump.
    9: sintetiza(0.045, [nota(0, 0.045, 1320, 0.24, 0.008, ((1.0, 1.0), (2.0, 0.3))),
                         nota(0, 0.045, 190, 0.30, 0.010)]),
}


def main():
    CARPETA.mkdir(parents=True, exist_ok=True)
    for id_sonido, muestras in SONIDOS.items():
        escribe(id_sonido, muestras)
        print(f"{CARPETA / f'{id_sonido}.wav'}: {len(muestras)} muestras")


if __name__ == "__main__":
    main()
