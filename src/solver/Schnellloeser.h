// The fast solution of the lattice's system: the coefficients in double from vectorised kernels, one
// LU factorisation with partial pivoting (LAPACK) and iterative refinement with Extended residuals.
// It solves the same system as the Extended path (same kernels, same constants, same legs).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "common/Extended.h"
#include "common/Host.h"
#include "common/Vektor.h"
#include "model/TPAN.h"
#include "solver/Gleichungssystem.h"
#include "solver/Loeser.h"
#include "solver/Schnellkerne.h"

class TSchnellesSystem {
public:
    /// Copies the geometry of every vortex segment of the panels (in system order) and sizes the
    /// matrix. The panels must outlive the system and keep their geometry while it lives. Throws
    /// EVelionFehler when a panel belongs to no table.
    TSchnellesSystem(std::span<TPAN* const> panelliste, const T3Vektor& anstroemrichtung);

    int N() const { return static_cast<int>(panels_.size()); }

    /// Builds row i of the coefficients (and of the copy the factorisation overwrites). Safe on
    /// several threads for disjoint rows.
    void BaueZeile(int i);

    double Koeffizient(int i, int j) const { return a_[Index(i, j)]; }
    Extended RechteSeite(int i) const { return b_[static_cast<std::size_t>(i)]; }

    /// Factorises, solves and refines on `threads` threads; writes every bound Zirkulation. Shows
    /// the solution's status text; reports a singular system like the direct solver (error text 48).
    /// Once per assembly: the factorisation takes the place of the copy.
    TLoesung Loesen(THost& host, int threads);

    /// Refinement steps the last solution took.
    int Verfeinerungsschritte() const { return schritte_; }

private:
    std::size_t Index(int i, int j) const
    {
        return static_cast<std::size_t>(i) * panels_.size() + static_cast<std::size_t>(j);
    }

    std::vector<TPAN*> panels_;
    TSeitenlinien seitenlinien_;
    TSegmentfeld seitensegmente_;           ///< WirbelLinks, then WirbelRechts, of every slot in slot order
    std::vector<std::uint32_t> versatz_;    ///< per slot: first left, first right segment; then the end
    TSegmentfeld gebunden_;                 ///< the bound vortex of every system column
    std::vector<TPunktD> aufpunkte_, normalen_;
    struct TFreigabe {
        void operator()(double* p) const { std::free(p); }
    };
    /// N x N doubles, left uninitialised: the assembly writes every one, in its worker threads.
    using TBlock = std::unique_ptr<double[], TFreigabe>;
    static TBlock Block(std::size_t n);

    TBlock a_;                              ///< row-major N x N coefficients
    TBlock lu_;                             ///< their copy, factorised in place
    std::vector<Extended> b_;               ///< right-hand sides, as the Extended path forms them
    int schritte_ = 0;
};

/// Assembles a fast system on the calling thread (row by row, with the stop check and an event
/// turn per row) or, when the settings allow it, on worker threads. False when stopped.
bool Aufbauen(TSchnellesSystem& system, THost& host, const TLoeserEinstellungen& e);

/// Threads of the fast factorisation and of the force evaluation the settings allow.
int Rechenthreads(const TLoeserEinstellungen& e);
