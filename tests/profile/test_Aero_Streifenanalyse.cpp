// The viscous strip model on NACA sections over the Reynolds numbers of model aircraft.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "AeroTestprofile.h"
#include "common/TestHilfe.h"
#include "profile/Streifenanalyse.h"
#include "profile/T_Profil.h"

namespace {

struct TNacaFall {
    const char* name;
    Extended m, t;
};

constexpr TNacaFall NacaFaelle[] = {
    {"naca0012", 0.0L, 0.12L},
    {"naca2409", 0.02L, 0.09L},
    {"naca2412", 0.02L, 0.12L},
    {"naca4412", 0.04L, 0.12L},
};

constexpr Extended Reynoldszahlen[] = {5e4L, 1e5L, 2e5L, 5e5L, 1e6L};

// 63 points, as the strips see their resampled profiles.
TProfil Naca63(const TNacaFall& fall) { return NacaProfil(fall.m, 0.4L, fall.t, 31, TNacaDicke::Senkrecht); }

bool AlleEndlich(const TStreifenergebnis& e)
{
    for (Extended w : {e.AlfaMin, e.AlfaMax, e.CaMin, e.CaMax, e.Cw, e.XOben, e.XUnten})
        if (!std::isfinite(w)) return false;
    return true;
}

}  // namespace

TEST(AeroStreifenanalyse, FiniteResultsAndReynoldsTrends)
{
    bool blaseGesehen = false;
    for (const TNacaFall& fall : NacaFaelle)
        for (Extended alfa : {0.0L, 2.0L, 6.0L}) {
            SCOPED_TRACE(fall.name);
            SCOPED_TRACE(static_cast<double>(alfa));
            const TProfil p = Naca63(fall);
            std::vector<TStreifenergebnis> ohne, mit;
            for (Extended re : Reynoldszahlen) {
                ohne.push_back(StreifenAnalyse(p, 0.0L, 0.0L, re, alfa, false));
                mit.push_back(StreifenAnalyse(p, 0.0L, 0.0L, re, alfa, true));
            }
            for (std::size_t i = 0; i < ohne.size(); ++i) {
                SCOPED_TRACE(static_cast<double>(Reynoldszahlen[i]));
                EXPECT_TRUE(AlleEndlich(ohne[i]));
                EXPECT_TRUE(AlleEndlich(mit[i]));
                EXPECT_FALSE(ohne[i].BlaseOben || ohne[i].BlaseUnten);
                blaseGesehen = blaseGesehen || mit[i].BlaseOben || mit[i].BlaseUnten;
                // The bubble drag only ever adds, and only where a bubble sits.
                if (mit[i].BlaseOben || mit[i].BlaseUnten)
                    EXPECT_GT(mit[i].Cw, ohne[i].Cw);
                else
                    EXPECT_EQ(mit[i].Cw, ohne[i].Cw);
                EXPECT_GT(ohne[i].Cw, 0.0L);
                EXPECT_LT(ohne[i].AlfaMin, alfa);
                EXPECT_GT(ohne[i].AlfaMax, alfa);
                EXPECT_LT(ohne[i].CaMin, ohne[i].CaMax);
                if (i == 0) continue;
                EXPECT_LT(ohne[i].Cw, ohne[i - 1].Cw);
                EXPECT_LT(mit[i].Cw, mit[i - 1].Cw);
                EXPECT_GT(ohne[i].AlfaMax, ohne[i - 1].AlfaMax);
                EXPECT_LT(ohne[i].AlfaMin, ohne[i - 1].AlfaMin);
                EXPECT_GT(ohne[i].CaMax, ohne[i - 1].CaMax);
                EXPECT_LT(ohne[i].CaMin, ohne[i - 1].CaMin);
            }
        }
    EXPECT_TRUE(blaseGesehen) << "no laminar bubble at any low Reynolds number";
}

TEST(AeroStreifenanalyse, SymmetricSectionHasMirroredLimits)
{
    const TProfil p = Naca63(NacaFaelle[0]);
    for (Extended re : Reynoldszahlen) {
        SCOPED_TRACE(static_cast<double>(re));
        const TStreifenergebnis e = StreifenAnalyse(p, 0.0L, 0.0L, re, 0.0L, true);
        EXPECT_TRUE(NaheL(e.AlfaMin, -e.AlfaMax, 1e-12L));
        EXPECT_TRUE(NaheL(e.CaMin, -e.CaMax, 1e-9L));
        EXPECT_TRUE(NaheL(e.XOben, e.XUnten, 1e-15L));
        EXPECT_EQ(e.BlaseOben, e.BlaseUnten);
    }
    // Stall angle by hand: (t pi / 100 + 0.5) ln 1e5 degrees with the thickness t of the levelled
    // contour (a symmetric section has no zero-lift angle). The section's nominal 12 % would give
    // 10.0967; the discretised contour is 11.985 % thick, which gives 10.0912.
    const TAbrisswinkel w = Abrisswinkel(p, 1e5L);
    EXPECT_GT(w.Dicke, 11.9L);
    EXPECT_LT(w.Dicke, 12.0L);
    const TStreifenergebnis e = StreifenAnalyse(p, 0.0L, 0.0L, 1e5L, 0.0L, false);
    EXPECT_TRUE(NaheL(e.AlfaMax, (w.Dicke * std::numbers::pi_v<Extended> / 100.0L + 0.5L) * std::log(1e5L), 1e-12L));
    EXPECT_TRUE(NaheL(e.AlfaMax, 10.0912L, 1e-4L));
}

