// Scene loading for the console commands.
#include "cli/Szenenzugriff.h"

#include <unistd.h>

#include "cli/Aufrufsprache.h"
#include "common/Fehler.h"
#include "geometry/Szenenaufbau.h"

TGeladeneSzene LadeSzene(const std::filesystem::path& datei, THost& host)
{
    TGeladeneSzene g;
    g.Szene = SzeneLadenUndAufbauen(datei, g.Schalter, host);
    return g;
}

void AusgabeordnerPruefen(const std::filesystem::path& ordner)
{
    const std::filesystem::path o = ordner.empty() ? std::filesystem::path(".") : ordner;
    std::error_code fehler;
    if (!std::filesystem::is_directory(o, fehler))
        throw EVelionFehler(o.string() + Sprachwahl(": erwartet wird ein vorhandener Ordner",
                                                    ": expected an existing folder"));
    if (::access(o.c_str(), W_OK | X_OK) != 0)
        throw EVelionFehler(o.string() + Sprachwahl(": erwartet wird ein beschreibbarer Ordner (keine Schreibrechte)",
                                                    ": expected a writable folder (no write permission)"));
}

void AusgabedateiPruefen(const std::filesystem::path& ausgabe, std::initializer_list<std::filesystem::path> eingaben)
{
    if (ausgabe.empty() || !ausgabe.has_filename())
        throw EVelionFehler("\"" + ausgabe.string() +
                            Sprachwahl("\": erwartet wird ein Dateiname, kein leerer Name und kein Ordner",
                                       "\": expected a file name, no empty name and no folder"));
    std::error_code fehler;
    if (std::filesystem::is_directory(ausgabe, fehler))
        throw EVelionFehler(ausgabe.string() + Sprachwahl(": erwartet wird eine Datei, dies ist ein Ordner",
                                                          ": expected a file, this is a folder"));
    for (const std::filesystem::path& eingabe : eingaben)
        if (std::filesystem::equivalent(ausgabe, eingabe, fehler))
            throw EVelionFehler(ausgabe.string() +
                                Sprachwahl(": die Ausgabe wäre eine Eingabedatei (",
                                           ": the output would be an input file (") +
                                eingabe.string() +
                                Sprachwahl("); erwartet wird ein anderer Dateiname", "); expected another file name"));
    try {
        AusgabeordnerPruefen(ausgabe.parent_path());
    } catch (const EVelionFehler& e) {
        throw EVelionFehler(ausgabe.string() + ": " + e.what());
    }
}
