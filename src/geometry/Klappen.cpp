// Flap deflection of a segment's sections, flap groups and the flap inputs.
#include "geometry/Klappen.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Vektor.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "model/Eingabegrenzen.h"
#include "model/T_FLUGZEUG.h"
#include "profile/T_Profil.h"

namespace {

T3Vektor Vek(const TKoordinate& k) { return {k.X, k.Y, k.Z}; }

TKoordinate Koord(const T3Vektor& v) { return {v.x, v.y, v.z}; }

/// Right-handed rotation of `p` by `winkel` about the axis through `aufpunkt` along the unit vector
/// `achse` (Rodrigues).
T3Vektor DreheUmGerade(const T3Vektor& p, const T3Vektor& aufpunkt, const T3Vektor& achse, Extended winkel)
{
    const T3Vektor v = Vektordifferenz(p, aufpunkt);
    const Extended c = std::cos(winkel);
    const Extended s = std::sin(winkel);
    const T3Vektor gedreht = Vektorsumme(Vektorsumme(Vektorskalierung(c, v), Vektorskalierung(s, Kreuzprodukt(achse, v))),
                                         Vektorskalierung(Skalarprodukt3D(achse, v) * (1.0L - c), achse));
    return Vektorsumme(aufpunkt, gedreht);
}

/// The hinge line of a segment, directed outwards, the plane through it that cuts the sections
/// across their chords, and the deflection as a right-handed turn about the directed line.
struct TScharnier {
    T3Vektor Innen;
    T3Vektor Achse;
    T3Vektor Ebenennormale;
    Extended Winkel = 0.0L;
};

/// Deflects the flap part of one chain of points: a camber line, or one side of a contour. The chain
/// starts at its trailing-edge point `start` and walks by `schritt`; `segmente` chain segments are
/// searched for the hinge plane. The flap part is stretched about the chain's own hinge crossing and
/// turned so that its trailing edge lands on the trailing edge turned about the common hinge line.
/// A chain the plane does not cross stays as it is.
void KetteAuslenken(TProfil& p, int start, int schritt, int segmente, const TScharnier& h)
{
    auto index = [&](int i) { return start + schritt * i; };
    int treffer = -1;
    T3Vektor kreuzung;
    for (int i = 0; i < segmente; ++i) {
        const T3Vektor a = Vek(*p.Punkt(index(i)));
        const T3Vektor d = Vektordifferenz(Vek(*p.Punkt(index(i + 1))), a);
        const Extended nenner = Skalarprodukt3D(h.Ebenennormale, d);
        if (nenner == 0.0L) continue;  // parallel to the plane
        const Extended t = Skalarprodukt3D(h.Ebenennormale, Vektordifferenz(h.Innen, a)) / nenner;
        const T3Vektor c = Vektorsumme(a, Vektorskalierung(t, d));
        if (Punktabstand(c, a) <= Vektorbetrag(d)) {
            treffer = i;
            kreuzung = c;
            break;
        }
    }
    if (treffer < 0) return;

    const T3Vektor hinten = Vek(*p.Punkt(start));
    const T3Vektor ende = DreheUmGerade(hinten, h.Innen, h.Achse, h.Winkel);
    const Extended a = Punktabstand(kreuzung, hinten);
    const Extended b = Punktabstand(kreuzung, ende);
    const Extended c = Punktabstand(hinten, ende);
    p.Scharnierindex = static_cast<std::uint16_t>(index(treffer));
    p.Scharnierpunkt = Koord(kreuzung);
    p.Endleistenpunkt = Koord(ende);
    p.AbstandEndleiste = a;
    p.AbstandEndleisteNeu = b;
    // A trailing edge lying in the hinge plane has no flap part to stretch.
    p.Klappenfaktor = a != 0.0L ? b / a : 1.0L;

    const T3Vektor normale = Kreuzprodukt(Vektordifferenz(hinten, kreuzung), Vektordifferenz(ende, kreuzung));
    const Extended betrag = Vektorbetrag(normale);
    const Extended phi =
        a != 0.0L && b != 0.0L ? std::acos(std::clamp((a * a + b * b - c * c) / (2.0L * a * b), -1.0L, 1.0L)) : 0.0L;
    for (int m = 0; m <= treffer; ++m) {
        TKoordinate& punkt = *p.Punkt(index(m));
        T3Vektor q = Vek(punkt);
        if (q.x == kreuzung.x && q.y == kreuzung.y && q.z == kreuzung.z) continue;
        q = Vektorsumme(kreuzung, Vektorskalierung(p.Klappenfaktor, Vektordifferenz(q, kreuzung)));
        if (betrag != 0.0L) q = DreheUmGerade(q, kreuzung, Vektorskalierung(1.0L / betrag, normale), phi);
        punkt = Koord(q);
    }
}

std::unique_ptr<TProfil> Kopie(const TProfil& p) { return p.CopyRange(0, p.Anzahl() - 1); }

}  // namespace

