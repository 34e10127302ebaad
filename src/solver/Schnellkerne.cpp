// Vectorised Biot-Savart kernels in double. The loops carry no calls and no branches the compiler
// cannot turn into selects; this file alone is compiled with -fno-math-errno (the square roots stay
// in the vector units) and -fno-trapping-math (floating-point exceptions are masked anyway, so a
// division may be computed and then not selected). The formulas and constants are those of the
// Extended kernels.
#include "solver/Schnellkerne.h"

#include <cmath>

/// The kernels come in a version for AVX2 and one for any x86-64 processor, chosen at load time.
/// Every lane computes its segment alone and the sums run in fixed lanes, so both versions give
/// the same bits. Clang makes versions of a member function only when its declaration carries
/// them too, so a clang build (the fuzzing build) takes the one version for any processor.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELION_VEKTORVERSIONEN __attribute__((target_clones("avx2", "default")))
#else
#define VELION_VEKTORVERSIONEN
#endif

namespace {

/// The collinearity bound and the shortened 4 pi of the velocity routine, as the Extended path has them.
constexpr double KollinearGrenzeD = 0.99999999999;
constexpr double VierPiGeschwindigkeitD = 12.56637061;

}  // namespace

TPunktD PunktD(const T3Vektor& v)
{
    return {static_cast<double>(v.x), static_cast<double>(v.y), static_cast<double>(v.z)};
}

void TSegmentfeld::Leeren()
{
    for (std::vector<double>* v : {&ax_, &ay_, &az_, &bx_, &by_, &bz_, &ex_, &ey_, &ez_, &g_}) v->clear();
}

void TSegmentfeld::Reservieren(std::size_t n)
{
    for (std::vector<double>* v : {&ax_, &ay_, &az_, &bx_, &by_, &bz_, &ex_, &ey_, &ez_, &g_}) v->reserve(n);
}

void TSegmentfeld::Anhaengen(const TWirbel& w)
{
    const TPunktD a = PunktD(w.Anfang);
    const TPunktD b = PunktD(w.Ende);
    const TPunktD e = PunktD(w.Richtung);
    ax_.push_back(a.x);
    ay_.push_back(a.y);
    az_.push_back(a.z);
    bx_.push_back(b.x);
    by_.push_back(b.y);
    bz_.push_back(b.z);
    ex_.push_back(e.x);
    ey_.push_back(e.y);
    ez_.push_back(e.z);
    g_.push_back(static_cast<double>(w.Zirkulation));
}

VELION_VEKTORVERSIONEN void TSegmentfeld::Normalkerne(const TPunktD& P, const TPunktD& n, double* __restrict k) const
{
    const std::size_t anzahl = Anzahl();
    const double* __restrict ax = ax_.data();
    const double* __restrict ay = ay_.data();
    const double* __restrict az = az_.data();
    const double* __restrict bx = bx_.data();
    const double* __restrict by = by_.data();
    const double* __restrict bz = bz_.data();
    const double* __restrict ex = ex_.data();
    const double* __restrict ey = ey_.data();
    const double* __restrict ez = ez_.data();
    for (std::size_t s = 0; s < anzahl; ++s) {
        const double r1x = P.x - ax[s], r1y = P.y - ay[s], r1z = P.z - az[s];
        const double er1 = ex[s] * r1x + ey[s] * r1y + ez[s] * r1z;
        const double c1 = er1 / std::sqrt(r1x * r1x + r1y * r1y + r1z * r1z);
        const double r2x = P.x - bx[s], r2y = P.y - by[s], r2z = P.z - bz[s];
        const double c2 = (ex[s] * r2x + ey[s] * r2y + ez[s] * r2z) / std::sqrt(r2x * r2x + r2y * r2y + r2z * r2z);
        // d: the perpendicular from the segment's line to P; (e x d) . n (c1 - c2) / h².
        const double dx = r1x - er1 * ex[s], dy = r1y - er1 * ey[s], dz = r1z - er1 * ez[s];
        const double h2 = dx * dx + dy * dy + dz * dz;
        const double spat = (ey[s] * dz - ez[s] * dy) * n.x + (ez[s] * dx - ex[s] * dz) * n.y + (ex[s] * dy - ey[s] * dx) * n.z;
        const double wert = spat * (c1 - c2) / h2;
        // Also 0 for P on the start point, where c1 = 0/0.
        k[s] = std::fabs(c1) <= KollinearGrenzeD ? wert : 0.0;
    }
}

