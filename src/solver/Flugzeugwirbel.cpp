// Aircraft-wide vortex sums over the surfaces.
#include "solver/Flugzeugwirbel.h"

#include "model/TPAN.h"
#include "model/T_FLUGZEUG.h"
#include "solver/Wirbelsystem.h"

void InduzierteGeschwindigkeit(const TFLUGZEUG& flugzeug, const T3Vektor& P, T3Vektor& V)
{
    for (const auto& f : flugzeug.Flaechen) InduzierteGeschwindigkeit(f->Panelraster, P, V);
}

void VerteileZirkulation(TFLUGZEUG& flugzeug)
{
    for (const auto& f : flugzeug.Flaechen) VerteileZirkulation(f->Panelraster);
}

TSegmentfeld Wirbelfeld(const TFLUGZEUG& flugzeug)
{
    TSegmentfeld feld;
    for (const auto& f : flugzeug.Flaechen) {
        const TLIST2D<TPAN>& t = f->Panelraster;
        for (int s = 0; s < t.RowCount(); ++s)
            for (int k = 0; k < t.Count(s); ++k) {
                const TPAN* p = t.Get(s, k);
                if (p == nullptr) continue;
                feld.Anhaengen(p->GebundenerWirbel);
                for (const TWirbel& w : p->WirbelLinks) feld.Anhaengen(w);
                for (const TWirbel& w : p->WirbelRechts) feld.Anhaengen(w);
            }
    }
    return feld;
}
