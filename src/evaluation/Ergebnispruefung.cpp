// Finiteness check of the aircraft, surface and strip results.
#include "evaluation/Ergebnispruefung.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "common/Meldungssprache.h"
#include "model/TErgebnis.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"

namespace {

using TBenannt = std::pair<const char*, Extended>;

const char* ErsterNichtEndlicher(std::initializer_list<TBenannt> werte)
{
    for (const auto& [name, wert] : werte)
        if (!std::isfinite(wert)) return name;
    return nullptr;
}

bool Endlich(const T3Vektor& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool Endlich(const TErgebnis& e, int slot)
{
    switch (ErgebnisSlotArt(slot)) {
    case TErgebnisArt::Punkt: return Endlich(e.Punkt);
    case TErgebnisArt::Vektor: return Endlich(e.Vektor);
    case TErgebnisArt::Wert: break;
    }
    return std::isfinite(e.Wert);
}

}  // namespace

std::string ErsterNichtEndlicherWert(const TFLUGZEUG& f, bool profilauswertung)
{
    if (const char* name = ErsterNichtEndlicher({{"CA", f.AuslegungsCa}, {"CS", f.CS}, {"CWi", f.CWi},
                                                 {"Cmx", f.Cmx}, {"Cmy", f.Cmy}, {"Cmz", f.Cmz},
                                                 {"CmyNullpunkt", f.CmyNullpunkt},
                                                 {"FlugGeschwindigkeit", f.FlugGeschwindigkeit},
                                                 {"SchwerpunktX", f.SchwerpunktX}}))
        return name;
    if (profilauswertung)
        if (const char* name = ErsterNichtEndlicher(
                {{"CWv", f.CWv}, {"CW", f.CW}, {"Gleitzahl", f.Gleitzahl}, {"Steigzahl", f.Steigzahl},
                 {"Sinkgeschwindigkeit", f.Sinkgeschwindigkeit}, {"Gleitwinkel", f.Gleitwinkel},
                 {"Widerstand", f.Widerstand}, {"Neutralpunkt", f.Neutralpunkt},
                 {"Stabilitaetsmass", f.Stabilitaetsmass}, {"Auftriebsanstiegswinkel", f.Auftriebsanstiegswinkel}}))
            return name;
    for (int i = 0; i < f.Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *f.Flaechen.Get(i);
        const std::string flaeche = Sprachwahl("Fläche ", "surface ") + std::to_string(i) + ": ";
        if (const char* name = ErsterNichtEndlicher({{"CA", fl.CA}, {"CS", fl.CS}, {"CWi", fl.CWi}, {"Cwi", fl.Cwi}}))
            return flaeche + name;
        if (profilauswertung)
            if (const char* name = ErsterNichtEndlicher({{"CWv", fl.CWv}, {"CW", fl.CW}}))
                return flaeche + name;
        for (int j = 0; j < fl.Ergebnisraster.RowCount(); ++j)
            for (int slot = 0; slot < fl.Ergebnisraster.Count(j) && slot < ErgebnisSlotAnzahl; ++slot) {
                const TErgebnis* e = fl.Ergebnisraster.Get(j, slot);
                if (e && !Endlich(*e, slot))
                    return flaeche + Sprachwahl("Streifen ", "strip ") + std::to_string(j) + ": " + ErgebnisSlotName(slot);
            }
    }
    return {};
}
