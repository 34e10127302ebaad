// Worker threads of the assembly and of the matrix-vector product.
#include "solver/T_Thread_Szene.h"

#include <algorithm>
#include <memory>

#include "solver/Loeser.h"

namespace {

/// Pause of the waiting thread between two event-loop turns while workers run.
constexpr std::chrono::microseconds Warteschritt{2000};

/// y(zeile) for zeile = erste .. letzte, every row summed over its columns in order into its own
/// accumulator. Four rows run side by side: their sums are independent chains the processor can
/// overlap, and each x(c) is loaded once for all four; every row's result stays the same.
void Zeilenprodukte(const TMatrix& A, const TVector& x, TVector& y, int erste, int letzte)
{
    const Extended* xs = x.data();
    int zeile = erste;
    for (; zeile + 3 <= letzte; zeile += 4) {
        const Extended* a0 = A.Zeile(zeile);
        const Extended* a1 = A.Zeile(zeile + 1);
        const Extended* a2 = A.Zeile(zeile + 2);
        const Extended* a3 = A.Zeile(zeile + 3);
        Extended s0 = 0.0L;
        Extended s1 = 0.0L;
        Extended s2 = 0.0L;
        Extended s3 = 0.0L;
        for (int c = 0; c < A.Spalten; ++c) {
            const Extended xc = xs[c];
            s0 += a0[c] * xc;
            s1 += a1[c] * xc;
            s2 += a2[c] * xc;
            s3 += a3[c] * xc;
        }
        y[static_cast<std::size_t>(zeile)] = s0;
        y[static_cast<std::size_t>(zeile + 1)] = s1;
        y[static_cast<std::size_t>(zeile + 2)] = s2;
        y[static_cast<std::size_t>(zeile + 3)] = s3;
    }
    for (; zeile <= letzte; ++zeile) {
        const Extended* a = A.Zeile(zeile);
        Extended summe = 0.0L;
        for (int c = 0; c < A.Spalten; ++c) summe += a[c] * xs[c];
        y[static_cast<std::size_t>(zeile)] = summe;
    }
}

}  // namespace

void TArbeiter::Starten(TFertigmeldung& meldung)
{
    thread_ = std::jthread([this, &meldung] {
        try {
            Arbeiten();
        } catch (...) {
            fehler_ = std::current_exception();
        }
        fertig_.store(true, std::memory_order_release);
        meldung.Melden();
    });
}

void LassArbeiten(const std::vector<std::unique_ptr<TArbeiter>>& worker, THost& host,
                  const std::function<void()>& jeDurchgang)
{
    TFertigmeldung meldung;
    // Every path out of here joins the workers first: they use `meldung` and their own objects,
    // whether a thread could not be made or the host's event loop or the pass threw.
    struct TJoiner {
        const std::vector<std::unique_ptr<TArbeiter>>& worker;
        ~TJoiner()
        {
            for (const auto& w : worker) w->Beenden();
        }
    } joiner{worker};
    for (const auto& w : worker) w->Starten(meldung);
    const auto alleFertig = [&] { return std::all_of(worker.begin(), worker.end(), [](const auto& w) { return w->Fertig(); }); };
    for (;;) {
        host.Ereignisschleife();
        // Read "all finished" before the pass, so the last pass sees every worker's final count.
        const bool fertig = alleFertig();
        jeDurchgang();
        if (fertig) break;
        meldung.Warten(alleFertig, Warteschritt);
    }
    for (const auto& w : worker) w->Beenden();
    for (const auto& w : worker)
        if (w->Fehler()) std::rethrow_exception(w->Fehler());
}

TMatrix Koeffizientenmatrix(const TGleichungssystem& system)
{
    return {system.Daten(), system.N(), system.N(), static_cast<std::ptrdiff_t>(system.N()) + 1};
}

int Prozessorzahl() { return std::max(1U, std::thread::hardware_concurrency()); }

Extended Skalarprodukt(int n, const TVector& a, const TVector& b)
{
    Extended summe = 0.0L;
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) summe += a[k] * b[k];
    return summe;
}

void MatrixVektor(int n, const TMatrix& A, const TVector& x, TVector& y)
{
    y.resize(static_cast<std::size_t>(n));
    Zeilenprodukte(A, x, y, 0, n - 1);
}

