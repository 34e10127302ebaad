// Fuzz target of the import readers, scene surfaces, ".Tt4", ".Tx4" and ".FLG" (the first byte
// chooses): any bytes either append surfaces whose stored geometry is finite or are refused with a
// reason, leaving the aircraft as it was.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzDatei.h"
#include "common/Fehler.h"
#include "common/Host.h"
#include "import/Import.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"

namespace {

[[noreturn]] void Fund(const char* was, int flaeche)
{
    std::fprintf(stderr, "%s (surface %d)\n", was, flaeche);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0) return 0;
    static const char* const endungen[] = {".vel", ".Tt4", ".Tx4", ".FLG"};
    const std::filesystem::path datei = FuzzDatei(daten + 1, groesse - 1, endungen[daten[0] % 4]);
    std::unique_ptr<TSZENE> szene = NeuesFlugzeug();
    TFLUGZEUG& flugzeug = *szene->Flugzeug;
    THost host;
    TBearbeitung bearbeitung{flugzeug, host};
    const int vorher = flugzeug.Flaechen.Count();
    int neu = 0;
    try {
        neu = Importieren(bearbeitung, datei);
    } catch (const EVelionFehler&) {
        if (flugzeug.Flaechen.Count() != vorher) Fund("a refused import changed the aircraft", vorher);
        return 0;
    }
    if (flugzeug.Flaechen.Count() != vorher + neu) Fund("the count of appended surfaces is wrong", neu);
    for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) {
        const TFLAECHE& f = *flugzeug.Flaechen.Get(i);
        if (!std::isfinite(f.Position.x) || !std::isfinite(f.Position.y) || !std::isfinite(f.Position.z) ||
            !std::isfinite(f.Profiltiefe) || !std::isfinite(f.Verwindungswinkel))
            Fund("a surface value is not finite", i);
        for (int j = 0; j < f.Segmente.Count(); ++j) {
            const TSEGMENT& s = *f.Segmente.Get(j);
            if (!std::isfinite(s.Segmentbreite) || !std::isfinite(s.Profiltiefe) || !std::isfinite(s.Pfeilwinkel) ||
                !std::isfinite(s.VFormWinkel) || !std::isfinite(s.Verwindungswinkel))
                Fund("a segment value is not finite", i);
        }
    }
    return 0;
}
