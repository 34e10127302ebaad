// Three-vectors of Extended and the vector operations shared by lattice, solver, evaluation and flight state.
#pragma once

#include <cmath>

#include "common/Extended.h"

struct T3Vektor {
    Extended x = 0.0L;
    Extended y = 0.0L;
    Extended z = 0.0L;
};

inline T3Vektor Vektorsumme(const T3Vektor& a, const T3Vektor& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

inline T3Vektor Vektordifferenz(const T3Vektor& a, const T3Vektor& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

inline T3Vektor Vektorskalierung(Extended k, const T3Vektor& a) { return {k * a.x, k * a.y, k * a.z}; }

inline Extended Skalarprodukt3D(const T3Vektor& a, const T3Vektor& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline T3Vektor Kreuzprodukt(const T3Vektor& a, const T3Vektor& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline Extended Vektorbetrag(const T3Vektor& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

inline Extended Punktabstand(const T3Vektor& a, const T3Vektor& b) { return Vektorbetrag(Vektordifferenz(a, b)); }

/// a / |a|; the caller passes a vector of non-zero length.
inline T3Vektor Einheitsvektor(const T3Vektor& a) { return Vektorskalierung(1.0L / Vektorbetrag(a), a); }
