// The DXF export for model building: 3D model, real three-view, flat building plan with the
// dihedral unrolled, and every rib as a flat section, laid out side by side in one drawing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/Extended.h"
#include "export/Tdxf.h"

class THost;
class TFLUGZEUG;
class TSZENE;

/// The export's layers in drawing order; each can be switched off. A layer whose group head is off
/// (profiles, contour) is not drawn either.
enum class TDxfEbene {
    Haut3D,
    Profilkontur3D,
    Profilsehnen3D,
    Nummerierung3D,
    NasenEndleiste3D,
    RealProfile,
    RealNummerierung,
    RealAussenkontur,
    BauAussenkontur,
    BauProfile,
    BauNummerierung,
    BauVForm,
    SchnittKontur,
    SchnittSehnen,
    SchnittNummerierung,
};
inline constexpr int DxfEbenenAnzahl = 15;

/// Layer name in the file of each TDxfEbene, in enum order.
const std::vector<std::string>& DxfEbenenNamen();

struct TDxfOptionen {
    int Exportaufloesung = 30;          ///< profile points per side of the exported sections
    Extended Einheitenfaktor = 1000.0L;  ///< metres to drawing units: 1, 1000 or 39.37
    Extended Schrifthoehe = 0.02L;       ///< text height [m]
    Extended Rippenabstand = 0.1L;       ///< largest spanwise spacing of strak ribs [m]
    bool Strakprofile = true;
    std::vector<bool> Ebenen = std::vector<bool>(DxfEbenenAnzahl, true);

    bool An(TDxfEbene e) const { return Ebenen[static_cast<size_t>(e)]; }
};

/// The drawing of every surface whose DxfAuswahl is set, from private copies at the surfaces'
/// current volume resolution; the aircraft's lattice gives the frame of the three-view.
Tdxf DxfZeichnung(const TFLUGZEUG& flugzeug, const TDxfOptionen& optionen, THost& host);

/// The whole export: a resolution below 10 raises error text 45 and returns false; otherwise the
/// surfaces are rebuilt at the export's resolution, the drawing is written and the surfaces get
/// their own resolution back, also when writing fails (EDatei).
bool DxfExportieren(TSZENE& szene, const TDxfOptionen& optionen, const std::filesystem::path& datei, THost& host);
