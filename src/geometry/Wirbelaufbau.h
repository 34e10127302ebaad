// The vortex elements of the lattice as they are laid out: bound vortices, the side lines of every
// strip down to the trailing edge and the wake lines behind it.
#pragma once

#include "common/Extended.h"
#include "common/Vektor.h"
#include "model/TLIST2D.h"
#include "model/TPAN.h"

/// Length of the last element of every wake line [m]: it stands for the semi-infinite rest of the wake.
inline constexpr Extended LaengeEndelement = 99999.0L;

/// How the wake lines are laid out.
struct TNachlaufvorgabe {
    int Anzahl = 10;           ///< AnzahlNachlaufelemente: cosine-spaced elements before the final one
    Extended Laenge = 1.0L;    ///< LaengeNachlaufelemente: their total length [m]
    T3Vektor Anstroemrichtung; ///< unit free-stream direction the wake lines follow
};

/// Appends the wake line to WirbelLinks (seite 0) or WirbelRechts (seite 1) of a trailing-edge panel,
/// starting at the end of the list's last element.
void NachlaufAnhaengen(TPAN& panel, int seite, const TNachlaufvorgabe& nachlauf);

/// Builds the vortex elements of every panel of one surface's Panelraster from scratch. Throws
/// EVelionFehler when the table is not rectangular (a strip without its neighbour's panels).
void WirbelAufbauen(TLIST2D<TPAN>& panelraster, const TNachlaufvorgabe& nachlauf);
