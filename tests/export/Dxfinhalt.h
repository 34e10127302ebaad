// Reads back the entities of a DXF text for the export tests: kind, layer, coordinates and text of
// each, from the group code and value pairs.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "common/Textdatei.h"
#include "common/Zahlentext.h"

struct TDxfEntitaet {
    std::string Art;
    std::string Layer;
    std::map<int, double> Werte;  ///< coordinate codes 10..33 and 40
    std::string Text;
    std::vector<std::array<double, 3>> Scheitel;  ///< vertices of a POLYLINE

    double W(int code) const { return Werte.at(code); }
};

/// The entities of the ENTITIES section; VERTEX and SEQEND are folded into their POLYLINE.
inline std::vector<TDxfEntitaet> DxfEntitaeten(const std::string& inhalt)
{
    const std::vector<std::string> z = InZeilen(inhalt);
    std::vector<TDxfEntitaet> e;
    bool drin = false;
    for (size_t i = 0; i + 1 < z.size(); i += 2) {
        const int code = TextToInt(z[i]);
        const std::string& wert = z[i + 1];
        if (code == 2 && wert == "ENTITIES") drin = true;
        if (!drin) continue;
        if (code == 0) {
            if (wert == "VERTEX") {
                e.back().Scheitel.push_back({});
            } else if (wert != "SEQEND" && wert != "ENDSEC" && wert != "EOF") {
                e.push_back({});
                e.back().Art = wert;
            }
        } else if (!e.empty()) {
            TDxfEntitaet& a = e.back();
            if (code == 8) a.Layer = wert;
            else if (code == 1) a.Text = wert;
            else if (a.Art == "POLYLINE" && !a.Scheitel.empty() && code >= 10 && code <= 30 && code % 10 == 0)
                a.Scheitel.back()[static_cast<size_t>(code / 10 - 1)] = static_cast<double>(TextToReal(wert));
            else if (a.Art != "POLYLINE" && ((code >= 10 && code <= 33) || code == 40))
                a.Werte[code] = static_cast<double>(TextToReal(wert));
        }
    }
    return e;
}

inline std::vector<TDxfEntitaet> AufLayer(const std::vector<TDxfEntitaet>& alle, const std::string& layer)
{
    std::vector<TDxfEntitaet> e;
    for (const auto& a : alle)
        if (a.Layer == layer) e.push_back(a);
    return e;
}
