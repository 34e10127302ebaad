// Plain trailing-edge flaps: deflecting a segment's sections about the common hinge line of its two
// end sections, flap groups that move together, and the flap inputs that need more than a range check.
#pragma once

#include <string_view>

#include "common/Extended.h"

class THost;
class TFLAECHE;
class TFLUGZEUG;

/// Refills Klappengitterschnitte and Klappenvolumenschnitte of segment `segment` from the undeflected
/// sections and turns their flap parts by Klappenausschlag (positive: trailing edge down on either
/// side of the aircraft; Klappeninverse reverses it).
void KlappeAnwenden(TFLAECHE& flaeche, int segment);

/// Sets the deflection of segment `segment` of surface `flaeche` and, when the segment belongs to a
/// flap group (1..99), of every segment of that group on every surface, and applies them. The stored
/// angle is the same for all members; inverse members turn the other way when applied.
void KlappenwinkelSetzen(TFLUGZEUG& flugzeug, int flaeche, int segment, Extended winkel);

/// Every flap of the surface to 0 and applied; group members on other surfaces keep their angle.
void AlleKlappenNeutral(TFLAECHE& flaeche);

/// "Klappenwinkel in °": parses the text (error text 2), accepts -45..45 (error text 13), rounds to
/// 5 decimals and sets it with the group rule. The caller then rebuilds the lattice, takes a
/// snapshot and redraws. Returns whether the value was taken.
bool KlappenwinkelEingeben(THost& host, TFLUGZEUG& flugzeug, int flaeche, int segment, std::string_view text);

enum class TKlappenseite { Links, Rechts };

/// "Klappentiefe links/rechts in m": parses the text (error text 4), accepts 0 .. the chord of that
/// section (error text 43) and stores it in percent of that chord. The caller then rebuilds the
/// surface, mirrors it when asked to, rebuilds the lattice and redraws. Returns whether the value was
/// taken.
bool KlappentiefeMeterEingeben(THost& host, TFLAECHE& flaeche, int segment, TKlappenseite seite, std::string_view text);

/// Chord of the left or right end section of segment `segment`.
Extended Schnitttiefe(const TFLAECHE& flaeche, int segment, TKlappenseite seite);
