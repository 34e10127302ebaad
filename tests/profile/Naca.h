// NACA 4-digit sections for tests: cosine-spaced stations, contour from the upper trailing edge over
// the nose (exactly (0, 0)) to the lower trailing edge.
#pragma once

#include <cmath>
#include <numbers>
#include <string>

#include "profile/T_Profil.h"

/// Where the thickness is laid off from the camber line.
enum class TNacaDicke {
    NormalZurSkelettlinie,  ///< the section as drawn: the points move off their stations
    Senkrecht,              ///< straight up and down, so that the chord stations stay exact
};

/// Camber m and its position p as fractions of the chord, thickness t; `stationen` chord stations
/// per side (points: 2 * stationen + 1). The closed trailing edge uses -0.1036 for the last
/// thickness coefficient instead of -0.1015.
inline TProfil NacaProfil(Extended m, Extended p, Extended t, int stationen,
                          TNacaDicke dicke = TNacaDicke::NormalZurSkelettlinie, bool geschlosseneEndleiste = false)
{
    const Extended a4 = geschlosseneEndleiste ? -0.1036L : -0.1015L;
    const auto punkt = [&](Extended x, bool oben) {
        const Extended yt = 5.0L * t * (0.2969L * std::sqrt(x) - 0.1260L * x - 0.3516L * x * x + 0.2843L * x * x * x + a4 * x * x * x * x);
        Extended yc = 0.0L;
        Extended steigung = 0.0L;
        if (m > 0.0L) {
            if (x < p) {
                yc = m / (p * p) * (2.0L * p * x - x * x);
                steigung = 2.0L * m / (p * p) * (p - x);
            } else {
                yc = m / ((1.0L - p) * (1.0L - p)) * ((1.0L - 2.0L * p) + 2.0L * p * x - x * x);
                steigung = 2.0L * m / ((1.0L - p) * (1.0L - p)) * (p - x);
            }
        }
        const Extended s = oben ? 1.0L : -1.0L;
        if (dicke == TNacaDicke::Senkrecht) return TKoordinate{x, 0.0L, yc + s * yt};
        const Extended theta = std::atan(steigung);
        return TKoordinate{x - s * yt * std::sin(theta), 0.0L, yc + s * yt * std::cos(theta)};
    };
    // Station k from the trailing edge (k = 0, x = 1) towards the nose (k = stationen, x = 0).
    const auto station = [&](int k) { return (1.0L + std::cos(k * std::numbers::pi_v<Extended> / stationen)) / 2.0L; };

    TProfil profil;
    profil.Titel = "NACA test section";
    profil.Dateiname = "naca_test.dat";
    for (int k = 0; k < stationen; ++k) profil.AddPunkt(punkt(station(k), true));
    profil.AddPunkt({0.0L, 0.0L, 0.0L});
    for (int k = stationen - 1; k >= 0; --k) profil.AddPunkt(punkt(station(k), false));
    return profil;
}

/// The section named by its digits, like "2412", with its name.
inline TProfil NacaProfil(const std::string& ziffern, int stationen, bool geschlosseneEndleiste = false)
{
    const Extended m = (ziffern[0] - '0') / 100.0L;
    const Extended p = (ziffern[1] - '0') / 10.0L;
    const Extended t = std::stoi(ziffern.substr(2, 2)) / 100.0L;
    TProfil profil = NacaProfil(m, p, t, stationen, TNacaDicke::NormalZurSkelettlinie, geschlosseneEndleiste);
    profil.Titel = "NACA " + ziffern;
    profil.Dateiname = "Naca" + ziffern + ".dat";
    return profil;
}
