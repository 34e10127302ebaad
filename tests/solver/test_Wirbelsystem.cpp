// Side lines and wake lines of the lattice, and the circulation they carry after a solution.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "common/Fehler.h"
#include "common/TestHilfe.h"
#include "geometry/Wirbelaufbau.h"
#include "solver/Rechteckfluegel.h"
#include "solver/Wirbelinduktion.h"
#include "solver/Wirbelsystem.h"

namespace {

bool Gleich(const T3Vektor& a, const T3Vektor& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

T3Vektor Mitte(const T3Vektor& a, const T3Vektor& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }

}  // namespace

TEST(Wirbelsystem, NachlaufelementeSindKosinusgeteilt)
{
    TFluegelmass m;
    m.PanelsX = 2;
    m.PanelsY = 2;
    TTestgitter g({m}, 4.0L, 4, 1.0L);
    const TLIST2D<TPAN>& t = g.Flaechen[0]->Panelraster;
    const TPAN& hinten = *t.Get(1, 1);
    const Extended c = std::cos(std::numbers::pi_v<Extended> / 8);
    const Extended s = std::sin(std::numbers::pi_v<Extended> / 8);
    const std::vector<Extended> laengen = {1 - c, c - std::sqrt(0.5L), std::sqrt(0.5L) - s, s, 99999.0L};
    for (const auto* liste : {&hinten.WirbelLinks, &hinten.WirbelRechts}) {
        ASSERT_EQ(liste->size(), 6U);
        EXPECT_EQ((*liste)[0].Art, liste == &hinten.WirbelLinks ? WirbelSeitenlinieLinks : WirbelSeitenlinieRechts);
        Extended summe = 0;
        for (std::size_t k = 1; k < liste->size(); ++k) {
            SCOPED_TRACE(k);
            const TWirbel& w = (*liste)[k];
            EXPECT_EQ(w.Art, liste == &hinten.WirbelLinks ? WirbelNachlaufLinks : WirbelNachlaufRechts);
            EXPECT_TRUE(Gleich(w.Anfang, (*liste)[k - 1].Ende));  // the line stays connected
            EXPECT_TRUE(NaheL(w.Laenge, laengen[k - 1], 1e-15L));
            EXPECT_TRUE(NaheL(w.Richtung.x, g.Anstroemrichtung.x, 1e-17L));
            EXPECT_TRUE(NaheL(w.Richtung.z, g.Anstroemrichtung.z, 1e-17L));
            if (k < liste->size() - 1) summe += w.Laenge;
        }
        EXPECT_TRUE(NaheL(summe, 1.0L, 1e-16L));  // pi/2 is taken as 1.5707963267948966
    }
}

TEST(Wirbelsystem, OhneNachlaufelementeNurDasEndelement)
{
    TFluegelmass m;
    m.PanelsX = 1;
    m.PanelsY = 3;
    TTestgitter g({m}, 0.0L, 0);
    const TLIST2D<TPAN>& t = g.Flaechen[0]->Panelraster;
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        const TPAN& p = *t.Get(s, 0);
        // One chordwise panel: the segment to the trailing corner, then directly the wake.
        ASSERT_EQ(p.WirbelLinks.size(), 2U);
        EXPECT_EQ(p.WirbelLinks[1].Laenge, LaengeEndelement);
        EXPECT_EQ(p.WirbelRechts.size(), s == 2 ? 2U : 0U);
    }
}

