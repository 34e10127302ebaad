// Small real helpers used across subsystems: straight-line interpolation, the real power and the
// rotation in a plane.
#pragma once

#include "common/Extended.h"

/// z1 + (x - x1)(z2 - z1)/(x2 - x1); z1 when x1 = x2.
Extended Interpolieren(Extended x, Extended x1, Extended z1, Extended x2, Extended z2);

/// b^p, also for negative bases: exp(p ln b) for b > 0, 0 for b = 0; for b < 0 and a whole p
/// |b|^p, negated when p is odd; 0 for b < 0 and a fractional p.
Extended Potenz(Extended b, Extended p);

/// Rotates (a, b) about (ca, cb) in the a-b plane by -winkel radians, built the way every rotation
/// of the program is: signed radius (negative behind the centre), angle from arcsin, turned back by
/// winkel. The sine is held to [-1, 1], so that a rounding just past 1 does not give NaN.
void DreheInEbene(Extended& a, Extended& b, Extended ca, Extended cb, Extended winkel);
