// The name a saved file gets when it must carry one particular extension (".dat", ".DXF", ".STL").
#pragma once

#include <filesystem>
#include <string>

/// `endung` added to a name without extension; a name whose extension is not exactly `endung` (in
/// case too) is cut before the first "." of its file name and gets `endung`. The folder is kept
/// as chosen, dots and all.
std::filesystem::path DateinameMitEndung(const std::filesystem::path& gewaehlt, const std::string& endung);
