// Performance values of a trimmed aircraft, the required thrust, the neutral point and the moment
// indicators.
#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/Flugleistungen.h"
#include "model/T_FLUGZEUG.h"
#include "common/TestHilfe.h"

namespace {

/// A glider state with equal lifting and true area, so the glide ratio is CA / CW.
void Gleiter(TFLUGZEUG& f, Extended ca)
{
    f.AuslegungsCa = ca;
    f.CW = 0.02L;
    f.CS = 0.01L;
    f.FlaecheHorizontalGesamt = 0.5L;
    f.FlaecheWahrGesamt = 0.5L;
    f.FlaecheSeitlichGesamt = 0.1L;
    f.Bezugstiefe = 0.2L;
    f.Luftdichte = 1.225L;
    f.Gesamtmasse = 1.0L;
    f.FlugGeschwindigkeit = std::sqrt(2.0L * 1.0L * 9.8065L / std::fabs(ca) / 1.225L / 0.5L);
    f.SchwerpunktX = 0.08L;
}

TEST(Flugleistungen, GlideRatioSinkSpeedAndGlideAngleAgree)
{
    TFLUGZEUG f;
    Gleiter(f, 0.6L);
    Flugleistungen(f);
    EXPECT_TRUE(NaheL(f.Gleitzahl, 30.0L, 1e-15L));
    EXPECT_TRUE(NaheL(std::tan(f.Gleitwinkel / GradProRad), 1.0L / f.Gleitzahl, 1e-15L));
    // The sink speed is the flight speed over the glide ratio.
    EXPECT_TRUE(NaheL(f.Sinkgeschwindigkeit, f.FlugGeschwindigkeit / f.Gleitzahl, 1e-15L));
    EXPECT_TRUE(NaheL(f.Steigzahl, std::pow(0.6L, 1.5L) / 0.02L, 1e-13L));
    // Lift carries the weight at the flight speed; drag is lift over the glide ratio.
    EXPECT_TRUE(NaheL(f.Auftrieb, 9.8065L, 1e-14L));
    EXPECT_TRUE(NaheL(f.Widerstand, 9.8065L / 30.0L, 1e-14L));
    const Extended q = 1.225L / 2.0L * f.FlugGeschwindigkeit * f.FlugGeschwindigkeit;
    EXPECT_TRUE(NaheL(f.Seitenkraft, 0.01L * 0.1L * q, 1e-15L));
}

TEST(Flugleistungen, NegativeLiftGivesNegativeClimbFactorAndSinkSpeed)
{
    TFLUGZEUG f;
    Gleiter(f, -0.6L);
    Flugleistungen(f);
    EXPECT_TRUE(NaheL(f.Gleitzahl, -30.0L, 1e-15L));
    EXPECT_LT(f.Steigzahl, 0.0L);
    EXPECT_LT(f.Sinkgeschwindigkeit, 0.0L);
    EXPECT_TRUE(NaheL(f.Sinkgeschwindigkeit, -f.FlugGeschwindigkeit / 30.0L, 1e-15L));
    EXPECT_LT(f.Gleitwinkel, 0.0L);
}

TEST(Flugleistungen, MomentsUseCoefficientsRoundedToFourDecimals)
{
    TFLUGZEUG f;
    Gleiter(f, 0.5L);
    f.Cmy = 0.123456L;
    f.Cmx = -0.00004L;
    f.Cmz = 0.00006L;
    f.CmyNullpunkt = -0.05L;
    f.CmxNullpunkt = 0.01L;
    f.CmzNullpunkt = 0.02L;
    Flugleistungen(f);
    const Extended q = 1.225L / 2.0L * f.FlugGeschwindigkeit * f.FlugGeschwindigkeit;
    const Extended lu = 0.2L;
    EXPECT_TRUE(NaheL(f.MomentY, 0.1235L * 0.5L * lu * q, 1e-15L));
    EXPECT_EQ(f.MomentX, 0.0L);
    EXPECT_TRUE(NaheL(f.MomentZ, 0.0001L * 0.5L * lu * q, 1e-15L));
    EXPECT_TRUE(NaheL(f.MomentYNullpunkt, -0.05L * 0.5L * lu * q, 1e-15L));
    EXPECT_TRUE(NaheL(f.MomentXNullpunkt, 0.01L * 0.5L * lu * q, 1e-15L));
    EXPECT_TRUE(NaheL(f.MomentZNullpunkt, 0.02L * 0.5L * lu * q, 1e-15L));
    // The drag line's height balances the pitching moment about the zero point.
    EXPECT_TRUE(NaheL(f.WiderstandspunktZ, (f.MomentYNullpunkt + 0.08L * f.Auftrieb) / f.Widerstand, 1e-15L));
}

TEST(Flugleistungen, ThrustForTheClimbAngle)
{
    TFLUGZEUG f;
    Gleiter(f, 0.5L);
    Flugleistungen(f);
    f.Steigwinkel = 0.0L;
    Schubberechnung(f);
    EXPECT_EQ(f.Schubkraft, f.Widerstand);
    f.Steigwinkel = 30.0L;
    Schubberechnung(f);
    EXPECT_TRUE(NaheL(f.Schubkraft, 0.5L * 1.0L * 9.81L + f.Widerstand, 1e-15L));
}

TEST(Neutralpunktbestimmung, NeutralPointFromTwoRunsAndMarginFromTheCentreOfGravity)
{
    TFLUGZEUG f;
    f.Bezugstiefe = 0.2L;
    f.SchwerpunktX = 0.05L;
    // dCm/dCA = -0.5 puts the neutral point half a reference chord behind the zero point.
    Neutralpunktbestimmung(f, 0.1L, 0.0L, 0.0L, 0.5L, -0.2L, 4.0L);
    EXPECT_TRUE(NaheL(f.Neutralpunkt, 0.1L, 1e-17L));
    EXPECT_TRUE(NaheL(f.Auftriebsanstiegswinkel, std::atan(0.1L) * GradProRad, 1e-15L));
    EXPECT_TRUE(NaheL(f.Stabilitaetsmass, 25.0L, 1e-14L));
}

TEST(MomentenrichtungSetzen, RollAndYawSignsAtFourDecimals)
{
    struct TFall {
        const char* name;
        Extended cmx, cmz;
        int roll, gier;
    };
    const TFall faelle[] = {
        {"positive", 0.001L, 0.2L, 2, 2},
        {"negative", -0.001L, -0.2L, 0, 0},
        {"below_the_fourth_decimal", 0.00004L, -0.00004L, 1, 1},
        {"mixed", -0.5L, 0.00006L, 0, 2},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TFLUGZEUG f;
        f.Momentenrichtung = {0, 1, 1};
        f.Cmx = fall.cmx;
        f.Cmz = fall.cmz;
        MomentenrichtungSetzen(f);
        EXPECT_EQ(f.Momentenrichtung[0], 0);  // the pitch indicator belongs to the design computation
        EXPECT_EQ(f.Momentenrichtung[1], fall.roll);
        EXPECT_EQ(f.Momentenrichtung[2], fall.gier);
    }
}

}  // namespace
