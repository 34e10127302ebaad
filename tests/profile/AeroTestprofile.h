// Contours with known aerodynamics for the profile-aerodynamics tests: a thin parabolic camber line
// and Karman-Trefftz airfoils with their exact potential-flow lift (NACA sections: Naca.h).
#pragma once

#include <cmath>
#include <complex>
#include <numbers>

#include "common/Extended.h"
#include "Naca.h"
#include "profile/T_Profil.h"

namespace aero_test {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

/// A contour of zero thickness along the parabolic camber line z = 4 f x (1 - x).
inline TProfil DuenneParabel(Extended f, int n = 200)
{
    TProfil profil;
    auto z = [f](Extended x) { return 4.0L * f * x * (1.0L - x); };
    for (int k = 0; k <= n; ++k) {
        const Extended x = 1.0L - static_cast<Extended>(k) / n;
        profil.AddPunkt({x, 0.0L, z(x)});
    }
    for (int k = n - 1; k >= 0; --k) {
        const Extended x = 1.0L - static_cast<Extended>(k) / n;
        profil.AddPunkt({x, 0.0L, z(x)});
    }
    return profil;
}

/// A Karman-Trefftz airfoil and the exact lift of its potential flow.
///
/// The circle of radius R about c = a - R exp(-i beta) passes through the singular point a = 1 and
/// is mapped by z = n a (1 + w) / (1 - w), w = ((zeta - a) / (zeta + a))^n, n = 2 - tau / pi, onto
/// an airfoil with trailing-edge angle tau at z = n a. The map tends to z = zeta far away, so free
/// stream and circulation carry over unchanged. The Kutta condition puts the rear stagnation point
/// of the circle at a, which fixes the circulation at Gamma = 4 pi R V sin(alpha + beta); by
/// Kutta-Joukowski the lift coefficient on a reference length L is 2 Gamma / (V L), that is
/// ca = 8 pi (R / L) sin(alpha + beta). The contour is shifted so that its foremost point lies at
/// X = 0 and scaled by 1 / L with L the distance of that point from the trailing edge; it is not
/// turned, so alpha is measured from the X axis of the circle plane.
struct TKarmanTrefftz {
    TProfil Profil;
    Extended RDurchL = 0.0L;  ///< circle radius over the reference length
    Extended Beta = 0.0L;     ///< zero-lift angle of the airfoil is -Beta [rad]

    Extended Ca(Extended alfaGrad) const { return 8.0L * Pi * RDurchL * std::sin(alfaGrad * Pi / 180.0L + Beta); }
};

/// xc < 0 gives thickness, yc > 0 camber; tau [rad] is the trailing-edge angle; `panels` panels with
/// the equal angular steps of the circle, which crowd the points at nose and trailing edge.
inline TKarmanTrefftz KarmanTrefftz(Extended xc, Extended yc, Extended tau, int panels)
{
    using C = std::complex<Extended>;
    const Extended a = 1.0L;
    const Extended n = 2.0L - tau / Pi;
    const C c(xc, yc);
    const Extended r = std::abs(C(a) - c);
    TKarmanTrefftz kt;
    kt.Beta = std::asin(yc / r);
    std::vector<C> z(panels + 1);
    for (int k = 0; k <= panels; ++k) {
        if (k == 0 || k == panels) {
            z[k] = C(n * a, 0.0L);
            continue;
        }
        const Extended winkel = -kt.Beta + 2.0L * Pi * k / panels;
        const C zeta = c + r * C(std::cos(winkel), std::sin(winkel));
        const C w = std::pow((zeta - a) / (zeta + a), C(n));
        z[k] = n * a * (1.0L + w) / (1.0L - w);
    }
    Extended xMin = z[0].real();
    for (const C& p : z) xMin = std::fmin(xMin, p.real());
    const Extended l = n * a - xMin;
    for (const C& p : z) kt.Profil.AddPunkt({(p.real() - xMin) / l, 0.0L, p.imag() / l});
    kt.RDurchL = r / l;
    return kt;
}

}  // namespace aero_test
