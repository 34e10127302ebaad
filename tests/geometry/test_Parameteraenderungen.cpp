// Chord and sweep edits that keep the geometry around them in place, and the scaling and zero-point
// shift, checked on the planform and on the coefficients of a computation run.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TestHilfe.h"
#include "control/Rechenlauf.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Parameteraenderungen.h"
#include "geometry/Szenenaufbau.h"
#include "geometry/Testflaechen.h"
#include "model/T_Szene.h"

namespace {

std::unique_ptr<TSZENE> SzeneMit(std::unique_ptr<TFLAECHE> f, int aktuellesSegment)
{
    auto szene = NeuesFlugzeug();
    f->AktuellesSegment = aktuellesSegment;
    BaueFlaeche(*f, Host());
    szene->Flugzeug->Flaechen.Add(std::move(f));
    szene->Flugzeug->AktuelleFlaeche = 0;
    return szene;
}

/// x of the outer leading edge of segment j in aircraft coordinates.
Extended AussenVorderkante(const TFLAECHE& f, int j) { return f.Position.x + f.Segmente.Get(j)->VorderkanteX; }

struct TBeiwerte {
    Extended CA, CWi, Cmy, CmyNullpunkt, Streckung, Flaeche;
};

TBeiwerte Rechnen(TSZENE& szene)
{
    TAufzeichnenderHost host;
    TRechenoptionen o;
    o.Loeser.Multithread = false;
    EXPECT_EQ(Rechenlauf(szene, TSchalter{}, o, host), 0);
    const TFLUGZEUG& fz = *szene.Flugzeug;
    return {fz.AuslegungsCa, fz.CWi, fz.Cmy, fz.CmyNullpunkt, fz.Flaechen.Get(0)->Streckung, fz.FlaecheHorizontalGesamt};
}

}  // namespace

TEST(Parameteraenderungen, RootChordKeepsPivotAndOuterLeadingEdges)
{
    auto f = Rechteckfluegel();
    f->BezugspunktProfiltiefe = 25.0L;
    auto szene = SzeneMit(std::move(f), 1);
    TBearbeitung b{*szene->Flugzeug, Host()};
    ASSERT_TRUE(WurzeltiefeAendern(b, "0.3"));
    const TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    EXPECT_TRUE(NaheL(g.Position.x, -0.025L, 1e-18L));
    for (int j : {0, 1}) {
        EXPECT_TRUE(NaheL(g.Segmente.Get(j)->Pfeilwinkel, 2.862405226L, 1e-9L));
        EXPECT_TRUE(NaheL(AussenVorderkante(g, j), 0.0L, 1e-12L));
    }
    TAufzeichnenderHost host;
    TBearbeitung falsch{*szene->Flugzeug, host};
    EXPECT_FALSE(WurzeltiefeAendern(falsch, "0"));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{3});
    EXPECT_EQ(g.Profiltiefe, 0.3L);
}

TEST(Parameteraenderungen, SegmentChordKeepsPivotAndTheNextOuterLeadingEdge)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    for (const auto& s : f->Segmente) s->BezugspunktProfiltiefe = 100.0L;
    auto szene = SzeneMit(std::move(f), 0);
    TBearbeitung b{*szene->Flugzeug, Host()};
    ASSERT_TRUE(SegmenttiefeAendern(b, "0.1"));
    const TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    EXPECT_TRUE(NaheL(g.Segmente.Get(0)->Pfeilwinkel, 11.309932474L, 1e-9L));
    EXPECT_TRUE(NaheL(g.Segmente.Get(1)->Pfeilwinkel, -11.309932474L, 1e-9L));
    EXPECT_TRUE(NaheL(AussenVorderkante(g, 1), 0.0L, 1e-12L));
    // The trailing edge (pivot 100 %) of the edited section stays at x = 0.2.
    EXPECT_TRUE(NaheL(AussenVorderkante(g, 0) + 0.1L, 0.2L, 1e-12L));
}

TEST(Parameteraenderungen, SweepOfAReferenceLineAndItsInverse)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(0.5L, 0.1L));
    auto szene = SzeneMit(std::move(f), 0);
    TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    PfeilwinkelSetzen(g, 0, 0.0L, 25.0L);
    EXPECT_TRUE(NaheL(g.Segmente.Get(0)->Pfeilwinkel, 2.862405226L, 1e-9L));
    EXPECT_TRUE(NaheL(BezugslinienPfeilwinkel(g, 0, 25.0L), 0.0L, 1e-15L));
    for (const Extended winkel : {-30.0L, 12.5L, 60.0L}) {
        PfeilwinkelSetzen(g, 0, winkel, 70.0L);
        EXPECT_TRUE(NaheL(BezugslinienPfeilwinkel(g, 0, 70.0L), winkel, 1e-12L));
    }
    TAufzeichnenderHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    EXPECT_FALSE(PfeilwinkelEingeben(b, "89.5"));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{9});
}

