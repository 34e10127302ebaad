// Camber line of a profile, its discrete-vortex analysis and its matching to zero-lift values.
#include "profile/Skelettlinie.h"

#include <cmath>
#include <numbers>
#include <string>

#include "common/Host.h"
#include "common/Meldungssprache.h"
#include "profile/Profilbeiwerte.h"
#include "profile/T_Profil.h"

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// Chord station of camber-line point p of n, falling from 1 (trailing edge) to 0 (nose).
Extended Station(TSkelettverteilung verteilung, int p, int n)
{
    switch (verteilung) {
    case SkelettSinL: return 1.0L - std::sin(p * Pi / (2.0L * n));
    case SkelettSinR: return std::cos(p * Pi / (2.0L * n));
    case SkelettCos: return (1.0L + std::cos(p * Pi / n)) / 2.0L;
    case SkelettLinear: break;
    }
    return 1.0L - static_cast<Extended>(p) / n;
}

T3Vektor Zwischenpunkt(const T3Vektor& von, const T3Vektor& nach, Extended anteil)
{
    return Vektorsumme(von, Vektorskalierung(anteil, Vektordifferenz(nach, von)));
}

std::vector<tpan2D> Elemente(const TProfil& linie)
{
    const std::vector<TKoordinate>& p = linie.Punkte();
    std::vector<tpan2D> elemente;
    if (p.size() < 2) return elemente;
    elemente.resize(p.size() - 1);
    for (std::size_t i = 0; i < elemente.size(); ++i) {
        tpan2D& e = elemente[i];
        e.Vorderpunkt = {p[i + 1].X, p[i + 1].Y, p[i + 1].Z};
        e.Hinterpunkt = {p[i].X, p[i].Y, p[i].Z};
        e.Mittelpunkt = Zwischenpunkt(e.Vorderpunkt, e.Hinterpunkt, 0.5L);
        e.Viertelpunkt = Zwischenpunkt(e.Vorderpunkt, e.Hinterpunkt, 0.25L);
        e.Dreiviertelpunkt = Zwischenpunkt(e.Vorderpunkt, e.Hinterpunkt, 0.75L);
        const Extended dx = e.Hinterpunkt.x - e.Vorderpunkt.x;
        const Extended dz = e.Hinterpunkt.z - e.Vorderpunkt.z;
        const Extended laenge = std::sqrt(dx * dx + dz * dz);
        e.Laenge = static_cast<double>(laenge);
        // The normal of an element running aft points up.
        e.Normale = {-dz / laenge, 0.0L, dx / laenge};
        e.Anstroemanteil = static_cast<double>(e.Normale.x);
    }
    for (tpan2D& ei : elemente) {
        ei.Einfluesse.resize(elemente.size());
        for (std::size_t j = 0; j < elemente.size(); ++j) {
            const Extended rx = ei.Dreiviertelpunkt.x - elemente[j].Viertelpunkt.x;
            const Extended rz = ei.Dreiviertelpunkt.z - elemente[j].Viertelpunkt.z;
            const Extended d = std::sqrt(rx * rx + rz * rz);
            // e is r turned by +90 degrees: a positive Gamma turns clockwise and lifts.
            const Extended ex = -rz / d;
            const Extended ez = rx / d;
            ei.Einfluesse[j].Wert = static_cast<double>(-(ex * ei.Normale.x + ez * ei.Normale.z) / d);
        }
    }
    return elemente;
}

void Nivellieren(TProfil& linie)
{
    const TKoordinate& hinten = *linie.Punkt(0);
    linie.Drehen(0, linie.Anzahl() - 1, std::atan(hinten.Z / hinten.X), 0.0L, 0.0L);
}

void XWiederherstellen(TProfil& linie, const std::vector<Extended>& x)
{
    for (int i = 0; i < linie.Anzahl(); ++i) linie.Punkt(i)->X = x[i];
}

std::unique_ptr<TProfil> Skelettpunkte(TProfil& profil, int n, TSkelettverteilung verteilung)
{
    auto linie = std::make_unique<TProfil>();
    for (int p = 0; p <= n; ++p) {
        TKoordinate k;
        k.X = Station(verteilung, p, n);
        k.Z = (profil.HoeheBeiX(TProfil::Oberseite, k.X).Z + profil.HoeheBeiX(TProfil::Unterseite, k.X).Z) / 2.0L;
        linie->AddPunkt(k);
    }
    return linie;
}

void Platzieren(TProfil& linie, Extended z0, Extended y0, Extended x0, Extended tiefe)
{
    for (int i = 0; i < linie.Anzahl(); ++i) {
        TKoordinate& k = *linie.Punkt(i);
        k.X = tiefe * k.X + x0;
        k.Y = k.Y + y0;
        k.Z = tiefe * k.Z + z0;
    }
}

}  // namespace

