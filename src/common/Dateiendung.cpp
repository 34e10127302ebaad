// File names with a fixed extension.
#include "common/Dateiendung.h"

std::filesystem::path DateinameMitEndung(const std::filesystem::path& gewaehlt, const std::string& endung)
{
    std::filesystem::path name = gewaehlt;
    if (!name.has_extension()) return name += endung;
    if (name.extension() == endung) return name;
    const std::string datei = name.filename().string();
    return name.replace_filename(datei.substr(0, datei.find('.')) + endung);
}
