// The command line's host: progress and status on stderr as one updating line, error texts printed
// to stderr and answered with the dialog's default button.
#pragma once

#include "common/Host.h"

class TKonsolenHost : public THost {
public:
    explicit TKonsolenHost(bool still) : still_(still) {}
    ~TKonsolenHost() override;

    void Statustext(const std::string& text) override;
    void Fortschritt(TFortschrittsbalken balken, int position, int maximum) override;

protected:
    int ZeigeFehlertext(int n) override;

private:
    void Zeichne();

    bool still_;
    std::string status_;
    int prozent_ = -1;
    bool zeileOffen_ = false;
};
