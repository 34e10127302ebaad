// Linear-strength vortex panel method: one vortex strength per contour node, flow tangency at the
// panel midpoints, the Kutta condition at the trailing edge, solved by a Crout LU decomposition.
#include "profile/PanelVerfahren.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "profile/T_Profil.h"

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

/// Systems up to this many unknowns keep their matrix memory for the next solve on the thread.
constexpr int MaxBehalteneUnbekannte = 500;

// Dense square matrix in rows.
class TQuadratmatrix {
public:
    /// n x n zeros, reusing the memory the matrix already has.
    void Nullen(int n)
    {
        n_ = n;
        a_.assign(static_cast<std::size_t>(n) * n, 0.0L);
    }
    void Freigeben() { std::vector<Extended>().swap(a_); }
    Extended& operator()(int i, int j) { return a_[static_cast<std::size_t>(i) * n_ + j]; }
    Extended* Zeile(int i) { return &a_[static_cast<std::size_t>(i) * n_]; }

private:
    int n_ = 0;
    std::vector<Extended> a_;
};

// LU decomposition in place by Crout's method with implicit partial pivoting (each row scaled by
// its largest magnitude). A row of zeros gets the scale 1 and a zero pivot becomes 1e-20, so the
// decomposition always completes. The column in work is kept in a contiguous buffer; the order of
// every operation is that of the plain column-by-column algorithm.
void LUZerlegung(TQuadratmatrix& a, int n, std::vector<int>& index)
{
    std::vector<Extended> skala(n);
    for (int i = 0; i < n; ++i) {
        Extended groesste = 0.0L;
        for (int j = 0; j < n; ++j)
            if (std::fabs(a(i, j)) > groesste) groesste = std::fabs(a(i, j));
        skala[i] = groesste == 0.0L ? 1.0L : 1.0L / groesste;
    }
    std::vector<Extended> spalte(n);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) spalte[i] = a(i, j);
        for (int i = 0; i < j; ++i) {
            const Extended* zeile = a.Zeile(i);
            Extended summe = spalte[i];
            for (int k = 0; k < i; ++k) summe -= zeile[k] * spalte[k];
            spalte[i] = summe;
        }
        Extended groesste = 0.0L;
        int pivot = j;
        for (int i = j; i < n; ++i) {
            const Extended* zeile = a.Zeile(i);
            Extended summe = spalte[i];
            for (int k = 0; k < j; ++k) summe -= zeile[k] * spalte[k];
            spalte[i] = summe;
            const Extended guete = skala[i] * std::fabs(summe);
            if (guete >= groesste) {
                groesste = guete;
                pivot = i;
            }
        }
        for (int i = 0; i < n; ++i) a(i, j) = spalte[i];
        if (j != pivot) {
            for (int k = 0; k < n; ++k) std::swap(a(pivot, k), a(j, k));
            skala[pivot] = skala[j];
        }
        index[j] = pivot;
        if (a(j, j) == 0.0L) a(j, j) = 1e-20L;
        if (j != n - 1) {
            const Extended kehrwert = 1.0L / a(j, j);
            for (int i = j + 1; i < n; ++i) a(i, j) *= kehrwert;
        }
    }
}

// Forward and back substitution with the decomposition of LUZerlegung; b becomes the solution.
void LURuecksubstitution(TQuadratmatrix& a, int n, const std::vector<int>& index, std::vector<Extended>& b)
{
    int erste = -1;
    for (int i = 0; i < n; ++i) {
        const int p = index[i];
        Extended summe = b[p];
        b[p] = b[i];
        if (erste >= 0)
            for (int j = erste; j < i; ++j) summe -= a(i, j) * b[j];
        else if (summe != 0.0L)
            erste = i;
        b[i] = summe;
    }
    for (int i = n - 1; i >= 0; --i) {
        Extended summe = b[i];
        for (int j = i + 1; j < n; ++j) summe -= a(i, j) * b[j];
        b[i] = summe / a(i, i);
    }
}

}  // namespace

