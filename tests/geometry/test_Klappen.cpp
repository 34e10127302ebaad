// Flaps: deflection about the common hinge line on both sides of the aircraft, the inverse flag,
// groups, "Alle Klappen neutral" and the flap inputs.
#include "geometry/Klappen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Testflaechen.h"
#include "common/TestHilfe.h"
#include "common/Vektor.h"
#include "geometry/Flaechenbau.h"
#include "model/T_FLUGZEUG.h"

namespace {

constexpr Extended Grad = 57.29577951308232L;

T3Vektor Vek(const TKoordinate& k) { return {k.X, k.Y, k.Z}; }

/// Distance of p from the line through a and b.
Extended AbstandVonGerade(const T3Vektor& p, const T3Vektor& a, const T3Vektor& b)
{
    const T3Vektor r = Einheitsvektor(Vektordifferenz(b, a));
    return Vektorbetrag(Kreuzprodukt(Vektordifferenz(p, a), r));
}

std::unique_ptr<TFLAECHE> Klappenfluegel(int stationen, Extended ausschlag)
{
    auto f = Rechteckfluegel();
    for (const auto& s : f->Segmente) {
        s->AnzahlPanelsY = stationen;
        s->Klappenausschlag = ausschlag;
    }
    return f;
}

}  // namespace

TEST(Klappen, PositiverAusschlagSenktDieHinterkanteAufBeidenSeiten)
{
    struct Fall {
        const char* name;
        bool inverse;
        Extended vorzeichen;
    };
    const Fall faelle[] = {{"normal", false, -1.0L}, {"inverse", true, 1.0L}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto f = Klappenfluegel(3, 10.0L);
        for (const auto& s : f->Segmente) s->Klappeninverse = fall.inverse;
        BaueFlaeche(*f, Host());
        for (int j = 0; j < 2; ++j) {
            SCOPED_TRACE(j);
            const TSEGMENT& s = *f->Segmente.Get(j);
            ASSERT_EQ(s.Klappengitterschnitte.size(), 4U);
            for (std::size_t i = 0; i < 4; ++i) {
                SCOPED_TRACE(i);
                const TProfil& neu = *s.Klappengitterschnitte[i];
                const TProfil& alt = *s.Gitterschnitte[i];
                // The 5 cm flap behind the hinge at x = 0.15 turned by 10°.
                EXPECT_TRUE(NaheL(neu.Punkt(0)->X, 0.15L + 0.05L * std::cos(10.0L / Grad), 1e-15L));
                EXPECT_TRUE(NaheL(neu.Punkt(0)->Z, fall.vorzeichen * 0.05L * std::sin(10.0L / Grad), 1e-15L));
                EXPECT_TRUE(NaheL(neu.Punkt(0)->Y, alt.Punkt(0)->Y, 1e-15L));
                for (int k = 1; k < alt.Anzahl(); ++k) {
                    EXPECT_EQ(neu.Punkt(k)->X, alt.Punkt(k)->X);
                    EXPECT_EQ(neu.Punkt(k)->Z, alt.Punkt(k)->Z);
                }
            }
            // Both trailing-edge points of the end contours move the same way.
            ASSERT_EQ(s.Klappenvolumenschnitte.size(), 2U);
            for (std::size_t i = 0; i < 2; ++i) {
                const TProfil& neu = *s.Klappenvolumenschnitte[i];
                const TProfil& alt = *s.Volumenschnitte[i];
                const int letzter = neu.Anzahl() - 1;
                EXPECT_GT(fall.vorzeichen * (neu.Punkt(0)->Z - alt.Punkt(0)->Z), 0.0L);
                EXPECT_GT(fall.vorzeichen * (neu.Punkt(letzter)->Z - alt.Punkt(letzter)->Z), 0.0L);
                const int nase = neu.NasenIndex();
                EXPECT_EQ(neu.Punkt(nase)->Z, alt.Punkt(nase)->Z);
            }
        }
    }
}

