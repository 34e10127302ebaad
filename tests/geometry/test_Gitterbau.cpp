// Lattice construction: the panel table and its indices, watertight rounded corners, the volume
// model and the surface reference values.
#include "geometry/Gitterbau.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Testflaechen.h"
#include "common/Host.h"
#include "common/TestHilfe.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"

namespace {

void Bauen(TFLAECHE& f, int index = 0)
{
    BaueFlaeche(f, Host());
    PanelsAufbauen(f, index);
    Bezugswerte(f);
    SpannweiteStreckung(f);
}

bool Gleich(const TPUNKT& a, const TPUNKT& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z; }

/// Every pair of neighbouring panels in the table shares its two common corners exactly.
::testing::AssertionResult Wasserdicht(const TLIST2D<TPAN>& t)
{
    for (int r = 0; r < t.RowCount(); ++r) {
        for (int k = 0; k < t.Count(r); ++k) {
            const TPAN& p = *t.Get(r, k);
            if (const TPAN* hinten = t.Get(r, k + 1)) {
                if (!Gleich(p.Ecken[0], hinten->Ecken[3]) || !Gleich(p.Ecken[1], hinten->Ecken[2]))
                    return ::testing::AssertionFailure() << "chordwise gap behind panel " << r << "/" << k;
            }
            if (const TPAN* rechts = t.Get(r + 1, k)) {
                if (!Gleich(p.Ecken[1], rechts->Ecken[0]) || !Gleich(p.Ecken[2], rechts->Ecken[3]))
                    return ::testing::AssertionFailure() << "spanwise gap right of panel " << r << "/" << k;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Gitterbau, RechteckfluegelPaneltabelleUndBezugswerte)
{
    auto f = Rechteckfluegel();
    Bauen(*f, 3);
    ASSERT_EQ(f->Panelraster.RowCount(), 2);
    EXPECT_EQ(f->Gitterpanels.size(), 8U);
    for (int r = 0; r < 2; ++r) {
        ASSERT_EQ(f->Panelraster.Count(r), 4);
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(r * 10 + k);
            const TPAN& p = *f->Panelraster.Get(r, k);
            EXPECT_EQ(p.Flaeche, 3);
            EXPECT_EQ(p.Segment, r);
            EXPECT_EQ(p.StreifenImSegment, 0);
            EXPECT_EQ(p.Streifen, r);
            EXPECT_EQ(p.Spalte, k);
            EXPECT_EQ(p.Seite, r == 0 ? -1 : 1);
            EXPECT_EQ(p.Tabelle, &f->Panelraster);
            EXPECT_EQ(p.GebundenerWirbel.Zirkulation, 100000.0L);
            EXPECT_EQ(p.Fuellmodus, 2);
            // Column 0 is the leading-edge panel; each is 5 cm deep and 0.5 m wide.
            EXPECT_TRUE(NaheL(p.EckeVorneLinks.x, 0.05L * k, 1e-15L));
            EXPECT_TRUE(NaheL(p.EckeHintenLinks.x, 0.05L * (k + 1), 1e-15L));
            EXPECT_TRUE(NaheL(p.EckeVorneLinks.y, r == 0 ? -0.5L : 0.0L, 1e-15L));
            EXPECT_TRUE(NaheL(p.Flaecheninhalt, 0.025L, 1e-15L));
            EXPECT_TRUE(NaheL(p.Normale.z, 1.0L, 1e-15L));
        }
    }
    EXPECT_TRUE(NaheL(f->FlaecheHorizontal, 0.2L, 1e-15L));
    EXPECT_TRUE(NaheL(f->FlaecheWahr, 0.2L, 1e-15L));
    EXPECT_EQ(f->FlaecheSeitlich, 0.0L);
    EXPECT_TRUE(NaheL(f->Bezugstiefe, 0.2L, 1e-15L));
    EXPECT_TRUE(NaheL(f->Spannweite, 1.0L, 1e-15L));
    EXPECT_TRUE(NaheL(f->Streckung, 5.0L, 1e-14L));

    // The volume model: one strip per segment, around the 31-point contour.
    ASSERT_EQ(f->Volumenraster.RowCount(), 2);
    EXPECT_EQ(f->Volumenraster.Count(0), 30);
    EXPECT_EQ(f->Volumenraster.Get(1, 0)->Tabelle, &f->Volumenraster);
}

TEST(Gitterbau, VFormNeunzigGradZaehltNurSeitlich)
{
    auto f = Rechteckfluegel();
    auto fin = Testsegment(0.5L, 0.2L);
    fin->VFormWinkel = 90.0L;
    f->Segmente.Add(std::move(fin));
    Bauen(*f);
    EXPECT_TRUE(NaheL(f->FlaecheHorizontal, 0.2L, 1e-15L));
    EXPECT_TRUE(NaheL(f->FlaecheSeitlich, 0.1L, 1e-15L));
    EXPECT_TRUE(NaheL(f->FlaecheWahr, 0.3L, 1e-15L));
    // The upright segment adds next to nothing to the span.
    EXPECT_TRUE(NaheL(f->Spannweite, 1.0L, 1e-12L));

    auto seitenleitwerk = Testflaeche(0.2L);
    seitenleitwerk->Segmente.Add(Testsegment(0.5L, 0.2L));
    seitenleitwerk->Segmente.Get(0)->VFormWinkel = 90.0L;
    Bauen(*seitenleitwerk);
    EXPECT_EQ(seitenleitwerk->FlaecheHorizontal, 0.0L);
    EXPECT_TRUE(NaheL(seitenleitwerk->FlaecheSeitlich, 0.1L, 1e-15L));
    EXPECT_EQ(seitenleitwerk->Streckung, 0.0L);
    EXPECT_TRUE(std::isfinite(seitenleitwerk->Bezugstiefe));
}

TEST(Gitterbau, TrapezBezugstiefe)
{
    auto f = Testflaeche(0.3L);
    f->Segmente.Add(Testsegment(1.0L, 0.1L));
    Bauen(*f);
    EXPECT_TRUE(NaheL(f->FlaecheWahr, 0.2L, 1e-15L));
    EXPECT_TRUE(NaheL(f->Bezugstiefe, 0.13L / 3.0L / 0.2L, 1e-15L));
    EXPECT_TRUE(NaheL(f->Bezugstiefe, 0.216666666666666667L, 1e-15L));
}

TEST(Gitterbau, FlaecheOhneSegmente)
{
    auto f = Testflaeche(0.2L);
    Bauen(*f);
    EXPECT_EQ(f->Panelraster.RowCount(), 0);
    EXPECT_EQ(f->Volumenraster.RowCount(), 0);
    EXPECT_EQ(f->FlaecheHorizontal, 0.0L);
    EXPECT_EQ(f->FlaecheWahr, 0.0L);
    EXPECT_EQ(f->Bezugstiefe, 0.0L);
    EXPECT_EQ(f->Spannweite, 0.0L);
    EXPECT_EQ(f->Streckung, 0.0L);
}

TEST(Gitterbau, GemeinsameEckenSindBitgleich)
{
    // Sweep, taper, twist, dihedral, incidence, an offset position and uneven stations: the corners
    // of neighbouring panels, across strips, segments and the root, must still coincide. (A flap
    // deflected on one segment only opens a real gap at the joint, so the flaps stay neutral here.)
    auto f = Testflaeche(0.23L, 7);
    f->VerteilungX = TVerteilung::Cos;
    f->Position = {0.137L, -0.011L, 0.0733L};
    f->Einstellwinkel = 1.7L;
    f->Verwindungswinkel = 0.9L;
    const Extended breite[] = {-0.37L, -0.61L, 0.61L, 0.37L};
    const TVerteilung verteilung[] = {TVerteilung::SinL, TVerteilung::Cos, TVerteilung::SinR, TVerteilung::Linear};
    for (int j = 0; j < 4; ++j) {
        auto s = Testsegment(breite[j], 0.21L - 0.03L * (j == 0 || j == 3));
        s->AnzahlPanelsY = 3 + j;
        s->VerteilungY = verteilung[j];
        s->Pfeilwinkel = 3.3L * (j + 1);
        s->VFormWinkel = 4.0L + j;
        s->Verwindungswinkel = -1.3L * j;
        f->Segmente.Add(std::move(s));
    }
    Bauen(*f);
    ASSERT_EQ(f->Panelraster.RowCount(), 3 + 4 + 5 + 6);
    EXPECT_TRUE(Wasserdicht(f->Panelraster));
    for (const auto& p : f->Gitterpanels) {
        for (const auto& e : p->Ecken) {
            EXPECT_EQ(RoundReal(8, e.X), e.X);
            EXPECT_EQ(RoundReal(8, e.Y), e.Y);
            EXPECT_EQ(RoundReal(8, e.Z), e.Z);
        }
    }
}

TEST(Gitterbau, PositionUndNeuaufbau)
{
    auto f = Rechteckfluegel();
    f->Position = {1.0L, 0.0L, 0.25L};
    Bauen(*f);
    const TPAN& p = *f->Panelraster.Get(1, 3);
    EXPECT_TRUE(NaheL(p.Ecken[1].X, 1.2L, 1e-15L));
    EXPECT_TRUE(NaheL(p.Ecken[1].Y, 0.5L, 1e-15L));
    EXPECT_TRUE(NaheL(p.Ecken[1].Z, 0.25L, 1e-15L));
    // The span does not depend on the position.
    EXPECT_TRUE(NaheL(f->Spannweite, 1.0L, 1e-15L));

    f->AnzahlPanelsX = 6;
    f->Segmente.Get(0)->AnzahlPanelsY = 2;
    Bauen(*f);
    EXPECT_EQ(f->Gitterpanels.size(), 18U);
    ASSERT_EQ(f->Panelraster.RowCount(), 3);
    EXPECT_EQ(f->Panelraster.Count(2), 6);
    EXPECT_EQ(f->Panelraster.Get(2, 5)->Streifen, 2);
    EXPECT_EQ(f->Panelraster.Get(2, 5)->StreifenImSegment, 0);
    EXPECT_EQ(f->Panelraster.Get(1, 5)->StreifenImSegment, 1);
}

TEST(Gitterbau, GitterAufbauenFuerDasFlugzeug)
{
    TFLUGZEUG flugzeug;
    flugzeug.Flaechen.Add(Rechteckfluegel());
    flugzeug.Flaechen.Add(Testflaeche(0.1L));
    flugzeug.Anstellwinkel = 5.0L;
    flugzeug.AnzahlNachlaufelemente = 4;
    for (const auto& f : flugzeug.Flaechen) BaueFlaeche(*f, Host());
    TLaufFlags flags;
    flags.ErgebnisseGueltig = true;
    GitterAufbauen(flugzeug, flags);
    EXPECT_FALSE(flags.ErgebnisseGueltig);
    EXPECT_EQ(flugzeug.Flaechen.Get(0)->Panelraster.Get(1, 0)->Flaeche, 0);
    EXPECT_EQ(flugzeug.Flaechen.Get(0)->Gitterpanels.size(), 8U);
    EXPECT_TRUE(flugzeug.Flaechen.Get(1)->Gitterpanels.empty());
    EXPECT_TRUE(NaheL(flugzeug.Anstroemrichtung.z, std::sin(5.0L / GradProRad), 1e-18L));
    // The vortex system follows: a trailing-edge panel carries its side segment, the wake elements
    // and the final element, which runs along the new free stream.
    const TPAN& hinten = *flugzeug.Flaechen.Get(0)->Panelraster.Get(0, 3);
    ASSERT_EQ(hinten.WirbelLinks.size(), 6U);
    EXPECT_TRUE(NaheL(hinten.WirbelLinks.back().Richtung.z, std::sin(5.0L / GradProRad), 1e-15L));
    EXPECT_EQ(hinten.GebundenerWirbel.Anfang.x, hinten.ViertelpunktLinks.x);
}
