// The STL export: the skins of the chosen surfaces, triangulated between consecutive volume
// sections, optionally closed into a watertight body for slicers.
#pragma once

#include <filesystem>

#include "common/Extended.h"
#include "export/STL_Koerper.h"

class THost;
class TFLUGZEUG;
class TSZENE;

struct TStlOptionen {
    int Exportaufloesung = 120;         ///< profile points per side of the exported sections
    Extended Einheitenfaktor = 1000.0L;  ///< metres to output units: 1, 1000 or 39.37
    /// Closes each surface with caps at its two outer sections and a strip over an open trailing
    /// edge, so that every edge belongs to exactly two triangles.
    bool Geschlossen = false;
};

/// The triangles of every surface whose StlAuswahl is set, from private copies at the surfaces'
/// current volume resolution.
STL_Koerper StlKoerper(const TFLUGZEUG& flugzeug, const TStlOptionen& optionen, THost& host);

/// The whole export: a resolution below 10 raises error text 45 and returns false; otherwise the
/// surfaces are rebuilt at the export's resolution, the file is written (header: the scene name)
/// and the surfaces get their own resolution back, also when writing fails (EDatei).
bool StlExportieren(TSZENE& szene, const TStlOptionen& optionen, const std::filesystem::path& datei, THost& host);
