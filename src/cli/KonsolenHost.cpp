// Progress line and error texts of velion-cli.
#include "cli/KonsolenHost.h"

#include <iostream>

TKonsolenHost::~TKonsolenHost()
{
    if (zeileOffen_) std::cerr << '\n';
}

void TKonsolenHost::Statustext(const std::string& text)
{
    status_ = text;
    Zeichne();
}

void TKonsolenHost::Fortschritt(TFortschrittsbalken balken, int position, int maximum)
{
    if (balken != TFortschrittsbalken::Haupt || maximum <= 0) return;
    const int prozent = static_cast<int>(100LL * position / maximum);
    if (prozent == prozent_) return;
    prozent_ = prozent;
    Zeichne();
}

void TKonsolenHost::Zeichne()
{
    if (still_) return;
    std::cerr << '\r' << status_;
    if (prozent_ >= 0) std::cerr << ' ' << prozent_ << " %";
    std::cerr << "\033[K" << std::flush;
    zeileOffen_ = true;
}

int TKonsolenHost::ZeigeFehlertext(int n)
{
    if (zeileOffen_) {
        std::cerr << '\n';
        zeileOffen_ = false;
    }
    std::cerr << "Fehlertext " << n << '\n';
    return KnopfOK;
}
