// Whole computation runs of a flat rectangular wing (aspect ratio 10, 8 chordwise panels) at about
// 500, 1000, 2000 and 4000 panels, with one and with two worker threads. Each phase of the run is
// timed from the status texts the run shows: lattice (start to assembly), assembly, solution with
// the distribution of the circulations, and force evaluation.
// Peak memory: /usr/bin/time -v build/release/bench/bench_lauf --benchmark_filter='Lauf/4000/2$'
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include "../tests/evaluation/Testflugzeuge.h"
#include "control/Rechenlauf.h"
#include "model/TSchalter.h"

namespace {

using TUhr = std::chrono::steady_clock;

/// Adds the time spent under each status text (by output-text number) to its phase.
class TZeitHost : public THost {
public:
    std::string Ausgabetext(int n) const override { return std::to_string(n); }

    void Statustext(const std::string& text) override
    {
        const auto jetzt = TUhr::now();
        Phasen[phase_] += std::chrono::duration<double>(jetzt - seit_).count();
        seit_ = jetzt;
        if (!text.empty()) phase_ = text;
    }

    void Starten()
    {
        phase_ = "Gitter";
        seit_ = TUhr::now();
    }

    std::map<std::string, double> Phasen;

private:
    std::string phase_ = "Gitter";
    TUhr::time_point seit_ = TUhr::now();
};

void Lauf(benchmark::State& state)
{
    const int panelsYHalb = static_cast<int>(state.range(0)) / 16;
    const int threads = static_cast<int>(state.range(1));
    auto szene = testflugzeuge::Rechteckfluegel(2.0L, 0.2L, 8, panelsYHalb, TVerteilung::Cos);
    szene->Flugzeug->Anstellwinkel = 4.0L;
    TRechenoptionen optionen;
    optionen.Loeser.Multithread = state.range(2) != 0;
    optionen.Loeser.Prozessorzahl = threads;
    TZeitHost host;
    for (auto _ : state) {
        host.Flags.Stoppanforderung = false;
        host.Starten();
        Rechenlauf(*szene, TSchalter{}, optionen, host);
        if (!host.Flags.ErgebnisseGueltig) state.SkipWithError("run without results");
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["Panels"] = static_cast<double>(szene->Panelliste.size());
    state.counters["CA"] = static_cast<double>(szene->Flugzeug->AuslegungsCa);
    state.counters["t_Gitter"] = host.Phasen["Gitter"] / n;
    state.counters["t_Aufbau"] = host.Phasen["60"] / n;
    state.counters["t_Loesung"] = host.Phasen["61"] / n;
    state.counters["t_Auswertung"] = host.Phasen["63"] / n;
}

}  // namespace

// Arguments: panels, worker threads, "Multithread" (1 on: iterative solver above 800 panels).
BENCHMARK(Lauf)
    ->ArgNames({"Panels", "Threads", "Multithread"})
    ->Args({500, 1, 1})
    ->Args({500, 2, 1})
    ->Args({500, 1, 0})
    ->Args({1000, 1, 1})
    ->Args({1000, 2, 1})
    ->Args({1000, 1, 0})
    ->Args({2000, 1, 1})
    ->Args({2000, 2, 1})
    ->Args({4000, 1, 1})
    ->Args({4000, 2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
