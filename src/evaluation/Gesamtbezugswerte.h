// The aircraft's reference values: total areas, reference chord lu, air density from the altitude,
// and the total mass.
#pragma once

class TFLUGZEUG;

/// Luftdichte from Flughoehe (unless the altitude marks water, -1), then the three total areas and
/// the reference chord from the surfaces' values of the last lattice construction. An aircraft
/// without surfaces gets zero areas and a reference chord of 0.
void Gesamtbezugswerte(TFLUGZEUG& flugzeug);

/// Gesamtmasse = ZusaetzlicheMassen plus the Masse of every surface.
void GesamtmasseBerechnen(TFLUGZEUG& flugzeug);
