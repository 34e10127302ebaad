// Blending two section profiles, and the strak rule over the sections of a surface.
#include "Kontur.h"
#include "Naca.h"
#include "common/Mathe.h"
#include "common/TestHilfe.h"
#include "profile/Strak.h"

namespace {

TProfil Standard()
{
    TProfil p;
    p.SetDefault();
    return p;
}

// The default contour with its thickness scaled: same name, same point count.
TProfil Duenner(Extended faktor)
{
    TProfil p = Standard();
    for (int i = 0; i < p.Anzahl(); ++i) p.Punkt(i)->Z *= faktor;
    return p;
}

TProfil Strakprofil()
{
    TProfil p;
    p.Dateiname = "strak";
    p.AddPunkt({9.0L, 9.0L, 9.0L});
    return p;
}

}  // namespace

TEST(Mischen, EqualCountsBlendPointwise)
{
    const TProfil a = Standard();
    const TProfil b = Duenner(0.5L);
    TProfil p;
    p.Titel = "bleibt";
    p.Mischen(&a, 0.2L, &b, 0.6L, 0.2L);
    ASSERT_EQ(p.Anzahl(), a.Anzahl());
    EXPECT_EQ(p.Titel, "bleibt");
    for (int k = 0; k < a.Anzahl(); ++k) {
        EXPECT_EQ(p.Punkt(k)->X, a.Punkt(k)->X);
        EXPECT_EQ(p.Punkt(k)->Y, 0.2L);
        EXPECT_EQ(p.Punkt(k)->Z, a.Punkt(k)->Z);
    }
    p.Mischen(&a, 0.2L, &b, 0.6L, 0.4L);
    for (int k = 0; k < a.Anzahl(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(NaheL(p.Punkt(k)->Z, 0.75L * a.Punkt(k)->Z, 1e-18L));
        EXPECT_EQ(p.Punkt(k)->Y, 0.4L);
    }
    // This profile may be one of the inputs.
    TProfil selbst = Standard();
    selbst.Mischen(&selbst, 0.0L, &b, 1.0L, 1.0L);
    ASSERT_EQ(selbst.Anzahl(), b.Anzahl());
    EXPECT_EQ(selbst.Punkt(8)->Z, b.Punkt(8)->Z);
}

TEST(Mischen, MissingOrEmptyInputChangesNothing)
{
    const TProfil a = Standard();
    const TProfil leer;
    TProfil p = Duenner(0.5L);
    p.Mischen(&a, 0.0L, nullptr, 1.0L, 0.5L);
    p.Mischen(&a, 0.0L, &leer, 1.0L, 0.5L);
    p.Mischen(nullptr, 0.0L, &a, 1.0L, 0.5L);
    ASSERT_EQ(p.Anzahl(), 35);
    EXPECT_EQ(p.Punkt(8)->Z, 0.5L * a.Punkt(8)->Z);
}

TEST(Mischen, UnequalCountsAreResampledAndAllPointsBlended)
{
    const TProfil a = Standard();
    TProfil b = NacaProfil("2412", 40);  // 81 points
    TProfil c = b;
    c.DeletePunkt(40);  // 80 points: an even larger count
    struct Fall {
        const TProfil* zweites;
        int anzahl;
    } faelle[] = {{&b, 81}, {&c, 81}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zweites->Anzahl());
        TProfil p;
        p.Mischen(&a, 0.0L, f.zweites, 1.0L, 0.0L);
        ASSERT_EQ(p.Anzahl(), f.anzahl);
        // At station a the blend is A's contour, resampled.
        EXPECT_LT(GroessterAbstand(a, p), 1e-15L);
        for (const TKoordinate& q : p.Punkte()) EXPECT_EQ(q.Y, 0.0L);
    }
    // A contour that lies turned and scaled is resampled in its own frame and put back.
    TProfil gedreht = b;
    gedreht.Drehen(0, gedreht.Anzahl() - 1, 0.1L, 0.0L, 0.0L);
    for (int i = 0; i < gedreht.Anzahl(); ++i) {
        gedreht.Punkt(i)->X *= 0.3L;
        gedreht.Punkt(i)->Z *= 0.3L;
    }
    TProfil p;
    p.Mischen(&a, 0.0L, &gedreht, 1.0L, 1.0L);
    ASSERT_EQ(p.Anzahl(), 81);
    EXPECT_LT(GroessterAbstand(gedreht, p), 1e-4L);
}

