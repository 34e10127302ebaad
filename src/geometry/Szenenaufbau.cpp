// Scene loading with surface builder and lattice construction.
#include "geometry/Szenenaufbau.h"

#include <limits>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "common/Host.h"
#include "common/Speicher.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "model/T_FLAECHE.h"
#include "model/T_SEGMENT.h"

TSzenenAufbau GeometrieAufbau(THost& host)
{
    TSzenenAufbau aufbau;
    aufbau.FlaecheBauen = [&host](TFLAECHE& flaeche) { BaueFlaeche(flaeche, host); };
    aufbau.GitterAufbauen = [&host](TFLUGZEUG& flugzeug) { GitterAufbauen(flugzeug, host.Flags); };
    return aufbau;
}

std::unique_ptr<TSZENE> SzeneLadenUndAufbauen(const std::filesystem::path& datei, TSchalter& schalter, THost& host)
{
    TSzenenAufbau aufbau = GeometrieAufbau(host);
    // Panel counts are summed before each surface is built: a damaged count of millions would
    // otherwise spend minutes and all memory on a lattice no machine can solve.
    long double panels = 0.0L;
    aufbau.FlaecheBauen = [&, bauen = aufbau.FlaecheBauen](TFLAECHE& flaeche) {
        long double spannweitig = 0.0L;
        for (int j = 0; j < flaeche.Segmente.Count(); ++j) spannweitig += flaeche.Segmente.Get(j)->AnzahlPanelsY;
        panels += spannweitig * flaeche.AnzahlPanelsX;
        if (panels > static_cast<long double>(std::numeric_limits<int>::max()) ||
            !SystemPasstInDenSpeicher(static_cast<std::size_t>(panels)))
            throw EDatei(datei.string(), 0, "",
                         Sprachwahl("ein Gitter, dessen Gleichungssystem in den Arbeitsspeicher passt (die Panelanzahlen ergeben ",
                                    "a lattice whose equation system fits into the memory (the panel counts give ") +
                             RealToText(panels, 0, 0, '.') + Sprachwahl(" Panels)", " panels)"));
        bauen(flaeche);
    };
    return SzeneLaden(datei, schalter, aufbau);
}
