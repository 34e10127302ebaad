// The lattice as a table for checking and plotting: one line per lattice panel with its surface,
// strip and column, its four corners, control point, normal and area.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TFLUGZEUG;

/// Header line and one line per panel of every surface's Panelraster, comma-separated, numbers with
/// "." and 12 decimals (corners are rounded to 8, so equal corners give equal text).
std::vector<std::string> GitterTabelle(const TFLUGZEUG& flugzeug);

/// Writes GitterTabelle to `datei`, replacing it atomically; throws EDatei.
void SchreibeGitterdatei(const std::filesystem::path& datei, const TFLUGZEUG& flugzeug);
