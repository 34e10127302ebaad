// One cell of a surface's strip result grid (`Ergebnisraster`): row = spanwise strip, column = slot.
#pragma once

#include "common/Extended.h"
#include "common/Vektor.h"

/// A strip result: most slots use `Wert`, the edge midpoints `Punkt`, force and normal `Vektor`.
struct TErgebnis {
    Extended Wert = 0.0L;
    T3Vektor Punkt;
    T3Vektor Vektor;
};

/// Column numbers of the strip result grid. Gaps (6, 7, 8, 22, 23, 26) are never written; a
/// reader treats an absent cell as 0.
enum TErgebnisSlot : int {
    SlotGamma = 0,             ///< ca l / 2: local circulation per unit speed, m
    SlotCa = 1,                ///< local lift coefficient
    SlotCwi = 2,               ///< local induced drag coefficient
    SlotAi = 3,                ///< induced angle, degrees
    SlotStreifentiefe = 4,     ///< local chord, m
    SlotStreifenbreite = 5,    ///< strip width in the y-z plane, m
    SlotRe = 9,                ///< Reynolds number
    SlotStreifenkraft = 10,    ///< force of the strip (Vektor)
    SlotStreifennormale = 11,  ///< mean unit normal of the strip (Vektor)
    SlotSegmentnummer = 12,    ///< index of the segment the strip belongs to
    SlotAlfaGeometrisch = 13,  ///< geometric angle of attack, degrees
    SlotAlfaEffektiv = 14,     ///< effective angle of attack, degrees
    SlotAlfaMin = 15,          ///< negative stall angle, degrees
    SlotAlfaMax = 16,          ///< positive stall angle, degrees
    SlotCaMin = 17,            ///< profile lift just above AlfaMin
    SlotCaMax = 18,            ///< profile lift just below AlfaMax
    SlotCwv = 19,              ///< viscous profile drag coefficient
    SlotXOben = 20,            ///< chord position of the highest upper-side point at AlfaMax
    SlotXUnten = 21,           ///< chord position of the lowest lower-side point at AlfaMin
    SlotAbrissOben = 24,       ///< 1 when the lattice ca exceeds CaMax
    SlotAbrissUnten = 25,      ///< 1 when the lattice ca is below CaMin
    SlotVorderkante = 27,      ///< leading-edge midpoint of the strip (Punkt)
    SlotHinterkante = 28,      ///< trailing-edge midpoint of the strip (Punkt)
    SlotBlaseOben = 29,        ///< 1 when a laminar bubble is reported on the upper side
    SlotBlaseUnten = 30,       ///< the same for the lower side
};

/// Number of columns a full strip row has (highest slot + 1).
inline constexpr int ErgebnisSlotAnzahl = 31;

/// Which member of TErgebnis a slot uses.
enum class TErgebnisArt { Wert, Punkt, Vektor };

/// Code name of a slot ("Gamma", "Streifentiefe", ...), or nullptr for a slot that is never written.
const char* ErgebnisSlotName(int slot);

/// The member a slot uses.
TErgebnisArt ErgebnisSlotArt(int slot);
