// Straight-line interpolation, the real power and the rotation in a plane.
#include "common/Mathe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Extended Interpolieren(Extended x, Extended x1, Extended z1, Extended x2, Extended z2)
{
    if (x1 == x2) return z1;
    return z1 + (x - x1) * (z2 - z1) / (x2 - x1);
}

Extended Potenz(Extended b, Extended p)
{
    if (b > 0.0L) return std::exp(p * std::log(b));
    if (b == 0.0L) return 0.0L;
    if (p != std::trunc(p)) return 0.0L;
    const Extended betrag = std::exp(p * std::log(-b));
    const bool ungerade = std::fmod(std::fabs(p), 2.0L) == 1.0L;
    return ungerade ? -betrag : betrag;
}

void DreheInEbene(Extended& a, Extended& b, Extended ca, Extended cb, Extended winkel)
{
    const Extended da = a - ca;
    const Extended db = b - cb;
    Extended r = std::sqrt(da * da + db * db);
    if (a < ca) r = -r;
    const Extended phi = r == 0.0L ? std::numbers::pi_v<Extended> : std::asin(std::clamp(db / r, -1.0L, 1.0L));
    a = ca + r * std::cos(phi - winkel);
    b = cb + r * std::sin(phi - winkel);
}
