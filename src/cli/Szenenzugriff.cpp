// Scene loading for the console commands.
#include "cli/Szenenzugriff.h"

#include "geometry/Szenenaufbau.h"

TGeladeneSzene LadeSzene(const std::filesystem::path& datei, THost& host)
{
    TGeladeneSzene g;
    g.Szene = SzeneLadenUndAufbauen(datei, g.Schalter, host);
    return g;
}
