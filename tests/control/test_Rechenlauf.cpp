// The single computation run: how often it solves with each wake switch, how it ends when stopped at
// different moments, and that a run after a stop starts afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/LaufHost.h"
#include "control/Rechenlauf.h"
#include "evaluation/Testflugzeuge.h"
#include "model/TPAN.h"
#include "model/TSchalter.h"

namespace {

/// A small wing: 4 chordwise by 2 x 2 spanwise panels.
std::unique_ptr<TSZENE> KleinerFluegel(int nachlaufelemente)
{
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 2);
    szene->Flugzeug->Anstellwinkel = 4.0L;
    szene->Flugzeug->AnzahlNachlaufelemente = nachlaufelemente;
    return szene;
}

TSchalter Schalter(bool einzel, bool komplett)
{
    TSchalter s;
    s.Nachlaufkorrektur = einzel;
    s.NachlaufkorrekturKomplett = komplett;
    return s;
}

TRechenoptionen Seriell()
{
    TRechenoptionen o;
    o.Loeser.Multithread = false;
    return o;
}

/// The solve ("#61") and wake-step ("#62<i>") status texts of a run, in order.
std::vector<std::string> LoesenUndAusrichten(const TLaufHost& host)
{
    std::vector<std::string> folge;
    for (const std::string& t : host.Statustexte)
        if (t.rfind("#61", 0) == 0 || t.rfind("#62", 0) == 0) folge.push_back(t);
    return folge;
}

struct TNachlaufFall {
    const char* name;
    bool einzel;
    bool komplett;
    int n;
    std::vector<std::string> folge;  ///< solves and wake steps in order
};

const std::vector<TNachlaufFall> NachlaufFaelle = {
    {"aus", false, false, 10, {"#61"}},
    {"komplett", false, true, 10, {"#61", "#621", "#622", "#623", "#624", "#625", "#626", "#627", "#628", "#629", "#6210", "#61"}},
    {"einzel", true, false, 4, {"#61", "#621", "#61", "#622", "#61", "#623", "#61", "#624", "#61"}},
    {"beide", true, true, 3, {"#61", "#621", "#622", "#623", "#61", "#622", "#623", "#61", "#623", "#61"}},
    {"einzelOhneElemente", true, false, 0, {"#61"}},
    {"komplettOhneElemente", false, true, 0, {"#61", "#61"}},
};

}  // namespace

TEST(Rechenlauf, WakeSwitchesDecideSolvesAndAlignmentSteps)
{
    for (const TNachlaufFall& fall : NachlaufFaelle) {
        SCOPED_TRACE(fall.name);
        auto szene = KleinerFluegel(fall.n);
        TLaufHost host;
        Rechenlauf(*szene, Schalter(fall.einzel, fall.komplett), Seriell(), host);
        EXPECT_EQ(LoesenUndAusrichten(host), fall.folge);
        EXPECT_EQ(host.Anzahl("#63"), 1);
        EXPECT_TRUE(host.Flags.ErgebnisseGueltig);
        EXPECT_TRUE(host.Flags.RechnungLaeuft) << "the caller clears it when its whole job ends";
        ASSERT_FALSE(host.Statustexte.empty());
        EXPECT_EQ(host.Statustexte.back(), "");
        EXPECT_EQ(host.Hauptbalken, 0);
        EXPECT_EQ(host.Nebenbalken, 0);
    }
}

TEST(Rechenlauf, SingleAlignmentCycleChangesTheResultOnlySlightly)
{
    // Aligned wake lines bend with the downwash; the lift of a lightly loaded wing barely moves.
    auto gerade = KleinerFluegel(10);
    auto ausgerichtet = KleinerFluegel(10);
    TLaufHost h1, h2;
    Rechenlauf(*gerade, Schalter(false, false), Seriell(), h1);
    Rechenlauf(*ausgerichtet, Schalter(false, true), Seriell(), h2);
    const Extended ca1 = gerade->Flugzeug->AuslegungsCa;
    const Extended ca2 = ausgerichtet->Flugzeug->AuslegungsCa;
    EXPECT_NE(ca1, ca2);
    EXPECT_TRUE(NaheL(ca2, ca1, 0.01L * ca1));
}

