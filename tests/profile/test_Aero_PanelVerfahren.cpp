// The vortex panel method against exact potential-flow solutions and symmetry.
#include <gtest/gtest.h>

#include <cmath>

#include "AeroTestprofile.h"
#include "common/TestHilfe.h"
#include "profile/PanelVerfahren.h"
#include "profile/Profilbeiwerte.h"
#include "profile/T_Profil.h"

using aero_test::Pi;

namespace {

struct TKTFall {
    const char* name;
    Extended xc, yc, tauGrad;
};

// A thick cambered section with a 10 degree trailing-edge angle, a thinner one with 5 degrees.
constexpr TKTFall KTFaelle[] = {
    {"t12_camber", -0.08L, 0.05L, 10.0L},
    {"t7_camber", -0.05L, 0.03L, 5.0L},
};

Extended KTFehler(const TKTFall& fall, int panels, Extended alfa)
{
    const aero_test::TKarmanTrefftz kt = aero_test::KarmanTrefftz(fall.xc, fall.yc, fall.tauGrad * Pi / 180.0L, panels);
    TProfil p = kt.Profil;
    PanelVerfahren(p, alfa);
    const Extended exakt = kt.Ca(alfa);
    return (PanelKraefte(p, alfa).Ca - exakt) / exakt;
}

}  // namespace

TEST(AeroPanelVerfahren, KarmanTrefftzLiftWithinOnePercentAtHundredPanels)
{
    for (const TKTFall& fall : KTFaelle)
        for (Extended alfa : {0.0L, 2.0L, 4.0L, 6.0L, 8.0L}) {
            SCOPED_TRACE(fall.name);
            SCOPED_TRACE(static_cast<double>(alfa));
            EXPECT_LT(std::fabs(KTFehler(fall, 100, alfa)), 0.01L);
        }
}

// The error falls in proportion to the panel length, towards the exact lift.
TEST(AeroPanelVerfahren, KarmanTrefftzLiftConverges)
{
    for (const TKTFall& fall : KTFaelle) {
        SCOPED_TRACE(fall.name);
        const Extended grob = std::fabs(KTFehler(fall, 100, 4.0L));
        const Extended fein = std::fabs(KTFehler(fall, 400, 4.0L));
        EXPECT_LT(fein, 0.3L * grob);
        EXPECT_LT(fein, 0.003L);
    }
}

// A closed body in potential flow has no drag; the pressure drag vanishes as the panels shrink.
TEST(AeroPanelVerfahren, PressureDragVanishesWithFinePanels)
{
    const aero_test::TKarmanTrefftz kt = aero_test::KarmanTrefftz(-0.08L, 0.05L, 10.0L * Pi / 180.0L, 400);
    for (Extended alfa : {0.0L, 5.0L}) {
        TProfil p = kt.Profil;
        PanelVerfahren(p, alfa);
        EXPECT_LT(std::fabs(PanelKraefte(p, alfa).Cwp), 0.002L) << "alfa " << static_cast<double>(alfa);
    }
}

TEST(AeroPanelVerfahren, SymmetricProfileLiftsAntisymmetrically)
{
    TProfil p;
    p.SetDefault();
    PanelVerfahren(p, 0.0L);
    EXPECT_TRUE(NaheL(PanelKraefte(p, 0.0L).Ca, 0.0L, 1e-12L));

    TProfil plus = p, minus = p;
    PanelVerfahren(plus, 4.0L);
    PanelVerfahren(minus, -4.0L);
    const TPanelKraefte kp = PanelKraefte(plus, 4.0L);
    const TPanelKraefte km = PanelKraefte(minus, -4.0L);
    EXPECT_GT(kp.Ca, 0.4L);
    EXPECT_TRUE(NaheL(km.Ca, -kp.Ca, 1e-12L));
    EXPECT_TRUE(NaheL(km.Cwp, kp.Cwp, 1e-12L));
}

// Moments about the nose grow with a lever of about a quarter chord; about 25 % they hardly move
// (the aerodynamic centre of a thin section).
TEST(AeroPanelVerfahren, AerodynamicCentreNearQuarterChord)
{
    TProfil a, b;
    a.SetDefault();
    b.SetDefault();
    PanelVerfahren(a, 0.0L);
    PanelVerfahren(b, 6.0L);
    const TPanelKraefte ka = PanelKraefte(a, 0.0L), kb = PanelKraefte(b, 6.0L);
    const Extended dca = kb.Ca - ka.Ca;
    EXPECT_TRUE(NaheL(std::fabs((kb.MNase - ka.MNase) / dca), 0.25L, 0.02L));
    EXPECT_LT(std::fabs((kb.M25 - ka.M25) / dca), 0.02L);
}

TEST(AeroPanelVerfahren, PanelsAreReplacedNotAppended)
{
    TProfil p;
    p.SetDefault();
    PanelVerfahren(p, 2.0L);
    PanelVerfahren(p, 3.0L);
    ASSERT_EQ(p.Panels2D.size(), 34u);
    for (const TVP& panel : p.Panels2D) {
        EXPECT_EQ(panel.Art, 1);
        EXPECT_TRUE(NaheL(panel.Cp, 1.0L - panel.V * panel.V, 1e-15L));
    }
    // Panel order runs from the lower trailing edge round the nose.
    EXPECT_GT(p.Panels2D.front().XMitte, 0.9L);
    EXPECT_LT(p.Panels2D.front().ZMitte, 0.0L);
    EXPECT_GT(p.Panels2D.back().ZMitte, 0.0L);

    TProfil zweiPunkte;
    zweiPunkte.AddPunkt({1.0L, 0.0L, 0.0L});
    zweiPunkte.AddPunkt({0.0L, 0.0L, 0.0L});
    PanelVerfahren(zweiPunkte, 2.0L);
    EXPECT_TRUE(zweiPunkte.Panels2D.empty());
}

// The pressure moment about 25 % of a cambered section at zero incidence matches the thin-airfoil
// moment of its camber line (-0.0531 for the NACA 24xx line) within the effect of thickness; the
// aerodynamic centre sits slightly aft of 25 %, where the quadrature of the characteristic values
// puts the neutral point.
TEST(AeroPanelVerfahren, QuarterChordMomentAndAerodynamicCentreOfCamberedSection)
{
    TProfil p = NacaProfil(0.02L, 0.4L, 0.12L, 60, TNacaDicke::Senkrecht);
    PanelVerfahren(p, 0.0L);
    const TPanelKraefte k0 = PanelKraefte(p, 0.0L);
    PanelVerfahren(p, 4.0L);
    const TPanelKraefte k4 = PanelKraefte(p, 4.0L);
    EXPECT_TRUE(NaheL(k0.M25, -0.05312L, 0.05L * 0.05312L));

    const Extended xNeutral = 0.25L - (k4.M25 - k0.M25) / (k4.Ca - k0.Ca);
    BerechneBeiwerte(p);
    EXPECT_GT(xNeutral, 0.25L);
    EXPECT_TRUE(NaheL(xNeutral, p.Beiwert(TProfil::Neutralpunktlage) / 100.0L, 0.015L));
}
