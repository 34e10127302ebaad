// Worker threads of the solver: the banded parallel assembly (T_BEK) and the banded matrix-vector
// product (T_matrix_vector_mult_parallel), with the vector helpers of the iterative solution.
// Workers exist for one assembly or one product; the calling thread gives the event loop its turns
// while it waits, and no lock is taken while rows are computed.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "common/Extended.h"
#include "common/Host.h"
#include "solver/Gleichungssystem.h"

using TVector = std::vector<Extended>;

/// A dense row-major matrix in a block owned elsewhere. The assembled system's rows carry the
/// right-hand side as a last extra value, so rows may lie further apart than their length.
struct TMatrix {
    const Extended* Daten = nullptr;
    int Zeilen = 0;
    int Spalten = 0;
    std::ptrdiff_t Zeilenabstand = 0;

    const Extended* Zeile(int i) const { return Daten + static_cast<std::ptrdiff_t>(i) * Zeilenabstand; }
};

/// How workers tell the waiting thread that they ended: each sets its own finished flag, then rings.
/// The lock is taken once per worker at its end, never while rows are computed.
class TFertigmeldung {
public:
    void Melden()
    {
        { std::lock_guard<std::mutex> sperre(mutex_); }
        bedingung_.notify_all();
    }

    /// Returns when `fertig()` holds or after `hoechstens`, whichever comes first.
    template <class F>
    void Warten(F fertig, std::chrono::microseconds hoechstens)
    {
        std::unique_lock<std::mutex> sperre(mutex_);
        bedingung_.wait_for(sperre, hoechstens, fertig);
    }

private:
    std::mutex mutex_;
    std::condition_variable bedingung_;
};

/// The coefficient part (N x N) of an assembled system.
TMatrix Koeffizientenmatrix(const TGleichungssystem& system);

/// Logical processors reported by the system, at least 1.
int Prozessorzahl();

/// Sum of a(k) b(k), k = 0 .. n-1, in that order.
Extended Skalarprodukt(int n, const TVector& a, const TVector& b);

/// y = A x on the calling thread, row by row; every row summed over its n columns in order.
void MatrixVektor(int n, const TMatrix& A, const TVector& x, TVector& y);

/// y = A x on `threads` workers, rows i n div T .. (i+1) n div T - 1 for worker i; sums as in
/// MatrixVektor, so the result does not depend on the thread count. Sets the length of y to the
/// row count. The calling thread gives the host's event loop a turn while it waits. An exception
/// of a worker is thrown again here once all workers have ended.
void MatrixVektorParallel(const TMatrix& A, const TVector& x, TVector& y, int threads, THost& host);

/// r = b - A x, the product in parallel (threads > 0) or serially (threads = 0).
void Residuum(int n, const TMatrix& A, const TVector& x, TVector& r, const TVector& b, int threads, THost& host);

/// Inclusive row bands of the parallel assembly: thread 0 rows 0 .. q, thread h rows q h + 1 ..
/// q (h + 1), the last thread up to N - 1, q = N div T. Bands may be empty (first > last).
std::vector<std::pair<int, int>> AufbauBaender(int n, int threads);

/// One worker thread for the length of one parallel step. It runs `Arbeiten` once, keeps an
/// exception that ends it, sets its own finished flag and rings the waiting thread. `Beenden` joins
/// it; LassArbeiten calls it on every path, before the worker may be destroyed.
class TArbeiter {
public:
    TArbeiter() = default;
    TArbeiter(const TArbeiter&) = delete;
    TArbeiter& operator=(const TArbeiter&) = delete;
    virtual ~TArbeiter() = default;

    void Starten(TFertigmeldung& meldung);
    bool Fertig() const { return fertig_.load(std::memory_order_acquire); }
    std::exception_ptr Fehler() const { return fehler_; }
    void Beenden() { thread_ = {}; }

protected:
    virtual void Arbeiten() = 0;

private:
    std::atomic<bool> fertig_{false};
    std::exception_ptr fehler_;
    std::jthread thread_;
};

/// Starts every worker, then gives the host's event loop a turn and `jeDurchgang` a call until all
/// have ended (the last call sees every worker's final state); joins them and throws the first
/// worker's exception again.
void LassArbeiten(const std::vector<std::unique_ptr<TArbeiter>>& worker, THost& host,
                  const std::function<void()>& jeDurchgang);

/// A worker that runs one given task.
class TArbeitsauftrag : public TArbeiter {
public:
    explicit TArbeitsauftrag(std::function<void()> auftrag) : auftrag_(std::move(auftrag)) {}

protected:
    void Arbeiten() override { auftrag_(); }

private:
    std::function<void()> auftrag_;
};

/// Builds one row of a system; safe on several threads for disjoint rows.
using TZeilenbau = std::function<void(int)>;

/// One worker of the parallel assembly: builds the rows of its band, checking the stop request
/// before each row.
class T_BEK : public TArbeiter {
public:
    T_BEK(const TZeilenbau& baueZeile, int bandAnfang, int bandEnde, const std::atomic<bool>& stopp,
          std::atomic<int>& fortschritt);

protected:
    void Arbeiten() override;

private:
    const TZeilenbau& baueZeile_;
    int bandAnfang_;
    int bandEnde_;
    const std::atomic<bool>& stopp_;
    std::atomic<int>& fortschritt_;
};

/// One worker of the parallel product: y(row) for the rows of its band.
class T_matrix_vector_mult_parallel : public TArbeiter {
public:
    T_matrix_vector_mult_parallel(const TMatrix& A, const TVector& x, TVector& y, int ersteZeile, int letzteZeile);

protected:
    void Arbeiten() override;

private:
    const TMatrix& A_;
    const TVector& x_;
    TVector& y_;
    int ersteZeile_;
    int letzteZeile_;
};

/// Parallel assembly on `threads` T_BEK workers (bands of AufbauBaender), with status text and
/// both progress bars following the rows built. Returns false when the stop request ended it.
/// An exception of a worker (its band is then incomplete) is thrown again here after all workers
/// have ended, so the run fails as visibly as a serial assembly would.
bool BaueSystemParallel(TGleichungssystem& system, THost& host, int threads);

/// The same for any system of n rows: builds rows 0 .. n-1 with `baueZeile` on `threads` T_BEK
/// workers. Returns false when the stop request left rows unbuilt.
bool BaueZeilenParallel(int n, THost& host, int threads, const TZeilenbau& baueZeile);
