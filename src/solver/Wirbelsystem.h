// The vortex system of the lattice after a solution: the circulation the side lines and wakes
// carry, and the velocity all vortex elements induce at a point.
#pragma once

#include "common/Vektor.h"
#include "model/TPAN.h"
#include "model/TLIST2D.h"

/// Gives every side-line and wake element of one surface the net circulation of the horseshoes
/// that run along it, from the solved bound circulations.
void VerteileZirkulation(TLIST2D<TPAN>& panelraster);

/// Adds to V the velocity that every vortex element of one surface induces at P: per strip and
/// column the bound vortex, then WirbelLinks, then WirbelRechts.
void InduzierteGeschwindigkeit(const TLIST2D<TPAN>& panelraster, const T3Vektor& P, T3Vektor& V);
