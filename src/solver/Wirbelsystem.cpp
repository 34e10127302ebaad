// Horseshoe elements and wake lines of the lattice.
#include "solver/Wirbelsystem.h"

#include "solver/Wirbelinduktion.h"

namespace {

Extended Gamma(const TLIST2D<TPAN>& t, int zeile, int spalte)
{
    const TPAN* p = t.Get(zeile, spalte);
    return p == nullptr ? 0.0L : p->GebundenerWirbel.Zirkulation;
}

}  // namespace

void VerteileZirkulation(TLIST2D<TPAN>& panelraster)
{
    TLIST2D<TPAN>& t = panelraster;
    for (int j = 0; j < t.RowCount(); ++j) {
        Extended s1 = 0.0L;
        Extended s2 = 0.0L;
        Extended s3 = 0.0L;
        for (int k = 0; k < t.Count(j); ++k) {
            if (j > 0) s1 = s1 + Gamma(t, j - 1, k);
            s2 = s2 + Gamma(t, j, k);
            if (j + 1 < t.RowCount()) s3 = s3 + Gamma(t, j + 1, k);
            TPAN* p = t.Get(j, k);
            if (p == nullptr) continue;
            for (TWirbel& w : p->WirbelLinks) w.Zirkulation = s1 - s2;
            for (TWirbel& w : p->WirbelRechts) w.Zirkulation = s2 - s3;
        }
    }
}

void InduzierteGeschwindigkeit(const TLIST2D<TPAN>& panelraster, const T3Vektor& P, T3Vektor& V)
{
    const TLIST2D<TPAN>& t = panelraster;
    for (int s = 0; s < t.RowCount(); ++s) {
        for (int k = 0; k < t.Count(s); ++k) {
            const TPAN* p = t.Get(s, k);
            if (p == nullptr) continue;
            V = Vektorsumme(V, Wirbelgeschwindigkeit(p->GebundenerWirbel, P));
            for (const TWirbel& w : p->WirbelLinks) V = Vektorsumme(V, Wirbelgeschwindigkeit(w, P));
            for (const TWirbel& w : p->WirbelRechts) V = Vektorsumme(V, Wirbelgeschwindigkeit(w, P));
        }
    }
}
