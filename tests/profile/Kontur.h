// Test helpers on contours: distance of a point to a polyline, and the point order of a profile.
#pragma once

#include <algorithm>
#include <cmath>

#include "profile/T_Profil.h"

/// Shortest distance in the X-Z plane from p to the polyline through the points of `kontur`.
inline Extended AbstandZurKontur(const TProfil& kontur, const TKoordinate& p)
{
    Extended kleinster = HUGE_VALL;
    for (int i = 0; i + 1 < kontur.Anzahl(); ++i) {
        const TKoordinate& a = *kontur.Punkt(i);
        const TKoordinate& b = *kontur.Punkt(i + 1);
        const Extended dx = b.X - a.X;
        const Extended dz = b.Z - a.Z;
        const Extended laenge2 = dx * dx + dz * dz;
        const Extended t = laenge2 > 0.0L ? std::clamp(((p.X - a.X) * dx + (p.Z - a.Z) * dz) / laenge2, 0.0L, 1.0L) : 0.0L;
        kleinster = std::min(kleinster, std::hypot(a.X + t * dx - p.X, a.Z + t * dz - p.Z));
    }
    return kleinster;
}

/// Largest distance of any point of `probe` from the contour of `kontur`.
inline Extended GroessterAbstand(const TProfil& kontur, const TProfil& probe)
{
    Extended groesster = 0.0L;
    for (const TKoordinate& p : probe.Punkte()) groesster = std::max(groesster, AbstandZurKontur(kontur, p));
    return groesster;
}

/// The upper side falls strictly in X from the first point to the nose, the lower side rises
/// strictly from the nose to the last point; a step back by less than `rueckschritt` is let pass.
inline bool IstGeordnet(const TProfil& p, Extended rueckschritt = 0.0L)
{
    const int nase = p.NasenIndex();
    for (int i = 0; i < nase; ++i)
        if (!(p.Punkt(i)->X > p.Punkt(i + 1)->X - rueckschritt)) return false;
    for (int i = nase; i + 1 < p.Anzahl(); ++i)
        if (!(p.Punkt(i)->X < p.Punkt(i + 1)->X + rueckschritt)) return false;
    return true;
}
