// The airfoils' share of the aerodynamics: for every spanwise strip its section profile with flap,
// its geometric and effective angle of attack and the 2D strip analysis (stall angles, lift limits,
// profile drag, laminar bubbles) with the stall warnings; then viscous, interference and fuselage
// drag, the moment correction for the viscous drag and the performance values.
#pragma once

#include <memory>

#include "common/Extended.h"
#include "common/Vektor.h"

class TSZENE;
class TFLAECHE;
class THost;
class TProfil;
class TPAN;

/// The section data of one strip.
struct TStreifenprofil {
    std::unique_ptr<TProfil> Profil;   ///< blend of the strip's two end profiles at its station
    Extended Klappentiefe = 0.0L;      ///< flap chord at the strip's station [%]
    Extended Klappenausschlag = 0.0L;  ///< flap deflection of the segment [°], before Klappeninverse
    T3Vektor Normale;                  ///< unit normal of the strip's undeflected camber-line quadrilateral
};

/// The section data of the strip whose leading-edge panel is `erstes`.
TStreifenprofil StreifenProfil(const TFLAECHE& flaeche, const TPAN& erstes);

/// The whole profile evaluation after the last run of a design computation, the strips analysed on
/// `threads` worker threads (1: on the calling thread); the results do not depend on the thread
/// count. Returns false when a stop request ended it (no strip slot is written then; the profile
/// results are not valid).
bool ProfilAuswertung(TSZENE& szene, THost& host, bool blasenwiderstand, int threads);