TEST(Klappen, StationenFolgenDerGemeinsamenScharnierlinie)
{
    // A tapered, twisted, kinked segment with a tapered flap: the sections between the ends have no
    // hinge point of their own, yet every flap trailing edge must end on the trailing edge turned
    // about the common hinge line.
    for (const Extended breite : {0.6L, -0.6L}) {
        SCOPED_TRACE(static_cast<double>(breite));
        auto f = Testflaeche(0.3L, 8);
        f->Segmente.Add(Testsegment(breite, 0.15L));
        TSEGMENT& s = *f->Segmente.Get(0);
        s.AnzahlPanelsY = 5;
        s.VerteilungY = TVerteilung::Cos;
        s.KlappentiefeLinks = 20.0L;
        s.KlappentiefeRechts = 35.0L;
        s.Verwindungswinkel = -4.0L;
        s.VFormWinkel = 7.0L;
        s.Pfeilwinkel = 12.0L;
        s.Klappenausschlag = 15.0L;
        BaueFlaeche(*f, Host());

        const T3Vektor a = Vek(s.Gitterschnitte.front()->Scharnierpunkt);
        const T3Vektor b = Vek(s.Gitterschnitte.back()->Scharnierpunkt);
        for (std::size_t i = 0; i < s.Klappengitterschnitte.size(); ++i) {
            SCOPED_TRACE(i);
            const TProfil& neu = *s.Klappengitterschnitte[i];
            const TProfil& alt = *s.Gitterschnitte[i];
            const T3Vektor hinten = Vek(*neu.Punkt(0));
            EXPECT_TRUE(NaheL(Punktabstand(hinten, Vek(neu.Endleistenpunkt)), 0.0L, 1e-15L));
            // A turn about the hinge line keeps the distance from it.
            EXPECT_TRUE(NaheL(AbstandVonGerade(hinten, a, b), AbstandVonGerade(Vek(*alt.Punkt(0)), a, b), 1e-15L));
            EXPECT_LT(hinten.z, alt.Punkt(0)->Z);
            EXPECT_GT(neu.Klappenfaktor, 0.0L);
        }
    }
}

TEST(Klappen, OhneAusschlagBleibenDieSchnitteUnveraendert)
{
    auto f = Klappenfluegel(3, 0.0L);
    f->Segmente.Get(1)->Verwindungswinkel = 3.0L;
    f->Segmente.Get(1)->VFormWinkel = 5.0L;
    BaueFlaeche(*f, Host());
    for (const auto& s : f->Segmente) {
        ASSERT_EQ(s->Klappengitterschnitte.size(), s->Gitterschnitte.size());
        ASSERT_EQ(s->Klappenvolumenschnitte.size(), s->Volumenschnitte.size());
        for (std::size_t i = 0; i < s->Gitterschnitte.size(); ++i) {
            const auto& a = s->Gitterschnitte[i]->Punkte();
            const auto& b = s->Klappengitterschnitte[i]->Punkte();
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t k = 0; k < a.size(); ++k) {
                EXPECT_EQ(a[k].X, b[k].X);
                EXPECT_EQ(a[k].Y, b[k].Y);
                EXPECT_EQ(a[k].Z, b[k].Z);
            }
        }
        for (std::size_t i = 0; i < s->Volumenschnitte.size(); ++i) {
            const auto& a = s->Volumenschnitte[i]->Punkte();
            const auto& b = s->Klappenvolumenschnitte[i]->Punkte();
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t k = 0; k < a.size(); ++k) EXPECT_EQ(a[k].Z, b[k].Z);
        }
    }
}

namespace {

/// A wing (surface 0) and a tailplane (surface 1), each a rectangular wing, built.
std::unique_ptr<TFLUGZEUG> FlugzeugMitKlappen()
{
    auto flugzeug = std::make_unique<TFLUGZEUG>();
    flugzeug->Flaechen.Add(Rechteckfluegel());
    flugzeug->Flaechen.Add(Rechteckfluegel());
    for (const auto& f : flugzeug->Flaechen) BaueFlaeche(*f, Host());
    return flugzeug;
}

TSEGMENT& Seg(TFLUGZEUG& flugzeug, int f, int s) { return *flugzeug.Flaechen.Get(f)->Segmente.Get(s); }

Extended HinterkanteZ(TFLUGZEUG& flugzeug, int f, int s) { return Seg(flugzeug, f, s).Klappengitterschnitte[0]->Punkt(0)->Z; }

}  // namespace

TEST(Klappen, GruppeBewegtAlleMitgliederInverseGegensinnig)
{
    auto flugzeug = FlugzeugMitKlappen();
    Seg(*flugzeug, 0, 0).Klappengruppe = 3;
    Seg(*flugzeug, 0, 1).Klappengruppe = 3;
    Seg(*flugzeug, 0, 1).Klappeninverse = true;
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        KlappenwinkelSetzen(*flugzeug, 0, start, 10.0L + start);
        EXPECT_EQ(Seg(*flugzeug, 0, 0).Klappenausschlag, 10.0L + start);
        EXPECT_EQ(Seg(*flugzeug, 0, 1).Klappenausschlag, 10.0L + start);
        EXPECT_LT(HinterkanteZ(*flugzeug, 0, 0), 0.0L);
        EXPECT_GT(HinterkanteZ(*flugzeug, 0, 1), 0.0L);
        EXPECT_TRUE(NaheL(HinterkanteZ(*flugzeug, 0, 0), -HinterkanteZ(*flugzeug, 0, 1), 1e-15L));
        EXPECT_EQ(Seg(*flugzeug, 1, 0).Klappenausschlag, 0.0L);
    }
}

