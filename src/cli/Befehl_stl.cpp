// velion-cli stl: the skins of the chosen surfaces as a binary STL file, optionally closed into a
// watertight body for slicers.
#include <iostream>
#include <string>

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
    CLI::App* befehl = app.add_subcommand("stl", "Häute der Flächen als binäre STL-Datei");
    befehl->add_option("SZENE", ein, "Szenendatei (.vel)")->required();
    befehl->add_option("ZIEL", aus, "STL-Datei")->required();
    ExportauswahlHinzufuegen(*befehl, auswahl);
    befehl->add_option("--aufloesung", optionen.Exportaufloesung, "Profilkoordinaten je Seite (mindestens 10)")
        ->capture_default_str();
    befehl->add_flag("--geschlossen", optionen.Geschlossen,
                     "Enden und offene Endleisten schließen (wasserdichter Körper für den 3D-Druck)");
    befehl->add_flag("--quiet", still, "kein Fortschritt auf stderr");
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
