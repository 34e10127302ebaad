#!/usr/bin/env python3
"""Skin friction and bubble drag of a coarse NACA 0012 contour, by hand from the flat-plate laws.

The contour: 21 points, upper side from the trailing edge (index 0) to the nose (index 10), lower
side back to the trailing edge, at the cosine stations x = (1 + cos(k pi / 10)) / 2. For each case
this prints the friction sum R (plus the bubble drag where it applies) that the profile drag adds
to a quarter of the pressure drag, with the two bubble flags. tests/profile/test_Aero_Reibung.cpp
holds the printed numbers.
"""
import math

N = 10
def x_von(index):
    k = index if index <= N else 2 * N - index
    return 0.0 if index == N else (1 + math.cos(k * math.pi / N)) / 2

def reibung(re, su, sl, alfa, alfa_max, alfa_min):
    laminar = lambda rex: 0.8 * 1.328 / math.sqrt(rex)
    turbulent = lambda rex: 0.8 * 0.074 / rex ** 0.2
    r = 0.0
    for i in range(N - 1, -1, -1):          # upper side, aft end i, fore end i + 1
        rex, ds = re * x_von(i), abs(x_von(i) - x_von(i + 1))
        cf = laminar(rex) if i >= su else turbulent(rex) * (3 if alfa >= alfa_max else 1)
        r += cf * ds
    for i in range(N + 1, 2 * N + 1):       # lower side, aft end i, fore end i - 1
        rex, ds = re * x_von(i), abs(x_von(i) - x_von(i - 1))
        cf = laminar(rex) if i <= sl else turbulent(rex) * (3 if alfa <= alfa_min else 1)
        r += cf * ds
    return r

def blase(re, x):
    krit = 591836.73 * x * x - 414285.71 * x + 272500
    if re <= krit and 0 <= x <= 1 and 0.4 < x <= 0.6:
        d = 0.036 - 0.06 * x
        return d * (re - 100000) / (100000 - krit) + d, True
    return 0.0, False

FAELLE = [  # name, Re, su, sl, bubble switch, alpha, alpha_max, alpha_min
    ("laminar_bis_zur_mitte_mit_blasen", 150000, 5, 15, True, 2.0, 10.0, -10.0),
    ("laminar_bis_zur_mitte_ohne_blasen", 150000, 5, 15, False, 2.0, 10.0, -10.0),
    ("oben_abgerissen", 150000, 5, 15, False, 12.0, 10.0, -10.0),
    ("unten_abgerissen", 150000, 5, 15, False, -12.0, 10.0, -10.0),
    ("ueberkritisch_keine_blase", 300000, 5, 15, True, 2.0, 10.0, -10.0),
    ("umschlag_hinten_keine_blase", 150000, 3, 17, True, 2.0, 10.0, -10.0),
    ("ganz_laminar", 1000000, 0, 20, False, 0.0, 10.0, -10.0),
]

for name, re, su, sl, an, alfa, amax, amin in FAELLE:
    r = reibung(re, su, sl, alfa, amax, amin)
    oben = unten = False
    if an:
        d, oben = blase(re, x_von(su)); r += d
        d, unten = blase(re, x_von(sl)); r += d
    print(f'{{"{name}", {re}, {su}, {sl}, {"true" if an else "false"}, {alfa}L, {amax}L, {amin}L, {r!r}L, {str(oben).lower()}, {str(unten).lower()}}},')
