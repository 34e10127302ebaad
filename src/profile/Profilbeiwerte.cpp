// Characteristic values of a profile contour.
#include "profile/Profilbeiwerte.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "common/Mathe.h"
#include "profile/T_Profil.h"

namespace {

// Quadrature stations and weights of the thin-airfoil integrals: w1 and w3 act on the half
// thickness, w2, w4, w5 and w6 on the camber.
struct TStuetzstelle {
    Extended X, W1, W2, W3, W4, W5, W6;
};

constexpr TStuetzstelle Stuetzstellen[11] = {
    {0.983L, 0.644L, -4.8919L, 0.6864L, -7.937L, -2.4032L, 15.6333L},
    {0.933L, 0.0L, 0.0L, 0.1667L, -0.2267L, 0.0L, 0.0L},
    {0.8536L, 0.2357L, -0.569L, 0.3333L, -1.079L, -0.2357L, 2.0944L},
    {0.75L, 0.0L, 0.0L, 0.2887L, -0.1309L, 0.0L, 0.0L},
    {0.6294L, 0.1726L, -0.2249L, 0.2387L, -0.421L, -0.0462L, 1.1244L},
    {0.5L, 0.0L, 0.0L, 0.3333L, 0.0L, 0.0L, 0.0L},
    {0.3706L, 0.1726L, -0.1324L, 0.0601L, -0.1402L, 0.0462L, 1.1244L},
    {0.25L, 0.0L, 0.0L, 0.2887L, 0.1309L, 0.0L, 0.0L},
    {0.1465L, 0.2357L, -0.0976L, -0.3333L, 0.0318L, 0.2357L, 2.0944L},
    {0.067L, 0.0L, 0.0L, 0.1667L, 0.2267L, 0.0L, 0.0L},
    {0.017L, 0.6439L, -0.0848L, -1.8017L, 0.1197L, 2.4032L, 15.6333L},
};

// Height of the lower side at station x, read from the lower trailing edge towards the nose. The
// cursor j is kept between calls with falling x; the pair last - j, last - (j + 1) brackets x.
class TUnterseite {
public:
    explicit TUnterseite(const std::vector<TKoordinate>& p) : p_(p), letzter_(static_cast<int>(p.size()) - 1) {}

    Extended Hoehe(Extended x)
    {
        while (j_ + 2 <= letzter_ && p_[letzter_ - (j_ + 1)].X > x) ++j_;
        const TKoordinate& a = p_[letzter_ - j_];
        const TKoordinate& b = p_[letzter_ - (j_ + 1)];
        return Interpolieren(x, a.X, a.Z, b.X, b.Z);
    }

private:
    const std::vector<TKoordinate>& p_;
    int letzter_;
    int j_ = 0;
};

}  // namespace

void BerechneBeiwerte(TProfil& profil)
{
    profil.NaseEinfuegen();
    const std::vector<TKoordinate>& p = profil.Punkte();
    const int n = static_cast<int>(p.size());
    if (n < 2) return;

    // The nose closes the first falling run of X.
    int nase = n - 1;
    for (int i = 1; i < n; ++i)
        if (p[i].X >= p[i - 1].X) {
            nase = i - 1;
            break;
        }

    Extended dickeMax = 0.0L, xDicke = 0.0L, woelbungMax = 0.0L, xWoelbung = 0.0L;
    TUnterseite unten(p);
    for (int k = 0; k <= nase; ++k) {
        const Extended zo = p[k].Z;
        const Extended zu = unten.Hoehe(p[k].X);
        const Extended t = zo - zu;
        const Extended f = (zo + zu) / 2.0L;
        if (t > dickeMax) {
            dickeMax = t;
            xDicke = p[k].X;
        }
        if (std::fabs(f) > std::fabs(woelbungMax)) {
            woelbungMax = f;
            xWoelbung = p[k].X;
        }
    }
    profil.SetBeiwert(TProfil::Dicke, 100.0L * dickeMax);
    profil.SetBeiwert(TProfil::Dickenruecklage, 100.0L * xDicke);
    profil.SetBeiwert(TProfil::Woelbung, 100.0L * woelbungMax);
    profil.SetBeiwert(TProfil::Woelbungsruecklage, 100.0L * xWoelbung);

    Extended s1 = 0.0L, s2 = 0.0L, s3 = 0.0L, s4 = 0.0L, s5 = 0.0L, s6 = 0.0L;
    TUnterseite untenQ(p);
    int k = 0;
    for (const TStuetzstelle& m : Stuetzstellen) {
        while (k + 2 < n && p[k + 1].X > m.X) ++k;
        const Extended zo = Interpolieren(m.X, p[k].X, p[k].Z, p[k + 1].X, p[k + 1].Z);
        const Extended zu = untenQ.Hoehe(m.X);
        const Extended s = (zo + zu) / 2.0L;
        const Extended u = (zo - zu) / 2.0L;
        s1 += u * m.W1;
        s2 += s * m.W2;
        s3 += u * m.W3;
        s4 += s * m.W4;
        s5 += s * m.W5;
        s6 += s * m.W6;
    }
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    profil.SetBeiwert(TProfil::Alfa0, 2.0L * s2 * GradProRad);
    profil.SetBeiwert(TProfil::Cm0, 2.0L * s4);
    profil.SetBeiwert(TProfil::Auftriebsanstieg, (2.0L * s1 + 1.0L) * 2.0L * pi);
    profil.SetBeiwert(TProfil::Neutralpunktlage, (2.0L * s3 + 1.0L) * 0.25L * 100.0L);
    profil.SetBeiwert(TProfil::AlfaIdeal, 2.0L * s5 * GradProRad);
    profil.SetBeiwert(TProfil::CaIdeal, 2.0L * s6);
}
