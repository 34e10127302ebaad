// The polar list as the polar window's table shows it, and the info codes of a row in words.
#pragma once

#include <string>
#include <vector>

class THost;
class TPolarliste;

/// `InfoKlartext`: the info codes of a row in words (output texts 181, 177 with 178 or 179, 180
/// and 38), each entry ending in ", "; percentages with 1 decimal and `trennzeichen`. Unknown codes
/// are left out, so an info without known codes gives the empty text.
std::string InfoKlartext(const std::string& info, const THost& host, char trennzeichen);

/// `TabelleAufbauen`: per group its description lines, the column heading and one tab-separated
/// line per row, closed by output text 152 and an empty line. This is also the old ".csv" table.
std::vector<std::string> PolartabelleText(const TPolarliste& liste, const THost& host, char trennzeichen);
