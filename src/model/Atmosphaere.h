// The standard atmosphere as the program uses it: air density from altitude and back, by straight
// lines between the 1000 m rows of a table up to 25000 m.
#pragma once

#include "common/Extended.h"

/// Density in kg/m³ at altitude h in m: 1.225 below 0, 0.04 from 25000 on.
Extended DichteAusHoehe(Extended h);

/// Altitude in m for density rho in kg/m³: -1 above 1.2251 (no atmospheric density, e.g. water),
/// 25000 at or below 0.04, 0 for a density between 1.225 and 1.2251.
Extended HoeheAusDichte(Extended rho);
