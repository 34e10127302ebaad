// Cost of the profile analysis of one spanwise strip: a 63-point section with a deflected flap,
// stall angles, and three panel solutions with the boundary-layer model. Run with
// --benchmark_repetitions to see the spread; the median is the figure to quote.
#include <benchmark/benchmark.h>

#include "profile/PanelVerfahren.h"
#include "profile/Streifenanalyse.h"
#include "profile/T_Profil.h"

namespace {

TProfil Naca2412()
{
    TProfil p;
    p.LoadDat(VELION_EXAMPLES "/Naca2412.dat");
    return p;
}

void StreifenAnalyseMitKlappe(benchmark::State& state)
{
    const TProfil p = Naca2412();
    for (auto _ : state) {
        const TStreifenergebnis e = StreifenAnalyse(p, 25.0L, 8.0L, 2e5L, 3.0L, true);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(StreifenAnalyseMitKlappe)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void EinPanelVerfahren(benchmark::State& state)
{
    TProfil p = Naca2412();
    for (auto _ : state) {
        PanelVerfahren(p, 3.0L);
        benchmark::DoNotOptimize(p.Panels2D.data());
    }
}
BENCHMARK(EinPanelVerfahren)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
