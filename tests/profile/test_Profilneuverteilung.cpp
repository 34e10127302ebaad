// Resampling: cosine stations, straight subdivision, B-spline smoothing and the five-pass resampler.
#include <cmath>
#include <numbers>

#include "Kontur.h"
#include "Naca.h"
#include "common/TestHilfe.h"
#include "profile/T_Profil.h"

TEST(Profilneuverteilung, CosinusVerteilungStationsAndCount)
{
    TProfil p;
    p.SetDefault();
    p.SetBeiwert(TProfil::Dicke, 0.1L);
    const auto r = p.CosinusVerteilung(63);
    ASSERT_EQ(r->Anzahl(), 63);
    EXPECT_EQ(r->Titel, "Naca0010");
    EXPECT_EQ(r->Dateiname, "Naca0010.dat");
    const int m = 31;
    for (int j = 0; j < m; ++j) {
        SCOPED_TRACE(j);
        const Extended x = (1.0L + std::cos(j * std::numbers::pi_v<Extended> / m)) / 2.0L;
        const TKoordinate& oben = *r->Punkt(j);
        const TKoordinate& unten = *r->Punkt(62 - j);
        EXPECT_EQ(oben.X, x);
        EXPECT_EQ(unten.X, x);
        // Both sides are straight-line interpolations of the source contour.
        EXPECT_TRUE(NaheL(oben.Z, p.HoeheBeiX(TProfil::Oberseite, x).Z, 1e-18L));
        EXPECT_TRUE(NaheL(unten.Z, p.HoeheBeiX(TProfil::Unterseite, x).Z, 1e-18L));
    }
    EXPECT_EQ(r->Punkt(31)->X, 0.0L);
    EXPECT_EQ(r->Punkt(31)->Z, 0.0L);
    EXPECT_EQ(r->Punkt(0)->Z, 0.00105L);
    EXPECT_TRUE(r->Pruefen().AlleBestanden());

    EXPECT_EQ(p.CosinusVerteilung(100)->Anzahl(), 101);
    EXPECT_EQ(p.CosinusVerteilung(1)->Anzahl(), 1);
    EXPECT_EQ(TProfil().CosinusVerteilung(63)->Anzahl(), 0);
}

TEST(Profilneuverteilung, CosinusVerteilungDoesNotCrossTheNose)
{
    // A contour without a nose point: the copy gets one, the source keeps its points.
    TProfil p;
    p.SetDefault();
    p.DeletePunkt(17);
    const auto r = p.CosinusVerteilung(41);
    EXPECT_EQ(p.Anzahl(), 34);
    ASSERT_EQ(r->Anzahl(), 41);
    EXPECT_TRUE(IstGeordnet(*r));
    TProfil standard;
    standard.SetDefault();
    EXPECT_LT(GroessterAbstand(standard, *r), 1e-18L);
}

TEST(Profilneuverteilung, VerfeinernSubdividesStraightSegments)
{
    TProfil p;
    p.Titel = "drei";
    p.AddPunkt({1.0L, 0.3L, 0.0L});
    p.AddPunkt({0.0L, 0.0L, 0.0L});
    p.AddPunkt({1.0L, 0.0L, -0.3L});
    const auto r = p.Verfeinern(3);
    ASSERT_EQ(r->Anzahl(), 7);
    EXPECT_EQ(r->Titel, "drei");
    const Extended x[] = {1.0L, 2.0L / 3.0L, 1.0L / 3.0L, 0.0L, 1.0L / 3.0L, 2.0L / 3.0L, 1.0L};
    const Extended y[] = {0.3L, 0.2L, 0.1L, 0.0L, 0.0L, 0.0L, 0.0L};
    const Extended z[] = {0.0L, 0.0L, 0.0L, 0.0L, -0.1L, -0.2L, -0.3L};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(NaheL(r->Punkt(i)->X, x[i], 1e-18L));
        EXPECT_TRUE(NaheL(r->Punkt(i)->Y, y[i], 1e-18L));
        EXPECT_TRUE(NaheL(r->Punkt(i)->Z, z[i], 1e-18L));
    }
    EXPECT_EQ(p.Verfeinern(1)->Anzahl(), 3);
}

TEST(Profilneuverteilung, GlaettenIsAUniformCubicBSpline)
{
    const TProfil p = NacaProfil("2412", 30);
    const auto r = p.Glaetten(4);
    ASSERT_EQ(r->Anzahl(), (p.Anzahl() - 1) * 4);
    EXPECT_EQ(r->MinX(), 0.0L);

    // Before the stretch, segment i at t = 0 is (P(i-1) + 4 P(i) + P(i+1)) / 6; the stretch maps X
    // linearly and leaves Z alone.
    const auto& q = p.Punkte();
    EXPECT_TRUE(NaheL(r->Punkt(0)->Z, (5.0L * q[0].Z + q[1].Z) / 6.0L, 1e-18L));
    EXPECT_TRUE(NaheL(r->Punkt(4 * 10)->Z, (q[9].Z + 4.0L * q[10].Z + q[11].Z) / 6.0L, 1e-18L));
    // Smoothing a fine contour moves it little.
    EXPECT_LT(GroessterAbstand(p, *r), 0.002L);
}

TEST(Profilneuverteilung, GlaettenHasNoPointLimit)
{
    const TProfil p = NacaProfil("0012", 3000);
    ASSERT_GT(p.Anzahl(), 4999);
    EXPECT_EQ(p.Glaetten(1)->Anzahl(), p.Anzahl() - 1);
}

TEST(Profilneuverteilung, NeuverteilenNaca2412StaysWithinATenthPercentChord)
{
    const TProfil referenz = NacaProfil("2412", 2000);
    struct Fall {
        int stationen;
        int n;
        int anzahl;
    } faelle[] = {{20, 41, 41}, {35, 61, 61}, {35, 100, 101}, {60, 150, 151}, {1300, 61, 61}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.stationen << " stations to " << f.n);
        const TProfil eingabe = NacaProfil("2412", f.stationen);
        const auto r = eingabe.Neuverteilen(f.n);
        ASSERT_EQ(r->Anzahl(), f.anzahl);
        EXPECT_EQ(r->Dateiname, "Naca2412.dat");
        EXPECT_LT(GroessterAbstand(referenz, *r), 0.001L);
        EXPECT_TRUE(IstGeordnet(*r));
        EXPECT_EQ(r->Punkt(r->NasenIndex())->X, 0.0L);
        EXPECT_EQ(eingabe.Anzahl(), 2 * f.stationen + 1);
    }
}
