// Assembly and solution of the vortex-lattice system for a flat rectangular wing of about 500 to
// 4000 panels, serially and on worker threads.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "../tests/solver/Rechteckfluegel.h"
#include "common/Host.h"
#include "solver/Gleichungssystem.h"
#include "solver/Loeser.h"
#include "solver/T_Thread_Szene.h"

namespace {

/// 8 chordwise panels, span chosen for an aspect ratio of 10 with square-ish panels.
TTestgitter Fluegel(int panels)
{
    TFluegelmass m;
    m.PanelsX = 8;
    m.PanelsY = panels / 8;
    m.Tiefe = 0.2L;
    m.Spannweite = 2.0L;
    return TTestgitter({m}, 5.0L);
}

/// threads 0: serial assembly; otherwise the parallel one.
void Aufbau(benchmark::State& state, TZeilenaufbau aufbau)
{
    TTestgitter g = Fluegel(static_cast<int>(state.range(0)));
    const int threads = static_cast<int>(state.range(1));
    THost host;
    TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
    s.Zeilenaufbau = aufbau;
    for (auto _ : state) {
        s.Leeren();
        const bool fertig = threads == 0 ? BaueSystem(s, host) : BaueSystemParallel(s, host, threads);
        benchmark::DoNotOptimize(fertig);
    }
    state.counters["Panels"] = s.N();
}

void BM_AufbauSummiert(benchmark::State& state) { Aufbau(state, TZeilenaufbau::Summiert); }
void BM_AufbauReferenz(benchmark::State& state) { Aufbau(state, TZeilenaufbau::Referenz); }

/// The solution the run chooses: threads 0 means "Multithread" off (Gauss elimination), otherwise
/// BiCGSTAB with products on that many workers above 800 panels.
void BM_Loesen(benchmark::State& state)
{
    TTestgitter g = Fluegel(static_cast<int>(state.range(0)));
    const int threads = static_cast<int>(state.range(1));
    THost host;
    TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
    s.Leeren();
    BaueSystemParallel(s, host, 2);
    TLoeserEinstellungen e;
    e.Multithread = threads > 0;
    e.Prozessorzahl = std::max(1, threads);
    for (auto _ : state) benchmark::DoNotOptimize(Loesen(s, host, e));
    state.counters["Panels"] = s.N();
}

/// Assembly and solution together, as one run does them.
void BM_AufbauUndLoesung(benchmark::State& state)
{
    TTestgitter g = Fluegel(static_cast<int>(state.range(0)));
    const int threads = static_cast<int>(state.range(1));
    THost host;
    TLoeserEinstellungen e;
    e.Multithread = threads > 0;
    e.Prozessorzahl = std::max(1, threads);
    for (auto _ : state) {
        TGleichungssystem s(g.Panelliste, g.Anstroemrichtung);
        s.Leeren();
        Aufbauen(s, host, e);
        benchmark::DoNotOptimize(Loesen(s, host, e));
    }
}

void Groessen(benchmark::internal::Benchmark* b)
{
    for (int panels : {496, 1000, 2000, 4000})
        for (int threads : {0, 2}) b->Args({panels, threads});
}

}  // namespace

BENCHMARK(BM_AufbauSummiert)->Apply(Groessen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_AufbauReferenz)->Args({496, 0})->Args({496, 2})->Args({1000, 2})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Loesen)->Apply(Groessen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_AufbauUndLoesung)->Args({4000, 2})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
