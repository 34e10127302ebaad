// Fuzz target of the scene reader: any bytes are either a scene or a file error with a reason;
// a scene that reads is built and, when small, computed, and a run that reports valid results
// must have finite ones.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzDatei.h"
#include "common/Fehler.h"
#include "common/Host.h"
#include "control/Rechenlauf.h"
#include "evaluation/Ergebnispruefung.h"
#include "geometry/Szenenaufbau.h"
#include "model/TSchalter.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::filesystem::path datei = FuzzDatei(daten, groesse, ".vel");
    THost host;
    TSchalter schalter;
    std::unique_ptr<TSZENE> szene;
    try {
        szene = SzeneLadenUndAufbauen(datei, schalter, host);
    } catch (const EVelionFehler&) {
        return 0;  // refused with a reason: what a damaged file should get
    }
    PanellisteFuellen(*szene);
    if (szene->Panelliste.size() > 300) return 0;
    TRechenoptionen optionen;
    optionen.Loeser.Multithread = false;
    Rechenlauf(*szene, schalter, optionen, host);
    if (host.Flags.ErgebnisseGueltig && !ErsterNichtEndlicherWert(*szene->Flugzeug, false).empty()) {
        std::fprintf(stderr, "valid results that are not finite: %s\n",
                     ErsterNichtEndlicherWert(*szene->Flugzeug, false).c_str());
        std::abort();
    }
    return 0;
}
