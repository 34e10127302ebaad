// Scene loading with surface builder and lattice construction.
#include "geometry/Szenenaufbau.h"

#include "common/Host.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"

TSzenenAufbau GeometrieAufbau(THost& host)
{
    TSzenenAufbau aufbau;
    aufbau.FlaecheBauen = [&host](TFLAECHE& flaeche) { BaueFlaeche(flaeche, host); };
    aufbau.GitterAufbauen = [&host](TFLUGZEUG& flugzeug) { GitterAufbauen(flugzeug, host.Flags); };
    return aufbau;
}

std::unique_ptr<TSZENE> SzeneLadenUndAufbauen(const std::filesystem::path& datei, TSchalter& schalter, THost& host)
{
    return SzeneLaden(datei, schalter, GeometrieAufbau(host));
}
