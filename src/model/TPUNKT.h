// A corner point of a lattice or volume panel, with the colours the 3D view draws it in.
#pragma once

#include <array>

#include "common/Extended.h"

class TPAN;

/// Red, green, blue, alpha as the 3D view takes them.
using TFarbe = std::array<float, 4>;

class TPUNKT {
public:
    TPUNKT() = default;
    // Partner and Panel are addresses: a copied point would claim a panel and a partner it does not
    // belong to.
    TPUNKT(const TPUNKT&) = delete;
    TPUNKT& operator=(const TPUNKT&) = delete;

    /// Mirror-image partner found by the symmetry check; a new point is its own partner.
    TPUNKT* Partner = this;
    /// The owning panel, set by the panel when it creates its corners.
    TPAN* Panel = nullptr;
    bool Markiert = false;
    Extended X = 0.0L;
    Extended Y = 0.0L;
    Extended Z = 0.0L;
    TFarbe Farbe{0.5F, 0.5F, 0.5F, 1.0F};
    TFarbe PunktFarbe{0.5F, 0.5F, 0.5F, 1.0F};
    TFarbe MarkierFarbe{0.6F, 0.6F, 0.0F, 1.0F};
};
