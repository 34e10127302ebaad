// velion-cli export geometrie|werte|polaren: the formatted exports for spreadsheets, with the
// choices of the export windows (decimal separator, cell separator, extension); the lines go to
// --out or to stdout. "werte" runs the design computation of the scene first.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehl_polarausgabe.h"
#include "cli/Befehle.h"
#include "cli/KonsolenHost.h"
#include "cli/Rechenbefehl.h"
#include "cli/Szenenzugriff.h"
#include "control/Auslegungsberechnung.h"
#include "geometry/Szenenaufbau.h"
#include "model/T_Szene.h"
#include "results/Formatexport.h"
#include "results/Polardatei.h"
#include "results/Polarliste.h"

namespace {

enum class TExportart { Geometrie, Werte, Polaren };

struct TExportArgumente {
    TExportart art = TExportart::Geometrie;
    std::vector<std::string> dateien;
    std::string dezimal = "punkt";
    std::string zellen = "semikolon";
    std::string endung = "csv";
    std::optional<std::string> ausgabe;
    TRechenargumente rechnen;
};

/// The scene's design computation for "werte"; false when it did not succeed (its texts are shown).
bool Auslegen(TSZENE& szene, const TSchalter& schalter, THost& host, const TExportArgumente& a)
{
    TAuslegungsoptionen optionen;
    optionen.Rechnen.Loeser = Loesereinstellungen(a.rechnen);
    const TSigintStopp sigint(host.Flags.Stoppanforderung);
    const TAuslegungsergebnis e = Auslegungsberechnung(szene, schalter, host, optionen);
    if (e.Ausgang == TAuslegungsausgang::Erfolg) return true;
    std::cerr << (e.Ausgang == TAuslegungsausgang::Gestoppt
                      ? Sprachwahl("Auslegungsberechnung gestoppt; nichts exportiert.",
                                   "Design computation stopped; nothing exported.")
                      : Sprachwahl("Auslegungsberechnung fehlgeschlagen; nichts exportiert.",
                                   "Design computation failed; nothing exported."))
              << '\n';
    return false;
}

int Ausfuehren(const TExportArgumente& a)
{
    TKonsolenHost host(a.rechnen.Still, a.rechnen.Sprache);
    const std::string endung = a.endung == "txt" ? ".TXT" : ".CSV";
    if (a.ausgabe)
        for (const std::string& d : a.dateien) AusgabedateiPruefen(ExportdateiName(*a.ausgabe, endung), {d});
    TExportoptionen optionen;
    optionen.Dezimaltrenner = a.dezimal == "komma" ? ',' : '.';
    optionen.Zellentrenner = a.zellen == "komma" ? ',' : ';';
    optionen.Zeitstempel = ExportZeitstempel();

    std::vector<std::string> zeilen;
    if (a.art == TExportart::Polaren) {
        TPolarliste liste;
        for (const std::string& datei : a.dateien) {
            const auto lesung = PolarenDazuladen(liste, datei);
            if (!lesung || !lesung->Vollstaendig()) {
                std::cerr << Aufruftext(302, "Fehler: %1", {Polarlesefehler(datei, lesung)}) << '\n';
                return 2;
            }
        }
        zeilen = PolarenExport(liste, host, optionen);
    } else {
        TSchalter schalter;
        const auto szene = SzeneLadenUndAufbauen(a.dateien.front(), schalter, host);
        if (a.art == TExportart::Werte) {
            if (!Auslegen(*szene, schalter, host, a)) return 1;
            zeilen = WerteExport(szene->Flugzeug.get(), host, optionen);
        } else {
            zeilen = GeometrieExport(szene->Flugzeug.get(), host, optionen);
        }
    }
    if (!a.ausgabe) {
        for (const std::string& z : zeilen) std::cout << z << '\n';
        return 0;
    }
    const std::filesystem::path datei = ExportSpeichern(zeilen, *a.ausgabe, endung);
    if (!a.rechnen.Still) std::cerr << "Export: " << datei.string() << '\n';
    return 0;
}

void Wahlen(CLI::App& befehl, TExportArgumente& a)
{
    befehl.add_option("--dezimal", a.dezimal, Sprachwahl("Dezimalseparator: punkt (Vorgabe) oder komma",
                                                         "decimal separator: punkt (default) or komma"))
        ->check(CLI::IsMember({"punkt", "komma"}));
    befehl.add_option("--zellen", a.zellen, Sprachwahl("Zellenseparator: semikolon (Vorgabe) oder komma",
                                                       "cell separator: semikolon (default) or komma"))
        ->check(CLI::IsMember({"semikolon", "komma"}));
    befehl.add_option("--endung", a.endung, Sprachwahl("Dateiendung für --out ohne Endung: csv (Vorgabe) oder txt",
                                                       "extension for --out without one: csv (default) or txt"))
        ->check(CLI::IsMember({"csv", "txt"}));
    befehl.add_option("--out", a.ausgabe, Sprachwahl("Exportdatei (ohne: Ausgabe auf stdout)",
                                                     "export file (without: output on stdout)"));
}

}  // namespace

void RegistriereExport(CLI::App& app, TLauf& lauf)
{
    static TExportArgumente a;
    CLI::App* befehl = app.add_subcommand("export", Sprachwahl("Formatierte Exporte für Tabellenkalkulationen",
                                                               "formatted exports for spreadsheets"));
    befehl->require_subcommand(1);
    const struct {
        const char* name;
        std::string beschreibung;
        std::string eingabe;
        TExportart art;
    } arten[] = {
        {"geometrie", Sprachwahl("Formatierter Geometrie-Export", "formatted geometry export"),
         Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"), TExportart::Geometrie},
        {"werte",
         Sprachwahl("Formatierter Export, Berechnete Werte (nach der Auslegungsberechnung)",
                    "formatted export, computed values (after the design computation)"),
         Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"), TExportart::Werte},
        {"polaren", Sprachwahl("Formatierter Export, Gesamtpolaren", "formatted export, total polars"),
         Sprachwahl("Polardateien (.velpol, alte .csv)", "polar files (.velpol, old .csv)"), TExportart::Polaren},
    };
    for (const auto& art : arten) {
        CLI::App* unter = befehl->add_subcommand(art.name, art.beschreibung);
        auto* eingabe = unter->add_option("DATEI", a.dateien, art.eingabe)->required();
        if (art.art != TExportart::Polaren) eingabe->expected(1);
        Wahlen(*unter, a);
        if (art.art == TExportart::Werte) {
            unter->add_option("--threads", a.rechnen.Threads, Sprachwahl("Zahl der Rechenthreads, 0 = einer je Prozessor (Vorgabe)",
                                                                         "number of computing threads, 0 = one per processor (default)"))
                ->check(CLI::NonNegativeNumber);
            unter->add_flag("--no-multithread", a.rechnen.KeinMultithread, Sprachwahl("seriell aufbauen und direkt lösen",
                                                                                      "build serially and solve directly"));
        }
        unter->add_flag("--quiet", a.rechnen.Still, Sprachwahl("keine Meldungen auf stderr außer Fehlern",
                                                               "no messages on stderr except errors"));
        SpracheOptionHinzufuegen(*unter, a.rechnen.Sprache);
        const TExportart gewaehlt = art.art;
        unter->callback([&lauf, gewaehlt] {
            a.art = gewaehlt;
            lauf = [] { return Ausfuehren(a); };
        });
    }
}
