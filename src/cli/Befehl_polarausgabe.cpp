// Table, JSON and file output of the polar commands.
#include "cli/Befehl_polarausgabe.h"

#include <iostream>
#include <string>

#include "cli/Aufrufsprache.h"
#include "cli/Bericht.h"
#include "common/Host.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"
#include "results/Polartabelle.h"

void PolartabelleDrucken(const TPolarliste& liste, const THost& host, std::ostream& aus)
{
    for (const std::string& zeile : PolartabelleText(liste, host, '.')) aus << zeile << '\n';
}

void PolarlisteBericht(const TPolarliste& liste, TBericht& bericht)
{
    for (int i = 0; i < liste.Count(); ++i) {
        const TPolargruppe& g = *liste.Get(i);
        TBericht& b = bericht.Eintrag("Gruppen", "Gruppe " + std::to_string(i));
        b.Ganzzahl("Art", "Art", g.Art);
        b.Text("Flugszene", "Flugszene", g.Flugszene);
        b.Ganzzahl("Fix", "Fix", g.Fix);
        b.Text("Bemerkung", "Bemerkung", g.Bemerkung);
        for (int k = 0; k < 4; ++k) {
            TBericht& r = b.Eintrag("Reihen", "Reihe " + std::to_string(k + 1));
            r.Ganzzahl("Gruppe", "Gruppe", g.Gruppe[k]);
            r.Text("Gruppentext", "Gruppentext", g.Gruppentext[k]);
        }
        for (std::size_t j = 0; j < g.Zeilen.size(); ++j) {
            const TPolarzeile& z = g.Zeilen[j];
            TBericht& zb = b.Eintrag("Zeilen", "Zeile " + std::to_string(j));
            for (int w = 0; w < PolarwertAnzahl; ++w) zb.Zahl(PolarwertName(w), PolarwertName(w), Polarwert(z, w));
            zb.Text("Info", "Info", z.Info);
        }
    }
}

bool PolarenAusgeben(const TPolarliste& liste, const std::filesystem::path& gewaehlt, THost& host, bool still)
{
    const std::filesystem::path datei = PolarenSpeichern(liste, gewaehlt, host);
    if (datei.empty()) return false;
    if (!still) std::cerr << Aufruftext(320, "Polardatei: %1", {datei.string()}) << '\n';
    return true;
}

std::string Polarlesefehler(const std::string& datei, const std::optional<TPolarlesung>& lesung)
{
    if (!lesung)
        return datei + Sprachwahl(": erwartet wird eine Polardatei (.velpol) oder eine alte Polartabelle (.csv)",
                                  ": expected a polar file (.velpol) or an old polar table (.csv)");
    if (lesung->Vollstaendig()) return {};
    return datei + Sprachwahl(", Zeile ", ", line ") + std::to_string(lesung->Fehlerzeile) + ": \"" +
           lesung->Fehlerinhalt + Sprachwahl("\": erwartet wird eine Zahl", "\": expected a number");
}
