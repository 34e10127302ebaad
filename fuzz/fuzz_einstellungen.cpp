// Fuzz target of the settings reader: any bytes give settings within their ranges, and those
// settings, written and read again, are the same with no key refused.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzDatei.h"
#include "app/Einstellungen.h"
#include "common/Fehler.h"

namespace {

[[noreturn]] void Fund(const std::string& was)
{
    std::fprintf(stderr, "%s\n", was.c_str());
    std::abort();
}

void Farbe(TFarbwert f, const char* name)
{
    if (f < 0 || f > 16777215) Fund(std::string("colour out of range: ") + name + " = " + std::to_string(f));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::filesystem::path datei = FuzzDatei(daten, groesse, ".ini");
    std::vector<std::string> verworfen;
    TEinstellungen e;
    try {
        e = EinstellungenLesen(datei, verworfen);
    } catch (const EVelionFehler&) {
        return 0;
    }
    for (const TFarbwert f : {e.Hintergrundfarbe, e.Panelfarbe, e.Markierungsfarbe, e.Symmetriecheckfarbe,
                              e.GammaLinieFarbe, e.GammaVorgabeLinieFarbe, e.CaLinieFarbe, e.CaMaxLinieFarbe,
                              e.CwiLinieFarbe, e.CwvLinieFarbe, e.CwgLinieFarbe, e.AiLinieFarbe, e.ReLinieFarbe,
                              e.StroemungsabrissFarbe, e.BlasenwarnungObenFarbe, e.BlasenwarnungUntenFarbe})
        Farbe(f, "display");
    for (const TFarbwert f : e.Klappengruppenfarben) Farbe(f, "flap group");
    for (const TFarbwert f : e.Gesamtpolarenfarben) Farbe(f, "total polar");
    if (e.AnzahlUndoFiles < MinAnzahlUndoFiles || e.AnzahlUndoFiles > MaxAnzahlUndoFiles)
        Fund("undo count out of range: " + std::to_string(e.AnzahlUndoFiles));
    if (e.Cheftaste < 0 || e.Cheftaste > 255) Fund("key code out of range: " + std::to_string(e.Cheftaste));
    std::vector<std::string> wiederVerworfen;
    const TEinstellungen wieder = EinstellungenAusZeilen(EinstellungenZeilen(e), wiederVerworfen);
    if (!wiederVerworfen.empty()) Fund("written settings refused on reading: " + wiederVerworfen.front());
    if (!(wieder == e)) Fund("written settings read back different");
    return 0;
}