namespace {

struct TStoppFall {
    const char* name;
    bool einzel;
    const char* text;  ///< status text after which the stop comes
    int mal;           ///< at its how-many-th appearance
    int turns;         ///< after so many event turns
    int loesungen;     ///< solves started before the run ended
};

const std::vector<TStoppFall> StoppFaelle = {
    {"zyklusAssemblierung", true, "#60", 2, 3, 1},
    {"ersteAssemblierung", false, "#60", 1, 1, 0},
    {"nachlaufschritt", true, "#622", 1, 1, 2},
    {"endgueltigeLoesung", false, "#61", 1, 0, 1},
    {"auswertung", false, "#63", 1, 7, 1},
};

}  // namespace

TEST(Rechenlauf, StopEndsTheRunWithoutValidResults)
{
    for (const TStoppFall& fall : StoppFaelle) {
        SCOPED_TRACE(fall.name);
        auto szene = KleinerFluegel(3);
        TLaufHost host;
        host.StoppBei(fall.text, fall.mal, fall.turns);
        Rechenlauf(*szene, Schalter(fall.einzel, false), Seriell(), host);
        EXPECT_TRUE(host.Flags.Stoppanforderung) << "only the caller clears the stop request";
        EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
        EXPECT_FALSE(host.Flags.RechnungLaeuft);
        EXPECT_EQ(host.Anzahl("#61"), fall.loesungen);
        ASSERT_FALSE(host.Statustexte.empty());
        EXPECT_EQ(host.Statustexte.back(), "");
        EXPECT_EQ(host.Hauptbalken, 0);
        EXPECT_EQ(host.Nebenbalken, 0);
        EXPECT_EQ(szene->Flugzeug->Momentenrichtung, (std::array<int, 3>{1, 1, 1}));
    }
}

TEST(Rechenlauf, StopInFinalSolveStillDistributesTheUnsolvedCirculations)
{
    auto szene = KleinerFluegel(3);
    TLaufHost host;
    host.StoppBei("#61");
    Rechenlauf(*szene, Schalter(false, false), Seriell(), host);
    EXPECT_EQ(host.Anzahl("#63"), 0) << "the evaluation is skipped";
    ASSERT_FALSE(szene->Panelliste.empty());
    for (const TPAN* p : szene->Panelliste) EXPECT_EQ(p->GebundenerWirbel.Zirkulation, 100000.0L);
    // The outer wake line of the outermost strip carries that strip's total circulation.
    const TLIST2D<TPAN>& raster = szene->Flugzeug->Flaechen.Get(0)->Panelraster;
    const int aussen = raster.RowCount() - 1;
    const TPAN& hinten = *raster.Get(aussen, raster.Count(aussen) - 1);
    EXPECT_EQ(hinten.WirbelRechts.back().Zirkulation, 4 * 100000.0L);
}

TEST(Rechenlauf, RunAfterAStopGivesTheResultsOfAnUndisturbedRun)
{
    auto ungestoert = KleinerFluegel(3);
    TLaufHost h1;
    Rechenlauf(*ungestoert, Schalter(true, false), Seriell(), h1);

    auto szene = KleinerFluegel(3);
    TLaufHost host;
    host.StoppBei("#60", 2, 2);
    Rechenlauf(*szene, Schalter(true, false), Seriell(), host);
    ASSERT_FALSE(host.Flags.ErgebnisseGueltig);

    // Started again while the request is still set, it ends at its first check.
    Rechenlauf(*szene, Schalter(true, false), Seriell(), host);
    EXPECT_FALSE(host.Flags.ErgebnisseGueltig);

    host.Flags.Stoppanforderung = false;
    Rechenlauf(*szene, Schalter(true, false), Seriell(), host);
    ASSERT_TRUE(host.Flags.ErgebnisseGueltig);
    const TFLUGZEUG& a = *ungestoert->Flugzeug;
    const TFLUGZEUG& b = *szene->Flugzeug;
    EXPECT_EQ(b.AuslegungsCa, a.AuslegungsCa);
    EXPECT_EQ(b.CWi, a.CWi);
    EXPECT_EQ(b.Cmy, a.Cmy);
}

