// Edits of the model that do more than store one checked value: a segment width keeps its side,
// altitude and density stay consistent, a chord pivot applies to the whole surface, and a new
// surface gets its starting shape. The caller runs the rebuilds that follow a change.
#pragma once

#include <string_view>

#include "common/Host.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"

/// Stores the entered width with the sign of the old one (a left segment stays left).
bool SegmentbreiteEingeben(THost& host, TSEGMENT& segment, std::string_view text);

/// Stores the altitude; an altitude that rounds to -1 means water and sets the density to 1000.
bool FlughoeheEingeben(THost& host, TFLUGZEUG& flugzeug, std::string_view text);

/// Stores the density and sets the altitude of that density in the standard atmosphere.
bool LuftdichteEingeben(THost& host, TFLUGZEUG& flugzeug, std::string_view text);

/// The "Wasser / Luft" switch: density 1000 for water, 1.225 for air, and the matching altitude.
void WasserLuftSetzen(TFLUGZEUG& flugzeug, bool wasser);

/// The chord pivot is one value per surface: entered at the root or at any segment, it is stored
/// in the root and in every segment.
bool BezugspunktProfiltiefeEingeben(THost& host, TFLAECHE& flaeche, std::string_view text);

/// The sweep reference line is one value per surface, stored in every segment.
bool BezugspunktPfeilwinkelEingeben(THost& host, TFLAECHE& flaeche, std::string_view text);

/// Appends a new surface with the starting shape of "Neu" (a 1 m wing of 0.2 m chord in two
/// segments, the default profile everywhere), placed 0.2 m behind and 0.1 m above the rearmost
/// surface, and makes it the current surface. Returns its index.
int NeueFlaecheAnhaengen(TFLUGZEUG& flugzeug);