TEST(Klappen, GruppeNullBewegtSichAllein)
{
    auto flugzeug = FlugzeugMitKlappen();
    KlappenwinkelSetzen(*flugzeug, 0, 1, -8.0L);
    EXPECT_EQ(Seg(*flugzeug, 0, 1).Klappenausschlag, -8.0L);
    EXPECT_GT(HinterkanteZ(*flugzeug, 0, 1), 0.0L);
    EXPECT_EQ(Seg(*flugzeug, 0, 0).Klappenausschlag, 0.0L);
    EXPECT_TRUE(NaheL(HinterkanteZ(*flugzeug, 0, 0), 0.0L, 1e-15L));
    EXPECT_EQ(Seg(*flugzeug, 1, 1).Klappenausschlag, 0.0L);
}

TEST(Klappen, AlleKlappenNeutralLaesstAndereFlaechenStehen)
{
    auto flugzeug = FlugzeugMitKlappen();
    Seg(*flugzeug, 0, 0).Klappengruppe = 5;
    Seg(*flugzeug, 1, 0).Klappengruppe = 5;
    KlappenwinkelSetzen(*flugzeug, 0, 0, 6.0L);
    ASSERT_LT(HinterkanteZ(*flugzeug, 1, 0), 0.0L);
    AlleKlappenNeutral(*flugzeug->Flaechen.Get(0));
    EXPECT_EQ(Seg(*flugzeug, 0, 0).Klappenausschlag, 0.0L);
    EXPECT_TRUE(NaheL(HinterkanteZ(*flugzeug, 0, 0), 0.0L, 1e-15L));
    EXPECT_EQ(Seg(*flugzeug, 1, 0).Klappenausschlag, 6.0L);
    EXPECT_LT(HinterkanteZ(*flugzeug, 1, 0), 0.0L);
}

TEST(Klappen, KlappenwinkelEingabe)
{
    struct Fall {
        const char* text;
        bool angenommen;
        int fehlertext;
        Extended gespeichert;
    };
    const Fall faelle[] = {
        {"12,3456789", true, 0, 12.34568L}, {"-45", true, 0, -45.0L}, {"45.000001", false, 13, 0.0L},
        {"-46", false, 13, 0.0L},           {"zehn", false, 2, 0.0L},   {"-inf", false, 2, 0.0L},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.text);
        auto flugzeug = FlugzeugMitKlappen();
        TAufzeichnenderHost host;
        EXPECT_EQ(KlappenwinkelEingeben(host, *flugzeug, 0, 1, fall.text), fall.angenommen);
        EXPECT_TRUE(NaheL(Seg(*flugzeug, 0, 1).Klappenausschlag, fall.gespeichert, 1e-15L));
        const std::vector<int> erwartet = fall.fehlertext != 0 ? std::vector<int>{fall.fehlertext} : std::vector<int>{};
        EXPECT_EQ(host.Fehlertexte, erwartet);
    }
}

TEST(Klappen, KlappentiefeInMeter)
{
    auto f = Testflaeche(0.3L);
    f->Segmente.Add(Testsegment(-0.5L, 0.1L));
    f->Segmente.Add(Testsegment(0.5L, 0.2L));
    struct Fall {
        const char* name;
        int segment;
        TKlappenseite seite;
        const char* text;
        bool angenommen;
        int fehlertext;
        Extended prozent;
    };
    const Fall faelle[] = {
        {"left segment, left (outer) section", 0, TKlappenseite::Links, "0.05", true, 0, 50.0L},
        {"left segment, right section is the root", 0, TKlappenseite::Rechts, "0.3", true, 0, 100.0L},
        {"right segment, left section is the root", 1, TKlappenseite::Links, "0,06", true, 0, 20.0L},
        {"right segment, right (outer) section", 1, TKlappenseite::Rechts, "0.2", true, 0, 100.0L},
        {"longer than the chord", 1, TKlappenseite::Rechts, "0.21", false, 43, 25.0L},
        {"negative", 1, TKlappenseite::Links, "-0.01", false, 43, 25.0L},
        {"no number", 1, TKlappenseite::Links, "x", false, 4, 25.0L},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TAufzeichnenderHost host;
        TSEGMENT& s = *f->Segmente.Get(fall.segment);
        s.KlappentiefeLinks = s.KlappentiefeRechts = 25.0L;
        EXPECT_EQ(KlappentiefeMeterEingeben(host, *f, fall.segment, fall.seite, fall.text), fall.angenommen);
        const Extended gespeichert = fall.seite == TKlappenseite::Links ? s.KlappentiefeLinks : s.KlappentiefeRechts;
        EXPECT_TRUE(NaheL(gespeichert, fall.prozent, 1e-13L));
        const std::vector<int> erwartet = fall.fehlertext != 0 ? std::vector<int>{fall.fehlertext} : std::vector<int>{};
        EXPECT_EQ(host.Fehlertexte, erwartet);
    }
    // A flap as deep as the chord is kept inside it by the next build.
    TAufzeichnenderHost host;
    ASSERT_TRUE(KlappentiefeMeterEingeben(host, *f, 1, TKlappenseite::Rechts, "0.2"));
    BaueFlaeche(*f, Host());
    EXPECT_EQ(f->Segmente.Get(1)->KlappentiefeRechts, 99.999999L);
}
