// The camber line (Skelettlinie) of a profile as the lattice panels it, and its optional matching:
// the line is bent at 25 % and 75 % chord until a discrete-vortex analysis of it reproduces the
// profile's zero-lift angle and zero-lift moment (or given target values).
#pragma once

#include <memory>
#include <vector>

#include "common/Extended.h"
#include "common/Vektor.h"

class TProfil;
class THost;

/// Chordwise point distributions of the camber line; the values are those of TVerteilung.
enum TSkelettverteilung : int { SkelettSinL = 0, SkelettSinR = 1, SkelettCos = 2, SkelettLinear = 3 };

struct TEinfluss {
    double Wert = 0.0;  ///< normal velocity of a unit vortex at a control point, times 2 pi
};

/// One element of the discrete-vortex analysis: a point vortex at its quarter point, the control
/// point at its three-quarter point, both measured from the forward end.
struct tpan2D {
    T3Vektor Vorderpunkt;       ///< forward end (camber-line point i + 1)
    T3Vektor Hinterpunkt;       ///< rear end (camber-line point i)
    T3Vektor Mittelpunkt;
    T3Vektor Viertelpunkt;      ///< location of the element's point vortex
    T3Vektor Dreiviertelpunkt;  ///< control point
    T3Vektor Normale;           ///< unit normal in the X-Z plane
    double Laenge = 0.0;
    double Gamma = 0.0;
    double Anstroemanteil = 0.0;  ///< Normale . (1, 0, 0)
    std::vector<TEinfluss> Einfluesse;  ///< one per element of the line, in element order
};

/// Zero-incidence lift and moment (about 25 % chord) of a camber line.
struct TSkelettBeiwerte {
    Extended Ca0 = 0.0L;
    Extended Cm0 = 0.0L;
    bool Konvergiert = true;  ///< false when the iteration hit its pass limit
};

/// Passes of the Gauss-Seidel iteration after which SkelettAnalyse gives up and reports it.
inline constexpr int SkelettAnalyseMaxDurchlaeufe = 10000;

/// The camber line of `profil` with n + 1 points from the trailing edge (X = 1) to the nose (X = 0),
/// scaled by `tiefe` and shifted by (x0, y0, z0). With `optimieren` set and a profile whose Alfa0 is
/// not 0 the line is matched to the profile's own Alfa0 and Cm0. The profile gets its Beiwerte and
/// a nose point.
std::unique_ptr<TProfil> Skelettlinie(TProfil& profil, int n, TSkelettverteilung verteilung, bool optimieren,
                                      Extended z0, Extended y0, Extended x0, Extended tiefe, THost& host);

/// As Skelettlinie, but with `optimieren` set the line is matched to the given targets (the manual
/// values of a section), whatever the profile's Alfa0.
std::unique_ptr<TProfil> SkelettlinieManuell(TProfil& profil, int n, TSkelettverteilung verteilung, bool optimieren,
                                             Extended z0, Extended y0, Extended x0, Extended tiefe,
                                             Extended cm0Ziel, Extended alfa0Ziel, THost& host);

/// Discrete-vortex analysis of a camber line in chord units at zero angle of attack. Reports through
/// the host's status line when the iteration does not settle within SkelettAnalyseMaxDurchlaeufe.
TSkelettBeiwerte SkelettAnalyse(const TProfil& linie, THost& host);

/// Bends the camber line (in chord units, X falling from 1 to 0) until SkelettAnalyse yields the
/// target moment and the lift of the target zero-lift angle [deg], at most 30 passes.
void Alfa0Cm0Anpassen(TProfil& linie, Extended cm0Ziel, Extended alfa0Ziel, THost& host);
