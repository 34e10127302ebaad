// Assembly of the influence coefficients: the horseshoe of every panel, the two row builders,
// serial and parallel assembly, the stop request and a failing worker.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/Fehler.h"
#include "common/TestHilfe.h"
#include "solver/Gleichungssystem.h"
#include "solver/Loeser.h"
#include "solver/Rechteckfluegel.h"
#include "solver/StoppHost.h"
#include "solver/T_Thread_Szene.h"
#include "solver/Wirbelinduktion.h"

namespace {

/// A wing with sweep, dihedral and taper and a tailplane behind it: two tables, interior and
/// outermost strips, several columns.
std::vector<TFluegelmass> FluegelMitLeitwerk()
{
    TFluegelmass fluegel;
    fluegel.Spannweite = 1.6L;
    fluegel.Tiefe = 0.25L;
    fluegel.PanelsX = 4;
    fluegel.PanelsY = 8;
    fluegel.Pfeil = 0.2L;
    fluegel.VForm = 0.08L;
    fluegel.Zuspitzung = 0.6L;
    TFluegelmass leitwerk;
    leitwerk.Spannweite = 0.5L;
    leitwerk.Tiefe = 0.12L;
    leitwerk.PanelsX = 2;
    leitwerk.PanelsY = 4;
    leitwerk.Position = {0.8L, 0.01L, 0.05L};
    leitwerk.Flaeche = 1;
    return {fluegel, leitwerk};
}

std::vector<Extended> Block(const TGleichungssystem& s)
{
    const std::size_t n = static_cast<std::size_t>(s.N());
    return {s.Daten(), s.Daten() + n * (n + 1)};
}

/// The horseshoe of source panel q, its legs collected from the table directly: bound vortex, left
/// leg against its direction, right leg along it.
Extended Hufeisen(const TPAN& q, const T3Vektor& P, const T3Vektor& n)
{
    const TLIST2D<TPAN>& t = *q.Tabelle;
    Extended k = Normalkern(q.GebundenerWirbel, P, n);
    for (int s = q.Spalte; s < t.Count(q.Streifen); ++s)
        for (const TWirbel& w : t.Get(q.Streifen, s)->WirbelLinks) k -= Normalkern(w, P, n);
    const bool aussen = q.Streifen + 1 == t.RowCount();
    for (int s = q.Spalte; s < t.Count(q.Streifen); ++s) {
        const TPAN& r = aussen ? *t.Get(q.Streifen, s) : *t.Get(q.Streifen + 1, s);
        for (const TWirbel& w : aussen ? r.WirbelRechts : r.WirbelLinks) k += Normalkern(w, P, n);
    }
    return k;
}

}  // namespace

TEST(Gleichungssystem, ZeilenSindHufeisenUndRechteSeite)
{
    TTestgitter g(FluegelMitLeitwerk(), 4.0L, 5);
    TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
    s.Zeilenaufbau = TZeilenaufbau::Referenz;
    s.Leeren();
    const int n = s.N();
    ASSERT_EQ(n, 40);
    for (int i = 0; i < n; ++i) s.BaueZeile(i);
    ASSERT_TRUE(s.Vollstaendig());
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        const TPAN& p = *g.Panelliste[static_cast<std::size_t>(i)];
        ASSERT_EQ(p.Einflusskoeffizienten.size(), static_cast<std::size_t>(n + 1));
        EXPECT_EQ(p.Einflusskoeffizienten.data(), s.Zeile(i).data());
        for (int j = 0; j < n; ++j) {
            const Extended soll = Hufeisen(*g.Panelliste[static_cast<std::size_t>(j)], p.Aufpunkt, p.Normale);
            EXPECT_TRUE(NaheL(p.Einflusskoeffizienten[static_cast<std::size_t>(j)], soll, 1e-15L * (1 + std::fabs(soll))));
        }
        EXPECT_EQ(p.Einflusskoeffizienten[static_cast<std::size_t>(n)],
                  -12.566370614359172954L * Skalarprodukt3D(g.Anstroemrichtung, p.Normale));
        // A horseshoe of positive circulation induces downwash on its own panel.
        EXPECT_LT(p.Einflusskoeffizienten[static_cast<std::size_t>(i)], 0.0L);
    }
}

