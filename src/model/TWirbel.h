// A straight vortex segment: a panel's bound vortex, a piece of a strip's side line or a wake element.
#pragma once

#include "common/Extended.h"
#include "common/Vektor.h"

/// What a segment is part of.
enum WirbelArt : int {
    WirbelGebunden = 0,           ///< bound vortex of a panel
    WirbelSeitenlinieLinks = 1,   ///< on the left chordwise edge of a strip
    WirbelSeitenlinieRechts = 2,  ///< on the right chordwise edge of the outermost strip
    WirbelNachlaufLinks = 3,      ///< wake element behind a left side line
    WirbelNachlaufRechts = 4      ///< wake element behind a right side line
};

class TWirbel {
public:
    Extended Laenge = 0.0L;
    T3Vektor Anfang;
    T3Vektor Ende;
    /// Per unit free-stream speed, positive by the right-hand rule about Anfang -> Ende.
    Extended Zirkulation = 0.0L;
    WirbelArt Art = WirbelGebunden;
    /// Unit vector from Anfang to Ende; the zero vector for a segment of zero length.
    T3Vektor Richtung;
    /// Local velocity at the midpoint, written by the wake alignment.
    T3Vektor Geschwindigkeit;

    /// Recomputes Laenge and Richtung from Anfang and Ende.
    void Aktualisiere();
};
