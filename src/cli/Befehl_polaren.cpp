// velion-cli polaren: reads polar files (".velpol" and old ".csv" tables, appended in the order
// given), prints the table or JSON, and writes them anew as one ".velpol" file on request, which
// converts old tables to the current format.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehl_polarausgabe.h"
#include "cli/Befehle.h"
#include "cli/Bericht.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"

namespace {

struct TPolarenArgumente {
    std::vector<std::string> dateien;
    std::optional<std::string> ausgabe;
    bool json = false;
    bool still = false;
    std::string sprache;
};

int Ausfuehren(const TPolarenArgumente& a)
{
    TKonsolenHost host(a.still, a.sprache);
    if (a.ausgabe) {
        const auto name = PolardateiName(*a.ausgabe);
        if (!name) {
            host.Fehlertext(47);
            return 2;
        }
        for (const std::string& d : a.dateien) AusgabedateiPruefen(*name, {d});
    }
    TPolarliste liste;
    bool vollstaendig = true;
    for (const std::string& datei : a.dateien) {
        const std::optional<TPolarlesung> lesung = PolarenDazuladen(liste, datei);
        if (!lesung) {
            std::cerr << Aufruftext(302, "Fehler: %1", {Polarlesefehler(datei, lesung)}) << '\n';
            return 2;
        }
        if (!lesung->Vollstaendig()) {
            std::cerr << Aufruftext(302, "Fehler: %1", {Polarlesefehler(datei, lesung)})
                      << Sprachwahl("; gelesen bis dahin: ", "; read until there: ") << lesung->Gruppen
                      << Sprachwahl(" vollständige Gruppen", " complete groups") << '\n';
            vollstaendig = false;
        }
    }
    // A file that stopped in the middle is not written anew: the copy would silently lack its rest.
    if (vollstaendig && a.ausgabe && !PolarenAusgeben(liste, *a.ausgabe, host, a.still)) return 2;
    if (a.json) {
        TBericht bericht;
        PolarlisteBericht(liste, bericht);
        std::cout << JsonText(bericht.Json()) << '\n';
    } else {
        PolartabelleDrucken(liste, host, std::cout);
    }
    return vollstaendig ? 0 : 2;
}

}  // namespace

void RegistrierePolaren(CLI::App& app, TLauf& lauf)
{
    static TPolarenArgumente a;
    CLI::App* befehl = app.add_subcommand("polaren", Sprachwahl("Polardateien lesen, anzeigen und umsetzen",
                                                                "read, show and convert polar files"));
    befehl->add_option("DATEIEN", a.dateien, Sprachwahl("Polardateien (.velpol) und alte Polartabellen (.csv)",
                                                        "polar files (.velpol) and old polar tables (.csv)"))->required();
    befehl->add_option("--out", a.ausgabe, Sprachwahl("alle gelesenen Polaren als Polardatei (.VELPOL) schreiben",
                                                      "write all polars read as one polar file (.VELPOL)"));
    befehl->add_flag("--json", a.json, Sprachwahl("ein JSON-Objekt auf stdout", "one JSON object on stdout"));
    befehl->add_flag("--quiet", a.still, Sprachwahl("keine Meldungen auf stderr außer Fehlern",
                                                    "no messages on stderr except errors"));
    SpracheOptionHinzufuegen(*befehl, a.sprache);
    befehl->callback([&lauf] { lauf = [] { return Ausfuehren(a); }; });
}
