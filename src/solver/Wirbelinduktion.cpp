// Biot-Savart of one straight vortex segment.
#include "solver/Wirbelinduktion.h"

#include <cmath>

namespace {

/// Divisor of the velocity routine: 4 pi cut to ten digits. Every induced velocity, and with it
/// every force and result of the lattice, is scaled by this value, not by the full-digit 4 pi.
constexpr Extended VierPiGeschwindigkeit = 12.56637061L;

/// The geometry both kernels share: the cosines c1, c2 at the segment's ends, the distance h of P
/// from its line and the unit direction of the induced velocity. Leer is true for P on the line of
/// the segment (or on its start point, or for a segment without direction), where the field is 0.
/// P on the end point gets c2 = 0.
struct TSegmentgeometrie {
    bool Leer = true;
    Extended c1 = 0.0L;
    Extended c2 = 0.0L;
    Extended h = 0.0L;
    T3Vektor Richtung;
};

TSegmentgeometrie Segmentgeometrie(const TWirbel& w, const T3Vektor& P)
{
    TSegmentgeometrie g;
    const T3Vektor& e = w.Richtung;
    const T3Vektor r1 = Vektordifferenz(P, w.Anfang);
    const Extended er1 = Skalarprodukt3D(e, r1);
    g.c1 = er1 / Vektorbetrag(r1);
    // Also catches P on the start point (c1 = 0/0) and a segment without direction.
    if (!(std::fabs(g.c1) <= KollinearGrenze)) return g;
    g.Leer = false;
    const T3Vektor r2 = Vektordifferenz(P, w.Ende);
    const Extended betragR2 = Vektorbetrag(r2);
    g.c2 = betragR2 == 0.0L ? 0.0L : Skalarprodukt3D(e, r2) / betragR2;
    const T3Vektor d = Vektordifferenz(r1, Vektorskalierung(er1, e));
    g.h = Vektorbetrag(d);
    const T3Vektor d1{d.x / g.h, d.y / g.h, d.z / g.h};
    g.Richtung = Kreuzprodukt(e, d1);
    return g;
}

}  // namespace

Extended Normalkern(const TWirbel& w, const T3Vektor& P, const T3Vektor& n)
{
    const TSegmentgeometrie g = Segmentgeometrie(w, P);
    if (g.Leer) return 0.0L;
    return Skalarprodukt3D(g.Richtung, n) * (g.c1 - g.c2) / g.h;
}

T3Vektor Wirbelgeschwindigkeit(const TWirbel& w, const T3Vektor& P)
{
    const TSegmentgeometrie g = Segmentgeometrie(w, P);
    if (g.Leer) return {};
    return Vektorskalierung(w.Zirkulation * (g.c1 - g.c2) / (g.h * VierPiGeschwindigkeit), g.Richtung);
}
