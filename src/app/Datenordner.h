// Where the program keeps what it writes beside itself (settings, undo folder): the program folder
// when it is writable, else a per-user folder.
#pragma once

#include <filesystem>

/// The folder for the settings file and the undo folder: `programmverzeichnis` when it is a
/// writable folder, else $XDG_DATA_HOME/velion (or ~/.local/share/velion), created when missing.
/// `ausweich` tells whether the per-user folder was chosen.
std::filesystem::path Datenordner(const std::filesystem::path& programmverzeichnis, bool& ausweich);
