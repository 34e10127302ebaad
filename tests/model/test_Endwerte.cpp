// The end values of a segment: inner ends take the neighbour on the same side or the root.
#include <gtest/gtest.h>

#include <memory>

#include "model/Endwerte.h"

namespace {

// A surface of root chord 0.3 (twist 1°) with segments of the given widths; segment i has chord
// 0.1 * (i + 1) and twist i + 10.
std::unique_ptr<TFLAECHE> Flaeche(std::initializer_list<long double> breiten)
{
    auto f = std::make_unique<TFLAECHE>(TFlaechenArt::Fluegel);
    f->Profiltiefe = 0.3L;
    f->Verwindungswinkel = 1.0L;
    int i = 0;
    for (long double w : breiten) {
        auto s = std::make_unique<TSEGMENT>();
        s->Segmentbreite = w;
        s->Profiltiefe = 0.1L * (i + 1);
        s->Verwindungswinkel = i + 10;
        f->Segmente.Add(std::move(s));
        ++i;
    }
    return f;
}

}  // namespace

TEST(Endwerte, InnenDerNachbarAufDerselbenSeiteSonstDieWurzel)
{
    struct Fall {
        std::initializer_list<long double> breiten;
        int j;
        Extended cL, cR, tL, tR;
    };
    const Fall faelle[] = {
        {{-0.5L, -0.4L, 0.4L, 0.5L}, 0, 0.1L, 0.2L, 10, 11},  // left tip: inner is segment 1
        {{-0.5L, -0.4L, 0.4L, 0.5L}, 1, 0.2L, 0.3L, 11, 1},   // left of root: inner is the root
        {{-0.5L, -0.4L, 0.4L, 0.5L}, 2, 0.3L, 0.3L, 1, 12},   // right of root
        {{-0.5L, -0.4L, 0.4L, 0.5L}, 3, 0.3L, 0.4L, 12, 13},  // right tip: inner is segment 2
        {{0.0L}, 0, 0.3L, 0.1L, 1, 10},                        // the only segment counts as right
        {{-0.5L}, 0, 0.1L, 0.3L, 10, 1},                       // the only one, on the left
        {{0.4L, 0.0L}, 1, 0.2L, 0.2L, 0, 0},                   // zero width among others
    };
    for (const Fall& fall : faelle) {
        const auto f = Flaeche(fall.breiten);
        SCOPED_TRACE(fall.j);
        const auto [cL, cR] = Endprofiltiefen(*f, fall.j);
        const auto [tL, tR] = Endverwindungen(*f, fall.j);
        EXPECT_EQ(cL, fall.cL);
        EXPECT_EQ(cR, fall.cR);
        EXPECT_EQ(tL, fall.tL);
        EXPECT_EQ(tR, fall.tR);
    }
}