TSkelettBeiwerte SkelettAnalyse(const TProfil& linie, THost& host)
{
    std::vector<tpan2D> e = Elemente(linie);
    const std::size_t n = e.size();
    TSkelettBeiwerte ergebnis;
    for (int durchlauf = 1;; ++durchlauf) {
        Extended aenderung = 0.0L;
        for (std::size_t i = n; i-- > 0;) {
            Extended summe = 0.0L;
            for (std::size_t j = 0; j < n; ++j)
                if (j != i) summe += static_cast<Extended>(e[i].Einfluesse[j].Wert) * e[j].Gamma;
            const Extended rechts = -2.0L * Pi * e[i].Anstroemanteil;
            const double neu = static_cast<double>((rechts - summe) / e[i].Einfluesse[i].Wert);
            aenderung += std::fabs(static_cast<Extended>(e[i].Gamma) - neu);
            e[i].Gamma = neu;
        }
        if (aenderung < 0.001L) break;
        // A degenerate line (coincident points) makes the change undefined; it would never settle.
        if (durchlauf == SkelettAnalyseMaxDurchlaeufe || !std::isfinite(aenderung)) {
            ergebnis.Konvergiert = false;
            host.Statustext(Sprachwahl("Skelettlinienanalyse nach ", "Camber line analysis stopped after ") + std::to_string(durchlauf) +
                            Sprachwahl(" Durchläufen ohne Konvergenz abgebrochen", " passes without convergence"));
            break;
        }
    }

    Extended summeGamma = 0.0L, summeMoment = 0.0L;
    for (const tpan2D& ei : e) {
        summeGamma += ei.Gamma;
        summeMoment += ei.Gamma * (ei.Viertelpunkt.x - 0.25L);
    }
    ergebnis.Ca0 = 2.0L * summeGamma;
    ergebnis.Cm0 = -2.0L * summeMoment;
    return ergebnis;
}

void Alfa0Cm0Anpassen(TProfil& linie, Extended cm0Ziel, Extended alfa0Ziel, THost& host)
{
    std::vector<Extended> x;
    for (const TKoordinate& k : linie.Punkte()) x.push_back(k.X);
    const int i25 = linie.HoeheAufLinie(0.25L).Index1;
    const int i75 = linie.HoeheAufLinie(0.75L).Index1;

    // Lift and moment effectiveness of a hinge at 25 % and 75 % chord by thin-airfoil theory.
    const Extended k1 = -4.0L * (std::sqrt(0.75L * 0.25L) + std::asin(std::sqrt(0.75L)));
    const Extended k2 = -2.0L * std::sqrt(0.75L * 0.75L * 0.75L * 0.25L);
    const Extended caZiel = -2.0L * Pi * std::sin(alfa0Ziel / GradProRad);

    TSkelettBeiwerte b = SkelettAnalyse(linie, host);
    for (int durchlauf = 0; durchlauf < 30; ++durchlauf) {
        const Extended u = 12.0L * 2.0L * Pi * std::asin((b.Ca0 - caZiel) / (2.0L * Pi)) / k1;
        linie.Drehen(0, i25, u, 0.0L, 0.25L);
        Nivellieren(linie);
        XWiederherstellen(linie, x);
        b = SkelettAnalyse(linie, host);

        const Extended c = (cm0Ziel - b.Cm0) / k2;
        linie.Drehen(0, i75, c, 0.0L, 0.75L);
        Nivellieren(linie);
        XWiederherstellen(linie, x);
        b = SkelettAnalyse(linie, host);

        if (std::fabs(b.Ca0 - caZiel) <= 1e-5L && std::fabs(cm0Ziel - b.Cm0) <= 1e-5L) break;
    }
}

std::unique_ptr<TProfil> Skelettlinie(TProfil& profil, int n, TSkelettverteilung verteilung, bool optimieren,
                                      Extended z0, Extended y0, Extended x0, Extended tiefe, THost& host)
{
    std::unique_ptr<TProfil> linie = Skelettpunkte(profil, n, verteilung);
    BerechneBeiwerte(profil);
    if (optimieren && profil.Beiwert(TProfil::Alfa0) != 0.0L)
        Alfa0Cm0Anpassen(*linie, profil.Beiwert(TProfil::Cm0), profil.Beiwert(TProfil::Alfa0), host);
    Platzieren(*linie, z0, y0, x0, tiefe);
    return linie;
}

std::unique_ptr<TProfil> SkelettlinieManuell(TProfil& profil, int n, TSkelettverteilung verteilung, bool optimieren,
                                             Extended z0, Extended y0, Extended x0, Extended tiefe,
                                             Extended cm0Ziel, Extended alfa0Ziel, THost& host)
{
    std::unique_ptr<TProfil> linie = Skelettpunkte(profil, n, verteilung);
    BerechneBeiwerte(profil);
    if (optimieren) Alfa0Cm0Anpassen(*linie, cm0Ziel, alfa0Ziel, host);
    Platzieren(*linie, z0, y0, x0, tiefe);
    return linie;
}
