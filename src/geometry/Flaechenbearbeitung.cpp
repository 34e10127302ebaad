// Structural edits of surfaces and segments.
#include "geometry/Flaechenbearbeitung.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "geometry/Parameteraenderungen.h"
#include "model/Endwerte.h"
#include "model/Modellbearbeitung.h"
#include "profile/T_Profil.h"

namespace {

const char* const StrakName = "strak";

TFLAECHE* AktuelleFlaeche(const TBearbeitung& b) { return b.Flugzeug.Flaechen.Get(b.Flugzeug.AktuelleFlaeche); }

TSEGMENT* AktuellesSegment(const TBearbeitung& b)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    return f ? f->Segmente.Get(f->AktuellesSegment) : nullptr;
}

/// The mirror image of a segment on the other side of the root: width negated, the two sine
/// distributions and the two flap chords exchanged.
std::unique_ptr<TSEGMENT> Spiegelkopie(const TSEGMENT& s)
{
    auto k = s.Copy();
    k->Segmentbreite = -s.Segmentbreite;
    if (s.VerteilungY == TVerteilung::SinL) k->VerteilungY = TVerteilung::SinR;
    if (s.VerteilungY == TVerteilung::SinR) k->VerteilungY = TVerteilung::SinL;
    std::swap(k->KlappentiefeLinks, k->KlappentiefeRechts);
    return k;
}

/// The first of the surfaces with the largest x (those far ahead of -10000 m only).
const TFLAECHE* HintersteFlaeche(const TFLUGZEUG& fz)
{
    Extended xmax = -10000.0L;
    const TFLAECHE* hinten = nullptr;
    for (const auto& g : fz.Flaechen)
        if (g->Position.x > xmax) {
            xmax = g->Position.x;
            hinten = g.get();
        }
    return hinten;
}

/// The current surface index back into range after a surface was removed (-1 when none is left).
void FlaecheInBereich(TFLUGZEUG& fz)
{
    if (fz.AktuelleFlaeche > fz.Flaechen.Count() - 1) fz.AktuelleFlaeche = fz.Flaechen.Count() - 1;
}

void FlaecheAnhaengen(TBearbeitung& b, std::unique_ptr<TFLAECHE> f)
{
    TFLAECHE& neu = *f;
    b.Flugzeug.AktuelleFlaeche = b.Flugzeug.Flaechen.Add(std::move(f));
    Platzieren(b.Flugzeug, neu);
}

/// The section values of segment s or of the root carried into a new segment.
void AussenschnittUebernehmen(TSEGMENT& neu, Extended tiefe, const TProfil& profil, bool man, Extended alfa0,
                              Extended cm0)
{
    neu.Profiltiefe = tiefe;
    neu.Segmentprofil->Assign(&profil);
    neu.FlagManBeiwerte = man;
    neu.Alfa0Man = alfa0;
    neu.Cm0Man = cm0;
}

bool SegmentEinfuegen(TBearbeitung& b, bool links)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    TSEGMENT* s = AktuellesSegment(b);
    if (!f || !s) return false;
    const int j = f->AktuellesSegment;
    const Extended w = s->Segmentbreite;
    const TSEGMENT* nachbar = f->Segmente.Get(links ? j - 1 : j + 1);
    const Extended x = nachbar ? nachbar->Segmentbreite : 0.0L;
    // The new segment's outer end is where the old section at that place lay: the root, the
    // current segment's own outer section, or the neighbour's.
    enum { Wurzel, Eigenes, Nachbar, Keines } quelle = Keines;
    if (links) {
        if (x <= 0.0L && w > 0.0L) quelle = Wurzel;
        else if (x <= 0.0L && w < 0.0L) quelle = Eigenes;
        else if (x > 0.0L && w > 0.0L) quelle = Nachbar;
    } else {
        if (x >= 0.0L && w < 0.0L) quelle = Wurzel;
        else if (x >= 0.0L && w > 0.0L) quelle = Eigenes;
        else if (x < 0.0L && w < 0.0L) quelle = Nachbar;
    }
    if (quelle == Keines) return false;

    auto n = std::make_unique<TSEGMENT>();
    n->Segmentbreite = w;
    n->VFormWinkel = s->VFormWinkel;
    n->Pfeilwinkel = s->Pfeilwinkel;
    n->BezugspunktProfiltiefe = s->BezugspunktProfiltiefe;
    n->BezugspunktPfeilwinkel = s->BezugspunktPfeilwinkel;
    if (quelle == Wurzel)
        AussenschnittUebernehmen(*n, f->Profiltiefe, *f->Wurzelprofil, f->FlagManBeiwerte, f->Alfa0Man, f->Cm0Man);
    else {
        const TSEGMENT& q = quelle == Eigenes ? *s : *nachbar;
        AussenschnittUebernehmen(*n, q.Profiltiefe, *q.Segmentprofil, q.FlagManBeiwerte, q.Alfa0Man, q.Cm0Man);
    }
    const int ort = links ? j : j + 1;
    f->Segmente.Insert(ort, std::move(n));
    f->AktuellesSegment = ort;
    Bearbeitungsende(b, f, true);
    return true;
}

