// The chords and twists at the two ends of a segment: the outer end carries the segment's own
// section, the inner end the neighbour's on the same side of the root, or the root section.
#pragma once

#include <utility>

#include "common/Extended.h"
#include "model/T_FLAECHE.h"

/// Chords (left end, right end) of segment j [m].
std::pair<Extended, Extended> Endprofiltiefen(const TFLAECHE& flaeche, int j);

/// Twists (left end, right end) of segment j [°].
std::pair<Extended, Extended> Endverwindungen(const TFLAECHE& flaeche, int j);
