// One spanwise segment of a surface: the outer section's chord, twist and profile, the segment's
// span, dihedral, sweep, panels and flap, and the sections the surface builder derives from it.
#pragma once

#include <memory>
#include <vector>

#include "common/Extended.h"
#include "model/Modellarten.h"

class TProfil;

class TSEGMENT {
public:
    TSEGMENT();
    ~TSEGMENT();
    TSEGMENT(const TSEGMENT&) = delete;
    TSEGMENT& operator=(const TSEGMENT&) = delete;

    /// A new segment with every stored field of this one (the profile copied point by point) and
    /// empty derived sections.
    std::unique_ptr<TSEGMENT> Copy() const;

    // Stored in the scene file, in file order.
    Extended Segmentbreite = 0.0L;  ///< [m], negative left of the root section, positive right of it
    Extended Profiltiefe = 0.0L;    ///< chord of the outer section [m]
    Extended BezugspunktProfiltiefe = 0.0L;  ///< chord pivot [% of chord]; no input of the builder
    Extended Verwindungswinkel = 0.0L;       ///< twist of the outer section [°]
    Extended VFormWinkel = 0.0L;             ///< dihedral [°]
    Extended Pfeilwinkel = 0.0L;             ///< sweep of the leading edge [°]
    Extended BezugspunktPfeilwinkel = 0.0L;  ///< reference line of the sweep entry [% of chord]
    int AnzahlPanelsY = 1;
    TVerteilung VerteilungY = TVerteilung::Linear;
    Extended KlappentiefeLinks = 25.0L;   ///< flap chord at the left section [%]
    Extended KlappentiefeRechts = 25.0L;  ///< flap chord at the right section [%]
    Extended Klappenausschlag = 0.0L;     ///< flap deflection [°]
    int Klappengruppe = 0;                ///< 0..99; 0 moves alone ("Einzelklappe")
    bool Klappeninverse = false;          ///< moves opposite to its group
    bool FlagManBeiwerte = false;         ///< use the manual zero-lift values of the outer profile
    Extended Alfa0Man = 0.0L;             ///< [°]
    Extended Cm0Man = 0.0L;
    std::unique_ptr<TProfil> Segmentprofil;  ///< profile of the outer section; never null

    // Derived by the surface builder, which empties and refills them. Declared after the profile,
    // so they are freed before it.
    std::vector<std::unique_ptr<TProfil>> Gitterschnitte;
    std::vector<std::unique_ptr<TProfil>> Klappengitterschnitte;
    std::vector<std::unique_ptr<TProfil>> Grundrissschnitte;
    std::vector<std::unique_ptr<TProfil>> Volumenschnitte;
    std::vector<std::unique_ptr<TProfil>> Klappenvolumenschnitte;
    Extended VorderkanteX = 0.0L;         ///< planform x of the outer section's leading edge
    Extended VorderkantenVersatz = 0.0L;  ///< that x minus the inner section's leading-edge x
};
