// The program's own writable folder.
#include "app/Datenordner.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

std::filesystem::path Datenordner(const std::filesystem::path& programmverzeichnis, bool& ausweich)
{
    std::error_code fehler;
    ausweich = false;
    if (std::filesystem::is_directory(programmverzeichnis, fehler) && access(programmverzeichnis.c_str(), W_OK) == 0)
        return programmverzeichnis;
    ausweich = true;
    std::filesystem::path ordner;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        ordner = std::filesystem::path(xdg) / "velion";
    else if (const char* home = std::getenv("HOME"); home && *home)
        ordner = std::filesystem::path(home) / ".local" / "share" / "velion";
    else
        ordner = std::filesystem::temp_directory_path(fehler) / "velion";
    std::filesystem::create_directories(ordner, fehler);
    return ordner;
}
