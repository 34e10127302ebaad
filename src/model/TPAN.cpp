// Panel geometry from its four corners.
#include "model/TPAN.h"

#include <algorithm>
#include <cmath>

namespace {

T3Vektor Ort(const TPUNKT& p) { return {p.X, p.Y, p.Z}; }

T3Vektor Mitte(const T3Vektor& a, const T3Vektor& b) { return Vektorskalierung(0.5L, Vektorsumme(a, b)); }

/// Heron's formula from the three side lengths.
Extended Dreiecksflaeche(Extended a, Extended b, Extended c)
{
    const Extended s = (a + b + c) / 2.0L;
    // Three collinear corners may leave the product a rounding step below zero: the triangle has
    // no area then, not an undefined one.
    return std::sqrt(std::max(0.0L, s * (s - a) * (s - b) * (s - c)));
}

}  // namespace

TPAN::TPAN()
{
    for (TPUNKT& p : Ecken) p.Panel = this;
    GebundenerWirbel.Art = WirbelGebunden;
}

void TPAN::SetzeEcke(int index, Extended x, Extended y, Extended z)
{
    TPUNKT* p = Ecke(index);
    if (p == nullptr) return;
    p->X = x;
    p->Y = y;
    p->Z = z;
}

TPUNKT* TPAN::Ecke(int index)
{
    if (index < 0 || index >= static_cast<int>(Ecken.size())) return nullptr;
    return &Ecken[static_cast<std::size_t>(index)];
}

const TPUNKT* TPAN::Ecke(int index) const { return const_cast<TPAN*>(this)->Ecke(index); }

void TPAN::SetzeFarbe(const TFarbe& farbe)
{
    for (TPUNKT& p : Ecken) p.Farbe = farbe;
}

void TPAN::Aktualisiere()
{
    const T3Vektor p0 = Ort(Ecken[0]);
    const T3Vektor p1 = Ort(Ecken[1]);
    const T3Vektor p2 = Ort(Ecken[2]);
    const T3Vektor p3 = Ort(Ecken[3]);

    const T3Vektor a = Vektordifferenz(p0, p1);
    const T3Vektor b = Vektordifferenz(p1, p2);
    const T3Vektor c = Vektordifferenz(p2, p3);
    const T3Vektor d = Vektordifferenz(p3, p0);
    const T3Vektor sum = Vektorsumme(Kreuzprodukt(a, b), Kreuzprodukt(c, d));
    const T3Vektor n{sum.x / 2.0L, sum.y / 2.0L, sum.z / 2.0L};
    Extended laenge = Vektorbetrag(n);
    if (laenge == 0.0L) laenge = 1.0L;
    Normale = {n.x / laenge, n.y / laenge, n.z / laenge};

    const Extended diagonale = Punktabstand(p0, p2);
    Flaecheninhalt = Dreiecksflaeche(Punktabstand(p0, p1), Punktabstand(p1, p2), diagonale) +
                     Dreiecksflaeche(Punktabstand(p2, p3), Punktabstand(p3, p0), diagonale);

    Tiefe = Punktabstand(Mitte(p0, p1), Mitte(p2, p3));
    Breite = Punktabstand(Mitte(p1, p2), Mitte(p3, p0));

    EckeVorneLinks = p3;
    EckeVorneRechts = p2;
    EckeHintenLinks = p0;
    EckeHintenRechts = p1;

    const T3Vektor mitteLinks = Mitte(p3, p0);
    ViertelpunktLinks = Mitte(p3, mitteLinks);
    DreiviertelpunktLinks = Mitte(mitteLinks, p0);
    const T3Vektor mitteRechts = Mitte(p2, p1);
    ViertelpunktRechts = Mitte(p2, mitteRechts);
    DreiviertelpunktRechts = Mitte(mitteRechts, p1);

    Aufpunkt = Mitte(DreiviertelpunktLinks, DreiviertelpunktRechts);
}
