#!/usr/bin/env python3
"""Writes the help pages of the desktop program, German and English, into
resources/VELION_DOC/<LANGUAGE>/hilfe/. Each page: a title, a short text, the links to the pages it
names, to its chapter and to the contents. Run it after editing the texts below."""
import html
import os
import re
import sys

# name: (German title, German text, English title, English text). Texts are HTML paragraphs; a link
# to another page is written [[page|caption]].
SEITEN = {}


def s(name, de_titel, de, en_titel, en):
    SEITEN[name] = (de_titel, de, en_titel, en)


s("index.html", "Velion – Hilfe",
  """<p>Velion berechnet die Aerodynamik von Modellflugzeugen: Segler, Nurflügel und RC-Modelle. Ein Flugzeug
besteht aus Flächen (Flügel, Leitwerke, flache Rumpfflächen); jede Fläche hat einen Wurzelschnitt und Segmente,
die sich nach links und rechts anschließen und Profil, Tiefe, Pfeilung, V-Form, Verwindung, Klappen und
Panelzahlen tragen. Velion macht daraus ein Wirbelgitter, löst es, addiert streifenweise den Profilwiderstand,
trimmt das Flugzeug auf ein Auslegungsziel und zeigt Beiwerte, Verteilungen über der Spannweite, den
Neutralpunkt, das Stabilitätsmaß und die Flugleistung.</p>
<p>Alle Größen sind SI-Einheiten, Winkel in Grad. Zahlen dürfen mit Komma oder Punkt eingegeben werden; ein Feld
übernimmt seinen Wert beim Verlassen oder mit der Eingabetaste. Ein falscher Wert wird gemeldet und bleibt zum
Korrigieren im Feld stehen, das Modell behält den alten Wert.</p>
<p><b>F1</b> öffnet die Seite zu dem Bedienelement, über dem zuletzt die Maus stand oder das zuletzt den
Eingabefokus bekam.</p>
<p>Ein typischer Ablauf: [[007.html|Flugzeug]] anlegen, [[008.html|Flächen]] und [[009.html|Segmente]]
eingeben, in der [[014.html|Auslegungsberechnung]] ein Ziel wählen und rechnen, dann die
[[014_10.html|berechneten Werte]], die [[015.html|2D-Diagramme]] und die [[012.html|3D-Ansicht]] ansehen.
Zum Schwerpunkt lesen Sie [[014_3.html#robust|Neutralpunkt und robuster Neutralpunkt]].</p>""",
  "Velion – Help",
  """<p>Velion computes the aerodynamics of model aircraft: sailplanes, flying wings and RC models. An aircraft
is made of surfaces (wings, tail surfaces, flat fuselage surfaces); each surface has a root section and segments
that join it to the left and right and carry airfoil, chord, sweep, dihedral, twist, flaps and panel counts.
Velion turns this into a vortex lattice, solves it, adds the airfoils' viscous drag strip by strip, trims the
aircraft to a design target and shows coefficients, spanwise distributions, the neutral point, the static
margin and the flight performance.</p>
<p>All quantities are SI units, angles in degrees. Numbers may be typed with a comma or a point; a field takes
its value when it is left or with the Enter key. A wrong value is reported and stays in the field for
correction; the model keeps its old value.</p>
<p><b>F1</b> opens the page of the control the mouse was last over or that last received the keyboard focus.</p>
<p>A typical session: create the [[007.html|aircraft]], enter its [[008.html|surfaces]] and
[[009.html|segments]], choose a target in the [[014.html|design computation]] and compute, then look at the
[[014_10.html|computed values]], the [[015.html|2D diagrams]] and the [[012.html|3D view]]. For the centre of
gravity read [[014_3.html#robust|the neutral point and its robust companion]].</p>""")

# --- 007: aircraft -------------------------------------------------------------------------------
s("007.html", "Flugzeug",
  """<p>Die Seite „Flugzeug“ mit der Gruppe „Aktuelles Flugzeug“ hält, was für das ganze Flugzeug gilt: Namen,
die Ansicht der 3D-Grafik, zusätzliche Massen, und die Befehle für ein neues Flugzeug und das Skalieren.
Die Flächen des Flugzeugs bearbeiten Sie auf der Seite [[008.html|Flügel]].</p>""",
  "Aircraft",
  """<p>The page “Aircraft” with the group “Current aircraft” holds what applies to the whole aircraft: names,
the view of the 3D drawing, additional masses, and the commands for a new aircraft and for scaling. The surfaces
of the aircraft are edited on the page [[008.html|Wing]].</p>""")
s("007_1.html", "Neues Flugzeug",
  """<p>„Neu“ legt ein neues Flugzeug an und ersetzt die aktuelle Szene. Hat die Szene ungespeicherte Änderungen,
fragt das Programm vorher, ob sie gespeichert werden soll (Ja), verworfen (Nein) oder ob abgebrochen wird.</p>""",
  "New aircraft",
  """<p>“New” creates a new aircraft and replaces the current scene. When the scene has unsaved changes the
program first asks whether to save them (Yes), discard them (No) or cancel.</p>""")
s("007_2.html", "Konstrukteur und Bezeichnung",
  """<p>„Name Konstrukteur“ und „Bezeichnung Flugzeug“ sind freie Texte. Sie werden in der Flugszene gespeichert
und in den Ergebnissen und Exporten mit ausgegeben; für die Rechnung haben sie keine Bedeutung.</p>""",
  "Designer and name",
  """<p>“Name of designer” and “Aircraft name” are free texts. They are stored in the flight scene and written with
the results and exports; they play no part in the computation.</p>""")
s("007_3.html", "Position der Ansicht",
  """<p>„Pos. X in m“, „Pos. Y in m“ und „Pos. Z in m“ verschieben das Flugzeug in der [[012.html|3D-Ansicht]];
Z ist der Abstand des Betrachters. Die Werte ändern nur die Darstellung, nicht die Geometrie. Die Maus im Modus
„verschieben“ oder „zoomen“ setzt sie ebenfalls.</p>""",
  "View position",
  """<p>“Pos. X in m”, “Pos. Y in m” and “Pos. Z in m” move the aircraft in the [[012.html|3D view]]; Z is the
viewer's distance. They change only the picture, not the geometry. The mouse in the modes “move” and “zoom”
sets them too.</p>""")
s("007_4.html", "Betrachtungswinkel",
  """<p>„Betrachtungswinkel X in °“ und „Betrachtungswinkel Y in °“ drehen die [[012.html|3D-Ansicht]] um die
Achsen des Bildschirms. Die Maus im Modus „rotieren“ setzt sie ebenfalls.</p>""",
  "View angles",
  """<p>“View angle X in °” and “View angle Y in °” turn the [[012.html|3D view]] about the screen's axes. The
mouse in the mode “rotate” sets them too.</p>""")
s("007_5.html", "Zusätzliche Massen",
  """<p>„zus. Massen in kg“ ist die Masse aller Teile, die keine Fläche sind: Rumpf, Akku, Empfänger, Ballast.
Sie zählt zur Gesamtmasse, mit der die [[014_5.html|Fluggeschwindigkeit]] und der Auftrieb im stationären Flug
bestimmt werden. Negative Werte werden abgewiesen. Die Massen der Flächen stehen bei jeder Fläche
([[008_7.html|Masse des Flügels]]).</p>""",
  "Additional masses",
  """<p>“Additional masses in kg” is the mass of every part that is not a surface: fuselage, battery, receiver,
ballast. It counts into the total mass from which the [[014_5.html|flight speed]] and the lift of steady flight
follow. Negative values are refused. The masses of the surfaces belong to each surface
([[008_7.html|mass of the wing]]).</p>""")
s("007_6.html", "Nullpunkt verschieben",
  """<p>„NP verschieben“ verschiebt alle Flächen gegen den Nullpunkt des Flugzeugs, so dass Positionen und
Schwerpunktlage von einem anderen Bezugspunkt aus gemessen werden (etwa von der Nasenleiste des Flügels).
Die Form des Flugzeugs ändert sich dabei nicht. Der Nullpunkt ist in der [[012_13.html|3D-Ansicht]]
eingezeichnet.</p>""",
  "Shift zero point",
  """<p>“Move NP” moves every surface against the aircraft's zero point, so that positions and the centre of
gravity are measured from another reference (for example the wing's leading edge). The aircraft's shape does
not change. The zero point is drawn in the [[012_13.html|3D view]].</p>""")
s("007_7.html", "Skalierung",
  """<p>„Skalierung “ vergrößert oder verkleinert das Flugzeug (oder eine Fläche) um einen Faktor: Profiltiefen,
Segmentbreiten, Positionen, Rumpfquerschnitt und Nachlauflänge. Einzelne Größen lassen sich ausnehmen; die
Massen bleiben, wachsen linear oder quadratisch mit. Der Faktor muss mindestens 0,001 sein.</p>""",
  "Scaling",
  """<p>“Scaling” enlarges or shrinks the aircraft (or one surface) by a factor: chords, segment widths,
positions, fuselage section and wake length. Single quantities can be left out; the masses stay, or grow
linearly or with the square. The factor must be at least 0.001.</p>""")

