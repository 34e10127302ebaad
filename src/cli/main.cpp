// velion-cli: the headless front end over the core.
#include <exception>
#include <iostream>

#include "cli/Befehle.h"
#include "common/Fehler.h"

int main(int argc, char** argv)
{
    CLI::App app{"Velion: aerodynamic design of model aircraft"};
    app.require_subcommand(1);
    TLauf lauf;
    RegistriereInfo(app, lauf);
    RegistriereSave(app, lauf);
    RegistriereProfile(app, lauf);
    RegistriereRun(app, lauf);
    RegistriereDesign(app, lauf);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    try {
        return lauf ? lauf() : 0;
    } catch (const EVelionFehler& e) {
        std::cerr << "Fehler: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "Fehler: " << e.what() << '\n';
        return 2;
    }
}
