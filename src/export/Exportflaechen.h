// What the building exports share: the volume resolution chosen for one export, private copies of
// the surfaces with intermediate strak sections, and the run of volume sections along a surface.
#pragma once

#include <memory>
#include <vector>

#include "common/Extended.h"

class THost;
class TFLAECHE;
class TFLUGZEUG;
class TProfil;

/// Smallest number of profile points per side an export accepts.
inline constexpr int KleinsteExportaufloesung = 10;

/// Gives every surface of the aircraft the export's volume resolution and rebuilds it and the
/// lattice; the destructor restores each surface's own resolution and rebuilds again. Results of a
/// previous computation no longer belong to the lattice afterwards.
class TExportaufloesung {
public:
    TExportaufloesung(TFLUGZEUG& flugzeug, int aufloesung, THost& host);
    ~TExportaufloesung();
    TExportaufloesung(const TExportaufloesung&) = delete;
    TExportaufloesung& operator=(const TExportaufloesung&) = delete;

private:
    void Neubauen();
    TFLUGZEUG& flugzeug_;
    THost& host_;
    std::vector<int> gemerkt_;
};

/// A private copy of a surface for an export: kind, position, root section, incidence, panel
/// settings, mass, manual zero-lift values and every segment; the name is "noname" and the fields
/// the copy does not take keep a new surface's defaults. The volume resolution is the original's.
/// Built, belonging to no aircraft.
std::unique_ptr<TFLAECHE> Exportkopie(const TFLAECHE& original, THost& host);

/// Splits each segment of `kopie` (a fresh copy of `original`) by strak sections so that no two
/// sections lie further apart in span than `rippenabstand`: a segment of width b gets the fewest
/// equal pieces n with |b| / n <= rippenabstand (none when that is 1). The new sections are blended from
/// their neighbours; the chord of each is the distance from its nose to its trailing edge on the
/// straight edges between the segment's twisted end sections. `kopie` is rebuilt after each cut.
void StrakschnitteEinfuegen(TFLAECHE& kopie, const TFLAECHE& original, Extended rippenabstand, THost& host);

/// The volume sections of a built surface from its left end to its right end, each section once:
/// of every segment all but its last, then the last of the last segment. The pointers belong to the
/// surface.
std::vector<const TProfil*> Volumenschnittfolge(const TFLAECHE& flaeche);