VELION_VEKTORVERSIONEN TPunktD TSegmentfeld::Geschwindigkeit(const TPunktD& P) const
{
    const std::size_t anzahl = Anzahl();
    const double* __restrict ax = ax_.data();
    const double* __restrict ay = ay_.data();
    const double* __restrict az = az_.data();
    const double* __restrict bx = bx_.data();
    const double* __restrict by = by_.data();
    const double* __restrict bz = bz_.data();
    const double* __restrict ex = ex_.data();
    const double* __restrict ey = ey_.data();
    const double* __restrict ez = ez_.data();
    const double* __restrict g = g_.data();
    // The contributions of a block of segments go to a buffer first, so that the kernel loop has no
    // sum running through it; the sums then run in Spuren interleaved lanes, each in segment order.
    constexpr std::size_t Block = 256;
    constexpr std::size_t Spuren = 8;
    alignas(64) double wx[Block], wy[Block], wz[Block];
    double sx[Spuren] = {}, sy[Spuren] = {}, sz[Spuren] = {};
    for (std::size_t anfang = 0; anfang < anzahl; anfang += Block) {
        const std::size_t m = anzahl - anfang < Block ? anzahl - anfang : Block;
        for (std::size_t i = 0; i < m; ++i) {
            const std::size_t s = anfang + i;
            const double r1x = P.x - ax[s], r1y = P.y - ay[s], r1z = P.z - az[s];
            const double er1 = ex[s] * r1x + ey[s] * r1y + ez[s] * r1z;
            const double c1 = er1 / std::sqrt(r1x * r1x + r1y * r1y + r1z * r1z);
            const double r2x = P.x - bx[s], r2y = P.y - by[s], r2z = P.z - bz[s];
            const double betragR2 = std::sqrt(r2x * r2x + r2y * r2y + r2z * r2z);
            const double er2 = ex[s] * r2x + ey[s] * r2y + ez[s] * r2z;
            // P on the end point: c2 = 0, as the Extended routine takes it.
            const double c2 = betragR2 == 0.0 ? 0.0 : er2 / betragR2;
            const double dx = r1x - er1 * ex[s], dy = r1y - er1 * ey[s], dz = r1z - er1 * ez[s];
            const double h2 = dx * dx + dy * dy + dz * dz;
            // e x d is finite everywhere, so a factor of 0 on the segment's line gives the zero vector.
            const double f0 = g[s] * (c1 - c2) / (h2 * VierPiGeschwindigkeitD);
            const double f = std::fabs(c1) <= KollinearGrenzeD ? f0 : 0.0;
            wx[i] = f * (ey[s] * dz - ez[s] * dy);
            wy[i] = f * (ez[s] * dx - ex[s] * dz);
            wz[i] = f * (ex[s] * dy - ey[s] * dx);
        }
        for (std::size_t i = m; i % Spuren != 0; ++i) wx[i] = wy[i] = wz[i] = 0.0;
        for (std::size_t i = 0; i < m; i += Spuren)
            for (std::size_t l = 0; l < Spuren; ++l) {
                sx[l] += wx[i + l];
                sy[l] += wy[i + l];
                sz[l] += wz[i + l];
            }
    }
    TPunktD v;
    for (std::size_t l = 0; l < Spuren; ++l) {
        v.x += sx[l];
        v.y += sy[l];
        v.z += sz[l];
    }
    return v;
}