# --- 008: root of the current surface --------------------------------------------------------------
s("008.html", "Fläche und Wurzel",
  """<p>Die Gruppe „Wurzel“ auf der Seite „Flügel“ gehört zur aktuellen Fläche: ihr Wurzelschnitt, ihre Lage
im Flugzeug, ihre Masse und ihre Panelzahl in Tiefenrichtung. Mit „Nr.“, „&lt;“ und „&gt;“ wählen Sie die
Fläche; die Reiter „Bez./Masse“, „Pos.“, „Profil / Tiefe“, „Panels“, „Winkel“ und „ell.“ zeigen ihre Werte.
An die Wurzel schließen die [[009.html|Segmente]] an; die Gruppe [[010.html|Flügelhälfte]] spiegelt eine
Seite auf die andere.</p>
<p>„ell.“ hängt eine elliptische Fläche von 1 m Spannweite an, mit der gefragten Zahl von Segmenten je
Seite.</p>""",
  "Surface and root",
  """<p>The group “Root” on the page “Wing” belongs to the current surface: its root section, its place in the
aircraft, its mass and its chordwise panel count. “Nr.”, “&lt;” and “&gt;” choose the surface; the tabs
“Name/Mass”, “Pos.”, “Profile / chord”, “Panels”, “Angles” and “ell.” show its values. The
[[009.html|segments]] join the root; the group [[010.html|wing half]] mirrors one side onto the other.</p>
<p>“ell.” appends an elliptic surface of 1 m span with the number of segments per side you enter.</p>""")
s("008_1.html", "Neue Fläche",
  """<p>„Neu“ hängt eine neue Fläche an das Flugzeug an und macht sie zur aktuellen. Sie beginnt mit einem
Wurzelschnitt; Segmente fügen Sie mit [[009_9.html|„Neu L“ und „Neu R“]] an.</p>""",
  "New surface",
  """<p>“New” appends a new surface to the aircraft and makes it current. It starts with a root section; add
segments with [[009_9.html|“New L” and “New R”]].</p>""")
s("008_2.html", "Bezeichnung der Fläche",
  """<p>„Bezeichnung des Flügels“ ist der Name der Fläche, etwa „Tragflügel“ oder „Höhenleitwerk“. Er erscheint
in der [[011.html|Flächenliste]], in den Ergebnissen und in den Warnungen zum
[[014_3.html#robust|robusten Neutralpunkt]].</p>""",
  "Name of the surface",
  """<p>“Name of the wing” names the surface, for example “Wing” or “Tailplane”. It appears in the
[[011.html|surface list]], in the results and in the warnings about the [[014_3.html#robust|robust neutral
point]].</p>""")
s("008_3.html", "Position der Fläche",
  """<p>„Pos. X in m“, „Pos. Y in m“ und „Pos. Z in m“ legen die Vorderkante des Wurzelschnitts im
Flugzeug fest: X nach hinten, Y nach rechts, Z nach oben, gemessen vom Nullpunkt. So steht etwa das Höhenleitwerk
hinter und über dem Flügel. Der Abstand eines Leitwerks zum Nachlauf des Flügels beeinflusst den
[[014_3.html#robust|Neutralpunkt]].</p>""",
  "Position of the surface",
  """<p>“Pos. X in m”, “Pos. Y in m” and “Pos. Z in m” place the leading edge of the root section in the
aircraft: X rearwards, Y to the right, Z upwards, from the zero point. So the tailplane sits behind and above the
wing, for example. How close a tail surface lies to the wing's wake affects the
[[014_3.html#robust|neutral point]].</p>""")
s("008_4.html", "Panels in Tiefenrichtung",
  """<p>„Anz. Panels X Skelettfläche“ teilt jeden Schnitt der Fläche in Tiefenrichtung in so viele Panels. Mehr
Panels geben eine genauere Druckverteilung und Momentenlage, kosten aber Rechenzeit (die Zahl aller Panels geht
etwa mit der dritten Potenz in die Lösung ein). Für Flügel sind 6 bis 10 üblich. Die Zahl muss eine ganze Zahl
über 0 sein. Die Verteilung der Panels in Tiefe regelt [[008_5.html|Verteilung X]], die in Spannweite
[[009_7.html|Panels Y]].</p>""",
  "Chordwise panels",
  """<p>“Panels X camber surface” divides every section of the surface chordwise into that many panels.
More panels give a more accurate load and moment, at the cost of computing time (the solution grows about with
the cube of the total panel count). 6 to 10 are usual for wings. The number must be a whole number above 0. How
they are spaced is set by [[008_5.html|distribution X]], the spanwise panels by [[009_7.html|panels Y]].</p>""")
s("008_5.html", "Verteilung in Tiefenrichtung",
  """<p>„Verteilung (sin,cos,linear) X Skelettfläche“ legt fest, wie die Panels über die Profiltiefe verteilt
werden: linear gleichmäßig, mit Kosinus dichter an Nase und Hinterkante, mit Sinus dichter an einer Seite.
Eine dichtere Teilung an der Nase bildet die Saugspitze genauer ab. Dazu gehören
[[008_5_1.html|Alfa0,cm0 Optimierung]] und die [[008_5_2.html|Volumendarstellung]].</p>""",
  "Chordwise distribution",
  """<p>“Distribution (sin,cos,linear) X camber surface” sets how the panels are spaced along the chord: linear
evenly, cosine denser at the nose and trailing edge, sine denser on one side. Denser panels at the nose
resolve the suction peak better. See also [[008_5_1.html|alfa0,cm0 optimisation]] and the
[[008_5_2.html|volume display]].</p>""")
s("008_5_1.html", "Alfa0,cm0 Optimierung",
  """<p>Ist „Alfa0,cm0 Optimierung“ eingeschaltet, biegt das Programm die Skelettlinie jedes Schnitts so lange
nach, bis ihre Wirbelrechnung den Nullauftriebswinkel und das Nullmoment des Profils wiedergibt. So passen
Auftrieb und Moment der Fläche besser zum echten Profil, auch bei wenigen Panels in Tiefenrichtung. Bei
symmetrischen Profilen ist nichts zu tun.</p>""",
  "Alfa0,cm0 optimisation",
  """<p>With “Alfa0,cm0 optimisation” on, the program bends the camber line of each section until its vortex
analysis reproduces the airfoil's zero-lift angle and zero-lift moment. Lift and moment of the surface then match
the real airfoil better, even with few chordwise panels. Symmetric airfoils need nothing.</p>""")
s("008_5_2.html", "Panels der Volumendarstellung",
  """<p>„Anzahl Panels Volumendarstellung“ ist die Zahl der Punkte, mit denen die Profilkontur für das
Volumenmodell der [[012_7.html|3D-Ansicht]] nachgebildet wird. Sie hat keinen
Einfluss auf die Rechnung. Sie muss mindestens 10 sein.</p>""",
  "Panels of the volume display",
  """<p>“Panels of the volume model” is the number of points that trace the airfoil contour for the volume
model of the [[012_7.html|3D view]]. It does not affect the computation. It must
be at least 10.</p>""")
s("008_6.html", "Profiltiefe der Wurzel",
  """<p>„Profiltiefe in m“ ist die Tiefe des Wurzelschnitts; sie muss mindestens 0,00001 m sein.
„Bezugspunkt für Profiltiefe in %“ sagt, an welcher Stelle der Tiefe (0 = Vorderkante, 100 = Hinterkante) eine
Änderung der Tiefe ansetzt: bei 0 bleibt die Vorderkante stehen, bei 100 die Hinterkante. Die Tiefen der Segmente
stehen bei den [[009_3.html|Segmenten]].</p>""",
  "Root chord",
  """<p>“Chord in m” is the chord of the root section; it must be at least 0.00001 m. “Chord reference point in %” says where along the chord (0 = leading edge, 100 = trailing edge) a change of chord is anchored: at 0 the
leading edge stays, at 100 the trailing edge. The segments' chords belong to the [[009_3.html|segments]].</p>""")
s("008_7.html", "Masse der Fläche",
  """<p>„Masse des Flügels in kg“ ist die Masse dieser Fläche. Zusammen mit den Massen der anderen Flächen und den
[[007_5.html|zusätzlichen Massen]] ergibt sie die Gesamtmasse für die Auslegungsberechnung. Negative Werte werden
abgewiesen.</p>""",
  "Mass of the surface",
  """<p>“Mass of the wing in kg” is the mass of this surface. With the other surfaces' masses and the
[[007_5.html|additional masses]] it gives the total mass of the design computation. Negative values are
refused.</p>""")
s("008_8.html", "Einstellwinkel",
  """<p>„Einstellwinkel des Flügels in °“ dreht die ganze Fläche um ihre Querachse gegen die Flugzeuglängsachse,
positiv mit der Nase nach oben. Die Differenz der Einstellwinkel von Flügel und Höhenleitwerk (EWD) bestimmt,
bei welchem Anstellwinkel das Flugzeug im Gleichgewicht fliegt. Erlaubt sind −90° bis 90°.</p>""",
  "Incidence",
  """<p>“Incidence of the wing in °” turns the whole surface about its lateral axis against the aircraft's
longitudinal axis, nose up positive. The difference of the incidences of wing and tailplane (decalage) decides at
which angle of attack the aircraft flies trimmed. −90° to 90° are allowed.</p>""")
s("008_9.html", "Profil der Wurzel",
  """<p>„Profil wählen“ öffnet die Profilauswahl: eine Profildatei (.dat, Koordinaten von der Hinterkante über die
Oberseite zur Nase und über die Unterseite zurück) wird mit Vorschau und Kennwerten gezeigt und dem Wurzelschnitt
zugewiesen. „Profil speichern unter“ schreibt das Profil als .dat-Datei, „invertieren“ spiegelt es an der
Sehne (etwa für ein Profil, das nach unten wölben soll).</p>""",
  "Root airfoil",
  """<p>“Choose profile” opens the airfoil selection: an airfoil file (.dat, coordinates from the trailing edge
over the upper side to the nose and back over the lower side) is shown with a preview and its characteristic
values and given to the root section. “Save profile as” writes the airfoil as a .dat file, “invert” mirrors it
about the chord (for example for an airfoil that should camber downwards).</p>""")
s("008_10.html", "Flächennummer",
  """<p>„Nr.“ zeigt die Nummer der aktuellen Fläche (ab 0); „&lt;“ und „&gt;“ wählen die vorige oder nächste.
Eine eingetippte Nummer wird in den gültigen Bereich gebracht. Das Wählen ändert das Modell nicht. Eine Fläche
wählen Sie auch mit einem Klick in die [[012_12.html|3D-Ansicht]] im Modus „bearbeiten“.</p>""",
  "Surface number",
  """<p>“Nr.” shows the number of the current surface (from 0); “&lt;” and “&gt;” choose the previous or next
one. A typed number is brought into the valid range. Choosing does not change the model. A surface can also be
chosen by a click into the [[012_12.html|3D view]] in the mode “edit”.</p>""")
s("008_11.html", "Fläche kopieren",
  """<p>„Kopie“ hängt eine Kopie der aktuellen Fläche mit allen Segmenten, Profilen und Panelzahlen hinter der
hintersten Fläche an. So entsteht etwa aus dem Höhenleitwerk rasch ein zweites.</p>""",
  "Copy surface",
  """<p>“Copy” appends a copy of the current surface with all its segments, airfoils and panel counts behind the
rearmost surface.</p>""")
s("008_12.html", "Flächen importieren",
  """<p>„Import“ hängt die Flächen einer anderen Datei an das Flugzeug an: einer Velion-Szene (.vel) oder einer
Flächenbeschreibung in den Formaten .Tt4, .Tx4 oder .FLG. Eine fehlerhafte Datei wird mit Zeile und Ursache
gemeldet; das Flugzeug bleibt dann unverändert.</p>""",
  "Import surfaces",
  """<p>“Import” appends the surfaces of another file to the aircraft: a Velion scene (.vel) or a surface
description in the formats .Tt4, .Tx4 or .FLG. A broken file is reported with line and cause; the aircraft
then stays as it was.</p>""")
s("008_13.html", "Fläche löschen",
  """<p>„Löschen“ in der Gruppe „Wurzel“ entfernt die aktuelle Fläche nach einer Rückfrage. Mit
[[013.html|Undo]] lässt sich das zurücknehmen.</p>""",
  "Delete surface",
  """<p>“Delete” in the group “Root” removes the current surface after a confirmation. [[013.html|Undo]]
takes it back.</p>""")
s("008_14.html", "Verwindung der Wurzel",
  """<p>„Verwindungswinkel der Wurzel in °“ dreht den Wurzelschnitt zusätzlich zum
[[008_8.html|Einstellwinkel]], positiv mit der Nase nach oben. Die Verwindung der Segmente wird von hier aus
nach außen fortgesetzt ([[009_6.html|Verwindung]]). Erlaubt sind −45° bis 45°.</p>""",
  "Root twist",
  """<p>“Twist of the root in °” turns the root section in addition to the [[008_8.html|incidence]], nose
up positive. The segments' twist continues outwards from here ([[009_6.html|twist]]). −45° to 45° are
allowed.</p>""")

