// Fuzz target of the polar readers, the ".VELPOL" file and the old ".CSV" table (the first byte
// chooses): any bytes are read, whole or up to a value that is no number, or refused with a reason;
// what was read is written as a polar file, and that file reads back to the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzDatei.h"
#include "common/Fehler.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0) return 0;
    const std::filesystem::path datei = FuzzDatei(daten + 1, groesse - 1, daten[0] % 2 == 0 ? ".VELPOL" : ".CSV");
    TPolarliste liste;
    try {
        PolarenDazuladen(liste, datei);
    } catch (const EVelionFehler&) {
        return 0;
    }
    const std::vector<std::string> zeilen = PolarenSchreiben(liste);
    TPolarliste wieder;
    const TPolarlesung lesung = PolarenLesen(wieder, zeilen);
    if (!lesung.Vollstaendig() || wieder.Count() != liste.Count() || PolarenSchreiben(wieder) != zeilen) {
        std::fprintf(stderr, "a written polar file does not read back: line %d \"%s\", %d of %d groups\n",
                     lesung.Fehlerzeile, lesung.Fehlerinhalt.c_str(), wieder.Count(), liste.Count());
        std::abort();
    }
    return 0;
}
