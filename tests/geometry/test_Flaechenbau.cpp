// Surface builder: placement by chord, sweep and span, twist, joint shear, dihedral, incidence,
// hinge points, spanwise stations and planform values.
#include "geometry/Flaechenbau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Testflaechen.h"
#include "common/TestHilfe.h"

namespace {

constexpr Extended Grad = 57.295779513082320877L;
constexpr Extended Eng = 1e-15L;

const TKoordinate& Nase(const TProfil& linie) { return *linie.Punkt(linie.Anzahl() - 1); }
const TKoordinate& Hinten(const TProfil& linie) { return *linie.Punkt(0); }

::testing::AssertionResult GleicherPunkt(const TKoordinate& a, const TKoordinate& b, Extended tol)
{
    if (std::fabs(a.X - b.X) <= tol && std::fabs(a.Y - b.Y) <= tol && std::fabs(a.Z - b.Z) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << static_cast<double>(a.X) << ", " << static_cast<double>(a.Y) << ", "
                                         << static_cast<double>(a.Z) << ") != (" << static_cast<double>(b.X) << ", "
                                         << static_cast<double>(b.Y) << ", " << static_cast<double>(b.Z) << ")";
}

::testing::AssertionResult GleicheLinie(const TProfil& a, const TProfil& b, Extended tol)
{
    if (a.Anzahl() != b.Anzahl()) return ::testing::AssertionFailure() << a.Anzahl() << " != " << b.Anzahl() << " points";
    for (int k = 0; k < a.Anzahl(); ++k) {
        auto r = GleicherPunkt(*a.Punkt(k), *b.Punkt(k), tol);
        if (!r) return r << " at point " << k;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Flaechenbau, RechteckfluegelSchnitteUndSkelettpunkte)
{
    auto f = Rechteckfluegel();
    BaueFlaeche(*f, Host());
    const Extended y[2][2] = {{-0.5L, 0.0L}, {0.0L, 0.5L}};
    for (int j = 0; j < 2; ++j) {
        SCOPED_TRACE(j);
        const TSEGMENT& s = *f->Segmente.Get(j);
        ASSERT_EQ(s.Gitterschnitte.size(), 2U);
        ASSERT_EQ(s.Klappengitterschnitte.size(), 2U);
        ASSERT_EQ(s.Grundrissschnitte.size(), 2U);
        ASSERT_EQ(s.Volumenschnitte.size(), 2U);
        for (int i = 0; i < 2; ++i) {
            const TProfil& linie = *s.Gitterschnitte[i];
            ASSERT_EQ(linie.Anzahl(), 5);
            for (int k = 0; k < 5; ++k) {
                SCOPED_TRACE(k);
                EXPECT_TRUE(GleicherPunkt(*linie.Punkt(k), TKoordinate{0.2L - 0.05L * k, y[j][i], 0.0L}, Eng));
            }
            // Hinge at 25 % of the chord from the trailing edge.
            EXPECT_TRUE(GleicherPunkt(linie.Scharnierpunkt, TKoordinate{0.15L, y[j][i], 0.0L}, Eng));
            EXPECT_TRUE(GleicheLinie(*s.Grundrissschnitte[i], linie, Eng));
            for (const auto& p : s.Volumenschnitte[i]->Punkte()) EXPECT_TRUE(NaheL(p.Y, y[j][i], Eng));
        }
        EXPECT_TRUE(NaheL(s.VorderkanteX, 0.0L, Eng));
        EXPECT_TRUE(NaheL(s.VorderkantenVersatz, 0.0L, Eng));
    }
    EXPECT_TRUE(NaheL(f->Spannweite, 1.0L, Eng));
}

TEST(Flaechenbau, PfeilungVerschiebtAussenliegendeSegmente)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(-0.5L, 0.2L));
    f->Segmente.Add(Testsegment(-0.5L, 0.2L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    f->Segmente.Get(1)->Pfeilwinkel = 45.0L;
    f->Segmente.Get(2)->Pfeilwinkel = 45.0L;
    BaueFlaeche(*f, Host());

    struct Fall {
        int segment;
        int schnitt;
        Extended x;
        Extended y;
        Extended vorderkanteX;
        Extended versatz;
    };
    const Fall faelle[] = {
        {3, 1, 0.5L, 1.0L, 0.5L, 0.0L},   {2, 1, 0.5L, 0.5L, 0.5L, 0.5L},
        {1, 0, 0.5L, -0.5L, 0.5L, 0.5L},  {0, 0, 0.5L, -1.0L, 0.5L, 0.0L},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.segment);
        const TSEGMENT& s = *f->Segmente.Get(fall.segment);
        const TKoordinate& v = Nase(*s.Gitterschnitte[fall.schnitt]);
        EXPECT_TRUE(NaheL(v.X, fall.x, Eng));
        EXPECT_TRUE(NaheL(v.Y, fall.y, Eng));
        EXPECT_TRUE(NaheL(s.VorderkanteX, fall.vorderkanteX, Eng));
        EXPECT_TRUE(NaheL(s.VorderkantenVersatz, fall.versatz, Eng));
        // The planform lines carry the sweep, too.
        EXPECT_TRUE(NaheL(Nase(*s.Grundrissschnitte[fall.schnitt]).X, fall.x, Eng));
    }
}

TEST(Flaechenbau, VFormHebtBeideSpitzenUndSchertDenWurzelschnitt)
{
    auto f = Rechteckfluegel();
    f->Verwindungswinkel = 4.0L;  // gives the root section a height to shear
    f->Segmente.Get(0)->VFormWinkel = 10.0L;
    f->Segmente.Get(1)->VFormWinkel = 10.0L;
    BaueFlaeche(*f, Host());
    const Extended v = 10.0L / Grad;

    const TProfil& linkeSpitze = *f->Segmente.Get(0)->Gitterschnitte[0];
    const TProfil& rechteSpitze = *f->Segmente.Get(1)->Gitterschnitte[1];
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(NaheL(linkeSpitze.Punkt(k)->Z, 0.5L * std::sin(v), Eng));
        EXPECT_TRUE(NaheL(linkeSpitze.Punkt(k)->Y, -0.5L * std::cos(v), Eng));
        EXPECT_TRUE(NaheL(rechteSpitze.Punkt(k)->Z, 0.5L * std::sin(v), Eng));
        EXPECT_TRUE(NaheL(rechteSpitze.Punkt(k)->Y, 0.5L * std::cos(v), Eng));
    }
    // Both root sections were sheared by tan 10° towards each other and end in the plane of
    // symmetry, stretched by 1/cos 10°.
    const TProfil& wurzelLinks = *f->Segmente.Get(0)->Gitterschnitte[1];
    const TProfil& wurzelRechts = *f->Segmente.Get(1)->Gitterschnitte[0];
    EXPECT_TRUE(GleicheLinie(wurzelLinks, wurzelRechts, Eng));
    const Extended zHinten = -0.2L * std::sin(4.0L / Grad) / std::cos(v);
    EXPECT_TRUE(GleicherPunkt(Hinten(wurzelRechts), TKoordinate{0.2L * std::cos(4.0L / Grad), 0.0L, zHinten}, Eng));
}

TEST(Flaechenbau, KnickschnitteBenachbarterSegmenteFallenZusammen)
{
    // Three segments per side with different dihedral and twist: at every joint the outer section
    // of one segment and the inner section of the next must be the same section.
    auto f = Testflaeche(0.25L, 6);
    const Extended breite[] = {-0.4L, -0.5L, -0.3L, 0.3L, 0.5L, 0.4L};
    const Extended vform[] = {25.0L, 10.0L, -3.0L, -3.0L, 10.0L, 25.0L};
    const Extended verwindung[] = {-3.0L, -1.0L, 1.0L, 1.0L, -1.0L, -3.0L};
    for (int j = 0; j < 6; ++j) {
        f->Segmente.Add(Testsegment(breite[j], 0.25L - 0.02L * std::fabs(j - 2.5L)));
        f->Segmente.Get(j)->VFormWinkel = vform[j];
        f->Segmente.Get(j)->Verwindungswinkel = verwindung[j];
        f->Segmente.Get(j)->Pfeilwinkel = 5.0L;
    }
    f->Verwindungswinkel = 2.0L;
    f->Einstellwinkel = 1.5L;
    BaueFlaeche(*f, Host());
    for (int j = 0; j + 1 < 6; ++j) {
        SCOPED_TRACE(j);
        EXPECT_TRUE(GleicheLinie(*f->Segmente.Get(j)->Gitterschnitte.back(), *f->Segmente.Get(j + 1)->Gitterschnitte.front(),
                                 1e-15L));
        EXPECT_TRUE(GleicheLinie(*f->Segmente.Get(j)->Volumenschnitte.back(), *f->Segmente.Get(j + 1)->Volumenschnitte.front(),
                                 1e-15L));
    }
    // The wing is symmetric: every left section is the mirror image of its right partner.
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const TSEGMENT& l = *f->Segmente.Get(j);
        const TSEGMENT& r = *f->Segmente.Get(5 - j);
        for (int i = 0; i < 2; ++i) {
            const TProfil& a = *l.Gitterschnitte[i];
            const TProfil& b = *r.Gitterschnitte[1 - i];
            ASSERT_EQ(a.Anzahl(), b.Anzahl());
            for (int k = 0; k < a.Anzahl(); ++k) {
                const TKoordinate& p = *a.Punkt(k);
                EXPECT_TRUE(GleicherPunkt(p, TKoordinate{b.Punkt(k)->X, -b.Punkt(k)->Y, b.Punkt(k)->Z}, 1e-15L));
            }
        }
    }
}

