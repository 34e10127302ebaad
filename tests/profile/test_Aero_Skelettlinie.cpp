// Camber line stations, its discrete-vortex analysis and the matching to zero-lift values.
#include <gtest/gtest.h>

#include <cmath>

#include "AeroTestprofile.h"
#include "common/TestHilfe.h"
#include "profile/Profilbeiwerte.h"
#include "profile/Skelettlinie.h"
#include "profile/T_Profil.h"

using aero_test::Pi;

TEST(AeroSkelettlinie, StationsOfTheFourDistributions)
{
    struct TFall {
        const char* name;
        TSkelettverteilung verteilung;
        Extended x[5];
    };
    // 1 - sin(p pi / 8), cos(p pi / 8), (1 + cos(p pi / 4)) / 2 and 1 - p / 4 for p = 0 .. 4.
    const TFall faelle[] = {
        {"SinL", SkelettSinL, {1.0L, 0.6173165676349102L, 0.2928932188134524L, 0.0761204674887133L, 0.0L}},
        {"SinR", SkelettSinR, {1.0L, 0.9238795325112867L, 0.7071067811865476L, 0.3826834323650898L, 0.0L}},
        {"Cos", SkelettCos, {1.0L, 0.8535533905932738L, 0.5L, 0.1464466094067262L, 0.0L}},
        {"Linear", SkelettLinear, {1.0L, 0.75L, 0.5L, 0.25L, 0.0L}},
    };
    const Extended f = 0.03L;
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TProfil profil = aero_test::DuenneParabel(f);
        TAufzeichnenderHost host;
        const auto linie = Skelettlinie(profil, 4, fall.verteilung, false, 0.0L, 0.0L, 0.0L, 1.0L, host);
        ASSERT_EQ(linie->Anzahl(), 5);
        for (int p = 0; p <= 4; ++p) {
            const TKoordinate& k = *linie->Punkt(p);
            EXPECT_TRUE(NaheL(k.X, fall.x[p], 1e-15L)) << "point " << p;
            EXPECT_TRUE(NaheL(k.Z, 4.0L * f * k.X * (1.0L - k.X), 1e-5L)) << "point " << p;
        }
    }
}

TEST(AeroSkelettlinie, PlacedByChordAndOffsets)
{
    TProfil profil = aero_test::DuenneParabel(0.02L);
    TAufzeichnenderHost host;
    const auto linie = Skelettlinie(profil, 4, SkelettLinear, false, -0.02L, 0.5L, 0.1L, 0.3L, host);
    const TKoordinate& mitte = *linie->Punkt(2);
    EXPECT_TRUE(NaheL(mitte.X, 0.3L * 0.5L + 0.1L, 1e-15L));
    EXPECT_TRUE(NaheL(mitte.Y, 0.5L, 1e-15L));
    EXPECT_TRUE(NaheL(mitte.Z, 0.3L * 0.02L - 0.02L, 1e-6L));
    EXPECT_TRUE(NaheL(linie->Punkt(4)->X, 0.1L, 1e-15L));
}

// The lumped-vortex analysis of a parabolic line tends to thin-airfoil theory as the elements get
// shorter (the element normal is the chord's, not the slope at the control point).
TEST(AeroSkelettlinie, AnalysisOfParabolaTendsToThinAirfoilTheory)
{
    const Extended f = 0.02L;
    TAufzeichnenderHost host;
    Extended fehlerVorher = 1.0L;
    for (int n : {20, 80}) {
        SCOPED_TRACE(n);
        TProfil profil = aero_test::DuenneParabel(f);
        const auto linie = Skelettlinie(profil, n, SkelettLinear, false, 0.0L, 0.0L, 0.0L, 1.0L, host);
        const TSkelettBeiwerte b = SkelettAnalyse(*linie, host);
        EXPECT_TRUE(b.Konvergiert);
        const Extended fehler = std::fabs(b.Ca0 - 4.0L * Pi * f) / (4.0L * Pi * f);
        EXPECT_LT(fehler, fehlerVorher);
        fehlerVorher = fehler;
        if (n == 80) {
            EXPECT_LT(fehler, 0.02L);
            EXPECT_TRUE(NaheL(b.Cm0, -Pi * f, 5e-3L * Pi * f));
        }
    }
    EXPECT_TRUE(host.Statustexte.empty());
}

