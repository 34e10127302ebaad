// A quadrilateral panel of the vortex lattice (or of the volume model): four corners, the geometry
// derived from them, the bound vortex and the side-line and wake segments of its horseshoe.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "model/TPUNKT.h"
#include "model/TWirbel.h"
#include "model/TLIST2D.h"

class TPAN {
public:
    TPAN();
    // Corners and vortex segments are referred to by address (corner partners, the surface tables,
    // the solver's leg walk): a panel stays where it was made.
    TPAN(const TPAN&) = delete;
    TPAN& operator=(const TPAN&) = delete;

    int Flaeche = 0;            ///< index of the surface in the aircraft
    int Segment = 0;            ///< index of the segment that produced the panel
    int StreifenImSegment = 0;  ///< spanwise strip within that segment, from 0
    int Spalte = 0;             ///< chordwise column, 0 at the leading edge
    int Streifen = 0;           ///< spanwise strip within the surface, from 0 at the left end
    int Seite = 0;              ///< +1 right of the root section, -1 left of it
    /// The table that holds the panel (the surface's Panelraster or Volumenraster).
    TLIST2D<TPAN>* Tabelle = nullptr;

    TWirbel GebundenerWirbel;
    /// Left side line of the strip from this panel rearwards; at the trailing edge followed by the wake.
    std::vector<TWirbel> WirbelLinks;
    /// The same on the right edge; filled on the outermost strip only.
    std::vector<TWirbel> WirbelRechts;

    /// The panel's row of the assembled system: N influence coefficients in Panelliste order, then
    /// the right-hand side. A view into the system's single block; empty until an assembly.
    std::span<Extended> Einflusskoeffizienten;

    /// Corners P0..P3: P0, P1 trailing (left, right), P2, P3 leading (right, left).
    std::array<TPUNKT, 4> Ecken;

    Extended Flaecheninhalt = 0.0L;
    Extended Tiefe = 0.0L;   ///< distance between the midpoints of edges P0-P1 and P2-P3
    Extended Breite = 0.0L;  ///< distance between the midpoints of edges P1-P2 and P3-P0
    T3Vektor Aufpunkt;       ///< control point
    T3Vektor EckeVorneLinks;
    T3Vektor EckeVorneRechts;
    T3Vektor ViertelpunktLinks;
    T3Vektor ViertelpunktRechts;
    T3Vektor DreiviertelpunktLinks;
    T3Vektor DreiviertelpunktRechts;
    T3Vektor EckeHintenLinks;
    T3Vektor EckeHintenRechts;
    T3Vektor Normale;  ///< unit normal; the zero vector for a panel without area

    // Results of the force evaluation, per unit of rho times the squared free-stream speed [m²].
    T3Vektor Wirbelvektor;      ///< Anfang minus Ende of the bound vortex
    T3Vektor Kraftpunkt;        ///< midpoint of the bound vortex, where Kraft1 acts
    T3Vektor Laengsvektor;      ///< start minus end of the chordwise force piece
    T3Vektor Laengskraftpunkt;  ///< midpoint of the chordwise force piece, where Kraft2 acts
    Extended Gamma1 = 0.0L;     ///< circulation of the bound vortex
    Extended Gamma2 = 0.0L;     ///< circulation of the chordwise force piece
    T3Vektor Kraft1;            ///< force on the bound vortex
    T3Vektor Kraft2;            ///< force on the chordwise force piece
    T3Vektor Panelkraft;        ///< Kraft1 + Kraft2

    // Drawing flags, set by the 3D view before it draws.
    int Fuellmodus = 1;  ///< 0 not drawn, 1 filled, 2 outline
    bool VerdeckteLinienZeigen = false;
    bool FreieWirbelZeigen = false;
    bool GebundeneWirbelZeigen = false;
    bool NormaleZeigen = false;
    bool KraftZeigen = false;
    int Auswahlname = 0;  ///< identifies the panel when picking in the 3D view

    /// Sets corner `index` (0..3); any other index is ignored.
    void SetzeEcke(int index, Extended x, Extended y, Extended z);
    /// Corner `index`, or nullptr outside 0..3.
    TPUNKT* Ecke(int index);
    const TPUNKT* Ecke(int index) const;
    /// Colour of all four corners.
    void SetzeFarbe(const TFarbe& farbe);
    /// Derives normal, area, chord and span lengths, corner copies, quarter and three-quarter points
    /// and the control point from the corners.
    void Aktualisiere();
};
