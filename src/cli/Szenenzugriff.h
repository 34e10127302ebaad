// How the console commands load a scene: one place, so every command reads it the same way.
#pragma once

#include <filesystem>
#include <memory>

#include "model/Szenendatei.h"

class THost;

struct TGeladeneSzene {
    std::unique_ptr<TSZENE> Szene;
    TSchalter Schalter;
};

/// Reads the scene file and builds it as the program does: each surface when its block ends, the
/// lattice when the file ends. Throws EDatei with file, line and cause when it cannot be read.
TGeladeneSzene LadeSzene(const std::filesystem::path& datei, THost& host);
