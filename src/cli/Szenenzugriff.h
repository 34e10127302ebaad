// How the console commands load a scene: one place, so every command reads it the same way.
#pragma once

#include <filesystem>
#include <memory>

#include "model/Szenendatei.h"

struct TGeladeneSzene {
    std::unique_ptr<TSZENE> Szene;
    TSchalter Schalter;
};

/// Reads the scene file; throws EDatei with file, line and cause when it cannot be read.
TGeladeneSzene LadeSzene(const std::filesystem::path& datei);