TEST(AeroSkelettlinie, MatchingReproducesZeroLiftValuesOfTheProfile)
{
    for (int n : {20, 40}) {
        SCOPED_TRACE(n);
        TProfil profil = NacaProfil(0.02L, 0.4L, 0.12L, 40, TNacaDicke::Senkrecht);
        TAufzeichnenderHost host;
        const auto roh = Skelettlinie(profil, n, SkelettCos, false, 0.0L, 0.0L, 0.0L, 1.0L, host);
        const auto angepasst = Skelettlinie(profil, n, SkelettCos, true, 0.0L, 0.0L, 0.0L, 1.0L, host);
        const Extended alfa0 = profil.Beiwert(TProfil::Alfa0);
        const Extended cm0 = profil.Beiwert(TProfil::Cm0);

        const TSkelettBeiwerte b = SkelettAnalyse(*angepasst, host);
        EXPECT_TRUE(NaheL(b.Ca0, -2.0L * Pi * std::sin(alfa0 / GradProRad), 1e-5L));
        EXPECT_TRUE(NaheL(b.Cm0, cm0, 1e-5L));
        // The raw line lifts too little in the lumped-vortex analysis; matching adds camber.
        EXPECT_LT(SkelettAnalyse(*roh, host).Ca0, b.Ca0 - 1e-3L);
        // Stations stay, both ends stay on the chord line.
        for (int i = 0; i <= n; ++i) EXPECT_EQ(angepasst->Punkt(i)->X, roh->Punkt(i)->X);
        EXPECT_TRUE(NaheL(angepasst->Punkt(0)->Z, 0.0L, 1e-15L));
        EXPECT_TRUE(NaheL(angepasst->Punkt(n)->Z, 0.0L, 1e-15L));
        EXPECT_TRUE(host.Statustexte.empty());
    }
}

TEST(AeroSkelettlinie, SymmetricProfileIsNotMatchedButManualTargetsAre)
{
    TAufzeichnenderHost host;
    TProfil profil;
    profil.SetDefault();
    const auto linie = Skelettlinie(profil, 20, SkelettCos, true, 0.0L, 0.0L, 0.0L, 1.0L, host);
    for (int i = 0; i <= 20; ++i) EXPECT_TRUE(NaheL(linie->Punkt(i)->Z, 0.0L, 1e-18L)) << "point " << i;

    const Extended cmZiel = -0.05L, alfa0Ziel = -2.0L;
    const auto manuell = SkelettlinieManuell(profil, 20, SkelettCos, true, 0.0L, 0.0L, 0.0L, 1.0L, cmZiel, alfa0Ziel, host);
    const TSkelettBeiwerte b = SkelettAnalyse(*manuell, host);
    EXPECT_TRUE(NaheL(b.Ca0, -2.0L * Pi * std::sin(alfa0Ziel / GradProRad), 1e-5L));
    EXPECT_TRUE(NaheL(b.Cm0, cmZiel, 1e-5L));

    const auto ohne = SkelettlinieManuell(profil, 20, SkelettCos, false, 0.0L, 0.0L, 0.0L, 1.0L, cmZiel, alfa0Ziel, host);
    for (int i = 0; i <= 20; ++i) EXPECT_TRUE(NaheL(ohne->Punkt(i)->Z, 0.0L, 1e-18L)) << "point " << i;
}

TEST(AeroSkelettlinie, DegenerateLineIsReportedNotReturnedAsConverged)
{
    TProfil linie;
    for (Extended x : {1.0L, 0.5L, 0.5L, 0.0L}) linie.AddPunkt({x, 0.0L, 0.1L * x * (1.0L - x)});
    TAufzeichnenderHost host;
    const TSkelettBeiwerte b = SkelettAnalyse(linie, host);
    EXPECT_FALSE(b.Konvergiert);
    EXPECT_EQ(host.Statustexte.size(), 1u);
}
