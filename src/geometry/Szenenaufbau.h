// Loading a scene with its geometry: the scene reader builds each surface when its block ends and
// the lattice of the aircraft when the file ends.
#pragma once

#include <filesystem>
#include <memory>

#include "model/Szenendatei.h"

class THost;

/// The geometry work the scene reader calls: BaueFlaeche per surface, GitterAufbauen at the end.
TSzenenAufbau GeometrieAufbau(THost& host);

/// A new scene read from `datei` and built. Throws what the reader throws (EDatei).
std::unique_ptr<TSZENE> SzeneLadenUndAufbauen(const std::filesystem::path& datei, TSchalter& schalter, THost& host);