void KlappeAnwenden(TFLAECHE& flaeche, int segment)
{
    TSEGMENT* s = flaeche.Segmente.Get(segment);
    if (s == nullptr) return;
    s->Klappengitterschnitte.clear();
    s->Klappenvolumenschnitte.clear();
    for (const auto& linie : s->Gitterschnitte) s->Klappengitterschnitte.push_back(Kopie(*linie));
    for (const auto& kontur : s->Volumenschnitte) s->Klappenvolumenschnitte.push_back(Kopie(*kontur));
    if (s->Klappenausschlag == 0.0L || s->Gitterschnitte.size() < 2) return;

    // The hinge line runs from the inner to the outer end section, outwards on both sides.
    const bool rechts = s->Segmentbreite >= 0.0L;
    const TProfil& innen = rechts ? *s->Gitterschnitte.front() : *s->Gitterschnitte.back();
    const TProfil& aussen = rechts ? *s->Gitterschnitte.back() : *s->Gitterschnitte.front();
    TScharnier h;
    h.Innen = Vek(innen.Scharnierpunkt);
    const T3Vektor linie = Vektordifferenz(Vek(aussen.Scharnierpunkt), h.Innen);
    const Extended laenge = Vektorbetrag(linie);
    if (laenge == 0.0L) return;  // a segment without width has no hinge line
    h.Achse = Vektorskalierung(1.0L / laenge, linie);
    // The hinge plane holds the hinge line and the outer trailing edge turned a quarter about it.
    const T3Vektor viertel =
        DreheUmGerade(Vek(*aussen.Punkt(0)), h.Innen, h.Achse, -std::numbers::pi_v<Extended> / 2.0L);
    h.Ebenennormale = Kreuzprodukt(linie, Vektordifferenz(viertel, h.Innen));
    if (Vektorbetrag(h.Ebenennormale) == 0.0L) return;
    // A right-handed turn about the outward axis lowers the trailing edge on the right side and
    // raises it on the left; the sign makes a positive angle lower it on both.
    h.Winkel = s->Klappenausschlag / GradProRad * (rechts ? 1.0L : -1.0L) * (s->Klappeninverse ? -1.0L : 1.0L);

    for (const auto& l : s->Klappengitterschnitte) KetteAuslenken(*l, 0, 1, l->Anzahl() - 1, h);
    for (const auto& k : s->Klappenvolumenschnitte) {
        const int n = k->Anzahl();
        if (n < 2) continue;
        KetteAuslenken(*k, 0, 1, std::min((n - 1) / 2 + 1, n - 1), h);  // upper side
        KetteAuslenken(*k, n - 1, -1, n - n / 2, h);                    // lower side
    }
}

void KlappenwinkelSetzen(TFLUGZEUG& flugzeug, int flaeche, int segment, Extended winkel)
{
    TFLAECHE* f = flugzeug.Flaechen.Get(flaeche);
    TSEGMENT* s = f != nullptr ? f->Segmente.Get(segment) : nullptr;
    if (s == nullptr) return;
    s->Klappenausschlag = winkel;
    const int gruppe = s->Klappengruppe;
    if (gruppe <= 0) {
        KlappeAnwenden(*f, segment);
        return;
    }
    for (const auto& fl : flugzeug.Flaechen) {
        for (int j = 0; j < fl->Segmente.Count(); ++j) {
            TSEGMENT& partner = *fl->Segmente.Get(j);
            if (partner.Klappengruppe != gruppe) continue;
            partner.Klappenausschlag = winkel;
            KlappeAnwenden(*fl, j);
        }
    }
}

void AlleKlappenNeutral(TFLAECHE& flaeche)
{
    for (int j = 0; j < flaeche.Segmente.Count(); ++j) {
        flaeche.Segmente.Get(j)->Klappenausschlag = 0.0L;
        KlappeAnwenden(flaeche, j);
    }
}

bool KlappenwinkelEingeben(THost& host, TFLUGZEUG& flugzeug, int flaeche, int segment, std::string_view text)
{
    Extended wert = 0.0L;
    if (!EingabeUebernehmen(host, TEingabefeld::Klappenausschlag, text, wert)) return false;
    KlappenwinkelSetzen(flugzeug, flaeche, segment, wert);
    return true;
}

Extended Schnitttiefe(const TFLAECHE& flaeche, int segment, TKlappenseite seite)
{
    const TSEGMENT* s = flaeche.Segmente.Get(segment);
    if (s == nullptr) return 0.0L;
    // The outer section of a segment left of the root is its left one.
    const bool links = segment <= LetztesLinkesSegment(flaeche);
    const bool aussen = (seite == TKlappenseite::Links) == links;
    return aussen ? s->Profiltiefe : InnereProfiltiefe(flaeche, segment);
}

bool KlappentiefeMeterEingeben(THost& host, TFLAECHE& flaeche, int segment, TKlappenseite seite, std::string_view text)
{
    TSEGMENT* s = flaeche.Segmente.Get(segment);
    if (s == nullptr) return false;
    Extended wert = 0.0L;
    try {
        wert = TextToReal(text);
    } catch (const EKonvertierung&) {
        host.Fehlertext(4);
        return false;
    }
    const Extended tiefe = Schnitttiefe(flaeche, segment, seite);
    if (wert < 0.0L || wert > tiefe || tiefe <= 0.0L) {
        host.Fehlertext(43);
        return false;
    }
    const Extended prozent = RoundReal(5, wert) / tiefe * 100.0L;
    (seite == TKlappenseite::Links ? s->KlappentiefeLinks : s->KlappentiefeRechts) = prozent;
    return true;
}
