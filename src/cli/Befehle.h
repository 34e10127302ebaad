// The subcommands of velion-cli. Each registers itself on the application and, when chosen, leaves
// the work to run in `lauf`; the work returns the exit code (0 success, 1 a reported failure,
// 2 bad usage or unreadable input).
#pragma once

#include <CLI/CLI.hpp>

#include <functional>

using TLauf = std::function<int()>;

/// velion-cli info SCENE.vel [--json]
void RegistriereInfo(CLI::App& app, TLauf& lauf);
/// velion-cli save SCENE.vel OUT.vel
void RegistriereSave(CLI::App& app, TLauf& lauf);
/// velion-cli profile FILE.dat [--json]
void RegistriereProfile(CLI::App& app, TLauf& lauf);
/// velion-cli run SCENE.vel [--alpha A] [--beta B] [--wake ...] [--threads N] [--json]
void RegistriereRun(CLI::App& app, TLauf& lauf);
/// velion-cli design SCENE.vel [--ziel N --wert X] [--out FILE.VelOut] [--transfer DIR] [--json]
void RegistriereDesign(CLI::App& app, TLauf& lauf);
/// velion-cli edit SCENE.vel --out OUT.vel OPERATION... (operations in the order given)
void RegistriereEdit(CLI::App& app, TLauf& lauf);
/// velion-cli dxf SCENE.vel OUT.dxf [--flaechen I,J] [--einheit U] [--rippenabstand X] [--ebenen ...]
void RegistriereDxf(CLI::App& app, TLauf& lauf);
/// velion-cli stl SCENE.vel OUT.stl [--flaechen I,J] [--einheit U] [--aufloesung N] [--geschlossen]
void RegistriereStl(CLI::App& app, TLauf& lauf);
/// velion-cli polar SCENE.vel [--klappen G:S:E]... [--ewd F:S:E]... [--anstellwinkel S:E] [--schritte N]
/// [--fix ...] [--bemerkung TEXT] [--out FILE.velpol] [--json]
void RegistrierePolar(CLI::App& app, TLauf& lauf);
/// velion-cli polaren FILE.velpol|FILE.csv... [--out FILE.velpol] [--json]
void RegistrierePolaren(CLI::App& app, TLauf& lauf);
/// velion-cli export geometrie|werte SCENE.vel | polaren FILE... [--dezimal ...] [--zellen ...] [--out FILE]
void RegistriereExport(CLI::App& app, TLauf& lauf);