TEST(Wirbelsystem, SeitenlinienAufDerMitteZwischenDenStreifen)
{
    // A tapered, swept wing with dihedral: neighbouring edges meet, the shared line is their mean.
    TFluegelmass m;
    m.PanelsX = 3;
    m.PanelsY = 4;
    m.Pfeil = 0.3L;
    m.VForm = 0.1L;
    m.Zuspitzung = 0.5L;
    TTestgitter g({m}, 3.0L, 2);
    const TLIST2D<TPAN>& t = g.Flaechen[0]->Panelraster;
    for (int s = 0; s < 4; ++s) {
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(std::to_string(s) + "," + std::to_string(j));
            const TPAN& p = *t.Get(s, j);
            EXPECT_TRUE(Gleich(p.GebundenerWirbel.Anfang, p.ViertelpunktLinks));
            EXPECT_TRUE(Gleich(p.GebundenerWirbel.Ende, p.ViertelpunktRechts));
            EXPECT_EQ(p.GebundenerWirbel.Art, WirbelGebunden);
            const std::size_t erwartet = j == 2 ? 2 + 2 : 2;
            ASSERT_EQ(p.WirbelLinks.size(), erwartet);
            for (std::size_t k = 0; k < 2 && k < (j == 2 ? 1U : 2U); ++k) EXPECT_EQ(p.WirbelLinks[k].Art, WirbelSeitenlinieLinks);
            const T3Vektor anfang = s == 0 ? p.ViertelpunktLinks : Mitte(t.Get(s - 1, j)->ViertelpunktRechts, p.ViertelpunktLinks);
            const T3Vektor ecke = s == 0 ? p.EckeHintenLinks : Mitte(t.Get(s - 1, j)->EckeHintenRechts, p.EckeHintenLinks);
            EXPECT_TRUE(Gleich(p.WirbelLinks[0].Anfang, anfang));
            EXPECT_TRUE(Gleich(p.WirbelLinks[0].Ende, ecke));
            EXPECT_GT(p.WirbelLinks[0].Richtung.x, 0.0L);  // side lines run rearwards
            if (j < 2) {
                // The line continues at the next panel's quarter point (in strip 0) or the mean of both.
                const TPAN& n = *t.Get(s, j + 1);
                const T3Vektor weiter = s == 0 ? n.ViertelpunktLinks : Mitte(t.Get(s - 1, j + 1)->ViertelpunktRechts, n.ViertelpunktLinks);
                EXPECT_TRUE(Gleich(p.WirbelLinks[1].Ende, weiter));
                EXPECT_TRUE(Gleich(n.WirbelLinks[0].Anfang, weiter));
            }
            EXPECT_EQ(p.WirbelRechts.empty(), s != 3);
        }
    }
    // Rebuilding starts from scratch.
    TNachlaufvorgabe nachlauf{2, 1.0L, g.Anstroemrichtung};
    WirbelAufbauen(g.Flaechen[0]->Panelraster, nachlauf);
    EXPECT_EQ(t.Get(0, 2)->WirbelLinks.size(), 4U);
    EXPECT_EQ(t.Get(3, 0)->WirbelRechts.size(), 2U);
}

TEST(Wirbelsystem, UnvollstaendigeTabelleWirdGemeldet)
{
    TFluegelmass m;
    m.PanelsX = 2;
    m.PanelsY = 2;
    TTestflaeche f;
    BaueFlaeche(f, m);
    f.Panelraster.Put(0, 1, nullptr);  // strip 1 finds no neighbour panel in strip 0
    EXPECT_THROW(WirbelAufbauen(f.Panelraster, TNachlaufvorgabe{}), EVelionFehler);
}

TEST(Wirbelsystem, VerteileZirkulationSummiertDieHufeisen)
{
    TFluegelmass m;
    m.PanelsX = 3;
    m.PanelsY = 3;
    TTestgitter g({m}, 5.0L, 3);
    TLIST2D<TPAN>& t = g.Flaechen[0]->Panelraster;
    // Gamma(s, k) = 10 s + k + 1
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 3; ++k) t.Get(s, k)->GebundenerWirbel.Zirkulation = 10.0L * s + k + 1;
    VerteileZirkulation(t);
    const auto summeBis = [&](int s, int k) {
        Extended summe = 0;
        for (int c = 0; c <= k; ++c) summe += t.Get(s, c)->GebundenerWirbel.Zirkulation;
        return summe;
    };
    for (int s = 0; s < 3; ++s) {
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(std::to_string(s) + "," + std::to_string(k));
            const TPAN& p = *t.Get(s, k);
            const Extended links = (s > 0 ? summeBis(s - 1, k) : 0) - summeBis(s, k);
            for (const TWirbel& w : p.WirbelLinks) EXPECT_EQ(w.Zirkulation, links);
            for (const TWirbel& w : p.WirbelRechts) EXPECT_EQ(w.Zirkulation, summeBis(s, k));
        }
    }
    // Behind the trailing edge: the outer wake of the outermost strip carries that strip's total,
    // the inner wake of strip 0 minus strip 0's total.
    EXPECT_EQ(t.Get(2, 2)->WirbelRechts.back().Zirkulation, 21.0L + 22.0L + 23.0L);
    EXPECT_EQ(t.Get(0, 2)->WirbelLinks.back().Zirkulation, -6.0L);
}
