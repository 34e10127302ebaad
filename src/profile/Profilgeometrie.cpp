// Profile geometry: the nose, side heights at a station, rotations, scaling, inversion, the section
// area and the alignment of a contour lying anywhere in space.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "common/Mathe.h"
#include "common/Zahlentext.h"
#include "profile/T_Profil.h"

namespace {

Extended& Koordinate(TKoordinate& p, int achse) { return achse == 0 ? p.X : (achse == 1 ? p.Y : p.Z); }

Extended Koordinate(const TKoordinate& p, int achse) { return achse == 0 ? p.X : (achse == 1 ? p.Y : p.Z); }

}  // namespace

Extended TProfil::MinX() const
{
    Extended minimum = 1e6L;
    for (const TKoordinate& p : punkte_) minimum = std::min(minimum, p.X);
    return minimum;
}

TProfil::TExtremum TProfil::Extremum(int achse, TExtremart art) const
{
    const bool groesstes = art == TExtremart::Groesstes;
    TExtremum e{0, groesstes ? -100000.0L : 100000.0L};
    for (int i = 0; i < Anzahl(); ++i) {
        const Extended w = Koordinate(punkte_[i], achse);
        if (groesstes ? w > e.Wert : w < e.Wert) e = {i, w};
    }
    return e;
}

void TProfil::NaseEinfuegen()
{
    for (const TKoordinate& p : punkte_)
        if (p.X == 0.0L && p.Z == 0.0L) return;
    for (int i = 1; i + 1 < Anzahl(); ++i) {
        if (!(punkte_[i - 1].X > punkte_[i + 1].X)) {
            InsertPunkt(i, {});
            return;
        }
    }
}

TProfil::THoehe TProfil::HoeheBeiX(int seite, Extended x)
{
    NaseEinfuegen();
    int nase = NasenIndex();
    for (int i = 0; i < Anzahl(); ++i)
        if (punkte_[i].X == 0.0L) {
            nase = i;
            break;
        }

    THoehe h;
    if (seite == Oberseite) {
        for (int c = 0; c < nase; ++c) {
            const TKoordinate& p = punkte_[c];
            const TKoordinate& q = punkte_[c + 1];
            if (p.X == x)
                h = {p.Z, c, c};
            else if (p.X > x && x > q.X)
                h = {Interpolieren(x, p.X, p.Z, q.X, q.Z), c, c + 1};
        }
    } else {
        for (int d = Anzahl() - 1; d > nase; --d) {
            const TKoordinate& p = punkte_[d];
            const TKoordinate& q = punkte_[d - 1];
            if (p.X == x)
                h = {p.Z, d, d};
            else if (p.X > x && x > q.X)
                h = {Interpolieren(x, q.X, q.Z, p.X, p.Z), d, d + 1};
        }
    }
    return h;
}

TProfil::THoehe TProfil::HoeheAufLinie(Extended x) const
{
    // A point within rounding of the station wins over the segments around it, so a station placed
    // at a point's rounded position never makes a near-duplicate point.
    const Extended gerundetX = std::nearbyint(x * 1000000.0L);
    for (int i = 0; i < Anzahl(); ++i)
        if (std::nearbyint(punkte_[i].X * 1000000.0L) == gerundetX) return {punkte_[i].Z, i, i};
    for (int i = 0; i + 1 < Anzahl(); ++i) {
        const TKoordinate& p = punkte_[i];
        const TKoordinate& q = punkte_[i + 1];
        if (p.X > x && x > q.X) return {Interpolieren(x, p.X, p.Z, q.X, q.Z), i, i + 1};
    }
    return {};
}

void TProfil::Drehen(int erster, int letzter, Extended winkel, Extended zentrumZ, Extended zentrumX)
{
    erster = std::max(erster, 0);
    letzter = std::min(letzter, Anzahl() - 1);
    for (int i = erster; i <= letzter; ++i) DreheInEbene(punkte_[i].X, punkte_[i].Z, zentrumX, zentrumZ, winkel);
}

Extended TProfil::Normieren()
{
    const Extended faktor = 1.0L / punkte_.front().X;
    for (TKoordinate& p : punkte_) {
        p.X *= faktor;
        p.Z *= faktor;
    }
    return faktor;
}

Extended TProfil::Entdrehen()
{
    const Extended winkel =
        std::atan2((punkte_.front().Z + punkte_.back().Z) / 2.0L, punkte_.front().X - punkte_[NasenIndex()].X);
    Drehen(0, Anzahl() - 1, winkel, 0.0L, 0.0L);
    return winkel;
}

void TProfil::Invertieren()
{
    const std::vector<TKoordinate> kopie = punkte_;
    const int n = Anzahl();
    for (int k = 0; k < n; ++k) {
        punkte_[k].X = kopie[n - 1 - k].X;
        punkte_[k].Z = -kopie[n - 1 - k].Z;
    }

    std::string gross = Dateiname;
    for (char& c : gross) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t suffix = gross.find("_INV");
    if (suffix != std::string::npos) {
        Dateiname.erase(suffix, 4);
    } else {
        const std::size_t punkt = Dateiname.find('.');
        Dateiname.insert(punkt == std::string::npos ? 0 : punkt, "_inv");
    }
}

