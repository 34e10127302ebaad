// Profile evaluation after a computation run: strip section data, angles, stall and bubble flags,
// viscous, interference and fuselage drag, the moment correction and the strips without a
// Reynolds number.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "control/Rechenlauf.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "evaluation/Profilauswertung.h"
#include "model/TErgebnis.h"
#include "evaluation/Testflugzeuge.h"
#include "model/TPAN.h"
#include "model/TSchalter.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "model/T_Szene.h"
#include "profile/T_Profil.h"
#include "common/TestHilfe.h"

namespace {

Extended Slot(const TFLAECHE& fl, int streifen, int slot)
{
    const TErgebnis* e = fl.Ergebnisraster.Get(streifen, slot);
    return e ? e->Wert : 0.0L;
}

class ProfilauswertungTest : public ::testing::Test {
protected:
    void Laufen(TSZENE& szene, Extended winkel)
    {
        szene.Flugzeug->Anstellwinkel = winkel;
        GesamtmasseBerechnen(*szene.Flugzeug);
        TRechenoptionen optionen;
        optionen.Loeser.Multithread = false;
        host.Flags.Stoppanforderung = false;
        Rechenlauf(szene, schalter, optionen, host);
        ASSERT_TRUE(host.Flags.ErgebnisseGueltig);
    }

    TSchalter schalter;
    TAufzeichnenderHost host;
};

TEST_F(ProfilauswertungTest, AnglesAndStallFlagsFollowTheLatticeLift)
{
    for (Extended winkel : {1.0L, 16.0L}) {
        SCOPED_TRACE(static_cast<double>(winkel));
        auto szene = testflugzeuge::Rechteckfluegel(1.5L, 0.15L, 4, 4);
        Laufen(*szene, winkel);
        ASSERT_TRUE(ProfilAuswertung(*szene, host, false, 1));
        EXPECT_TRUE(host.Flags.ProfilauswertungGueltig);
        const TFLAECHE& fl = *szene->Flugzeug->Flaechen.Get(0);
        int abrisse = 0;
        for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
            SCOPED_TRACE(j);
            // A flat wing without incidence or twist: every strip sees the aircraft's angle.
            EXPECT_TRUE(NaheL(Slot(fl, j, SlotAlfaGeometrisch), winkel, 1e-9L));
            EXPECT_EQ(Slot(fl, j, SlotAlfaEffektiv), Slot(fl, j, SlotAlfaGeometrisch) - Slot(fl, j, SlotAi));
            EXPECT_LT(Slot(fl, j, SlotAlfaMin), 0.0L);
            EXPECT_GT(Slot(fl, j, SlotAlfaMax), 0.0L);
            EXPECT_LT(Slot(fl, j, SlotCaMin), Slot(fl, j, SlotCaMax));
            EXPECT_GT(Slot(fl, j, SlotCwv), 0.0L);
            const Extended ca = Slot(fl, j, SlotCa);
            EXPECT_EQ(Slot(fl, j, SlotAbrissOben), ca > Slot(fl, j, SlotCaMax) ? 1.0L : 0.0L);
            EXPECT_EQ(Slot(fl, j, SlotAbrissUnten), ca < Slot(fl, j, SlotCaMin) ? 1.0L : 0.0L);
            // Without the bubble switch no bubble is reported.
            EXPECT_EQ(Slot(fl, j, SlotBlaseOben), 0.0L);
            EXPECT_EQ(Slot(fl, j, SlotBlaseUnten), 0.0L);
            abrisse += static_cast<int>(Slot(fl, j, SlotAbrissOben));
        }
        // A thin symmetric section stalls well below 16 degrees, and not at 1 degree.
        if (winkel < 5.0L)
            EXPECT_EQ(abrisse, 0);
        else
            EXPECT_GT(abrisse, 0);
    }
}

