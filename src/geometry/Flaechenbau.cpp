// Surface builder: places, twists, kinks and turns the sections of every segment of a surface.
#include "geometry/Flaechenbau.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "common/Host.h"
#include "common/Mathe.h"
#include "common/Zahlentext.h"
#include "geometry/Klappen.h"
#include "geometry/Gitterbau.h"
#include "model/T_FLAECHE.h"
#include "profile/Strak.h"
#include "profile/Skelettlinie.h"
#include "profile/T_Profil.h"

namespace {

/// The builder converts its angles with the full-length constant.
constexpr Extended GradJeRad = 57.295779513082320877L;

using TSchnittliste = std::vector<std::unique_ptr<TProfil>>;

std::unique_ptr<TProfil> Kopie(const TProfil& p) { return p.CopyRange(0, p.Anzahl() - 1); }

/// A camber line runs from the trailing edge to the leading edge, its last point.
int LinienNase(const TProfil& linie) { return linie.Anzahl() - 1; }

int KonturNase(const TProfil& kontur) { return kontur.NasenIndex(); }

TKoordinate Vorderkante(const TProfil& linie) { return *linie.Punkt(LinienNase(linie)); }

/// The camber line of a section, with the manual zero-lift values when the section asks for them.
std::unique_ptr<TProfil> Skelett(const TFLAECHE& f, TProfil& profil, bool manuell, Extended alfa0, Extended cm0,
                                 Extended tiefe, Extended x0, Extended y0, THost& host)
{
    const auto verteilung = static_cast<TSkelettverteilung>(f.VerteilungX);
    if (manuell)
        return SkelettlinieManuell(profil, f.AnzahlPanelsX, verteilung, f.Alfa0Cm0Optimierung, 0.0L, y0, x0, tiefe, cm0,
                                   alfa0, host);
    return Skelettlinie(profil, f.AnzahlPanelsX, verteilung, f.Alfa0Cm0Optimierung, 0.0L, y0, x0, tiefe, host);
}

/// The closed contour of a section for the volume model, in metres.
std::unique_ptr<TProfil> Kontur(const TFLAECHE& f, const TProfil& profil, Extended tiefe)
{
    auto kontur = profil.CosinusVerteilung(f.AnzahlPanelsVolumendarstellung);
    for (int k = 0; k < kontur->Anzahl(); ++k) {
        kontur->Punkt(k)->X *= tiefe;
        kontur->Punkt(k)->Z *= tiefe;
    }
    return kontur;
}

/// Turns a section about its own leading edge in the x-z plane; positive raises the nose.
void Verwinden(TProfil& p, int nase, Extended winkelGrad)
{
    const TKoordinate n = *p.Punkt(nase);
    p.Drehen(0, p.Anzahl() - 1, winkelGrad / GradJeRad, n.Z, n.X);
}

/// Tilts a section at a dihedral joint towards the bisecting plane of the two segments.
void Scheren(TProfil& p, int nase, Extended winkelGrad)
{
    const Extended t = std::tan(winkelGrad / GradJeRad);
    const Extended zNase = p.Punkt(nase)->Z;
    for (int k = 0; k < p.Anzahl(); ++k) p.Punkt(k)->Y += (p.Punkt(k)->Z - zNase) * t;
}

/// Inserts the hinge point at `tiefe` % of the chord into an untwisted camber line.
void ScharnierEinfuegen(TProfil& linie, Extended tiefe)
{
    const TKoordinate hinten = *linie.Punkt(0);
    const Extended xVorne = linie.Punkt(LinienNase(linie))->X;
    const Extended x = hinten.X - tiefe * (hinten.X - xVorne) / 100.0L;
    const TProfil::THoehe h = linie.HoeheAufLinie(x);
    linie.InsertPunkt(h.Index2, TKoordinate{x, hinten.Y, h.Z});
    linie.Scharnierindex = static_cast<std::uint16_t>(h.Index2);
}

/// Fraction of the way from the left to the right section of the i-th of n - 1 inner stations.
Extended Stationsanteil(TVerteilung verteilung, int i, int n)
{
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    const Extended ii = i;
    const Extended nn = n;
    switch (verteilung) {
    case TVerteilung::SinR: return std::sin(ii * pi / (2.0L * nn));
    case TVerteilung::SinL: return 1.0L - std::cos(ii * pi / (2.0L * nn));
    case TVerteilung::Cos: return (1.0L - std::cos(ii * pi / nn)) / 2.0L;
    case TVerteilung::Linear: break;
    }
    return ii / nn;
}

std::unique_ptr<TProfil> Zwischenstation(const TProfil& a, const TProfil& b, Extended t, bool runden)
{
    auto station = std::make_unique<TProfil>();
    const int anzahl = std::min(a.Anzahl(), b.Anzahl());
    auto mitte = [&](Extended u, Extended v) {
        const Extended w = u + t * (v - u);
        return runden ? RoundReal(15, w) : w;
    };
    for (int k = 0; k < anzahl; ++k) {
        const TKoordinate& p = *a.Punkt(k);
        const TKoordinate& q = *b.Punkt(k);
        station->AddPunkt(TKoordinate{mitte(p.X, q.X), mitte(p.Y, q.Y), mitte(p.Z, q.Z)});
    }
    return station;
}

/// Blended sections: the profiles in spanwise order (left tip inwards, root, right segments
/// outwards), each segment's at its distance from the root.
void Straken(TFLAECHE& f)
{
    const int anzahl = f.Segmente.Count();
    const int l = LetztesLinkesSegment(f);
    std::vector<TStrakschnitt> schnitte(anzahl + 1);
    Extended station = 0.0L;
    for (int j = l; j >= 0; --j) {
        station += std::fabs(f.Segmente.Get(j)->Segmentbreite);
        schnitte[j] = {f.Segmente.Get(j)->Segmentprofil.get(), station};
    }
    schnitte[l + 1] = {f.Wurzelprofil.get(), std::nullopt};
    station = 0.0L;
    for (int j = l + 1; j < anzahl; ++j) {
        station += std::fabs(f.Segmente.Get(j)->Segmentbreite);
        schnitte[j + 1] = {f.Segmente.Get(j)->Segmentprofil.get(), station};
    }
    StrakAnwenden(schnitte);
}

/// Every profile of the surface needs a contour to build from, and a camber line at least one panel.
bool Baubar(const TFLAECHE& f)
{
    constexpr int mindestens = 3;
    if (f.AnzahlPanelsX < 1) return false;
    if (f.Wurzelprofil->Anzahl() < mindestens) return false;
    for (const auto& s : f.Segmente)
        if (s->Segmentprofil->Anzahl() < mindestens) return false;
    return true;
}

class TFlaechenbau {
public:
    TFlaechenbau(TFLAECHE& f, THost& host) : f_(f), host_(host), anzahl_(f.Segmente.Count()), l_(LetztesLinkesSegment(f)) {}

