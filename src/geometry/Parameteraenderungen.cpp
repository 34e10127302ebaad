// Chord and sweep edits that keep geometry in place, scaling and the zero-point shift.
#include "geometry/Parameteraenderungen.h"

#include <cmath>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "model/Eingabegrenzen.h"
#include "model/Endwerte.h"

namespace {


TFLAECHE* AktuelleFlaeche(const TBearbeitung& b) { return b.Flugzeug.Flaechen.Get(b.Flugzeug.AktuelleFlaeche); }

/// The planform offset of a segment's outer leading edge against its inner one.
Extended Versatz(const TSEGMENT& s) { return std::fabs(s.Segmentbreite) * std::tan(s.Pfeilwinkel / GradJeRadiant); }

/// The sweep [°] that gives a segment the planform offset `dx`.
Extended PfeilAusVersatz(const TSEGMENT& s, Extended dx) { return std::atan(dx / std::fabs(s.Segmentbreite)) * GradJeRadiant; }

/// Chords at the inner and the outer end of segment j.
std::pair<Extended, Extended> InnenAussen(const TFLAECHE& f, int j)
{
    const auto [cL, cR] = Endprofiltiefen(f, j);
    return f.Segmentbreite(j) >= 0.0L ? std::pair{cL, cR} : std::pair{cR, cL};
}

bool Geprueft(THost& host, TEingabefeld feld, std::string_view text, Extended& wert)
{
    const TEingabepruefung p = EingabePruefen(feld, text);
    if (!p.Angenommen) {
        host.Fehlertext(p.Fehlertext);
        return false;
    }
    wert = p.Wert;
    return true;
}

}  // namespace

void PfeilwinkelSetzen(TFLAECHE& f, int j, Extended winkel, Extended prozent)
{
    TSEGMENT* s = f.Segmente.Get(j);
    if (!s || s->Segmentbreite == 0.0L) return;
    const auto [innen, aussen] = InnenAussen(f, j);
    const Extended w = std::fabs(s->Segmentbreite);
    s->Pfeilwinkel = std::atan((std::tan(winkel / GradJeRadiant) * w + prozent / 100.0L * (innen - aussen)) / w) * GradJeRadiant;
}

Extended BezugslinienPfeilwinkel(const TFLAECHE& f, int j, Extended prozent)
{
    const TSEGMENT* s = f.Segmente.Get(j);
    if (!s) return 0.0L;
    if (s->Segmentbreite == 0.0L) return s->Pfeilwinkel;
    const auto [innen, aussen] = InnenAussen(f, j);
    const Extended w = std::fabs(s->Segmentbreite);
    return std::atan(std::tan(s->Pfeilwinkel / GradJeRadiant) - prozent / 100.0L * (innen - aussen) / w) * GradJeRadiant;
}

bool WurzeltiefeAendern(TBearbeitung& b, std::string_view text)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    Extended neu = 0.0L;
    if (!f || !Geprueft(b.Host, TEingabefeld::Profiltiefe, text, neu)) return false;
    const Extended delta = (neu - f->Profiltiefe) * f->BezugspunktProfiltiefe / 100.0L;
    f->Position.x -= delta;
    // The root's neighbours take up the shift; segments further out are placed relative to them.
    const int links = LetztesLinkesSegment(*f);
    for (const int j : {links, links + 1}) {
        TSEGMENT* s = f->Segmente.Get(j);
        if (s && s->Segmentbreite != 0.0L) s->Pfeilwinkel = PfeilAusVersatz(*s, Versatz(*s) + delta);
    }
    f->Profiltiefe = neu;
    Bearbeitungsende(b, f, false);
    return true;
}

bool SegmenttiefeAendern(TBearbeitung& b, std::string_view text)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    TSEGMENT* s = f ? f->Segmente.Get(f->AktuellesSegment) : nullptr;
    Extended neu = 0.0L;
    if (!s || !Geprueft(b.Host, TEingabefeld::Profiltiefe, text, neu)) return false;
    const int j = f->AktuellesSegment;
    const Extended w = s->Segmentbreite;
    if (w != 0.0L) {
        const Extended dx = Versatz(*s);
        const Extended dxNeu = dx + (s->Profiltiefe - neu) * s->BezugspunktProfiltiefe / 100.0L;
        const Extended schub = dxNeu - dx;
        s->Pfeilwinkel = PfeilAusVersatz(*s, dxNeu);
        TSEGMENT* aussen = nullptr;
        if (w < 0.0L && j > 0) aussen = f->Segmente.Get(j - 1);
        if (w > 0.0L) aussen = f->Segmente.Get(j + 1);
        if (aussen && aussen->Segmentbreite != 0.0L)
            aussen->Pfeilwinkel = PfeilAusVersatz(*aussen, Versatz(*aussen) - schub);
    }
    s->Profiltiefe = neu;
    Bearbeitungsende(b, f, true);
    return true;
}

