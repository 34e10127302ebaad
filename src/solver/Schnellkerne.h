// The Biot-Savart kernels of the fast solution in double precision, over structure-of-arrays copies
// of the vortex segments, so that one loop evaluates many segments side by side.
#pragma once

#include <cstddef>
#include <vector>

#include "model/TWirbel.h"

/// A point or a direction in double precision.
struct TPunktD {
    double x = 0.0, y = 0.0, z = 0.0;
};

TPunktD PunktD(const T3Vektor& v);

/// Segments in structure of arrays: start, end, unit direction and circulation of each.
class TSegmentfeld {
public:
    void Leeren();
    void Reservieren(std::size_t n);
    /// Appends w with its geometry and Zirkulation rounded to double.
    void Anhaengen(const TWirbel& w);
    std::size_t Anzahl() const { return ax_.size(); }

    /// k[s] = the kernel of Normalkern for every segment s, at P for unit normal n.
    void Normalkerne(const TPunktD& P, const TPunktD& n, double* k) const;

    /// The velocity all segments induce at P with their circulations, as Wirbelgeschwindigkeit
    /// sums them (the zero vector for a point on a segment's line).
    TPunktD Geschwindigkeit(const TPunktD& P) const;

private:
    std::vector<double> ax_, ay_, az_, bx_, by_, bz_, ex_, ey_, ez_, g_;
};
