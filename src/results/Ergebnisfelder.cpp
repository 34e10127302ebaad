// The tables of the aircraft's and the surfaces' computed results.
#include "results/Ergebnisfelder.h"

#include <stdexcept>
#include <string>

#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"

namespace {

const TFlugzeugergebnis FlugzeugTabelle[] = {
    {"AuslegungsCa", 14, "", "", [](const TFLUGZEUG& f) -> Extended { return f.AuslegungsCa; }},
    {"CS", 34, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CS; }},
    {"CWi", 15, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CWi; }},
    {"CWv", 50, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CWv; }},
    {"InterferenzWiderstand", 49, "", "", [](const TFLUGZEUG& f) -> Extended { return f.InterferenzWiderstand; }},
    {"RumpfWiderstand", 65, "", "", [](const TFLUGZEUG& f) -> Extended { return f.RumpfWiderstand; }},
    {"CW", 51, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CW; }},
    {"Gleitzahl", 52, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Gleitzahl; }},
    {"Steigzahl", 53, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Steigzahl; }},
    {"Gleitwinkel", 54, "", " Grad", [](const TFLUGZEUG& f) -> Extended { return f.Gleitwinkel; }},
    {"Sinkgeschwindigkeit", 55, "m/s", " m/s", [](const TFLUGZEUG& f) -> Extended { return f.Sinkgeschwindigkeit; }},
    {"FlugGeschwindigkeit", 11, "m/s", "m/s", [](const TFLUGZEUG& f) -> Extended { return f.FlugGeschwindigkeit; }, 0, TSeitenform::MitKmh},
    {"CmyNullpunkt", 16, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CmyNullpunkt; }, 46},
    {"CmzNullpunkt", 17, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CmzNullpunkt; }},
    {"CmxNullpunkt", 20, "", "", [](const TFLUGZEUG& f) -> Extended { return f.CmxNullpunkt; }},
    {"Cmy", 67, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Cmy; }, 66},
    {"Cmz", 68, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Cmz; }},
    {"Cmx", 69, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Cmx; }},
    {"Auftriebsanstiegswinkel", 21, "", "", [](const TFLUGZEUG& f) -> Extended { return f.Auftriebsanstiegswinkel; }, -1},
    {"SchwerpunktX", 86, "m", "m", [](const TFLUGZEUG& f) -> Extended { return f.SchwerpunktX; }},
    {"WiderstandspunktZ", 87, "m", "m", [](const TFLUGZEUG& f) -> Extended { return f.WiderstandspunktZ; }},
    // The JSON carries the whole point as "Momentenbezugspunkt".
    {nullptr, 22, "m", "m", [](const TFLUGZEUG& f) -> Extended { return f.Momentenbezugspunkt.x; }},
    {"Neutralpunkt", 23, "m", "m", [](const TFLUGZEUG& f) -> Extended { return f.Neutralpunkt; }},
    {"Stabilitaetsmass", 24, "%", "%", [](const TFLUGZEUG& f) -> Extended { return f.Stabilitaetsmass; }, 0, TSeitenform::MitAbstand},
    {"Auftrieb", 71, "N", "N", [](const TFLUGZEUG& f) -> Extended { return f.Auftrieb; }, -1},
    {"Widerstand", 72, "N", "N", [](const TFLUGZEUG& f) -> Extended { return f.Widerstand; }},
    {"Seitenkraft", 73, "N", "N", [](const TFLUGZEUG& f) -> Extended { return f.Seitenkraft; }},
    {"MomentYNullpunkt", 77, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentYNullpunkt; }, -1},
    {"MomentZNullpunkt", 78, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentZNullpunkt; }},
    {"MomentXNullpunkt", 79, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentXNullpunkt; }},
    {"MomentY", 74, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentY; }, -1},
    {"MomentZ", 75, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentZ; }},
    {"MomentX", 76, "Nm", "Nm", [](const TFLUGZEUG& f) -> Extended { return f.MomentX; }},
};

const TFlaechenergebnis FlaechenTabelle[] = {
    {"CA", 31, [](const TFLAECHE& f) -> Extended { return f.CA; }},
    {"CS", 36, [](const TFLAECHE& f) -> Extended { return f.CS; }},
    {"Cwi", 41, [](const TFLAECHE& f) -> Extended { return f.Cwi; }},
    {"CWi", 32, [](const TFLAECHE& f) -> Extended { return f.CWi; }},
    {"CwiElliptisch", 42, [](const TFLAECHE& f) -> Extended { return f.CwiElliptisch; }},
    {"CwiVerhaeltnis", 43, [](const TFLAECHE& f) -> Extended { return f.CwiVerhaeltnis; }},
    {"CWv", 56, [](const TFLAECHE& f) -> Extended { return f.CWv; }},
    {"CW", 57, [](const TFLAECHE& f) -> Extended { return f.CW; }},
    {"Gleitzahl", 58, [](const TFLAECHE& f) -> Extended { return f.Gleitzahl; }},
    {"Steigzahl", 59, [](const TFLAECHE& f) -> Extended { return f.Steigzahl; }},
};

}  // namespace

std::span<const TFlugzeugergebnis> Flugzeugergebnisse() { return FlugzeugTabelle; }

std::span<const TFlaechenergebnis> Flaechenergebnisse() { return FlaechenTabelle; }

const TFlugzeugergebnis& Flugzeugergebnis(std::string_view schluessel)
{
    for (const TFlugzeugergebnis& e : FlugzeugTabelle)
        if (e.Schluessel && e.Schluessel == schluessel) return e;
    throw std::out_of_range("kein Ergebnisfeld des Flugzeugs " + std::string(schluessel));
}

const TFlaechenergebnis& Flaechenergebnis(std::string_view schluessel)
{
    for (const TFlaechenergebnis& e : FlaechenTabelle)
        if (e.Schluessel == schluessel) return e;
    throw std::out_of_range("kein Ergebnisfeld der Fläche " + std::string(schluessel));
}
