// The ten characteristic values of a profile: thickness and camber with their chord positions, and
// six thin-airfoil values (zero-lift angle and moment, lift slope, neutral point, ideal angle and
// ideal lift) from a fixed eleven-station quadrature of camber and half thickness.
#pragma once

#include <array>

class TProfil;

/// Units behind the ten values as the profile windows list them ("Dicke = 10.00400 %").
inline constexpr std::array<const char*, 10> Beiwerteinheiten = {" %", " %", " %", " %", " °", "", "", " %", " °", ""};

/// Fills the ten Beiwerte of the profile; inserts a nose point (0, 0) when the contour has none.
/// A contour of fewer than two points keeps its values.
void BerechneBeiwerte(TProfil& profil);