# --- 009: segment ---------------------------------------------------------------------------------
s("009.html", "Segment",
  """<p>Die Gruppe „Segment“ zeigt das aktuelle Segment der aktuellen Fläche. Ein Segment reicht vom
vorigen Schnitt (der Wurzel oder dem Ende des inneren Segments) nach außen; seine Werte gelten für seinen
äußeren Schnitt. Segmente links der Wurzel haben negative Breite. Die Reiter: „Breite“, „Profil / Tiefe“,
„V-Form“, „Pfeilung“, „Verwindung“, „Panels“, „Klappen“, „Splitten“.</p>""",
  "Segment",
  """<p>The group “Segment” shows the current segment of the current surface. A segment runs outwards from the
previous section (the root or the end of the inner segment); its values belong to its outer section. Segments
left of the root have negative width. The tabs: “Width”, “Profile / chord”, “Dihedral”, “Sweep”, “Twist”,
“Panels”, “Flaps”, “Split”.</p>""")
s("009_1.html", "Segmentnummer",
  """<p>„Nr.“ zeigt die Nummer des aktuellen Segments; die Segmente sind von der linken zur rechten Spitze
durchgezählt, ab 0. „&lt;“ und „&gt;“ wählen das benachbarte Segment. Ein Klick in die
[[015.html|2D-Grafik]] oder in die [[012_12.html|3D-Ansicht]] (Modus „bearbeiten“) wählt ebenfalls.</p>""",
  "Segment number",
  """<p>“Nr.” shows the number of the current segment; segments are counted from the left tip to the right tip,
from 0. “&lt;” and “&gt;” choose the neighbour. A click into the [[015.html|2D drawing]] or into the
[[012_12.html|3D view]] (mode “edit”) chooses too.</p>""")
s("009_2.html", "Segmentbreite",
  """<p>„Segmentbreite in m“ ist die Breite des Segments in Spannweitenrichtung, ohne Wirkung der V-Form
gemessen. Sie muss mindestens 0,00001 m sein; die Seite (links oder rechts) legt das Segment selbst fest.</p>""",
  "Segment width",
  """<p>“Segment width in m” is the spanwise width of the segment, measured without dihedral. It must be at
least 0.00001 m; the side (left or right) is the segment's own.</p>""")
s("009_3.html", "Profiltiefe des Segments",
  """<p>„Profiltiefe in m“ ist die Tiefe am äußeren Ende des Segments; dazwischen wird linear übergeblendet.
„Bezugspunkt für Profiltiefe in %“ gilt wie an der [[008_6.html|Wurzel]]: an dieser Stelle der Tiefe bleibt
der Schnitt stehen, wenn sich die Tiefe ändert.</p>""",
  "Segment chord",
  """<p>“Chord in m” is the chord at the outer end of the segment; in between the chord changes linearly.
“Chord reference point in %” works as at the [[008_6.html|root]]: the section stays put at that point of
the chord when the chord changes.</p>""")
s("009_4.html", "V-Form",
  """<p>„V-Winkel in °“ hebt das Segment nach außen an (positiv) oder senkt es (negativ). V-Form macht ein Modell
um die Längsachse stabil.</p>""",
  "Dihedral",
  """<p>“Dihedral angle in °” raises the segment outwards (positive) or lowers it (negative). Dihedral makes a
model stable about its roll axis.</p>""")
s("009_5.html", "Pfeilung",
  """<p>„Pfeilwinkel in °“ ist der Winkel, um den das Segment nach hinten (positiv) oder vorn gepfeilt ist,
gemessen an der Linie bei „Bezugslinie in %“ der Profiltiefe (0 = Vorderkante, 25 = Viertellinie, 100 =
Hinterkante). Erlaubt sind −89° bis 89°. Pfeilung verschiebt den [[014_3.html|Neutralpunkt]] nach hinten; ein
Nurflügel braucht sie für die Stabilität.</p>""",
  "Sweep",
  """<p>“Sweep angle in °” is the angle by which the segment is swept back (positive) or forward, measured on
the line at “Reference line in %” of the chord (0 = leading edge, 25 = quarter-chord line, 100 = trailing
edge). −89° to 89° are allowed. Sweep moves the [[014_3.html|neutral point]] back; a flying wing needs it for
stability.</p>""")
s("009_6.html", "Verwindung",
  """<p>„Verwindung in °“ ist der Verwindungswinkel am äußeren Ende des Segments;
negative Werte (Schränkung) nehmen die Flügelspitze zurück, damit sie später abreißt. Erlaubt sind −45° bis
45°.</p>""",
  "Twist",
  """<p>“Twist in °” is the twist angle at the outer end of the segment; negative values (washout) take the
tip back so that it stalls later. −45° to 45° are allowed.</p>""")
s("009_7.html", "Panels in Spannweitenrichtung",
  """<p>„Anz. Panels Y Skelettfläche“ teilt das Segment in Spannweitenrichtung in so viele Streifen. Jeder Streifen
wird einzeln mit seinem Profil ausgewertet (Widerstand, Abriss- und Blasenwarnung), und die
[[015.html|Verteilungen]] zeigen einen Wert je Streifen. Ganze Zahl über 0.</p>""",
  "Spanwise panels",
  """<p>“Panels Y camber surface” divides the segment spanwise into that many strips. Each strip is
evaluated on its own with its airfoil (drag, stall and bubble warnings), and the [[015.html|distributions]] show
one value per strip. A whole number above 0.</p>""")
s("009_8.html", "Verteilung in Spannweitenrichtung",
  """<p>„Verteilung (sin,cos,linear) Y Skelettfläche“ legt fest, wie die Streifen über die Segmentbreite verteilt
werden: gleichmäßig, mit Kosinus dichter an beiden Enden, mit Sinus dichter an einem Ende. Eine dichtere Teilung
an der Flügelspitze bildet den Randwirbel besser ab.</p>""",
  "Spanwise distribution",
  """<p>“Distribution (sin,cos,linear) Y camber surface” sets how the strips are spaced across the segment:
evenly, cosine denser at both ends, sine denser at one end. Denser strips at the tip resolve the tip vortex
better.</p>""")
s("009_9.html", "Neues Segment",
  """<p>„Neu L“ fügt links, „Neu R“ rechts neben dem aktuellen Segment ein neues ein. Es übernimmt Breite, V-Form und
Pfeilung des aktuellen Segments, Tiefe und Profil vom Schnitt, der vorher an seinem äußeren Ende lag. Mit [[010.html|Spiegeln]] brauchen Sie nur eine Hälfte einzugeben.</p>""",
  "New segment",
  """<p>“New L” inserts a new segment left of the current one, “New R” right of it. It takes width, dihedral and
sweep from the current segment, chord and airfoil from the section that lay at its outer end before. With [[010.html|mirror]] you enter only one half.</p>""")
s("009_10.html", "Segment löschen",
  """<p>„Löschen“ in der Gruppe „Segment“ entfernt das aktuelle Segment nach einer Rückfrage.
[[013.html|Undo]] nimmt es zurück.</p>""",
  "Delete segment",
  """<p>“Delete” in the group “Segment” removes the current segment after a confirmation. [[013.html|Undo]]
takes it back.</p>""")
s("009_11.html", "Segment teilen",
  """<p>„Splitten 1/2“ teilt das aktuelle Segment in der Mitte in zwei Segmente, deren Tiefen, Verwindungen und
Profile an der Teilung zum alten Segment passen. So lässt sich etwa eine Klappe auf einen Teil der Breite
beschränken.</p>""",
  "Split segment",
  """<p>“Split 1/2” splits the current segment in the middle into two segments whose chords, twists and
airfoils match the old segment at the cut. A flap can then cover part of the width, for example.</p>""")
s("009_12.html", "Klappen",
  """<p>Der Reiter „Klappen“ gibt dem Segment eine Klappe: „Klappentiefe links in %“ und „Klappentiefe rechts in
%“ sind die Klappentiefen an beiden Enden in Prozent der Profiltiefe (0 bis 100), „Klappenwinkel in °“ ist der
Ausschlag, positiv nach unten (−45° bis 45°). Die Klappe knickt die Skelettlinie an der Klappenachse; so
rechnen Wölbklappen, Querruder, Höhen- und Seitenruder. Der Ausschlag lässt sich in der
[[015.html|2D-Grafik]] einblenden. Klappenausschläge über mehrere Flugzustände rechnet die Seite
[[017_1.html|Klappenberechnungen]].</p>""",
  "Flaps",
  """<p>The tab “Flaps” gives the segment a flap: “Flap chord left in %” and “Flap chord right in %” are the flap
chords at both ends in per cent of the chord (0 to 100), “Flap angle in °” is the deflection, positive down
(−45° to 45°). The flap bends the camber line at the hinge line; so camber flaps, ailerons, elevators and rudders
are computed. The deflection can be shown in the [[015.html|2D drawing]]. Flap settings over several flight states
are computed on the page [[017_1.html|flap computations]].</p>""")
s("009_13.html", "Profil des Segments",
  """<p>„Profil wählen“ gibt dem äußeren Schnitt des Segments ein Profil aus einer .dat-Datei (wie an der
[[008_9.html|Wurzel]]). „Strak einbauen“ macht den Schnitt zum Strak: sein Profil wird bei jedem Aufbau aus den
beiden benachbarten Profilen überblendet. „invertieren“ spiegelt das Profil an der Sehne.</p>""",
  "Segment airfoil",
  """<p>“Choose profile” gives the segment's outer section an airfoil from a .dat file (as at the
[[008_9.html|root]]). “Insert blend” makes the section a blend: its airfoil is blended from the two neighbouring
airfoils whenever the surface is built. “invert” mirrors the airfoil about the chord.</p>""")

