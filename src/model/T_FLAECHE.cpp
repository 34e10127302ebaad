// Surface construction and segment widths.
#include "model/T_FLAECHE.h"

#include "model/TPAN.h"
#include "profile/T_Profil.h"

TFLAECHE::TFLAECHE(TFlaechenArt art) : Art(art), Wurzelprofil(std::make_unique<TProfil>()) {}

TFLAECHE::~TFLAECHE() = default;

Extended TFLAECHE::Segmentbreite(int i) const
{
    const TSEGMENT* s = Segmente.Get(i);
    return s ? s->Segmentbreite : 0.0L;
}

TErgebnis* TFLAECHE::ErgebnisSetzen(int streifen, int slot)
{
    if (streifen < 0 || slot < 0 || slot >= ErgebnisSlotAnzahl) return nullptr;
    if (TErgebnis* e = Ergebnisraster.Get(streifen, slot)) return e;
    while (static_cast<int>(Ergebnisspeicher.size()) <= streifen) Ergebnisspeicher.emplace_back();
    TErgebnis& e = Ergebnisspeicher[static_cast<std::size_t>(streifen)][static_cast<std::size_t>(slot)];
    e = TErgebnis{};
    Ergebnisraster.Put(streifen, slot, &e);
    return &e;
}
