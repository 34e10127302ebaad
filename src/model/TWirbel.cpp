// Length and direction of a vortex segment.
#include "model/TWirbel.h"

void TWirbel::Aktualisiere()
{
    const T3Vektor d = Vektordifferenz(Ende, Anfang);
    Laenge = Vektorbetrag(d);
    // A segment that collapsed to a point (a panel corner on its quarter point) has no direction; a
    // zero vector keeps its induced velocity zero and a wake line moved along it connected, where
    // 0/0 would spread undefined coordinates down the line.
    if (Laenge == 0.0L) {
        Richtung = T3Vektor{};
        return;
    }
    Richtung = {d.x / Laenge, d.y / Laenge, d.z / Laenge};
}
