// Panel geometry derived from four corners, the corner records and the vortex segment's direction.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/TestHilfe.h"
#include "model/TPAN.h"

namespace {

void ErwarteVektor(const T3Vektor& ist, const T3Vektor& soll, Extended tol)
{
    EXPECT_TRUE(NaheL(ist.x, soll.x, tol)) << "x";
    EXPECT_TRUE(NaheL(ist.y, soll.y, tol)) << "y";
    EXPECT_TRUE(NaheL(ist.z, soll.z, tol)) << "z";
}

bool Endlich(const T3Vektor& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

struct TPanelFall {
    std::string name;
    std::array<T3Vektor, 4> ecken;  // P0..P3
    T3Vektor normale;
    Extended flaeche;
    Extended tiefe;
    Extended breite;
    T3Vektor viertelLinks;
    T3Vektor viertelRechts;
    T3Vektor aufpunkt;
};

const std::vector<TPanelFall> PanelFaelle = {
    {"Rechteck",
     {{{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}}},
     {0, 0, 1},
     1.0L,
     1.0L,
     1.0L,
     {0.25L, 0, 0},
     {0.25L, 1, 0},
     {0.75L, 0.5L, 0}},
    // Trapezoid: the exact area (1 + 0.5)/2 is not Tiefe * Breite = 0.75 * sqrt(1.0625).
    {"Trapez",
     {{{1, 0, 0}, {0.5L, 1, 0}, {0, 1, 0}, {0, 0, 0}}},
     {0, 0, 1},
     0.75L,
     0.75L,
     std::sqrt(1.0625L),
     {0.25L, 0, 0},
     {0.125L, 1, 0},
     {(0.75L + 0.375L) / 2, 0.5L, 0}},
    // A panel of the left wing half: sections still run left to right, so the normal points up.
    {"LinkeSeite",
     {{{2, -3, 0}, {2, -1, 0}, {0, -1, 0}, {0, -3, 0}}},
     {0, 0, 1},
     4.0L,
     2.0L,
     2.0L,
     {0.5L, -3, 0},
     {0.5L, -1, 0},
     {1.5L, -2, 0}},
    // Upright (fin) panel in the x-z plane, sections from bottom to top.
    {"Senkrecht",
     {{{1, 0, 0}, {1, 0, 1}, {0, 0, 1}, {0, 0, 0}}},
     {0, -1, 0},
     1.0L,
     1.0L,
     1.0L,
     {0.25L, 0, 0},
     {0.25L, 0, 1},
     {0.75L, 0, 0.5L}},
};

}  // namespace

TEST(TPAN, AktualisiereLeitetGeometrieAb)
{
    for (const TPanelFall& f : PanelFaelle) {
        SCOPED_TRACE(f.name);
        TPAN p;
        for (int k = 0; k < 4; ++k) p.SetzeEcke(k, f.ecken[k].x, f.ecken[k].y, f.ecken[k].z);
        p.Aktualisiere();
        const Extended tol = 1e-18L;
        ErwarteVektor(p.Normale, f.normale, tol);
        EXPECT_TRUE(NaheL(p.Flaecheninhalt, f.flaeche, tol));
        EXPECT_TRUE(NaheL(p.Tiefe, f.tiefe, tol));
        EXPECT_TRUE(NaheL(p.Breite, f.breite, tol));
        ErwarteVektor(p.ViertelpunktLinks, f.viertelLinks, tol);
        ErwarteVektor(p.ViertelpunktRechts, f.viertelRechts, tol);
        ErwarteVektor(p.Aufpunkt, f.aufpunkt, tol);
        ErwarteVektor(p.EckeHintenLinks, f.ecken[0], 0);
        ErwarteVektor(p.EckeHintenRechts, f.ecken[1], 0);
        ErwarteVektor(p.EckeVorneRechts, f.ecken[2], 0);
        ErwarteVektor(p.EckeVorneLinks, f.ecken[3], 0);
        // The three-quarter points lie halfway between the quarter points and the trailing corners.
        ErwarteVektor(Vektorskalierung(0.5L, Vektorsumme(p.DreiviertelpunktLinks, p.DreiviertelpunktRechts)),
                      p.Aufpunkt, tol);
        ErwarteVektor(p.DreiviertelpunktLinks,
                      Vektorsumme(Vektorskalierung(0.25L, f.ecken[3]), Vektorskalierung(0.75L, f.ecken[0])), tol);
    }
}

TEST(TPAN, AusgeartetePanelsBleibenEndlich)
{
    struct TFall {
        std::string name;
        std::array<T3Vektor, 4> ecken;
        bool normaleNull;
    };
    const std::vector<TFall> faelle = {
        {"AlleEckenGleich", {{{0.3L, 0.7L, 0.1L}, {0.3L, 0.7L, 0.1L}, {0.3L, 0.7L, 0.1L}, {0.3L, 0.7L, 0.1L}}}, true},
        // Corners on one line with lengths that do not add up exactly in binary.
        {"Kollinear", {{{0.1L, 0, 0}, {0.4L, 0, 0}, {0.7L, 0, 0}, {0.3L, 0, 0}}}, true},
        {"SchraegKollinear", {{{0, 0, 0}, {0.1L, 0.3L, 0.7L}, {0.3L, 0.9L, 2.1L}, {0.2L, 0.6L, 1.4L}}}, false},
    };
    for (const auto& [name, ecken, normaleNull] : faelle) {
        SCOPED_TRACE(name);
        TPAN p;
        for (int k = 0; k < 4; ++k) p.SetzeEcke(k, ecken[k].x, ecken[k].y, ecken[k].z);
        p.Aktualisiere();
        EXPECT_TRUE(Endlich(p.Normale));
        // Only an exactly vanishing normal stays zero; rounding noise off a line is normalised.
        const Extended betrag = Vektorbetrag(p.Normale);
        EXPECT_TRUE(betrag == 0.0L || NaheL(betrag, 1.0L, 1e-18L)) << static_cast<double>(betrag);
        if (normaleNull) {
            EXPECT_EQ(betrag, 0.0L);
        }
        EXPECT_TRUE(std::isfinite(p.Flaecheninhalt));
        EXPECT_TRUE(NaheL(p.Flaecheninhalt, 0.0L, 1e-9L));
        EXPECT_TRUE(Endlich(p.Aufpunkt));
    }
}

TEST(TPAN, VerwundenesPanelHatEinheitsnormale)
{
    // A twisted panel: the normal is the mean of both diagonals' cross product, of unit length.
    TPAN p;
    p.SetzeEcke(0, 1, 0, 0.1L);
    p.SetzeEcke(1, 1, 1, -0.1L);
    p.SetzeEcke(2, 0, 1, 0);
    p.SetzeEcke(3, 0, 0, 0);
    p.Aktualisiere();
    EXPECT_TRUE(NaheL(Vektorbetrag(p.Normale), 1.0L, 1e-18L));
    // (P0 - P2) x (P1 - P3) / 2 is the same vector as the sum of the two edge cross products.
    const T3Vektor n = Kreuzprodukt({1, -1, 0.1L}, {1, 1, -0.1L});
    const T3Vektor soll = Vektorskalierung(1.0L / Vektorbetrag(n), n);
    ErwarteVektor(p.Normale, soll, 1e-18L);
}

TEST(TPAN, KonstruktorUndEckenzugriff)
{
    TPAN p;
    EXPECT_EQ(p.Fuellmodus, 1);
    EXPECT_EQ(p.GebundenerWirbel.Art, WirbelGebunden);
    EXPECT_EQ(p.GebundenerWirbel.Zirkulation, 0.0L);
    EXPECT_TRUE(p.WirbelLinks.empty());
    EXPECT_TRUE(p.WirbelRechts.empty());
    EXPECT_TRUE(p.Einflusskoeffizienten.empty());
    for (int k = 0; k < 4; ++k) {
        TPUNKT* e = p.Ecke(k);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Panel, &p);
        EXPECT_EQ(e->Partner, e);
        EXPECT_FALSE(e->Markiert);
        EXPECT_EQ(e->Farbe, (TFarbe{0.5F, 0.5F, 0.5F, 1.0F}));
        EXPECT_EQ(e->MarkierFarbe, (TFarbe{0.6F, 0.6F, 0.0F, 1.0F}));
    }
    EXPECT_EQ(p.Ecke(-1), nullptr);
    EXPECT_EQ(p.Ecke(4), nullptr);

