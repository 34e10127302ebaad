// velion-cli stl: the skins of the chosen surfaces as a binary STL file, optionally closed into a
// watertight body for slicers.
#include <iostream>
#include <string>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Exportauswahl.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "export/STL_Export.h"
#include "geometry/Szenenaufbau.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"

void RegistriereStl(CLI::App& app, TLauf& lauf)
{
    static std::string ein;
    static std::string aus;
    static TExportauswahl auswahl;
    static TStlOptionen optionen;
    static bool still = false;
    static std::string sprache;
    CLI::App* befehl = app.add_subcommand("stl", Sprachwahl("Häute der Flächen als binäre STL-Datei",
                                                            "skins of the surfaces as a binary STL file"));
    befehl->add_option("SZENE", ein, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("ZIEL", aus, Sprachwahl("STL-Datei", "STL file"))->required();
    ExportauswahlHinzufuegen(*befehl, auswahl);
    befehl->add_option("--aufloesung", optionen.Exportaufloesung, Sprachwahl("Profilkoordinaten je Seite (mindestens 10)",
                                                                             "airfoil coordinates per side (at least 10)"))
        ->capture_default_str();
    befehl->add_flag("--geschlossen", optionen.Geschlossen,
                     Sprachwahl("Enden und offene Endleisten schließen (wasserdichter Körper für den 3D-Druck)",
                                "close the ends and open trailing edges (watertight body for 3D printing)"));
    befehl->add_flag("--quiet", still, Sprachwahl("kein Fortschritt auf stderr", "no progress on stderr"));
    SpracheOptionHinzufuegen(*befehl, sprache);
    befehl->callback([&lauf] {
        lauf = [] {
            TKonsolenHost host(still, sprache);
            AusgabedateiPruefen(aus, {ein});
            TSchalter schalter;
            const auto szene = SzeneLadenUndAufbauen(ein, schalter, host);
            FlaechenWaehlen(*szene->Flugzeug, auswahl.Flaechen, &TFLAECHE::StlAuswahl);
            optionen.Einheitenfaktor = Einheitenfaktor(auswahl.Einheit);
            if (!StlExportieren(*szene, optionen, aus, host)) return 1;
            return 0;
        };
    });
}