TEST(Strak, SameNeighboursBlendWithoutResampling)
{
    TProfil wurzel = Standard();
    TProfil strak1 = Strakprofil();
    TProfil strak2 = Strakprofil();
    TProfil spitze = Duenner(0.5L);
    StrakAnwenden({{&wurzel, std::nullopt}, {&strak1, 0.25L}, {&strak2, 0.5L}, {&spitze, 1.0L}});
    for (const auto& [p, s] : {std::pair{&strak1, 0.25L}, {&strak2, 0.5L}}) {
        SCOPED_TRACE(s);
        EXPECT_EQ(p->Dateiname, "strak");
        EXPECT_EQ(p->Titel, "Strak aus Naca0010.dat und Naca0010.dat");
        ASSERT_EQ(p->Anzahl(), 35);
        for (int k = 0; k < 35; ++k) {
            EXPECT_EQ(p->Punkt(k)->X, wurzel.Punkt(k)->X);
            EXPECT_EQ(p->Punkt(k)->Y, s);
            EXPECT_EQ(p->Punkt(k)->Z, Interpolieren(s, 0.0L, wurzel.Punkt(k)->Z, 1.0L, spitze.Punkt(k)->Z));
        }
    }
    // The neighbours are not touched.
    EXPECT_EQ(wurzel.Punkt(0)->Y, 0.0L);
    EXPECT_EQ(spitze.Punkt(0)->Y, 0.0L);
    EXPECT_EQ(spitze.Punkt(8)->Z, 0.5L * 0.05002L);
}

TEST(Strak, DifferentNeighboursAreResampledToTheLargerCount)
{
    TProfil links = NacaProfil("2412", 40);
    TProfil strak = Strakprofil();
    TProfil wurzel = Standard();
    // Left of the root: the outermost segment first, stations positive on both sides.
    StrakAnwenden({{&links, 0.8L}, {&strak, 0.4L}, {&wurzel, std::nullopt}});
    EXPECT_EQ(strak.Titel, "Strak aus Naca2412.dat und Naca0010.dat");
    ASSERT_EQ(strak.Anzahl(), 81);
    const auto a = links.Neuverteilen(81);
    const auto b = wurzel.Neuverteilen(81);
    for (int k = 0; k < 81; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(strak.Punkt(k)->X, a->Punkt(k)->X);
        EXPECT_EQ(strak.Punkt(k)->Y, 0.4L);
        EXPECT_EQ(strak.Punkt(k)->Z, Interpolieren(0.4L, 0.8L, a->Punkt(k)->Z, 0.0L, b->Punkt(k)->Z));
    }
}

TEST(Strak, SectionAtTheEndTakesItsOnlyNeighbour)
{
    TProfil wurzel = Standard();
    TProfil innen = Duenner(0.5L);
    TProfil aussen = Strakprofil();
    aussen.SetBeiwert(TProfil::Alfa0, -2.0L);
    StrakAnwenden({{&wurzel, std::nullopt}, {&innen, 0.5L}, {&aussen, 1.0L}});
    EXPECT_EQ(aussen.Titel, "Strak aus Naca0010.dat und Naca0010.dat");
    EXPECT_EQ(aussen.Dateiname, "strak");
    EXPECT_EQ(aussen.Beiwert(TProfil::Alfa0), -2.0L);
    ASSERT_EQ(aussen.Anzahl(), 35);
    for (int k = 0; k < 35; ++k) {
        EXPECT_EQ(aussen.Punkt(k)->X, innen.Punkt(k)->X);
        EXPECT_EQ(aussen.Punkt(k)->Y, 1.0L);
        EXPECT_EQ(aussen.Punkt(k)->Z, innen.Punkt(k)->Z);
    }

    // Nothing to blend from: left as it is.
    TProfil allein = Strakprofil();
    StrakAnwenden({{&allein, 1.0L}});
    ASSERT_EQ(allein.Anzahl(), 1);
    EXPECT_EQ(allein.Punkt(0)->X, 9.0L);
}

TEST(Strak, RootKeepsTheStationOfItsPoints)
{
    TProfil wurzel = Standard();
    for (int i = 0; i < wurzel.Anzahl(); ++i) wurzel.Punkt(i)->Y = 0.1L;
    TProfil strak = Strakprofil();
    TProfil spitze = Duenner(0.5L);
    StrakAnwenden({{&wurzel, std::nullopt}, {&strak, 0.55L}, {&spitze, 1.0L}});
    // Station 0.55 lies halfway between 0.1 and 1.0.
    EXPECT_TRUE(NaheL(strak.Punkt(8)->Z, 0.75L * 0.05002L, 1e-18L));
}
