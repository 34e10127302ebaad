// Standard-atmosphere table and its two interpolations.
#include "model/Atmosphaere.h"

#include <array>

#include "common/Mathe.h"

namespace {

struct TAtmosphaerenzeile {
    Extended Hoehe;
    Extended Dichte;
};

constexpr std::array<TAtmosphaerenzeile, 26> Normatmosphaere{{
    {0.0L, 1.225L},      {1000.0L, 1.112L},  {2000.0L, 1.007L},  {3000.0L, 0.909L},  {4000.0L, 0.819L},
    {5000.0L, 0.736L},   {6000.0L, 0.66L},   {7000.0L, 0.59L},   {8000.0L, 0.526L},  {9000.0L, 0.467L},
    {10000.0L, 0.414L},  {11000.0L, 0.365L}, {12000.0L, 0.312L}, {13000.0L, 0.267L}, {14000.0L, 0.228L},
    {15000.0L, 0.195L},  {16000.0L, 0.166L}, {17000.0L, 0.142L}, {18000.0L, 0.122L}, {19000.0L, 0.104L},
    {20000.0L, 0.089L},  {21000.0L, 0.076L}, {22000.0L, 0.065L}, {23000.0L, 0.055L}, {24000.0L, 0.047L},
    {25000.0L, 0.04L},
}};

}  // namespace

Extended DichteAusHoehe(Extended h)
{
    const auto& t = Normatmosphaere;
    if (h >= t.back().Hoehe) return t.back().Dichte;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].Hoehe <= h && h < t[i + 1].Hoehe)
            return Interpolieren(h, t[i].Hoehe, t[i].Dichte, t[i + 1].Hoehe, t[i + 1].Dichte);
    }
    return t.front().Dichte;
}

Extended HoeheAusDichte(Extended rho)
{
    const auto& t = Normatmosphaere;
    if (rho > 1.2251L) return -1.0L;
    if (rho <= t.back().Dichte) return t.back().Hoehe;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i + 1].Dichte < rho && rho <= t[i].Dichte)
            return Interpolieren(rho, t[i].Dichte, t[i].Hoehe, t[i + 1].Dichte, t[i + 1].Hoehe);
    }
    return 0.0L;
}
