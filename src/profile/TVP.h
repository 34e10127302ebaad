// One panel of the 2D vortex panel method on a closed profile contour; a profile keeps the panels
// of its last panel computation.
#pragma once

#include "common/Extended.h"

struct TVP {
    Extended XMitte = 0.0L;  ///< control point (panel midpoint)
    Extended ZMitte = 0.0L;
    Extended DX = 0.0L;      ///< panel vector, end minus start
    Extended DZ = 0.0L;
    Extended Laenge = 0.0L;
    Extended V = 0.0L;       ///< surface speed at the control point, in units of the free-stream speed
    Extended Cp = 0.0L;      ///< pressure coefficient 1 - V^2
    int Art = 1;             ///< panel kind: 1 is a contour panel
};
