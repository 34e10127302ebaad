#!/usr/bin/env python3
"""NACA 4-digit airfoils as .dat coordinate files (title line, then "X Z" per line).

The section follows the published NACA formulas: thickness distribution
yt = 5t(0.2969 sqrt(x) - 0.1260 x - 0.3516 x^2 + 0.2843 x^3 - 0.1036 x^4) (the variant with a closed
trailing edge), laid off perpendicular to the two-arc parabolic camber line. Stations are cosine
spaced; the contour runs from the upper trailing edge over the nose to the lower trailing edge, and
every value is written with 5 decimals, so the trailing edge lies at exactly (1, 0) and the nose at
exactly (0, 0).

    scripts/naca4.py 2412 examples/naca2412.dat [--punkte 40]
"""
import argparse
import math


def kontur(ziffern, punkte_je_seite=40):
    """(x, z) pairs of the NACA section named by four digits, upper trailing edge first."""
    if len(ziffern) != 4 or not ziffern.isdigit():
        raise ValueError("four digits expected, e.g. 2412")
    m = int(ziffern[0]) / 100.0
    p = int(ziffern[1]) / 10.0
    t = int(ziffern[2:]) / 100.0

    def dicke(x):
        return 5.0 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x**2 + 0.2843 * x**3 - 0.1036 * x**4)

    def skelett(x):
        if m == 0.0 or p == 0.0:
            return 0.0, 0.0
        if x < p:
            return m / p**2 * (2 * p * x - x * x), 2 * m / p**2 * (p - x)
        return m / (1 - p) ** 2 * ((1 - 2 * p) + 2 * p * x - x * x), 2 * m / (1 - p) ** 2 * (p - x)

    oben, unten = [], []
    for i in range(punkte_je_seite + 1):
        x = 0.5 * (1.0 - math.cos(math.pi * i / punkte_je_seite))
        yt = dicke(x)
        yc, steigung = skelett(x)
        theta = math.atan(steigung)
        oben.append((x - yt * math.sin(theta), yc + yt * math.cos(theta)))
        unten.append((x + yt * math.sin(theta), yc - yt * math.cos(theta)))
    # Upper side from the trailing edge to the nose, then the lower side back; the nose once.
    return list(reversed(oben)) + unten[1:]


def zahl(w):
    text = f"{w:.5f}"
    return "0.00000" if text == "-0.00000" else text


def dat_text(ziffern, punkte_je_seite=40):
    zeilen = [f"NACA {ziffern}"]
    zeilen += [f"{zahl(x)} {zahl(z)}" for x, z in kontur(ziffern, punkte_je_seite)]
    return "\r\n".join(zeilen) + "\r\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("ziffern", help="the four digits, e.g. 2412")
    parser.add_argument("datei", help="the .dat file to write")
    parser.add_argument("--punkte", type=int, default=40, help="intervals per side (default 40)")
    a = parser.parse_args()
    with open(a.datei, "w", newline="", encoding="ascii") as f:
        f.write(dat_text(a.ziffern, a.punkte))


if __name__ == "__main__":
    main()
