// The choice of surfaces and output unit of the building exports on the command line.
#include "cli/Exportauswahl.h"

#include <cmath>

#include "cli/Aufrufsprache.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "model/T_FLUGZEUG.h"

void ExportauswahlHinzufuegen(CLI::App& befehl, TExportauswahl& auswahl)
{
    befehl.add_option("--flaechen", auswahl.Flaechen, Sprachwahl("Indizes der Flächen, durch Komma getrennt (Vorgabe: alle)",
                                                                 "indices of the surfaces, separated by commas (default: all)"))
        ->delimiter(',');
    befehl.add_option("--einheit", auswahl.Einheit, Sprachwahl("Ausgabeeinheit", "output unit"))
        ->check(CLI::IsMember({"mm", "cm", "m", "inch"}))
        ->capture_default_str();
}

Extended Einheitenfaktor(const std::string& einheit)
{
    if (einheit == "m") return 1.0L;
    if (einheit == "cm") return 100.0L;
    if (einheit == "inch") return 39.37L;
    return 1000.0L;
}

void FlaechenWaehlen(TFLUGZEUG& flugzeug, const std::vector<int>& flaechen, bool TFLAECHE::*auswahl)
{
    for (int i : flaechen)
        if (!flugzeug.Flaechen.Get(i))
            throw EVelionFehler(Sprachwahl("--flaechen: die Fläche ",
                                           "--flaechen: there is no surface ") + std::to_string(i) +
                                Sprachwahl(" gibt es nicht (Indizes 0 bis ", " (indices 0 to ") +
                                std::to_string(flugzeug.Flaechen.Count() - 1) + ")");
    if (flaechen.empty()) return;
    for (const auto& f : flugzeug.Flaechen) f.get()->*auswahl = false;
    for (int i : flaechen) flugzeug.Flaechen.Get(i)->*auswahl = true;
}

Extended Laenge(const std::string& option, const std::string& text, Extended kleinste)
{
    Extended wert = 0.0L;
    try {
        wert = TextToReal(text);
    } catch (const EKonvertierung&) {
        throw EVelionFehler(option + ": \"" + text + Sprachwahl("\" ist keine Zahl", "\" is no number"));
    }
    if (!(wert >= kleinste) || !std::isfinite(wert))
        throw EVelionFehler(option + ": " + text + Sprachwahl(" ist zu klein (mindestens ",
                                                              " is too small (at least ") +
                            RealToText(kleinste, 0, 3) + " m)");
    return wert;
}
