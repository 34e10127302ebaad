// Geometric inputs that mean more than the stored number: a chord that keeps its pivot point and the
// leading edges further out in place, a sweep given for a reference line or as a depth, the scaling
// of the aircraft or of one surface, and the shift of every surface against the zero point.
#pragma once

#include <string_view>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "geometry/Flaechenbearbeitung.h"

/// Meaning of the sweep entered as a depth: the outer leading edge's planform x (Variante1) or its
/// offset against the inner leading edge (Variante2).
enum class TTiefenmass { Variante1, Variante2 };

/// Sets the stored leading-edge sweep of segment j so that the line through the points at
/// `prozent` percent of its inner and outer chords has the sweep `winkel` [°]. Width 0: unchanged.
void PfeilwinkelSetzen(TFLAECHE& flaeche, int j, Extended winkel, Extended prozent);

/// The sweep [°] of the line through the points at `prozent` percent of the chords of segment j;
/// the inverse of PfeilwinkelSetzen.
Extended BezugslinienPfeilwinkel(const TFLAECHE& flaeche, int j, Extended prozent);

// The field edits take the entered text, which passes the chord or sweep field's check first
// (its error text is raised and nothing changes when it fails).

/// New root chord of the current surface: the pivot point and the outer leading edges of the
/// segments next to the root stay in place.
bool WurzeltiefeAendern(TBearbeitung& b, std::string_view text);

/// New chord of the current segment: its pivot point and the outer leading edge of the next
/// segment outwards stay in place.
bool SegmenttiefeAendern(TBearbeitung& b, std::string_view text);

/// The sweep field: the sweep [°] of the current segment's reference line.
bool PfeilwinkelEingeben(TBearbeitung& b, std::string_view text);

/// The sweep of the current segment from a depth in metres; no number raises error text 2, an
/// angle outside -89..89 error text 44, and nothing is stored.
bool PfeilwinkelAlsTiefenmass(TBearbeitung& b, std::string_view text, TTiefenmass variante);

enum class TMassenregel { Unveraendert, Linear, Quadratisch };

/// The choices of the scaling window. Positions, fuselage section and wake length apply only when
/// the whole aircraft is scaled.
struct TSkalierung {
    TMassenregel Massen = TMassenregel::Unveraendert;
    bool Profiltiefen = true;
    bool Segmentbreiten = true;
    bool PositionX = true;
    bool PositionY = true;
    bool PositionZ = true;
    bool Rumpfquerschnitt = true;
    bool Nachlauflaengen = true;
};

/// The span the scaling window refers to: the largest surface span of the aircraft (the first of
/// equals, surface 0 when none is positive), or that of surface `flaeche` when it is not -1.
/// Returns the index of that surface in `index`.
Extended Referenzspannweite(const TFLUGZEUG& flugzeug, int flaeche, int& index);

/// Multiplies the dimensions of the whole aircraft (`flaeche` -1) or of one surface by `faktor`.
/// A factor that is not above 0 raises error text 3 and changes nothing.
bool Skalieren(TBearbeitung& b, Extended faktor, const TSkalierung& wahl, int flaeche = -1);

/// Moves every surface by `verschiebung` against the aircraft zero point.
bool Nullpunktverschiebung(TBearbeitung& b, const T3Vektor& verschiebung);