TEST(Parameteraenderungen, SweepAsDepth)
{
    auto f = Testflaeche(0.2L);
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    auto szene = SzeneMit(std::move(f), 1);
    TAufzeichnenderHost host;
    TBearbeitung b{*szene->Flugzeug, host};
    TFLAECHE& g = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_TRUE(PfeilwinkelAlsTiefenmass(b, "0.1", TTiefenmass::Variante2));
    EXPECT_TRUE(NaheL(g.Segmente.Get(1)->Pfeilwinkel, std::atan(0.2L) * 57.295779513082320877L, 1e-15L));
    // Variante 1 with the outer x the field shows leaves the sweep where it is.
    const Extended vorher = g.Segmente.Get(1)->Pfeilwinkel;
    ASSERT_TRUE(PfeilwinkelAlsTiefenmass(b, "0.10000", TTiefenmass::Variante1));
    EXPECT_TRUE(NaheL(g.Segmente.Get(1)->Pfeilwinkel, vorher, 1e-12L));
    EXPECT_FALSE(PfeilwinkelAlsTiefenmass(b, "60", TTiefenmass::Variante2));
    EXPECT_FALSE(PfeilwinkelAlsTiefenmass(b, "x", TTiefenmass::Variante2));
    EXPECT_EQ(host.Fehlertexte, (std::vector<int>{44, 2}));
    EXPECT_TRUE(NaheL(g.Segmente.Get(1)->Pfeilwinkel, vorher, 1e-12L));
}

TEST(Parameteraenderungen, ScalingTheAircraftByTheLargestSpan)
{
    auto szene = NeuesFlugzeug();
    for (const Extended spannweite : {2.0L, 0.8L}) {
        auto f = Testflaeche(0.2L);
        f->Segmente.Add(Testsegment(-spannweite / 2.0L, 0.1L));
        f->Segmente.Add(Testsegment(spannweite / 2.0L, 0.1L));
        f->Position = {0.4L, 0.0L, 0.2L};
        f->Masse = 1.0L;
        BaueFlaeche(*f, Host());
        szene->Flugzeug->Flaechen.Add(std::move(f));
    }
    szene->Flugzeug->ZusaetzlicheMassen = 2.0L;
    GitterAufbauen(*szene->Flugzeug, Host().Flags);
    int index = -1;
    const Extended referenz = Referenzspannweite(*szene->Flugzeug, -1, index);
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(NaheL(referenz, 2.0L, 1e-15L));

    TSkalierung wahl;
    wahl.Massen = TMassenregel::Quadratisch;
    TBearbeitung b{*szene->Flugzeug, Host()};
    ASSERT_TRUE(Skalieren(b, 3.0L / referenz, wahl));
    const TFLUGZEUG& fz = *szene->Flugzeug;
    EXPECT_TRUE(NaheL(fz.ZusaetzlicheMassen, 4.5L, 1e-15L));
    for (const auto& f : fz.Flaechen) {
        EXPECT_TRUE(NaheL(f->Profiltiefe, 0.3L, 1e-15L));
        EXPECT_TRUE(NaheL(f->Segmente.Get(0)->Profiltiefe, 0.15L, 1e-15L));
        EXPECT_TRUE(NaheL(f->Position.x, 0.6L, 1e-15L));
        EXPECT_TRUE(NaheL(f->Position.z, 0.3L, 1e-15L));
        EXPECT_TRUE(NaheL(f->Masse, 2.25L, 1e-15L));
    }
    EXPECT_TRUE(NaheL(fz.Flaechen.Get(0)->Spannweite, 3.0L, 1e-12L));

    TAufzeichnenderHost host;
    TBearbeitung falsch{*szene->Flugzeug, host};
    EXPECT_FALSE(Skalieren(falsch, 0.0L, wahl));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{3});
}

TEST(Parameteraenderungen, ScalingByTwoKeepsTheCoefficients)
{
    THost host;
    TSchalter schalter;
    auto szene = SzeneLadenUndAufbauen(VELION_EXAMPLES "/Rechteckfluegel.vel", schalter, host);
    const TBeiwerte vorher = Rechnen(*szene);
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_TRUE(Skalieren(b, 2.0L, TSkalierung{}));
    const TBeiwerte nachher = Rechnen(*szene);
    EXPECT_TRUE(NaheL(nachher.Flaeche, 4.0L * vorher.Flaeche, 1e-12L));
    EXPECT_TRUE(NaheL(nachher.Streckung, vorher.Streckung, 1e-12L));
    // Lattice corners are rounded to 8 decimals, which a scaled lattice meets at other digits: the
    // coefficients agree to that rounding, not to the last bit.
    EXPECT_TRUE(NaheL(nachher.CA, vorher.CA, 1e-6L));
    EXPECT_TRUE(NaheL(nachher.CWi, vorher.CWi, 1e-6L));
    EXPECT_TRUE(NaheL(nachher.CmyNullpunkt, vorher.CmyNullpunkt, 1e-6L));
}

TEST(Parameteraenderungen, ZeroPointShiftWithTheCentreOfGravityKeepsTheCoefficients)
{
    THost host;
    TSchalter schalter;
    auto szene = SzeneLadenUndAufbauen(VELION_EXAMPLES "/Rechteckfluegel.vel", schalter, host);
    const TBeiwerte vorher = Rechnen(*szene);
    TBearbeitung b{*szene->Flugzeug, host};
    ASSERT_TRUE(Nullpunktverschiebung(b, {0.3L, 0.0L, 0.0L}));
    szene->Flugzeug->SchwerpunktX += 0.3L;
    const TBeiwerte nachher = Rechnen(*szene);
    EXPECT_TRUE(NaheL(nachher.CA, vorher.CA, 1e-10L));
    EXPECT_TRUE(NaheL(nachher.CWi, vorher.CWi, 1e-10L));
    EXPECT_TRUE(NaheL(nachher.Cmy, vorher.Cmy, 1e-10L));
}