# --- 010 to 013 ------------------------------------------------------------------------------------
s("010.html", "Flügelhälfte",
  """<p>„Spiegeln“ überträgt die Segmente der Seite des aktuellen Segments spiegelbildlich auf die andere Seite;
die alte andere Hälfte wird ersetzt. „Löschen“ entfernt nach einer Rückfrage die Hälfte des aktuellen Segments.
Ist „immer Spiegeln“ eingeschaltet, wird nach jeder Änderung eines Segments gespiegelt, so dass die Fläche
symmetrisch bleibt. Die [[012_15.html|Symmetrieprüfung]] zeigt Abweichungen.</p>""",
  "Wing half",
  """<p>“Mirror” copies the segments of the current segment's side, mirrored, onto the other side; the old other
half is replaced. “Delete” removes the half of the current segment after a confirmation. With “always mirror” on,
every change of a segment is mirrored, so the surface stays symmetric. The
[[012_15.html|symmetry check]] shows deviations.</p>""")
s("011.html", "Sichtbare Flächen",
  """<p>Die Liste neben der 3D-Ansicht nennt alle Flächen des Flugzeugs. Ein Haken zeigt die Fläche in der
[[012.html|3D-Ansicht]]; ohne Haken wird sie ausgeblendet. Gerechnet werden immer alle Flächen.</p>""",
  "Visible surfaces",
  """<p>The list beside the 3D view names every surface of the aircraft. A tick shows the surface in the
[[012.html|3D view]]; without it the surface is hidden. All surfaces are always computed.</p>""")
s("012.html", "3D-Ansicht",
  """<p>Die 3D-Ansicht zeigt das Wirbelgitter aller sichtbaren Flächen und, nach einer Rechnung, ihre Ergebnisse.
Die Maus dreht, verschiebt oder zoomt je nach Modus; die Knöpfe der Gruppe „3D“ schalten ein, was gezeichnet
wird:</p>""",
  "3D view",
  """<p>The 3D view shows the vortex lattice of every visible surface and, after a computation, its results. The
mouse rotates, moves or zooms, depending on the mode; the buttons of the group “3D” switch what is drawn:</p>""")
s("012_1.html", "Flächen füllen",
  """<p>„Füllen“ zeichnet die Panels gefüllt und schattiert statt als Gitterlinien.</p>""",
  "Fill panels", """<p>“Filled” draws the panels filled and shaded instead of as lattice lines.</p>""")
s("012_2.html", "Verdeckte Linien",
  """<p>„Verdeckt“ entfernt die Linien, die hinter Flächen liegen, so dass das Gitter räumlich lesbar wird.</p>""",
  "Hidden lines", """<p>“Hidden” removes the lines that lie behind surfaces, so the lattice reads in depth.</p>""")
