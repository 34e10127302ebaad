// Straight-line interpolation and the real power.
#include "common/Mathe.h"

#include <cmath>

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
