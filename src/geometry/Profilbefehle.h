// The profile commands of a surface: a profile file taken over into the root or a segment section,
// a section turned upside down or made a blend of its neighbours, and the section profile at a span
// position of the current segment.
#pragma once

#include <filesystem>
#include <memory>

#include "common/Extended.h"
#include "geometry/Flaechenbearbeitung.h"

class TProfil;

/// Which section profile a command works on: the root of surface `Flaeche` (Segment -1) or the outer
/// section of its segment `Segment`. Held by index, so that a window that keeps it open across
/// edits never points into a deleted surface.
struct TProfilziel {
    int Flaeche = -1;
    int Segment = -1;
};

/// The current surface's root (`segment` false) or its current segment's profile as a target.
TProfilziel AktuellesProfilziel(const TFLUGZEUG& flugzeug, bool segment);

/// The profile the target names; nullptr when that surface or segment no longer exists.
TProfil* Zielprofil(TFLUGZEUG& flugzeug, const TProfilziel& ziel);

/// Reads the ".dat" file into the target profile, then rebuilds the owning surface (mirrored when
/// "immer Spiegeln" is on) and runs the ending. A file that cannot be read throws EDatei and leaves
/// profile and model as they were. False when the target no longer exists.
bool ProfilUebernehmen(TBearbeitung& b, const TProfilziel& ziel, const std::filesystem::path& datei);

/// Turns the target profile upside down and runs the ending; the root section is not mirrored.
bool ProfilInvertieren(TBearbeitung& b, const TProfilziel& ziel);

/// Makes the current segment's section a blend of its neighbours ("strak") and runs the ending.
bool StrakEinbauen(TBearbeitung& b);

/// The section of the current segment of `flaeche` at span position `station` [m]: blended from the
/// profiles at its two ends, extrapolated linearly outside it. Nullptr when the surface has no
/// current segment, when that segment has width 0 beside others (no end profiles) or before the
/// surface has been built.
std::unique_ptr<TProfil> Profilschnitt(const TFLAECHE& flaeche, Extended station);
