// Viscous strip model: stall, displacement, separation, friction, bubbles and the strip analysis.
#include "profile/Streifenanalyse.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "common/Mathe.h"
#include "profile/PanelVerfahren.h"
#include "profile/Profilbeiwerte.h"

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// Drag increment of a laminar bubble when the flow separates at chord station x; sets the flag of
// the side when the bubble lies in the middle of the chord.
Extended Blasenwiderstand(Extended x, Extended re, bool& blase)
{
    const Extended reKrit = 591836.73L * x * x - 414285.71L * x + 272500.0L;
    if (!(re <= reKrit && x >= 0.0L && x <= 1.0L)) return 0.0L;
    Extended delta = 0.0L;
    if (x > 0.4L && x <= 0.6L) {
        delta = 0.036L - 0.06L * x;
        blase = true;
    }
    return delta * (re - 100000.0L) / (100000.0L - reKrit) + delta;
}

// Boundary-layer model and drag of a copy of the strip profile at one angle of attack.
TProfilwiderstand Polarpunkt(const TProfil& profil, const TAbrisswinkel& abriss, Extended re, Extended alfa, bool blase)
{
    TProfil w;
    w.Assign(&profil);
    const TAbloesepunkte s = Grenzschichtmodell(w, abriss.Dicke, re, abriss.AlfaMin, abriss.AlfaMax, alfa);
    return Profilwiderstand(w, s, blase, re, abriss.AlfaMax, abriss.AlfaMin, alfa);
}

}  // namespace

TAbrisswinkel Abrisswinkel(const TProfil& profil, Extended re)
{
    TProfil kopie;
    kopie.Assign(&profil);
    const TKoordinate& erster = *kopie.Punkt(0);
    const TKoordinate& letzter = *kopie.Punkt(kopie.Anzahl() - 1);
    const Extended phi = std::atan2((erster.Z + letzter.Z) / 2.0L, erster.X - kopie.Punkt(kopie.NasenIndex())->X);
    kopie.Drehen(0, kopie.Anzahl() - 1, phi, 0.0L, 0.0L);
    const Extended faktor = 1.0L / kopie.Punkt(0)->X;
    for (int i = 0; i < kopie.Anzahl(); ++i) {
        kopie.Punkt(i)->X *= faktor;
        kopie.Punkt(i)->Z *= faktor;
    }
    BerechneBeiwerte(kopie);

    TAbrisswinkel a;
    a.Dicke = kopie.Beiwert(TProfil::Dicke);
    const Extended a0 = kopie.Beiwert(TProfil::Alfa0);
    const Extended g = a.Dicke * Pi / 100.0L + 0.5L;
    a.AlfaMax = g * (std::log(re) - a0) + phi * GradProRad;
    a.AlfaMin = -g * (std::log(re) + a0) + phi * GradProRad;
    return a;
}

TExtrempunkte Extrempunkte(const TProfil& profil, Extended alfa)
{
    TProfil kopie;
    kopie.Assign(&profil);
    kopie.Drehen(0, kopie.Anzahl() - 1, alfa / GradProRad, 0.0L, 0.0L);
    const int nase = profil.NasenIndex();
    TExtrempunkte e;
    e.IndexOben = nase;
    e.IndexUnten = nase;
    Extended hoechste = -1000.0L;
    for (int i = nase; i >= 0; --i)
        if (kopie.Punkt(i)->Z > hoechste) {
            hoechste = kopie.Punkt(i)->Z;
            e.IndexOben = i;
        }
    Extended tiefste = 1000.0L;
    for (int i = nase; i < kopie.Anzahl(); ++i)
        if (kopie.Punkt(i)->Z < tiefste) {
            tiefste = kopie.Punkt(i)->Z;
            e.IndexUnten = i;
        }
    e.Oben = *kopie.Punkt(e.IndexOben);
    e.Unten = *kopie.Punkt(e.IndexUnten);
    return e;
}

