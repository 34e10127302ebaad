// Biot-Savart of one straight vortex segment: the normal-velocity kernel that builds the system and
// the velocity at a point that the force evaluation and the wake alignment sum up.
#pragma once

#include "common/Extended.h"
#include "common/Vektor.h"
#include "model/TWirbel.h"

/// 4 pi as the system's coefficients and right-hand sides carry it.
inline constexpr Extended VierPi = 12.566370614359172954L;

/// A point is taken to lie on the line of a segment when the cosine between the segment and the
/// ray from its start to the point exceeds this in magnitude: within about 4.5e-6 times its distance
/// from the start point (0.45 mm at 100 m down a wake line).
inline constexpr Extended KollinearGrenze = 0.99999999999L;

/// 4 pi times the normal component (along unit normal n) of the velocity that unit circulation along
/// w induces at P. A point on the line of the segment (on it or on its extension) gets 0, as in
/// Wirbelgeschwindigkeit: the field of a straight segment vanishes on its extension and has no
/// finite value on the segment itself, and both Biot-Savart routines must see the same field.
Extended Normalkern(const TWirbel& w, const T3Vektor& P, const T3Vektor& n);

/// Velocity induced at P by w with its own Zirkulation; the zero vector on the segment's line.
T3Vektor Wirbelgeschwindigkeit(const TWirbel& w, const T3Vektor& P);
