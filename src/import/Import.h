// Import of surfaces into the current aircraft: the surfaces of another scene file, the wings of the
// two project formats of a longitudinal-stability program (".Tt4" lines, ".Tx4" tags) and a
// flying-wing description (".FLG").
#pragma once

#include <filesystem>

#include "geometry/Flaechenbearbeitung.h"

enum class TImportformat { Unbekannt, Szene, Tt4, Tx4, Flg };

/// The reader for a file, chosen by its extension in any case.
TImportformat ImportformatAusDatei(const std::filesystem::path& datei);

/// Reads `datei` whole and appends the surfaces it describes to the aircraft, each step ending as
/// the import does (lattice, snapshot, stop request, refresh): once per wing of a project file,
/// once for a scene or flying-wing file. Returns the number of surfaces appended; 0 for an
/// extension of no import format.
///
/// The file is read and checked completely before the first surface is appended, so a file that
/// cannot be read, is cut short or holds a value that is no number throws EDatei (file, line, text,
/// what was expected) and leaves the aircraft unchanged.
int Importieren(TBearbeitung& b, const std::filesystem::path& datei);
