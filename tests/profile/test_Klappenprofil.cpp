// Flap deflection of a profile: unchanged copies, the whole profile turned, and the joined contour
// of a flap turned up or down.
#include <cmath>

#include "Kontur.h"
#include "Naca.h"
#include "common/TestHilfe.h"
#include "profile/T_Profil.h"

namespace {

void ErwarteGleich(const TProfil& a, const TProfil& b)
{
    ASSERT_EQ(a.Anzahl(), b.Anzahl());
    for (int i = 0; i < a.Anzahl(); ++i) {
        EXPECT_EQ(a.Punkt(i)->X, b.Punkt(i)->X);
        EXPECT_EQ(a.Punkt(i)->Z, b.Punkt(i)->Z);
    }
}

}  // namespace

TEST(Klappenprofil, NoDeflectionOrNoChordGivesAnUnchangedCopy)
{
    TProfil p = NacaProfil("2412", 30);
    p.SetBeiwert(TProfil::Cm0, -0.05L);
    struct Fall {
        Extended tiefe;
        Extended ausschlag;
    } faelle[] = {{25.0L, 0.0L}, {0.0L, 10.0L}, {25.0L, 0.000004L}, {0.000004L, -10.0L}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.tiefe << " % " << f.ausschlag << " deg");
        bool ohneSchnitt = true;
        const auto r = p.Klappenprofil(50.0L, f.tiefe, f.ausschlag, &ohneSchnitt);
        ErwarteGleich(*r, p);
        EXPECT_EQ(r->Dateiname, p.Dateiname);
        EXPECT_EQ(r->Beiwert(TProfil::Cm0), -0.05L);
        EXPECT_FALSE(ohneSchnitt);
    }
}

TEST(Klappenprofil, FullChordTurnsTheWholeProfileAboutTheHinge)
{
    const TProfil p = NacaProfil("2412", 30);
    const auto r = p.Klappenprofil(50.0L, 100.0L, 5.0L);
    // The hinge lies at the nose; 57.3 degrees per radian, as the 2D flap rotation has it.
    TProfil erwartet = p;
    erwartet.Drehen(0, erwartet.Anzahl() - 1, 5.0L / 57.3L, 0.0L, 0.0L);
    ErwarteGleich(*r, erwartet);
}

TEST(Klappenprofil, TurnedFlapJoinsTheFixedPart)
{
    const TProfil p = NacaProfil("2412", 40);
    struct Fall {
        Extended hoehe;
        Extended tiefe;
        Extended ausschlag;
    } faelle[] = {{50.0L, 25.0L, 10.0L},  {50.0L, 25.0L, -10.0L}, {0.0L, 30.0L, 20.0L},  {100.0L, 30.0L, -20.0L},
                  {100.0L, 15.0L, 5.0L}, {0.0L, 15.0L, -5.0L},   {50.0L, 40.0L, 30.0L}, {25.0L, 20.0L, -2.5L}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "h " << f.hoehe << " %, D " << f.tiefe << " %, " << f.ausschlag << " deg");
        bool ohneSchnitt = true;
        const auto r = p.Klappenprofil(f.hoehe, f.tiefe, f.ausschlag, &ohneSchnitt);
        EXPECT_FALSE(ohneSchnitt);
        // The closing arc ends where the turned hinge point lies, but is drawn with 180/pi degrees
        // per radian against the flap's 57.3: the two may miss each other by a few millionths.
        EXPECT_TRUE(IstGeordnet(*r, 1e-5L));

        // Hinge as the operation places it: on the thickness line at h % from the lower side.
        TProfil q = p;
        const Extended xh = 1.0L - f.tiefe / 100.0L;
        const Extended zu = q.HoeheBeiX(TProfil::Oberseite, xh).Z;
        const Extended zl = q.HoeheBeiX(TProfil::Unterseite, xh).Z;
        const Extended h = f.hoehe == 100.0L ? 99.99999L : (f.hoehe == 0.0L ? 0.00001L : f.hoehe);
        const Extended zh = zl + h * (zu - zl) / 100.0L;
        const Extended b = f.ausschlag / 57.3L;
        const auto gedreht = [&](const TKoordinate& k) {
            const Extended dx = k.X - xh;
            const Extended dz = k.Z - zh;
            return TKoordinate{xh + dx * std::cos(b) + dz * std::sin(b), 0.0L, zh - dx * std::sin(b) + dz * std::cos(b)};
        };
        // Both trailing-edge points are the original ones turned about the hinge.
        for (const auto& [ergebnis, original] : {std::pair{r->Punkt(0), p.Punkt(0)}, {r->Punkt(r->Anzahl() - 1), p.Punkt(p.Anzahl() - 1)}}) {
            EXPECT_TRUE(NaheL(ergebnis->X, gedreht(*original).X, 1e-15L));
            EXPECT_TRUE(NaheL(ergebnis->Z, gedreht(*original).Z, 1e-15L));
        }
        // Ahead of the hinge the contour is the original one.
        for (const TKoordinate& k : r->Punkte()) {
            if (k.X < xh - 0.01L) {
                EXPECT_LT(AbstandZurKontur(p, k), 1e-18L) << k.X << " " << k.Z;
            }
        }
        // No two neighbours share a station to 5 decimals.
        for (int i = 0; i + 1 < r->Anzahl(); ++i)
            EXPECT_NE(std::nearbyint(r->Punkt(i)->X * 100000.0L), std::nearbyint(r->Punkt(i + 1)->X * 100000.0L));
    }
}

TEST(Klappenprofil, GapAroundTheHingeIsClosedWithAnArc)
{
    // Flap down: the lower side is joined where the contours cross, the upper side gets an arc of
    // radius zu - zh about the hinge.
    const TProfil p = NacaProfil("2412", 40);
    const auto r = p.Klappenprofil(50.0L, 25.0L, 10.0L);
    TProfil q = p;
    const Extended zu = q.HoeheBeiX(TProfil::Oberseite, 0.75L).Z;
    const Extended zl = q.HoeheBeiX(TProfil::Unterseite, 0.75L).Z;
    const Extended zh = (zu + zl) / 2.0L;
    int aufDemBogen = 0;
    for (int i = 0; i < r->NasenIndex(); ++i) {
        const TKoordinate& k = *r->Punkt(i);
        if (k.X > 0.75L && std::fabs(std::hypot(k.X - 0.75L, k.Z - zh) - (zu - zh)) < 1e-15L) ++aufDemBogen;
    }
    EXPECT_GE(aufDemBogen, 7);
    EXPECT_LE(aufDemBogen, 8);
}

TEST(Klappenprofil, HingeOutsideTheContourGivesAnUnchangedCopyAndSaysSo)
{
    // A profile of chord 0.5: the hinge station 0.75 lies behind it, the flap meets nothing.
    TProfil p = NacaProfil("2412", 20);
    for (int i = 0; i < p.Anzahl(); ++i) {
        p.Punkt(i)->X *= 0.5L;
        p.Punkt(i)->Z *= 0.5L;
    }
    bool ohneSchnitt = false;
    const auto r = p.Klappenprofil(50.0L, 25.0L, 10.0L, &ohneSchnitt);
    EXPECT_TRUE(ohneSchnitt);
    ErwarteGleich(*r, p);
    const auto leer = TProfil().Klappenprofil(50.0L, 25.0L, 10.0L);
    EXPECT_EQ(leer->Anzahl(), 0);
}