TEST(Gleichungssystem, SummierterAufbauGleichtDemReferenzaufbau)
{
    TTestgitter g(FluegelMitLeitwerk(), 6.0L, 10);
    TGleichungssystem referenz(g.Panelliste, g.Anstroemrichtung);
    referenz.Zeilenaufbau = TZeilenaufbau::Referenz;
    referenz.Leeren();
    const int n = referenz.N();
    for (int i = 0; i < n; ++i) referenz.BaueZeile(i);
    const std::vector<Extended> soll = Block(referenz);

    TGleichungssystem summiert(g.Panelliste, g.Anstroemrichtung);
    summiert.Leeren();
    for (int i = 0; i < n; ++i) summiert.BaueZeile(i);
    Extended groessteAbweichung = 0;
    for (int i = 0; i < n; ++i) {
        const std::span<const Extended> z = summiert.Zeile(i);
        for (int j = 0; j <= n; ++j) {
            const Extended a = soll[static_cast<std::size_t>(i * (n + 1) + j)];
            const Extended b = z[static_cast<std::size_t>(j)];
            const Extended rel = a == b ? 0 : std::fabs(a - b) / std::max(std::fabs(a), std::fabs(b));
            groessteAbweichung = std::max(groessteAbweichung, rel);
        }
    }
    EXPECT_LE(groessteAbweichung, 1e-12L) << static_cast<double>(groessteAbweichung);
}

TEST(Gleichungssystem, EinPanelFlaecheNimmtRechtesBeinAusWirbelRechts)
{
    TFluegelmass m;
    m.PanelsX = 1;
    m.PanelsY = 1;
    TTestgitter g({m}, 5.0L, 3);
    TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
    s.Leeren();
    s.BaueZeile(0);
    const TPAN& p = *g.Panelliste[0];
    Extended soll = Normalkern(p.GebundenerWirbel, p.Aufpunkt, p.Normale);
    for (const TWirbel& w : p.WirbelLinks) soll -= Normalkern(w, p.Aufpunkt, p.Normale);
    for (const TWirbel& w : p.WirbelRechts) soll += Normalkern(w, p.Aufpunkt, p.Normale);
    EXPECT_TRUE(NaheL(s.Zeile(0)[0], soll, 1e-16L));
    EXPECT_EQ(p.WirbelRechts.size(), 5U);
}

TEST(Gleichungssystem, RechteSeiteNullWennNormaleQuerZurAnstroemung)
{
    TFluegelmass m;
    m.PanelsX = 2;
    m.PanelsY = 2;
    TTestgitter g({m}, 0.0L);
    TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
    s.Leeren();
    TAufzeichnenderHost host;
    ASSERT_TRUE(BaueSystem(s, host));
    for (int i = 0; i < s.N(); ++i) EXPECT_EQ(s.Zeile(i)[static_cast<std::size_t>(s.N())], 0.0L);
}

TEST(Gleichungssystem, KontrollpunktAufNachlauflinieBleibtEndlich)
{
    // At zero angle of attack the tailplane lies in the plane of the wing's wake, and its middle
    // control point sits exactly on the wake line of the wing's middle side line.
    TFluegelmass fluegel;
    fluegel.PanelsX = 2;
    fluegel.PanelsY = 4;
    TFluegelmass leitwerk = fluegel;
    leitwerk.Spannweite = 0.5L;
    leitwerk.PanelsY = 1;
    leitwerk.Position = {0.6L, 0, 0};
    leitwerk.Flaeche = 1;
    TTestgitter g({fluegel, leitwerk}, 0.0L);
    const TPAN& mitte = *g.Panelliste.back();
    ASSERT_EQ(mitte.Aufpunkt.y, 0.0L);
    ASSERT_EQ(g.Panelliste[4]->WirbelLinks.back().Anfang.y, 0.0L);
    for (TZeilenaufbau aufbau : {TZeilenaufbau::Referenz, TZeilenaufbau::Summiert}) {
        TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
        s.Zeilenaufbau = aufbau;
        s.Leeren();
        for (int i = 0; i < s.N(); ++i) s.BaueZeile(i);
        for (int i = 0; i < s.N(); ++i)
            for (Extended a : s.Zeile(i)) EXPECT_TRUE(std::isfinite(a));
    }
}

TEST(Gleichungssystem, AufbauBaender)
{
    struct TFall {
        int n, t;
        std::vector<std::pair<int, int>> baender;
    };
    const std::vector<TFall> faelle = {
        {10, 1, {{0, 9}}},
        {10, 2, {{0, 5}, {6, 9}}},
        {10, 3, {{0, 3}, {4, 6}, {7, 9}}},
        {12, 4, {{0, 3}, {4, 6}, {7, 9}, {10, 11}}},
        // Fewer rows than threads: thread 0 gets row 0, the middle ones nothing, the last the rest.
        {2, 4, {{0, 0}, {1, 0}, {1, 0}, {1, 1}}},
        {1, 2, {{0, 0}, {1, 0}}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.n) + " rows, " + std::to_string(f.t) + " threads");
        EXPECT_EQ(AufbauBaender(f.n, f.t), f.baender);
    }
}

