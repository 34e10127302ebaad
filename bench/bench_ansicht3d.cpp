// Frame time of the 3D view for the example sailplane with about 4000 lattice panels: one turn of
// the view by a degree and the whole frame drawn (panels, outlines, marks, read back into a picture).
// Needs an OpenGL display, e.g. "xvfb-run -a build/release/bench/bench_ansicht3d".
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "common/Host.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Szenenaufbau.h"
#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "ui/view/Ansicht3D.h"

namespace {

constexpr int Zielpanels = 4000;

std::size_t Panelzahl(const TFLUGZEUG& flugzeug)
{
    std::size_t n = 0;
    for (const auto& f : flugzeug.Flaechen) n += f->Gitterpanels.size();
    return n;
}

/// The example sailplane with its panel counts scaled so that the lattice has about Zielpanels panels.
std::unique_ptr<TSZENE> Segler(THost& host, TSchalter& schalter)
{
    auto szene = SzeneLadenUndAufbauen(VELION_EXAMPLES "/Segler.vel", schalter, host);
    TFLUGZEUG& flugzeug = *szene->Flugzeug;
    const std::size_t vorher = Panelzahl(flugzeug);
    if (vorher == 0) throw std::runtime_error("the example sailplane has no panels");
    const double faktor = std::sqrt(static_cast<double>(Zielpanels) / static_cast<double>(vorher));
    for (const auto& f : flugzeug.Flaechen) {
        f->AnzahlPanelsX = std::max(1, static_cast<int>(std::lround(f->AnzahlPanelsX * faktor)));
        for (const auto& s : f->Segmente) s->AnzahlPanelsY = std::max(1, static_cast<int>(std::lround(s->AnzahlPanelsY * faktor)));
        BaueFlaeche(*f, host);
    }
    GitterAufbauen(flugzeug, host.Flags);
    return szene;
}

/// state.range(0): 1 filled panels, 0 outlines with hidden lines removed.
void Bild3DSegler(benchmark::State& state)
{
    THost host;
    TSchalter schalter;
    auto szene = Segler(host, schalter);
    schalter.GefuelltePanels = state.range(0) == 1;
    schalter.VerdeckteLinien = false;
    TZeichenfarben farben;
    TAnsicht3D ansicht(szene, schalter, farben);
    ansicht.resize(800, 600);
    TFLUGZEUG& f = *szene->Flugzeug;
    f.AnsichtPosition = {0, 0, 4};
    f.Betrachtungswinkel = {25, 240, 0};
    if (ansicht.Bild().isNull()) state.SkipWithError("no picture");
    for (auto _ : state) {
        f.Betrachtungswinkel.y = std::fmod(f.Betrachtungswinkel.y + 1.0L, 360.0L);
        benchmark::DoNotOptimize(ansicht.Bild());
    }
    state.counters["Panels"] = static_cast<double>(Panelzahl(f));
}
BENCHMARK(Bild3DSegler)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!TAnsicht3D::OpenGLVerfuegbar()) {
        std::fprintf(stderr, "bench_ansicht3d: no OpenGL context on this display\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
