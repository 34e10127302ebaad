// Linear solution of the assembled system: Gauss elimination, BiCGSTAB with parallel products, the
// choice between them, and the circulations written back into the lattice.
#pragma once

#include <string>

#include "common/Host.h"
#include "solver/Gleichungssystem.h"
#include "solver/T_Thread_Szene.h"

/// Output texts of the status bar.
inline constexpr int AusgabetextAufbau = 60;
inline constexpr int AusgabetextLoesung = 61;

/// Error text: the system has no usable solution (a zero or non-finite pivot, or non-finite values);
/// the circulations are left as they were.
inline constexpr int FehlertextSystemNichtLoesbar = 48;

/// How a run solves its systems.
enum class TLoesungsverfahren {
    /// Coefficients and local velocities in double with vectorised kernels, LU with partial
    /// pivoting and iterative refinement with Extended residuals: the same system, solved fast.
    Schnell,
    /// Everything in Extended: Gauss elimination, or BiCGSTAB for large systems.
    Genau
};

/// The switches that choose assembly and solution.
struct TLoeserEinstellungen {
    TLoesungsverfahren Verfahren = TLoesungsverfahren::Schnell;
    bool Multithread = true;  ///< "Multithread" (MultithreadAktiv)
    int Prozessorzahl = ::Prozessorzahl();  ///< worker threads; --threads overrides it
    /// Up to this many panels the direct solver alone; above it BiCGSTAB first (with "Multithread").
    int DirektBisPanelzahl = 800;
};

enum class TLoesung {
    Geloest,        ///< circulations written
    Gestoppt,       ///< the stop request ended the solution; circulations not (all) written
    Fehlgeschlagen  ///< no usable solution; reported through the host, circulations left as they were
};

enum class TIteration {
    Konvergiert = 0,       ///< the squared residual fell below 1e-16
    NichtKonvergiert = 1   ///< iteration limit, breakdown or stop: the direct solver decides
};

/// Gauss elimination without pivoting on a copy of the system; writes every bound Zirkulation.
TLoesung LoeseDirekt(TGleichungssystem& system, THost& host);

/// BiCGSTAB from x = 0; the products on `threads` workers (0: on the calling thread). Writes the
/// bound circulations when it ends with a finite iterate, converged or not.
TIteration LoeseIterativ(TGleichungssystem& system, THost& host, int threads);

/// Both progress bars of the solution at `position` of `maximum`.
void Loesungsfortschritt(THost& host, int position, int maximum);

/// The end of a solution on a stop request: the bars back at 0, the run marked as ended, the view
/// redrawn and, when `statusLoeschen`, the status line cleared.
TLoesung LoesungGestoppt(THost& host, int maximum, bool statusLoeschen);

/// The end of a solution without a usable result: the bars back at 0, `grund` in the status line
/// and error text 48.
TLoesung LoesungNichtLoesbar(THost& host, int maximum, const std::string& grund);

/// Parallel assembly when there is more than one processor and "Multithread" is on.
bool ParallelAufbauen(const TLoeserEinstellungen& e);
/// The iterative solver first when there are more than DirektBisPanelzahl panels and "Multithread" is on.
bool IterativLoesen(int n, const TLoeserEinstellungen& e);

/// The assembly the settings choose (after TGleichungssystem::Leeren). False when stopped.
bool Aufbauen(TGleichungssystem& system, THost& host, const TLoeserEinstellungen& e);

/// The solution the settings choose: the direct solver, or BiCGSTAB followed by the direct
/// solver when it did not converge.
TLoesung Loesen(TGleichungssystem& system, THost& host, const TLoeserEinstellungen& e);
