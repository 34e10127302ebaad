// Scene loading with surface builder and lattice construction.
#include "geometry/Szenenaufbau.h"

#include <limits>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Meldungssprache.h"
#include "common/Speicher.h"
#include "common/Zahlentext.h"
#include "geometry/Flaechenbau.h"
#include "geometry/Gitterbau.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
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
    // Panel counts are summed before each surface is built.
    long double panels = 0.0L;
    aufbau.FlaecheBauen = [&, bauen = aufbau.FlaecheBauen](TFLAECHE& flaeche) {
        panels += Panelzahl(flaeche);
        PanelzahlPruefen(datei, panels);
        bauen(flaeche);
    };
    return SzeneLaden(datei, schalter, aufbau);
}

long double Panelzahl(const TFLAECHE& flaeche)
{
    long double spannweitig = 0.0L;
    for (int j = 0; j < flaeche.Segmente.Count(); ++j) spannweitig += flaeche.Segmente.Get(j)->AnzahlPanelsY;
    return spannweitig * flaeche.AnzahlPanelsX;
}

long double Panelzahl(const TFLUGZEUG& flugzeug)
{
    long double panels = 0.0L;
    for (int i = 0; i < flugzeug.Flaechen.Count(); ++i) panels += Panelzahl(*flugzeug.Flaechen.Get(i));
    return panels;
}

void PanelzahlPruefen(const std::filesystem::path& datei, long double panels)
{
    if (panels > static_cast<long double>(std::numeric_limits<int>::max()) ||
        !SystemPasstInDenSpeicher(static_cast<std::size_t>(panels)))
        throw EDatei(datei.string(), 0, "",
                     Sprachwahl("ein Gitter, dessen Gleichungssystem in den Arbeitsspeicher passt (die Panelanzahlen ergeben ",
                                "a lattice whose equation system fits into the memory (the panel counts give ") +
                         RealToText(panels, 0, 0, '.') + Sprachwahl(" Panels)", " panels)"));
}
