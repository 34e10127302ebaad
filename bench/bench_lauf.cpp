// Whole computation runs of a flat rectangular wing (aspect ratio 10, 8 chordwise panels) at about
// 500 to 8000 panels, cosine or linear spanwise spacing, with one and with two worker threads, by
// the fast and by the exact method. Each phase of the run is timed from the status texts the run
// shows: lattice (start to assembly), assembly, solution with the distribution of the circulations,
// and force evaluation.
// Peak memory: /usr/bin/time -v build/release/bench/bench_lauf --benchmark_filter='Lauf/Panels:8000/Threads:2/Genau:0/Cosinus:1$'
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <map>
#include <string>

#include "../tests/evaluation/Testflugzeuge.h"
#include "control/Rechenlauf.h"
#include "model/TSchalter.h"

namespace {

using TUhr = std::chrono::steady_clock;

/// Processor time of the whole process (all threads) in seconds: on a machine shared with other
/// work it tells the work a phase needs, where the elapsed time tells how long others let it run.
double Prozesszeit()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

/// Adds the elapsed and the processor time spent under each status text (by output-text number)
/// to its phase.
class TZeitHost : public THost {
public:
    std::string Ausgabetext(int n) const override { return std::to_string(n); }

    void Statustext(const std::string& text) override
    {
        const auto jetzt = TUhr::now();
        const double cpu = Prozesszeit();
        Phasen[phase_] += std::chrono::duration<double>(jetzt - seit_).count();
        Prozessorzeiten[phase_] += cpu - cpuSeit_;
        seit_ = jetzt;
        cpuSeit_ = cpu;
        if (!text.empty()) phase_ = text;
    }

    void Starten()
    {
        phase_ = "Gitter";
        seit_ = TUhr::now();
        cpuSeit_ = Prozesszeit();
    }

    std::map<std::string, double> Phasen;
    std::map<std::string, double> Prozessorzeiten;

private:
    std::string phase_ = "Gitter";
    TUhr::time_point seit_ = TUhr::now();
    double cpuSeit_ = 0.0;
};

void Lauf(benchmark::State& state)
{
    const int panelsYHalb = static_cast<int>(state.range(0)) / 16;
    const int threads = static_cast<int>(state.range(1));
    const TVerteilung verteilung = state.range(3) != 0 ? TVerteilung::Cos : TVerteilung::Linear;
    auto szene = testflugzeuge::Rechteckfluegel(2.0L, 0.2L, 8, panelsYHalb, verteilung);
    szene->Flugzeug->Anstellwinkel = 4.0L;
    TRechenoptionen optionen;
    optionen.Loeser.Verfahren = state.range(2) != 0 ? TLoesungsverfahren::Genau : TLoesungsverfahren::Schnell;
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
    state.counters["cpu_Gitter"] = host.Prozessorzeiten["Gitter"] / n;
    state.counters["cpu_Aufbau"] = host.Prozessorzeiten["60"] / n;
    state.counters["cpu_Loesung"] = host.Prozessorzeiten["61"] / n;
    state.counters["cpu_Auswertung"] = host.Prozessorzeiten["63"] / n;
}

/// Both methods at 500 to 4000 panels, the fast one also at 8000 (the exact one needs minutes there).
void Faelle(benchmark::internal::Benchmark* b)
{
    for (const int cosinus : {1, 0})
        for (const int panels : {500, 1000, 2000, 4000, 8000})
            for (const int threads : {1, 2})
                for (const int genau : {0, 1})
                    if (!(genau != 0 && panels > 4000)) b->Args({panels, threads, genau, cosinus});
}

}  // namespace

// Arguments: panels, worker threads, method (1 the exact one: iterative above 800 panels), spacing
// (1 cosine, 0 linear).
BENCHMARK(Lauf)
    ->ArgNames({"Panels", "Threads", "Genau", "Cosinus"})
    ->Apply(Faelle)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
