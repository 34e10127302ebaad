// Loading a scene with its geometry: the scene reader builds each surface when its block ends and
// the lattice of the aircraft when the file ends.
#pragma once

#include <filesystem>
#include <memory>

#include "model/Szenendatei.h"

class TFLAECHE;
class TFLUGZEUG;
class THost;

/// The geometry work the scene reader calls: BaueFlaeche per surface, GitterAufbauen at the end.
TSzenenAufbau GeometrieAufbau(THost& host);

/// A new scene read from `datei` and built. Throws what the reader throws (EDatei).
std::unique_ptr<TSZENE> SzeneLadenUndAufbauen(const std::filesystem::path& datei, TSchalter& schalter, THost& host);

/// The panels of the lattice of `flaeche`: its chordwise count times the sum of its segments'
/// spanwise counts.
long double Panelzahl(const TFLAECHE& flaeche);

/// The panels of the aircraft's lattice, all surfaces together.
long double Panelzahl(const TFLUGZEUG& flugzeug);

/// Refuses `datei` (EDatei) when a lattice of `panels` panels would not fit into the memory as an
/// equation system: a damaged count of millions would otherwise spend minutes and all memory on a
/// lattice no machine can solve.
void PanelzahlPruefen(const std::filesystem::path& datei, long double panels);
