// How close the wake lines of one surface pass the control points of another: the usual cause of a
// neutral point that swings with the angle of attack.
#pragma once

#include "model/T_FLUGZEUG.h"

/// The closest approach, over every pair of different surfaces, of a wake element of the first to
/// a control point of a lifting panel (normal within 60° of the vertical) of the second, in the
/// present lattice. Nachlaufflaeche is -1 when no surface has
/// a wake or no other surface has control points.
TNachlaufnaehe NaechsterNachlauf(const TFLUGZEUG& flugzeug);

/// The robust neutral point differs from `Neutralpunkt` by more than 1 % of lu.
bool NeutralpunktWeichtAb(const TFLUGZEUG& flugzeug);