bool PfeilwinkelEingeben(TBearbeitung& b, std::string_view text)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    TSEGMENT* s = f ? f->Segmente.Get(f->AktuellesSegment) : nullptr;
    Extended winkel = 0.0L;
    if (!s || !Geprueft(b.Host, TEingabefeld::Pfeilwinkel, text, winkel)) return false;
    PfeilwinkelSetzen(*f, f->AktuellesSegment, winkel, s->BezugspunktPfeilwinkel);
    Bearbeitungsende(b, f, true);
    return true;
}

bool PfeilwinkelAlsTiefenmass(TBearbeitung& b, std::string_view text, TTiefenmass variante)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    TSEGMENT* s = f ? f->Segmente.Get(f->AktuellesSegment) : nullptr;
    if (!s || s->Segmentbreite == 0.0L) return false;
    Extended v = 0.0L;
    try {
        v = TextToReal(text);
    } catch (const EKonvertierung&) {
        b.Host.Fehlertext(2);
        return false;
    }
    // The builder leaves the outer edge's x and its offset; the inner edge is their difference.
    const Extended xInnen = s->VorderkanteX - s->VorderkantenVersatz;
    const Extended dx = variante == TTiefenmass::Variante1 ? v - xInnen : v;
    const Extended phi = PfeilAusVersatz(*s, dx);
    if (!(phi >= -89.0L && phi <= 89.0L)) {
        b.Host.Fehlertext(44);
        return false;
    }
    s->Pfeilwinkel = phi;
    Bearbeitungsende(b, f, true);
    return true;
}

Extended Referenzspannweite(const TFLUGZEUG& fz, int flaeche, int& index)
{
    if (flaeche >= 0) {
        index = flaeche;
        const TFLAECHE* f = fz.Flaechen.Get(flaeche);
        return f ? f->Spannweite : 0.0L;
    }
    index = 0;
    Extended groesste = 0.0L;
    for (int i = 0; i < fz.Flaechen.Count(); ++i)
        if (fz.Flaechen.Get(i)->Spannweite > groesste) {
            groesste = fz.Flaechen.Get(i)->Spannweite;
            index = i;
        }
    return groesste;
}

bool Skalieren(TBearbeitung& b, Extended faktor, const TSkalierung& wahl, int flaeche)
{
    TFLUGZEUG& fz = b.Flugzeug;
    if (fz.Flaechen.Count() == 0 || (flaeche >= 0 && !fz.Flaechen.Get(flaeche))) return false;
    // Chords and widths of 0 or below are what the chord and width fields refuse.
    if (!(faktor > 0.0L) || !std::isfinite(faktor)) {
        b.Host.Fehlertext(3);
        return false;
    }
    const Extended massenfaktor = wahl.Massen == TMassenregel::Linear        ? faktor
                                  : wahl.Massen == TMassenregel::Quadratisch ? faktor * faktor
                                                                              : 1.0L;
    const bool ganzesFlugzeug = flaeche < 0;
    if (ganzesFlugzeug) {
        fz.ZusaetzlicheMassen *= massenfaktor;
        if (wahl.Rumpfquerschnitt) fz.RumpfQuerschnittflaeche *= faktor;
        if (wahl.Nachlauflaengen) fz.LaengeNachlaufelemente *= faktor;
    }
    for (int i = 0; i < fz.Flaechen.Count(); ++i) {
        if (!ganzesFlugzeug && i != flaeche) continue;
        TFLAECHE& f = *fz.Flaechen.Get(i);
        if (wahl.Profiltiefen) f.Profiltiefe *= faktor;
        if (ganzesFlugzeug) {
            if (wahl.PositionX) f.Position.x *= faktor;
            if (wahl.PositionY) f.Position.y *= faktor;
            if (wahl.PositionZ) f.Position.z *= faktor;
        }
        for (const auto& s : f.Segmente) {
            if (wahl.Segmentbreiten) s->Segmentbreite *= faktor;
            if (wahl.Profiltiefen) s->Profiltiefe *= faktor;
        }
        f.Masse *= massenfaktor;
        BaueFlaeche(f, b.Host);
    }
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool Nullpunktverschiebung(TBearbeitung& b, const T3Vektor& d)
{
    if (b.Flugzeug.Flaechen.Count() == 0) return false;
    for (const auto& f : b.Flugzeug.Flaechen) {
        f->Position.x += d.x;
        f->Position.y += d.y;
        f->Position.z += d.z;
    }
    Bearbeitungsende(b, nullptr, false);
    return true;
}