TEST(Flaechenbau, VerwindungUndEinstellwinkelSenkenDieHinterkante)
{
    auto f = Rechteckfluegel();
    f->Segmente.Get(1)->Verwindungswinkel = 2.0L;
    BaueFlaeche(*f, Host());
    const TProfil& aussen = *f->Segmente.Get(1)->Gitterschnitte[1];
    EXPECT_TRUE(GleicherPunkt(Hinten(aussen), TKoordinate{0.2L * std::cos(2.0L / Grad), 0.5L, -0.2L * std::sin(2.0L / Grad)}, Eng));
    EXPECT_TRUE(GleicherPunkt(Nase(aussen), TKoordinate{0.0L, 0.5L, 0.0L}, Eng));
    // The hinge point turned with its section.
    EXPECT_TRUE(GleicherPunkt(aussen.Scharnierpunkt,
                              TKoordinate{0.15L * std::cos(2.0L / Grad), 0.5L, -0.15L * std::sin(2.0L / Grad)}, Eng));
    // The inner section of the same segment is the untwisted root.
    EXPECT_TRUE(NaheL(Hinten(*f->Segmente.Get(1)->Gitterschnitte[0]).Z, 0.0L, Eng));

    auto g = Rechteckfluegel();
    g->Einstellwinkel = 3.0L;
    BaueFlaeche(*g, Host());
    for (const auto& s : g->Segmente)
        for (const auto& linie : s->Gitterschnitte)
            EXPECT_TRUE(NaheL(Hinten(*linie).Z, -0.2L * std::sin(3.0L / Grad), Eng));
}

