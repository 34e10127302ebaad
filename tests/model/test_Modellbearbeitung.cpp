// Coupled edits: a width keeps the segment's side, altitude and density follow each other, the
// chord pivot and the sweep reference line apply to the whole surface.
#include <gtest/gtest.h>

#include "common/TestHilfe.h"
#include "model/Atmosphaere.h"
#include "model/Modellbearbeitung.h"

TEST(Modellbearbeitung, SegmentbreiteBehaeltDieSeite)
{
    TAufzeichnenderHost host;
    TSEGMENT links;
    links.Segmentbreite = -0.5L;
    EXPECT_TRUE(SegmentbreiteEingeben(host, links, "0.3"));
    EXPECT_EQ(links.Segmentbreite, -0.3L);
    TSEGMENT rechts;
    rechts.Segmentbreite = 0.5L;
    EXPECT_TRUE(SegmentbreiteEingeben(host, rechts, "0,25"));
    EXPECT_EQ(rechts.Segmentbreite, 0.25L);
    EXPECT_FALSE(SegmentbreiteEingeben(host, rechts, "-0.25"));
    EXPECT_EQ(rechts.Segmentbreite, 0.25L);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{3});
}

TEST(Modellbearbeitung, HoeheUndDichteBleibenVerbunden)
{
    TAufzeichnenderHost host;
    TFLUGZEUG f;
    f.Luftdichte = 1.225L;
    EXPECT_TRUE(FlughoeheEingeben(host, f, "500"));
    EXPECT_EQ(f.Flughoehe, 500.0L);
    EXPECT_EQ(f.Luftdichte, 1.225L);  // the run derives the density from the altitude
    EXPECT_TRUE(FlughoeheEingeben(host, f, "-0.6"));
    EXPECT_EQ(f.Luftdichte, 1000.0L);  // rounds to -1: water

    EXPECT_TRUE(LuftdichteEingeben(host, f, "1.112"));
    EXPECT_TRUE(NaheL(f.Flughoehe, 1000.0L, 1e-12L));
    EXPECT_TRUE(LuftdichteEingeben(host, f, "998"));
    EXPECT_EQ(f.Flughoehe, -1.0L);
    EXPECT_FALSE(LuftdichteEingeben(host, f, "-1"));
    EXPECT_EQ(f.Luftdichte, 998.0L);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{18});

    WasserLuftSetzen(f, true);
    EXPECT_EQ(f.Luftdichte, 1000.0L);
    EXPECT_EQ(f.Flughoehe, -1.0L);
    WasserLuftSetzen(f, false);
    EXPECT_EQ(f.Luftdichte, 1.225L);
    EXPECT_EQ(f.Flughoehe, HoeheAusDichte(1.225L));
}

TEST(Modellbearbeitung, BezugspunkteGeltenFuerDieGanzeFlaeche)
{
    TAufzeichnenderHost host;
    TFLUGZEUG f;
    NeueFlaecheAnhaengen(f);
    TFLAECHE& fl = *f.Flaechen.Get(0);
    EXPECT_TRUE(BezugspunktProfiltiefeEingeben(host, fl, "25"));
    EXPECT_EQ(fl.BezugspunktProfiltiefe, 25.0L);
    for (const auto& s : fl.Segmente) EXPECT_EQ(s->BezugspunktProfiltiefe, 25.0L);
    EXPECT_TRUE(BezugspunktPfeilwinkelEingeben(host, fl, "70"));
    for (const auto& s : fl.Segmente) EXPECT_EQ(s->BezugspunktPfeilwinkel, 70.0L);
    EXPECT_FALSE(BezugspunktProfiltiefeEingeben(host, fl, "120"));
    EXPECT_EQ(fl.BezugspunktProfiltiefe, 25.0L);
    for (const auto& s : fl.Segmente) EXPECT_EQ(s->BezugspunktProfiltiefe, 25.0L);
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{4});
}
