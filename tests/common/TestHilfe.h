// Shared test helpers: comparison of Extended values and a host that records what the core raised.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "common/Extended.h"
#include "common/Host.h"
#include "common/Meldungssprache.h"

/// EXPECT_NEAR for Extended without the conversion to double.
inline ::testing::AssertionResult NaheL(Extended a, Extended b, Extended toleranz)
{
    if (std::fabs(a - b) <= toleranz) return ::testing::AssertionSuccess();
    std::ostringstream s;
    s << std::setprecision(21) << a << " differs from " << b << " by " << std::fabs(a - b) << " > " << toleranz;
    return ::testing::AssertionFailure() << s.str();
}

/// A host that records every error text, status text and stop check, and answers error texts with
/// a chosen button.
class TAufzeichnenderHost : public THost {
public:
    std::vector<int> Fehlertexte;
    std::vector<std::string> Statustexte;
    int Antwort = KnopfOK;

    void Statustext(const std::string& text) override { Statustexte.push_back(text); }

protected:
    int ZeigeFehlertext(int n) override
    {
        Fehlertexte.push_back(n);
        return Antwort;
    }
};

/// The language of the core's messages for one scope; German again when it ends.
class TMeldungsspracheFuer {
public:
    explicit TMeldungsspracheFuer(const std::string& sprache) { MeldungsspracheWaehlen(sprache); }
    ~TMeldungsspracheFuer() { MeldungsspracheWaehlen("DEUTSCH"); }
    TMeldungsspracheFuer(const TMeldungsspracheFuer&) = delete;
    TMeldungsspracheFuer& operator=(const TMeldungsspracheFuer&) = delete;
};

/// The first word of the German messages' wording found in `text`; empty when there is none.
inline std::string DeutschesWort(const std::string& text)
{
    for (const char* wort : {"erwartet", "Zeile", " die ", " der ", " des ", " ist ", " wird ", " eine ", " ein ", "Zahl", " nach ",
                             " von ", " bis ", "Fläche", "Streifen", "Punkt", "Ordner", "Betrag", "höchstens"})
        if (text.find(wort) != std::string::npos) return wort;
    return {};
}
