// Lattice construction of the example sailplane with its panel counts raised to about 2000 panels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "common/Host.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"

namespace {

constexpr int Zielpanels = 2000;

std::size_t Panelzahl(const TFLUGZEUG& flugzeug)
{
    std::size_t n = 0;
    for (const auto& f : flugzeug.Flaechen) n += f->Gitterpanels.size();
    return n;
}

/// The example sailplane, every panel count scaled by one factor so that the lattice has about
/// Zielpanels panels, built.
std::unique_ptr<TSZENE> Segler(THost& host)
{
    TSchalter schalter;
    auto szene = SzeneLadenUndAufbauen(VELION_EXAMPLES "/Segler.vel", schalter, host);
    TFLUGZEUG& flugzeug = *szene->Flugzeug;
    const std::size_t vorher = Panelzahl(flugzeug);
    if (vorher == 0) throw std::runtime_error("the example sailplane has no panels");
    // Chordwise and spanwise counts grow alike.
    const double faktor = std::sqrt(static_cast<double>(Zielpanels) / static_cast<double>(vorher));
    for (const auto& f : flugzeug.Flaechen) {
        f->AnzahlPanelsX = std::max(1, static_cast<int>(std::lround(f->AnzahlPanelsX * faktor)));
        for (const auto& s : f->Segmente) s->AnzahlPanelsY = std::max(1, static_cast<int>(std::lround(s->AnzahlPanelsY * faktor)));
        BaueFlaeche(*f, host);
    }
    GitterAufbauen(flugzeug, host.Flags);
    return szene;
}

void GitterAufbauenSegler(benchmark::State& state)
{
    THost host;
    auto szene = Segler(host);
    for (auto _ : state) GitterAufbauen(*szene->Flugzeug, host.Flags);
    state.counters["Panels"] = static_cast<double>(Panelzahl(*szene->Flugzeug));
}
BENCHMARK(GitterAufbauenSegler)->Unit(benchmark::kMillisecond);

void BaueFlaechenSegler(benchmark::State& state)
{
    THost host;
    auto szene = Segler(host);
    for (auto _ : state)
        for (const auto& f : szene->Flugzeug->Flaechen) BaueFlaeche(*f, host);
    state.counters["Panels"] = static_cast<double>(Panelzahl(*szene->Flugzeug));
}
BENCHMARK(BaueFlaechenSegler)->Unit(benchmark::kMillisecond);

}  // namespace
