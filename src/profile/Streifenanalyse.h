// The empirical viscous model of one spanwise strip: stall angles from thickness and Reynolds
// number, a laminar displacement thickening, a separation model that replaces separated regions by
// straight dead-water lines, flat-plate skin friction, an optional laminar-bubble drag, and from
// them the profile drag and the lift just inside both stall angles.
#pragma once

#include "common/Extended.h"
#include "profile/T_Profil.h"

/// Stall angles [deg] and the thickness [%] of a profile at a Reynolds number.
struct TAbrisswinkel {
    Extended AlfaMin = 0.0L;
    Extended AlfaMax = 0.0L;
    Extended Dicke = 0.0L;
};

/// Highest point of the upper side and lowest point of the lower side of the contour turned by an
/// angle of attack, with their indices.
struct TExtrempunkte {
    TKoordinate Oben;
    int IndexOben = 0;
    TKoordinate Unten;
    int IndexUnten = 0;
};

/// Point indices where the flow leaves the upper and the lower side.
struct TAbloesepunkte {
    int Oben = 0;
    int Unten = 0;
};

/// Lift and drag of a boundary-layer-corrected contour, with the bubble flags and the moment sums
/// of the pressure about the nose and 25 % chord.
struct TProfilwiderstand {
    Extended Ca = 0.0L;
    Extended Cw = 0.0L;
    bool BlaseOben = false;
    bool BlaseUnten = false;
    Extended MNase = 0.0L;
    Extended M25 = 0.0L;
};

/// The profile results of one strip.
struct TStreifenergebnis {
    Extended AlfaMin = 0.0L;  ///< negative stall angle [deg]
    Extended AlfaMax = 0.0L;  ///< positive stall angle [deg]
    Extended CaMin = 0.0L;    ///< lift just above AlfaMin
    Extended CaMax = 0.0L;    ///< lift just below AlfaMax
    Extended Cw = 0.0L;       ///< profile drag at the effective angle of attack
    Extended XOben = 0.0L;    ///< chord station of the highest upper point at AlfaMax
    Extended XUnten = 0.0L;   ///< chord station of the lowest lower point at AlfaMin
    bool BlaseOben = false;   ///< laminar bubble on the upper side at the effective angle
    bool BlaseUnten = false;
};

/// Stall angles of the profile at Reynolds number `re` (> 0), measured from its own chord line.
TAbrisswinkel Abrisswinkel(const TProfil& profil, Extended re);

/// Extreme points of the contour turned about (0, 0) by `alfa` [deg].
TExtrempunkte Extrempunkte(const TProfil& profil, Extended alfa);

/// Thickens the contour by the laminar displacement and replaces the separated regions at `alfa`
/// [deg] by straight lines; returns where the flow separates (0 and the last index when it does not).
TAbloesepunkte Grenzschichtmodell(TProfil& profil, Extended dicke, Extended re, Extended alfaMin, Extended alfaMax,
                                  Extended alfa);

/// Panel solution and skin friction of a contour prepared by Grenzschichtmodell at `alfa` [deg];
/// with `blase` set the laminar-bubble drag is added.
TProfilwiderstand Profilwiderstand(TProfil& profil, TAbloesepunkte abloesung, bool blase, Extended re,
                                   Extended alfaMax, Extended alfaMin, Extended alfa);

/// The whole analysis of one strip: the flap of chord `klappentiefe` [%] deflected by
/// `klappenausschlag` [deg] about a hinge at half the local thickness, then stall angles, lift
/// limits and the drag at the effective angle of attack `alfaEff` [deg]. Solves the panel method
/// three times.
TStreifenergebnis StreifenAnalyse(const TProfil& profil, Extended klappentiefe, Extended klappenausschlag, Extended re,
                                  Extended alfaEff, bool blase);