void MatrixVektorParallel(const TMatrix& A, const TVector& x, TVector& y, int threads, THost& host)
{
    const long long n = A.Zeilen;
    const long long t = std::max(1, threads);
    if (y.size() != static_cast<std::size_t>(n)) y.resize(static_cast<std::size_t>(n));
    std::vector<std::unique_ptr<TArbeiter>> worker;
    for (long long i = 0; i < t; ++i)
        worker.push_back(std::make_unique<T_matrix_vector_mult_parallel>(
            A, x, y, static_cast<int>(i * n / t), static_cast<int>((i + 1) * n / t - 1)));
    LassArbeiten(worker, host, [] {});
}

void Residuum(int n, const TMatrix& A, const TVector& x, TVector& r, const TVector& b, int threads, THost& host)
{
    TVector ax;
    if (threads > 0)
        MatrixVektorParallel(A, x, ax, threads, host);
    else
        MatrixVektor(n, A, x, ax);
    r.resize(static_cast<std::size_t>(n));
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) r[k] = b[k] - ax[k];
}

std::vector<std::pair<int, int>> AufbauBaender(int n, int threads)
{
    const int t = std::max(1, threads);
    if (t == 1) return {{0, n - 1}};
    const int q = n / t;
    std::vector<std::pair<int, int>> baender;
    baender.emplace_back(0, q);
    for (int h = 1; h < t - 1; ++h) baender.emplace_back(q * h + 1, q * (h + 1));
    baender.emplace_back(q * (t - 1) + 1, n - 1);
    return baender;
}

T_BEK::T_BEK(const TZeilenbau& baueZeile, int bandAnfang, int bandEnde, const std::atomic<bool>& stopp,
             std::atomic<int>& fortschritt)
    : baueZeile_(baueZeile), bandAnfang_(bandAnfang), bandEnde_(bandEnde), stopp_(stopp), fortschritt_(fortschritt)
{
}

void T_BEK::Arbeiten()
{
    for (int i = bandAnfang_; i <= bandEnde_; ++i) {
        if (stopp_.load(std::memory_order_relaxed)) break;
        baueZeile_(i);
        fortschritt_.fetch_add(1, std::memory_order_relaxed);
    }
}

T_matrix_vector_mult_parallel::T_matrix_vector_mult_parallel(const TMatrix& A, const TVector& x, TVector& y,
                                                             int ersteZeile, int letzteZeile)
    : A_(A), x_(x), y_(y), ersteZeile_(ersteZeile), letzteZeile_(letzteZeile)
{
}

void T_matrix_vector_mult_parallel::Arbeiten() { Zeilenprodukte(A_, x_, y_, ersteZeile_, letzteZeile_); }

bool BaueSystemParallel(TGleichungssystem& system, THost& host, int threads)
{
    return BaueZeilenParallel(system.N(), host, threads, [&system](int i) { system.BaueZeile(i); }) && system.Vollstaendig();
}

bool BaueZeilenParallel(int n, THost& host, int threads, const TZeilenbau& baueZeile)
{
    host.Fortschritt(TFortschrittsbalken::Haupt, 1, n - 1);
    host.Fortschritt(TFortschrittsbalken::Neben, 1, n - 1);
    host.StatustextNr(AusgabetextAufbau);

    // The workers count their rows; the waiting thread moves both bars to that count, so no
    // worker ever waits for the user interface.
    std::atomic<int> gebaut{0};
    std::vector<std::unique_ptr<TArbeiter>> worker;
    if (n > 0)
        for (const auto& [anfang, ende] : AufbauBaender(n, threads))
            worker.push_back(std::make_unique<T_BEK>(baueZeile, anfang, ende, host.Flags.Stoppanforderung, gebaut));
    int gezeigt = -1;
    const auto zeigeFortschritt = [&] {
        // The bars run 0 .. N-1 as in the serial assembly, so the last built row shows as N-1.
        const int stand = std::min(gebaut.load(std::memory_order_relaxed), n - 1);
        if (stand == gezeigt) return;
        gezeigt = stand;
        host.Fortschritt(TFortschrittsbalken::Haupt, stand, n - 1);
        host.Fortschritt(TFortschrittsbalken::Neben, stand, n - 1);
    };
    const auto aufraeumen = [&] {
        host.Fortschritt(TFortschrittsbalken::Haupt, 0, n - 1);
        host.Fortschritt(TFortschrittsbalken::Neben, 0, n - 1);
        host.Statustext("");
    };
    try {
        LassArbeiten(worker, host, zeigeFortschritt);
    } catch (...) {
        aufraeumen();
        host.Statustext("Fehler");
        throw;
    }
    aufraeumen();
    return gebaut.load() == n;
}
