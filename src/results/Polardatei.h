// The polar files: the keyed ".velpol" text (written and read) and the older tab-separated ".csv"
// table (read only), the name a polar file is saved under, and loading that appends to the list.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class THost;
class TPolarliste;

/// What a read did: how many groups it appended and, when a value was no number, where it stopped.
struct TPolarlesung {
    int Gruppen = 0;          ///< groups appended to the list
    int Fehlerzeile = 0;      ///< 1-based line of the value that was no number; 0 when read to the end
    std::string Fehlerinhalt; ///< that line
    bool Vollstaendig() const { return Fehlerzeile == 0; }
};

/// A table value as text: `dezimalen` decimals with `trennzeichen`, cut to 8 characters. The cut
/// never takes digits of the whole part: a value of 10^7 or more keeps them all, where the cut
/// would make it ten or more times smaller.
std::string AchtStellen(long double wert, int dezimalen, char trennzeichen);

/// A polar value as text: AchtStellen with 5 decimals.
inline std::string Polarzahl(double wert, char trennzeichen) { return AchtStellen(wert, 5, trennzeichen); }

/// The list as ".velpol" lines (without line ends). Each group is written with its own Flugszene.
std::vector<std::string> PolarenSchreiben(const TPolarliste& liste, char trennzeichen = '.');

/// Appends the groups of ".velpol" lines. A value that is no number ends the read; the groups
/// completed before it stay in the list, the one being read is dropped.
TPolarlesung PolarenLesen(TPolarliste& liste, const std::vector<std::string>& zeilen);

/// Appends the groups of an old tab-separated polar table, turning its plain-language info texts
/// into the info codes; percentages are written again with `trennzeichen`. Stops like PolarenLesen.
TPolarlesung AltePolarenLesen(TPolarliste& liste, const std::vector<std::string>& zeilen, char trennzeichen = '.');

/// The name a polar file is saved under: none for a ".CSV" name (any case; the old table cannot be
/// written); ".VELPOL" appended to a name without extension; any other extension than exactly
/// ".VELPOL" replaced, cutting the file name at its first ".".
std::optional<std::filesystem::path> PolardateiName(const std::filesystem::path& gewaehlt);

/// "Polaren speichern_unter": writes the list under PolardateiName(gewaehlt), replacing an existing
/// file atomically, and returns the path written. A ".CSV" name raises error text 47 and writes
/// nothing (empty path). Throws EDatei on a write error.
std::filesystem::path PolarenSpeichern(const TPolarliste& liste, const std::filesystem::path& gewaehlt, THost& host,
                                       char trennzeichen = '.');

/// "Polaren dazuladen" of one file: ".CSV" files (any case) are read as old tables, ".VELPOL"
/// files as polar files; other extensions are ignored (nullopt). Throws EDatei when the file
/// cannot be read; the list is then unchanged.
std::optional<TPolarlesung> PolarenDazuladen(TPolarliste& liste, const std::filesystem::path& datei,
                                             char trennzeichen = '.');
