// One design computation (target: the design lift coefficient) of the example sailplane at its own
// panelling and with the spanwise panels multiplied to about 2000 panels, by the fast and by the
// exact method, with and without the three runs of the robust neutral point. Reports the split
// between the computation runs and the profile evaluation, the number of runs and of strips.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "common/Host.h"
#include "control/Auslegungsberechnung.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/TSchalter.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "model/T_Szene.h"
#include "solver/T_Thread_Szene.h"

namespace {

int Panelzahl(const TFLUGZEUG& f)
{
    int n = 0;
    for (const auto& fl : f.Flaechen)
        for (int j = 0; j < fl->Panelraster.RowCount(); ++j) n += fl->Panelraster.Count(j);
    return n;
}

int Streifenzahl(const TFLUGZEUG& f)
{
    int n = 0;
    for (const auto& fl : f.Flaechen) n += fl->Panelraster.RowCount();
    return n;
}

/// Multiplies every segment's spanwise panels so the lattice has about `ziel` panels (never fewer
/// than the scene's own); `ziel` 0 keeps the scene's panelling.
void Verfeinern(TFLUGZEUG& f, int ziel, THost& host)
{
    const int eigene = Panelzahl(f);
    if (ziel <= 0 || eigene <= 0) return;
    const int faktor = std::max(1, static_cast<int>(std::lround(static_cast<double>(ziel) / eigene)));
    for (const auto& fl : f.Flaechen) {
        for (const auto& s : fl->Segmente) s->AnzahlPanelsY *= faktor;
        BaueFlaeche(*fl, host);
    }
}

void Auslegung(benchmark::State& state)
{
    THost host;
    TSchalter schalter;
    std::unique_ptr<TSZENE> szene = SzeneLadenUndAufbauen(VELION_EXAMPLES "/Segler.vel", schalter, host);
    TFLUGZEUG& f = *szene->Flugzeug;
    Verfeinern(f, static_cast<int>(state.range(0)), host);
    const TAuslegungseingaben eingaben = AuslegungseingabenLesen(f);
    TAuslegungsoptionen optionen;
    optionen.Rechnen.Loeser.Prozessorzahl = Prozessorzahl();
    optionen.Rechnen.Loeser.Verfahren = state.range(1) != 0 ? TLoesungsverfahren::Genau : TLoesungsverfahren::Schnell;
    optionen.RobusterNeutralpunkt = state.range(2) != 0;
    double laeufe = 0.0, profil = 0.0, anzahlLaeufe = 0.0;
    for (auto _ : state) {
        f.Anstellwinkel = eingaben.Anstellwinkel;
        f.AuslegungsCa = eingaben.AuslegungsCa;
        f.Auslegungsnummer = ZielAuslegungsCa;
        const TAuslegungsergebnis e = Auslegungsberechnung(*szene, schalter, host, optionen);
        if (e.Ausgang != TAuslegungsausgang::Erfolg) state.SkipWithError("design computation failed");
        laeufe += e.SekundenLaeufe;
        profil += e.SekundenProfilauswertung;
        anzahlLaeufe += e.Laeufe;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["Panels"] = Panelzahl(f);
    state.counters["Streifen"] = Streifenzahl(f);
    state.counters["Laeufe"] = anzahlLaeufe / n;
    state.counters["t_Laeufe"] = laeufe / n;
    state.counters["t_Profilauswertung"] = profil / n;
    state.counters["CA"] = static_cast<double>(f.AuslegungsCa);
}

}  // namespace

// Arguments: target panel count (0: the scene's own panelling), method (1 the exact one), the three
// runs of the robust neutral point (1 with them).
BENCHMARK(Auslegung)
    ->ArgNames({"Panels", "Genau", "Robust"})
    ->Args({0, 0, 1})
    ->Args({2000, 0, 1})
    ->Args({2000, 0, 0})
    ->Args({0, 1, 1})
    ->Args({2000, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
