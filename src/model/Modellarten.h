// The two enumerations of the model: the kind of a surface and the distribution of its panels.
#pragma once

/// Wing, fin or flat fuselage surface; geometry, lattice and computation treat all kinds alike.
enum class TFlaechenArt { Fluegel = 0, Seitenleitwerk = 1, Rumpf = 2 };

/// How the panel edges of a chord or of a segment are spaced.
enum class TVerteilung { SinL = 0, SinR = 1, Cos = 2, Linear = 3 };