    void Bauen()
    {
        for (int j = l_; j >= 0; --j) Platzieren(j);
        for (int j = l_ + 1; j < anzahl_; ++j) Platzieren(j);
        for (int j = 0; j < anzahl_; ++j)
            for (const auto& s : Seg(j).Gitterschnitte) Seg(j).Grundrissschnitte.push_back(Kopie(*s));
        KlappentiefenBegrenzen();
        for (int j = 0; j < anzahl_; ++j) {
            ScharnierEinfuegen(*Seg(j).Gitterschnitte[0], Seg(j).KlappentiefeLinks);
            ScharnierEinfuegen(*Seg(j).Gitterschnitte[1], Seg(j).KlappentiefeRechts);
        }
        Verwindung();
        Gelenkscherung();
        VForm(&TSEGMENT::Gitterschnitte, LinienNase);
        VForm(&TSEGMENT::Volumenschnitte, KonturNase);
        Einstellwinkel();
        for (int j = 0; j < anzahl_; ++j) {
            for (const auto& linie : Seg(j).Gitterschnitte) {
                linie->Scharnierpunkt = *linie->Punkt(linie->Scharnierindex);
                linie->DeletePunkt(linie->Scharnierindex);
            }
        }
        for (int j = 0; j < anzahl_; ++j) Stationen(Seg(j));
        for (int j = 0; j < anzahl_; ++j) KlappeAnwenden(f_, j);
        SpannweiteStreckung(f_);
        Grundrisswerte();
    }

private:
    TSEGMENT& Seg(int j) { return *f_.Segmente.Get(j); }
    bool Links(int j) const { return j <= l_; }
    bool AmWurzelschnitt(int j) const { return j == l_ || j == l_ + 1; }
    int Nachbar(int j) const { return Links(j) ? j + 1 : j - 1; }
    /// List index of the outer section: the left one for a segment left of the root.
    int Aussen(int j) const { return Links(j) ? 0 : 1; }

