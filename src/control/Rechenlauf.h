// One complete vortex-lattice computation of the scene at its current flight state, and the stop
// of a running computation.
#pragma once

#include "solver/Loeser.h"

class TSZENE;
class THost;
struct TSchalter;

/// The settings a run takes from the application rather than from the aircraft.
struct TRechenoptionen {
    TLoeserEinstellungen Loeser;  ///< "Multithread" and the number of worker threads
    bool Wasser = false;          ///< water/air switch: the Reynolds numbers use the viscosity of water
};

/// Rebuilds the lattice, sets density and reference values, runs the wake-alignment cycles the
/// switches ask for, assembles and solves the final system, distributes the circulations and
/// evaluates the forces. The caller clears the stop request before; afterwards a set stop request
/// means the run was stopped, and ErgebnisseGueltig says whether the results are complete. A run
/// that cannot give results (no panels, a system without a usable solution, values that are no
/// finite numbers) reports its error text through the host, leaves ErgebnisseGueltig cleared and
/// returns that number; otherwise it returns 0.
int Rechenlauf(TSZENE& szene, const TSchalter& schalter, const TRechenoptionen& optionen, THost& host);

/// Refills the scene's Panelliste: surfaces in list order, each row by row, each row in column order.
void PanellisteFuellen(TSZENE& szene);

/// "Berechnung Stopp": asks the running computation to stop at its next check and resets the
/// progress display at once.
void BerechnungStoppen(THost& host);
