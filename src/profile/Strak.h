// Blended ("strak") sections of a surface: a section whose profile is named "strak" is recomputed
// from its nearest non-strak neighbours whenever the surface is built.
#pragma once

#include <optional>
#include <vector>

#include "common/Extended.h"
#include "profile/T_Profil.h"

/// One section profile of a surface in spanwise order.
struct TStrakschnitt {
    /// The section's profile; one named "strak" gets the blended contour and title.
    TProfil* Profil = nullptr;
    /// Spanwise station [m] (distance from the root, positive on both sides); empty for the root
    /// profile, whose points keep their own Y (the station is then the Y of its first point).
    std::optional<Extended> Station;
};

/// Recomputes every "strak" profile of `schnitte` (left tip .. root .. right tip) from its nearest
/// non-strak neighbours at its station. Neighbours that differ in file name or point count are both
/// resampled to the larger count first. A strak section with a neighbour on one side only takes
/// that neighbour's contour; with none at all it is left as it is.
void StrakAnwenden(const std::vector<TStrakschnitt>& schnitte);
