// The vortex elements of the lattice: bound vortices, the side lines of every strip down to the
// trailing edge and the wake lines behind it; the circulation the side lines and wakes carry after
// a solution; and the velocity all of them induce at a point.
#pragma once

#include <vector>

#include "common/Extended.h"
#include "common/Vektor.h"
#include "geometry/TPAN.h"
#include "model/TLIST2D.h"

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

/// Gives every side-line and wake element of one surface the net circulation of the horseshoes
/// that run along it, from the solved bound circulations.
void VerteileZirkulation(TLIST2D<TPAN>& panelraster);

/// Adds to V the velocity that every vortex element of one surface induces at P: per strip and
/// column the bound vortex, then WirbelLinks, then WirbelRechts.
void InduzierteGeschwindigkeit(const TLIST2D<TPAN>& panelraster, const T3Vektor& P, T3Vektor& V);
