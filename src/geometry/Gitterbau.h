// The lattice construction: panels of every surface from the deflected sections, the reference
// values of every surface, then the flight state and the vortex system of the aircraft.
#pragma once

struct TLaufFlags;
class TFLAECHE;
class TFLUGZEUG;

/// Rebuilds the panels of every surface, their reference values, the flight-state vectors and the
/// vortex elements; the results of the last run no longer belong to the lattice.
void GitterAufbauen(TFLUGZEUG& flugzeug, TLaufFlags& flags);

/// Frees and rebuilds Panelraster (corners rounded to 8 decimals, so neighbours share corners
/// bit for bit) and Volumenraster of one surface; `index` is the surface's index in the aircraft.
void PanelsAufbauen(TFLAECHE& flaeche, int index);

/// FlaecheHorizontal, FlaecheSeitlich, FlaecheWahr and Bezugstiefe of one surface. A surface
/// without area gets Bezugstiefe 0.
void Bezugswerte(TFLAECHE& flaeche);

/// Number of lattice panels of a surface, and of all surfaces of the aircraft.
int AnzahlPanels(const TFLAECHE& flaeche);
int AnzahlPanels(const TFLUGZEUG& flugzeug);

/// Spannweite (surface-local y extent of the leading edges) and Streckung. A surface without
/// sections gets span 0; one without horizontal area gets Streckung 0.
void SpannweiteStreckung(TFLAECHE& flaeche);