TEST_F(ProfilauswertungTest, DragTotalsAddInterferenceAndFuselageDrag)
{
    struct TFall {
        const char* name;
        Extended cwInt, cwRumpf, aRumpf;
    };
    const TFall faelle[] = {
        {"viscous_only", 0.0L, 0.0L, 0.0L},
        {"interference_and_fuselage", 0.006L, 0.1L, 0.004L},
        {"no_fuselage_area", 0.0L, 0.12L, 0.0L},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto szene = testflugzeuge::SymmetrischesFlugzeug();
        TFLUGZEUG& f = *szene->Flugzeug;
        f.InterferenzWiderstand = fall.cwInt;
        f.RumpfWiderstand = fall.cwRumpf;
        f.RumpfQuerschnittflaeche = fall.aRumpf;
        Laufen(*szene, 3.0L);
        ASSERT_TRUE(ProfilAuswertung(*szene, host, false, 1));

        Extended summe = 0.0L;
        for (const auto& fl : f.Flaechen) {
            Extended flaechensumme = 0.0L;
            for (int j = 0; j < fl->Panelraster.RowCount(); ++j)
                flaechensumme += Slot(*fl, j, SlotCwv) * Slot(*fl, j, SlotStreifenbreite) * Slot(*fl, j, SlotStreifentiefe);
            EXPECT_TRUE(NaheL(fl->CWv, flaechensumme / fl->FlaecheWahr, 1e-15L));
            EXPECT_EQ(fl->CW, fl->CWi + fl->CWv);
            summe += flaechensumme;
        }
        const Extended aw = f.FlaecheWahrGesamt;
        EXPECT_TRUE(NaheL(f.CWv, summe / aw, 1e-15L));
        EXPECT_TRUE(NaheL(f.CW, f.CWi + f.CWv + fall.cwInt + fall.cwRumpf * fall.aRumpf / aw, 1e-15L));
        // Glide ratio and glide angle agree: tan(glide angle) = CW AW / (CA AH).
        EXPECT_TRUE(NaheL(f.Gleitzahl, f.AuslegungsCa * f.FlaecheHorizontalGesamt / (f.CW * aw), 1e-12L));
        EXPECT_TRUE(NaheL(std::tan(f.Gleitwinkel / GradProRad), 1.0L / f.Gleitzahl, 1e-12L));
    }
}

TEST_F(ProfilauswertungTest, ViscousDragCorrectsTheMomentsAtTheTrailingEdges)
{
    auto szene = testflugzeuge::SymmetrischesFlugzeug();
    TFLUGZEUG& f = *szene->Flugzeug;
    f.Schiebewinkel = 4.0L;  // so the strips' drag differs left and right
    Laufen(*szene, 3.0L);
    const Extended cmy0 = f.CmyNullpunkt, cmz0 = f.CmzNullpunkt, cmx0 = f.CmxNullpunkt;
    const Extended cmy = f.Cmy, cmz = f.Cmz, cmx = f.Cmx;
    ASSERT_TRUE(ProfilAuswertung(*szene, host, false, 1));

    Extended my0 = 0.0L, mz0 = 0.0L, my = 0.0L, mz = 0.0L;
    const T3Vektor r = f.Momentenbezugspunkt;
    for (const auto& fl : f.Flaechen)
        for (int j = 0; j < fl->Panelraster.RowCount(); ++j) {
            const Extended w = Slot(*fl, j, SlotCwv) * Slot(*fl, j, SlotStreifenbreite) * Slot(*fl, j, SlotStreifentiefe);
            const T3Vektor t = fl->Ergebnisraster.Get(j, SlotHinterkante)->Punkt;
            my0 += w * t.z;
            mz0 += w * t.y;
            my += w * (t.z - r.z);
            mz += w * (t.y - r.y);
        }
    const Extended n = f.FlaecheWahrGesamt * f.Bezugstiefe;
    EXPECT_TRUE(NaheL(f.CmyNullpunkt, cmy0 + my0 / n, 1e-15L));
    EXPECT_TRUE(NaheL(f.CmzNullpunkt, cmz0 + mz0 / n, 1e-15L));
    EXPECT_TRUE(NaheL(f.Cmy, cmy + my / n, 1e-15L));
    EXPECT_TRUE(NaheL(f.Cmz, cmz + mz / n, 1e-15L));
    EXPECT_NE(mz0, 0.0L);
    EXPECT_EQ(f.CmxNullpunkt, cmx0);
    EXPECT_EQ(f.Cmx, cmx);
}