s("012_3.html", "Nachlauf",
  """<p>„Nachlauf“ zeichnet die freien Wirbel, die von der Hinterkante jeder Fläche nach hinten abgehen. Wo die
Nachlauflinie einer Fläche dicht an einem Aufpunkt einer anderen Fläche vorbeiläuft, wird der Neutralpunkt
unsicher: siehe [[014_3.html#robust|robuster Neutralpunkt]].</p>""",
  "Wake",
  """<p>“Wake” draws the free vortices that leave the trailing edge of every surface. Where the wake line of one
surface passes close to a control point of another, the neutral point becomes unreliable: see
[[014_3.html#robust|robust neutral point]].</p>""")
s("012_4.html", "Gebundene Wirbel",
  """<p>„Wirbel“ zeichnet die gebundenen Wirbel auf der Viertellinie jedes Panels.</p>""",
  "Bound vortices", """<p>“Vortices” draws the bound vortices on the quarter-chord line of every panel.</p>""")
s("012_5.html", "Panelnormalen",
  """<p>„n“ zeichnet den Normalenvektor jedes Panels an seinem Aufpunkt; so prüfen Sie, ob eine Fläche richtig
herum liegt.</p>""",
  "Panel normals",
  """<p>“n” draws each panel's normal vector at its control point; so you check that a surface faces the right
way.</p>""")
s("012_6.html", "Panelkräfte",
  """<p>„F“ zeichnet nach einer Rechnung die Kraft auf jedes Panel als Pfeil; die Länge zeigt die Last.</p>""",
  "Panel forces",
  """<p>“F” draws, after a computation, the force on every panel as an arrow; its length shows the load.</p>""")
s("012_7.html", "Volumenmodell",
  """<p>„Volumen“ zeichnet die Flächen mit ihrer Profildicke, so wie sie gebaut werden (Punktezahl:
[[008_5_2.html|Volumendarstellung]]).</p>""",
  "Volume model",
  """<p>“Volume” draws the surfaces with their airfoil thickness, as they are built (point count:
[[008_5_2.html|volume display]]).</p>""")
s("012_8.html", "Anströmung",
  """<p>„Anströmung“ zeichnet den Vektor der freien Anströmung mit Anstell- und Schiebewinkel.</p>""",
  "Free stream", """<p>“Free stream” draws the free-stream vector with the angles of attack and sideslip.</p>""")
s("012_9.html", "Segmentkanten",
  """<p>„Kanten“ markiert die Grenzen der Segmente; das aktuelle Segment ist hervorgehoben.</p>""",
  "Segment edges", """<p>“Edges” marks the segments' boundaries; the current segment is highlighted.</p>""")
s("012_10.html", "Momentenrichtung",
  """<p>„M“ zeigt die Drehrichtung der Momente um die drei Achsen. Während der Auslegungsberechnung zeigt der
Pfeil um die Querachse, in welche Richtung der Anstellwinkel zuletzt verändert wurde.</p>""",
  "Moment direction",
  """<p>“M” shows the sense of the moments about the three axes. During the design computation the arrow about
the lateral axis shows in which direction the angle of attack was last changed.</p>""")
s("012_11.html", "Rotieren, verschieben, zoomen",
  """<p>Diese Knöpfe legen fest, was die Maus in der 3D-Ansicht tut: „rotieren“ dreht das Flugzeug,
„verschieben“ schiebt es, „zoomen“ ändert den Abstand. Die Werte stehen auf der Seite
[[007_3.html|Flugzeug]]; „3D-Zoom invertieren“ im Menü „Einstellungen“ kehrt die Zoomrichtung um.</p>""",
  "Rotate, move, zoom",
  """<p>These buttons set what the mouse does in the 3D view: “rotate” turns the aircraft, “move” shifts it,
“zoom” changes the distance. The values are on the page [[007_3.html|aircraft]]; “Invert 3D zoom” in the menu
“Settings” reverses the zoom direction.</p>""")
s("012_12.html", "Bearbeiten",
  """<p>Im Modus „bearbeiten“ macht ein Klick auf ein Panel dessen Fläche und Segment zum aktuellen; die Seite
[[009.html|Flügel]] zeigt dann ihre Werte.</p>""",
  "Edit",
  """<p>In the mode “edit” a click on a panel makes its surface and segment current; the page
[[009.html|wing]] then shows their values.</p>""")
s("012_13.html", "Nullpunkt",
  """<p>„NP“ zeichnet den Nullpunkt des Flugzeugs, von dem alle Positionen gemessen werden
([[007_6.html|NP verschieben]]).</p>""",
  "Zero point",
  """<p>“ZP” draws the aircraft's zero point, from which every position is measured
([[007_6.html|shift zero point]]).</p>""")
s("012_14.html", "Markierungslänge",
  """<p>„L“ fragt die Länge der Markierungen und Vektoren, die in die 3D-Ansicht gezeichnet werden.</p>""",
  "Marker length", """<p>“L” asks for the length of the marks and vectors drawn into the 3D view.</p>""")
s("012_15.html", "Symmetrieprüfung",
  """<p>„Symmetrie Check“ sucht zu jeder Panelecke ihr Spiegelbild auf der anderen Seite und markiert die Ecken, die
keines haben. Unsymmetrie ist meist ein Eingabefehler; siehe [[010.html|Spiegeln]].</p>""",
  "Symmetry check",
  """<p>“Symmetry check” looks for the mirror image of every panel corner on the other side and marks the corners
that have none. Asymmetry is usually an input mistake; see [[010.html|mirror]].</p>""")
s("012_16.html", "Bild speichern und kopieren",
  """<p>„BMP“ speichert die 3D-Ansicht als Bild (BMP oder JPEG), „Clip“ kopiert sie in die Zwischenablage.</p>""",
  "Save and copy picture",
  """<p>“BMP” saves the 3D view as a picture (BMP or JPEG), “Clip” copies it to the clipboard.</p>""")
s("013.html", "Undo und Redo",
  """<p>Jede Änderung am Modell legt einen Zwischenstand an. „Undo“ geht einen Schritt zurück, „Redo“ wieder vor.
Wie viele Schritte aufbewahrt werden, stellt „Anzahl Undo-Files“ im Menü „Einstellungen“ ein (mindestens
5).</p>""",
  "Undo and redo",
  """<p>Every change of the model keeps a snapshot. “Undo” goes one step back, “Redo” forward again. How many
steps are kept is set by “Number of undo files” in the menu “Settings” (at least 5).</p>""")

