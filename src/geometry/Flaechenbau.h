// The surface builder: from the root section and the segments of a surface to camber lines and
// volume contours placed in space, with hinge points, twist, dihedral, incidence, spanwise stations
// and deflected flaps, plus the planform lines of the 2D plan view.
#pragma once

#include "common/Extended.h"

class TFLAECHE;
class THost;
struct TKoordinate;

/// Builds every section list and the planform values of every segment; a surface without segments
/// is left as it is, one with a profile of fewer than 3 points or with AnzahlPanelsX below 1 without
/// sections (the latter raises error text 10). Nudges flap chords
/// of exactly 0 % or 100 % into the chord. The host hears of camber-line matches that do not settle.
void BaueFlaeche(TFLAECHE& flaeche, THost& host);

/// Rotates `punkt` about the axis through `zentrum` parallel to the x (achse 0, acting in y-z),
/// y (1, x-z) or z axis (2, x-y) by `winkel` radians; a positive angle turns clockwise in the plane
/// of (first, second) coordinate.
void DreheUmAchse(TKoordinate& punkt, const TKoordinate& zentrum, int achse, Extended winkel);

/// Index of the last segment left of the root section (negative width); -1 when there is none.
int LetztesLinkesSegment(const TFLAECHE& flaeche);

/// Chord at the inner end of segment j: the outer chord of its inner neighbour, or the root chord
/// for a segment next to the root section.
Extended InnereProfiltiefe(const TFLAECHE& flaeche, int j);