TEST(Flaechenbau, SpannweitigeStationenNachVerteilung)
{
    struct Fall {
        const char* name;
        TVerteilung verteilung;
        Extended t[3];
    };
    const Extended pi = std::numbers::pi_v<Extended>;
    const Fall faelle[] = {
        {"Cos", TVerteilung::Cos, {0.14644660940672623780L, 0.5L, 0.85355339059327376220L}},
        {"Linear", TVerteilung::Linear, {0.25L, 0.5L, 0.75L}},
        {"SinR", TVerteilung::SinR, {std::sin(pi / 8.0L), std::sin(pi / 4.0L), std::sin(3.0L * pi / 8.0L)}},
        {"SinL", TVerteilung::SinL, {1.0L - std::cos(pi / 8.0L), 1.0L - std::cos(pi / 4.0L), 1.0L - std::cos(3.0L * pi / 8.0L)}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto f = Testflaeche(0.2L);
        f->Segmente.Add(Testsegment(1.0L, 0.1L));
        f->Segmente.Get(0)->AnzahlPanelsY = 4;
        f->Segmente.Get(0)->VerteilungY = fall.verteilung;
        BaueFlaeche(*f, Host());
        const TSEGMENT& s = *f->Segmente.Get(0);
        ASSERT_EQ(s.Gitterschnitte.size(), 5U);
        ASSERT_EQ(s.Grundrissschnitte.size(), 5U);
        ASSERT_EQ(s.Klappengitterschnitte.size(), 5U);
        EXPECT_EQ(s.Volumenschnitte.size(), 2U);  // the volume model keeps one strip per segment
        for (int i = 1; i <= 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(NaheL(Nase(*s.Gitterschnitte[i]).Y, fall.t[i - 1], 1e-15L));
            EXPECT_TRUE(NaheL(Nase(*s.Grundrissschnitte[i]).Y, fall.t[i - 1], 1e-15L));
            // Chord tapers linearly along the stations.
            EXPECT_TRUE(NaheL(Hinten(*s.Gitterschnitte[i]).X, 0.2L - 0.1L * fall.t[i - 1], 1e-15L));
        }
        for (int i = 0; i + 1 < 5; ++i) EXPECT_LT(Nase(*s.Gitterschnitte[i]).Y, Nase(*s.Gitterschnitte[i + 1]).Y);
    }
}

TEST(Flaechenbau, KlappentiefenAmRandWerdenInDieProfiltiefeGeschoben)
{
    auto f = Rechteckfluegel();
    f->Segmente.Get(0)->KlappentiefeLinks = 0.0L;
    f->Segmente.Get(0)->KlappentiefeRechts = 100.0L;
    f->Segmente.Get(1)->KlappentiefeLinks = 40.0L;
    BaueFlaeche(*f, Host());
    EXPECT_EQ(f->Segmente.Get(0)->KlappentiefeLinks, 0.000001L);
    EXPECT_EQ(f->Segmente.Get(0)->KlappentiefeRechts, 99.999999L);
    EXPECT_EQ(f->Segmente.Get(1)->KlappentiefeLinks, 40.0L);
    // Hinge points lie strictly inside the chord.
    const TProfil& links = *f->Segmente.Get(0)->Gitterschnitte[0];
    const TProfil& rechts = *f->Segmente.Get(0)->Gitterschnitte[1];
    EXPECT_LT(links.Scharnierpunkt.X, 0.2L);
    EXPECT_GT(rechts.Scharnierpunkt.X, 0.0L);
    EXPECT_TRUE(NaheL(rechts.Scharnierpunkt.X, 0.2L * 0.00000001L, 1e-15L));
}

TEST(Flaechenbau, UnbaubareFlaecheBleibtOhneSchnitte)
{
    auto f = Testflaeche(0.2L);
    BaueFlaeche(*f, Host());
    EXPECT_EQ(f->Segmente.Count(), 0);

    auto g = Rechteckfluegel();
    BaueFlaeche(*g, Host());
    g->Segmente.Get(1)->Segmentprofil->ClearPunkte();
    BaueFlaeche(*g, Host());
    for (const auto& s : g->Segmente) {
        EXPECT_TRUE(s->Gitterschnitte.empty());
        EXPECT_TRUE(s->Klappengitterschnitte.empty());
        EXPECT_TRUE(s->Klappenvolumenschnitte.empty());
    }

    // A chord without panels (a damaged file) would divide by zero: no sections, error text 10.
    auto h = Rechteckfluegel();
    h->AnzahlPanelsX = 0;
    TAufzeichnenderHost host;
    BaueFlaeche(*h, host);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{10});
    for (const auto& s : h->Segmente) EXPECT_TRUE(s->Gitterschnitte.empty());
}

