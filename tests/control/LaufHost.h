// A recording host for computation runs: output texts come back as "#n", so the status line tells
// which step ran, and a stop can be requested at a chosen moment of the run.
#pragma once

#include <algorithm>
#include <string>

#include "common/TestHilfe.h"

class TLaufHost : public TAufzeichnenderHost {
public:
    std::string Ausgabetext(int n) const override { return "#" + std::to_string(n); }

    /// Requests a stop once status text `text` has been shown `mal` times, after `turns` further
    /// event-loop turns (0: at once, inside the status call).
    void StoppBei(const std::string& text, int mal = 1, int turns = 0)
    {
        stoppText_ = text;
        stoppMal_ = mal;
        stoppTurns_ = turns;
    }

    void Statustext(const std::string& text) override
    {
        TAufzeichnenderHost::Statustext(text);
        if (stoppText_.empty() || text != stoppText_ || --stoppMal_ != 0) return;
        if (stoppTurns_ == 0)
            Flags.Stoppanforderung = true;
        else
            scharf_ = true;
    }

    void Ereignisschleife() override
    {
        ++Turns;
        if (scharf_ && --stoppTurns_ == 0) {
            Flags.Stoppanforderung = true;
            scharf_ = false;
        }
    }

    void Fortschritt(TFortschrittsbalken balken, int position, int /*maximum*/) override
    {
        (balken == TFortschrittsbalken::Haupt ? Hauptbalken : Nebenbalken) = position;
    }

    /// How often the status line showed `text`.
    int Anzahl(const std::string& text) const
    {
        return static_cast<int>(std::count(Statustexte.begin(), Statustexte.end(), text));
    }

    long Turns = 0;
    int Hauptbalken = 0;  ///< last position of each progress bar
    int Nebenbalken = 0;

private:
    std::string stoppText_;
    int stoppMal_ = 0;
    int stoppTurns_ = 0;
    bool scharf_ = false;
};
