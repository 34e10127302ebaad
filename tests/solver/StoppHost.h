// A recording host for the solver tests: counts event-loop turns, follows the main progress bar and
// raises the stop request once a condition holds.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "common/TestHilfe.h"

class TStoppHost : public TAufzeichnenderHost {
public:
    std::function<bool(const TStoppHost&)> StoppWenn;
    long long Ereignisse = 0;
    int LetztePosition = -1;
    int HoechstePosition = -1;
    std::vector<int> Maxima;  // ranges the main progress bar was given, in order

    void Ereignisschleife() override
    {
        ++Ereignisse;
        if (StoppWenn && StoppWenn(*this)) Flags.Stoppanforderung = true;
    }
    void Fortschritt(TFortschrittsbalken balken, int position, int maximum) override
    {
        if (balken != TFortschrittsbalken::Haupt) return;
        LetztePosition = position;
        HoechstePosition = std::max(HoechstePosition, position);
        if (Maxima.empty() || Maxima.back() != maximum) Maxima.push_back(maximum);
    }
};
