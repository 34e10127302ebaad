// The vortex elements of all surfaces of the aircraft taken together: the velocity they induce and
// the distribution of the solved circulations, surface by surface in list order.
#pragma once

#include "common/Vektor.h"
#include "solver/Schnellkerne.h"

class TFLUGZEUG;

/// Adds to V the velocity every vortex element of every surface induces at P.
void InduzierteGeschwindigkeit(const TFLUGZEUG& flugzeug, const T3Vektor& P, T3Vektor& V);

/// Gives every side-line and wake element of every surface its net circulation.
void VerteileZirkulation(TFLUGZEUG& flugzeug);

/// Every vortex element of every surface with its circulation, in the order InduzierteGeschwindigkeit
/// sums them, for the fast velocity sums.
TSegmentfeld Wirbelfeld(const TFLUGZEUG& flugzeug);
