// Wake alignment: bends the wake lines into the local flow, one element index at a time.
#pragma once

class TFLUGZEUG;
class THost;

/// Aligns wake element `i` (1 .. AnzahlNachlaufelemente) of every wake line with the velocity at its
/// midpoint; the elements behind it follow unchanged in length and direction, the final element
/// again points along the free stream. All velocities are taken before anything moves. A stop
/// request leaves the lines partly aligned and tells the run it no longer runs.
void NachlaufAusrichten(TFLUGZEUG& flugzeug, int i, THost& host);
