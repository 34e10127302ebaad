// Aircraft reference values, total mass and the flight-state directions.
#include "evaluation/Gesamtbezugswerte.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/Mathe.h"
#include "common/TestHilfe.h"
#include "geometry/Flugzustand.h"
#include "model/T_FLUGZEUG.h"

namespace {

/// A surface that carries only the values the reference computation reads.
std::unique_ptr<TFLAECHE> Flaeche(Extended horizontal, Extended wahr, Extended tiefe, Extended spannweite,
                                  Extended masse = 0.2L)
{
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->FlaecheHorizontal = horizontal;
    f->FlaecheSeitlich = wahr - horizontal;
    f->FlaecheWahr = wahr;
    f->Bezugstiefe = tiefe;
    f->Spannweite = spannweite;
    f->Masse = masse;
    return f;
}

}  // namespace

TEST(Gesamtbezugswerte, SummenUndGewichteteBezugstiefe)
{
    TFLUGZEUG flugzeug;
    flugzeug.Flughoehe = 500.0L;
    flugzeug.Flaechen.Add(Flaeche(0.4L, 0.4L, 0.2L, 2.0L));
    flugzeug.Flaechen.Add(Flaeche(0.05L, 0.06L, 0.1L, 0.5L));
    Gesamtbezugswerte(flugzeug);
    EXPECT_TRUE(NaheL(flugzeug.FlaecheHorizontalGesamt, 0.45L, 1e-18L));
    EXPECT_TRUE(NaheL(flugzeug.FlaecheWahrGesamt, 0.46L, 1e-18L));
    EXPECT_TRUE(NaheL(flugzeug.FlaecheSeitlichGesamt, 0.01L, 1e-18L));
    const Extended g1 = Potenz(2.0L, 2.5L) * 0.4L;
    const Extended g2 = Potenz(0.5L, 2.5L) * 0.06L;
    EXPECT_TRUE(NaheL(flugzeug.Bezugstiefe, (g1 * 0.2L + g2 * 0.1L) / (g1 + g2), 1e-18L));
    EXPECT_TRUE(NaheL(flugzeug.Luftdichte, 1.1685L, 1e-15L));
}

TEST(Gesamtbezugswerte, EinzelneFlaecheUndSonderfaelle)
{
    struct Fall {
        const char* name;
        std::vector<std::array<Extended, 4>> flaechen;  // horizontal, true area, chord, span
        Extended bezugstiefe;
    };
    const Fall faelle[] = {
        {"single surface, any span", {{0.3L, 0.3L, 0.17L, 7.3L}}, 0.17L},
        {"no weight: first surface with the largest horizontal area",
         {{0.1L, 0.0L, 0.11L, 0.0L}, {0.3L, 0.0L, 0.33L, 0.0L}, {0.3L, 0.0L, 0.44L, 0.0L}},
         0.33L},
        {"no surfaces", {}, 0.0L},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TFLUGZEUG flugzeug;
        for (const auto& w : fall.flaechen) flugzeug.Flaechen.Add(Flaeche(w[0], w[1], w[2], w[3]));
        Gesamtbezugswerte(flugzeug);
        EXPECT_TRUE(NaheL(flugzeug.Bezugstiefe, fall.bezugstiefe, 1e-18L));
    }
}

TEST(Gesamtbezugswerte, WasserBehaeltSeineDichte)
{
    TFLUGZEUG flugzeug;
    flugzeug.Flughoehe = -1.0L;
    flugzeug.Luftdichte = 1000.0L;
    Gesamtbezugswerte(flugzeug);
    EXPECT_EQ(flugzeug.Luftdichte, 1000.0L);
    flugzeug.Flughoehe = -0.7L;  // rounds to -1 as well
    Gesamtbezugswerte(flugzeug);
    EXPECT_EQ(flugzeug.Luftdichte, 1000.0L);
    flugzeug.Flughoehe = 0.0L;
    Gesamtbezugswerte(flugzeug);
    EXPECT_TRUE(NaheL(flugzeug.Luftdichte, 1.225L, 1e-18L));
}

TEST(Gesamtbezugswerte, Gesamtmasse)
{
    TFLUGZEUG flugzeug;
    flugzeug.ZusaetzlicheMassen = 0.5L;
    GesamtmasseBerechnen(flugzeug);
    EXPECT_EQ(flugzeug.Gesamtmasse, 0.5L);
    flugzeug.Flaechen.Add(Flaeche(0, 0, 0, 0, 0.25L));
    flugzeug.Flaechen.Add(Flaeche(0, 0, 0, 0, 0.125L));
    GesamtmasseBerechnen(flugzeug);
    EXPECT_EQ(flugzeug.Gesamtmasse, 0.875L);
}

TEST(Flugzustand, Richtungsvektoren)
{
    struct Fall {
        Extended alfa;
        Extended beta;
    };
    for (const Fall& fall : {Fall{0, 0}, Fall{5, 0}, Fall{-3, 7}, Fall{90, 0}, Fall{12, -20}}) {
        SCOPED_TRACE(static_cast<double>(fall.alfa * 100 + fall.beta));
        TFLUGZEUG flugzeug;
        flugzeug.Anstellwinkel = fall.alfa;
        flugzeug.Schiebewinkel = fall.beta;
        Flugzustandsvektoren(flugzeug);
        const Extended a = fall.alfa / GradProRad;
        const Extended b = fall.beta / GradProRad;
        const T3Vektor& v = flugzeug.Anstroemrichtung;
        const T3Vektor& l = flugzeug.Auftriebsrichtung;
        const T3Vektor& s = flugzeug.Seitenkraftrichtung;
        EXPECT_TRUE(NaheL(v.x, std::cos(a) * std::cos(b), 1e-18L));
        EXPECT_TRUE(NaheL(v.y, std::cos(a) * std::sin(b), 1e-18L));
        EXPECT_TRUE(NaheL(v.z, std::sin(a), 1e-18L));
        EXPECT_TRUE(NaheL(l.z, std::cos(a), 1e-18L));
        // Lift is normal to the free stream; the side force completes the frame and points to
        // +y for no sideslip: lift x free stream.
        EXPECT_TRUE(NaheL(Skalarprodukt3D(v, l), 0.0L, 1e-18L));
        EXPECT_TRUE(NaheL(Skalarprodukt3D(v, s), 0.0L, 1e-18L));
        EXPECT_TRUE(NaheL(Skalarprodukt3D(l, s), 0.0L, 1e-18L));
        EXPECT_TRUE(NaheL(Vektorbetrag(s), 1.0L, 1e-18L));
        if (fall.beta == 0) {
            EXPECT_TRUE(NaheL(s.y, 1.0L, 1e-18L));
        }
    }
}