void PanelVerfahren(TProfil& profil, Extended alfa)
{
    const std::vector<TKoordinate>& punkte = profil.Punkte();
    const int anzahl = static_cast<int>(punkte.size());
    if (anzahl < 3) return;
    const int m = anzahl - 1;  // panels
    const Extended a = alfa / GradProRad;

    // Nodes run from the lower trailing edge round the nose to the upper trailing edge.
    std::vector<Extended> xb(anzahl), zb(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        xb[i] = punkte[anzahl - 1 - i].X;
        zb[i] = punkte[anzahl - 1 - i].Z;
    }
    std::vector<Extended> x(m), z(m), dx(m), dz(m), s(m), theta(m), rechts(m + 1);
    // Sines and cosines of the panel angles and their doubles; the angle differences of the
    // coefficients are expanded with the addition theorems, which keeps transcendental calls out
    // of the double loop.
    std::vector<Extended> sinTheta(m), cosTheta(m), sin2Theta(m), cos2Theta(m);
    for (int i = 0; i < m; ++i) {
        x[i] = 0.5L * (xb[i] + xb[i + 1]);
        z[i] = 0.5L * (zb[i] + zb[i + 1]);
        dx[i] = xb[i + 1] - xb[i];
        dz[i] = zb[i + 1] - zb[i];
        s[i] = std::sqrt(dx[i] * dx[i] + dz[i] * dz[i]);
        theta[i] = std::atan2(dz[i], dx[i]);
        sinTheta[i] = std::sin(theta[i]);
        cosTheta[i] = std::cos(theta[i]);
        sin2Theta[i] = std::sin(2.0L * theta[i]);
        cos2Theta[i] = std::cos(2.0L * theta[i]);
        rechts[i] = std::sin(theta[i] - a);
    }

    // AN(i, j) = CN1(i, j) + CN2(i, j - 1), AT the same from CT1 and CT2.
    // The coefficient matrices keep their memory between solves on one thread: a strip analysis
    // solves three times in a row, and faulting in fresh pages for every solve costs about a third
    // of its time. Large systems give their memory back (at the end).
    thread_local TQuadratmatrix an, at;
    an.Nullen(m + 1);
    at.Nullen(m + 1);
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j) {
            Extended cn1, cn2, ct1, ct2;
            if (i == j) {
                cn1 = -1.0L;
                cn2 = 1.0L;
                ct1 = Pi / 2.0L;
                ct2 = Pi / 2.0L;
            } else {
                const Extended ddx = x[i] - xb[j];
                const Extended ddz = z[i] - zb[j];
                const Extended sj = s[j];
                const Extended aa = -ddx * cosTheta[j] - ddz * sinTheta[j];
                const Extended bb = ddx * ddx + ddz * ddz;
                const Extended cc = sinTheta[i] * cosTheta[j] - cosTheta[i] * sinTheta[j];  // sin(theta_i - theta_j)
                const Extended dd = cosTheta[i] * cosTheta[j] + sinTheta[i] * sinTheta[j];  // cos(theta_i - theta_j)
                const Extended ee = ddx * sinTheta[j] - ddz * cosTheta[j];
                const Extended ff = std::log(1.0L + sj * (sj + 2.0L * aa) / bb);
                const Extended gg = std::atan2(ee * sj, bb + aa * sj);
                const Extended sinI2J = sinTheta[i] * cos2Theta[j] - cosTheta[i] * sin2Theta[j];  // sin(theta_i - 2 theta_j)
                const Extended cosI2J = cosTheta[i] * cos2Theta[j] + sinTheta[i] * sin2Theta[j];  // cos(theta_i - 2 theta_j)
                const Extended pp = ddx * sinI2J + ddz * cosI2J;
                const Extended qq = ddx * cosI2J - ddz * sinI2J;
                cn2 = dd + 0.5L * qq * ff / sj - (aa * cc + dd * ee) * gg / sj;
                cn1 = 0.5L * dd * ff + cc * gg - cn2;
                ct2 = cc + 0.5L * pp * ff / sj + (aa * dd - cc * ee) * gg / sj;
                ct1 = 0.5L * cc * ff - dd * gg - ct2;
            }
            an(i, j) += cn1;
            an(i, j + 1) += cn2;
            at(i, j) += ct1;
            at(i, j + 1) += ct2;
        }
    }
    // Kutta condition: equal and opposite strengths at the two trailing-edge nodes.
    an(m, 0) = 1.0L;
    an(m, m) = 1.0L;
    rechts[m] = 0.0L;

    std::vector<int> index(m + 1);
    LUZerlegung(an, m + 1, index);
    LURuecksubstitution(an, m + 1, index, rechts);
    const std::vector<Extended>& gamma = rechts;

    profil.Panels2D.clear();
    profil.Panels2D.reserve(m);
    for (int i = 0; i < m; ++i) {
        Extended v = std::cos(theta[i] - a);
        const Extended* zeile = at.Zeile(i);
        for (int j = 0; j <= m; ++j) v += zeile[j] * gamma[j];
        TVP panel;
        panel.XMitte = x[i];
        panel.ZMitte = z[i];
        panel.DX = dx[i];
        panel.DZ = dz[i];
        panel.Laenge = s[i];
        panel.V = v;
        panel.Cp = 1.0L - v * v;
        panel.Art = 1;
        profil.Panels2D.push_back(panel);
    }
    if (m + 1 > MaxBehalteneUnbekannte) {
        an.Freigeben();
        at.Freigeben();
    }
}

TPanelKraefte PanelKraefte(const TProfil& profil, Extended alfa)
{
    Extended fx = 0.0L, fz = 0.0L;
    TPanelKraefte k;
    for (const TVP& p : profil.Panels2D) {
        if (p.Art != 1 && p.Art != 2) continue;
        fx += p.Cp * p.DZ;
        fz -= p.Cp * p.DX;
        k.MNase += (p.XMitte * p.DX + p.ZMitte * p.DZ) * p.Cp;
        k.M25 += ((p.XMitte - 0.25L) * p.DX + p.ZMitte * p.DZ) * p.Cp;
    }
    const Extended a = alfa / GradProRad;
    k.Ca = std::cos(a) * fz - std::sin(a) * fx;
    k.Cwp = std::cos(a) * fx + std::sin(a) * fz;
    return k;
}