# --- 014: design computation ----------------------------------------------------------------------
s("014.html", "Auslegungsberechnung",
  """<p>Die Auslegungsberechnung sucht den stationären Flug des Flugzeugs: den Anstellwinkel, bei dem die
gewählte Zielgröße erreicht ist. Sie wählen eine von fünf Zielgrößen und geben ihren Wert vor; die anderen sind
danach Ergebnisse:</p>
<ul><li>[[014_1.html|Anstellwinkel]] (eine Rechnung bei diesem Winkel),</li>
<li>[[014_2.html|Auslegungs CA]],</li><li>[[014_3.html|Stabilitätsmaß]],</li>
<li>[[014_4.html|Schwerpunktlage]],</li><li>[[014_5.html|Fluggeschwindigkeit]].</li></ul>
<p>Jeder Schritt ist eine vollständige Wirbelgitterrechnung; danach folgen die Profilauswertung jedes Streifens
und die [[014_3.html#robust|Kontrollrechnung bei ±2°]] für den Neutralpunkt. Die Ergebnisse stehen unter
[[014_10.html|Berechnete Werte]] und in den [[015.html|Diagrammen]].</p>""",
  "Design computation",
  """<p>The design computation finds the steady flight of the aircraft: the angle of attack at which the chosen
target is met. You choose one of five targets and give its value; the others are results afterwards:</p>
<ul><li>[[014_1.html|angle of attack]] (one computation at that angle),</li>
<li>[[014_2.html|design CL]],</li><li>[[014_3.html|static margin]],</li>
<li>[[014_4.html|centre of gravity]],</li><li>[[014_5.html|flight speed]].</li></ul>
<p>Each step is a complete vortex-lattice computation; then follow the airfoil evaluation of every strip and
the [[014_3.html#robust|check runs at ±2°]] for the neutral point. The results are under
[[014_10.html|computed values]] and in the [[015.html|diagrams]].</p>""")
s("014_1.html", "Anstellwinkel",
  """<p>„Anstellwinkel in °“ ist der Winkel zwischen Anströmung und Flugzeuglängsachse (−90° bis 90°). Mit dem
Ziel Anstellwinkel rechnet das Programm genau bei diesem Winkel; sonst sucht es den Winkel und schreibt ihn
zurück.</p>""",
  "Angle of attack",
  """<p>“Angle of attack in °” is the angle between the free stream and the aircraft's longitudinal axis (−90°
to 90°). With the target angle of attack the program computes exactly at this angle; otherwise it finds the
angle and writes it back.</p>""")
s("014_2.html", "Auslegungs CA",
  """<p>„Auslegungs CA“ ist der Auftriebsbeiwert des ganzen Flugzeugs, bezogen auf die gesamte Projektionsfläche.
Mit diesem Ziel sucht das Programm den Anstellwinkel, bei dem das Flugzeug diesen Beiwert erreicht; ein
Thermiksegler fliegt etwa bei 0,6 bis 0,9. Erlaubt ist −2π bis 2π.</p>""",
  "Design CL",
  """<p>“Design CL” is the lift coefficient of the whole aircraft, related to its total projected area. With
this target the program finds the angle of attack at which the aircraft reaches it; a thermal sailplane flies at
about 0.6 to 0.9. −2π to 2π are allowed.</p>""")
s("014_3.html", "Stabilitätsmaß und Neutralpunkt",
  """<p>„Stabilitätsmaß in % von lu“ ist der Abstand des Schwerpunkts vor dem Neutralpunkt in Prozent der
Bezugsflügeltiefe lu: σ = (XN − XS) / lu · 100. Positive Werte bedeuten ein längsstabiles Flugzeug; übliche Werte
liegen bei 5 bis 15 %, bei Nurflügeln darunter. Mit diesem Ziel sucht das Programm den Anstellwinkel und die
Schwerpunktlage, bei denen das Flugzeug im Gleichgewicht fliegt und dieses Stabilitätsmaß hat. Erlaubt sind −100
bis 100. Der Neutralpunkt XN ist der Punkt, um den sich das Moment bei einer Änderung des Anstellwinkels nicht
ändert.</p>
<h2 id="robust">Neutralpunkt und robuster Neutralpunkt</h2>
<p>Das Programm bestimmt XN aus zwei Rechnungen dicht beieinander (0,001° auseinander beim Ziel Anstellwinkel,
sonst die letzten beiden Iterationsschritte). Läuft die Nachlauflinie einer Fläche nur wenige Millimeter neben den
Aufpunkten einer anderen vorbei – etwa ein Höhenleitwerk knapp über dem Nachlauf des Flügels –, dann schwankt
diese örtliche Differenz von Winkel zu Winkel um mehrere Prozent von lu.</p>
<p>Nach jeder erfolgreichen Auslegungsberechnung rechnet Velion deshalb zusätzlich beim gefundenen Winkel plus
und minus 2° und bildet daraus eine zentrale Differenz; danach wird noch einmal beim gefundenen Winkel gerechnet,
so dass alle übrigen Ergebnisse die des Auslegungswinkels bleiben. Die [[014_10.html|berechneten Werte]] und die
Ergebnisdatei nennen „Neutralpunkt XN aus ±2°“ und „Stabilitätsmaß aus ±2°“ nach den üblichen Werten.</p>
<p>Weichen die beiden Neutralpunkte um mehr als 1 % von lu voneinander ab, erscheint eine Warnung mit der
Abweichung und der wahrscheinlichen Ursache: welche Fläche mit ihrer Nachlauflinie wie dicht (in mm) an einem
Aufpunkt welcher anderen Fläche vorbeiläuft. Legen Sie den Schwerpunkt dann nach dem Wert aus ±2° fest, oder
verschieben Sie das Leitwerk in der Höhe ([[008_3.html|Pos. Z]]) aus dem Nachlauf heraus.</p>""",
  "Static margin and neutral point",
  """<p>“Static margin in % of MAC” is the distance of the centre of gravity ahead of the neutral point in per
cent of the reference chord lu (the mean aerodynamic chord): σ = (XN − XS) / lu · 100. Positive values mean a longitudinally stable aircraft;
usual values are 5 to 15 %, less for flying wings. With this target the program finds the angle of attack and the
centre of gravity at which the aircraft flies trimmed with this margin. −100 to 100 are allowed. The neutral point
XN is the point about which the moment does not change when the angle of attack changes.</p>
<h2 id="robust">The neutral point and its robust companion</h2>
<p>The program finds XN from two runs close together (0.001° apart for the target angle of attack, else the
last two iterates). When the trailing wake line of one surface passes a few millimetres beside the control points
of another – a tailplane just above the wing's wake, say – that local difference swings by several per cent of
lu from one angle to the next.</p>
<p>After every successful design computation Velion therefore also computes at the final angle plus and minus
2° for a central difference, then once more at the final angle, so every other result stays that of the design
angle. The [[014_10.html|computed values]] and the result file list “Neutral point XN from ±2°” and “Static
margin from ±2°” after the usual values.</p>
<p>When the two neutral points differ by more than 1 % of lu, a warning gives the difference and the likely
cause: which surface's wake line passes how close (in mm) to a control point of which other surface. Then place
the centre of gravity by the value from ±2°, or move the tail surface up or down ([[008_3.html|Pos. Z]]) out of
the wake.</p>""")
s("014_4.html", "Schwerpunktlage",
  """<p>„Schwerpunktlage X in m“ ist die Lage des Schwerpunkts in Längsrichtung, vom Nullpunkt nach hinten gemessen.
Mit diesem Ziel sucht das Programm den Anstellwinkel, bei dem das Flugzeug mit diesem Schwerpunkt im
Gleichgewicht fliegt; Stabilitätsmaß und CA folgen daraus. Nach jeder Rechnung steht hier der Schwerpunkt, der
zum gefundenen Flugzustand gehört. Siehe auch [[014_3.html#robust|robuster Neutralpunkt]].</p>""",
  "Centre of gravity",
  """<p>“Centre of gravity X in m” is the longitudinal position of the centre of gravity, measured rearwards
from the zero point. With this target the program finds the angle of attack at which the aircraft flies trimmed
with this centre of gravity; margin and CL follow. After every computation it shows the centre of gravity of the
flight state found. See also [[014_3.html#robust|robust neutral point]].</p>""")
s("014_5.html", "Fluggeschwindigkeit",
  """<p>„Fluggeschwindigkeit in m/s“ ist die Geschwindigkeit des stationären Flugs. Mit diesem Ziel bestimmt das
Programm aus Gesamtmasse, Luftdichte und Fläche den nötigen Auftriebsbeiwert und sucht dazu den Anstellwinkel.
Bei den anderen Zielen ist sie Ergebnis: die Geschwindigkeit, bei der der Auftrieb das Gewicht trägt. Sie muss
größer als 0 sein.</p>""",
  "Flight speed",
  """<p>“Flight speed in m/s” is the speed of steady flight. With this target the program derives the lift
coefficient needed from total mass, air density and area and finds its angle of attack. With the other targets it
is a result: the speed at which lift carries the weight. It must be above 0.</p>""")
s("014_6.html", "Rechnung starten und stoppen",
  """<p>„Berechnung starten“ beginnt die Auslegungsberechnung, „Berechnung Stopp“ bricht sie ab; die Eingaben
werden dann wiederhergestellt. „Max. Iteration“ begrenzt die Zahl der Iterationsschritte, „Iterationsschritt“
zeigt den laufenden. Die Statuszeile zeigt die Rechenphase und den Fortschritt. „Multithread“ auf der Seite
[[014_11.html|Widerstandsberechnung]] verteilt die Rechnung auf alle Prozessorkerne.</p>""",
  "Start and stop",
  """<p>“Start computation” begins the design computation, “Stop computation” ends it; the inputs are then
restored. “Max. Iteration” limits the number of iteration steps, “Iteration step” shows the current one. The
status bar shows the phase and the progress. “Multithread” under [[014_11.html|drag settings]] spreads the work
over all processor cores.</p>""")
s("014_7.html", "Schiebewinkel",
  """<p>„Schiebewinkel in °“ ist der Winkel der Anströmung von der Seite (−90° bis 90°). Bei 0 fliegt das
Flugzeug gerade; ein Schiebewinkel erzeugt Seitenkraft, Roll- und Giermoment, aus denen die Seitenstabilität zu
beurteilen ist.</p>""",
  "Sideslip angle",
  """<p>“Sideslip angle in °” is the angle of the free stream from the side (−90° to 90°). At 0 the aircraft
flies straight; sideslip gives side force, roll and yaw moments, from which the lateral stability is
judged.</p>""")
s("014_8.html", "Flughöhe",
  """<p>„Flughöhe in m“ bestimmt die Luftdichte nach der Normatmosphäre. Die Höhe −1 steht für Wasser (Dichte
1000 kg/m³), etwa für Unterwassermodelle. Eine eingegebene Dichte ([[014_11.html|rho]]) setzt die Höhe
passend.</p>""",
  "Altitude",
  """<p>“Altitude in m” sets the air density from the standard atmosphere. The altitude −1 stands for water
(density 1000 kg/m³). A density entered ([[014_11.html|rho]]) sets the matching altitude.</p>""")
s("014_9.html", "Nachlauf",
  """<p>Der Nachlauf jeder Hinterkante wird aus „Anzahl Nachlaufelemente“ Stücken mit der „Gesamtlänge
Nachlaufelemente in m“ gebildet; das letzte Stück steht für den unendlichen Rest. Die Nachlaufkorrektur richtet
den Nachlauf in einigen Durchgängen nach der örtlichen Strömung aus. Das
kostet Zeit, gibt aber ein genaueres Zusammenspiel von Flügel und Leitwerk; siehe auch
[[014_3.html#robust|robuster Neutralpunkt]].</p>""",
  "Wake",
  """<p>The wake of every trailing edge is built from “Number of wake elements” pieces with “Total length of
wake elements in m”; the last piece stands for the infinite rest. The wake correction aligns the wake with the
local flow in a few passes. It costs time but gives a more accurate interplay of
wing and tail; see also [[014_3.html#robust|robust neutral point]].</p>""")
s("014_10.html", "Berechnete Werte",
  """<p>„Berechnete Werte“ öffnet das Ergebnisfenster: ein Reiter für das ganze Flugzeug (Beiwerte, Kräfte,
Momente, Neutralpunkt, Stabilitätsmaß, Flugleistung, [[014_3.html#robust|Neutralpunkt aus ±2°]] mit einer
Warnung, wenn er abweicht) und einer je Fläche mit den Werten jedes Streifens. „Speichern unter“ schreibt die
Ergebnisdatei, „Formatierter Export“ eine Tabelle für die Tabellenkalkulation.</p>""",
  "Computed values",
  """<p>“Computed values” opens the results window: one tab for the whole aircraft (coefficients, forces,
moments, neutral point, static margin, flight performance, [[014_3.html#robust|neutral point from ±2°]] with a
warning when it differs) and one per surface with the values of every strip. “Save as” writes the result file,
“Formatted export” a table for a spreadsheet.</p>""")
s("014_11.html", "Widerstandsberechnung",
  """<p>Die Gruppe „Einstellungen Widerstandsberechnung“ ergänzt den induzierten Widerstand des Wirbelgitters um
den Profilwiderstand jedes Streifens (aus dem Profil und der Reynoldszahl) und um:</p>
<ul><li>„Interferenzwiderstand cw_int“: ein Zuschlag für die Übergänge zwischen den Teilen (≥ 0),</li>
<li>„Rumpfquerschnittfläche in m^2“ und „cw_Rumpf“: der Rumpfwiderstand aus Stirnfläche und Beiwert,</li>
<li>„rho [kg/m^3]“: die Dichte des Mediums; sie setzt die [[014_8.html|Flughöhe]] passend,</li>
<li>„Wasser / Luft“: rechnet in Wasser statt Luft (Dichte und Zähigkeit),</li>
<li>„Multithread“: verteilt die Rechnung auf alle Prozessorkerne.</li></ul>""",
  "Drag settings",
  """<p>The group “Drag computation settings” adds to the induced drag of the vortex lattice the airfoil drag of
every strip (from its airfoil and Reynolds number) and:</p>
<ul><li>“Interference drag cd_int”: an allowance for the junctions between the parts (≥ 0),</li>
<li>“Fuselage cross-section in m^2” and “cd_fuselage”: the fuselage drag from frontal area and coefficient,</li>
<li>“rho [kg/m^3]”: the density of the medium; it sets the matching [[014_8.html|altitude]],</li>
<li>“Water / air”: computes in water instead of air (density and viscosity),</li>
<li>“Multithread”: spreads the work over all processor cores.</li></ul>""")