TEST(Rechenlauf, ParallelAssemblyGivesTheSerialResult)
{
    auto seriell = KleinerFluegel(3);
    auto parallel = KleinerFluegel(3);
    TLaufHost h1, h2;
    Rechenlauf(*seriell, Schalter(true, true), Seriell(), h1);
    TRechenoptionen zwei;
    zwei.Loeser.Prozessorzahl = 2;
    Rechenlauf(*parallel, Schalter(true, true), zwei, h2);
    EXPECT_EQ(parallel->Flugzeug->AuslegungsCa, seriell->Flugzeug->AuslegungsCa);
    EXPECT_EQ(parallel->Flugzeug->CWi, seriell->Flugzeug->CWi);
}

TEST(Rechenlauf, AltitudeSetsTheDensityUnlessItMarksWater)
{
    struct Fall {
        const char* name;
        Extended hoehe, dichte, erwartet;
    };
    const Fall faelle[] = {{"luft", 500.0L, 0.0L, 1.1685L}, {"wasser", -1.0L, 1000.0L, 1000.0L}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        auto szene = KleinerFluegel(3);
        szene->Flugzeug->Flughoehe = f.hoehe;
        szene->Flugzeug->Luftdichte = f.dichte;
        TLaufHost host;
        Rechenlauf(*szene, Schalter(false, false), Seriell(), host);
        EXPECT_TRUE(NaheL(szene->Flugzeug->Luftdichte, f.erwartet, 1e-15L));
    }
}

TEST(Rechenlauf, PanellisteRunsSurfaceByStripByColumn)
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    TLaufHost host;
    Rechenlauf(*szene, TSchalter{}, Seriell(), host);
    int position = 0;
    for (int f = 0; f < szene->Flugzeug->Flaechen.Count(); ++f) {
        const TLIST2D<TPAN>& raster = szene->Flugzeug->Flaechen.Get(f)->Panelraster;
        for (int j = 0; j < raster.RowCount(); ++j)
            for (int k = 0; k < raster.Count(j); ++k) {
                ASSERT_LT(position, static_cast<int>(szene->Panelliste.size()));
                EXPECT_EQ(szene->Panelliste[position++], raster.Get(j, k));
            }
    }
    EXPECT_EQ(position, static_cast<int>(szene->Panelliste.size()));
}

TEST(Rechenlauf, BerechnungStoppenResetsTheDisplayAtOnce)
{
    TLaufHost host;
    host.Flags.RechnungLaeuft = true;
    host.Hauptbalken = host.Nebenbalken = 17;
    BerechnungStoppen(host);
    EXPECT_TRUE(host.Flags.Stoppanforderung);
    EXPECT_FALSE(host.Flags.RechnungLaeuft);
    EXPECT_EQ(host.Hauptbalken, 0);
    EXPECT_EQ(host.Nebenbalken, 0);
    ASSERT_EQ(host.Statustexte.size(), 1u);
    EXPECT_EQ(host.Statustexte[0], "");
}

TEST(Rechenlauf, UnsolvableSystemEndsTheRunWithoutResults)
{
    for (const bool nachlauf : {false, true}) {
        SCOPED_TRACE(nachlauf ? "wake cycle" : "final solve");
        auto szene = testflugzeuge::DoppelterFluegel();
        TLaufHost host;
        Rechenlauf(*szene, Schalter(nachlauf, false), Seriell(), host);
        EXPECT_EQ(host.Fehlertexte, std::vector<int>{48});
        EXPECT_FALSE(host.Flags.ErgebnisseGueltig);
        EXPECT_FALSE(host.Flags.RechnungLaeuft);
        EXPECT_FALSE(host.Flags.Stoppanforderung);
        ASSERT_FALSE(host.Statustexte.empty());
        EXPECT_EQ(host.Statustexte.back(), "");
    }
}

