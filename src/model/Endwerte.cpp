// The chords and twists at the two ends of a segment.
#include "model/Endwerte.h"

namespace {

// Shared rule of both end values: `wert` picks the value of a segment, `wurzel` is the root's,
// `mitte` is returned for both ends of a zero-width segment among others.
template <typename Wert>
std::pair<Extended, Extended> Enden(const TFLAECHE& flaeche, int j, Wert wert, Extended wurzel,
                                    Extended mitte) {
    const TSEGMENT* segment = flaeche.Segmente.Get(j);
    if (segment == nullptr) return {wurzel, wurzel};
    const Extended w = segment->Segmentbreite;
    if (w == 0.0L && flaeche.Segmente.Count() > 1) return {mitte, mitte};
    const Extended aussen = wert(*segment);
    if (w >= 0.0L) {
            // A right segment (or the only one, of zero width): its inner end is the left one.
        const TSEGMENT* nachbar = flaeche.Segmente.Get(j - 1);
        const Extended innen =
            (nachbar != nullptr && nachbar->Segmentbreite > 0.0L) ? wert(*nachbar) : wurzel;
        return {innen, aussen};
    }
    const TSEGMENT* nachbar = flaeche.Segmente.Get(j + 1);
    const Extended innen =
        (nachbar != nullptr && nachbar->Segmentbreite < 0.0L) ? wert(*nachbar) : wurzel;
    return {aussen, innen};
}

}  // namespace

std::pair<Extended, Extended> Endprofiltiefen(const TFLAECHE& flaeche, int j) {
    return Enden(flaeche, j, [](const TSEGMENT& s) { return s.Profiltiefe; }, flaeche.Profiltiefe,
                 0.2L);
}

std::pair<Extended, Extended> Endverwindungen(const TFLAECHE& flaeche, int j) {
    return Enden(flaeche, j, [](const TSEGMENT& s) { return s.Verwindungswinkel; },
                 flaeche.Verwindungswinkel, 0.0L);
}