/// Splits segment j at fraction o; the right piece gets the width `rechts`.
void Splitten(TFLAECHE& f, int j, Extended o, Extended rechts, TTeilungstiefe art)
{
    TSEGMENT& s = *f.Segmente.Get(j);
    const Extended w = s.Segmentbreite;
    const auto [cL, cR] = Endprofiltiefen(f, j);
    const auto [tL, tR] = Endverwindungen(f, j);
    // Leading and trailing edges run straight between the twisted end sections.
    const Extended vx = (1.0L - o) * cL * std::cos(tL / GradJeRadiant) + o * cR * std::cos(tR / GradJeRadiant);
    const Extended vz = (1.0L - o) * cL * std::sin(tL / GradJeRadiant) + o * cR * std::sin(tR / GradJeRadiant);
    const Extended tM = std::atan2(vz, vx) * GradJeRadiant;
    const Extended cM =
        art == TTeilungstiefe::ProfiltiefeLinearHalten ? (1.0L - o) * cL + o * cR : std::sqrt(vx * vx + vz * vz);
    const Extended kM = s.KlappentiefeLinks + o * (s.KlappentiefeRechts - s.KlappentiefeLinks);

    auto links = s.Copy();
    links->Segmentbreite = o * w;
    links->KlappentiefeRechts = kM;
    s.Segmentbreite = rechts;
    s.KlappentiefeLinks = kM;
    links->AnzahlPanelsY /= 2;
    s.AnzahlPanelsY /= 2;
    TSEGMENT& schnitt = w >= 0.0L ? *links : s;
    schnitt.Profiltiefe = cM;
    schnitt.Verwindungswinkel = tM;
    schnitt.Segmentprofil->Dateiname = StrakName;
    f.Segmente.Insert(j, std::move(links));
}

}  // namespace

std::unique_ptr<TFLAECHE> FlaecheKopieren(const TFLAECHE& q)
{
    auto k = std::make_unique<TFLAECHE>(q.Art);
    k->Position = q.Position;
    k->Verwindungswinkel = q.Verwindungswinkel;
    k->Einstellwinkel = q.Einstellwinkel;
    k->Profiltiefe = q.Profiltiefe;
    k->AnzahlPanelsX = q.AnzahlPanelsX;
    k->VerteilungX = q.VerteilungX;
    k->Wurzelprofil->Assign(q.Wurzelprofil.get());
    k->AktuellesSegment = q.AktuellesSegment;
    k->Masse = q.Masse;
    k->FlagManBeiwerte = q.FlagManBeiwerte;
    k->Alfa0Man = q.Alfa0Man;
    k->Cm0Man = q.Cm0Man;
    for (const auto& s : q.Segmente) k->Segmente.Add(s->Copy());
    return k;
}

bool Spiegeln(TFLAECHE& f, THost& host)
{
    const TSEGMENT* aktuell = f.Segmente.Get(f.AktuellesSegment);
    if (!aktuell || aktuell->Segmentbreite == 0.0L) return false;
    if (aktuell->Segmentbreite > 0.0L) {
        while (f.Segmente.Count() > 0 && f.Segmente.Get(0)->Segmentbreite < 0.0L) {
            f.Segmente.Delete(0);
            --f.AktuellesSegment;
        }
        // Each copy goes in front, so the copy of the root-side segment ends next to the root.
        const int anzahl = f.Segmente.Count();
        for (int i = 0; i < anzahl; ++i) {
            f.Segmente.Insert(0, Spiegelkopie(*f.Segmente.Get(2 * i)));
            ++f.AktuellesSegment;
        }
    } else {
        while (f.Segmente.Count() > 0 && f.Segmente.Get(f.Segmente.Count() - 1)->Segmentbreite > 0.0L)
            f.Segmente.Delete(f.Segmente.Count() - 1);
        for (int i = f.Segmente.Count() - 1; i >= 0; --i) f.Segmente.Add(Spiegelkopie(*f.Segmente.Get(i)));
    }
    BaueFlaeche(f, host);
    return true;
}

