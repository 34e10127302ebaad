// What the two building exports of the command line share: the choice of surfaces and of the
// output unit.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "common/Extended.h"
#include "model/T_FLAECHE.h"

class TFLUGZEUG;

struct TExportauswahl {
    std::vector<int> Flaechen;  ///< surface indices; empty: every surface as the scene has it
    std::string Einheit = "mm";
};

/// Adds --flaechen I,J,... and --einheit mm|cm|m|inch to a subcommand.
void ExportauswahlHinzufuegen(CLI::App& befehl, TExportauswahl& auswahl);

/// Metres to the chosen unit.
Extended Einheitenfaktor(const std::string& einheit);

/// Marks the chosen surfaces in `auswahl` (DxfAuswahl or StlAuswahl) and clears the mark of all
/// others; without a choice every surface takes part. Throws EVelionFehler for an index the
/// aircraft does not have.
void FlaechenWaehlen(TFLUGZEUG& flugzeug, const std::vector<int>& flaechen, bool TFLAECHE::*auswahl);

/// A positive length given as number text ("." or ","); throws EVelionFehler naming the option.
Extended Laenge(const std::string& option, const std::string& text, Extended kleinste);