TEST_F(ProfilauswertungTest, InverseFlapIsEvaluatedWithTheOppositeDeflection)
{
    const auto streifenwerte = [this](bool invers) {
        auto szene = testflugzeuge::Rechteckfluegel(1.2L, 0.15L, 4, 2);
        TSEGMENT& rechts = *szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(1);
        rechts.Klappenausschlag = invers ? 6.0L : -6.0L;
        rechts.Klappeninverse = invers;
        TSEGMENT& links = *szene->Flugzeug->Flaechen.Get(0)->Segmente.Get(0);
        links.Klappenausschlag = 6.0L;
        Laufen(*szene, 2.0L);
        EXPECT_TRUE(ProfilAuswertung(*szene, host, false, 1));
        const TFLAECHE& fl = *szene->Flugzeug->Flaechen.Get(0);
        std::vector<Extended> werte;
        for (int j = 0; j < fl.Panelraster.RowCount(); ++j)
            for (int slot : {SlotCaMin, SlotCaMax, SlotAlfaMin, SlotAlfaMax, SlotCwv}) werte.push_back(Slot(fl, j, slot));
        return werte;
    };
    const std::vector<Extended> klappeHoch = streifenwerte(false);
    const std::vector<Extended> invers = streifenwerte(true);
    ASSERT_EQ(klappeHoch.size(), invers.size());
    for (std::size_t i = 0; i < invers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(NaheL(invers[i], klappeHoch[i], 1e-12L));
    }
}

TEST_F(ProfilauswertungTest, StripSectionDataAlongTheSpan)
{
    auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 4);
    TFLAECHE& fl = *szene->Flugzeug->Flaechen.Get(0);
    for (int i = 0; i < 2; ++i) {
        fl.Segmente.Get(i)->KlappentiefeLinks = 20.0L;
        fl.Segmente.Get(i)->KlappentiefeRechts = 40.0L;
        fl.Segmente.Get(i)->Klappenausschlag = 3.0L;
    }
    Laufen(*szene, 2.0L);
    // Four strips per segment at the quarter stations: the flap chord grows linearly from the
    // segment's left section to its right one.
    const Extended erwartet[] = {22.5L, 27.5L, 32.5L, 37.5L};
    for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
        SCOPED_TRACE(j);
        const TStreifenprofil sp = StreifenProfil(fl, *fl.Panelraster.Get(j, 0));
        EXPECT_TRUE(NaheL(sp.Klappentiefe, erwartet[j % 4], 1e-12L));
        EXPECT_EQ(sp.Klappenausschlag, 3.0L);
        // The undeflected camber lines of a flat wing span a level quadrilateral.
        EXPECT_TRUE(NaheL(sp.Normale.z, 1.0L, 1e-15L));
        // Both ends carry the same profile: the blend is that profile resampled to 63 points.
        ASSERT_EQ(sp.Profil->Anzahl(), 63);
        EXPECT_NEAR(static_cast<double>(sp.Profil->Punkt(0)->X), 1.0, 1e-9);
    }
}

