// The robust neutral point beside `Neutralpunkt`: a sailplane whose wing wake passes a few
// millimetres beside the tailplane's control points warns and names that passage, while the
// robust value stays where a wider difference puts it; away from the crossing nothing warns, and
// the extra runs leave every other result exactly as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "control/Auslegungsberechnung.h"
#include "control/LaufHost.h"
#include "control/Rechenlauf.h"
#include "evaluation/Flugleistungen.h"
#include "geometry/Szenenaufbau.h"
#include "model/TSchalter.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "results/Werteausgabe.h"

namespace {

/// The tailplane (surface 1) 5 cm above the wing, with 8 by 6 panels per segment: the wing's wake
/// line passes its control points between about 3.0° and 3.6°.
const char* const Nachlaufsegler = VELION_TESTDATA "/Segler_Leitwerk_im_Nachlauf.vel";
const char* const Beispielsegler = VELION_EXAMPLES "/Segler.vel";

struct TGeladen {
    TLaufHost host;
    TSchalter schalter;
    std::unique_ptr<TSZENE> szene;
    TAuslegungsoptionen optionen;

    explicit TGeladen(const char* datei) : szene(SzeneLadenUndAufbauen(datei, schalter, host))
    {
        optionen.Rechnen.Loeser.Multithread = false;
    }
    TFLUGZEUG& F() { return *szene->Flugzeug; }

    /// Design computation with target 1 at the angle a.
    TAuslegungsergebnis Auslegen(Extended a)
    {
        F().Auslegungsnummer = ZielAnstellwinkel;
        F().Anstellwinkel = a;
        return Auslegungsberechnung(*szene, schalter, host, optionen);
    }

    /// Neutral point from plain runs at a - d and a + d.
    Extended NeutralpunktUeber(Extended a, Extended d)
    {
        Extended ca[2], cm[2];
        for (int i = 0; i < 2; ++i) {
            F().Anstellwinkel = a + (i == 0 ? -d : d);
            EXPECT_EQ(Rechenlauf(*szene, schalter, optionen.Rechnen, host), 0);
            ca[i] = F().AuslegungsCa;
            cm[i] = F().CmyNullpunkt;
        }
        return NeutralpunktAusZweiLaeufen(F().Bezugstiefe, ca[0], cm[0], ca[1], cm[1]);
    }
};

}  // namespace

TEST(RobusterNeutralpunkt, WarntWoDerNachlaufDasLeitwerkStreift)
{
    struct Fall {
        const char* datei;
        Extended leitwerkZ;  ///< height of the tailplane; NaN keeps the file's
        Extended winkel;
        bool warnt;
    };
    const Extended wieGeladen = std::nan("");
    const Fall faelle[] = {
        {Nachlaufsegler, wieGeladen, 3.2L, true},
        {Nachlaufsegler, wieGeladen, 3.4L, true},
        {Nachlaufsegler, wieGeladen, 2.0L, false},  // the wake still passes well below the tail
        {Nachlaufsegler, 0.20L, 3.4L, false},       // the same sailplane, tail far above the wake
        {Beispielsegler, wieGeladen, 3.0L, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::string(fall.datei) + " at " + std::to_string(static_cast<double>(fall.winkel)));
        TGeladen g(fall.datei);
        if (!std::isnan(fall.leitwerkZ)) g.F().Flaechen.Get(1)->Position.z = fall.leitwerkZ;
        ASSERT_EQ(g.Auslegen(fall.winkel).Ausgang, TAuslegungsausgang::Erfolg);
        const TFLUGZEUG& f = g.F();
        const TRobusterNeutralpunkt& r = f.NeutralpunktRobust;
        ASSERT_TRUE(r.Gueltig);
        EXPECT_EQ(std::fabs(r.Neutralpunkt - f.Neutralpunkt) > 0.01L * f.Bezugstiefe, fall.warnt)
            << "Neutralpunkt " << static_cast<double>(f.Neutralpunkt) << ", robust " << static_cast<double>(r.Neutralpunkt);
        EXPECT_EQ(NeutralpunktWarnung(f, g.host, '.').empty(), !fall.warnt);
        EXPECT_EQ(r.Stabilitaetsmass, (r.Neutralpunkt - f.SchwerpunktX) / f.Bezugstiefe * 100.0L);
        if (!fall.warnt) continue;
        // The cause: the wing's wake, a few millimetres beside the tailplane.
        EXPECT_EQ(r.Naehe.Nachlaufflaeche, 0);
        EXPECT_EQ(r.Naehe.Flaeche, 1);
        EXPECT_LT(r.Naehe.Abstand, 0.01L);
        // The robust value stays within 2 % of lu of a difference twice as wide.
        const Extended lu = f.Bezugstiefe;
        const Extended robust = r.Neutralpunkt;
        EXPECT_LT(std::fabs(robust - g.NeutralpunktUeber(fall.winkel, 4.0L)), 0.02L * lu);
    }
}

