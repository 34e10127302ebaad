// The 2D linear-strength vortex panel method on the closed profile contour (in the formulation of
// Kuethe and Chow) and the pressure forces and moments that its surface speeds yield.
#pragma once

#include "common/Extended.h"

class TProfil;

/// Pressure lift and drag and the moment sums of the pressure about the nose and 25 % chord.
struct TPanelKraefte {
    Extended Ca = 0.0L;
    Extended Cwp = 0.0L;
    Extended MNase = 0.0L;
    Extended M25 = 0.0L;
};

/// The most points the panel method takes from a profile file. It solves a dense system of the
/// point count in long double, so its time grows with the cube of the count: 2001 points take about
/// 11 s per angle on a two-core machine, a 10,000-point file would take twenty minutes per angle.
/// Airfoil files for model aircraft have a few hundred points.
inline constexpr int PanelverfahrenHoechstpunkte = 2001;

/// Solves the panel method for angle of attack `alfa` [deg] and replaces the profile's Panels2D by
/// one panel per contour segment, from the lower trailing edge round the nose to the upper one.
/// Does nothing for fewer than 3 points.
void PanelVerfahren(TProfil& profil, Extended alfa);

/// Forces and moments of the profile's Panels2D at angle of attack `alfa` [deg].
TPanelKraefte PanelKraefte(const TProfil& profil, Extended alfa);