TAbloesepunkte Grenzschichtmodell(TProfil& profil, Extended dicke, Extended re, Extended alfaMin, Extended alfaMax,
                                  Extended alfa)
{
    const int letzter = profil.Anzahl() - 1;
    TAbloesepunkte s{0, letzter};
    const int nase = profil.NasenIndex();
    const Extended alfaR = alfa / GradProRad;
    auto X = [&](int i) -> Extended& { return profil.Punkt(i)->X; };
    auto Z = [&](int i) -> Extended& { return profil.Punkt(i)->Z; };

    // Laminar displacement thickness of a flat plate, added on both sides.
    for (int i = nase; i >= 0; --i)
        if (re * X(i) > 0.0L) Z(i) += 1.73L * X(i) / std::sqrt(re * X(i));
    for (int i = nase; i <= letzter; ++i)
        if (re * X(i) > 0.0L) Z(i) -= 1.73L * X(i) / std::sqrt(re * X(i));

    const Extended g = dicke * (Pi / 2.0L) / 100.0L + 0.5L;

    // Upper side from the nose aft: where the surface falls away steeper than the flow can follow,
    // the contour continues as a straight dead-water line.
    bool abgeloest = false;
    for (int h = nase; h >= 1; --h) {
        const int m = h - 1;
        const Extended l = g * std::log(re * X(m)) / GradProRad;
        const Extended theta = std::atan((Z(m) - Z(h)) / (X(m) - X(h)));
        if (l < alfaR - theta) {
            if (!abgeloest) {
                s.Oben = h;
                abgeloest = true;
            }
            const Extended u = alfa < alfaMax ? std::tan(alfaR - l) : std::tan(alfaR);
            const Extended z = Z(h) + u * (X(m) - X(h));
            if (z > Z(m)) Z(m) = z;
        }
    }

    abgeloest = false;
    for (int m = nase + 1; m <= letzter; ++m) {
        const int h = m - 1;
        const Extended l = -g * std::log(re * X(m)) / GradProRad;
        const Extended theta = std::atan((Z(m) - Z(h)) / (X(m) - X(h)));
        if (l > alfaR - theta) {
            if (!abgeloest) {
                s.Unten = h;
                abgeloest = true;
            }
            const Extended u = alfa > alfaMin ? std::tan(alfaR - l) : std::tan(alfaR);
            const Extended z = Z(h) + u * (X(m) - X(h));
            if (z < Z(m)) Z(m) = z;
        }
    }
    return s;
}

TProfilwiderstand Profilwiderstand(TProfil& profil, TAbloesepunkte abloesung, bool blase, Extended re,
                                   Extended alfaMax, Extended alfaMin, Extended alfa)
{
    TProfilwiderstand w;
    PanelVerfahren(profil, alfa);
    const TPanelKraefte k = PanelKraefte(profil, alfa);
    w.Ca = k.Ca;
    w.MNase = k.MNase;
    w.M25 = k.M25;

    const int nase = profil.NasenIndex();
    const int letzter = profil.Anzahl() - 1;
    auto X = [&](int i) { return profil.Punkt(i)->X; };
    auto laminar = [](Extended rex) { return 0.8L * 1.328L / std::sqrt(rex); };
    auto turbulent = [](Extended rex) { return 0.8L * 0.074L / Potenz(rex, 0.2L); };

    // Skin friction of each panel by its aft end: laminar up to the separation point, turbulent
    // behind it and three times that beyond the stall angle of the side.
    Extended r = 0.0L;
    for (int i = nase - 1; i >= 0; --i) {
        const Extended rex = re * X(i);
        const Extended ds = std::fabs(X(i) - X(i + 1));
        Extended cf = i >= abloesung.Oben ? laminar(rex) : turbulent(rex);
        if (i < abloesung.Oben && alfa >= alfaMax) cf *= 3.0L;
        r += cf * ds;
    }
    for (int i = nase + 1; i <= letzter; ++i) {
        const Extended rex = re * X(i);
        const Extended ds = std::fabs(X(i) - X(i - 1));
        Extended cf = i <= abloesung.Unten ? laminar(rex) : turbulent(rex);
        if (i > abloesung.Unten && alfa <= alfaMin) cf *= 3.0L;
        r += cf * ds;
    }

    if (blase) {
        r += Blasenwiderstand(X(abloesung.Oben), re, w.BlaseOben);
        r += Blasenwiderstand(X(abloesung.Unten), re, w.BlaseUnten);
    }
    w.Cw = std::fabs(k.Cwp) / 4.0L + r;
    return w;
}

TStreifenergebnis StreifenAnalyse(const TProfil& profil, Extended klappentiefe, Extended klappenausschlag, Extended re,
                                  Extended alfaEff, bool blase)
{
    const std::unique_ptr<TProfil> p = profil.Klappenprofil(50.0L, klappentiefe, klappenausschlag);
    const TAbrisswinkel abriss = Abrisswinkel(*p, re);

    TStreifenergebnis e;
    e.AlfaMin = abriss.AlfaMin;
    e.AlfaMax = abriss.AlfaMax;
    e.XOben = Extrempunkte(*p, abriss.AlfaMax).Oben.X;
    e.XUnten = Extrempunkte(*p, abriss.AlfaMin).Unten.X;
    e.CaMax = Polarpunkt(*p, abriss, re, abriss.AlfaMax - 0.01L, blase).Ca;
    e.CaMin = Polarpunkt(*p, abriss, re, abriss.AlfaMin + 0.01L, blase).Ca;
    const TProfilwiderstand w = Polarpunkt(*p, abriss, re, alfaEff, blase);
    e.Cw = w.Cw;
    e.BlaseOben = w.BlaseOben;
    e.BlaseUnten = w.BlaseUnten;
    return e;
}
