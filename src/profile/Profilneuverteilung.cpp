// Resampling of a profile contour into a new profile: cosine-spaced stations, straight subdivision,
// B-spline smoothing, and the five-pass resampler that every surface uses.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/Mathe.h"
#include "profile/T_Profil.h"

namespace {

// A new profile with the names and characteristic values of `vorlage` and no points.
std::unique_ptr<TProfil> LeeresProfilWie(const TProfil& vorlage) { return vorlage.CopyRange(0, -1); }

}  // namespace

std::unique_ptr<TProfil> TProfil::CosinusVerteilung(int n) const
{
    if (Anzahl() < 2) return CopyRange(0, Anzahl() - 1);
    TProfil q = *this;
    q.NaseEinfuegen();
    const std::vector<TKoordinate>& p = q.punkte_;
    const int letzter = q.Anzahl() - 1;

    auto ergebnis = LeeresProfilWie(*this);
    const int m = n / 2;
    const auto station = [m](int j) { return (1.0L + std::cos(j * std::numbers::pi_v<Extended> / m)) / 2.0L; };

    // Upper side from the trailing edge forward; the cursor stops at the turn of the contour.
    int i = 0;
    for (int j = 0; j < m; ++j) {
        const Extended x = station(j);
        while (i + 1 <= letzter && p[i + 1].X > x && p[i + 1].X <= p[i].X) ++i;
        const int k = std::min(i + 1, letzter);
        ergebnis->AddPunkt({x, 0.0L, Interpolieren(x, p[i].X, p[i].Z, p[k].X, p[k].Z)});
    }
    const int nase = ergebnis->AddPunkt({0.0L, 0.0L, 0.0L});

    // Lower side from the trailing edge forward; each point goes right behind the nose, so the side
    // ends up ordered from the nose to the trailing edge.
    int h = letzter;
    for (int j = 0; j < m; ++j) {
        const Extended x = station(j);
        while (h - 1 >= 0 && p[h - 1].X > x && p[h - 1].X <= p[h].X) --h;
        const int k = std::max(h - 1, 0);
        ergebnis->InsertPunkt(nase + 1, {x, 0.0L, Interpolieren(x, p[h].X, p[h].Z, p[k].X, p[k].Z)});
    }
    ergebnis->NaseEinfuegen();
    return ergebnis;
}

std::unique_ptr<TProfil> TProfil::Verfeinern(int k) const
{
    k = std::max(k, 1);
    auto ergebnis = LeeresProfilWie(*this);
    if (punkte_.empty()) return ergebnis;
    for (int i = 0; i + 1 < Anzahl(); ++i) {
        const TKoordinate& a = punkte_[i];
        const TKoordinate& b = punkte_[i + 1];
        for (int j = 0; j < k; ++j) {
            const Extended t = static_cast<Extended>(j) / k;
            ergebnis->AddPunkt({a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y), a.Z + t * (b.Z - a.Z)});
        }
    }
    ergebnis->AddPunkt(punkte_.back());
    return ergebnis;
}

std::unique_ptr<TProfil> TProfil::Glaetten(int k) const
{
    auto ergebnis = LeeresProfilWie(*this);
    const int n = Anzahl();
    if (n == 0 || k < 1) return ergebnis;

    // Control points P0..Pn+1: the ends doubled, so the curve starts and ends near the end points.
    std::vector<TKoordinate> s;
    s.reserve(n + 2);
    s.push_back(punkte_.front());
    s.insert(s.end(), punkte_.begin(), punkte_.end());
    s.push_back(punkte_.back());

    const auto spline = [](Extended t, Extended p0, Extended p1, Extended p2, Extended p3) {
        const Extended a = -p0 + 3.0L * p1 - 3.0L * p2 + p3;
        const Extended b = 3.0L * p0 - 6.0L * p1 + 3.0L * p2;
        const Extended c = -3.0L * p0 + 3.0L * p2;
        const Extended d = p0 + 4.0L * p1 + p2;
        return (a * t * t * t + b * t * t + c * t + d) / 6.0L;
    };
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = 0; j < k; ++j) {
            const Extended t = static_cast<Extended>(j) / k;
            ergebnis->AddPunkt({spline(t, s[i - 1].X, s[i].X, s[i + 1].X, s[i + 2].X), 0.0L,
                                spline(t, s[i - 1].Z, s[i].Z, s[i + 1].Z, s[i + 2].Z)});
        }
    }

    // The spline cuts the nose short: stretch X back so the smallest X is 0 again (Z is left alone).
    Extended xmin = 1.0L;
    for (const TKoordinate& p : ergebnis->punkte_) xmin = std::min(xmin, p.X);
    for (TKoordinate& p : ergebnis->punkte_) p.X = (p.X - xmin) / (1.0L - xmin);
    return ergebnis;
}

std::unique_ptr<TProfil> TProfil::Neuverteilen(int n) const
{
    constexpr int Durchgaenge = 5;
    constexpr int ZwischenAnzahl = 100;
    auto profil = std::make_unique<TProfil>(*this);
    profil->NaseEinfuegen();
    for (int durchgang = 0; durchgang < Durchgaenge; ++durchgang) {
        const auto verdoppelt = profil->Verfeinern(2);
        // About 1000 smoothed points; at least one per segment, however dense the input is.
        const int k = std::max(1, static_cast<int>(std::nearbyint(1000.0L / verdoppelt->Anzahl())));
        const auto geglaettet = verdoppelt->Glaetten(k);
        profil = geglaettet->CosinusVerteilung(durchgang < Durchgaenge - 1 ? ZwischenAnzahl : n);
    }
    return profil;
}