    void Platzieren(int j)
    {
        TSEGMENT& s = Seg(j);
        const bool links = Links(j);
        const Extended w = s.Segmentbreite;
        const Extended pfeil = std::tan(s.Pfeilwinkel / GradJeRad);
        const Extended dx = links ? -pfeil * w : pfeil * std::fabs(w);
        const bool wurzel = AmWurzelschnitt(j);

        std::unique_ptr<TProfil> innen;
        std::unique_ptr<TProfil> innenKontur;
        if (wurzel) {
            innen = Skelett(f_, *f_.Wurzelprofil, f_.FlagManBeiwerte, f_.Alfa0Man, f_.Cm0Man, f_.Profiltiefe, 0.0L, 0.0L, host_);
            innenKontur = Kontur(f_, *f_.Wurzelprofil, f_.Profiltiefe);
        } else {
            const TSEGMENT& n = Seg(Nachbar(j));
            innen = Kopie(*n.Gitterschnitte[Aussen(j)]);
            innenKontur = Kopie(*n.Volumenschnitte[Aussen(j)]);
        }

        Extended x0 = dx;
        Extended y0 = w;
        if (!wurzel) {
            const TKoordinate v = Vorderkante(*innen);
            x0 += v.X;
            y0 += v.Y;
        }
        auto aussen = Skelett(f_, *s.Segmentprofil, s.FlagManBeiwerte, s.Alfa0Man, s.Cm0Man, s.Profiltiefe, x0, y0, host_);

        auto aussenKontur = Kontur(f_, *s.Segmentprofil, s.Profiltiefe);
        Extended kx = dx;
        Extended ky = w;
        if (!wurzel) {
            kx += innenKontur->MinX();
            ky += innenKontur->Punkt(0)->Y;
        }
        for (int k = 0; k < aussenKontur->Anzahl(); ++k) {
            aussenKontur->Punkt(k)->X += kx;
            aussenKontur->Punkt(k)->Y += ky;
        }

        if (links) {
            s.Gitterschnitte.push_back(std::move(aussen));
            s.Gitterschnitte.push_back(std::move(innen));
            s.Volumenschnitte.push_back(std::move(aussenKontur));
            s.Volumenschnitte.push_back(std::move(innenKontur));
        } else {
            s.Gitterschnitte.push_back(std::move(innen));
            s.Gitterschnitte.push_back(std::move(aussen));
            s.Volumenschnitte.push_back(std::move(innenKontur));
            s.Volumenschnitte.push_back(std::move(aussenKontur));
        }
    }

    /// A hinge must lie strictly inside the chord; the nudged values stay in the model.
    void KlappentiefenBegrenzen()
    {
        auto begrenzen = [](Extended& tiefe) {
            if (tiefe == 0.0L) tiefe = 0.000001L;
            if (tiefe == 100.0L) tiefe = 99.999999L;
        };
        for (int j = 0; j < anzahl_; ++j) {
            begrenzen(Seg(j).KlappentiefeLinks);
            begrenzen(Seg(j).KlappentiefeRechts);
        }
    }

    void Verwindung()
    {
        for (int j = 0; j < anzahl_; ++j) {
            TSEGMENT& s = Seg(j);
            const Extended innen = AmWurzelschnitt(j) ? f_.Verwindungswinkel : Seg(Nachbar(j)).Verwindungswinkel;
            const int a = Aussen(j);
            const int i = 1 - a;
            Verwinden(*s.Gitterschnitte[a], LinienNase(*s.Gitterschnitte[a]), s.Verwindungswinkel);
            Verwinden(*s.Gitterschnitte[i], LinienNase(*s.Gitterschnitte[i]), innen);
            Verwinden(*s.Volumenschnitte[a], KonturNase(*s.Volumenschnitte[a]), s.Verwindungswinkel);
            Verwinden(*s.Volumenschnitte[i], KonturNase(*s.Volumenschnitte[i]), innen);
        }
    }

