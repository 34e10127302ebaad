// velion-cli: the headless front end over the core.
#include <exception>
#include <filesystem>
#include <new>
#include <iostream>

#include "cli/Aufrufsprache.h"
#include "cli/Befehle.h"
#include "common/Fehler.h"

int main(int argc, char** argv)
{
    AufrufspracheWaehlen(argc, argv);
    CLI::App app{Sprachwahl("Velion: aerodynamische Auslegung von Modellflugzeugen",
                            "Velion: aerodynamic design of model aircraft")};
    AufrufspracheAnwenden(app);
    app.require_subcommand(1);
    TLauf lauf;
    RegistriereInfo(app, lauf);
    RegistriereSave(app, lauf);
    RegistriereProfile(app, lauf);
    RegistriereRun(app, lauf);
    RegistriereDesign(app, lauf);
    RegistriereEdit(app, lauf);
    RegistriereDxf(app, lauf);
    RegistriereStl(app, lauf);
    RegistrierePolar(app, lauf);
    RegistrierePolaren(app, lauf);
    RegistriereExport(app, lauf);
    BefehleBenennen(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    // Exit codes: 0 done, 1 computation failed or stopped, 2 bad input (the user's to mend),
    // 3 an internal fault (ours: a broken invariant, memory exhausted).
    try {
        return lauf ? lauf() : 0;
    } catch (const EVelionFehler& e) {
        std::cerr << Aufruftext(302, "Fehler: %1", {e.what()}) << '\n';
        return 2;
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << Aufruftext(302, "Fehler: %1", {e.path1().string() + ": " + e.code().message()}) << '\n';
        return 2;
    } catch (const std::bad_alloc&) {
        std::cerr << Aufruftext(303, "interner Fehler: %1", {Aufruftext(304, "zu wenig Speicher für diese Rechnung")})
                  << '\n';
        return 3;
    } catch (const std::exception& e) {
        std::cerr << Aufruftext(303, "interner Fehler: %1", {e.what()}) << '\n';
        return 3;
    }
}
