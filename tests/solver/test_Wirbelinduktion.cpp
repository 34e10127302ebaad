// The normal-velocity kernel and the velocity routine against Biot-Savart of a straight segment
// written out independently here.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "common/TestHilfe.h"
#include "solver/Wirbelinduktion.h"

namespace {

TWirbel Segment(const T3Vektor& a, const T3Vektor& b, Extended gamma = 1.0L)
{
    TWirbel w;
    w.Anfang = a;
    w.Ende = b;
    w.Zirkulation = gamma;
    w.Aktualisiere();
    return w;
}

/// Velocity of a straight segment of unit circulation in the textbook form
/// V = (r1 x r2) / |r1 x r2|^2 * r0 . (r1/|r1| - r2/|r2|) / (4 pi).
T3Vektor BiotSavart(const T3Vektor& a, const T3Vektor& b, const T3Vektor& p)
{
    const Extended r0[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const Extended r1[3] = {p.x - a.x, p.y - a.y, p.z - a.z};
    const Extended r2[3] = {p.x - b.x, p.y - b.y, p.z - b.z};
    const Extended k[3] = {r1[1] * r2[2] - r1[2] * r2[1], r1[2] * r2[0] - r1[0] * r2[2], r1[0] * r2[1] - r1[1] * r2[0]};
    const Extended k2 = k[0] * k[0] + k[1] * k[1] + k[2] * k[2];
    const Extended l1 = std::sqrt(r1[0] * r1[0] + r1[1] * r1[1] + r1[2] * r1[2]);
    const Extended l2 = std::sqrt(r2[0] * r2[0] + r2[1] * r2[1] + r2[2] * r2[2]);
    Extended f = 0;
    for (int i = 0; i < 3; ++i) f += r0[i] * (r1[i] / l1 - r2[i] / l2);
    f /= 4 * std::numbers::pi_v<Extended> * k2;
    return {k[0] * f, k[1] * f, k[2] * f};
}

Extended Komponente(const T3Vektor& v, const T3Vektor& n) { return v.x * n.x + v.y * n.y + v.z * n.z; }

struct TPunktfall {
    std::string name;
    T3Vektor a, b, p, n;
};

const std::vector<TPunktfall> Punktfaelle = {
    {"GebundenerWirbelAbwind", {0.25L, -0.5L, 0}, {0.25L, 0.5L, 0}, {0.75L, 0.1L, 0}, {0, 0, 1}},
    {"SchraegerPunkt", {0, 0, 0}, {1, 2, 3}, {0.3L, -1.2L, 2.5L}, {0.6L, 0, 0.8L}},
    {"SeitenlinieRueckwaerts", {0.25L, 0.5L, 0}, {1.0L, 0.5L, 0.02L}, {0.75L, 0.25L, 0}, {0, 0, 1}},
    {"HinterDemEnde", {0, 0, 0}, {0, 1, 0}, {0.5L, 3.0L, -0.2L}, {0, 0.6L, 0.8L}},
    {"NaheAmSegment", {0, 0, 0}, {1, 0, 0}, {0.5L, 1e-4L, 0}, {0, 0.6L, 0.8L}},
};

}  // namespace

TEST(Wirbelinduktion, NormalkernIstVierPiMalBiotSavart)
{
    for (const TPunktfall& f : Punktfaelle) {
        SCOPED_TRACE(f.name);
        const Extended betrag = std::sqrt(Komponente(f.n, f.n));
        const T3Vektor n{f.n.x / betrag, f.n.y / betrag, f.n.z / betrag};
        const Extended soll = 4 * std::numbers::pi_v<Extended> * Komponente(BiotSavart(f.a, f.b, f.p), n);
        const Extended ist = Normalkern(Segment(f.a, f.b), f.p, n);
        EXPECT_TRUE(NaheL(ist, soll, 1e-15L * std::fabs(soll) + 1e-18L));
        EXPECT_NE(soll, 0.0L);
    }
}

TEST(Wirbelinduktion, GrenzfaelleDerUnendlichenLinie)
{
    // A long segment seen from its middle at distance h: 4 pi / (2 pi h) = 2 / h.
    // Seen from beside one end: half of it, 1 / h. The finite length L shifts both by h^2 / L^2.
    const Extended h = 0.3L;
    const Extended L = 1e4L;
    const TWirbel lang = Segment({0, -L, 0}, {0, L, 0});
    EXPECT_TRUE(NaheL(Normalkern(lang, {h, 0, 0}, {0, 0, -1}), 2 / h, 1e-8L));
    EXPECT_TRUE(NaheL(Normalkern(lang, {h, L, 0}, {0, 0, -1}), 1 / h, 1e-8L));
    // A vortex along +y induces downwash (-z) behind it (+x), upwash in front.
    EXPECT_LT(Normalkern(lang, {h, 0, 0}, {0, 0, 1}), 0.0L);
    EXPECT_GT(Normalkern(lang, {-h, 0, 0}, {0, 0, 1}), 0.0L);
    // Symmetric points either side of the middle see the same normal velocity.
    const TWirbel kurz = Segment({0, -0.5L, 0}, {0, 0.5L, 0});
    EXPECT_TRUE(NaheL(Normalkern(kurz, {0.2L, 0.3L, 0.1L}, {0, 0, 1}), Normalkern(kurz, {0.2L, -0.3L, 0.1L}, {0, 0, 1}),
                      1e-17L));
}

TEST(Wirbelinduktion, PunktAufDerLinieGibtNull)
{
    // A control point on the line of a segment (on it, on its extension, on an end point) has no
    // finite Biot-Savart value; both routines take it as 0 instead of an undefined value.
    const TWirbel w = Segment({0.1L, 0.2L, 0.3L}, {1.1L, 0.7L, -0.2L}, 2.5L);
    const T3Vektor n{0, 0, 1};
    const auto entlang = [&](Extended s) {
        return T3Vektor{w.Anfang.x + s * (w.Ende.x - w.Anfang.x), w.Anfang.y + s * (w.Ende.y - w.Anfang.y),
                        w.Anfang.z + s * (w.Ende.z - w.Anfang.z)};
    };
    for (Extended s : {0.0L, 0.5L, 1.0L, -0.7L, 3.0L, 0.25L}) {
        SCOPED_TRACE(static_cast<double>(s));
        const Extended k = Normalkern(w, entlang(s), n);
        EXPECT_EQ(k, 0.0L);
        const T3Vektor v = Wirbelgeschwindigkeit(w, entlang(s));
        EXPECT_EQ(v.x, 0.0L);
        EXPECT_EQ(v.y, 0.0L);
        EXPECT_EQ(v.z, 0.0L);
    }
    // Seen from the start point, the line is a cone of half-angle sqrt(2e-11): a point that close
    // to the line counts as on it, one just outside gets its full (large) value.
    const TWirbel x = Segment({0, 0, 0}, {1, 0, 0});
    EXPECT_EQ(Normalkern(x, {0.5L, 0, 2e-6L}, {0, 1, 0}), 0.0L);
    EXPECT_TRUE(NaheL(Normalkern(x, {0.5L, 0, 1e-5L}, {0, 1, 0}), -2 / 1e-5L, 1e-3L));
    // A segment that collapsed to a point induces nothing anywhere.
    const TWirbel punkt = Segment({1, 1, 1}, {1, 1, 1});
    EXPECT_EQ(Normalkern(punkt, {2, 0, 1}, n), 0.0L);
    EXPECT_EQ(Normalkern(punkt, {1, 1, 1}, n), 0.0L);
    const T3Vektor v = Wirbelgeschwindigkeit(punkt, {2, 0, 1});
    EXPECT_EQ(Komponente(v, v), 0.0L);
}

TEST(Wirbelinduktion, GeschwindigkeitMitVerkuerztemVierPi)
{
    for (const TPunktfall& f : Punktfaelle) {
        SCOPED_TRACE(f.name);
        const Extended gamma = -1.75L;
        const T3Vektor soll = BiotSavart(f.a, f.b, f.p);
        // The velocity routine divides by 12.56637061 instead of 4 pi.
        const Extended faktor = gamma * 4 * std::numbers::pi_v<Extended> / 12.56637061L;
        const T3Vektor ist = Wirbelgeschwindigkeit(Segment(f.a, f.b, gamma), f.p);
        const Extended tol = 1e-15L * std::sqrt(Komponente(soll, soll)) * std::fabs(faktor);
        EXPECT_TRUE(NaheL(ist.x, faktor * soll.x, tol));
        EXPECT_TRUE(NaheL(ist.y, faktor * soll.y, tol));
        EXPECT_TRUE(NaheL(ist.z, faktor * soll.z, tol));
    }
}
