// Scene loading for the console commands.
#include "cli/Szenenzugriff.h"

TGeladeneSzene LadeSzene(const std::filesystem::path& datei)
{
    TGeladeneSzene g;
    g.Szene = SzeneLaden(datei, g.Schalter);
    return g;
}
