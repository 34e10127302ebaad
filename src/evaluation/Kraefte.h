// Forces from the solved circulations: panel forces, the strip results of every surface, surface
// and aircraft coefficients, flight speed, Reynolds numbers, centres of pressure and moments.
#pragma once

#include "solver/Loeser.h"

class TSZENE;
class THost;

/// The whole force evaluation of the current lattice with its distributed circulations. `wasser`
/// is the water/air switch (it chooses the kinematic viscosity of the Reynolds numbers). The local
/// velocities, the costly part, are found on `threads` workers (the results do not depend on the
/// count). The fast method sums them in double with the vectorised kernels. A stop request ends it
/// early, reported through the host; fields not reached keep their old values.
void Auswertung(TSZENE& szene, THost& host, bool wasser, int threads = 1,
                TLoesungsverfahren verfahren = TLoesungsverfahren::Genau);