void Platzieren(TFLUGZEUG& fz, TFLAECHE& neu)
{
    if (fz.Flaechen.Count() <= 1) {
        neu.Position.x = 0.0L;
        neu.Position.z = 0.0L;
        return;
    }
    const TFLAECHE* hinten = HintersteFlaeche(fz);
    if (!hinten) return;
    const T3Vektor p = hinten->Position;
    neu.Position.x = p.x + 0.2L;
    neu.Position.z = p.z + 0.1L;
}

void Bearbeitungsende(TBearbeitung& b, TFLAECHE* umgebaut, bool spiegeln)
{
    if (umgebaut) {
        BaueFlaeche(*umgebaut, b.Host);
        if (spiegeln && b.ImmerSpiegeln) Spiegeln(*umgebaut, b.Host);
    }
    GitterAufbauen(b.Flugzeug, b.Host.Flags);
    b.Host.SnapshotErstellen();
    b.Host.Aktualisieren();
    b.Host.NeuZeichnen();
}

bool FlaecheNeu(TBearbeitung& b)
{
    const int index = NeueFlaecheAnhaengen(b.Flugzeug);
    Bearbeitungsende(b, b.Flugzeug.Flaechen.Get(index), false);
    return true;
}

bool FlaecheKopie(TBearbeitung& b)
{
    const TFLAECHE* q = AktuelleFlaeche(b);
    if (!q) return false;
    auto k = FlaecheKopieren(*q);
    BaueFlaeche(*k, b.Host);
    // The copy goes behind the rearmost of the existing surfaces.
    if (const TFLAECHE* hinten = HintersteFlaeche(b.Flugzeug)) {
        k->Position.x = hinten->Position.x + 0.2L;
        k->Position.z = hinten->Position.z + 0.1L;
    }
    b.Flugzeug.AktuelleFlaeche = b.Flugzeug.Flaechen.Add(std::move(k));
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool FlaecheLoeschen(TBearbeitung& b)
{
    if (!AktuelleFlaeche(b)) return false;
    if (b.Host.Fehlertext(7) == KnopfNO) return false;
    b.Flugzeug.Flaechen.Delete(b.Flugzeug.AktuelleFlaeche);
    FlaecheInBereich(b.Flugzeug);
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool ElliptischeFlaeche(TBearbeitung& b, std::string_view anzahlText)
{
    int n = 0;
    try {
        n = TextToInt(anzahlText);
    } catch (const EVelionFehler&) {
        n = 0;
    }
    if (n <= 0) {
        b.Host.Fehlertext(60);
        return false;
    }
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Profiltiefe = 0.2L;
    f->AnzahlPanelsX = 4;
    f->Wurzelprofil->SetDefault();
    const Extended spannweite = 1.0L;
    const Extended schritt = (std::numbers::pi_v<Extended> / 2.0L) / n;
    Extended yVorher = 0.0L;
    for (int i = 1; i <= n; ++i) {
        const Extended y = -(spannweite / 2.0L) * std::sin(i * schritt);
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = y - yVorher;
        const Extended r = 2.0L * std::fabs(y) / spannweite;
        s->Profiltiefe = 0.2L * std::sqrt(1.0L - r * r);
        if (s->Profiltiefe < 0.00001L) s->Profiltiefe = 0.00001L;
        s->Segmentprofil->SetDefault();
        f->Segmente.Insert(0, std::move(s));
        yVorher = y;
    }
    for (int j = 0; j < f->Segmente.Count(); ++j) PfeilwinkelSetzen(*f, j, 0.0L, 25.0L);
    f->AktuellesSegment = 0;
    Spiegeln(*f, b.Host);
    BaueFlaeche(*f, b.Host);
    FlaecheAnhaengen(b, std::move(f));
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool FlaecheSpiegeln(TBearbeitung& b)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    if (!f || !Spiegeln(*f, b.Host)) return false;
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool FluegelhaelfteLoeschen(TBearbeitung& b)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    const TSEGMENT* s = AktuellesSegment(b);
    if (!f || !s || s->Segmentbreite == 0.0L) return false;
    if (b.Host.Fehlertext(12) == KnopfNO) return false;
    if (s->Segmentbreite > 0.0L) {
        while (f->Segmente.Count() > 0 && f->Segmente.Get(f->Segmente.Count() - 1)->Segmentbreite > 0.0L)
            f->Segmente.Delete(f->Segmente.Count() - 1);
        f->AktuellesSegment = f->Segmente.Count() - 1;
    } else {
        while (f->Segmente.Count() > 0 && f->Segmente.Get(0)->Segmentbreite < 0.0L) f->Segmente.Delete(0);
        f->AktuellesSegment = 0;
    }
    if (f->Segmente.Count() > 0) {
        Bearbeitungsende(b, f, false);
        return true;
    }
    b.Flugzeug.Flaechen.Delete(b.Flugzeug.AktuelleFlaeche);
    FlaecheInBereich(b.Flugzeug);
    Bearbeitungsende(b, nullptr, false);
    return true;
}

bool SegmentNeuLinks(TBearbeitung& b) { return SegmentEinfuegen(b, true); }

bool SegmentNeuRechts(TBearbeitung& b) { return SegmentEinfuegen(b, false); }

bool SegmentLoeschen(TBearbeitung& b)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    if (!f || !AktuellesSegment(b)) return false;
    if (b.Host.Fehlertext(8) == KnopfNO) return false;
    f->Segmente.Delete(f->AktuellesSegment);
    if (f->Segmente.Count() == 0) {
        b.Flugzeug.Flaechen.Delete(b.Flugzeug.AktuelleFlaeche);
        FlaecheInBereich(b.Flugzeug);
        Bearbeitungsende(b, nullptr, false);
        return true;
    }
    if (f->AktuellesSegment > f->Segmente.Count() - 1) f->AktuellesSegment = f->Segmente.Count() - 1;
    // A tip section has no outer neighbour to be blended from.
    TSEGMENT* erstes = f->Segmente.Get(0);
    if (erstes->Segmentbreite < 0.0L && erstes->Segmentprofil->Dateiname == StrakName) erstes->Segmentprofil->SetDefault();
    TSEGMENT* letztes = f->Segmente.Get(f->Segmente.Count() - 1);
    if (letztes->Segmentbreite > 0.0L && letztes->Segmentprofil->Dateiname == StrakName)
        letztes->Segmentprofil->SetDefault();
    Bearbeitungsende(b, f, true);
    return true;
}

bool SegmentSplitten(TBearbeitung& b, Extended anteil, TTeilungstiefe tiefe)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    const TSEGMENT* s = AktuellesSegment(b);
    if (!f || !s || s->Segmentbreite == 0.0L || !(anteil > 0.0L && anteil < 1.0L)) return false;
    Splitten(*f, f->AktuellesSegment, anteil, (1.0L - anteil) * s->Segmentbreite, tiefe);
    Bearbeitungsende(b, f, true);
    return true;
}

