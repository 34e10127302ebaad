// velion-cli dxf: the building drawing of the chosen surfaces (3D model, three-view, building plan,
// flat ribs) as one DXF file, with every choice of the export window.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/Exportauswahl.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"
#include "export/DXF_Export.h"
#include "geometry/Szenenaufbau.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"

void RegistriereDxf(CLI::App& app, TLauf& lauf)
{
    static std::string ein;
    static std::string aus;
    static TExportauswahl auswahl;
    static TDxfOptionen optionen;
    static std::string schrifthoehe = "0.02";
    static std::string rippenabstand = "0.1";
    static bool ohneStrak = false;
    static std::vector<std::string> ebenen;
    static bool still = false;
    static std::string sprache;
    CLI::App* befehl = app.add_subcommand("dxf", Sprachwahl("Bauzeichnung der Flächen als DXF-Datei",
                                                            "construction drawing of the surfaces as a DXF file"));
    befehl->add_option("SZENE", ein, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("ZIEL", aus, Sprachwahl("DXF-Datei", "DXF file"))->required();
    ExportauswahlHinzufuegen(*befehl, auswahl);
    befehl->add_option("--aufloesung", optionen.Exportaufloesung, Sprachwahl("Profilkoordinaten je Seite (mindestens 10)",
                                                                             "airfoil coordinates per side (at least 10)"))
        ->capture_default_str();
    befehl->add_option("--schrifthoehe", schrifthoehe, Sprachwahl("Schrifthöhe [m]",
                                                                  "text height [m]"))->capture_default_str();
    befehl->add_option("--rippenabstand", rippenabstand, Sprachwahl("größter Rippenabstand der Strakprofile [m]",
                                                                    "largest rib spacing of the blended airfoils [m]"))
        ->capture_default_str();
    befehl->add_flag("--ohne-strak", ohneStrak, Sprachwahl("keine Strakprofile zwischen den Segmentenden",
                                                           "no blended airfoils between the segment ends"));
    befehl->add_option("--ebenen", ebenen, Sprachwahl("nur diese Layer zeichnen, durch Komma getrennt (Vorgabe: alle)",
                                                      "draw only these layers, separated by commas (default: all)"))
        ->delimiter(',')
        ->check(CLI::IsMember(DxfEbenenNamen()));
    befehl->add_flag("--quiet", still, Sprachwahl("kein Fortschritt auf stderr", "no progress on stderr"));
    SpracheOptionHinzufuegen(*befehl, sprache);
    befehl->callback([&lauf] {
        lauf = [] {
            TKonsolenHost host(still, sprache);
            AusgabedateiPruefen(aus, {ein});
            optionen.Schrifthoehe = Laenge("--schrifthoehe", schrifthoehe, 0.000001L);
            // Below a millimetre the strak ribs would only multiply the work, not the drawing.
            optionen.Rippenabstand = Laenge("--rippenabstand", rippenabstand, 0.001L);
            optionen.Strakprofile = !ohneStrak;
            optionen.Einheitenfaktor = Einheitenfaktor(auswahl.Einheit);
            if (!ebenen.empty()) {
                const auto& namen = DxfEbenenNamen();
                for (size_t i = 0; i < namen.size(); ++i)
                    optionen.Ebenen[i] = std::find(ebenen.begin(), ebenen.end(), namen[i]) != ebenen.end();
            }
            TSchalter schalter;
            const auto szene = SzeneLadenUndAufbauen(ein, schalter, host);
            FlaechenWaehlen(*szene->Flugzeug, auswahl.Flaechen, &TFLAECHE::DxfAuswahl);
            if (!DxfExportieren(*szene, optionen, aus, host)) return 1;
            return 0;
        };
    });
}
