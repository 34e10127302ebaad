// NACA 4-digit sections for tests: cosine-spaced stations, contour from the upper trailing edge over
// the nose (exactly (0, 0)) to the lower trailing edge.
#pragma once

#include <cmath>
#include <numbers>
#include <string>

#include "profile/T_Profil.h"

/// `ziffern` like "2412"; `stationen` chord stations per side (points: 2 * stationen + 1).
inline TProfil NacaProfil(const std::string& ziffern, int stationen, bool geschlosseneEndleiste = false)
{
    const Extended m = (ziffern[0] - '0') / 100.0L;
    const Extended p = (ziffern[1] - '0') / 10.0L;
    const Extended t = std::stoi(ziffern.substr(2, 2)) / 100.0L;
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
        const Extended theta = std::atan(steigung);
        const Extended s = oben ? 1.0L : -1.0L;
        return TKoordinate{x - s * yt * std::sin(theta), 0.0L, yc + s * yt * std::cos(theta)};
    };
    const auto station = [&](int i) { return (1.0L - std::cos(i * std::numbers::pi_v<Extended> / stationen)) / 2.0L; };

    TProfil profil;
    profil.Titel = "NACA " + ziffern;
    profil.Dateiname = "Naca" + ziffern + ".dat";
    for (int i = stationen; i >= 1; --i) profil.AddPunkt(punkt(station(i), true));
    profil.AddPunkt({0.0L, 0.0L, 0.0L});
    for (int i = 1; i <= stationen; ++i) profil.AddPunkt(punkt(station(i), false));
    return profil;
}
