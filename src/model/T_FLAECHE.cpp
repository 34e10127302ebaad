// Surface construction and segment widths.
#include "model/T_FLAECHE.h"

#include "profile/T_Profil.h"

TFLAECHE::TFLAECHE(TFlaechenArt art) : Art(art), Wurzelprofil(std::make_unique<TProfil>()) {}

TFLAECHE::~TFLAECHE() = default;

Extended TFLAECHE::Segmentbreite(int i) const
{
    const TSEGMENT* s = Segmente.Get(i);
    return s ? s->Segmentbreite : 0.0L;
}
