// The dense system of the vortex lattice: one row per receiving panel, one column per horseshoe,
// held in one contiguous block that the panels' Einflusskoeffizienten rows view.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "common/Extended.h"
#include "common/Host.h"
#include "common/Vektor.h"
#include "model/TPAN.h"

/// Where a summed row finds each horseshoe's legs: one slot per cell of every panel table. A slot's
/// left (right) sum is the kernel sum of its panel's WirbelLinks (WirbelRechts) and those of every
/// later column of its strip, so a leg is one slot's sum.
struct TSeitenlinien {
    std::vector<const TPAN*> panels;      ///< every panel of every table, row by row
    std::vector<std::int32_t> naechster;  ///< slot of the next column in the same row, -1 at the end
    std::vector<std::int32_t> linkesBein;   ///< per system column: slot whose left sum is its left leg
    std::vector<std::int32_t> rechtesBein;  ///< per system column: slot of its right leg, see rechtsAusLinks
    std::vector<std::uint8_t> rechtsAusLinks;  ///< right leg from the next strip's left lines
};

/// linkesBein of a system column whose panel belongs to no table.
inline constexpr std::int32_t SlotOhneTabelle = -2;

/// The slots of the panels in system order, tables in order of first appearance.
TSeitenlinien Seitenlinien(std::span<TPAN* const> panelliste);

/// Throws EVelionFehler for system column j when its panel belongs to no table.
void PruefeTabelle(const TPAN& p, int j);

/// How a row is assembled. Both give the same coefficients up to rounding.
enum class TZeilenaufbau {
    /// Every coefficient walks its source panel's legs and sums their kernels: the plain method,
    /// kept to check the summed one against.
    Referenz,
    /// Every segment's kernel is evaluated once per control point; the legs are suffix sums of the
    /// side lines over the columns.
    Summiert
};

class TGleichungssystem {
public:
    /// The panels in system order (the scene's Panelliste) and the unit free-stream direction. The
    /// panels, their tables and their vortex segments must outlive the system and must not change
    /// their layout while it lives; wake geometry may move between assemblies.
    TGleichungssystem(std::span<TPAN* const> panelliste, const T3Vektor& anstroemrichtung);
    ~TGleichungssystem();
    TGleichungssystem(const TGleichungssystem&) = delete;
    TGleichungssystem& operator=(const TGleichungssystem&) = delete;

    TZeilenaufbau Zeilenaufbau = TZeilenaufbau::Summiert;

    int N() const { return static_cast<int>(panels_.size()); }
    TPAN& Panel(int i) const { return *panels_[static_cast<std::size_t>(i)]; }
    const T3Vektor& Anstroemrichtung() const { return anstroemrichtung_; }

    /// Frees the rows of an earlier assembly and gives every panel an empty row of N + 1 zeros.
    void Leeren();

    /// Builds row i: N coefficients, then the right-hand side. Safe on several threads for
    /// disjoint rows. With a host (serial assembly only) the event loop gets a turn between two
    /// coefficients. Throws EVelionFehler when a source panel's horseshoe cannot be found in its table.
    void BaueZeile(int i, THost* host = nullptr);
    void BaueZeileReferenz(int i, THost* host = nullptr);
    void BaueZeileSummiert(int i, THost* host = nullptr);

    /// True when every row was built since the last Leeren.
    bool Vollstaendig() const;

    /// Row i (N coefficients and the right-hand side) and the whole block, rows N + 1 apart.
    std::span<const Extended> Zeile(int i) const;
    const Extended* Daten() const { return werte_.data(); }

private:
    std::vector<TPAN*> panels_;
    T3Vektor anstroemrichtung_;
    std::vector<Extended> werte_;
    std::vector<std::uint8_t> gebaut_;
    TSeitenlinien seitenlinien_;
};

/// Serial assembly with status text, progress and the stop check before each row. A stop resets the
/// progress bars, clears RechnungLaeuft, redraws and clears the status text. Returns false when stopped.
bool BaueSystem(TGleichungssystem& system, THost& host);

/// The same serial loop for any system of n rows, built by `baueZeile`.
bool BaueZeilen(int n, THost& host, const std::function<void(int)>& baueZeile);