    void Gelenkscherung()
    {
        auto scheren = [this](int j, int index, Extended winkel) {
            TSEGMENT& s = Seg(j);
            Scheren(*s.Gitterschnitte[index], LinienNase(*s.Gitterschnitte[index]), winkel);
            Scheren(*s.Volumenschnitte[index], KonturNase(*s.Volumenschnitte[index]), winkel);
        };
        for (int j = 0; j < anzahl_; ++j) {
            const Extended v = Seg(j).VFormWinkel;
            const Extended w = Seg(j).Segmentbreite;
            if (j > 0) {
                const Extended vn = Seg(j - 1).VFormWinkel;
                const Extended wn = Seg(j - 1).Segmentbreite;
                Extended delta = (vn - v) / 2.0L;
                if (w > 0.0L && wn > 0.0L)
                    delta = (v - vn) / 2.0L;
                else if (w > 0.0L && wn < 0.0L)
                    delta = (v + vn) / 2.0L;
                scheren(j, 0, delta);
            }
            if (j < anzahl_ - 1) {
                const Extended vn = Seg(j + 1).VFormWinkel;
                const Extended wn = Seg(j + 1).Segmentbreite;
                Extended delta = (vn - v) / 2.0L;
                if (w > 0.0L && wn > 0.0L)
                    delta = (v - vn) / 2.0L;
                else if (w < 0.0L && wn > 0.0L)
                    delta = -(v + vn) / 2.0L;
                scheren(j, 1, delta);
            }
        }
    }

    /// Kinks the surface segment by segment from the root outwards: each segment turns about the x
    /// axis through its inner leading edge, and everything further out follows its outer leading
    /// edge. Every dihedral is thus measured against the horizontal.
    void VForm(TSchnittliste TSEGMENT::*liste, int (*nase)(const TProfil&))
    {
        auto kippen = [&](int j, Extended winkel, int weiterAussenVon, int weiterAussenBis) {
            TSchnittliste& schnitte = Seg(j).*liste;
            TProfil& aussen = *schnitte[Aussen(j)];
            TProfil& innen = *schnitte[1 - Aussen(j)];
            const TKoordinate vorher = *aussen.Punkt(nase(aussen));
            const TKoordinate zentrum = *innen.Punkt(nase(innen));
            for (int k = 0; k < aussen.Anzahl(); ++k) DreheUmAchse(*aussen.Punkt(k), zentrum, 0, winkel);
            for (int k = 0; k < innen.Anzahl(); ++k) DreheUmAchse(*innen.Punkt(k), zentrum, 0, winkel);
            const TKoordinate nachher = *aussen.Punkt(nase(aussen));
            const Extended dy = nachher.Y - vorher.Y;
            const Extended dz = nachher.Z - vorher.Z;
            for (int m = weiterAussenVon; m <= weiterAussenBis; ++m) {
                for (const auto& schnitt : Seg(m).*liste) {
                    for (int k = 0; k < schnitt->Anzahl(); ++k) {
                        schnitt->Punkt(k)->Y += dy;
                        schnitt->Punkt(k)->Z += dz;
                    }
                }
            }
        };
        for (int j = l_; j >= 0; --j) kippen(j, Seg(j).VFormWinkel / GradJeRad, 0, j - 1);
        for (int j = l_ + 1; j < anzahl_; ++j) kippen(j, -Seg(j).VFormWinkel / GradJeRad, j + 1, anzahl_ - 1);
    }

    void Einstellwinkel()
    {
        const Extended winkel = f_.Einstellwinkel / GradJeRad;
        for (int j = 0; j < anzahl_; ++j) {
            for (auto* liste : {&Seg(j).Gitterschnitte, &Seg(j).Volumenschnitte})
                for (const auto& schnitt : *liste) schnitt->Drehen(0, schnitt->Anzahl() - 1, winkel, 0.0L, 0.0L);
        }
    }