TEST_F(ProfilauswertungTest, StripsWithoutReynoldsNumberAreNotAnalysed)
{
    // An upright fin alone has no lifting area: no flight speed, Reynolds number 0.
    auto szene = testflugzeuge::Szene();
    auto fin = testflugzeuge::Flaeche(TFlaechenArt::Seitenleitwerk, 0.15L, 3);
    auto segment = testflugzeuge::Segment(0.2L, 0.1L, 2, TVerteilung::Linear);
    segment->VFormWinkel = 90.0L;
    fin->Segmente.Add(std::move(segment));
    testflugzeuge::Hinzufuegen(*szene, std::move(fin));
    szene->Flugzeug->Schiebewinkel = 3.0L;
    Laufen(*szene, 0.0L);
    ASSERT_TRUE(ProfilAuswertung(*szene, host, false, 1));
    const TFLAECHE& fl = *szene->Flugzeug->Flaechen.Get(0);
    ASSERT_GT(fl.Panelraster.RowCount(), 0);
    for (int j = 0; j < fl.Panelraster.RowCount(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(Slot(fl, j, SlotRe), 0.0L);
        for (int slot : {SlotAlfaMin, SlotAlfaMax, SlotCaMin, SlotCaMax, SlotCwv, SlotXOben, SlotXUnten})
            EXPECT_TRUE(std::isnan(Slot(fl, j, slot))) << ErgebnisSlotName(slot);
        for (int slot : {SlotAbrissOben, SlotAbrissUnten, SlotBlaseOben, SlotBlaseUnten}) EXPECT_EQ(Slot(fl, j, slot), 0.0L);
        EXPECT_TRUE(std::isfinite(Slot(fl, j, SlotAlfaGeometrisch)));
    }
    EXPECT_TRUE(std::isnan(szene->Flugzeug->CWv));
}

TEST_F(ProfilauswertungTest, WorkerThreadsGiveTheSameStripsAndTotals)
{
    // Two surfaces with flaps and several segments: strips of different profiles and Reynolds
    // numbers, analysed on one thread and on three.
    std::vector<std::vector<Extended>> werte;
    for (int threads : {1, 3}) {
        auto szene = testflugzeuge::SymmetrischesFlugzeug();
        Laufen(*szene, 4.0L);
        ASSERT_TRUE(ProfilAuswertung(*szene, host, true, threads));
        std::vector<Extended> w{szene->Flugzeug->CWv, szene->Flugzeug->CW, szene->Flugzeug->Cmy};
        for (const auto& fl : szene->Flugzeug->Flaechen)
            for (int j = 0; j < fl->Panelraster.RowCount(); ++j)
                for (int slot = 0; slot < ErgebnisSlotAnzahl; ++slot) w.push_back(Slot(*fl, j, slot));
        werte.push_back(w);
    }
    ASSERT_GT(werte[0].size(), 100U);
    ASSERT_EQ(werte[0].size(), werte[1].size());
    for (std::size_t i = 0; i < werte[0].size(); ++i)
        EXPECT_TRUE(werte[0][i] == werte[1][i] || (std::isnan(werte[0][i]) && std::isnan(werte[1][i]))) << i;
}

/// Requests a stop at the first turn of the event loop.
class TSofortStopp : public TAufzeichnenderHost {
public:
    bool Scharf = false;
    void Ereignisschleife() override
    {
        if (Scharf) Flags.Stoppanforderung = true;
    }
};

TEST_F(ProfilauswertungTest, StopEndsTheEvaluationWithoutValidProfileResults)
{
    for (int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        auto szene = testflugzeuge::Rechteckfluegel(1.0L, 0.2L, 4, 2);
        TSofortStopp stopp;
        TRechenoptionen optionen;
        optionen.Loeser.Multithread = false;
        GesamtmasseBerechnen(*szene->Flugzeug);
        Rechenlauf(*szene, schalter, optionen, stopp);
        ASSERT_TRUE(stopp.Flags.ErgebnisseGueltig);
        stopp.Scharf = true;
        stopp.Flags.RechnungLaeuft = true;
        EXPECT_FALSE(ProfilAuswertung(*szene, stopp, false, threads));
        EXPECT_FALSE(stopp.Flags.ProfilauswertungGueltig);
        EXPECT_FALSE(stopp.Flags.RechnungLaeuft);
        EXPECT_EQ(stopp.Statustexte.back(), "");
        // Nothing of the stopped evaluation reaches the strips.
        EXPECT_EQ(Slot(*szene->Flugzeug->Flaechen.Get(0), 0, SlotCwv), 0.0L);
    }
}

}  // namespace
