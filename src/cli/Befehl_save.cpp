// velion-cli save: reads a scene and writes it back in the program's own layout.
#include <string>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "cli/KonsolenHost.h"
#include "cli/Szenenzugriff.h"

void RegistriereSave(CLI::App& app, TLauf& lauf)
{
    static std::string ein;
    static std::string aus;
    CLI::App* befehl = app.add_subcommand("save", Sprachwahl("Szene lesen und neu schreiben (vereinheitlicht die Datei)",
                                                             "read a scene and write it anew (normalises the file)"));
    befehl->add_option("SZENE", ein, Sprachwahl("Szenendatei (.vel)", "scene file (.vel)"))->required();
    befehl->add_option("ZIEL", aus, Sprachwahl("neue Szenendatei", "new scene file"))->required();
    befehl->callback([&lauf] {
        lauf = [] {
            TKonsolenHost host(true);
            // Normalising a file in place is meant; only a target that is no file is refused.
            AusgabedateiPruefen(aus, {});
            const TGeladeneSzene g = LadeSzene(ein, host);
            WriteScene(aus, *g.Szene, g.Schalter);
            return 0;
        };
    });
}
