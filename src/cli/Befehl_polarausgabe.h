// What the polar commands print: the polar list as the polar window's table shows it, or every
// group with every row as JSON.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "results/Polardatei.h"

class TBericht;
class THost;
class TPolarliste;

/// The table of the polar window, tab-separated, "." as decimal separator.
void PolartabelleDrucken(const TPolarliste& liste, const THost& host, std::ostream& aus);

/// Every group under "Gruppen", its series rows under "Reihen" and its steps under "Zeilen", keyed
/// by the field names of the polar records.
void PolarlisteBericht(const TPolarliste& liste, TBericht& bericht);

/// Writes the list under the polar save name of `gewaehlt` and says where on stderr (unless
/// `still`). Returns false, after error text 47, for a ".csv" name.
bool PolarenAusgeben(const TPolarliste& liste, const std::filesystem::path& gewaehlt, THost& host, bool still);

/// The message (after "Fehler: ") for a polar file that is no polar file (`lesung` empty) or that
/// stopped at a value that is no number; empty for a file read to the end.
std::string Polarlesefehler(const std::string& datei, const std::optional<TPolarlesung>& lesung);
