#!/usr/bin/env python3
"""Makes the example scenes in examples/: the NACA airfoil files they use and the three scenes.

Each scene is first put down as a plain scene file with the keys that differ from the defaults,
then read and written back by `velion-cli save`, so the examples carry the program's own layout
with every key.

    scripts/beispielszenen.py [path/to/velion-cli]     (default: build/release/velion-cli)
"""
import os
import subprocess
import sys
import tempfile

import naca4

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BEISPIELE = os.path.join(WURZEL, "examples")
PROFILE = {"2412": 40, "2410": 40, "1410": 40, "0009": 30}


def zahl(w):
    return naca4.zahl(w)


def profilblock(ziffern):
    zeilen = ["[PROFIL]", f"PROFILDATEINAME=NACA-{ziffern}.dat"]
    for k, (x, z) in enumerate(naca4.kontur(ziffern, PROFILE[ziffern])):
        zeilen.append(f"PK{k}={zahl(x)} {zahl(z)}")
    return zeilen + ["[PROFIL ENDE]"]


def segment(breite, tiefe, profil, verwindung=0.0, vform=0.0, pfeil=0.0, panels=4, verteilung="LINEAR",
            klappe=(25.0, 25.0), gruppe=0, invers=False):
    return ([
        f"SEGMENTBREITE={zahl(breite)}", f"PROFILTIEFE={zahl(tiefe)}", f"VERWINDUNGSWINKEL={zahl(verwindung)}",
        f"V-FORM_WINKEL={zahl(vform)}", f"PFEILWINKEL={zahl(pfeil)}", f"ANZAHL PANELS Y={panels}",
        f"VERTEILUNG={verteilung}", f"KLAPPENTIEFE LINKS,RECHTS={zahl(klappe[0])} {zahl(klappe[1])}",
        f"KLAPPENGRUPPE={gruppe}", f"KLAPPENINVERSE={'TRUE' if invers else 'FALSE'}",
    ], profil)


def flaeche(art, name, position, tiefe, profil, masse, segmente, panels_x=6, einstellwinkel=0.0, verteilung="LINEAR"):
    return (art, name, position, tiefe, profil, masse, segmente, panels_x, einstellwinkel, verteilung)


def szene(flugzeug, flaechen):
    zeilen = ["VELION Vers. 01.215 25.01.2015", "", "", "[FLUGZEUG]"]
    zeilen += [f"{k}={v}" for k, v in flugzeug]
    for i, (art, name, pos, tiefe, profil, masse, segmente, px, ew, vert) in enumerate(flaechen):
        zeilen += [f"[FLAECHE{i}]", f"ART={art}", f"BEZEICHNUNG={name}",
                   "POSITION X,Y,Z=" + " ".join(zahl(w) for w in pos), f"EINSTELLWINKEL={zahl(ew)}",
                   f"PROFILTIEFE={zahl(tiefe)}", f"ANZAHL PANELS X={px}", f"VERTEILUNG={vert}",
                   f"MASSE={zahl(masse)}"]
        zeilen += profilblock(profil)
        for j, (schluessel, segprofil) in enumerate(segmente):
            zeilen += [f"[SEGMENT{j}]"] + schluessel + profilblock(segprofil) + ["[SEGMENT ENDE]"]
        zeilen.append("[FLAECHE ENDE]")
    zeilen += ["[FLUGZEUG ENDE]", "", "[SCHALTER]", "ROTIEREN=TRUE", "CHECKBOX CA LOKAL MIN MAX=TRUE",
               "GEFÜLLTE PANELS=TRUE", "[SCHALTER ENDE]", "", "[EINSTELLUNGEN]", "SPLITTERPOS=400",
               "[EINSTELLUNGEN ENDE]"]
    return "\r\n".join(zeilen) + "\r\n"


def flugzustand(konstrukteur, bezeichnung, masse, anstellwinkel, ca, schwerpunkt, geschwindigkeit, ziel, extra=()):
    return [("KONSTRUKTEUR", konstrukteur), ("BEZEICHNUNG", bezeichnung), ("NULLPUNKT SICHTBAR", "TRUE"),
            ("POSITION X,Y,Z", "0.00000 0.00000 2.00000"), ("BETRACHTUNGSWINKEL X,Y,Z", "20.00000 20.00000 0.00000"),
            ("ZUSAETZLICHE MASSEN", zahl(masse)), ("ANSTELLWINKEL", zahl(anstellwinkel)), ("CA", zahl(ca)),
            ("SCHWERPUNKT X", zahl(schwerpunkt)), ("FLUG_GESCHWINDIGKEIT", zahl(geschwindigkeit)),
            ("FLUGHOEHE", "0.00000"), ("LUFTDICHTE", "1.22500"), ("AUSLEGUNGSNUMMER", str(ziel))] + list(extra)


def rechteckfluegel():
    # 1 m span, 0.2 m chord, NACA 2412 throughout: the plain test case of every lifting-line text.
    seg = lambda b: segment(b, 0.2, "2412", panels=8)
    wing = flaeche("FLUEGEL", "Rechteckflügel", (0, 0, 0), 0.2, "2412", 0.25, [seg(-0.5), seg(0.5)], panels_x=6)
    f = flugzustand("Velion", "Rechteckflügel 1 m", 0.15, 4.0, 0.0, 0.05, 10.0, 1)
    return szene(f, [wing])


