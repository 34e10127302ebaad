// The one real type of the model, geometry, solver and results: 80-bit extended precision.
#pragma once

#include <limits>

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the 80-bit x87 format");

/// Degrees per radian as the whole program converts angles (the 2D flap rotation alone uses 57.3).
inline constexpr Extended GradProRad = 57.29577951308232L;
/// Degrees per radian to the full digits of the editing operations and the import readers.
inline constexpr Extended GradJeRadiant = 57.295779513082320877L;