TEST(AeroStreifenanalyse, SeparationCreepsForwardWithIncidence)
{
    const TProfil p = Naca63(NacaFaelle[2]);
    const TAbrisswinkel abriss = Abrisswinkel(p, 2e5L);
    Extended xVorher = 2.0L;
    for (Extended alfa = 0.0L; alfa <= 14.0L; alfa += 2.0L) {
        TProfil w = p;
        const TAbloesepunkte s = Grenzschichtmodell(w, abriss.Dicke, 2e5L, abriss.AlfaMin, abriss.AlfaMax, alfa);
        const Extended x = w.Punkt(s.Oben)->X;
        EXPECT_LE(x, xVorher) << "alfa " << static_cast<double>(alfa);
        xVorher = x;
    }
    EXPECT_LT(xVorher, 0.5L);
}

TEST(AeroStreifenanalyse, HighestPointMovesForwardWithIncidence)
{
    const TProfil p = Naca63(NacaFaelle[0]);
    const TExtrempunkte e0 = Extrempunkte(p, 0.0L);
    const TExtrempunkte e10 = Extrempunkte(p, 10.0L);
    EXPECT_TRUE(NaheL(e0.Oben.X, 0.3L, 0.03L));
    EXPECT_TRUE(NaheL(e0.Unten.X, 0.3L, 0.03L));
    EXPECT_LE(e0.IndexOben, p.NasenIndex());
    EXPECT_GE(e0.IndexUnten, p.NasenIndex());
    EXPECT_LT(e10.Oben.X, e0.Oben.X);
}

// Beyond the stall angle the turbulent friction behind the upper separation point is tripled:
// the drag grows by twice the flat-plate turbulent friction of that stretch, the lift stays.
TEST(AeroStreifenanalyse, FrictionTripledBehindUpperSeparationBeyondStall)
{
    const Extended re = 2e5L, alfa = 10.0L;
    TProfil w = Naca63(NacaFaelle[2]);
    const TAbrisswinkel abriss = Abrisswinkel(w, re);
    const TAbloesepunkte s = Grenzschichtmodell(w, abriss.Dicke, re, -8.0L, 20.0L, alfa);
    ASSERT_GT(s.Oben, 0);

    TProfil a = w, b = w;
    const TProfilwiderstand unter = Profilwiderstand(a, s, false, re, alfa + 1.0L, -8.0L, alfa);
    const TProfilwiderstand jenseits = Profilwiderstand(b, s, false, re, alfa, -8.0L, alfa);
    Extended turbulent = 0.0L;
    for (int r = 0; r < s.Oben; ++r)
        turbulent += 0.8L * 0.074L / std::pow(re * w.Punkt(r)->X, 0.2L) * std::fabs(w.Punkt(r)->X - w.Punkt(r + 1)->X);
    EXPECT_EQ(unter.Ca, jenseits.Ca);
    EXPECT_TRUE(NaheL(jenseits.Cw - unter.Cw, 2.0L * turbulent, 1e-15L));
}

// A flap turned down cambers the strip section: both lift limits rise; turned up, both fall.
TEST(AeroStreifenanalyse, FlapShiftsLiftLimits)
{
    const TProfil p = Naca63(NacaFaelle[2]);
    const TStreifenergebnis glatt = StreifenAnalyse(p, 25.0L, 0.0L, 2e5L, 2.0L, true);
    const TStreifenergebnis unten = StreifenAnalyse(p, 25.0L, 8.0L, 2e5L, 2.0L, true);
    const TStreifenergebnis oben = StreifenAnalyse(p, 25.0L, -8.0L, 2e5L, 2.0L, true);
    for (const TStreifenergebnis* e : {&glatt, &unten, &oben}) EXPECT_TRUE(AlleEndlich(*e));
    EXPECT_GT(unten.CaMax, glatt.CaMax + 0.1L);
    EXPECT_GT(unten.CaMin, glatt.CaMin + 0.1L);
    EXPECT_LT(oben.CaMax, glatt.CaMax - 0.1L);
    EXPECT_LT(oben.CaMin, glatt.CaMin - 0.1L);

    // No deflection or no flap chord leaves the section as it is.
    const TStreifenergebnis ohneKlappe = StreifenAnalyse(p, 0.0L, 8.0L, 2e5L, 2.0L, true);
    const TStreifenergebnis ohneFlap = StreifenAnalyse(p, 0.0L, 0.0L, 2e5L, 2.0L, true);
    EXPECT_EQ(glatt.Cw, ohneFlap.Cw);
    EXPECT_EQ(ohneKlappe.Cw, ohneFlap.Cw);
    EXPECT_EQ(ohneKlappe.CaMax, ohneFlap.CaMax);
}
