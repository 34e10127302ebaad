// What the machine's memory allows: the dense equation system of a lattice is the largest thing a
// computation holds, so its size decides whether a lattice can be computed here at all.
#pragma once

#include <cstddef>

/// Whether the equation system of a lattice with `n` panels (an N x (N+1) block of Extended) fits
/// into the machine's physical memory, with room left for the lattice and the solver's vectors.
bool SystemPasstInDenSpeicher(std::size_t n);