TEST(Gleichungssystem, ParallelerAufbauGleichtDemSeriellen)
{
    TTestgitter g(FluegelMitLeitwerk(), 3.0L, 4);
    std::vector<Extended> seriell;
    {
        TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
        s.Leeren();
        TStoppHost host;
        ASSERT_TRUE(BaueSystem(s, host));
        seriell = Block(s);
        EXPECT_EQ(host.Ereignisse, static_cast<long long>(s.N()) * s.N());  // a turn per coefficient
        EXPECT_EQ(host.LetztePosition, 0);
    }
    for (int threads : {1, 2, 3, 64}) {
        SCOPED_TRACE(threads);
        TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
        s.Leeren();
        TStoppHost host;
        ASSERT_TRUE(BaueSystemParallel(s, host, threads));
        EXPECT_TRUE(s.Vollstaendig());
        EXPECT_EQ(Block(s), seriell);  // bit for bit
        EXPECT_EQ(host.HoechstePosition, s.N() - 1);  // the bar ends full, never beyond
        EXPECT_EQ(host.LetztePosition, 0);
        ASSERT_FALSE(host.Statustexte.empty());
        EXPECT_EQ(host.Statustexte.back(), "");
    }
}

TEST(Gleichungssystem, StoppWaehrendDesAufbaus)
{
    TFluegelmass m;
    m.PanelsX = 6;
    m.PanelsY = 150;
    TTestgitter g({m}, 5.0L);
    for (int threads : {0, 2}) {
        SCOPED_TRACE(threads);
        TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
        s.Leeren();
        TStoppHost host;
        host.Flags.RechnungLaeuft = true;
        // Serially a turn comes between coefficients; in parallel while the workers run.
        host.StoppWenn = [](const TStoppHost& h) { return h.LetztePosition >= 5; };
        const bool fertig = threads == 0 ? BaueSystem(s, host) : BaueSystemParallel(s, host, threads);
        EXPECT_FALSE(fertig);
        EXPECT_FALSE(s.Vollstaendig());
        EXPECT_EQ(host.LetztePosition, 0);
        if (threads == 0) {
            EXPECT_FALSE(host.Flags.RechnungLaeuft);
        }
        // The solvers leave a stopped system alone and write nothing.
        EXPECT_EQ(LoeseDirekt(s, host), TLoesung::Gestoppt);
        EXPECT_EQ(LoeseIterativ(s, host, threads), TIteration::NichtKonvergiert);
        for (const TPAN* p : g.Panelliste) EXPECT_EQ(p->GebundenerWirbel.Zirkulation, 100000.0L);
    }
}

TEST(Gleichungssystem, FehlerImWorkerBrichtDenAufbauSichtbarAb)
{
    TTestgitter g(FluegelMitLeitwerk(), 3.0L, 2);
    TTestflaeche fremd;  // a panel that no table holds: its horseshoe cannot be found
    TFluegelmass m;
    m.PanelsX = 1;
    m.PanelsY = 1;
    BaueFlaeche(fremd, m);
    fremd.Panels[0]->Tabelle = nullptr;
    std::vector<TPAN*> liste = g.Panelliste;
    liste.push_back(fremd.Panels[0].get());

    for (TZeilenaufbau aufbau : {TZeilenaufbau::Referenz, TZeilenaufbau::Summiert}) {
        TGleichungssystem s(liste, g.Anstroemrichtung);
        s.Zeilenaufbau = aufbau;
        s.Leeren();
        TStoppHost host;
        EXPECT_THROW(BaueSystemParallel(s, host, 2), EVelionFehler);
        EXPECT_FALSE(s.Vollstaendig());
        EXPECT_NE(std::find(host.Statustexte.begin(), host.Statustexte.end(), "Fehler"), host.Statustexte.end());
        EXPECT_EQ(host.LetztePosition, 0);
        // An incomplete system is never solved.
        EXPECT_THROW(LoeseDirekt(s, host), EVelionFehler);
        EXPECT_THROW(LoeseIterativ(s, host, 2), EVelionFehler);
        EXPECT_THROW(BaueSystem(s, host), EVelionFehler);
    }
}