bool SegmentBeiYTeilen(TFLAECHE& f, int j, Extended m, TTeilungstiefe tiefe)
{
    const TSEGMENT* s = f.Segmente.Get(j);
    if (!s || s->Segmentbreite == 0.0L || s->Grundrissschnitte.empty()) return false;
    const TProfil& erster = *s->Grundrissschnitte.front();
    const TProfil& letzter = *s->Grundrissschnitte.back();
    if (erster.Anzahl() == 0 || letzter.Anzahl() == 0) return false;
    const Extended yL = erster.Punkt(erster.Anzahl() - 1)->Y;
    const Extended yR = letzter.Punkt(letzter.Anzahl() - 1)->Y;
    const Extended w = s->Segmentbreite;
    const Extended o = (m - yL) / std::fabs(w);
    // A position at an end or outside the segment would leave a piece of no or of the wrong width.
    if (!(o > 0.0L && o < 1.0L) || m == yL || m == yR) return false;
    Splitten(f, j, o, w * (yR - m) / std::fabs(w), tiefe);
    return true;
}

bool SegmentSplittenPosY(TBearbeitung& b, Extended m, TTeilungstiefe tiefe)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    if (!f || !SegmentBeiYTeilen(*f, f->AktuellesSegment, m, tiefe)) return false;
    Bearbeitungsende(b, f, true);
    return true;
}

int AutomatischePanelsY(const TFLAECHE& f, int j)
{
    const auto [cL, cR] = Endprofiltiefen(f, j);
    const Extended n = std::nearbyint(16.0L * std::fabs(f.Segmentbreite(j)) / (cL + cR)) + 1.0L;
    // A segment without chord, or a long one of a hair's chord, would need more panels than an int
    // counts: the count stops there, and the check of the lattice size refuses it.
    return n < static_cast<Extended>(std::numeric_limits<int>::max()) ? static_cast<int>(n) : std::numeric_limits<int>::max();
}

bool Panelautomatik(TBearbeitung& b)
{
    TFLAECHE* f = AktuelleFlaeche(b);
    TSEGMENT* s = AktuellesSegment(b);
    if (!f || !s || s->Segmentbreite == 0.0L) return false;
    s->AnzahlPanelsY = AutomatischePanelsY(*f, f->AktuellesSegment);
    Bearbeitungsende(b, f, true);
    return true;
}
