// The structural edits of an aircraft: surfaces added, copied, deleted and mirrored, segments
// inserted, deleted and split, the elliptic wing and the automatic spanwise panel count. Each works
// on the current surface and its current segment and ends as every model change does: rebuild,
// mirroring when "immer Spiegeln" is on, lattice, undo snapshot, refresh and redraw.
#pragma once

#include <memory>
#include <string_view>

#include "common/Extended.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"

class THost;

/// How the chord of the new section of a split segment is chosen.
enum class TTeilungstiefe { ProfiltiefeLinearHalten, HinterkanteGerade };

/// The state an editing operation works in: the aircraft, the host that hears of the change, and
/// the "immer Spiegeln" switch of the scene.
struct TBearbeitung {
    TFLUGZEUG& Flugzeug;
    THost& Host;
    bool ImmerSpiegeln = false;
};

/// A new surface, owned by nobody, with the stored values of `flaeche` and copies of its segments;
/// the chord pivot, the zero-lift optimisation, the volume points and the circulation help curve
/// keep their constructor defaults.
std::unique_ptr<TFLAECHE> FlaecheKopieren(const TFLAECHE& flaeche);

/// Mirrors the side of the current segment onto the other side (that side's segments are replaced)
/// and rebuilds the surface. Returns false, changing nothing, for a current segment of width 0 or
/// none at all.
bool Spiegeln(TFLAECHE& flaeche, THost& host);

/// Places the surface `neu`, already appended: 0.2 m behind and 0.1 m above the first surface with
/// the largest x (itself included), at x = z = 0 when it is the only one.
void Platzieren(TFLUGZEUG& flugzeug, TFLAECHE& neu);

/// The ending of a model change: rebuild of `umgebaut` (when given), its mirroring when `spiegeln`
/// and "immer Spiegeln" is on, lattice, snapshot, refresh and redraw.
void Bearbeitungsende(TBearbeitung& b, TFLAECHE* umgebaut, bool spiegeln);

// The operations. Each returns true when it changed the model (and ran the ending), false when it
// did not apply or was cancelled; the model is then unchanged.

bool FlaecheNeu(TBearbeitung& b);
bool FlaecheKopie(TBearbeitung& b);
/// Asks with error text 7; only NO cancels.
bool FlaecheLoeschen(TBearbeitung& b);
/// The elliptic wing of 1 m span from the entered segment count per half; a text that is no whole
/// number above 0 raises error text 60 and changes nothing.
bool ElliptischeFlaeche(TBearbeitung& b, std::string_view anzahlText);
/// The "Spiegeln" button: Spiegeln of the current surface and the ending.
bool FlaecheSpiegeln(TBearbeitung& b);
/// Asks with error text 12; deletes the side of the current segment.
bool FluegelhaelfteLoeschen(TBearbeitung& b);
bool SegmentNeuLinks(TBearbeitung& b);
bool SegmentNeuRechts(TBearbeitung& b);
/// Asks with error text 8; a surface without segments is removed.
bool SegmentLoeschen(TBearbeitung& b);
/// Splits the current segment at the fraction `anteil` (0 < anteil < 1) of the way from its left
/// to its right end. A segment of width 0 cannot be split.
bool SegmentSplitten(TBearbeitung& b, Extended anteil, TTeilungstiefe tiefe);
/// Splits the current segment at the span position `markierung` (plan view marker); refused when
/// the marker is not strictly inside the segment.
bool SegmentSplittenPosY(TBearbeitung& b, Extended markierung, TTeilungstiefe tiefe);
/// The split of SegmentSplittenPosY on segment j of f alone, without the ending of an edit (no
/// rebuild); false, changing nothing, when m is not strictly inside the segment.
bool SegmentBeiYTeilen(TFLAECHE& f, int j, Extended m, TTeilungstiefe tiefe);
/// About eight spanwise panels per mean chord of span, plus one.
bool Panelautomatik(TBearbeitung& b);

/// Round(16 |w| / (cL + cR)) + 1 for segment j, halves to even; the largest int where that is more
/// or no number.
int AutomatischePanelsY(const TFLAECHE& flaeche, int j);
