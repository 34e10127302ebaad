// Number text: both separators, fixed notation, the cut and the rounding, independent of the locale.
#include <clocale>

#include "common/TestHilfe.h"
#include "common/Fehler.h"
#include "common/Mathe.h"
#include "common/Zahlentext.h"

TEST(Zahlentext, ParsesBothSeparators)
{
    struct Fall {
        const char* text;
        Extended wert;
    } faelle[] = {{"3,5", 3.5L}, {"3.5", 3.5L}, {"-0,125", -0.125L}, {" 12 ", 12.0L}, {"1e3", 1000.0L},
                  {"-2.5E-2", -0.025L}, {".5", 0.5L}, {"+Inf", HUGE_VALL}, {"-Inf", -HUGE_VALL}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(TextToReal(f.text), f.wert);
    }
}

TEST(Zahlentext, RejectsNonNumbers)
{
    for (const char* text : {"1.234,5", "", "abc", "1,2,3", "12a", "-", "1e", "1e+", ",", "0x10"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(TextToReal(text), EKonvertierung);
    }
    EXPECT_THROW(TextToInt("1.5"), EKonvertierung);
    EXPECT_THROW(TextToInt("+-1"), EKonvertierung);
    EXPECT_EQ(TextToInt(" -42"), -42);
}

TEST(Zahlentext, FormatsFixedAndCuts)
{
    EXPECT_EQ(RealToText(0.2L, 0, 5, '.'), "0.20000");
    EXPECT_EQ(RealToText(0.2L, 0, 5, ','), "0,20000");
    EXPECT_EQ(RealToText(-1.5L, 0, 5, '.'), "-1.50000");
    EXPECT_EQ(RealToText(-12345.678901L, 8, 5, ','), "-12345,6");
    EXPECT_EQ(RealToText(123.456789L, 8, 5, '.'), "123.4567");
    EXPECT_EQ(RealToText(HUGE_VALL, 0, 5, '.'), "+Inf");
    EXPECT_EQ(RealToText(-HUGE_VALL, 0, 5, '.'), "-Inf");
    EXPECT_EQ(RealToText(-0.000001L, 0, 5, '.'), "0.00000");
}

TEST(Zahlentext, RoundsThroughText)
{
    EXPECT_EQ(RoundReal(5, 0.1234567L), TextToReal("0.12346"));
    EXPECT_EQ(RoundReal(5, HUGE_VALL), 1e18L);
    EXPECT_EQ(RoundReal(5, -HUGE_VALL), 1e18L);
}

TEST(Zahlentext, IgnoresCommaLocale)
{
    const char* alt = std::setlocale(LC_ALL, nullptr);
    const std::string gemerkt = alt ? alt : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(RealToText(0.25L, 0, 5, '.'), "0.25000");
    EXPECT_EQ(TextToReal("0.25"), 0.25L);
    std::setlocale(LC_ALL, gemerkt.c_str());
}

TEST(Mathe, PotenzAndInterpolieren)
{
    EXPECT_TRUE(NaheL(Potenz(2.0L, 2.5L), std::pow(2.0L, 2.5L), 1e-17L));
    EXPECT_EQ(Potenz(0.0L, 1.5L), 0.0L);
    EXPECT_TRUE(NaheL(Potenz(-2.0L, 3.0L), -8.0L, 1e-16L));
    EXPECT_TRUE(NaheL(Potenz(-2.0L, 2.0L), 4.0L, 1e-16L));
    EXPECT_EQ(Potenz(-2.0L, 0.5L), 0.0L);
    EXPECT_EQ(Interpolieren(0.5L, 0.0L, 1.0L, 1.0L, 3.0L), 2.0L);
    EXPECT_EQ(Interpolieren(0.5L, 1.0L, 7.0L, 1.0L, 3.0L), 7.0L);
}