TEST(Flaechenbau, DreheUmAchse)
{
    const Extended pi = std::numbers::pi_v<Extended>;
    struct Fall {
        const char* name;
        TKoordinate punkt;
        TKoordinate zentrum;
        int achse;
        Extended winkel;
        TKoordinate erwartet;
    };
    const Fall faelle[] = {
        {"x axis, positive y", {5, 1, 0}, {5, 0, 0}, 0, pi / 2, {5, 0, -1}},
        {"x axis, negative y", {5, -1, 0}, {5, 0, 0}, 0, pi / 2, {5, 0, 1}},
        {"x axis, off centre", {0, 2, 3}, {0, 1, 1}, 0, pi, {0, 0, -1}},
        {"y axis turns trailing edge down", {1, 7, 0}, {0, 0, 0}, 1, pi / 6, {std::cos(pi / 6), 7, -0.5L}},
        {"y axis, point ahead of centre", {-1, 0, 0}, {0, 0, 0}, 1, pi / 6, {-std::cos(pi / 6), 0, 0.5L}},
        {"z axis", {0, 1, 4}, {0, 0, 4}, 2, pi / 2, {1, 0, 4}},
        {"centre stays", {1, 2, 3}, {1, 2, 3}, 0, 1, {1, 2, 3}},
        {"unknown axis", {1, 2, 3}, {0, 0, 0}, 3, 1, {1, 2, 3}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TKoordinate p = fall.punkt;
        DreheUmAchse(p, fall.zentrum, fall.achse, fall.winkel);
        EXPECT_TRUE(GleicherPunkt(p, fall.erwartet, 1e-17L));
    }
}