# --- 015: 2D diagrams -----------------------------------------------------------------------------
s("015.html", "2D-Diagramme",
  """<p>Die 2D-Grafik zeigt den Grundriss der aktuellen Fläche und, auf derselben Spannweitenachse, die
Verteilungen der letzten Rechnung, jede mit eigener Skala. Ein Klick setzt den
[[015_3.html|Markierungsbalken]] auf einen Streifen. „Gitter“ wechselt zwischen Panelgitter und Umriss, „Kontur“
zeichnet den Umriss des ganzen Flugzeugs dazu, „Klappe°“ blendet die Klappenwinkel ein, „ca_max_min einblenden“
die Grenzen des Auftriebsbeiwerts.</p>""",
  "2D diagrams",
  """<p>The 2D drawing shows the plan of the current surface and, on the same span axis, the distributions of the last computation, each on its own scale. A click puts the [[015_3.html|marker bar]] on a
strip. “Grid” switches between panel lattice and outline, “Outline” adds the outline of the whole aircraft,
“Flap°” shows the flap angles, “show ca_max_min” the limits of the lift coefficient.</p>""")
s("015_1.html", "Zirkulation und Hilfskurve",
  """<p>„Gamma“ zeichnet die Zirkulation über der Spannweite. Eine elliptische Verteilung gibt den kleinsten
induzierten Widerstand. „Hilfskurve“ blendet eine Vergleichskurve ein (etwa eine Ellipse), deren Höhe Sie vorgeben;
„Hilfskurve, ON=Integral, OFF=Mitte“ legt fest, ob sie gleiche Fläche wie die Zirkulation hat oder in der Mitte
gleich hoch ist.</p>""",
  "Circulation and auxiliary curve",
  """<p>“Gamma” draws the circulation over the span. An elliptic distribution gives the least induced drag.
“Aux. curve” shows a comparison curve (an ellipse, say); “Aux. curve, ON=integral, OFF=centre” sets
whether it has the same area as the circulation or the same height in the middle.</p>""")
s("015_2.html", "Druckpunkt, Schwerpunkt, Neutralpunkt",
  """<p>„XD“, „XS“ und „XN“ zeichnen Druckpunkt, Schwerpunkt und Neutralpunkt in den Grundriss. Liegt XS vor XN, ist
das Flugzeug längsstabil; der Abstand ist das [[014_3.html|Stabilitätsmaß]]. Zur Zuverlässigkeit von XN siehe
[[014_3.html#robust|robuster Neutralpunkt]].</p>""",
  "Pressure point, centre of gravity, neutral point",
  """<p>“XD”, “XS” and “XN” draw the centre of pressure, the centre of gravity and the neutral point into the
plan. With XS ahead of XN the aircraft is longitudinally stable; the distance is the
[[014_3.html|static margin]]. On how reliable XN is see [[014_3.html#robust|robust neutral point]].</p>""")
s("015_3.html", "Markierungsbalken",
  """<p>Ein Klick in die Grafik setzt den Markierungsbalken auf einen Streifen; „Pos.Y [m]“ setzt ihn genau.
Die Zeile unter der Grafik nennt die Werte dieses Streifens. „Markierungsbalken als Kreuz“ im Menü
„Einstellungen“ zeichnet ihn als Kreuz.</p>""",
  "Marker bar",
  """<p>A click into the drawing puts the marker bar on a strip; “Pos.Y [m]” sets it exactly. The line below the
drawing lists that strip's values. “Marker bar as cross” in the menu “Settings” draws it as a cross.</p>""")
s("015_4.html", "Auftriebsbeiwert",
  """<p>„ca“ zeichnet den örtlichen Auftriebsbeiwert jedes Streifens, mit „ca_max_min einblenden“ auch die
Grenzen aus dem Profil. Wo ca eine Grenze erreicht, reißt die Strömung ab: dort steht eine Markierung. Bei einem
gutmütigen Flügel erreicht die Flügelmitte die Grenze zuerst.</p>""",
  "Lift coefficient",
  """<p>“ca” draws the local lift coefficient of every strip, with “show ca_max_min” also the airfoil's limits.
Where ca reaches a limit the flow separates; a mark shows it. On a docile wing the centre reaches the limit
first.</p>""")
s("015_5.html", "Widerstandsbeiwerte",
  """<p>„cwi“ zeichnet den induzierten Widerstandsbeiwert jedes Streifens, „cwv“ den Profilwiderstand (aus
Profil und Reynoldszahl), „cwg“ die Summe. Es ist immer nur eine der drei Kurven eingeschaltet.</p>""",
  "Drag coefficients",
  """<p>“cwi” draws the induced drag coefficient of every strip, “cwv” the airfoil drag (from airfoil and
Reynolds number), “cwg” their sum. Only one of the three curves is on at a time.</p>""")
s("015_6.html", "Induzierter Anstellwinkel",
  """<p>„ai“ zeichnet den induzierten Anstellwinkel jedes Streifens: um so viel verringert der Abwind den
wirksamen Anstellwinkel.</p>""",
  "Induced angle",
  """<p>“ai” draws the induced angle of attack of every strip: the downwash reduces the effective angle by that
much.</p>""")
s("015_7.html", "Reynoldszahl und Blasenwarnung",
  """<p>„RE“ zeichnet die Reynoldszahl jedes Streifens aus Geschwindigkeit, Profiltiefe und Zähigkeit. „BL“ markiert
die Streifen, für die die Profilauswertung eine laminare Ablöseblase erwarten lässt (oben oder unten); dort ist
der Profilwiderstand leicht größer als gerechnet.</p>""",
  "Reynolds number and bubble warning",
  """<p>“RE” draws the Reynolds number of every strip from speed, chord and viscosity. “BL” marks the strips
for which the airfoil evaluation expects a laminar separation bubble (upper or lower side); there the airfoil drag
is likely higher than computed.</p>""")
s("015_8.html", "Profilschnitt",
  """<p>„Profilschnitt“ öffnet ein Fenster mit den Profilschnitten des aktuellen Segments zwischen seinen beiden
Enden, überblendet aus deren Profilen. Es folgt der [[015.html|2D-Grafik]], solange es offen ist.</p>""",
  "Airfoil section",
  """<p>“Profile section” opens a window with the airfoil sections of the current segment between its two ends,
blended from their airfoils. It follows the [[015.html|2D drawing]] while it is open.</p>""")
s("015_9.html", "Grafik verschieben, zoomen, speichern",
  """<p>„&lt;“, „&gt;“, „^“ und „v“ verschieben die Grafik, „+“ und „−“ zoomen, „0“ stellt die Grundeinstellung
wieder her. „BMP“ speichert die Grafik als Bild, „Clip“ kopiert sie in die Zwischenablage.</p>""",
  "Move, zoom, save the drawing",
  """<p>“&lt;”, “&gt;”, “^” and “v” move the drawing, “+” and “−” zoom, “0” restores the default. “BMP” saves
the drawing as a picture, “Clip” copies it to the clipboard.</p>""")

