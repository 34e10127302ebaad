// Checks on a triangle mesh for the export tests: edge use, enclosed volume, area, and the
// reference area and volume of a surface computed from its section contours alone.
#pragma once

#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "export/STL_Koerper.h"
#include "profile/T_Profil.h"

namespace netz {

using V = std::array<double, 3>;

inline V Vd(const TStlPunkt& p) { return {p[0], p[1], p[2]}; }
inline V Minus(const V& a, const V& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline V Kreuz(const V& a, const V& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline double Punkt(const V& a, const V& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
inline double Laenge(const V& a) { return std::sqrt(Punkt(a, a)); }

inline double Flaecheninhalt(const STL_Dreieck& d)
{
    return 0.5 * Laenge(Kreuz(Minus(Vd(d.Ecke2), Vd(d.Ecke1)), Minus(Vd(d.Ecke3), Vd(d.Ecke1))));
}

inline double Gesamtflaeche(const std::vector<STL_Dreieck>& dreiecke)
{
    double s = 0.0;
    for (const auto& d : dreiecke) s += Flaecheninhalt(d);
    return s;
}

/// Enclosed volume by the divergence theorem; positive when the triangles face outward.
inline double Volumen(const std::vector<STL_Dreieck>& dreiecke)
{
    double s = 0.0;
    for (const auto& d : dreiecke) s += Punkt(Vd(d.Ecke1), Kreuz(Vd(d.Ecke2), Vd(d.Ecke3))) / 6.0;
    return s;
}

struct TKantenbefund {
    int Offen = 0;           ///< edges used by one triangle only
    int Mehrfach = 0;        ///< edges used by more than two
    int Gleichlaeufig = 0;   ///< edges two triangles run the same way (inconsistent orientation)
};

/// Every edge by the exact coordinates of its ends, as mesh tools match them.
inline TKantenbefund Kanten(const std::vector<STL_Dreieck>& dreiecke)
{
    std::map<std::pair<TStlPunkt, TStlPunkt>, std::pair<int, int>> kanten;  // (forward, backward) uses
    for (const auto& d : dreiecke) {
        const std::array<TStlPunkt, 3> e{d.Ecke1, d.Ecke2, d.Ecke3};
        for (int i = 0; i < 3; ++i) {
            const TStlPunkt& a = e[static_cast<size_t>(i)];
            const TStlPunkt& b = e[static_cast<size_t>((i + 1) % 3)];
            if (a < b) ++kanten[{a, b}].first;
            else ++kanten[{b, a}].second;
        }
    }
    TKantenbefund f;
    for (const auto& [k, n] : kanten) {
        const int summe = n.first + n.second;
        if (summe == 1) ++f.Offen;
        else if (summe > 2) ++f.Mehrfach;
        else if (n.first != 1) ++f.Gleichlaeufig;
    }
    return f;
}

/// Length of a closed contour and its area (size of the vector area, whatever plane it lies in).
inline double Umfang(const TProfil& p)
{
    double s = 0.0;
    const auto& q = p.Punkte();
    for (size_t i = 0; i < q.size(); ++i) {
        const auto& a = q[i];
        const auto& b = q[(i + 1) % q.size()];
        s += std::sqrt(double((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y) + (b.Z - a.Z) * (b.Z - a.Z)));
    }
    return s;
}

inline double Querschnitt(const TProfil& p)
{
    V summe{0, 0, 0};
    const auto& q = p.Punkte();
    for (size_t i = 0; i < q.size(); ++i) {
        const auto& a = q[i];
        const auto& b = q[(i + 1) % q.size()];
        const V k = Kreuz({double(a.X), double(a.Y), double(a.Z)}, {double(b.X), double(b.Y), double(b.Z)});
        for (int c = 0; c < 3; ++c) summe[static_cast<size_t>(c)] += k[static_cast<size_t>(c)];
    }
    return 0.5 * Laenge(summe);
}

inline double NasenAbstand(const TProfil& a, const TProfil& b)
{
    const auto& p = *a.Punkt(a.NasenIndex());
    const auto& q = *b.Punkt(b.NasenIndex());
    return std::sqrt(double((q.X - p.X) * (q.X - p.X) + (q.Y - p.Y) * (q.Y - p.Y) + (q.Z - p.Z) * (q.Z - p.Z)));
}

}  // namespace netz
