// The three flight-state directions of the aircraft: free stream, lift and side force.
#pragma once

class TFLUGZEUG;

/// Sets Anstroemrichtung, Auftriebsrichtung and Seitenkraftrichtung from Anstellwinkel and
/// Schiebewinkel.
void Flugzustandsvektoren(TFLUGZEUG& flugzeug);