    p.SetzeEcke(2, 1, 2, 3);
    p.SetzeEcke(4, 9, 9, 9);
    p.SetzeEcke(-1, 9, 9, 9);
    EXPECT_EQ(p.Ecke(2)->X, 1.0L);
    EXPECT_EQ(p.Ecke(2)->Y, 2.0L);
    EXPECT_EQ(p.Ecke(2)->Z, 3.0L);
    for (int k : {0, 1, 3}) EXPECT_EQ(p.Ecke(k)->X, 0.0L);

    const TFarbe rot{1.0F, 0.0F, 0.0F, 0.5F};
    p.SetzeFarbe(rot);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(p.Ecke(k)->Farbe, rot);
        EXPECT_EQ(p.Ecke(k)->PunktFarbe, (TFarbe{0.5F, 0.5F, 0.5F, 1.0F}));
    }
}

TEST(TWirbel, AktualisiereSetztLaengeUndRichtung)
{
    TWirbel w;
    w.Anfang = {1, 2, 3};
    w.Ende = {4, 6, 3};
    w.Aktualisiere();
    EXPECT_EQ(w.Laenge, 5.0L);
    ErwarteVektor(w.Richtung, {0.6L, 0.8L, 0}, 1e-19L);

    // A segment collapsed to a point has no direction rather than an undefined one.
    w.Ende = w.Anfang;
    w.Aktualisiere();
    EXPECT_EQ(w.Laenge, 0.0L);
    ErwarteVektor(w.Richtung, {0, 0, 0}, 0);
}
