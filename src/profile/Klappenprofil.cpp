// Flap deflection of a profile: the part behind the hinge is turned about the hinge, joined to the
// fixed part where the two contours cross, and the gap on the other side closed with an arc.
#include <cmath>
#include <optional>

#include "profile/T_Profil.h"

namespace {

// The 2D flap rotation of a lone profile converts degrees with 57.3, not with 180/pi.
constexpr Extended GradProRadKlappe = 57.3L;
constexpr int Bogenpunkte = 8;

Extended AufFuenfStellen(Extended wert) { return std::nearbyint(wert * 100000.0L) / 100000.0L; }

bool Zwischen(Extended w, Extended a, Extended b) { return (a <= w && w <= b) || (b <= w && w <= a); }

// Crossing of the straight lines through the segments a1-a2 and b1-b2; it counts when, for each
// segment, its X lies within the segment's X range or its Z within the Z range. A vertical segment
// is tilted by 1e-9 in X; parallel lines never cross.
std::optional<TKoordinate> Schnittpunkt(const TKoordinate& a1, const TKoordinate& a2, const TKoordinate& b1, const TKoordinate& b2)
{
    const auto steigung = [](const TKoordinate& p, const TKoordinate& q) {
        Extended dx = q.X - p.X;
        if (dx == 0.0L) dx = 1e-9L;
        return (q.Z - p.Z) / dx;
    };
    const Extended ma = steigung(a1, a2);
    const Extended mb = steigung(b1, b2);
    if (ma == mb) return std::nullopt;
    const Extended ca = a1.Z - ma * a1.X;
    const Extended cb = b1.Z - mb * b1.X;
    const Extended x = (cb - ca) / (ma - mb);
    const Extended z = ma * x + ca;
    const auto aufSegment = [&](const TKoordinate& p, const TKoordinate& q) { return Zwischen(x, p.X, q.X) || Zwischen(z, p.Z, q.Z); };
    if (!aufSegment(a1, a2) || !aufSegment(b1, b2)) return std::nullopt;
    return TKoordinate{x, 0.0L, z};
}

}  // namespace

std::unique_ptr<TProfil> TProfil::Klappenprofil(Extended scharnierhoehe, Extended klappentiefe, Extended ausschlag,
                                                bool* ohneSchnitt) const
{
    if (ohneSchnitt != nullptr) *ohneSchnitt = false;
    const auto unveraendert = [&] {
        auto kopie = std::make_unique<TProfil>();
        kopie->Assign(this);
        return kopie;
    };
    const Extended tiefe = AufFuenfStellen(klappentiefe);
    const Extended delta = AufFuenfStellen(ausschlag);
    // A flap of no chord (or a negative one, which lies behind the trailing edge) turns nothing.
    if (tiefe <= 0.0L || delta == 0.0L || Anzahl() < 2) return unveraendert();

    // Q: the fixed contour with a point at the hinge station on both sides.
    TProfil q;
    q.Assign(this);
    Extended h = scharnierhoehe;
    if (h == 100.0L) h = 99.99999L;
    if (h == 0.0L) h = 0.00001L;
    const Extended xh = 1.0L - tiefe / 100.0L;
    const THoehe oberseite = q.HoeheBeiX(Oberseite, xh);
    if (oberseite.Interpoliert() && xh > 0.0L) q.InsertPunkt(oberseite.Index2, {xh, 0.0L, oberseite.Z});
    const THoehe unterseite = q.HoeheBeiX(Unterseite, xh);
    if (unterseite.Interpoliert() && xh > 0.0L) q.InsertPunkt(unterseite.Index1, {xh, 0.0L, unterseite.Z});
    const Extended zu = oberseite.Z;
    const Extended zl = unterseite.Z;
    const Extended zh = zl + h * (zu - zl) / 100.0L;

    // E: the whole contour turned about the hinge.
    auto e = std::make_unique<TProfil>();
    e->Assign(&q);
    e->Drehen(0, e->Anzahl() - 1, delta / GradProRadKlappe, zh, xh);
    if (tiefe >= 100.0L) return e;
    if (!oberseite.Gefunden() || !unterseite.Gefunden()) {
        if (ohneSchnitt != nullptr) *ohneSchnitt = true;
        return unveraendert();
    }

    const std::vector<TKoordinate>& pq = q.punkte_;
    const std::vector<TKoordinate>& pe = e->punkte_;
    const int letzter = q.Anzahl() - 1;
    const int nase = q.NasenIndex();
    const auto bogenpunkt = [&](int k, Extended radius) {
        const Extended winkel = k * delta / Bogenpunkte / GradProRad;
        return TKoordinate{xh + radius * std::sin(winkel), 0.0L, zh + radius * std::cos(winkel)};
    };

    auto ergebnis = std::make_unique<TProfil>();
    ergebnis->Assign(this);
    ergebnis->ClearPunkte();
    bool gefunden = false;
    if (delta < 0.0L) {
        // Flap up: the turned upper flap surface meets the fixed upper side.
        for (int p = 0; p < nase && !gefunden; ++p) {
            for (int s = 0; s <= p && !gefunden; ++s) {
                const auto kreuzung = Schnittpunkt(pq[p], pq[p + 1], pe[s], pe[s + 1]);
                if (!kreuzung) continue;
                gefunden = true;
                for (int i = 0; i <= s; ++i) ergebnis->AddPunkt(pe[i]);
                ergebnis->AddPunkt(*kreuzung);
                for (int i = p + 1; i <= letzter; ++i)
                    if (pq[i].X <= xh) ergebnis->AddPunkt(pq[i]);
                if (kreuzung->Z > 0.0L)
                    for (int k = 1; k <= Bogenpunkte; ++k) ergebnis->AddPunkt(bogenpunkt(k, zl - zh));
                for (int i = unterseite.Index1; i <= letzter; ++i) ergebnis->AddPunkt(pe[i]);
            }
        }
    } else {
        // Flap down: the turned lower flap surface meets the fixed lower side.
        for (int p = letzter; p > nase && !gefunden; --p) {
            for (int s = letzter; s >= p && !gefunden; --s) {
                const auto kreuzung = Schnittpunkt(pq[p - 1], pq[p], pe[s - 1], pe[s]);
                if (!kreuzung) continue;
                gefunden = true;
                for (int i = 0; i <= oberseite.Index1; ++i) ergebnis->AddPunkt(pe[i]);
                if (kreuzung->Z < 0.0L)
                    for (int k = Bogenpunkte; k >= 1; --k) ergebnis->AddPunkt(bogenpunkt(k, zu - zh));
                for (int i = 0; i <= p - 1; ++i)
                    if (pq[i].X <= xh) ergebnis->AddPunkt(pq[i]);
                ergebnis->AddPunkt(*kreuzung);
                for (int i = s; i <= letzter; ++i) ergebnis->AddPunkt(pe[i]);
            }
        }
    }
    if (!gefunden) {
        if (ohneSchnitt != nullptr) *ohneSchnitt = true;
        return unveraendert();
    }

    // Points that share a station to 5 decimals: the earlier one goes.
    std::vector<TKoordinate>& pr = ergebnis->punkte_;
    for (int i = static_cast<int>(pr.size()) - 2; i >= 0; --i)
        if (std::nearbyint(pr[i].X * 100000.0L) == std::nearbyint(pr[i + 1].X * 100000.0L)) pr.erase(pr.begin() + i);
    return ergebnis;
}