Extended TProfil::Querschnittsflaeche(Extended tiefe) const
{
    TProfil p = *this;
    p.NaseEinfuegen();
    const int nase = p.NasenIndex();
    const auto dicke = [&](int i) { return (p.punkte_[i].Z - p.HoeheBeiX(Unterseite, p.punkte_[i].X).Z) * tiefe; };
    Extended flaeche = 0.0L;
    for (int i = 0; i < nase; ++i)
        flaeche += (dicke(i) + dicke(i + 1)) / 2.0L * ((p.punkte_[i].X - p.punkte_[i + 1].X) * tiefe);
    return flaeche;
}

T3Vektor TProfil::Ebenennormale() const
{
    const int n = Anzahl();
    if (n < 3) return {};
    const auto vektor = [&](int i) { return T3Vektor{punkte_[i].X, punkte_[i].Y, punkte_[i].Z}; };
    const T3Vektor p0 = vektor(0);
    const T3Vektor p1 = vektor(static_cast<int>(std::nearbyint(n / 3.0L)));
    const T3Vektor p2 = vektor(static_cast<int>(std::nearbyint(2.0L * n / 3.0L)));
    return Kreuzprodukt(Vektordifferenz(p1, p0), Vektordifferenz(p2, p0));
}

void TProfil::Ausrichten()
{
    if (Anzahl() < 2) return;
    constexpr int MaxDurchgaenge = 21;
    const auto mitteEndleiste = [&] {
        const TKoordinate& a = punkte_.front();
        const TKoordinate& b = punkte_.back();
        return TKoordinate{(a.X + b.X) / 2.0L, (a.Y + b.Y) / 2.0L, (a.Z + b.Z) / 2.0L};
    };
    // Turns the contour about the axis through M normal to the plane (erste, zweite) until the
    // component `zweite` of the vector the rule names vanishes; the rule returns the angle in that
    // plane, 0 when there is nothing to turn.
    const auto ausgleichen = [&](int erste, int zweite, auto winkelregel) {
        for (int durchgang = 0; durchgang < MaxDurchgaenge; ++durchgang) {
            const TKoordinate m = mitteEndleiste();
            const Extended winkel = winkelregel(m);
            if (winkel != 0.0L)
                for (TKoordinate& p : punkte_)
                    DreheInEbene(Koordinate(p, erste), Koordinate(p, zweite), Koordinate(m, erste), Koordinate(m, zweite), winkel);
            if (RoundReal(10, winkel) == 0.0L) break;
        }
    };
    // The angle of d in the plane (erste, zweite); no turn when d has no extent there.
    const auto winkelVon = [](Extended dErste, Extended dZweite) {
        if (dErste == 0.0L && dZweite == 0.0L) return 0.0L;
        return std::atan(dZweite / dErste);
    };

    // 1. Level the nose-to-trailing-edge line in the X-Z plane, 2. in the X-Y plane.
    ausgleichen(0, 2, [&](const TKoordinate& m) {
        const TKoordinate& nase = punkte_[NasenIndex()];
        return winkelVon(m.X - nase.X, m.Z - nase.Z);
    });
    ausgleichen(0, 1, [&](const TKoordinate& m) {
        const TKoordinate& nase = punkte_[NasenIndex()];
        return winkelVon(m.X - nase.X, m.Y - nase.Y);
    });
    // 3. Stand the thickness upright: the line from the lowest to the highest point gets no Y extent.
    // A contour lying flat in the X-Y plane is turned by a quarter, the way its normal says: a
    // normal with Z >= 0 means the upper side faces +Y, so Y turns into Z (turning in the Z-Y plane
    // by +pi/2 here is -pi/2 about the X axis in the Y-Z convention of the surface builder).
    ausgleichen(2, 1, [&](const TKoordinate&) {
        const TKoordinate& tief = punkte_[Extremum(2, TExtremart::Kleinstes).Index];
        const TKoordinate& hoch = punkte_[Extremum(2, TExtremart::Groesstes).Index];
        const Extended dY = hoch.Y - tief.Y;
        const Extended dZ = hoch.Z - tief.Z;
        if (dZ != 0.0L) return std::atan(dY / dZ);
        const Extended viertel = std::numbers::pi_v<Extended> / 2.0L;
        return Ebenennormale().z >= 0.0L ? viertel : -viertel;
    });
    // 4. Nose to the origin.
    const TKoordinate nase = punkte_[NasenIndex()];
    for (TKoordinate& p : punkte_) {
        p.X -= nase.X;
        p.Y -= nase.Y;
        p.Z -= nase.Z;
    }
}