# --- 017: polars -----------------------------------------------------------------------------------
s("017.html", "Gesamtpolaren",
  """<p>Die Seite „Gesamtpolaren berechnen“ rechnet eine Reihe von Auslegungsberechnungen in „Anzahl Schritte“
Schritten, in denen eine Eingabe von einem Anfangs- zu einem Endwert läuft: der Anstellwinkel des Flugzeugs, die
Ausschläge von bis zu vier Klappengruppen oder die Einstellwinkel von bis zu vier Flächen. Danach ist das Flugzeug
wieder wie vorher. Jeder Punkt ist eine vollständige
[[014.html|Auslegungsberechnung]]; zusammen ergeben sie die Polare des Flugzeugs (CA über CW, Sinken über
Geschwindigkeit, Gleitzahl). „Start“ beginnt, „Stopp“ bricht ab, „Gesamtpolaren anzeigen“ öffnet das
[[017_3.html|Polarfenster]]. Dazu gehören die Reiter [[017_1.html|Klappenberechnungen]] und
[[017_2.html|EWD]].</p>""",
  "Total polars",
  """<p>The page “Compute total polars” runs a series of design computations in “Number of steps” steps, in which
one input runs from a start to an end value: the aircraft's angle of attack, the deflections of up to four flap
groups or the incidences of up to four surfaces. Afterwards the aircraft is as it was. Each point is a complete
[[014.html|design computation]]; together they make the aircraft's polar (CL over CD, sink over speed, glide
ratio). “Start” begins, “Stop” ends, “Show total polars” opens the [[017_3.html|polar window]]. The tabs
[[017_1.html|flap computations]] and [[017_2.html|decalage]] belong to it.</p>""")
s("017_1.html", "Klappenberechnungen",
  """<p>Im Reiter „Klappenberechnungen“ stehen bis zu vier Klappengruppen (die Gruppennummer, die die Segmente
tragen, 0 bis 99) mit Anfangs- und Endausschlag in Grad. Die Polare läuft die Ausschläge in gleichen Schritten
durch, etwa Wölbklappen von +5° für den Thermikflug bis −2° für den Schnellflug.</p>""",
  "Flap computations",
  """<p>The tab “Flap computations” holds up to four flap groups (the group number the segments carry, 0 to 99)
with a start and an end deflection in degrees. The polar steps through the deflections evenly, camber flaps from
+5° for thermal flight to −2° for fast flight, say.</p>""")
s("017_2.html", "EWD",
  """<p>Der Reiter für die EWD-Berechnung läuft während der Polare die [[008_8.html|Einstellwinkel]] von bis zu vier
Flächen von einem Anfangs- zu einem Endwert, etwa das Höhenleitwerk, um zu sehen, wie Trimmung und Leistung von
der Einstellwinkeldifferenz abhängen.</p>""",
  "Decalage",
  """<p>The decalage tab runs the [[008_8.html|incidences]] of up to four surfaces from a start to an end value
during the polar, the tailplane's for example, to see how trim and performance depend on the decalage.</p>""")
s("017_3.html", "Polarfenster",
  """<p>Das Polarfenster „Gesamtpolaren“ hält alle gerechneten und geladenen Gesamtpolaren. Der Reiter
„Tabellenausgabe“ zeigt sie als Tabelle, der Reiter „Grafik“ als Kurven einer gewählten Größe über einer anderen
(etwa CA über CW, Sinkgeschwindigkeit über Fluggeschwindigkeit); ein Klick auf einen Punkt zeigt seine Werte.
Im Menü „Datei“ werden Polaren dazugeladen, gespeichert und als formatierter Export für die Tabellenkalkulation
geschrieben.</p>""",
  "Polar window",
  """<p>The polar window “Total polars” holds every total polar computed or loaded. The tab “Table” lists them as a
table, the tab “Chart” draws them as curves of a chosen quantity against another (CL over CD, sink over flight
speed, for example); a click on a point shows its values. The menu “File” loads further polars, saves them and
writes a formatted export for a spreadsheet.</p>""")


def kapitel(name):
    """The chapter page of a page: 009_12.html -> 009.html; a chapter page's chapter is the contents."""
    stamm = name[:-5]
    if name == "index.html" or "_" not in stamm:
        return "index.html"
    return stamm.split("_")[0] + ".html"


def sortierschluessel(name):
    return [int(t) if t.isdigit() else 0 for t in re.split(r"[_.]", name[:-5])] if name != "index.html" else [-1]


def seite(name, sprache):
    de_titel, de, en_titel, en = SEITEN[name]
    titel, text = (de_titel, de) if sprache == "DEUTSCH" else (en_titel, en)
    t = 0 if sprache == "DEUTSCH" else 2
    text = re.sub(r"\[\[([^|\]]+)\|([^\]]+)\]\]", lambda m: f'<a href="{m.group(1)}">{m.group(2)}</a>', text)
    # Every anchor also as a named link target, which every viewer scrolls to.
    text = re.sub(r'<h2 id="([^"]+)">', lambda m: f'<h2 id="{m.group(1)}"><a name="{m.group(1)}"></a>', text)
    teile = [f"<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>{html.escape(titel)}</title>\n</head>\n<body>",
             f"<h1>{html.escape(titel)}</h1>", text.strip()]
    unter = sorted((n for n in SEITEN if n != name and kapitel(n) == name), key=sortierschluessel)
    if unter:
        teile.append("<ul>\n" + "\n".join(f'<li><a href="{n}">{html.escape(SEITEN[n][t])}</a></li>' for n in unter) + "\n</ul>")
    if name != "index.html":
        oben = kapitel(name)
        wege = []
        if oben != "index.html":
            wege.append(f'<a href="{oben}">{html.escape(SEITEN[oben][t])}</a>')
        wege.append(f'<a href="index.html">{"Inhalt" if sprache == "DEUTSCH" else "Contents"}</a>')
        teile.append("<hr>\n<p>" + " | ".join(wege) + "</p>")
    teile.append("</body>\n</html>\n")
    return "\n".join(teile)


def main():
    wurzel = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "VELION_DOC")
    for sprache in ("DEUTSCH", "ENGLISH"):
        ordner = os.path.join(wurzel, sprache, "hilfe")
        os.makedirs(ordner, exist_ok=True)
        for name in SEITEN:
            # Plain ASCII with character references: right whatever encoding a viewer assumes.
            with open(os.path.join(ordner, name), "w", encoding="ascii", errors="xmlcharrefreplace", newline="\n") as f:
                f.write(seite(name, sprache))
    print(f"{len(SEITEN)} Seiten je Sprache", file=sys.stderr)


if __name__ == "__main__":
    main()