TEST(RobusterNeutralpunkt, DieZusatzlaeufeLassenJedesErgebnisWieEsWar)
{
    // Target 2 on the sailplane whose `Neutralpunkt` swings most at its final angle.
    TGeladen mit(Nachlaufsegler), ohne(Nachlaufsegler);
    ohne.optionen.RobusterNeutralpunkt = false;
    for (TGeladen* g : {&mit, &ohne}) {
        g->F().Auslegungsnummer = ZielAuslegungsCa;
        ASSERT_EQ(Auslegungsberechnung(*g->szene, g->schalter, g->host, g->optionen).Ausgang,
                  TAuslegungsausgang::Erfolg);
    }
    const TFLUGZEUG& a = mit.F();
    const TFLUGZEUG& b = ohne.F();
    EXPECT_TRUE(a.NeutralpunktRobust.Gueltig);
    EXPECT_FALSE(b.NeutralpunktRobust.Gueltig);
    const std::pair<Extended, Extended> werte[] = {
        {a.Anstellwinkel, b.Anstellwinkel},       {a.AuslegungsCa, b.AuslegungsCa},
        {a.CWi, b.CWi},                           {a.CWv, b.CWv},
        {a.CW, b.CW},                             {a.Gleitzahl, b.Gleitzahl},
        {a.FlugGeschwindigkeit, b.FlugGeschwindigkeit}, {a.CmyNullpunkt, b.CmyNullpunkt},
        {a.Cmy, b.Cmy},                           {a.SchwerpunktX, b.SchwerpunktX},
        {a.Neutralpunkt, b.Neutralpunkt},         {a.Stabilitaetsmass, b.Stabilitaetsmass},
        {a.Auftriebsanstiegswinkel, b.Auftriebsanstiegswinkel},
    };
    for (std::size_t i = 0; i < std::size(werte); ++i) EXPECT_EQ(werte[i].first, werte[i].second) << "value " << i;
    for (int k = 0; k < a.Flaechen.Count(); ++k) {
        const TFLAECHE& fa = *a.Flaechen.Get(k);
        const TFLAECHE& fb = *b.Flaechen.Get(k);
        ASSERT_EQ(fa.Ergebnisraster.RowCount(), fb.Ergebnisraster.RowCount());
        for (int j = 0; j < fa.Ergebnisraster.RowCount(); ++j) {
            for (int slot = 0; slot < ErgebnisSlotAnzahl; ++slot) {
                const TErgebnis* ea = fa.Ergebnisraster.Get(j, slot);
                const TErgebnis* eb = fb.Ergebnisraster.Get(j, slot);
                ASSERT_EQ(ea == nullptr, eb == nullptr);
                if (ea) {
                    EXPECT_EQ(ea->Wert, eb->Wert) << "surface " << k << ", strip " << j << ", slot " << slot;
                }
            }
        }
    }
}
