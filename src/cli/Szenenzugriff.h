// How the console commands load a scene and check the files they will write: one place, so every
// command reads and refuses the same way.
#pragma once

#include <filesystem>
#include <initializer_list>
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

/// Checks, before any work is done, that `ausgabe` names a file that can be written: a name that is
/// not empty and not a folder, in a folder that exists and is writable, and none of `eingaben`
/// (writing there would destroy an input). Throws EVelionFehler naming the cause.
void AusgabedateiPruefen(const std::filesystem::path& ausgabe, std::initializer_list<std::filesystem::path> eingaben);

/// Checks that `ordner` is an existing, writable folder. Throws EVelionFehler naming the cause.
void AusgabeordnerPruefen(const std::filesystem::path& ordner);
