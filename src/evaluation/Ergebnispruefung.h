// The last look at a computation's results before they are called valid: a value that is not a
// finite number (a profile point at infinity, a negative mass, a surface without horizontal area)
// makes the whole result worthless, however plausible the other numbers look.
#pragma once

#include <string>

class TFLUGZEUG;

/// Error text raised when a computation ends with values that are no finite numbers.
inline constexpr int FehlertextNichtEndlich = 50;
/// Error text raised when the aircraft has no panel to compute.
inline constexpr int FehlertextKeinePanels = 51;
/// Error text raised when the lattice's equation system cannot fit into this machine's memory.
inline constexpr int FehlertextZuVielePanels = 52;

/// The first result of the last force evaluation that is not a finite number, named for the user
/// ("CA", "Fläche 1, Streifen 3: Ca"); empty when all are finite. With `profilauswertung` the drag
/// totals, performance values and neutral point of the design computation are included.
std::string ErsterNichtEndlicherWert(const TFLUGZEUG& flugzeug, bool profilauswertung);