    /// Inner spanwise stations between the segment's two end sections. The lattice stations are
    /// rounded so that both sides of the aircraft get the same numbers; the planform needs no rounding.
    static void Stationen(TSEGMENT& s)
    {
        const int n = s.AnzahlPanelsY;
        if (n <= 1) return;
        const TProfil* a = s.Gitterschnitte[0].get();
        const TProfil* b = s.Gitterschnitte[1].get();
        const TProfil* ga = s.Grundrissschnitte[0].get();
        const TProfil* gb = s.Grundrissschnitte[1].get();
        for (int i = 1; i < n; ++i) {
            const Extended t = Stationsanteil(s.VerteilungY, i, n);
            s.Gitterschnitte.insert(s.Gitterschnitte.begin() + i, Zwischenstation(*a, *b, t, true));
            s.Grundrissschnitte.insert(s.Grundrissschnitte.begin() + i, Zwischenstation(*ga, *gb, t, false));
        }
    }

    void Grundrisswerte()
    {
        for (int j = 0; j < anzahl_; ++j) {
            TSEGMENT& s = Seg(j);
            const Extended c0 = Vorderkante(*s.Grundrissschnitte.front()).X;
            const Extended c1 = Vorderkante(*s.Grundrissschnitte.back()).X;
            // Sides follow the width here, as the plan view draws them.
            if (s.Segmentbreite >= 0.0L) {
                s.VorderkanteX = c1;
                s.VorderkantenVersatz = c1 - c0;
            } else {
                s.VorderkanteX = c0;
                s.VorderkantenVersatz = c0 - c1;
            }
        }
    }

    TFLAECHE& f_;
    THost& host_;
    int anzahl_;
    int l_;
};

}  // namespace

void DreheUmAchse(TKoordinate& punkt, const TKoordinate& zentrum, int achse, Extended winkel)
{
    Extended* erste = nullptr;
    Extended* zweite = nullptr;
    Extended ze = 0.0L;
    Extended zz = 0.0L;
    switch (achse) {
    case 0: erste = &punkt.Y, zweite = &punkt.Z, ze = zentrum.Y, zz = zentrum.Z; break;
    case 1: erste = &punkt.X, zweite = &punkt.Z, ze = zentrum.X, zz = zentrum.Z; break;
    case 2: erste = &punkt.X, zweite = &punkt.Y, ze = zentrum.X, zz = zentrum.Y; break;
    default: return;
    }
    DreheInEbene(*erste, *zweite, ze, zz, winkel);
}

int LetztesLinkesSegment(const TFLAECHE& flaeche)
{
    int l = -1;
    for (int j = 0; j < flaeche.Segmente.Count(); ++j)
        if (flaeche.Segmente.Get(j)->Segmentbreite < 0.0L) l = j;
    return l;
}

Extended InnereProfiltiefe(const TFLAECHE& flaeche, int j)
{
    const int l = LetztesLinkesSegment(flaeche);
    if (j == l || j == l + 1) return flaeche.Profiltiefe;
    const int nachbar = j <= l ? j + 1 : j - 1;
    return flaeche.Segmente.Get(nachbar)->Profiltiefe;
}

void BaueFlaeche(TFLAECHE& flaeche, THost& host)
{
    if (flaeche.Segmente.Count() == 0) return;
    Straken(flaeche);
    for (const auto& s : flaeche.Segmente) {
        s->Gitterschnitte.clear();
        s->Klappengitterschnitte.clear();
        s->Grundrissschnitte.clear();
        s->Volumenschnitte.clear();
        s->Klappenvolumenschnitte.clear();
    }
    // A profile without a contour or a chord without panels gives nothing to place; the surface
    // stays without sections and therefore without panels. Only the panel count is the user's to
    // correct in an input field (error text 10); an empty profile shows in the profile display.
    if (!Baubar(flaeche)) {
        if (flaeche.AnzahlPanelsX < 1) host.Fehlertext(10);
        return;
    }
    TFlaechenbau(flaeche, host).Bauen();
}