def segler():
    # 2.5 m sailplane. Wing stations from the root outwards: y, chord, twist, profile; per segment
    # (inner to outer) dihedral, leading-edge sweep, spanwise panels, flap group.
    stationen = [(0.40, 0.210, 0.0, "2412"), (0.75, 0.190, -0.5, "2412"), (1.05, 0.160, -1.0, "2410"),
                 (1.25, 0.100, -2.0, "2410")]
    segm = [(1.5, 0.5, 6, 1), (1.5, 1.0, 5, 1), (3.0, 2.0, 5, 2), (6.0, 5.0, 4, 2)]
    rechts, innen = [], 0.0
    for (y, tiefe, verw, prof), (vform, pfeil, panels, gruppe) in zip(stationen, segm):
        rechts.append(dict(breite=y - innen, tiefe=tiefe, profil=prof, verwindung=verw, vform=vform, pfeil=pfeil,
                           panels=panels, gruppe=gruppe))
        innen = y
    # Left of the root the chain runs from the tip inwards; each segment's own section is its outer
    # (left) end. The ailerons (group 2) move opposite on the left side.
    links = [segment(-s["breite"], s["tiefe"], s["profil"], s["verwindung"], s["vform"], s["pfeil"], s["panels"],
                     gruppe=s["gruppe"], invers=s["gruppe"] == 2) for s in reversed(rechts)]
    rechts = [segment(s["breite"], s["tiefe"], s["profil"], s["verwindung"], s["vform"], s["pfeil"], s["panels"],
                      gruppe=s["gruppe"]) for s in rechts]
    wing = flaeche("FLUEGEL", "Tragflügel", (0, 0, 0), 0.22, "2412", 0.62, links + rechts, panels_x=6)
    hoehe = flaeche("FLUEGEL", "Höhenleitwerk", (0.90, 0, 0.04), 0.12, "0009", 0.05,
                    [segment(-0.25, 0.09, "0009", pfeil=5.0, panels=4, klappe=(30, 30), gruppe=3),
                     segment(0.25, 0.09, "0009", pfeil=5.0, panels=4, klappe=(30, 30), gruppe=3)],
                    panels_x=4, einstellwinkel=-1.0)
    seite = flaeche("SEITENLEITWERK", "Seitenleitwerk", (0.86, 0, 0.03), 0.16, "0009", 0.04,
                    [segment(0.22, 0.09, "0009", vform=90.0, pfeil=25.0, panels=4, klappe=(35, 35), gruppe=4)],
                    panels_x=4)
    extra = [("GESAMTPOLARBERECHNUNG_HAUPT0", "1 -2.00000 6.00000"), ("GESAMTPOLARBERECHNUNG_SCHRITTZAHL", "5"),
             ("BESCHREIBUNG_KLAPPENGRUPPE1", "Wölbklappen"), ("BESCHREIBUNG_KLAPPENGRUPPE2", "Querruder"),
             ("BESCHREIBUNG_KLAPPENGRUPPE3", "Höhenruder"), ("BESCHREIBUNG_KLAPPENGRUPPE4", "Seitenruder")]
    f = flugzustand("Velion", "Segler 2,5 m", 0.80, 3.0, 0.5, 0.075, 10.0, 2, extra)
    return szene(f, [wing, hoehe, seite])


def nurfluegel():
    # 1.4 m swept flying wing: 25° leading-edge sweep, washout to -3° at the tips, elevons on the
    # outer segments moving together for pitch (group 1).
    links = [segment(-0.35, 0.15, "0009", -3.0, 1.0, 25.0, 6, klappe=(22, 22), gruppe=1),
             segment(-0.35, 0.23, "1410", -1.0, 1.0, 25.0, 5, klappe=(0, 0))]
    rechts = [segment(0.35, 0.23, "1410", -1.0, 1.0, 25.0, 5, klappe=(0, 0)),
              segment(0.35, 0.15, "0009", -3.0, 1.0, 25.0, 6, klappe=(22, 22), gruppe=1)]
    wing = flaeche("FLUEGEL", "Nurflügel", (0, 0, 0), 0.30, "1410", 0.45, links + rechts, panels_x=6)
    extra = [("BESCHREIBUNG_KLAPPENGRUPPE1", "Elevons")]
    f = flugzustand("Velion", "Nurflügel 1,4 m", 0.35, 3.0, 0.3, 0.19, 12.0, 4, extra)
    return szene(f, [wing])


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(WURZEL, "build", "release", "velion-cli")
    os.makedirs(BEISPIELE, exist_ok=True)
    for ziffern, punkte in PROFILE.items():
        with open(os.path.join(BEISPIELE, f"NACA-{ziffern}.dat"), "w", newline="", encoding="ascii") as f:
            f.write(naca4.dat_text(ziffern, punkte))
    with tempfile.TemporaryDirectory() as tmp:
        for name, inhalt in (("Rechteckfluegel", rechteckfluegel()), ("Segler", segler()),
                             ("Nurfluegel", nurfluegel())):
            roh = os.path.join(tmp, name + ".vel")
            with open(roh, "w", newline="", encoding="cp1252") as f:
                f.write(inhalt)
            subprocess.run([cli, "save", roh, os.path.join(BEISPIELE, name + ".vel")], check=True)


if __name__ == "__main__":
    main()
