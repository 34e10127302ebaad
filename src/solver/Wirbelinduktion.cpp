// Biot-Savart of one straight vortex segment.
#include "solver/Wirbelinduktion.h"

#include <cmath>

namespace {

/// Divisor of the velocity routine: 4 pi cut to ten digits. Every induced velocity, and with it
/// every force and result of the lattice, is scaled by this value, not by the full-digit 4 pi.
constexpr Extended VierPiGeschwindigkeit = 12.56637061L;

}  // namespace

Extended Normalkern(const TWirbel& w, const T3Vektor& P, const T3Vektor& n)
{
    const T3Vektor& e = w.Richtung;
    const T3Vektor r1 = Vektordifferenz(P, w.Anfang);
    const Extended er1 = Skalarprodukt3D(e, r1);
    const Extended c1 = er1 / Vektorbetrag(r1);
    // Also catches P on the start point (c1 = 0/0) and a segment without direction.
    if (!(std::fabs(c1) <= KollinearGrenze)) return 0.0L;
    const T3Vektor r2 = Vektordifferenz(P, w.Ende);
    const Extended c2 = Skalarprodukt3D(e, r2) / Vektorbetrag(r2);
    const T3Vektor d = Vektordifferenz(r1, Vektorskalierung(er1, e));
    const Extended h = Vektorbetrag(d);
    const T3Vektor d1{d.x / h, d.y / h, d.z / h};
    return Skalarprodukt3D(Kreuzprodukt(e, d1), n) * (c1 - c2) / h;
}

T3Vektor Wirbelgeschwindigkeit(const TWirbel& w, const T3Vektor& P)
{
    const T3Vektor& e = w.Richtung;
    const T3Vektor r1 = Vektordifferenz(P, w.Anfang);
    const Extended er1 = Skalarprodukt3D(e, r1);
    const Extended c1 = er1 / Vektorbetrag(r1);
    if (!(std::fabs(c1) <= KollinearGrenze)) return {};
    const T3Vektor r2 = Vektordifferenz(P, w.Ende);
    const Extended betragR2 = Vektorbetrag(r2);
    const Extended c2 = betragR2 == 0.0L ? 0.0L : Skalarprodukt3D(e, r2) / betragR2;
    const T3Vektor d = Vektordifferenz(r1, Vektorskalierung(er1, e));
    const Extended h = Vektorbetrag(d);
    const T3Vektor d1{d.x / h, d.y / h, d.z / h};
    return Vektorskalierung(w.Zirkulation * (c1 - c2) / (h * VierPiGeschwindigkeit), Kreuzprodukt(e, d1));
}
